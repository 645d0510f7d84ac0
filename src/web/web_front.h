// SPDX-License-Identifier: MIT
// The converter as a browser shows it: the thirteen pages of the desktop's tab control,
// each a ConversionPage, driven by the events a web page sends (keys as the browser
// names them, clicks, focus moves, a tab, a paste) and answering each with a picture:
// the shown page's PageState and what changed (PageChanges), as JSON for the page's
// renderer, which draws it and holds no conversion or key logic of its own.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "categories.h"
#include "conversion_page.h"
#include "keys.h"
#include "page_window.h"

namespace tevrimo {

class WebFront {
  public:
    // Opens on tab `tab` (0..12; any other the first) with `language` handed to it, as
    // the desktop opens with its profile's tab and language. `locale` is the browser's
    // ("de-DE"): a pasted number is read with its decimal mark.
    WebFront(int tab, int language, std::string_view locale);
    ~WebFront();
    WebFront(const WebFront&) = delete;
    WebFront& operator=(const WebFront&) = delete;

    // Each event answers with the picture of the page shown after it (Picture()).
    // The first picture: everything.
    const std::string& Start();
    // A key-down, as KeyboardEvent names it. The picture's "consumed" says whether the
    // page took it; when it did not, the key is the box's own (caret keys, Ctrl+C).
    // Keys with Alt held are the window's: never the page's.
    const std::string& Key(std::string_view code, std::string_view key, Modifiers modifiers);
    // Text typed where no key was named (a phone's on-screen keyboard): each character
    // as the key that types it.
    const std::string& Type(std::string_view text);
    const std::string& FocusBox(int row);
    const std::string& FocusButton(int row);
    // A click on a unit button: the focus, then the command, when it is enabled.
    const std::string& ClickButton(int row);
    const std::string& ClickFlag(int flag);
    const std::string& ClickBackground();
    // A press on tab `tab`: the page shown, its focus, the language carried over.
    const std::string& ShowTab(int tab);
    // The finder's choice: its tab, and the focus in the box of `row`.
    const std::string& ShowUnit(int tab, int row);
    // Paste number into the box of `row`; the picture's "pasted" says whether it entered
    // a number.
    const std::string& Paste(int row, std::string_view clipboard);

    // What Copy row and Copy page put in the clipboard.
    std::string CopyRow(int row) const;
    std::string CopyPage() const;
    // The shown page's words in its shown language: names, legend, menu, finder, the
    // units' definitions, as JSON.
    std::string Words() const;
    // The tabs (caption and category key of each) and the languages (code, native name,
    // flag picture), in order, as JSON.
    static std::string Tabs();
    // What each category holds, in `language`, in tab order, as JSON.
    static std::string CategoryNames(int language);
    // The finder: units whose names complete `text`; and Enter on `text` (the one unit it
    // names as "chosen", or the units to choose from with a status line), as JSON.
    std::string Complete(std::string_view text) const;
    std::string Resolve(std::string_view text) const;

    int Tab() const { return m_tab; }
    int Language() const;
    const PageState& State() const;

  private:
    struct Page;
    Page& Shown() const;
    Page& PageOf(int tab);
    const std::string& Picture(bool consumed = true);
    // Shows page `tab` with `language` handed to it, as the tab control does; SwitchTo
    // carries the shown page's language over to another tab.
    void ShowPage(int tab, int language);
    void SwitchTo(int tab);

    std::array<std::unique_ptr<Page>, kCategoryCount> m_pages;
    int m_tab = 0;
    DecimalMark m_mark;
    bool m_full = false;  // the next picture draws everything: another page is shown
    bool m_pasted = false;
    std::string m_picture;
};

}  // namespace tevrimo
