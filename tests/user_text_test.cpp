// SPDX-License-Identifier: MIT
#include "user_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "int_text.h"
#include "json_writer.h"
#include "languages.h"

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
        {"\xC2\xA0\xDF\xBF\xE0\xA0\x80\xF4\x8F\xBF\xBF",
         "'\xC2\xA0\xDF\xBF\xE0\xA0\x80\xF4\x8F\xBF\xBF'"},  // edges of two to four bytes
    };
    for (const auto& c : cases) EXPECT_EQ(Quoted(c.text), c.quoted) << c.quoted;
}

// The loose reading, for names that are only compared: a well-formed sequence is its code
// point, a stray or cut-off byte stands for itself, and the bytes after a lead byte are
// taken as they come.
TEST(UserText, LooseDecodingNeverFails) {
    const struct {
        std::string_view text;
        std::vector<char32_t> points;
    } cases[] = {
        {"aZ", {'a', 'Z'}},
        {"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", {0xE9, 0x20AC, 0x1F600}},
        {"\x80\xFF\xF8x", {0x80, 0xFF, 0xF8, 'x'}},
        {"x\xE2\x82", {'x', 0xE2, 0x82}},  // cut off by the end
        {"\xF0\x9F\x98", {0xF0, 0x9F, 0x98}},
        {"\xF4\x8F\xBF\xBF", {0x10FFFF}},
        {"\xC3"
         "A",
         {0xC1}},  // not checked: the A is taken as a continuation
    };
    for (const auto& c : cases) {
        std::vector<char32_t> points;
        for (std::size_t i = 0; i < c.text.size();) points.push_back(Utf8NextLoose(c.text, i));
        EXPECT_EQ(points, c.points) << Quoted(c.text);
    }
}

TEST(UserText, AsciiCaseOnly) {
    EXPECT_EQ(AsciiLowered("ShIFT+Tab \xC3\x84\xC4\xB0Z"), "shift+tab \xC3\x84\xC4\xB0z");
    EXPECT_TRUE(SameIgnoringAsciiCase("Settings", "sETTINGS"));
    EXPECT_FALSE(SameIgnoringAsciiCase("\xC4\xB0", "i"));  // Turkish capital I is not ASCII
    EXPECT_FALSE(SameIgnoringAsciiCase("key", "keys"));
    EXPECT_FALSE(SameIgnoringAsciiCase("Section", "SECTIOM"));  // the last letter counts too
    EXPECT_EQ(AsciiLower(U'Q'), U'q');
    EXPECT_EQ(AsciiLower(char32_t{0xC4}), char32_t{0xC4});
}

TEST(IntText, EachWayOfWritingANumber) {
    constexpr std::optional<int> no;
    const struct {
        std::string_view text;
        std::optional<int> decimal, hex, upTo12;
        int clamped;
    } cases[] = {
        {"0", 0, 0, 0, 0},
        {"5", 5, 5, 5, 5},
        {"05", 5, 5, 5, 5},
        {"12", 12, 18, 12, 12},
        {"13", 13, 19, no, 13},
        {"005", 5, 5, no, 5},
        {"-1", -1, -1, no, -1},
        {"+1", no, no, no, 1},
        {" 1", no, no, no, 0},
        {"1 ", no, no, no, 1},
        {"", no, no, no, 0},
        {"-", no, no, no, 0},
        {"1a", no, 0x1a, no, 1},
        {"0x41", no, no, no, 0},
        {"ff", no, 255, no, 0},
        {"2147483647", INT_MAX, no, no, INT_MAX},
        {"2147483648", no, no, no, INT_MAX},
        {"-2147483648", INT_MIN, no, no, INT_MIN},
        {"-99999999999", no, no, no, INT_MIN},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseInt(c.text), c.decimal) << Quoted(c.text);
        EXPECT_EQ(ParseInt(c.text, 16), c.hex) << Quoted(c.text);
        EXPECT_EQ(ParseSmallInt(c.text, 12), c.upTo12) << Quoted(c.text);
        EXPECT_EQ(ParseClampedInt(c.text), c.clamped) << Quoted(c.text);
    }
    EXPECT_EQ(ParseSmallInt("13", 13), 13);
    EXPECT_EQ(ParseSmallInt("00", 0), std::nullopt);
    EXPECT_EQ(ParseSmallInt("2147483647", INT_MAX), INT_MAX);
    EXPECT_EQ(ParseSmallInt("9999999999", INT_MAX), std::nullopt);
}

// A table with an entry per language takes exactly one entry per language.
static_assert(
    std::is_constructible_v<LanguageTexts, const char*, const char*, const char*, const char*>);
static_assert(!std::is_constructible_v<LanguageTexts, const char*, const char*, const char*>);
static_assert(!std::is_constructible_v<LanguageTexts, const char*, const char*, const char*,
                                       const char*, const char*>);
static_assert(kLanguageCodes.size() == kLanguageCount);

TEST(LanguageTable, EachLanguageByItsCodeNameAndLocale) {
    std::set<std::string_view> codes, names;
    for (int l = 0; l < kLanguageCount; ++l) {
        EXPECT_EQ(LanguageOfCode(kLanguageCodes[l]), l);
        std::string locale(kLanguageCodes[l]);
        for (char& c : locale) c = static_cast<char>(c - 'a' + 'A');
        EXPECT_EQ(LanguageOfLocale(locale + "_XX.UTF-8"), l);
        EXPECT_EQ(LanguageOrEnglish(l), l);
        codes.insert(kLanguageCodes[l]);
        names.insert(kNativeNames[l]);
    }
    EXPECT_EQ(codes.size(), std::size_t{kLanguageCount});
    EXPECT_EQ(names.size(), std::size_t{kLanguageCount});
    EXPECT_EQ(LanguageOfCode("TR"), std::nullopt);  // codes on the command line: lower case
    for (int l : {-1, kLanguageCount, INT_MIN}) EXPECT_EQ(LanguageOrEnglish(l), kEnglish);
    for (std::string_view locale : {"", "C", "POSIX", "t", "tur", "es_ES", "_tr"}) {
        EXPECT_EQ(LanguageOfLocale(locale), kEnglish) << locale;
    }
}

TEST(JsonWriter, CommasNestingEscapesAndNumbers) {
    std::string text;
    StringSink sink(text);
    JsonWriter json(sink);
    json.BeginObject().Key("a").BeginArray().EndArray().Key("b").BeginArray();
    json.Int(-3).Number(0.1).Number(std::numeric_limits<double>::infinity()).Null();
    json.BeginObject().EndObject().String("q\"\\\n\x1F\xFF\xC3\xA9").EndArray();
    json.Key("\t").Number(1e300).EndObject();
    EXPECT_EQ(text,
              "{\"a\":[],\"b\":[-3,0.1,null,null,{},\"q\\\"\\\\\\u000a\\u001f\\ufffd\xC3\xA9\"],"
              "\"\\u0009\":1e+300}");
}

}  // namespace
}  // namespace tevrimo
