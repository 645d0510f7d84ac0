// SPDX-License-Identifier: MIT
// Any bytes as an entry text: the reader must agree with strtod in the "C" locale.
#include <locale.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double actual = tevrimo::ParseNumber(text);

    const std::string terminated(text);
    char* end = nullptr;
    double expected = strtod_l(terminated.c_str(), &end, c);
    if (end == terminated.c_str()) {
        // No number: zero, with the sign when the text has one.
        std::size_t i = 0;
        while (i < terminated.size() && std::strchr(" \t\n\v\f\r", terminated[i]) && terminated[i])
            ++i;
        expected = i < terminated.size() && terminated[i] == '-' ? -0.0 : 0.0;
    }
    if (std::isnan(expected)) {
        if (!std::isnan(actual) || std::signbit(actual) != std::signbit(expected)) std::abort();
    } else if (std::memcmp(&actual, &expected, sizeof actual) != 0) {
        std::abort();
    }
    return 0;
}
