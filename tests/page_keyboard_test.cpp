// SPDX-License-Identifier: MIT
// The page's keyboard model and calculator, as a user at the keyboard sees it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "page_test_util.h"
#include "tab_order.h"

namespace tevrimo {
namespace {

using testing::PageHarness;

PageHarness LengthPage() {
    return PageHarness(testing::Table("length"));
}

TEST(EntryEditing, FirstKeysOnAFreshPage) {
    auto p = LengthPage();
    EXPECT_EQ(p.Box(0), "");  // nothing is written before the first key
    p.Type("5");
    EXPECT_EQ(p.Entry(), "5");
    EXPECT_EQ(p.Box(0), "5");
    EXPECT_EQ(p.Box(2), "500");

    auto q = LengthPage();
    q.Key(vk::kDecimal);
    EXPECT_EQ(q.Entry(), ".");
    q.Type("5");
    EXPECT_EQ(q.Entry(), ".5");
    EXPECT_EQ(q.Box(2), "50");
}

TEST(EntryEditing, DigitRuleReplacesZeroAndSignOnly) {
    struct {
        const char* start;
        int digit;
        const char* result;
    } cases[] = {{"0", 7, "7"},      {"0.", 0, "0.0"},   {"-", 5, "5"},
                 {"-0", 5, "5"},     {"12", 3, "123"},   {"-NAN", 5, "5"},
                 {"INF", 5, "INF5"}, {"-0.", 1, "-0.1"}, {"1E+010", 2, "1E+0102"}};
    for (const auto& c : cases) {
        auto p = LengthPage();
        p.page->ShowEntry(c.start);
        p.Key(vk::kNumpad0 + c.digit);
        EXPECT_EQ(p.Entry(), c.result) << c.start;
    }
}

TEST(EntryEditing, BackspaceSignAndDecimalPoint) {
    auto p = LengthPage();
    p.Type("5").Key(vk::kBack);
    EXPECT_EQ(p.Entry(), "0");
    p.Key(vk::kBack);
    EXPECT_EQ(p.Entry(), "0");
    p.Type("5").Key(vk::kOemMinus);
    EXPECT_EQ(p.Entry(), "-5");
    p.Key(vk::kBack);
    EXPECT_EQ(p.Entry(), "-");
    EXPECT_EQ(p.Box(0), "-");
    EXPECT_EQ(p.Box(3), "0");
    p.Key(vk::kOemMinus);
    EXPECT_EQ(p.Entry(), "");
    p.Key(vk::kOemMinus);
    EXPECT_EQ(p.Entry(), "-");

    auto e = LengthPage();
    e.Key(vk::kBack);
    EXPECT_EQ(e.Entry(), "0");
    // Slash and backslash are decimal points too; a second point changes nothing.
    e.Type("1").Key(vk::kOem2).Type("5").Key(vk::kOem5).Type("2");
    EXPECT_EQ(e.Entry(), "1.52");
}

TEST(EntryEditing, SignToggleKeepsAtMost255Characters) {
    auto p = LengthPage();
    p.page->ShowEntry("-" + std::string(300, '7'));
    p.Key(vk::kOemMinus);
    EXPECT_EQ(p.Entry(), std::string(255, '7'));
}

// A full entry: keys that would lengthen it do nothing; the others work as ever.
TEST(EntryEditing, AFullEntryTakesNoLongerText) {
    const std::string full(ConversionPage::kMaxEntryLength, '7');
    const struct {
        int key;
        std::string after;
    } cases[] = {
        {vk::k0 + 5, full},    {vk::kNumpad0 + 5, full},    {vk::kDecimal, full},
        {vk::kOemMinus, full}, {vk::kBack, full.substr(1)}, {vk::kEscape, "0"},
    };
    for (const auto& c : cases) {
        auto p = LengthPage();
        p.page->ShowEntry(full);
        const int writes = p.window.BoxWriteCount();
        p.Key(c.key);
        EXPECT_EQ(p.Entry(), c.after) << c.key;
        EXPECT_EQ(p.Box(0), c.after) << c.key;
        // A key that leaves the entry as it was does nothing at all, as F1 does.
        EXPECT_EQ(p.window.BoxWriteCount() == writes, c.after == full) << c.key;
    }
    auto p = LengthPage();
    p.page->ShowEntry(full);
    p.Key(vk::kAdd).Key(vk::k0 + 4);  // after an operator a new number starts
    EXPECT_EQ(p.Entry(), "4");
    p.page->ShowEntry(full.substr(1));
    p.Key(vk::k0 + 7).Key(vk::k0 + 7);  // the last digit that fits, then none
    EXPECT_EQ(p.Entry(), full);
}

TEST(EntryEditing, OtherKeysClearAndPeriodIsNoDecimalPoint) {
    for (int key :
         {vk::kOemPeriod, vk::kOemComma, vk::kSpace, vk::kDelete, vk::kA, 0x5A, vk::kF1 + 1}) {
        auto p = LengthPage();
        p.Type("12").Key(key);
        EXPECT_EQ(p.Entry(), "0") << key;
        EXPECT_EQ(p.Box(0), "0") << key;
    }
}

TEST(EntryEditing, TwoStageClear) {
    auto p = LengthPage();
    p.Type("12").Key(vk::kAdd);
    EXPECT_EQ(p.page->Operand(), "12");
    p.Key(vk::kEscape);
    EXPECT_EQ(p.Entry(), "0");
    EXPECT_EQ(p.page->Operand(), "12");
    p.Key(vk::kEscape);
    EXPECT_EQ(p.page->Operand(), "");
    EXPECT_EQ(p.page->PendingOp(), 0);
    const int writes = p.window.BoxWriteCount();
    p.Key(vk::kEscape);  // changes nothing but still refreshes
    EXPECT_EQ(p.Entry(), "0");
    EXPECT_GT(p.window.BoxWriteCount(), writes);
}

TEST(Calculator, ChainsLeftToRightOnSixDigitTexts) {
    struct Script {
        std::vector<int> keys;
        const char* entry;
    };
    const int plus = vk::kAdd, minus = vk::kSubtract, times = vk::kMultiply, over = vk::kDivide,
              enter = vk::kReturn;
    const auto d = [](int n) { return vk::kNumpad0 + n; };
    const Script scripts[] = {
        {{d(2), plus, d(3), enter}, "5"},
        {{d(2), plus, d(3), enter, d(1)}, "51"},
        {{d(2), plus, d(3), times}, "5"},
        {{d(2), plus, d(3), times, d(4), enter}, "20"},
        {{d(2), plus, enter}, "2"},
        {{d(1), over, d(3), enter}, "0.333333"},
        {{d(1), over, d(3), enter, times, d(3), enter}, "0.999999"},
        {{d(1), d(0), minus, d(4), enter}, "6"},
        {{d(1), over, d(8), enter}, "0.125"},
        {{d(8), over, d(0), enter}, "INF"},
        {{vk::kOemMinus, d(8), over, d(0), enter}, "INF"},  // "-" then 8 replaces the sign
        {{d(0), over, d(0), enter}, "-NAN"},
        {{d(0), over, d(0), enter, d(5)}, "5"},
        {{d(7), vk::kOemPlus, d(6), enter}, "42"},  // the main keyboard's = key multiplies
        {{d(2), plus, minus, d(5), enter}, "-3"},   // another operator while armed replaces it
        {{d(2), plus, vk::kDecimal, d(5), enter}, "2.5"},
        {{d(9), plus, d(1), enter, d(0)}, "100"},
    };
    for (const Script& s : scripts) {
        auto p = LengthPage();
        for (int k : s.keys) p.Key(k);
        EXPECT_EQ(p.Entry(), s.entry) << "script ending in " << s.entry;
    }
}

TEST(Calculator, MinusOnEachKeyboard) {
    auto p = LengthPage();
    p.Type("9").Key(vk::kOemMinus);  // main keyboard: sign
    EXPECT_EQ(p.Entry(), "-9");
    p.Key(vk::kSubtract).Type("1").Key(vk::kReturn);  // keypad: subtract
    EXPECT_EQ(p.Entry(), "-10");
}

TEST(UpDown, NormaliseAtMostEightTimes) {
    auto p = LengthPage();
    p.page->ShowEntry("1.50");
    p.Key(vk::kUp);
    EXPECT_EQ(p.Entry(), "1.5");
    auto q = LengthPage();
    q.Key(vk::kUp);
    EXPECT_EQ(q.Entry(), "0");
    auto r = LengthPage();
    r.Type("1234567").Key(vk::kUp);
    EXPECT_EQ(r.Entry(), "1.23457E+006");

    auto s = LengthPage();
    s.Key(vk::kDown);  // the counter is 0: nothing at all
    EXPECT_EQ(s.Entry(), "");
    EXPECT_EQ(s.Box(0), "");
    for (int i = 0; i < 8; ++i) s.Key(vk::kUp);
    EXPECT_EQ(s.page->StepCount(), 8);
    s.Type("12");
    s.Key(vk::kUp);  // ninth press: ignored, no refresh
    EXPECT_EQ(s.Entry(), "12");
    s.Key(vk::kDown);
    EXPECT_EQ(s.page->StepCount(), 7);
    s.Key(vk::kUp);
    EXPECT_EQ(s.page->StepCount(), 8);
    EXPECT_EQ(s.window.FocusedId(), BoxId(0));  // Up and Down never move the focus
}

TEST(Navigation, TabEmptiesTheEntryAndMovesOn) {
    auto p = LengthPage();
    p.Type("12").Key(vk::kAdd);
    p.Focus(13);
    p.Key(vk::kTab);
    EXPECT_EQ(p.Entry(), "");
    EXPECT_EQ(p.page->Operand(), "");
    EXPECT_EQ(p.page->PendingOp(), 0);
    EXPECT_EQ(p.window.FocusedId(), ButtonId(0));  // wraps around within the page
    p.Key(vk::kTab, true);
    EXPECT_EQ(p.window.FocusedId(), BoxId(13));
    p.Key(vk::kTab, true);
    EXPECT_EQ(p.window.FocusedId(), BoxId(12));
    // The newly focused box keeps its old text until the next key.
    p.Focus(0).Type("7").Key(vk::kTab);
    EXPECT_EQ(p.Box(1), "7E+010");
    EXPECT_EQ(p.window.FocusedId(), BoxId(1));
    p.Type("3");
    EXPECT_EQ(p.Box(1), "3");
    EXPECT_EQ(p.Box(0), "3E-010");
}

TEST(Navigation, ButtonFocusWritesNothingUntilABoxIsClicked) {
    auto p = LengthPage();
    p.ClickButton(2);
    p.Type("42");
    EXPECT_EQ(p.Entry(), "42");
    for (int r = 0; r < kRowCount; ++r) EXPECT_EQ(p.Box(r), "") << r;
    p.Focus(2).Type("1");
    EXPECT_EQ(p.Box(2), "421");
    EXPECT_EQ(p.Box(0), "4.21");
}

TEST(Navigation, RowsWithoutAUnitWriteNothing) {
    auto time = PageHarness(testing::Table("time"));
    time.Type("1");
    time.Focus(5).Type("2");
    EXPECT_EQ(time.Box(0), "1");
    EXPECT_EQ(time.Box(5), "");
    auto length = LengthPage();
    length.Focus(12).Type("3");
    for (int r = 0; r < kRowCount; ++r) EXPECT_EQ(length.Box(r), "") << r;
}

// Clicks beyond the page's controls change nothing.
TEST(Navigation, ClicksOutsideTheControlsDoNothing) {
    auto p = LengthPage();
    p.Type("7");
    for (const int row : {-1, kRowCount}) {
        p.ClickBox(row);
        p.ClickButton(row);
        p.ClickFlag(row < 0 ? -1 : kLanguageCount);
    }
    EXPECT_EQ(p.window.FocusedId(), BoxId(0));
    EXPECT_EQ(p.page->Language(), kTurkish);
    EXPECT_EQ(p.Entry(), "7");
}

// Tab visits the controls in the order the category gives: the unit buttons first, the
// vacuum page's boxes first. (Seen from outside the page, before any control has the
// focus; within the page both orders make the same circle.)
TEST(Navigation, TabOrderStartsWhereTheCategorySays) {
    const auto any = [](int) { return true; };
    for (int c = 0; c < kCategoryCount; ++c) {
        const CategoryTable& t = Category(c);
        const bool boxesFirst = t.key == "vacuum";
        const TabOrder order(t);
        EXPECT_EQ(order.Next(kNoControl, false, any), boxesFirst ? BoxId(0) : ButtonId(0)) << t.key;
        EXPECT_EQ(order.Next(kNoControl, true, any), boxesFirst ? ButtonId(13) : BoxId(13))
            << t.key;
    }
}

TEST(Navigation, CopyNeedsCtrlAndThereIsNoPaste) {
    auto p = LengthPage();
    p.Type("125");
    p.Key(vk::kShift, true).Key(vk::kLeft, true).Key(vk::kLeft, true);
    p.Key(vk::kC, false, true);
    EXPECT_EQ(p.window.Clipboard(), "25");
    p.Key(vk::kC);  // without Ctrl: consumed, nothing happens
    EXPECT_EQ(p.Entry(), "125");
    p.Key(vk::kV, false, true);
    p.Key(vk::kV);
    p.Key(vk::kF1);
    EXPECT_EQ(p.Entry(), "125");
    EXPECT_EQ(p.Box(0), "125");
}

// What Ctrl+C copies: the selection made with Shift and the caret keys, wherever it
// starts and ends; a box the focus comes back to has its caret at the end again.
TEST(Navigation, CtrlCCopiesTheSelection) {
    const struct {
        std::vector<std::pair<int, bool>> keys;  // key, Shift held
        std::string copied;
    } cases[] = {
        {{{vk::kHome, false}, {vk::kRight, false}, {vk::kRight, true}, {vk::kRight, true}}, "23"},
        {{{vk::kEnd, false}, {vk::kHome, true}}, "12345"},
        {{{vk::kLeft, false}, {vk::kHome, true}, {vk::kRight, true}}, "234"},
    };
    for (const auto& c : cases) {
        auto p = LengthPage();
        p.Type("12345");
        for (const auto& [key, shift] : c.keys) p.Key(key, shift);
        p.Key(vk::kC, false, true);
        EXPECT_EQ(p.window.Clipboard(), c.copied) << c.copied;
    }
    auto p = LengthPage();
    p.Type("12345").Focus(3).Key(vk::kHome).Focus(0).Key(vk::kLeft, true).Key(vk::kC, false, true);
    EXPECT_EQ(p.window.Clipboard(), "5");
}

TEST(Languages, FlagsAndCaptions) {
    auto p = PageHarness(testing::Table("time"));
    // Template captions and the English-look flags until a language is applied.
    EXPECT_EQ(p.window.Caption(0), "second");
    EXPECT_EQ(p.window.Caption(5), " ");
    EXPECT_FALSE(p.window.FlagSelected(0));
    EXPECT_TRUE(p.window.FlagSelected(1));
    p.ClickFlag(kGerman);
    EXPECT_EQ(p.page->Language(), kGerman);
    EXPECT_EQ(p.window.Caption(0), "Sekunde");
    EXPECT_EQ(p.window.Caption(5), "");
    for (int k = 0; k < 4; ++k) EXPECT_EQ(p.window.FlagSelected(k), k == kGerman) << k;
    p.ClickBackground();  // background: re-applies the same language
    EXPECT_EQ(p.page->Language(), kGerman);
    EXPECT_EQ(p.window.Caption(1), "Tag");

    auto length = LengthPage();  // the length page starts in Turkish
    EXPECT_EQ(length.window.Caption(3), "fit");
    EXPECT_EQ(length.window.Caption(12), "");
    EXPECT_TRUE(length.window.FlagSelected(0));
    EXPECT_FALSE(length.window.FlagSelected(3));

    auto other = PageHarness(testing::Table("area"));  // a language outside 0..3 applies nothing
    other.HandLanguage(4);
    EXPECT_EQ(other.window.Caption(0), "meter²");
    EXPECT_TRUE(other.window.FlagSelected(1));
}

// A fresh page, before the tab control hands it a language: the length page shows its
// start language (Turkish) at once, every other page (the vacuum page too) the
// template's captions with the flags in the English look.
TEST(Languages, EveryPageStartsInItsStartLook) {
    for (int c = 0; c < kCategoryCount; ++c) {
        const CategoryTable& t = Category(c);
        const PageHarness p(t);
        const bool turkish = t.key == "length";
        for (int k = 0; k < kLanguageCount; ++k) {
            EXPECT_EQ(p.window.FlagSelected(k), k == (turkish ? kTurkish : kEnglish))
                << t.key << " flag " << k;
        }
        for (int r = 0; r < kRowCount; ++r) {
            EXPECT_EQ(p.window.Caption(r), turkish
                                               ? t.Caption(r, kTurkish)
                                               : t.templateCaptions[static_cast<std::size_t>(r)])
                << t.key << " row " << r;
        }
        EXPECT_EQ(p.window.FocusedId(), BoxId(t.key == "vacuum" ? 2 : 0)) << t.key;
    }
}

TEST(Languages, ChangingLanguageKeepsTheEntryAndBoxes) {
    auto p = LengthPage();
    p.Type("12").Key(vk::kAdd);
    p.ClickFlag(kFrench);
    EXPECT_EQ(p.Entry(), "12");
    EXPECT_EQ(p.page->PendingOp(), -1);
    EXPECT_EQ(p.Box(2), "1200");
    EXPECT_EQ(p.window.Caption(0), "mètre");
}

}  // namespace
}  // namespace tevrimo

