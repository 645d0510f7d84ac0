// SPDX-License-Identifier: MIT
#include "languages.h"

#include <cstdlib>

#include "category_table.h"
#include "user_text.h"

namespace tevrimo {

int LanguageOfLocale(std::string_view locale) {
    const std::size_t end = locale.find_first_of("_.@-");
    const std::string_view code = locale.substr(0, end);
    if (code.size() != 2) return kEnglish;
    const char a = AsciiLower(code[0]), b = AsciiLower(code[1]);
    if (a == 't' && b == 'r') return kTurkish;
    if (a == 'd' && b == 'e') return kGerman;
    if (a == 'f' && b == 'r') return kFrench;
    return kEnglish;
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
    return language == kTurkish || language == kGerman || language == kFrench
               ? DecimalMark::kPointOrComma
               : DecimalMark::kPoint;
}

}  // namespace tevrimo
