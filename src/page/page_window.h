// SPDX-License-Identifier: MIT
// What a page needs from the window system. The desktop program implements it with
// Qt widgets; the command line and the tests use MemoryWindow.
#pragma once

#include <string>
#include <string_view>

namespace tevrimo {

inline constexpr int kNoControl = -1;

class PageWindow {
  public:
    virtual ~PageWindow() = default;

    // Control id of the page control that has the keyboard focus, or kNoControl.
    virtual int FocusedId() const = 0;
    virtual void SetFocus(int id) = 0;
    // Value boxes by id; any other id is ignored (and reads as the empty text).
    virtual void SetBoxText(int boxId, std::string_view text) = 0;
    virtual std::string BoxText(int boxId) const = 0;
    virtual void SetReadOnly(int boxId, bool readOnly) = 0;
    // On the focused control: select position..position and scroll the caret into
    // view; a control that is not a value box ignores it.
    virtual void SetCaret(int position) = 0;
    // Unit buttons by id; any other id is ignored.
    virtual void SetButtonCaption(int buttonId, std::string_view text) = 0;
    virtual void SetEnabled(int buttonId, bool enabled) = 0;
    // Flag k (0..3, the LanguageId it stands for): bright when selected, washed out
    // when not.
    virtual void SetFlagSelected(int flag, bool selected) = 0;
    // The captions and flags now show `language` (0..3).
    virtual void LanguageApplied(int language) { (void)language; }
};

}  // namespace tevrimo
