// SPDX-License-Identifier: MIT
// A page window held in memory: it shows the state the page last drew (texts,
// captions, flags, states; it keeps the focus it was last told of), and does what a
// value box does itself with a key the page passes on (caret movement and selection,
// copy). Used by tevrimo-cli, the tests, the fuzzer and
// the benchmarks, through PageSession.
#pragma once

#include <array>
#include <string>

#include "categories.h"
#include "keys.h"
#include "page_window.h"

namespace tevrimo {

class MemoryWindow : public PageWindow {
  public:
    MemoryWindow();
    MemoryWindow(const MemoryWindow&) = delete;
    MemoryWindow& operator=(const MemoryWindow&) = delete;

    void Render(const PageState& state, const PageChanges& changes) override;

    // What the focused value box does with a key the page passed on (not Tab, which
    // the page's Tab order handles).
    void DefaultKey(int vk, Modifiers modifiers);

    PageFocus Focus() const { return m_focus; }
    // The control id of the focused control, or kNoControl.
    int FocusedId() const;
    const std::string& Caption(int row) const { return m_state->captions[Index(row)]; }
    const std::string& Text(int row) const { return m_state->texts[Index(row)]; }
    bool FlagSelected(int flag) const { return m_state->flags[static_cast<std::size_t>(flag)]; }
    bool ReadOnly(int row) const { return m_state->readOnly[Index(row)]; }
    bool Enabled(int row) const { return m_state->enabled[Index(row)]; }
    int ShownLanguage() const { return m_state->shownLanguage; }
    // The focused box's caret and the other end of its selection.
    int Caret() const { return m_caret; }
    int Anchor() const { return m_anchor; }
    const std::string& Clipboard() const { return m_clipboard; }
    int BoxWriteCount() const { return m_boxWrites; }

  private:
    static std::size_t Index(int row) { return static_cast<std::size_t>(row); }

    // The page's own state, which lives as long as the page; a blank page until the
    // first picture.
    const PageState* m_state;
    std::string m_clipboard;
    PageFocus m_focus;
    int m_caret = 0;
    int m_anchor = 0;
    int m_boxWrites = 0;
};

}  // namespace tevrimo
