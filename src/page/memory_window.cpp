// SPDX-License-Identifier: MIT
#include "memory_window.h"

#include <algorithm>
#include <bit>

namespace tevrimo {

namespace {
const PageState kBlankPage;
}  // namespace

MemoryWindow::MemoryWindow() : m_state(&kBlankPage) {}

int MemoryWindow::FocusedId() const {
    return ControlId(m_focus);
}

void MemoryWindow::Render(const PageState& state, const PageChanges& changes) {
    m_state = &state;
    m_boxWrites += std::popcount(changes.texts);
    // A box whose text is set has its caret at the start.
    if (const int row = m_focus.BoxRow(); row >= 0 && PageChanges::Has(changes.texts, row)) {
        m_caret = m_anchor = 0;
    }
    if (changes.focus) {
        m_focus = state.focus;
        // A box that takes the focus has its caret at the end of its text; Tab into a
        // box selects its whole text.
        if (const int row = m_focus.BoxRow(); row >= 0) {
            m_caret = m_anchor = static_cast<int>(Text(row).size());
            if (changes.byTab) m_anchor = 0;
        }
    }
    if (const int row = m_focus.BoxRow(); row >= 0 && changes.caret >= 0) {
        const int length = static_cast<int>(Text(row).size());
        m_caret = m_anchor = std::clamp(changes.caret, 0, length);
    }
}

void MemoryWindow::DefaultKey(int key, Modifiers modifiers) {
    const int row = m_focus.BoxRow();
    if (row < 0) return;
    const std::string& text = Text(row);
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
