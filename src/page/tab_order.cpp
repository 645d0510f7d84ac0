// SPDX-License-Identifier: MIT
#include "tab_order.h"

#include <algorithm>

#include "page_window.h"

namespace tevrimo {

TabOrder::TabOrder(const CategoryTable& table) {
    const bool boxesFirst = table.tabOrder == TabOrderRule::kBoxesFirst;
    std::size_t i = 0;
    for (int pass = 0; pass < 2; ++pass) {
        const bool boxes = (pass == 0) == boxesFirst;
        for (int r = 0; r < kRowCount; ++r) m_stops[i++] = boxes ? BoxId(r) : ButtonId(r);
    }
}

int TabOrder::Next(int focused, bool backwards, const void* context,
                   bool (*canFocus)(const void* context, int id)) const {
    const int count = static_cast<int>(m_stops.size());
    const auto here = std::find(m_stops.begin(), m_stops.end(), focused);
    int index =
        here == m_stops.end() ? (backwards ? 0 : -1) : static_cast<int>(here - m_stops.begin());
    for (int step = 0; step < count; ++step) {
        index = (index + (backwards ? count - 1 : 1)) % count;
        const int id = m_stops[static_cast<std::size_t>(index)];
        if (canFocus(context, id)) return id;
    }
    return kNoControl;
}

}  // namespace tevrimo
