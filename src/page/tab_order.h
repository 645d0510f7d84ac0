// SPDX-License-Identifier: MIT
// The Tab order of a page, as its template lists the controls: the unit buttons, then
// the value boxes, or the other way round as the category says (the vacuum page). Tab
// moves to the next stop that can take the focus and wraps around within the page.
#pragma once

#include <array>
#include <functional>

#include "categories.h"

namespace tevrimo {

class TabOrder {
  public:
    explicit TabOrder(const CategoryTable& table);

    // The control Tab (Shift+Tab when `backwards`) moves the focus to from `focused`;
    // stops `canFocus` refuses are skipped. kNoControl when no stop can take it.
    int Next(int focused, bool backwards, const std::function<bool(int id)>& canFocus) const;

  private:
    std::array<int, 2 * kRowCount> m_stops{};
};

}  // namespace tevrimo
