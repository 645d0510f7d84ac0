// SPDX-License-Identifier: MIT
// The session's language: which of the four a locale name stands for, and how people
// in that language write a number.
#pragma once

#include <string_view>

#include "number_text.h"

namespace tevrimo {

// The language of a locale name ("de_DE.UTF-8", "fr", "tr_TR@euro"): Turkish, German or
// French by its language code, English for anything else.
int LanguageOfLocale(std::string_view locale);

// The user's language: the locale name of the first of LANGUAGE (its first entry),
// LC_ALL, LC_MESSAGES and LANG that is set and not empty, as LanguageOfLocale reads it.
int LanguageFromEnvironment();

// Turkish, German and French write a decimal comma ("1,5"); English a point.
DecimalMark DecimalMarkOf(int language);

}  // namespace tevrimo
