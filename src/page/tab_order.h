// SPDX-License-Identifier: MIT
// The Tab order of a page, as its template lists the controls: the unit buttons, then
// the value boxes, or the other way round as the category says (the vacuum page). Tab
// moves to the next stop that can take the focus and wraps around within the page.
#pragma once

#include <array>

#include "categories.h"

namespace tevrimo {

class TabOrder {
  public:
    explicit TabOrder(const CategoryTable& table);

    // The control Tab (Shift+Tab when `backwards`) moves the focus to from `focused`;
    // stops `canFocus(id)` refuses are skipped. kNoControl when no stop can take it.
    template <class CanFocus>
    int Next(int focused, bool backwards, const CanFocus& canFocus) const {
        return Next(focused, backwards, &canFocus, [](const void* f, int id) -> bool {
            return (*static_cast<const CanFocus*>(f))(id);
        });
    }

  private:
    // The same, asking `canFocus(context, id)`.
    int Next(int focused, bool backwards, const void* context,
             bool (*canFocus)(const void* context, int id)) const;

    std::array<int, 2 * kRowCount> m_stops{};
};

}  // namespace tevrimo
