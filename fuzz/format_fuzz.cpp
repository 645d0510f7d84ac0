// SPDX-License-Identifier: MIT
// Any 64-bit pattern as a double: the text has the "%.6G" shape, matches the exact
// reference and reads back to the value rounded to six digits.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "number_text.h"
#include "reference_format.h"

namespace {

bool HasShape(const std::string& t) {
    if (t == "INF" || t == "-INF" || t == "NAN" || t == "-NAN" || t == "0") return true;
    std::size_t i = t[0] == '-' ? 1 : 0;
    std::size_t digits = 0;
    bool point = false;
    for (; i < t.size() && t[i] != 'E'; ++i) {
        if (t[i] == '.') {
            if (point) return false;
            point = true;
        } else if (t[i] >= '0' && t[i] <= '9') {
            ++digits;
        } else {
            return false;
        }
    }
    if (point && t[i - 1] == '0') return false;  // trailing zeros are removed
    if (i == t.size()) return digits >= 1;
    const std::string e = t.substr(i);
    return e.size() == 5 && (e[1] == '+' || e[1] == '-') && std::isdigit(e[2]) &&
           std::isdigit(e[3]) && std::isdigit(e[4]) && digits <= 6;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) return 0;
    double v;
    std::memcpy(&v, data, sizeof v);
    const std::string text = tevrimo::FormatNumber(v);
    if (!HasShape(text)) std::abort();
    if (text != tevrimo::testing::ReferenceFormat(v)) std::abort();
    if (std::isfinite(v) && tevrimo::FormatNumber(tevrimo::ParseNumber(text)) != text) std::abort();
    return 0;
}
