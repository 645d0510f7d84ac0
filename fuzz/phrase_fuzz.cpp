// SPDX-License-Identifier: MIT
// Any bytes as a phrase, in every language and with either decimal mark: the reader
// never fails, and what it reads is a finite number and rows that hold units.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "categories.h"
#include "phrase.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tevrimo;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (int language = 0; language < kLanguageCount; ++language) {
        for (DecimalMark mark : {DecimalMark::kPoint, DecimalMark::kPointOrComma}) {
            const std::optional<Phrase> phrase = ReadPhrase(text, language, mark);
            if (!phrase) continue;
            double value = 0;
            if (!ParseWholeNumber(phrase->value, value) || !std::isfinite(value)) std::abort();
            if (phrase->readings.empty()) std::abort();
            for (const PhraseReading& r : phrase->readings) {
                if (r.tab < 0 || r.tab >= kCategoryCount) std::abort();
                const CategoryTable& table = Category(r.tab);
                if (!table.IsUnitRow(r.source)) std::abort();
                if (r.target != -1 && !table.IsUnitRow(r.target)) std::abort();
            }
        }
    }
    return 0;
}
