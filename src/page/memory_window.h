// SPDX-License-Identifier: MIT
// A page window held in memory: the controls' texts, captions, flags and states, with
// the dialog's own key handling (Tab navigation, caret movement and selection, copy).
// Used by tevrimo-cli, the tests, the fuzzer and the benchmarks, through PageSession.
#pragma once

#include <array>
#include <string>

#include "categories.h"
#include "keys.h"
#include "page_window.h"
#include "tab_order.h"

namespace tevrimo {

class MemoryWindow : public PageWindow {
  public:
    explicit MemoryWindow(const CategoryTable& table);

    int FocusedId() const override { return m_focus; }
    void SetFocus(int id) override;
    void SetBoxText(int boxId, std::string_view text) override;
    std::string BoxText(int boxId) const override;
    void SetReadOnly(int boxId, bool readOnly) override;
    void SetCaret(int position) override;
    void SetButtonCaption(int buttonId, std::string_view text) override;
    void SetEnabled(int buttonId, bool enabled) override;
    void SetFlagSelected(int flag, bool selected) override;

    // What the dialog does with a key the page passed on.
    void DefaultKey(int vk, Modifiers modifiers);

    const std::string& Caption(int row) const { return m_captions[Index(row)]; }
    const std::string& Text(int row) const { return m_texts[Index(row)]; }
    bool FlagSelected(int flag) const { return m_flags[static_cast<std::size_t>(flag)]; }
    bool ReadOnly(int row) const { return m_readOnly[Index(row)]; }
    bool Enabled(int row) const { return m_enabled[Index(row)]; }
    const std::string& Clipboard() const { return m_clipboard; }
    int BoxWriteCount() const { return m_boxWrites; }

  private:
    static std::size_t Index(int row) { return static_cast<std::size_t>(row); }
    void MoveFocus(bool backwards);

    TabOrder m_tabOrder;
    std::array<std::string, kRowCount> m_texts{};
    std::array<std::string, kRowCount> m_captions{};
    std::array<bool, kRowCount> m_readOnly{};
    std::array<bool, kRowCount> m_enabled{};
    std::array<bool, kLanguageCount> m_flags{};
    std::string m_clipboard;
    int m_focus = kNoControl;
    int m_caret = 0;
    int m_anchor = 0;
    int m_boxWrites = 0;
};

}  // namespace tevrimo
