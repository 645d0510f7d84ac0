// SPDX-License-Identifier: MIT
// The browser's converter: its keys by the browser's names, and its pictures against a
// page driven through PageSession the way tevrimo-cli replay drives it.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "browser_keys.h"
#include "json_reader.h"
#include "key_characters.h"
#include "keys.h"
#include "page_session.h"
#include "web_front.h"

namespace tevrimo {
namespace {

using testing::Json;
using testing::ParseJson;

TEST(BrowserKeys, ByPlaceForTheDigitRowAndByCharacterForTheRest) {
    struct Case {
        const char* code;  // KeyboardEvent.code: the key's place, named as on a US keyboard
        const char* key;   // KeyboardEvent.key: what it typed in the layout
        int vk;
    };
    const Case cases[] = {
        {"Digit1", "1", '1'},
        {"Digit1", "&", '1'},  // French, without Shift
        {"Digit0", "à", '0'},  // French
        {"Digit6", "&", '6'},  // German Shift+6
        {"Period", ".", vk::kOem2},
        {"Comma", ",", vk::kOem5},
        {"Slash", ".", vk::kOem2},      // Turkish: "." left of Shift
        {"Backslash", ",", vk::kOem5},  // Turkish: ","
        {"Period", ":", 0xBA},          // German Shift+.
        {"Minus", "-", vk::kOemMinus},
        {"Slash", "-", vk::kOemMinus},  // German "-"
        {"Equal", "=", vk::kOemPlus},
        {"KeyA", "a", 'A'},
        {"KeyQ", "A", 'A'},  // French AZERTY, with Shift
        {"KeyI", "ı", kOtherKey},
        {"BracketLeft", "Dead", kOtherKey},
        {"Space", " ", vk::kSpace},
        {"Numpad5", "5", vk::kNumpad0 + 5},
        {"Numpad5", "Clear", kOtherKey},  // Num Lock off
        {"Numpad1", "End", vk::kEnd},
        {"NumpadDecimal", ",", vk::kDecimal},  // German keypad
        {"NumpadDecimal", ".", vk::kDecimal},
        {"NumpadAdd", "+", vk::kAdd},
        {"NumpadSubtract", "-", vk::kSubtract},
        {"NumpadMultiply", "*", vk::kMultiply},
        {"NumpadDivide", "/", vk::kDivide},
        {"NumpadEnter", "Enter", vk::kReturn},
        {"Enter", "Enter", vk::kReturn},
        {"Escape", "Escape", vk::kEscape},
        {"Backspace", "Backspace", vk::kBack},
        {"Tab", "Tab", vk::kTab},
        {"ArrowUp", "ArrowUp", vk::kUp},
        {"ArrowDown", "ArrowDown", vk::kDown},
        {"F1", "F1", vk::kF1},
        {"F24", "F24", vk::kF1 + 23},
        {"F25", "F25", kOtherKey},
        {"ControlLeft", "Control", vk::kControl},
        {"", "Unidentified", 0},  // a phone's keyboard: its text comes as characters
        {"", "", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VirtualKeyOfBrowserKey(c.code, c.key), c.vk) << c.code << " '" << c.key << "'";
    }
}

Json Picture(const std::string& text) {
    const std::optional<Json> json = ParseJson(text);
    EXPECT_TRUE(json.has_value()) << text;
    return json.value_or(Json{});
}

// The browser's converter and a page session given the same events show the same page:
// texts, captions, flags, focus and read-only boxes, picture by picture.
TEST(WebFront, ShowsWhatThePageSessionShows) {
    struct Key {
        const char* code;
        const char* key;
        int vk;
    };
    const Key keys[] = {
        {"Digit1", "1", '1'},
        {"Digit7", "7", '7'},
        {"Digit0", "0", '0'},
        {"Period", ".", vk::kOem2},
        {"Comma", ",", vk::kOem5},
        {"Minus", "-", vk::kOemMinus},
        {"NumpadAdd", "+", vk::kAdd},
        {"NumpadDivide", "/", vk::kDivide},
        {"Enter", "Enter", vk::kReturn},
        {"Escape", "Escape", vk::kEscape},
        {"Backspace", "Backspace", vk::kBack},
        {"ArrowUp", "ArrowUp", vk::kUp},
        {"ArrowDown", "ArrowDown", vk::kDown},
        {"Tab", "Tab", vk::kTab},
        {"KeyE", "e", 'E'},
        {"Numpad3", "3", vk::kNumpad0 + 3},
    };
    for (int tab = 0; tab < kCategoryCount; ++tab) {
        WebFront front(tab, kEnglish, "en-US");
        PageSession session(Category(tab));  // as tevrimo-cli replay starts
        session.HandLanguage(kEnglish);
        std::mt19937 random(static_cast<unsigned>(tab) + 1);
        Json picture = Picture(front.Start());
        for (int step = 0; step < 300; ++step) {
            const int what = static_cast<int>(random() % 20);
            const int row = static_cast<int>(random() % kRowCount);
            if (what < 15) {
                const Key& k = keys[random() % std::size(keys)];
                const bool shift = random() % 8 == 0;
                picture = Picture(front.Key(k.code, k.key, {.shift = shift}));
                session.Press(k.vk, {.shift = shift});
            } else if (what < 17) {
                picture = Picture(front.FocusBox(row));
                session.ClickBox(row);
            } else if (what < 19) {
                picture = Picture(front.ClickButton(row));
                session.ClickButton(row);
            } else {
                const int flag = row % kLanguageCount;
                picture = Picture(front.ClickFlag(flag));
                session.ClickFlag(flag);
            }
            const PageState& expected = session.Page().State();
            ASSERT_EQ(front.State().texts, expected.texts) << "tab " << tab << " step " << step;
            ASSERT_EQ(front.State().captions, expected.captions);
            ASSERT_EQ(front.State().flags, expected.flags);
            ASSERT_EQ(front.State().readOnly, expected.readOnly);
            ASSERT_EQ(front.State().focus, expected.focus);
            const Json& state = picture["state"];
            for (int r = 0; r < kRowCount; ++r) {
                ASSERT_EQ(state["texts"].items[static_cast<std::size_t>(r)].text,
                          expected.texts[static_cast<std::size_t>(r)]);
            }
            ASSERT_EQ(state["focus"]["row"].text, std::to_string(expected.focus.row));
        }
    }
}

TEST(WebFront, TabsCarryTheLanguageAndPastesReadTheBrowsersDecimalMark) {
    WebFront front(0, kGerman, "de-DE");
    front.Start();
    Json picture = Picture(front.ShowTab(5));
    EXPECT_EQ(picture["tab"].text, "5");
    EXPECT_EQ(picture["state"]["shownLanguage"].text, std::to_string(kGerman));
    EXPECT_EQ(picture["changes"]["texts"].text, std::to_string(PageChanges::kAllRows));
    picture = Picture(front.Paste(0, "12,5\n"));
    EXPECT_EQ(picture["pasted"].text, "true");
    EXPECT_EQ(front.State().texts[0], "12.5");
    picture = Picture(front.ShowUnit(0, 3));  // back to a page kept as it was left
    EXPECT_EQ(picture["state"]["focus"]["row"].text, "3");

    WebFront english(0, kEnglish, "en-GB");
    english.Start();
    EXPECT_EQ(Picture(english.Paste(0, "12,5"))["pasted"].text, "false");
    EXPECT_EQ(Picture(english.Key("", "Unidentified", {}))["consumed"].text, "false");
    EXPECT_EQ(Picture(english.Key("Digit5", "5", {.alt = true}))["consumed"].text, "false");
    english.Type("2.5");  // a phone's keyboard
    EXPECT_EQ(english.State().texts[0], "2.5");
    EXPECT_EQ(english.CopyRow(0), "meter\t2.5");
}

}  // namespace
}  // namespace tevrimo
