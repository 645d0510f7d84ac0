// SPDX-License-Identifier: MIT
#include "memory_window.h"

#include <algorithm>

namespace tevrimo {

MemoryWindow::MemoryWindow(const CategoryTable& table) : m_tabOrder(table) {
    m_enabled.fill(true);
}

void MemoryWindow::SetFocus(int id) {
    m_focus = id;
    // A box that takes the focus by Tab or click has its caret at the end of its text.
    if (const int row = BoxRow(id); row >= 0) {
        m_caret = m_anchor = static_cast<int>(m_texts[Index(row)].size());
    }
}

void MemoryWindow::SetBoxText(int boxId, std::string_view text) {
    const int row = BoxRow(boxId);
    if (row < 0) return;
    m_texts[Index(row)] = text;
    ++m_boxWrites;
    if (boxId == m_focus) m_caret = m_anchor = 0;
}

std::string MemoryWindow::BoxText(int boxId) const {
    const int row = BoxRow(boxId);
    return row >= 0 ? m_texts[Index(row)] : std::string();
}

void MemoryWindow::SetReadOnly(int boxId, bool readOnly) {
    if (const int row = BoxRow(boxId); row >= 0) m_readOnly[Index(row)] = readOnly;
}

void MemoryWindow::SetCaret(int position) {
    const int row = BoxRow(m_focus);
    if (row < 0) return;
    const int length = static_cast<int>(m_texts[Index(row)].size());
    m_caret = m_anchor = std::clamp(position, 0, length);
}

void MemoryWindow::SetButtonCaption(int buttonId, std::string_view text) {
    if (const int row = ButtonRow(buttonId); row >= 0) m_captions[Index(row)] = text;
}

void MemoryWindow::SetEnabled(int buttonId, bool enabled) {
    const int row = ButtonRow(buttonId);
    if (row < 0) return;
    m_enabled[Index(row)] = enabled;
    if (!enabled && m_focus == buttonId) MoveFocus(false);
}

void MemoryWindow::SetFlagSelected(int flag, bool selected) {
    if (flag >= 0 && flag < kLanguageCount) m_flags[static_cast<std::size_t>(flag)] = selected;
}

void MemoryWindow::MoveFocus(bool backwards) {
    const int next = m_tabOrder.Next(m_focus, backwards, [this](int id) {
        const int button = ButtonRow(id);
        return button < 0 || m_enabled[Index(button)];
    });
    if (next == kNoControl) return;
    SetFocus(next);
    // Tab into a box selects its whole text.
    if (BoxRow(next) >= 0) m_anchor = 0;
}

void MemoryWindow::DefaultKey(int key, Modifiers modifiers) {
    if (key == vk::kTab) {
        MoveFocus(modifiers.shift);
        return;
    }
    const int row = BoxRow(m_focus);
    if (row < 0) return;
    const std::string& text = m_texts[Index(row)];
    const int length = static_cast<int>(text.size());
    int caret = m_caret;
    switch (key) {
        case vk::kLeft: caret = std::max(0, caret - 1); break;
        case vk::kRight: caret = std::min(length, caret + 1); break;
        case vk::kHome: caret = 0; break;
        case vk::kEnd: caret = length; break;
        case vk::kC:
            if (modifiers.ctrl && m_caret != m_anchor) {
                const int from = std::min(m_caret, m_anchor), to = std::max(m_caret, m_anchor);
                m_clipboard = text.substr(static_cast<std::size_t>(from),
                                          static_cast<std::size_t>(to - from));
            }
            return;
        default: return;
    }
    m_caret = caret;
    if (!modifiers.shift) m_anchor = caret;
}

}  // namespace tevrimo
