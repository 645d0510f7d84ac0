// A page window held in memory: the controls' texts, captions, flags and states, with
// the dialog's own key handling (Tab navigation, caret movement and selection, copy).
// Used by tevrimo-cli and by the tests.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "categories.h"
#include "page_window.h"

namespace tevrimo {

class MemoryWindow : public PageWindow {
  public:
    // Tab stops in template order: buttons then boxes, or boxes then buttons (vacuum).
    explicit MemoryWindow(bool boxesFirst = false);

    int FocusedId() const override { return m_focus; }
    void SetFocus(int id) override;
    void SetBoxText(int boxId, std::string_view text) override;
    std::string BoxText(int boxId) const override;
    void SetCaret(int position) override;
    bool CtrlDown() const override { return m_ctrl; }
    void SetButtonCaption(int buttonId, std::string_view text) override;
    void SetFlagBitmap(int flag, int bitmap) override;
    void SetReadOnly(int boxId, bool readOnly) override;
    void SetEnabled(int buttonId, bool enabled) override;

    // What the dialog does with a key the page passed on.
    void DefaultKey(int vk, bool shift);
    void SetCtrlDown(bool down) { m_ctrl = down; }

    const std::string& Caption(int row) const { return m_captions[static_cast<std::size_t>(row)]; }
    const std::string& Text(int row) const { return m_texts[static_cast<std::size_t>(row)]; }
    int FlagBitmap(int flag) const { return m_flags[static_cast<std::size_t>(flag)]; }
    bool ReadOnly(int row) const { return m_readOnly[static_cast<std::size_t>(row)]; }
    bool Enabled(int row) const { return m_enabled[static_cast<std::size_t>(row)]; }
    const std::string& Clipboard() const { return m_clipboard; }
    int BoxWriteCount() const { return m_boxWrites; }

  private:
    static bool IsBox(int id) { return id >= kFirstBoxId && id < kFirstBoxId + kRowCount; }
    void MoveFocus(bool backwards);

    std::array<std::string, kRowCount> m_texts{};
    std::array<std::string, kRowCount> m_captions{};
    std::array<bool, kRowCount> m_readOnly{};
    std::array<bool, kRowCount> m_enabled{};
    std::array<int, kLanguageCount> m_flags{};
    std::vector<int> m_tabStops;
    std::string m_clipboard;
    int m_focus = kNoControl;
    int m_caret = 0;
    int m_anchor = 0;
    int m_boxWrites = 0;
    bool m_ctrl = false;
};

}  // namespace tevrimo
