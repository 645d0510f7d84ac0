// SPDX-License-Identifier: MIT
// What a page needs from the window system: one call that draws the page's state,
// told what changed. The desktop program implements it with Qt widgets; the command
// line and the tests use MemoryWindow. A window never reports back what it shows: what
// the user does reaches the page as events (ConversionPage's keys, clicks, focus and
// paste).
#pragma once

#include "control_ids.h"
#include "page_state.h"

namespace tevrimo {

class PageWindow {
  public:
    virtual ~PageWindow() = default;

    // Shows `state`; `changes` says which parts of it the last event changed or wrote
    // again (PageChanges lists the order in which to apply them). The caller's state
    // is not to be kept beyond the call: it changes with the next event.
    virtual void Render(const PageState& state, const PageChanges& changes) = 0;
};

}  // namespace tevrimo
