// SPDX-License-Identifier: MIT
#include "number_text.h"
#include "reference_format.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include <gtest/gtest.h>

namespace tevrimo {
namespace {

using testing::ReferenceFormat;

TEST(FormatNumber, DocumentedExamples) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {123456, "123456"},
        {1234567, "1.23457E+006"},
        {0.0001, "0.0001"},
        {1.0 / 8192, "0.00012207"},
        {999999.5, "1E+006"},
        {12345.678, "12345.7"},
        {1e10, "1E+010"},
        {2.38846e-8, "2.38846E-008"},
        {1e-5, "1E-005"},
        {1.0 / 1024, "0.000976563"},  // exact tie rounds up, not to even
        {0.0009765625 * 4, "0.00390625"},
        {-1.0 / 1024, "-0.000976563"},
        {0.5, "0.5"},
        {100000, "100000"},
        {999999, "999999"},
        {999999.4, "999999"},
        {1e6, "1E+006"},
        {1e-300, "1E-300"},
        {1.7976931348623157e308, "1.79769E+308"},
        {4.9406564584124654e-324, "4.94066E-324"},
        {12.5, "12.5"},
        {1.25e-7, "1.25E-007"},
        {-273.15, "-273.15"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.value), c.text) << c.value;
}

TEST(FormatNumber, SpecialValuesBySignBit) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(FormatNumber(0.0), "0");
    EXPECT_EQ(FormatNumber(-0.0), "0");
    EXPECT_EQ(FormatNumber(inf), "INF");
    EXPECT_EQ(FormatNumber(-inf), "-INF");
    EXPECT_EQ(FormatNumber(std::copysign(nan, 1.0)), "NAN");
    EXPECT_EQ(FormatNumber(std::copysign(nan, -1.0)), "-NAN");
}

TEST(FormatNumber, ExactTiesRoundAwayFromZero) {
    // Values that are exactly halfway at the sixth digit, in every form.
    const struct {
        double value;
        const char* text;
    } ties[] = {
        {1234565, "1.23457E+006"},
        {1234575, "1.23458E+006"},
        {2.5, "2.5"},
        {100000.5, "100001"},
        {100002.5, "100003"},
        {999999.5, "1E+006"},
        {-100000.5, "-100001"},
        {0.0009765625, "0.000976563"},
        {9.5367431640625e-07, "9.53674E-007"},  // 2^-20, 7th digit 3: no tie
        {1.52587890625e-05, "1.52588E-005"},    // 2^-16
        {3.0517578125e-05, "3.05176E-005"},     // 2^-15 = 3.0517578125: rounds up anyway
    };
    for (const auto& t : ties) EXPECT_EQ(FormatNumber(t.value), t.text) << t.value;
}

TEST(FormatNumber, AgreesWithExactReferenceOnGeneratedValues) {
    std::mt19937_64 rng(12345);
    std::uniform_int_distribution<int> digits(100000, 999999);
    std::uniform_int_distribution<int> exponents(-12, 12);
    int checked = 0;
    for (int i = 0; i < 20000; ++i) {
        double v;
        switch (i % 4) {
            case 0: {  // near-ties: d.ddddd5 x 10^e, as close as a double gets
                const std::string text =
                    std::to_string(digits(rng)) + "5e" + std::to_string(exponents(rng));
                v = std::strtod(text.c_str(), nullptr);
                break;
            }
            case 1: {  // binary fractions, many of which are exact ties
                v = std::ldexp(static_cast<double>(digits(rng)), -exponents(rng) - 12);
                break;
            }
            case 2: {  // any bit pattern
                std::uint64_t bits = rng();
                std::memcpy(&v, &bits, sizeof v);
                break;
            }
            default: {  // boundaries of the plain and exponent forms
                static const double edges[] = {1e-5, 9.999995e-5, 1e-4, 999999.5, 999999.49, 1e6};
                v = std::nextafter(edges[i / 4 % 6], (i & 8) ? 0.0 : 1e300);
                break;
            }
        }
        ASSERT_EQ(FormatNumber(v), ReferenceFormat(v)) << std::hexfloat << v;
        ++checked;
    }
    EXPECT_EQ(checked, 20000);
}

TEST(FormatNumber, SubnormalsAndTinyValues) {
    for (double v = std::numeric_limits<double>::denorm_min(); v < 1e-290; v *= 3.7) {
        ASSERT_EQ(FormatNumber(v), ReferenceFormat(v)) << v;
    }
}

TEST(ParseNumber, StrtodSemantics) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"5", 5},
        {"12.", 12},
        {".5", 0.5},
        {"  7", 7},
        {"\t7", 7},  // each white-space character C's isspace knows
        {"\n7", 7},
        {"\v7", 7},
        {"\f7", 7},
        {"\r-7", -7},
        {"\t1e2", 100},
        {"+3", 3},
        {"-2.5", -2.5},
        {"1E+010", 1e10},
        {"2.38846E-008", 2.38846e-8},
        {"1e5x", 1e5},
        {"12abc", 12},
        {"0x10", 16},
        {"0x1p4", 16},
        {"1.5.5", 1.5},
        {"0.000976563", 0.000976563},
        {"1234567890123456789", 1234567890123456789.0},
        {"0.1", 0.1},
        {"1e400", HUGE_VAL},
        {"-1e400", -HUGE_VAL},
        {"1e-400", 0},
        {"INF5", HUGE_VAL},
        {"infinity", HUGE_VAL},
        {"-inf", -HUGE_VAL},
        {"00012", 12},
        {"0.000000000000000000000001", 1e-24},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseNumber(c.text), c.value) << c.text;
}

