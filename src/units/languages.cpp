// SPDX-License-Identifier: MIT
#include "languages.h"

#include <cstdlib>

#include "user_text.h"

namespace tevrimo {

namespace {

// How people in each language write a number they read: only English keeps to the point.
constexpr PerLanguage<DecimalMark> kDecimalMarks{DecimalMark::kPointOrComma, DecimalMark::kPoint,
                                                 DecimalMark::kPointOrComma,
                                                 DecimalMark::kPointOrComma};

}  // namespace

std::optional<int> LanguageOfCode(std::string_view code) {
    for (int l = 0; l < kLanguageCount; ++l) {
        if (code == kLanguageCodes[l]) return l;
    }
    return std::nullopt;
}

int LanguageOfLocale(std::string_view locale) {
    const std::size_t end = locale.find_first_of("_.@-");
    const std::string_view code = locale.substr(0, end);
    if (code.size() != 2) return kEnglish;
    return LanguageOfCode(AsciiLowered(code)).value_or(kEnglish);
}

int LanguageFromEnvironment() {
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (!value || !*value) continue;
        std::string_view list = value;
        // LANGUAGE is a list of names, ":" between them: the first one counts.
        while (!list.empty() && list.front() == ':') list.remove_prefix(1);
        if (list.empty()) continue;
        return LanguageOfLocale(list.substr(0, list.find(':')));
    }
    return kEnglish;
}

DecimalMark DecimalMarkOf(int language) {
    return kDecimalMarks[LanguageOrEnglish(language)];
}

}  // namespace tevrimo
