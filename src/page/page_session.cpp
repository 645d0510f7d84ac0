// SPDX-License-Identifier: MIT
#include "page_session.h"

namespace tevrimo {

PageSession::PageSession(const CategoryTable& table)
    : PageSession(table, std::make_unique<MemoryWindow>()) {}

PageSession::PageSession(const CategoryTable& table, std::unique_ptr<MemoryWindow> window)
    : m_window(std::move(window)), m_page(ConversionPage::Make(table, *m_window)) {
    m_page->Initialize();
}

void PageSession::Press(int vk, Modifiers modifiers) {
    if (modifiers.alt) return;
    if (m_page->PreTranslateKeyDown(vk, modifiers)) return;
    if (vk == vk::kTab) {
        m_page->TabFocus(modifiers.shift);
    } else {
        m_window->DefaultKey(vk, modifiers);
    }
}

void PageSession::ClickBox(int row) {
    if (row >= 0 && row < kRowCount) m_page->Focus(PageFocus::Box(row));
}

void PageSession::ClickButton(int row) {
    m_page->ClickButton(row);
}

bool PageSession::Paste(int row, std::string_view clipboard, DecimalMark mark) {
    return m_page->PasteNumber(row, clipboard, mark);
}

void PageSession::ClickFlag(int flag) {
    if (flag >= 0 && flag < kLanguageCount) m_page->OnLButtonDown(kFirstFlagId + flag);
}

void PageSession::ClickBackground() {
    m_page->OnLButtonDown(kNoControl);
}

void PageSession::HandLanguage(int language) {
    m_page->SetLanguage(language);
    m_page->ApplyLanguage();
}

void PageSession::Do(const PageAction& a) {
    using Kind = PageAction::Kind;
    switch (a.kind) {
        case Kind::kKey: Press(a.value, a.modifiers); break;
        case Kind::kClickBox: ClickBox(a.value); break;
        case Kind::kClickButton: ClickButton(a.value); break;
        case Kind::kClickFlag: ClickFlag(a.value); break;
        case Kind::kClickBackground: ClickBackground(); break;
        case Kind::kLanguage: HandLanguage(a.value); break;
    }
}

}  // namespace tevrimo
