// SPDX-License-Identifier: MIT
#include "user_text.h"

#include <gtest/gtest.h>

namespace tevrimo {
namespace {

TEST(UserText, QuotedEscapesWhatWouldChangeTheMessage) {
    const struct {
        std::string_view text, quoted;
    } cases[] = {
        {"ft", "'ft'"},
        {"a\tb\nc\rd\\e", "'a\\tb\\nc\\rd\\\\e'"},
        {"\x1B[31m\x7F", "'\\x1B[31m\\x7F'"},
        {"\xC2\x9B"
         "1m",
         "'\\u009B1m'"},  // C1 control
        {"abc\xE2\x80\xAE"
         "fdp.exe",
         "'abc\\u202Efdp.exe'"},  // right-to-left override
        {"\xE2\x81\xA6x\xE2\x81\xA9\xD8\x9C", "'\\u2066x\\u2069\\u061C'"},  // isolates, ALM
        {"\xE2\x80\x8E\xE2\x80\x8F\xE2\x80\xA8", "'\\u200E\\u200F\\u2028'"},
        {"Ağırlık µm ³ €", "'Ağırlık µm ³ €'"},  // text stays text
        {"\xFF\xC3(\xE0\x80\x80\xED\xA0\x80", "'\\xFF\\xC3(\\xE0\\x80\\x80\\xED\\xA0\\x80'"},
        {"\xF4\x90\x80\x80", "'\\xF4\\x90\\x80\\x80'"},  // beyond U+10FFFF
        {"\xF0\x9F\x98\x80", "'\xF0\x9F\x98\x80'"},      // four bytes, well-formed
    };
    for (const auto& c : cases) EXPECT_EQ(Quoted(c.text), c.quoted) << c.quoted;
}

}  // namespace
}  // namespace tevrimo
