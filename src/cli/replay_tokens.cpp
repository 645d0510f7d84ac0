// SPDX-License-Identifier: MIT
#include "replay_tokens.h"

#include <string>

#include "categories.h"
#include "int_text.h"
#include "keys.h"
#include "user_text.h"

namespace tevrimo {

namespace {

struct NamedKey {
    std::string_view name;
    int code;
};

constexpr NamedKey kNamedKeys[] = {
    {"add", vk::kAdd},      {"sub", vk::kSubtract},     {"mul", vk::kMultiply},
    {"div", vk::kDivide},   {"decimal", vk::kDecimal},  {"minus", vk::kOemMinus},
    {"plus", vk::kOemPlus}, {"period", vk::kOemPeriod}, {"comma", vk::kOemComma},
    {"slash", vk::kOem2},   {"backslash", vk::kOem5},   {"enter", vk::kReturn},
    {"esc", vk::kEscape},   {"back", vk::kBack},        {"up", vk::kUp},
    {"down", vk::kDown},    {"left", vk::kLeft},        {"right", vk::kRight},
    {"home", vk::kHome},    {"end", vk::kEnd},          {"tab", vk::kTab},
    {"space", vk::kSpace},  {"del", vk::kDelete},       {"ins", vk::kInsert},
    {"pgup", vk::kPrior},   {"pgdn", vk::kNext},        {"shift", vk::kShift},
    {"ctrl", vk::kControl},
};

// The key a lower-case name stands for.
std::optional<int> KeyCode(std::string_view name) {
    if (name.size() == 1) {
        const char c = name[0];
        if (c >= '0' && c <= '9') return vk::k0 + (c - '0');
        if (c >= 'a' && c <= 'z') return vk::kA + (c - 'a');
    }
    if (name.size() == 4 && name.substr(0, 3) == "num" && name[3] >= '0' && name[3] <= '9') {
        return vk::kNumpad0 + (name[3] - '0');
    }
    if (name.size() >= 2 && name[0] == 'f') {
        if (const auto n = ParseInt(name.substr(1)); n && *n >= 1 && *n <= 24) {
            return vk::kF1 + *n - 1;
        }
    }
    if (name.substr(0, 3) == "vk:") {
        std::string_view code = name.substr(3);
        int base = 10;
        if (code.substr(0, 2) == "0x" || code.substr(0, 2) == "0X") {
            code.remove_prefix(2);
            base = 16;
        }
        if (const auto n = ParseInt(code, base); n && *n > 0 && *n < 256) return *n;
        return std::nullopt;
    }
    for (const NamedKey& k : kNamedKeys) {
        if (k.name == name) return k.code;
    }
    return std::nullopt;
}

std::optional<int> RowArgument(std::string_view token, std::string_view prefix, int limit) {
    if (token.substr(0, prefix.size()) != prefix) return std::nullopt;
    const auto n = ParseInt(token.substr(prefix.size()));
    if (!n || *n < 0 || *n >= limit) return std::nullopt;
    return n;
}

}  // namespace

std::string ReplayTokenHelp() {
    std::string keys;
    for (const NamedKey& k : kNamedKeys) keys.append(k.name).append(" ");
    return "keys 0-9 a-z num0-num9 f1-f24 " + keys +
           "vk:N (a key code, decimal or 0xNN), each with any of the prefixes shift+ ctrl+ "
           "alt+ (alt+ keys go to the window, not the page); clicks focus:R (a value box), "
           "button:R (a unit button), flag:K (0-3), background; lang:L (the tab hands the "
           "page language L: tr, en, de, fr or a number). Case does not matter.";
}

std::span<const std::string_view> ReplayTokenSuggestions() {
    static constexpr std::string_view kSuggestions[] = {
        "0",       "1",         "2",       "3",        "4",         "5",      "6",         "7",
        "8",       "9",         "num0",    "num5",     "add",       "sub",    "mul",       "div",
        "decimal", "minus",     "plus",    "period",   "comma",     "slash",  "backslash", "enter",
        "esc",     "back",      "up",      "down",     "left",      "right",  "home",      "end",
        "tab",     "shift+tab", "space",   "del",      "ins",       "pgup",   "pgdn",      "ctrl+c",
        "ctrl+v",  "f1",        "focus:0", "button:0", "flag:0",    "flag:1", "flag:2",    "flag:3",
        "lang:tr", "lang:en",   "lang:de", "lang:fr",  "background"};
    return kSuggestions;
}

std::optional<int> ParseLanguage(std::string_view text, bool anyNumber) {
    for (int i = 0; i < kLanguageCount; ++i) {
        if (text == kLanguageCodes[i]) return i;
    }
    const auto n = ParseInt(text);
    if (n && (anyNumber || IsLanguage(*n))) return n;
    return std::nullopt;
}

std::optional<PageAction> ParseReplayToken(std::string_view original) {
    using Kind = PageAction::Kind;
    // Key names are case-insensitive ("Enter", "SHIFT+TAB", "A").
    const std::string lowered = AsciiLowered(original);
    const std::string_view token = lowered;
    if (token.find(':') != std::string_view::npos && token.substr(0, 3) != "vk:") {
        if (const auto r = RowArgument(token, "focus:", kRowCount))
            return PageAction{Kind::kClickBox, *r};
        if (const auto r = RowArgument(token, "button:", kRowCount))
            return PageAction{Kind::kClickButton, *r};
        if (const auto r = RowArgument(token, "flag:", kLanguageCount))
            return PageAction{Kind::kClickFlag, *r};
        if (token.substr(0, 5) == "lang:") {
            if (const auto l = ParseLanguage(token.substr(5), true))
                return PageAction{Kind::kLanguage, *l};
        }
        return std::nullopt;
    }
    if (token == "background") return PageAction{Kind::kClickBackground, 0};
    PageAction action;
    std::string_view rest = token;
    for (;;) {
        if (rest.substr(0, 6) == "shift+" && rest.size() > 6) {
            action.modifiers.shift = true;
            rest.remove_prefix(6);
        } else if (rest.substr(0, 5) == "ctrl+" && rest.size() > 5) {
            action.modifiers.ctrl = true;
            rest.remove_prefix(5);
        } else if (rest.substr(0, 4) == "alt+" && rest.size() > 4) {
            action.modifiers.alt = true;
            rest.remove_prefix(4);
        } else {
            break;
        }
    }
    const auto code = KeyCode(rest);
    if (!code) return std::nullopt;
    action.value = *code;
    return action;
}

}  // namespace tevrimo
