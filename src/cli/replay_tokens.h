// The key script of `tevrimo-cli replay`: tokens naming key-downs and mouse clicks.
#pragma once

#include <optional>
#include <string_view>

namespace tevrimo {

struct ReplayAction {
    enum class Kind { kKey, kFocusBox, kClickButton, kClickFlag, kClickBackground, kLanguage };
    Kind kind = Kind::kKey;
    int value = 0;  // virtual-key code, row, flag or language
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// Parses one token ("5", "num5", "shift+tab", "ctrl+c", "vk:0x41", "focus:3", ...).
std::optional<ReplayAction> ParseReplayToken(std::string_view token);

// "tr", "en", "de", "fr" or a number; nullopt for anything else.
std::optional<int> ParseLanguage(std::string_view text, bool anyNumber);

}  // namespace tevrimo
