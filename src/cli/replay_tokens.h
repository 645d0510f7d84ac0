// SPDX-License-Identifier: MIT
// The key script of `tevrimo-cli replay`: tokens naming key-downs and mouse clicks.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "page_session.h"

namespace tevrimo {

// Parses one token ("5", "num5", "shift+tab", "ctrl+c", "vk:0x41", "focus:3", ...).
std::optional<PageAction> ParseReplayToken(std::string_view token);

// Every token the parser takes, as the help and the manual list them.
std::string ReplayTokenHelp();

// "tr", "en", "de", "fr" or a number; nullopt for anything else.
std::optional<int> ParseLanguage(std::string_view text, bool anyNumber);

}  // namespace tevrimo
