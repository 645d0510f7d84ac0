// SPDX-License-Identifier: MIT
// Every pair constant of every category against unit sizes written here from the unit
// definitions, independently of the category tables: a wrong digit in a size, a wrong
// precision or a wrong multiplier shows up as a failing pair.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "categories.h"
#include "pumpdown.h"

namespace tevrimo {
namespace {

using Real = long double;

// Definitions the sizes are made from.
constexpr Real kInch = 0.0254L;  // m
constexpr Real kFoot = 12 * kInch;
constexpr Real kYard = 3 * kFoot;
constexpr Real kMile = 1760 * kYard;
constexpr Real kPound = 0.45359237L;  // kg
constexpr Real kGrain = kPound / 7000;
constexpr Real kGravity = 9.80665L;  // m/s²
constexpr Real kPoundForce = kPound * kGravity;
constexpr Real kUsGallon = 231 * kInch * kInch * kInch;  // m³
constexpr Real kUkGallon = 0.00454609L;
constexpr Real kBtu = 1.05505585262L;  // kJ, international table
constexpr Real kCalorie = 0.0041868L;  // kJ, international table

using Pair = std::pair<int, int>;

struct Proportional {
    const char* key;
    std::vector<Real> sizes;  // per row, in the row-0 unit
    // Significant digits of the constant from `source` to `target`; 0: held to 12 digits.
    int (*digits)(int source, int target);
    std::set<Pair> multipliers = {};  // v * size(source) / size(target)
    std::set<Pair> sameUnit = {};     // no step at all, either way
    // Pairs whose constant comes from another size of one of their rows.
    struct {
        int row = -1;
        Real size = 0;
        std::set<Pair> pairs = {};
    } other = {};
};

const std::vector<Proportional>& ProportionalCategories() {
    static const auto eight = [](int, int) { return 8; };
    static const auto six = [](int, int) { return 6; };
    static const std::vector<Proportional> categories = {
        {"length",
         {1, 1e-10L, 0.01L, kFoot, kInch, 1000, 1e-6L, kMile, 0.001L, 1852, kInch / 1000, kYard},
         eight,
         {{1, 0}, {1, 5}, {1, 7}, {1, 9}, {1, 11}}},
        {"area",
         {1, 43560 * kFoot * kFoot, 100, 1e-4L, kFoot * kFoot, 1e4L, kInch * kInch, 1e6L,
          640 * 43560 * kFoot * kFoot, 1e-6L, kYard * kYard},
         eight,
         {{3, 7}, {3, 8}, {9, 5}, {9, 7}, {9, 8}}},
        {"volume",
         {1, 42 * kUsGallon, 1e-6L, 1e-3L, kUkGallon / 160, kUsGallon / 128, kFoot * kFoot * kFoot,
          kUkGallon, kUsGallon, kInch * kInch * kInch, 1e-9L, kUkGallon / 8, kUsGallon / 8,
          kYard * kYard * kYard},
         [](int, int target) { return target <= 2 ? 8 : 6; }},
        {"mass",
         {1, 0.0002L, kGrain, 0.001L, kPound, 1e-6L, kPound / 16, 480 * kGrain, 5760 * kGrain,
          14.5939029372L, 2240 * kPound, 1000, 2000 * kPound},
         six,
         {},
         {},
         // Ten slug pairs hold the values of a slug of 32.174 pounds.
         {9,
          32.174L * kPound,
          {{1, 9}, {6, 9}, {7, 9}, {8, 9}, {9, 0}, {9, 3}, {9, 5}, {9, 10}, {9, 11}, {9, 12}}}},
        {"force",
         {1, 1e-5L, kGravity / 1000, kGravity, 1000, kGravity, 1000 * kPoundForce,
          2240 * kPoundForce, 0.001L, kPoundForce / 16, kPoundForce, kPound * kFoot,
          2000 * kPoundForce, 1000 * kGravity},
         six,
         {},
         {{3, 5}}},
        {"pressure",
         {1, 101.325L, 100, kGravity * kInch, 3.38638L, 98.0665L, 0.04788025898L, 0.1L, kGravity,
          kGravity / 1000, 0.133322L, 1000, 0.001L, 6.894757293L},
         six},
        {"speed",
         {1, 0.01L, kFoot / 3600, kFoot / 60, kFoot, kInch, 1 / 3.6L, 1852 / 3600.0L, kMile / 3600,
          1 / 3600.0L, 1 / 60.0L, kYard},
         eight},
        {"energy",
         {1, kBtu, kCalorie, 1.8L * kBtu, 1e-10L, kFoot * kPoundForce / 1000,
          550 * kFoot * kPoundForce * 3.6L, 0.001L, 1000 * kCalorie, kGravity / 1000, 3600, 0.001L,
          100000 * kBtu},
         eight,
         {{1, 5}, {1, 11}, {4, 0}, {4, 1}, {4, 3}, {4, 6}, {4, 8}, {4, 10}},
         {{7, 11}}},
        {"time", {1, 86400, 3600, 60, 365.25L * 86400}, [](int, int) { return 0; }},
    };
    return categories;
}

// `held` carries at most `digits` significant digits and lies within half a unit of the
// last of them from `exact`: it is `exact` rounded to that many digits.
::testing::AssertionResult RoundedTo(double held, Real exact, int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", digits - 1, held);
    if (std::strtod(text, nullptr) != held) {
        return ::testing::AssertionFailure() << held << " has more than " << digits << " digits";
    }
    const Real unit = std::pow(10.0L, std::floor(std::log10(std::fabs(exact))) - digits + 1);
    const Real error = std::fabs(held - exact);
    if (error > unit / 2 + 2.3e-16L * std::fabs(exact)) {
        return ::testing::AssertionFailure()
               << held << " is not " << static_cast<double>(exact) << " to " << digits << " digits";
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult Near(double held, Real exact, Real relative) {
    if (std::fabs(held / exact - 1) <= relative) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << held << " is not within " << static_cast<double>(relative) << " of "
           << static_cast<double>(exact);
}

TEST(UnitSizes, EveryRowHoldsTheSizeOfItsUnit) {
    for (const Proportional& c : ProportionalCategories()) {
        const CategoryTable& t = *FindCategory(c.key);
        ASSERT_EQ(static_cast<int>(c.sizes.size()), t.rowCount) << c.key;
        for (int r = 0; r < t.rowCount; ++r) {
            EXPECT_TRUE(Near(t.rows[static_cast<std::size_t>(r)].size,
                             c.sizes[static_cast<std::size_t>(r)], 3e-16L))
                << c.key << " row " << r;
        }
    }
}

TEST(PairConstants, EveryProportionalPairIsOneStepWithTheRoundedSizeRatio) {
    for (const Proportional& c : ProportionalCategories()) {
        const CategoryTable& t = *FindCategory(c.key);
        for (int i = 0; i < t.rowCount; ++i) {
            for (int j = 0; j < t.rowCount; ++j) {
                const PairRule& rule = t.Pair(i, j);
                const std::string where =
                    std::string(c.key) + " " + std::to_string(i) + "->" + std::to_string(j);
                if (i == j) {
                    EXPECT_EQ(rule.kind, PairRule::Kind::kEntry) << where;
                    continue;
                }
                ASSERT_EQ(rule.kind, PairRule::Kind::kSteps) << where;
                if (c.sameUnit.count({i, j}) || c.sameUnit.count({j, i})) {
                    EXPECT_EQ(rule.stepCount, 0) << where;
                    continue;
                }
                ASSERT_EQ(rule.stepCount, 1) << where;  // one operation, never via row 0
                const bool multiplies = c.multipliers.count({i, j}) > 0;
                EXPECT_EQ(rule.steps[0].op, multiplies ? StepOp::kMultiply : StepOp::kDivide)
                    << where;
                const auto constant = [&](Real si, Real sj) {
                    return multiplies ? si / sj : sj / si;
                };
                const bool other = c.other.pairs.count({i, j}) > 0;
                const auto size = [&](int r) {
                    return other && r == c.other.row ? c.other.size
                                                     : c.sizes[static_cast<std::size_t>(r)];
                };
                const double held = rule.steps[0].constant;
                const Real exact = constant(size(i), size(j));
                if (c.digits(i, j) == 0) {
                    EXPECT_TRUE(Near(held, exact, 5e-12L)) << where;
                } else {
                    EXPECT_TRUE(RoundedTo(held, exact, c.digits(i, j))) << where;
                }
            }
        }
    }
}

// Density rows hold sizes in kg/m³, specific-volume rows in m³/kg. Within a group a pair
// divides by size(j) / size(i); across the groups it divides 1 / (size(i) x size(j)) by
// the value. Each constant is exact, the exact value to eight digits, or, at full length,
// within 2.5E-8 of the exact value and 4E-8 of the value from the stored sizes.
TEST(PairConstants, DensityAndSpecificVolume) {
    constexpr Real kCubicFoot = kFoot * kFoot * kFoot;
    constexpr Real kCubicInch = kInch * kInch * kInch;
    constexpr Real kSlug = 32.174L * kPound;
    const Real exact[] = {1,
                          1000,
                          1,
                          kPound / kCubicFoot,
                          kPound / kCubicInch,
                          kSlug / kCubicFoot,
                          1,
                          0.001L,
                          kCubicFoot / kPound,
                          kCubicInch / kPound,
                          1,
                          kCubicFoot / kSlug};
    const Real stored[] = {1,
                           1000,
                           1,
                           16.0184632652026L,
                           27679.9047102672L,
                           515.3780300427251L,
                           1,
                           0.001L,
                           0.0624279620335609L,
                           3.61272916218462E-5L,
                           1,
                           0.00194032326251231L};
    const std::set<Pair> twins = {{0, 2}, {2, 0}, {6, 10}, {10, 6}};
    const std::set<double> exactConstants = {1, 1000, 0.001, 1728, 32.174};
    const CategoryTable& t = *FindCategory("density");
    ASSERT_EQ(t.rowCount, 12);
    int exactCount = 0, eightDigits = 0, fullLength = 0;
    for (int i = 0; i < 12; ++i) {
        EXPECT_TRUE(Near(t.rows[static_cast<std::size_t>(i)].size, stored[i], 3e-16L)) << i;
        for (int j = 0; j < 12; ++j) {
            if (i == j) continue;
            const PairRule& rule = t.Pair(i, j);
            const std::string where = std::to_string(i) + "->" + std::to_string(j);
            if (twins.count({i, j})) {
                EXPECT_EQ(rule.stepCount, 0) << where;
                ++exactCount;
                continue;
            }
            ASSERT_EQ(rule.stepCount, 1) << where;
            const bool sameGroup = (i < 6) == (j < 6);
            EXPECT_EQ(rule.steps[0].op, sameGroup ? StepOp::kDivide : StepOp::kDivideInto) << where;
            const auto constant = [&](const Real* size) {
                return sameGroup ? size[j] / size[i] : 1 / (size[i] * size[j]);
            };
            const double held = rule.steps[0].constant;
            if (exactConstants.count(held)) {
                EXPECT_TRUE(RoundedTo(held, constant(exact), 15)) << where;
                ++exactCount;
            } else if (RoundedTo(held, constant(exact), 8)) {
                ++eightDigits;
            } else {
                EXPECT_TRUE(Near(held, constant(exact), 2.5e-8L)) << where;
                EXPECT_TRUE(Near(held, constant(stored), 4e-8L)) << where;
                ++fullLength;
            }
        }
    }
    EXPECT_EQ(exactCount, 42);
    EXPECT_EQ(eightDigits, 63);
    EXPECT_EQ(fullLength, 27);
}

TEST(PairConstants, TemperatureScalesAreAffine) {
    // Each scale as (slope, offset) in kelvin: K = slope * v + offset.
    const Real scales[5][2] = {
        {1, 0}, {1, 273.15L}, {5 / 9.0L, 459.67L * 5 / 9}, {5 / 9.0L, 0}, {1.25L, 273.15L}};
    const CategoryTable& t = *FindCategory("temperature");
    for (int i = 0; i < 5; ++i) {
        for (int j = 0; j < 5; ++j) {
            if (i == j) continue;
            for (Real v : {-300.0L, -40.0L, 0.0L, 1.0L, 36.6L, 100.0L, 1e6L}) {
                const Real kelvin = scales[i][0] * v + scales[i][1];
                const Real expected = (kelvin - scales[j][1]) / scales[j][0];
                // The shortened 255.372 (for 255.3722...) is the largest departure.
                EXPECT_NEAR(t.Pair(i, j).Apply(static_cast<double>(v)), expected,
                            2.5e-4L + 1e-12L * std::fabs(expected))
                    << i << "->" << j << " at " << static_cast<double>(v);
            }
        }
    }
}

TEST(PairConstants, DataStorageIsExactPowersOfTwo) {
    const CategoryTable& t = *FindCategory("data");
    const auto bits = [](int row) { return row == 0 ? 1.0 : 8 * std::ldexp(1.0, 10 * (row - 1)); };
    for (int i = 0; i < t.rowCount; ++i) {
        for (int j = 0; j < t.rowCount; ++j) {
            const PairRule& rule = t.Pair(i, j);
            if (i >= 6 || j >= 6) {
                EXPECT_EQ(rule.kind, PairRule::Kind::kClear) << i << "->" << j;
            } else if (i != j) {
                EXPECT_EQ(rule.Apply(1.0), bits(i) / bits(j)) << i << "->" << j;
                // Towards a larger unit one division per row, so no step rounds twice.
                EXPECT_EQ(rule.stepCount, j > i ? j - i : 1) << i << "->" << j;
            }
        }
    }
}

TEST(PairConstants, VacuumRowsConvertOnlyWithinTheirPair) {
    // Sizes in l/min, s, litres and mbar; the page's Torr is 1.33322 mbar.
    const Real sizes[8] = {1, 1000 / 60.0L, 1, 60, 1, 1000, 1, 1.33322L};
    const CategoryTable& t = pumpdown::Table();
    for (int i = 0; i < 8; ++i) {
        for (int j = 0; j < 8; ++j) {
            const PairRule& rule = t.Pair(i, j);
            if (i == j) continue;
            if (i / 2 != j / 2) {
                EXPECT_EQ(rule.kind, PairRule::Kind::kSkip) << i << "->" << j;
                continue;
            }
            EXPECT_TRUE(Near(rule.Apply(1.0), sizes[i] / sizes[j], 5e-6L)) << i << "->" << j;
        }
    }
}

TEST(CategoryRegistry, ThirteenTabsInOrder) {
    const char* keys[] = {"length",   "area",        "volume", "mass",  "force",
                          "pressure", "temperature", "time",   "speed", "density",
                          "energy",   "data",        "vacuum"};
    const int rowCounts[] = {12, 11, 14, 13, 14, 14, 5, 5, 12, 12, 13, 13, 8};
    for (int i = 0; i < kCategoryCount; ++i) {
        const CategoryTable& t = Category(i);
        EXPECT_EQ(t.key, keys[i]);
        EXPECT_EQ(t.tabIndex, i);
        EXPECT_EQ(t.rowCount, rowCounts[i]) << keys[i];
        EXPECT_EQ(FindCategory(keys[i]), &t);
        EXPECT_EQ(FindCategory(std::to_string(i)), &t);
        EXPECT_EQ(FindCategory(t.tabCaption), &t);
        // Rows at or beyond N have no caption in any language.
        for (int r = t.rowCount; r < kRowCount; ++r) {
            for (int l = 0; l < kLanguageCount; ++l)
                EXPECT_EQ(t.Caption(r, l), "") << keys[i] << " row " << r;
        }
    }
    EXPECT_EQ(FindCategory("BASINÇ"), FindCategory("pressure"));
    EXPECT_EQ(FindCategory("SICAKLIK"), FindCategory("temperature"));  // dotless i folds too
    EXPECT_EQ(FindCategory("13"), nullptr);
    EXPECT_EQ(FindCategory("05"), FindCategory("pressure"));
    EXPECT_EQ(FindCategory("005"), nullptr);  // a tab index has two digits at most
    EXPECT_EQ(FindCategory(""), nullptr);
}

// What the pages ask of a category. Only the vacuum page is a calculator, lays out a
// label column and puts its boxes first in the Tab order; only the length page shows
// its start language at once; a proportional page holds one constant per pair.
TEST(CategoryRegistry, PagePropertiesAsThePagesNeedThem) {
    constexpr auto kProportional = CategoryKind::kProportional;
    constexpr auto kStepList = CategoryKind::kStepList;
    const struct {
        CategoryKind kind;
        int buttonWidth;  // dialog units, from the page templates
    } expected[] = {
        {kProportional, 60},
        {kProportional, 60},
        {kProportional, 100},
        {kProportional, 60},
        {kProportional, 70},
        {kProportional, 140},
        {kStepList, 70},
        {kProportional, 70},
        {kProportional, 80},
        {kStepList, 80},
        {kProportional, 70},
        {kStepList, 70},
        {CategoryKind::kVacuum, 70},
    };
    static_assert(std::size(expected) == kCategoryCount);
    for (int i = 0; i < kCategoryCount; ++i) {
        const CategoryTable& t = Category(i);
        const bool vacuum = t.key == "vacuum";
        EXPECT_EQ(t.kind, expected[i].kind) << t.key;
        EXPECT_EQ(t.buttonWidth, expected[i].buttonWidth) << t.key;
        EXPECT_EQ(t.layout == PageLayout::kVacuum, vacuum) << t.key;
        EXPECT_EQ(t.tabOrder == TabOrderRule::kBoxesFirst, vacuum) << t.key;
        EXPECT_EQ(t.startLook == StartLook::kStartLanguage, t.key == "length") << t.key;
        bool onePerPair = true;
        for (int s = 0; s < t.rowCount; ++s) {
            for (int d = 0; d < t.rowCount; ++d) {
                const PairRule& rule = t.Pair(s, d);
                const bool oneConstant =
                    rule.kind == PairRule::Kind::kSteps && rule.stepCount <= 1 &&
                    (rule.stepCount == 0 || rule.steps[0].op == StepOp::kMultiply ||
                     rule.steps[0].op == StepOp::kDivide);
                onePerPair = onePerPair && (s == d || oneConstant);
            }
        }
        EXPECT_EQ(onePerPair, t.kind == kProportional) << t.key;
    }
    EXPECT_EQ(pumpdown::Table().key, "vacuum");
}

TEST(CategoryRegistry, TemplateCaptionsUntilTheFirstLanguage) {
    const auto caption = [](const char* key, int row) {
        return FindCategory(key)->templateCaptions[static_cast<std::size_t>(row)];
    };
    EXPECT_EQ(caption("length", 12), " ");
    EXPECT_EQ(caption("area", 11), "");
    EXPECT_EQ(caption("energy", 5), "ft.lb");
    EXPECT_EQ(caption("energy", 6), "hp.h");
    EXPECT_EQ(caption("temperature", 0), "Kelvine");
    EXPECT_EQ(caption("density", 12), "°API");
    EXPECT_EQ(caption("density", 13), "SG (H2O 60°F)");
    EXPECT_EQ(caption("data", 8), "");
    EXPECT_EQ(caption("data", 13), " ");
    EXPECT_EQ(caption("vacuum", 13), " ");
}

TEST(CategoryProperties, RoundTripsUsersNotice) {
    RowWrites w;
    const CategoryTable& temperature = *FindCategory("temperature");
    // Celsius to Fahrenheit and back returns the typed value to six digits.
    for (const char* c : {"-40", "0", "36.6", "100", "1234.5"}) {
        temperature.Refresh(c, 1, w);
        const std::string f(w[2].text);
        temperature.Refresh(f, 2, w);
        EXPECT_EQ(w[1].text, FormatNumber(ParseNumber(c))) << c;
    }
    // kByte to bit and back is exact.
    const CategoryTable& data = *FindCategory("data");
    for (const char* k : {"1", "3.5", "1023", "0.000976563"}) {
        data.Refresh(k, 2, w);
        const std::string bits(w[0].text);
        data.Refresh(bits, 0, w);
        EXPECT_EQ(ParseNumber(w[2].text), ParseNumber(FormatNumber(ParseNumber(k)))) << k;
    }
    // Densities and specific volumes are reciprocal.
    FindCategory("density")->Refresh("1000", 0, w);
    EXPECT_EQ(w[6].text, "0.001");
}

}  // namespace
}  // namespace tevrimo
