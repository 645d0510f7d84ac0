// SPDX-License-Identifier: MIT
#include "conversion_page.h"

#include <algorithm>
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
    : m_table(table), m_window(window), m_tabOrder(table) {}

void ConversionPage::Initialize() {
    for (int r = 0; r < kRowCount; ++r) {
        SetCaption(r, m_table.templateCaptions[static_cast<std::size_t>(r)]);
    }
    SetFlags(AllFlags());  // the template's pictures
    OnInitDialog();
    // The first picture shows everything, also what the start left as it was.
    const int caret = m_changes.caret;
    m_changes = PageChanges::All();
    m_changes.caret = caret;
    Render();
}

void ConversionPage::OnInitDialog() {
    ShowStartLook();
    MoveFocus(PageFocus::Box(0));
}

void ConversionPage::SetText(int row, std::string_view text) {
    m_state.texts[static_cast<std::size_t>(row)] = text;
    m_changes.texts |= PageChanges::Row(row);
}

void ConversionPage::SetCaption(int row, std::string_view text) {
    m_state.captions[static_cast<std::size_t>(row)] = text;
    m_changes.captions |= PageChanges::Row(row);
}

void ConversionPage::SetReadOnly(int row, bool readOnly) {
    m_state.readOnly[static_cast<std::size_t>(row)] = readOnly;
    m_changes.readOnly |= PageChanges::Row(row);
}

void ConversionPage::SetEnabled(int row, bool enabled) {
    m_state.enabled[static_cast<std::size_t>(row)] = enabled;
    m_changes.enabled |= PageChanges::Row(row);
}

void ConversionPage::MoveFocus(PageFocus focus, bool byTab) {
    m_state.focus = focus;
    m_changes.focus = true;
    m_changes.byTab = byTab;
    // A caret step asked for before belongs to the control that had the focus.
    m_changes.caret = -1;
}

void ConversionPage::Render() {
    if (!m_changes.Any()) return;
    // Drawing may bring the next event (a signal, a focus event): it starts afresh.
    const PageChanges changes = m_changes;
    m_changes = {};
    m_window.Render(m_state, changes);
}

void ConversionPage::Focus(PageFocus focus) {
    // A control of the page that can take the focus: a box, or an enabled button.
    const bool box = focus.kind == PageFocus::Kind::kBox;
    const bool button = focus.kind == PageFocus::Kind::kButton;
    if ((!box && !button) || focus.row < 0 || focus.row >= kRowCount) return;
    if (button && !m_state.enabled[static_cast<std::size_t>(focus.row)]) return;
    MoveFocus(focus);
    Render();
}

void ConversionPage::TakeFocus() {
    const PageFocus last = m_state.focus;
    Focus(last.kind == PageFocus::Kind::kNone ? PageFocus::Box(0) : last);
}

void ConversionPage::ClickButton(int row) {
    if (row < 0 || row >= kRowCount || !m_state.enabled[static_cast<std::size_t>(row)]) return;
    Focus(PageFocus::Button(row));
    OnButtonClicked(row);
}

void ConversionPage::TabFocus(bool backwards) {
    const int next = m_tabOrder.Next(ControlId(m_state.focus), backwards, [this](int id) {
        const int button = ButtonRow(id);
        return button < 0 || m_state.enabled[static_cast<std::size_t>(button)];
    });
    if (next == kNoControl) return;
    MoveFocus(FocusOfControl(next), true);
    Render();
}

void ConversionPage::ShowStartLook() {
    switch (m_table.startLook) {
        case StartLook::kTemplate: SetFlags(FlagOf(kEnglish)); break;  // English look
        case StartLook::kStartLanguage: ApplyLanguage(); break;
    }
}

void ConversionPage::SetFlags(const Flags& bright) {
    m_state.flags = bright;
    m_changes.flags = true;
}

void ConversionPage::ApplyLanguage() {
    if (IsLanguage(m_language)) {
        for (int r = 0; r < kRowCount; ++r) SetCaption(r, m_table.Caption(r, m_language));
        SetFlags(FlagOf(m_language));
        m_state.shownLanguage = m_language;
        m_changes.language = true;
    }
    Render();
}

void ConversionPage::OnLButtonDown(int childId) {
    const int flag = childId - kFirstFlagId;
    if (flag >= 0 && flag < kLanguageCount) m_language = flag;
    ApplyLanguage();
}

bool ConversionPage::PreTranslateKeyDown(int key, Modifiers modifiers) {
    const bool consumed = KeyDown(key, modifiers);
    Render();
    return consumed;
}

bool ConversionPage::KeyDown(int key, Modifiers modifiers) {
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
    Render();
}

void ConversionPage::TypeEntry(std::string_view text) {
    m_entry = text;
    m_pendingOp = std::abs(m_pendingOp);
    Refresh();
    Render();
}

bool ConversionPage::TypeIntoBox(int row, std::string_view number) {
    if (row < 0 || row >= kRowCount || m_state.readOnly[static_cast<std::size_t>(row)]) {
        return false;
    }
    MoveFocus(PageFocus::Box(row));
    TypeEntry(number);
    return true;
}

bool ConversionPage::CanPaste(int row) const {
    return row >= 0 && row < kRowCount && !m_state.readOnly[static_cast<std::size_t>(row)];
}

namespace {
// Longer clipboard texts are not taken as a number: the box would only slow down.
constexpr std::size_t kMaxPastedNumber = 4096;
}  // namespace

bool ConversionPage::PasteNumber(int row, std::string_view clipboard, DecimalMark mark) {
    if (!CanPaste(row)) return false;
    std::string_view line = clipboard;
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() > kMaxPastedNumber) return false;
    double value = 0;
    if (!ParseWholeNumber(line, value, mark)) return false;
    const std::size_t first = line.find_first_not_of(" \t");
    const std::size_t last = line.find_last_not_of(" \t");
    std::string number(line.substr(first, last - first + 1));
    std::replace(number.begin(), number.end(), ',', '.');  // the page's texts write "."
    return TypeIntoBox(row, number);
}

std::string ConversionPage::RowText(int row) const {
    if (!CanCopyRow(row)) return {};
    const auto r = static_cast<std::size_t>(row);
    return m_state.captions[r] + '\t' + m_state.texts[r];
}

std::string ConversionPage::PageRowsText() const {
    std::string text;
    for (int r = 0; r < kRowCount; ++r) {
        if (CanCopyRow(r)) text += RowText(r) + '\n';
    }
    return text;
}

void ConversionPage::Refresh() {
    m_table.Refresh(m_entry, m_state.focus.BoxRow(), m_writes);
    for (const RowWrites::Write& w : m_writes) SetText(w.row, w.text);
    AfterRowWrites();
    // The caret step, on whatever control has the focus.
    m_changes.caret = static_cast<int>(m_entry.size());
}

}  // namespace tevrimo
