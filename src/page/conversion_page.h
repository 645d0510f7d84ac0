// SPDX-License-Identifier: MIT
// The logic of one category page: the entry text, the key table, the four-operation
// calculator, the refresh, the focus and Tab order, paste and copy, and the language of
// the unit captions. The page owns what it shows (PageState); its window draws it.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>

#include "categories.h"
#include "keys.h"
#include "page_state.h"
#include "page_window.h"
#include "tab_order.h"

namespace tevrimo {

class ConversionPage {
  public:
    // The longest entry keys make: far beyond any real number, and short enough that
    // each key, which reads the whole entry again, stays quick. A key that would make it
    // longer does nothing.
    static constexpr std::size_t kMaxEntryLength = 1024;

    // A page of the right kind for `table` (the vacuum page has its own).
    static std::unique_ptr<ConversionPage> Make(const CategoryTable& table, PageWindow& window);

    ConversionPage(const CategoryTable& table, PageWindow& window);
    virtual ~ConversionPage() = default;
    ConversionPage(const ConversionPage&) = delete;
    ConversionPage& operator=(const ConversionPage&) = delete;

    // Runs once when the page window has been created: template captions and flags,
    // then the page's own start-up; the window then draws the whole state.
    void Initialize();

    // Events. Each changes the state and has the window draw what changed.

    // A key-down about to reach the page or one of its controls, with the modifier keys
    // held at the time. Returns true when the page consumed it; false means the key goes
    // on to the window's own handling (Tab: TabFocus; the caret keys and Ctrl+C: the
    // focused box's own editing).
    bool PreTranslateKeyDown(int vk, Modifiers modifiers = {});
    // Tab (Shift+Tab when `backwards`) that the page passed on: the focus moves to the
    // next control of the page's Tab order that can take it, wrapping around.
    void TabFocus(bool backwards);
    // The focus moved to `focus` (a click into a box or on a button, the window's own
    // navigation), or the window asks for it there.
    void Focus(PageFocus focus);
    // The page is shown (its tab pressed): the focus goes where the page last had it,
    // or into its first box.
    void TakeFocus();
    // A click on the unit button of `row`: when it is enabled, the focus moves there and
    // the button does its command.
    void ClickButton(int row);

    // A left-button press on the page surface; `childId` is the control under the point
    // (a flag picture) or kNoControl for the background.
    void OnLButtonDown(int childId);

    // A click on the unit button of `row` (after the focus moved to it).
    virtual void OnButtonClicked(int row) { (void)row; }

    // Makes `text` the entry and refreshes, as if it had just been typed.
    void ShowEntry(std::string_view text);
    // Makes `text` the entry as a number typed afresh (a pasted one): an armed operation
    // takes it as its second operand, as the first digit typed would; then refreshes.
    void TypeEntry(std::string_view text);
    // Puts the focus in the value box of `row` and types `number` there with TypeEntry.
    // Nothing happens for a read-only box. Returns whether the number was entered.
    bool TypeIntoBox(int row, std::string_view number);
    // Paste number into the box of `row`: `clipboard` read as the command line reads a
    // value with --strict (one line, the line end a copied line brings along dropped,
    // blanks around the number allowed and left out; where `mark` takes a decimal
    // comma "12,5" is 12.5 too, entered as "12.5"). Returns whether a number was
    // entered: nothing happens for a read-only box or a clipboard that holds anything
    // but one number.
    bool PasteNumber(int row, std::string_view clipboard, DecimalMark mark);

    // The tab control hands the page a language (any number; 0..3 apply).
    void SetLanguage(int language) { m_language = language; }
    int Language() const { return m_language; }
    void ApplyLanguage();

    // What Copy row and Copy page copy: "caption TAB value" of a row with a unit (empty
    // for another row), and of every row with a unit, a line end after each.
    std::string RowText(int row) const;
    std::string PageRowsText() const;
    // Whether the box menu offers Copy row, and Paste number, for `row`.
    bool CanCopyRow(int row) const { return m_table.IsUnitRow(row); }
    bool CanPaste(int row) const;

    const CategoryTable& Table() const { return m_table; }
    const PageState& State() const { return m_state; }
    const std::string& Entry() const { return m_entry; }
    const std::string& Operand() const { return m_operand; }
    int PendingOp() const { return m_pendingOp; }
    int StepCount() const { return m_stepCount; }

  protected:
    virtual void OnInitDialog();
    void HandleKey(int vk);
    void ApplyPendingOp();
    void ClearStep();
    // Converts the entry from the focused row (none unless the focus is on a value box
    // the category converts), then puts the caret at the entry's end.
    void Refresh();
    // Runs inside Refresh after the row writes, before the caret step.
    virtual void AfterRowWrites() {}
    // The captions and flags the category shows until the page is handed a language.
    void ShowStartLook();
    // Which flags look selected (bright), one for each language: all of them (the
    // template's pictures) or the flag of one language alone.
    using Flags = std::array<bool, kLanguageCount>;
    static constexpr Flags AllFlags() {
        Flags flags{};
        flags.fill(true);
        return flags;
    }
    static constexpr Flags FlagOf(int language) {
        Flags flags{};
        if (IsLanguage(language)) flags[static_cast<std::size_t>(language)] = true;
        return flags;
    }
    void SetFlags(const Flags& bright);

    // Changes to the state, noted for the next picture.
    void SetText(int row, std::string_view text);
    void SetCaption(int row, std::string_view text);
    void SetReadOnly(int row, bool readOnly);
    void SetEnabled(int row, bool enabled);
    void MoveFocus(PageFocus focus, bool byTab = false);
    // Has the window draw what changed since the last picture.
    void Render();

    const CategoryTable& m_table;
    PageWindow& m_window;
    PageState m_state;
    // The calculator's names for its parts of the state.
    std::string& m_entry = m_state.entry;
    std::string& m_operand = m_state.operand;
    int& m_pendingOp = m_state.pendingOp;
    int& m_stepCount = m_state.stepCount;
    int& m_language = m_state.language;

  private:
    bool KeyDown(int vk, Modifiers modifiers);
    // Each says whether it changed the entry; `full`: the entry is at its longest.
    bool DigitRule(int digit, bool full);
    bool DecimalPointRule(bool full);
    bool SignToggle(bool full);
    void OperatorRule(int op);
    RowWrites m_writes;
    PageChanges m_changes;
    TabOrder m_tabOrder;
};

}  // namespace tevrimo
