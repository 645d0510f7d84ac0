// SPDX-License-Identifier: MIT
// One page on a headless window, driven the way a person drives the desktop page:
// keys with their modifiers, clicks into boxes, on unit buttons, flags and the page
// background, and the language handed over by the tab control. tevrimo-cli replay,
// the tests, the fuzzer and the benchmarks all go through it.
#pragma once

#include <memory>

#include "conversion_page.h"
#include "keys.h"
#include "memory_window.h"

namespace tevrimo {

// One thing a person does to a page.
struct PageAction {
    enum class Kind { kKey, kClickBox, kClickButton, kClickFlag, kClickBackground, kLanguage };
    Kind kind = Kind::kKey;
    int value = 0;  // virtual-key code, row, flag or language
    Modifiers modifiers = {};
};

class PageSession {
  public:
    // A fresh page of `table`, created and initialised as the desktop creates it.
    explicit PageSession(const CategoryTable& table);
    // The same on a window of the caller's (a subclass that watches the writes).
    PageSession(const CategoryTable& table, std::unique_ptr<MemoryWindow> window);

    // A key-down: the page sees it first; what it passes on, the window handles. Alt
    // combinations belong to the window, not to the page.
    void Press(int vk, Modifiers modifiers = {});
    // A click into value box `row`: the focus moves there.
    void ClickBox(int row);
    // A click on unit button `row`: focus and command, when the button is enabled.
    void ClickButton(int row);
    // A left-button press on flag `flag` (0..3) or on the page background.
    void ClickFlag(int flag);
    void ClickBackground();
    // The tab control hands the page a language (any number; 0..3 apply).
    void HandLanguage(int language);
    // Paste number in the context menu of value box `row`, with `clipboard` in the
    // clipboard, in a session whose language writes `mark`. Whether it entered a number.
    bool Paste(int row, std::string_view clipboard, DecimalMark mark = DecimalMark::kPoint);

    void Do(const PageAction& action);

    ConversionPage& Page() { return *m_page; }
    const ConversionPage& Page() const { return *m_page; }
    MemoryWindow& Window() { return *m_window; }
    const MemoryWindow& Window() const { return *m_window; }

  private:
    std::unique_ptr<MemoryWindow> m_window;
    std::unique_ptr<ConversionPage> m_page;
};

}  // namespace tevrimo