namespace tevrimo::testing {
namespace {

// Paste number and the copied rows, as the page itself decides them.
TEST(PasteAndCopy, WhatThePageTakesAndGives) {
    struct Case {
        const char* clipboard;
        DecimalMark mark;
        const char* entered;  // nullptr: nothing entered
    };
    const Case cases[] = {
        {"12.5", DecimalMark::kPoint, "12.5"},     {" 7\t\n", DecimalMark::kPoint, "7"},
        {"-3e2\r\n", DecimalMark::kPoint, "-3e2"}, {"1,5", DecimalMark::kPointOrComma, "1.5"},
        {"1,5", DecimalMark::kPoint, nullptr},     {"5 kg", DecimalMark::kPoint, nullptr},
        {"", DecimalMark::kPoint, nullptr},        {"1\n2", DecimalMark::kPoint, nullptr},
        {"\n", DecimalMark::kPoint, nullptr},
    };
    for (const Case& c : cases) {
        PageHarness p(Table("length"));
        p.Type("9");
        const bool entered = p.Paste(3, c.clipboard, c.mark);
        EXPECT_EQ(entered, c.entered != nullptr) << c.clipboard;
        EXPECT_EQ(p.Entry(), c.entered ? c.entered : "9") << c.clipboard;
        EXPECT_EQ(p.window.FocusedId(), BoxId(c.entered ? 3 : 0)) << c.clipboard;
    }
    // A longer text is not a number, however it ends.
    PageHarness p(Table("length"));
    EXPECT_FALSE(p.Paste(0, std::string(4097, '1'), DecimalMark::kPoint));
    EXPECT_TRUE(p.Paste(0, std::string(4096, '1') + "\n", DecimalMark::kPoint));
    // An armed operation takes the pasted number as its second operand.
    p.Key(vk::kEscape).Type("2").Key(vk::kAdd);
    ASSERT_TRUE(p.Paste(0, "3", DecimalMark::kPoint));
    p.Key(vk::kReturn);
    EXPECT_EQ(p.Entry(), "5");
    EXPECT_EQ(p.page->RowText(0), p.window.Caption(0) + "\t5");
    EXPECT_EQ(p.page->PageRowsText().substr(0, p.page->RowText(0).size() + 1),
              p.page->RowText(0) + "\n");

    // The vacuum page's computed boxes take no paste; rows without a unit copy nothing.
    PageHarness v(Table("vacuum"));
    EXPECT_FALSE(v.page->CanPaste(2));
    EXPECT_FALSE(v.Paste(2, "5", DecimalMark::kPoint));
    PageHarness time(Table("time"));
    EXPECT_EQ(time.page->RowText(13), "");
    const std::string rows = time.page->PageRowsText();
    EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 5);
}

}  // namespace
}  // namespace tevrimo::testing
