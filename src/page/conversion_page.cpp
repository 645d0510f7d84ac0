// SPDX-License-Identifier: MIT
#include "conversion_page.h"

#include <cmath>

#include "keys.h"
#include "vacuum_page.h"

namespace tevrimo {

namespace {
constexpr std::size_t kMaxSignedRest = 255;  // the sign toggle keeps at most this much
}

std::unique_ptr<ConversionPage> ConversionPage::Make(const CategoryTable& table,
                                                     PageWindow& window) {
    if (table.kind == CategoryKind::kVacuum) return std::make_unique<VacuumPage>(table, window);
    return std::make_unique<ConversionPage>(table, window);
}

ConversionPage::ConversionPage(const CategoryTable& table, PageWindow& window)
    : m_table(table), m_window(window) {}

void ConversionPage::Initialize() {
    for (int r = 0; r < kRowCount; ++r) {
        m_window.SetButtonCaption(ButtonId(r),
                                  m_table.templateCaptions[static_cast<std::size_t>(r)]);
    }
    SetFlags(true, true, true, true);  // the template's pictures
    OnInitDialog();
}

void ConversionPage::OnInitDialog() {
    ShowStartLook();
    m_window.SetFocus(BoxId(0));
}

void ConversionPage::ShowStartLook() {
    switch (m_table.startLook) {
        case StartLook::kTemplate: SetFlags(false, true, false, false); break;  // English look
        case StartLook::kStartLanguage: ApplyLanguage(); break;
    }
}

void ConversionPage::SetFlags(bool turkish, bool english, bool german, bool french) {
    m_window.SetFlagSelected(kTurkish, turkish);
    m_window.SetFlagSelected(kEnglish, english);
    m_window.SetFlagSelected(kGerman, german);
    m_window.SetFlagSelected(kFrench, french);
}

void ConversionPage::ApplyLanguage() {
    if (!IsLanguage(m_language)) return;
    for (int r = 0; r < kRowCount; ++r) {
        m_window.SetButtonCaption(ButtonId(r), m_table.Caption(r, m_language));
    }
    for (int k = 0; k < kLanguageCount; ++k) m_window.SetFlagSelected(k, k == m_language);
    m_window.LanguageApplied(m_language);
}

void ConversionPage::OnLButtonDown(int childId) {
    const int flag = childId - kFirstFlagId;
    if (flag >= 0 && flag < kLanguageCount) m_language = flag;
    ApplyLanguage();
}

bool ConversionPage::PreTranslateKeyDown(int key, Modifiers modifiers) {
    switch (key) {
        case vk::kEscape:
            ClearStep();
            Refresh();
            return true;
        case vk::kBack:
            if (m_entry.size() <= 1) {
                m_entry = "0";
            } else {
                m_entry.pop_back();
            }
            Refresh();
            return true;
        case vk::kReturn:
            ApplyPendingOp();
            m_pendingOp = 0;
            Refresh();
            return true;
        case vk::kUp:
            if (m_stepCount < 8) {
                ++m_stepCount;
                m_entry = FormatNumber(ParseNumber(m_entry));
                Refresh();
            }
            return true;
        case vk::kDown:
            if (m_stepCount > 0) {
                --m_stepCount;
                m_entry = FormatNumber(ParseNumber(m_entry));
                Refresh();
            }
            return true;
        case vk::kTab:
            m_entry.clear();
            m_operand.clear();
            m_pendingOp = 0;
            return false;
        case vk::kLeft:
        case vk::kRight:
        case vk::kHome:
        case vk::kEnd:
        case vk::kShift:
        case vk::kControl: return false;
        case vk::kC: return !modifiers.ctrl;
        case vk::kV:
        case vk::kF1: return true;
        default: HandleKey(key); return true;
    }
}

void ConversionPage::HandleKey(int key) {
    // A key that would make a full entry longer does nothing, like V or F1.
    const bool full = m_entry.size() >= kMaxEntryLength;
    if (key >= vk::k0 && key <= vk::k0 + 9) {
        if (!DigitRule(key - vk::k0, full)) return;
    } else if (key >= vk::kNumpad0 && key <= vk::kNumpad0 + 9) {
        if (!DigitRule(key - vk::kNumpad0, full)) return;
    } else {
        switch (key) {
            case vk::kDecimal:
            case vk::kOem2:
            case vk::kOem5:
                if (!DecimalPointRule(full)) return;
                break;
            case vk::kOemMinus:
                if (!SignToggle(full)) return;
                break;
            case vk::kAdd: OperatorRule(1); break;
            case vk::kSubtract: OperatorRule(2); break;
            case vk::kMultiply:
            case vk::kOemPlus: OperatorRule(3); break;
            case vk::kDivide: OperatorRule(4); break;
            default: ClearStep(); break;
        }
    }
    Refresh();
}

bool ConversionPage::DigitRule(int digit, bool full) {
    if (m_pendingOp < 0) {
        m_entry = static_cast<char>('0' + digit);
        m_pendingOp = -m_pendingOp;
        return true;
    }
    const double v = ParseNumber(m_entry);
    const bool noValue = (v == 0 || std::isnan(v)) && m_entry.find('.') == std::string::npos;
    if (noValue) {
        m_entry = static_cast<char>('0' + digit);
    } else if (full) {
        return false;
    } else {
        m_entry.push_back(static_cast<char>('0' + digit));
    }
    return true;
}

bool ConversionPage::DecimalPointRule(bool full) {
    if (m_pendingOp < 0) {
        m_entry = "0.";
        m_pendingOp = -m_pendingOp;
    } else if (m_entry.find('.') == std::string::npos) {
        if (full) return false;
        m_entry.push_back('.');
    }
    return true;
}

bool ConversionPage::SignToggle(bool full) {
    if (!m_entry.empty() && m_entry.front() == '-') {
        m_entry = m_entry.substr(1, kMaxSignedRest);
    } else {
        if (full) return false;
        m_entry.insert(m_entry.begin(), '-');
    }
    return true;
}

void ConversionPage::OperatorRule(int op) {
    if (!m_operand.empty()) ApplyPendingOp();
    m_operand = m_entry;
    m_pendingOp = -op;
}

void ConversionPage::ApplyPendingOp() {
    static constexpr StepOp kOps[] = {StepOp::kAdd, StepOp::kSubtract, StepOp::kMultiply,
                                      StepOp::kDivide};
    if (m_pendingOp < 1 || m_pendingOp > 4) return;
    const double a = ParseNumber(m_operand);
    const double b = ParseNumber(m_entry);
    m_entry = FormatNumber(ApplyStep(kOps[m_pendingOp - 1], a, b));
}

void ConversionPage::ClearStep() {
    if (m_entry != "0") {
        m_entry = "0";
    } else if (!m_operand.empty()) {
        m_operand.clear();
        m_pendingOp = 0;
    }
}

void ConversionPage::ShowEntry(std::string_view text) {
    m_entry = text;
    Refresh();
}

void ConversionPage::TypeEntry(std::string_view text) {
    m_entry = text;
    m_pendingOp = std::abs(m_pendingOp);
    Refresh();
}

void ConversionPage::Refresh() {
    m_table.Refresh(m_entry, m_window.FocusedId(), m_writes);
    for (const RowWrites::Write& w : m_writes) m_window.SetBoxText(w.boxId, w.text);
    AfterRowWrites();
    m_window.SetCaret(static_cast<int>(m_entry.size()));
}

}  // namespace tevrimo
