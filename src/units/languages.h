// SPDX-License-Identifier: MIT
// The languages of the program, in one place: their ids, codes, native names and
// flags, which of them a locale name stands for, and how people in each write a number.
//
// Every table with an entry per language is a PerLanguage: a list one entry short or
// one too long does not compile, so a new language is missed nowhere.
#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

#include "number_text.h"

namespace tevrimo {

// The languages in the order of their ids, which is also the order of the flags on a
// page, top to bottom.
enum LanguageId : int { kTurkish = 0, kEnglish = 1, kGerman = 2, kFrench = 3 };
inline constexpr int kLanguageCount = 4;

inline constexpr bool IsLanguage(int language) {
    return language >= 0 && language < kLanguageCount;
}

// `language` when it is one, else English: what every text table shows for a language
// it does not know.
inline constexpr int LanguageOrEnglish(int language) {
    return IsLanguage(language) ? language : kEnglish;
}

// One entry for each language, indexed by LanguageId. Built from exactly kLanguageCount
// items; the empty table holds empty (value-initialised) entries.
template <typename T>
struct PerLanguage : std::array<T, kLanguageCount> {
    constexpr PerLanguage() : std::array<T, kLanguageCount>{} {}
    template <typename... U>
    requires(sizeof...(U) == kLanguageCount &&
             (std::convertible_to<U, T> &&
              ...)) constexpr PerLanguage(U&&... items)  // NOLINT(google-explicit-constructor)
        : std::array<T, kLanguageCount>{{T(std::forward<U>(items))...}} {}

    using std::array<T, kLanguageCount>::operator[];
    constexpr const T& operator[](int language) const {
        return std::array<T, kLanguageCount>::operator[](static_cast<std::size_t>(language));
    }
    constexpr T& operator[](int language) {
        return std::array<T, kLanguageCount>::operator[](static_cast<std::size_t>(language));
    }
};

// One text in each language.
using LanguageTexts = PerLanguage<std::string_view>;

// The codes of `--lang`, `lang:` and locale names ("de" of "de_DE.UTF-8").
inline constexpr PerLanguage<std::string_view> kLanguageCodes{"tr", "en", "de", "fr"};

// Each language's name in itself: the flags' accessible names.
inline constexpr LanguageTexts kNativeNames{"Türkçe", "English", "Deutsch", "Français"};

// The country of each flag picture (":/flag_gb.png" and ":/flag_gb_off.png").
inline constexpr PerLanguage<std::string_view> kFlagPictures{"tr", "gb", "de", "fr"};

// The language of a code in `kLanguageCodes`, in its own case; nothing for any other text.
[[nodiscard]] std::optional<int> LanguageOfCode(std::string_view code);

// The language of a locale name ("de_DE.UTF-8", "fr", "tr_TR@euro"): by its language
// code in either case, English for anything else.
int LanguageOfLocale(std::string_view locale);

// The user's language: the locale name of the first of LANGUAGE (its first entry),
// LC_ALL, LC_MESSAGES and LANG that is set and not empty, as LanguageOfLocale reads it.
int LanguageFromEnvironment();

// Turkish, German and French write a decimal comma ("1,5"); English a point.
DecimalMark DecimalMarkOf(int language);

}  // namespace tevrimo
