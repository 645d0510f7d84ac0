// SPDX-License-Identifier: MIT
#include "browser_keys.h"

#include <string_view>

#include "key_characters.h"
#include "keys.h"
#include "user_text.h"

namespace tevrimo {

namespace {

struct NamedKey {
    std::string_view name;
    int code;
};

// Keys that type no character, by KeyboardEvent.key.
constexpr NamedKey kNamedKeys[] = {
    {"Escape", vk::kEscape},   {"Backspace", vk::kBack},   {"Enter", vk::kReturn},
    {"Tab", vk::kTab},         {"ArrowUp", vk::kUp},       {"ArrowDown", vk::kDown},
    {"ArrowLeft", vk::kLeft},  {"ArrowRight", vk::kRight}, {"Home", vk::kHome},
    {"End", vk::kEnd},         {"PageUp", vk::kPrior},     {"PageDown", vk::kNext},
    {"Insert", vk::kInsert},   {"Delete", vk::kDelete},    {"Shift", vk::kShift},
    {"Control", vk::kControl}, {"Alt", vk::kMenu},         {"Pause", 0x13},
    {"CapsLock", 0x14},        {"PrintScreen", 0x2C},      {"Meta", 0x5B},
    {"ContextMenu", 0x5D},     {"NumLock", 0x90},          {"ScrollLock", 0x91},
};

// The place of a digit-row key ("Digit1" 1 .. "Digit9" 9, "Digit0" 10), else 0.
int DigitRowPlace(std::string_view code) {
    if (code.size() != 6 || !code.starts_with("Digit")) return 0;
    const char d = code[5];
    if (d < '0' || d > '9') return 0;
    return d == '0' ? 10 : d - '0';
}

// F1..F24, else 0.
int FunctionKey(std::string_view key) {
    if (key.size() < 2 || key.size() > 3 || key[0] != 'F') return 0;
    int n = 0;
    for (const char c : key.substr(1)) {
        if (c < '0' || c > '9') return 0;
        n = n * 10 + (c - '0');
    }
    return n >= 1 && n <= 24 ? vk::kF1 + n - 1 : 0;
}

}  // namespace

int VirtualKeyOfBrowserKey(std::string_view code, std::string_view key) {
    if (key.empty() || key == "Unidentified") return 0;
    char32_t c = 0;
    const bool character = Utf8Sequence(key, c) == key.size();
    if (code.starts_with("Numpad")) {
        if (code == "NumpadEnter") return vk::kReturn;
        if (character) {
            if (const int keypad = KeypadKeyOfCharacter(c)) return keypad;
        }
    }
    if (const int place = DigitRowPlace(code)) return DigitRowKey(place);
    if (character) return MainKeyOfCharacter(c);
    if (const int f = FunctionKey(key)) return f;
    for (const NamedKey& k : kNamedKeys) {
        if (k.name == key) return k.code;
    }
    return kOtherKey;  // a dead key, a key of another script's input, and the like
}

}  // namespace tevrimo
