// SPDX-License-Identifier: MIT
// The key script of `tevrimo-cli replay`: tokens naming key-downs and mouse clicks.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "category_table.h"
#include "page_session.h"

namespace tevrimo {

// Parses one token ("5", "num5", "shift+tab", "ctrl+c", "vk:0x41", "focus:3", ...).
[[nodiscard]] std::optional<PageAction> ParseReplayToken(std::string_view token);

// Every token the parser takes, as the help and the manual list them.
std::string ReplayTokenHelp();

// The tokens a completion offers: the digits and named keys, with a few of the rest.
std::span<const std::string_view> ReplayTokenSuggestions();

// A language code or its id; with `anyNumber`, any number. Nothing for anything else.
[[nodiscard]] std::optional<int> ParseLanguage(std::string_view text, bool anyNumber);

}  // namespace tevrimo