TEST(ParseNumber, TextWithoutNumberKeepsItsSign) {
    for (const char* text : {"", ".", "abc", "+", " "}) {
        const double v = ParseNumber(text);
        EXPECT_EQ(v, 0.0) << text;
        EXPECT_FALSE(std::signbit(v)) << text;
    }
    for (const char* text : {"-", "-.", "-x", " -"}) {
        const double v = ParseNumber(text);
        EXPECT_EQ(v, 0.0) << text;
        EXPECT_TRUE(std::signbit(v)) << text;
    }
    EXPECT_TRUE(std::signbit(ParseNumber("-0")));
}

// A number and nothing else, blanks and tabs around it allowed: what --strict and the
// pump-down options accept.
TEST(ParseWholeNumber, OnlyANumberBetweenBlanks) {
    const struct {
        const char* text;
        bool whole;
        double value;
    } cases[] = {
        {"1.5", true, 1.5},      {" \t-2 \t", true, -2}, {"1e3", true, 1000}, {"0x10", true, 16},
        {"inf", true, HUGE_VAL}, {"", false, 0},         {" \t", false, 0},   {"-", false, 0},
        {"1x", false, 0},        {"1 2", false, 0},      {"\n1", false, 0},   {" \v1", false, 0},
        {"1\r", false, 0},       {"1\n", false, 0},
    };
    for (const auto& c : cases) {
        double value = -1;
        EXPECT_EQ(ParseWholeNumber(c.text, value), c.whole) << c.text;
        if (c.whole) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

// A decimal comma only where the session writes one, and only as the one decimal mark.
TEST(ParseWholeNumber, DecimalCommaWhereAsked) {
    const struct {
        const char* text;
        bool point, comma;  // read under kPoint, under kPointOrComma
        double value;
    } cases[] = {
        {"12,5", false, true, 12.5},  {" -0,25 ", false, true, -0.25}, {"1.5", true, true, 1.5},
        {"1,5e3", false, true, 1500}, {"12,", false, false, 0},        {"1,2,3", false, false, 0},
        {"1.234,5", false, false, 0}, {",", false, false, 0},          {"1, 5", false, false, 0},
    };
    for (const auto& c : cases) {
        double value = -1;
        EXPECT_EQ(ParseWholeNumber(c.text, value, DecimalMark::kPoint), c.point) << c.text;
        EXPECT_EQ(ParseWholeNumber(c.text, value, DecimalMark::kPointOrComma), c.comma) << c.text;
        if (c.comma) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

// The shortest text that reads back as the value, as std::to_chars writes it: on the
// native path and on the portable one (core_tests_portable).
TEST(ShortestNumberText, FewestDigitsThatReadBack) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.1, "0.1"},          {1e-6, "1e-06"},        {123456789, "123456789"},
        {1e21, "1e+21"},       {-0.0, "-0"},           {5e-324, "5e-324"},
        {1.5e300, "1.5e+300"}, {0.000123, "0.000123"}, {2.0 / 3, "0.6666666666666666"},
        {100, "100"},          {1e16, "1e+16"},        {-1234.5, "-1234.5"},
    };
    for (const auto& c : cases) {
        char buffer[kShortestBufferSize];
        EXPECT_EQ(std::string(buffer, ShortestNumberText(c.value, buffer)), c.text) << c.text;
    }
}

TEST(ParseNumber, NanKeepsItsSign) {
    EXPECT_TRUE(std::isnan(ParseNumber("NAN")));
    EXPECT_FALSE(std::signbit(ParseNumber("NAN")));
    EXPECT_TRUE(std::isnan(ParseNumber("-NAN")));
    EXPECT_TRUE(std::signbit(ParseNumber("-NAN")));
    EXPECT_TRUE(std::isnan(ParseNumber("nan(123)")));
}

TEST(ParseNumber, LeavesErrnoAlone) {
    errno = 1234;
    ParseNumber("1e999");
    ParseNumber("1e-999");
    EXPECT_EQ(errno, 1234);
}

TEST(ParseNumber, FastPathMatchesStrtodBitForBit) {
    std::mt19937_64 rng(99);
    for (int i = 0; i < 50000; ++i) {
        std::string text = std::to_string(rng() % 1000000000000000ull);
        const std::size_t point = rng() % (text.size() + 1);
        text.insert(point, ".");
        if (rng() % 2) text.insert(0, "-");
        const double expected = std::strtod(text.c_str(), nullptr);
        const double actual = ParseNumber(text);
        ASSERT_EQ(std::memcmp(&expected, &actual, sizeof expected), 0) << text;
    }
}

TEST(ParseNumber, DecimalPointIsAlwaysAPeriodWhateverTheLocale) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous ? previous : "C";
    bool tried = false;
    for (const char* name : {"de_DE.UTF-8", "tr_TR.UTF-8", "fr_FR.UTF-8", "C.UTF-8"}) {
        if (!std::setlocale(LC_ALL, name)) continue;
        tried = true;
        EXPECT_EQ(ParseNumber("1.5"), 1.5) << name;
        EXPECT_EQ(ParseNumber("1,5"), 1.0) << name;
        EXPECT_EQ(ParseNumber("2.5e3"), 2500) << name;
        EXPECT_EQ(FormatNumber(1.5), "1.5") << name;
    }
    std::setlocale(LC_ALL, saved.c_str());
    if (!tried) GTEST_SKIP() << "no locale other than C installed";
}

TEST(NumberText, RoundTripKeepsSixDigits) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> mantissa(1, 10);
    std::uniform_int_distribution<int> exponent(-300, 300);
    for (int i = 0; i < 10000; ++i) {
        const double v = mantissa(rng) * std::pow(10.0, exponent(rng));
        const std::string text = FormatNumber(v);
        EXPECT_EQ(FormatNumber(ParseNumber(text)), text);
    }
}

}  // namespace
}  // namespace tevrimo
