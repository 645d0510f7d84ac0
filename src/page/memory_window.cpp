#include "memory_window.h"

#include <algorithm>

#include "keys.h"

namespace tevrimo {

MemoryWindow::MemoryWindow(bool boxesFirst) {
    m_enabled.fill(true);
    for (int pass = 0; pass < 2; ++pass) {
        const bool boxes = (pass == 0) == boxesFirst;
        for (int r = 0; r < kRowCount; ++r) m_tabStops.push_back(boxes ? BoxId(r) : ButtonId(r));
    }
}

void MemoryWindow::SetFocus(int id) {
    m_focus = id;
    // A box that takes the focus by Tab or click has its caret at the end of its text.
    if (IsBox(id)) m_caret = m_anchor = static_cast<int>(BoxText(id).size());
}

void MemoryWindow::SetBoxText(int boxId, std::string_view text) {
    if (!IsBox(boxId)) return;
    m_texts[static_cast<std::size_t>(boxId - kFirstBoxId)] = text;
    ++m_boxWrites;
    if (boxId == m_focus) m_caret = m_anchor = 0;
}

std::string MemoryWindow::BoxText(int boxId) const {
    return IsBox(boxId) ? m_texts[static_cast<std::size_t>(boxId - kFirstBoxId)] : std::string();
}

void MemoryWindow::SetCaret(int position) {
    if (!IsBox(m_focus)) return;
    const int length = static_cast<int>(BoxText(m_focus).size());
    m_caret = m_anchor = std::clamp(position, 0, length);
}

void MemoryWindow::SetButtonCaption(int buttonId, std::string_view text) {
    const int row = buttonId - kFirstButtonId;
    if (row >= 0 && row < kRowCount) m_captions[static_cast<std::size_t>(row)] = text;
}

void MemoryWindow::SetFlagBitmap(int flag, int bitmap) {
    if (flag >= 0 && flag < kLanguageCount) m_flags[static_cast<std::size_t>(flag)] = bitmap;
}

void MemoryWindow::SetReadOnly(int boxId, bool readOnly) {
    if (IsBox(boxId)) m_readOnly[static_cast<std::size_t>(boxId - kFirstBoxId)] = readOnly;
}

void MemoryWindow::SetEnabled(int buttonId, bool enabled) {
    const int row = buttonId - kFirstButtonId;
    if (row < 0 || row >= kRowCount) return;
    m_enabled[static_cast<std::size_t>(row)] = enabled;
    if (!enabled && m_focus == buttonId) MoveFocus(false);
}

void MemoryWindow::MoveFocus(bool backwards) {
    const int count = static_cast<int>(m_tabStops.size());
    const auto here = std::find(m_tabStops.begin(), m_tabStops.end(), m_focus);
    int index = here == m_tabStops.end() ? (backwards ? 0 : -1)
                                         : static_cast<int>(here - m_tabStops.begin());
    for (int step = 0; step < count; ++step) {
        index = (index + (backwards ? count - 1 : 1)) % count;
        const int id = m_tabStops[static_cast<std::size_t>(index)];
        if (IsBox(id) || m_enabled[static_cast<std::size_t>(id - kFirstButtonId)]) {
            SetFocus(id);
            // Tab into a box selects its whole text.
            if (IsBox(id)) m_anchor = 0;
            return;
        }
    }
}

void MemoryWindow::DefaultKey(int key, bool shift) {
    if (key == vk::kTab) {
        MoveFocus(shift);
        return;
    }
    if (!IsBox(m_focus)) return;
    const std::string& text = m_texts[static_cast<std::size_t>(m_focus - kFirstBoxId)];
    const int length = static_cast<int>(text.size());
    int caret = m_caret;
    switch (key) {
        case vk::kLeft: caret = std::max(0, caret - 1); break;
        case vk::kRight: caret = std::min(length, caret + 1); break;
        case vk::kHome: caret = 0; break;
        case vk::kEnd: caret = length; break;
        case vk::kC:
            if (m_ctrl && m_caret != m_anchor) {
                const int from = std::min(m_caret, m_anchor), to = std::max(m_caret, m_anchor);
                m_clipboard = text.substr(static_cast<std::size_t>(from),
                                          static_cast<std::size_t>(to - from));
            }
            return;
        default: return;
    }
    m_caret = caret;
    if (!shift) m_anchor = caret;
}

}  // namespace tevrimo
