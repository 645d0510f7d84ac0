// SPDX-License-Identifier: MIT
// The logic of one category page: the entry text, the key table, the four-operation
// calculator, the refresh and the language of the unit captions.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "categories.h"
#include "keys.h"
#include "page_window.h"

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
    // then the page's own start-up.
    void Initialize();

    // A key-down about to reach the page or one of its controls, with the modifier keys
    // held at the time. Returns true when the page consumed it; false means the key goes
    // on to the window's own handling.
    bool PreTranslateKeyDown(int vk, Modifiers modifiers = {});

    // A left-button press on the page surface; `childId` is the control under the point
    // (a flag picture) or kNoControl for the background.
    void OnLButtonDown(int childId);

    // A click on unit button `buttonId` (after the focus moved to it).
    virtual void OnButtonClicked(int buttonId) { (void)buttonId; }

    // Makes `text` the entry and refreshes, as if it had just been typed.
    void ShowEntry(std::string_view text);
    // Makes `text` the entry as a number typed afresh (a pasted one): an armed operation
    // takes it as its second operand, as the first digit typed would; then refreshes.
    void TypeEntry(std::string_view text);

    void SetLanguage(int language) { m_language = language; }
    int Language() const { return m_language; }
    void ApplyLanguage();

    const CategoryTable& Table() const { return m_table; }
    const std::string& Entry() const { return m_entry; }
    const std::string& Operand() const { return m_operand; }
    int PendingOp() const { return m_pendingOp; }
    int StepCount() const { return m_stepCount; }

  protected:
    virtual void OnInitDialog();
    void HandleKey(int vk);
    void ApplyPendingOp();
    void ClearStep();
    void Refresh();
    // Runs inside Refresh after the row writes, before the caret step.
    virtual void AfterRowWrites() {}
    // The captions and flags the category shows until the page is handed a language.
    void ShowStartLook();
    // Which of the four flags look selected (bright).
    void SetFlags(bool turkish, bool english, bool german, bool french);

    const CategoryTable& m_table;
    PageWindow& m_window;
    std::string m_entry;
    std::string m_operand;
    int m_pendingOp = 0;
    int m_stepCount = 0;
    int m_language = kTurkish;

  private:
    // Each says whether it changed the entry; `full`: the entry is at its longest.
    bool DigitRule(int digit, bool full);
    bool DecimalPointRule(bool full);
    bool SignToggle(bool full);
    void OperatorRule(int op);
    RowWrites m_writes;
};

}  // namespace tevrimo
