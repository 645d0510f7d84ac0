// SPDX-License-Identifier: MIT
// What each unit is: its key, its full name and its size in every language, and the
// name of each category.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "categories.h"
#include "category_builder.h"
#include "unit_names.h"
#include "unit_size_text.h"

namespace tevrimo {
namespace {

bool IsKey(std::string_view key) {
    if (key.empty() || key.size() > 10) return false;
    if (!((key[0] >= 'a' && key[0] <= 'z') || (key[0] >= 'A' && key[0] <= 'Z'))) return false;
    for (char c : key) {
        const bool ok =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (!ok) return false;
    }
    return true;
}

// The number a size text states, or NaN for a text that states none ("T(K) = ...").
double StatedValue(const std::string& text) {
    for (const char* sign : {" = ", " ≈ "}) {
        const std::size_t at = text.find(sign);
        if (at != std::string::npos && text.rfind("1 ", 0) == 0) {
            return ParseNumber(std::string_view(text).substr(at + std::string_view(sign).size()));
        }
    }
    return NAN;
}

TEST(UnitDescriptions, EveryUnitHasItsKeyNamesAndSize) {
    for (int c = 0; c < kCategoryCount; ++c) {
        const CategoryTable& t = Category(c);
        for (int l = 0; l < kLanguageCount; ++l) EXPECT_FALSE(t.names[l].empty()) << t.key;
        std::set<std::string_view> keys;
        for (int r = 0; r < kRowCount; ++r) {
            const UnitRow& row = t.rows[static_cast<std::size_t>(r)];
            const std::string where = std::string(t.key) + " row " + std::to_string(r);
            if (!t.IsUnitRow(r)) {
                EXPECT_TRUE(row.key.empty()) << where;
                for (int l = 0; l < kLanguageCount; ++l) {
                    EXPECT_TRUE(t.FullName(r, l).empty()) << where;
                    EXPECT_EQ(UnitSizeText(t, r, l), "") << where;
                }
                continue;
            }
            EXPECT_TRUE(IsKey(row.key)) << where << " '" << row.key << "'";
            EXPECT_TRUE(keys.insert(row.key).second) << where << " '" << row.key << "'";
            EXPECT_EQ(FindUnit(t, row.key, kEnglish), r) << where;
            for (int l = 0; l < kLanguageCount; ++l) {
                EXPECT_FALSE(t.FullName(r, l).empty()) << where << " language " << l;
                const std::string size = UnitSizeText(t, r, l);
                EXPECT_FALSE(size.empty()) << where << " language " << l;
                // A stated size agrees with what the page shows for 1 of the unit, to the
                // six digits of the page's constants.
                const double stated = StatedValue(size);
                if (std::isnan(stated)) continue;
                const double shown = t.Pair(r, row.sizeIn).Apply(1.0);
                EXPECT_NEAR(stated / shown, 1.0, 1.5e-5) << where << ": " << size;
            }
        }
    }
}

TEST(UnitDescriptions, SizeTexts) {
    const struct {
        const char* category;
        const char* key;
        int language;
        const char* text;
    } cases[] = {
        {"pressure", "atm", kEnglish, "1 atm = 101.325 kPa"},
        {"pressure", "atm", kTurkish, "1 atmosfer = 101.325 kilopaskal"},
        {"pressure", "atm", kGerman, "1 Atü = 101.325 Kilopascal"},
        // From the definition, not the page's shortened 3.38638.
        {"pressure", "inHg", kEnglish, "1 inch Hg ≈ 3.38639 kPa"},
        {"pressure", "kPa", kFrench, "1 kilopascal = 1000 pascal"},
        {"length", "ft", kEnglish, "1 foot = 0.3048 meter"},
        {"length", "thou", kEnglish, "1 thou = 2.54E-005 meter"},
        {"area", "ac", kEnglish, "1 acre ≈ 4046.86 meter²"},
        {"area", "mi2", kEnglish, "1 mile² ≈ 2.58999E+006 meter²"},
        // Nine significant digits are written out, ten are rounded.
        {"volume", "pt_us", kEnglish, "1 pint (US) = 0.473176473 dm³ (=liter)"},
        {"volume", "gal_us", kEnglish, "1 gallon (USA) ≈ 3.78541 dm³ (=liter)"},
        {"mass", "slug", kEnglish, "1 slug ≈ 14.5939 kg"},
        {"speed", "m_min", kEnglish, "1 m/min ≈ 0.0166667 m/s"},
        {"energy", "kWh", kEnglish, "1 kW.h = 3600000 J"},
        {"energy", "J", kGerman, "1 Joule = 1 Newton.Meter"},
        {"energy", "therm", kEnglish, "1 therm ≈ 1.05506E+008 J"},
        {"time", "s", kFrench, "unité de base du SI"},
        {"temperature", "K", kEnglish, "T(K) = T(°C) + 273.15"},
        {"temperature", "degF", kTurkish, "T(°F) = 1.8 × T(°C) + 32"},
        {"density", "slug_ft3", kEnglish, "1 slug/ft³ ≈ 515.378 kg/m³"},
        {"density", "in3_lb", kEnglish, "1 in³/lb ≈ 3.61273E-005 m³/kg"},
        // The multiples say that they are binary.
        {"data", "kB", kEnglish, "1 kByte = 1024 Byte (binary)"},
        {"data", "TB", kGerman, "1 TByte = 1099511627776 Byte = 1024 GByte (binär)"},
        {"data", "bit", kFrench, "1 bit = 0.125 Byte"},
        {"vacuum", "m3_h", kEnglish, "1 m³/h ≈ 16.6667 l/min"},
        {"vacuum", "min", kTurkish, "1 dakika = 60 saniye"},
        {"vacuum", "Torr", kEnglish, "1 Torr = 1.33322 mbar"},  // the page's constant
        {"vacuum", "mbar", kEnglish, "1 mbar ≈ 0.750064 Torr"},
    };
    for (const auto& c : cases) {
        const CategoryTable& t = *FindCategory(c.category);
        EXPECT_EQ(UnitSizeText(t, FindUnit(t, c.key, kEnglish), c.language), c.text)
            << c.category << " " << c.key;
    }
    const CategoryTable& data = *FindCategory("data");
    EXPECT_EQ(UnitSizeText(data, 8, kEnglish), "");  // a cleared row
    EXPECT_EQ(UnitSizeText(data, 2, 4), "");         // no such language
    EXPECT_EQ(UnitSizeText(data, -1, kEnglish), "");
    EXPECT_EQ(UnitSizeText(data, kRowCount, kEnglish), "");
}

// How a size is written, on a category of two units made here: up to nine significant
// digits in full, whole numbers in full up to fifteen digits, anything else rounded to
// six; the pages' exponent form below 0.0001 and from 10^15 on.
TEST(UnitDescriptions, HowASizeIsWritten) {
    const struct {
        const char* size;
        const char* text;
    } cases[] = {
        {"0.3048", "= 0.3048"},
        {"123456789", "= 123456789"},
        {"12345678.9", "= 12345678.9"},
        {"1234567891", "= 1234567891"},
        {"123456789.5", "≈ 1.23457E+008"},
        {"0.0001", "= 0.0001"},
        {"0.00001234", "= 1.234E-005"},
        {"1E15", "= 1E+015"},
        {"1/3", "≈ 0.333333"},
        {"123456789012345678", "≈ 1.23457E+017"},
    };
    for (const auto& c : cases) {
        const CategoryTable t = NewCategory({.name = AllLanguages("test"),
                                             .buttonWidth = 60,
                                             .units = {{.key = "a",
                                                        .caption = AllLanguages("A"),
                                                        .fullName = AllLanguages("a"),
                                                        .size = "1"},
                                                       {.key = "b",
                                                        .caption = AllLanguages("B"),
                                                        .fullName = AllLanguages("b"),
                                                        .size = "1",
                                                        .exactSize = c.size}}});
        EXPECT_EQ(UnitSizeText(t, 1, kEnglish), std::string("1 B ") + c.text + " A") << c.size;
    }
}

}  // namespace
}  // namespace tevrimo
