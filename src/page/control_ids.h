// SPDX-License-Identifier: MIT
// The fixed ids of a page's controls, the one place they are written down: the page
// logic and the core work by row, and these name a row's unit button or value box,
// or a flag, where an id is what is asked for (a control under the pointer, the
// control with the focus).
#pragma once

#include "category_table.h"
#include "page_state.h"

namespace tevrimo {

inline constexpr int kNoControl = -1;
inline constexpr int kFirstButtonId = 104;  // unit button of row r: 104 + r
inline constexpr int kFirstBoxId = 202;     // value box of row r: 202 + r
inline constexpr int kFirstFlagId = 65502;  // flag k: 65502 + k
inline constexpr int ButtonId(int row) {
    return kFirstButtonId + row;
}
inline constexpr int BoxId(int row) {
    return kFirstBoxId + row;
}
// The row of a unit button or value box id, or -1 for any other id.
inline constexpr int ButtonRow(int id) {
    return id >= kFirstButtonId && id < kFirstButtonId + kRowCount ? id - kFirstButtonId : -1;
}
inline constexpr int BoxRow(int id) {
    return id >= kFirstBoxId && id < kFirstBoxId + kRowCount ? id - kFirstBoxId : -1;
}
// The id of the focused control, or kNoControl; the focus on control `id`.
inline constexpr int ControlId(PageFocus focus) {
    switch (focus.kind) {
        case PageFocus::Kind::kBox: return BoxId(focus.row);
        case PageFocus::Kind::kButton: return ButtonId(focus.row);
        case PageFocus::Kind::kNone: break;
    }
    return kNoControl;
}
inline constexpr PageFocus FocusOfControl(int id) {
    if (BoxRow(id) >= 0) return PageFocus::Box(BoxRow(id));
    if (ButtonRow(id) >= 0) return PageFocus::Button(ButtonRow(id));
    return {};
}

}  // namespace tevrimo
