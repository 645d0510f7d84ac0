// SPDX-License-Identifier: MIT
// What a user can see on a page, held by the page itself, and what one event changed.
// A front end (the Qt page, the headless window, another toolkit) sends the page its
// events and draws PageState through PageWindow::Render; it never reads anything back
// from its own controls. Everything here is plain data: rows 0..13, languages 0..3.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "category_table.h"
#include "pumpdown.h"

namespace tevrimo {

// The control of a page that has the keyboard focus: a row's value box or unit
// button, or none of them (before the page first takes the focus).
struct PageFocus {
    enum class Kind : std::uint8_t { kNone, kBox, kButton };
    Kind kind = Kind::kNone;
    int row = -1;

    static constexpr PageFocus Box(int r) { return {Kind::kBox, r}; }
    static constexpr PageFocus Button(int r) { return {Kind::kButton, r}; }
    // The row of the focused value box, or -1 when the focus is not on a box.
    constexpr int BoxRow() const { return kind == Kind::kBox ? row : -1; }
    constexpr int ButtonRow() const { return kind == Kind::kButton ? row : -1; }
    friend constexpr bool operator==(const PageFocus&, const PageFocus&) = default;
};

struct PageState {
    // The calculator (the keyboard model's texts and counters).
    std::string entry;    // what the user typed, or a result
    std::string operand;  // the stored first operand
    int pendingOp = 0;    // 0 none, 1..4 add, subtract, multiply, divide; negative: armed
    int stepCount = 0;    // Up presses not yet undone by Down, 0..8

    // The language the tab control or a flag gave the page (any number; 0..3 apply),
    // and the language its captions, names and legend are in (English until one is
    // applied, as the template's captions are).
    int language = kTurkish;
    int shownLanguage = kEnglish;

    PageFocus focus;
    std::array<std::string, kRowCount> texts{};       // value boxes
    std::array<std::string, kRowCount> captions{};    // unit buttons
    std::array<bool, kRowCount> readOnly{};           // value boxes
    std::array<bool, kRowCount> enabled = AllTrue();  // unit buttons
    std::array<bool, kLanguageCount> flags{};         // bright (selected) or washed out

    // The vacuum page's computed quantity; other pages leave it as it is.
    pumpdown::Quantity vacuumMode = pumpdown::kStartMode;

  private:
    static constexpr std::array<bool, kRowCount> AllTrue() {
        std::array<bool, kRowCount> a{};
        a.fill(true);
        return a;
    }
};

// What one event changed, in the order a front end applies it: captions, then the
// language (names, legend), flags, read-only boxes, enabled buttons, box texts, the
// focus, the caret. A row bit is set for every write, also of an unchanged text (a
// refresh writes its rows again).
struct PageChanges {
    using Rows = std::uint16_t;  // bit r: row r
    static_assert(kRowCount <= 16);

    Rows captions = 0;
    bool language = false;
    bool flags = false;
    Rows readOnly = 0;
    Rows enabled = 0;
    Rows texts = 0;
    bool focus = false;  // the focus moved (or was put again on the same control)
    bool byTab = false;  // ... by Tab or Shift+Tab: a box so entered selects its text
    // The caret step of a refresh: on the focused value box, the selection
    // caret..caret and the caret scrolled into view; -1 for none.
    int caret = -1;

    static constexpr Rows kAllRows = (1u << kRowCount) - 1;
    static constexpr Rows Row(int r) { return static_cast<Rows>(1u << static_cast<unsigned>(r)); }
    static constexpr bool Has(Rows rows, int r) {
        return ((static_cast<unsigned>(rows) >> static_cast<unsigned>(r)) & 1u) != 0;
    }
    // Everything, for the first picture of a page.
    static PageChanges All() {
        return {kAllRows, true, true, kAllRows, kAllRows, kAllRows, true, false, -1};
    }
    bool Any() const {
        return captions || language || flags || readOnly || enabled || texts || focus || caret >= 0;
    }
};

}  // namespace tevrimo
