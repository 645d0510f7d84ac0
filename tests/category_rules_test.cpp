// The pair constants each category holds, and the rules every table obeys.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "categories.h"

namespace tevrimo {
namespace {

struct Held {
    int source, target;
    StepOp op;
    double constant;
};

constexpr StepOp kDiv = StepOp::kDivide;
constexpr StepOp kMul = StepOp::kMultiply;

void ExpectHeld(const char* category, std::initializer_list<Held> list) {
    const CategoryTable& t = *FindCategory(category);
    for (const Held& h : list) {
        const PairRule& rule = t.Pair(h.source, h.target);
        ASSERT_EQ(rule.kind, PairRule::Kind::kSteps)
            << category << " " << h.source << "->" << h.target;
        ASSERT_EQ(rule.stepCount, 1) << category << " " << h.source << "->" << h.target;
        EXPECT_EQ(rule.steps[0].op, h.op) << category << " " << h.source << "->" << h.target;
        EXPECT_EQ(rule.steps[0].constant, h.constant)
            << category << " " << h.source << "->" << h.target;
    }
}

TEST(PairConstants, LengthHoldsEightDigitsAndFiveMultipliers) {
    ExpectHeld("length", {{4, 0, kDiv, 39.370079},
                          {3, 0, kDiv, 3.2808399},
                          {11, 0, kDiv, 1.0936133},
                          {7, 0, kDiv, 0.00062137119},
                          {9, 0, kDiv, 0.0005399568},
                          {3, 4, kDiv, 0.083333333},
                          {11, 3, kDiv, 0.33333333},
                          {11, 4, kDiv, 0.027777778},
                          {7, 9, kDiv, 1.1507794},
                          {9, 3, kDiv, 0.00016457883},
                          {11, 9, kDiv, 2025.3718},
                          {0, 7, kDiv, 1609.344},
                          {3, 7, kDiv, 5280},
                          {1, 0, kMul, 1e-10},
                          {1, 5, kMul, 1e-13},
                          {1, 7, kMul, 6.2137119e-14},
                          {1, 9, kMul, 5.399568e-14},
                          {1, 11, kMul, 1.0936133e-10}});
}

TEST(PairConstants, Area) {
    ExpectHeld("area", {{4, 0, kDiv, 10.76391},
                        {10, 0, kDiv, 1.19599},
                        {6, 0, kDiv, 1550.0031},
                        {1, 0, kDiv, 0.00024710538},
                        {8, 0, kDiv, 3.8610216e-7},
                        {10, 4, kDiv, 0.11111111},
                        {8, 1, kDiv, 0.0015625},
                        {1, 8, kDiv, 640},
                        {3, 7, kMul, 1e-10},
                        {3, 8, kMul, 3.8610216e-11},
                        {9, 5, kMul, 1e-10},
                        {9, 7, kMul, 1e-12},
                        {9, 8, kMul, 3.8610216e-13}});
}

TEST(PairConstants, VolumeMixesEightAndSixDigits) {
    ExpectHeld("volume", {{4, 0, kDiv, 35195.08},
                          {5, 0, kDiv, 33814.023},
                          {9, 0, kDiv, 61023.744},
                          {6, 0, kDiv, 35.314667},
                          {7, 0, kDiv, 219.96925},
                          {8, 0, kDiv, 264.17205},
                          {1, 0, kDiv, 6.2898108},
                          {13, 0, kDiv, 1.3079506},
                          {0, 4, kDiv, 2.84131e-5},
                          {3, 4, kDiv, 0.0284131},
                          {0, 9, kDiv, 1.63871e-5},
                          {8, 9, kDiv, 0.004329},
                          {7, 3, kDiv, 0.219969},
                          {0, 1, kDiv, 0.15898729}});
}

TEST(PairConstants, MassKeepsItsSlugValues) {
    ExpectHeld("mass",
               {{4, 0, kDiv, 2.20462},      {0, 4, kDiv, 0.453592},     {6, 0, kDiv, 35.274},
                {2, 0, kDiv, 15432.4},      {10, 0, kDiv, 0.000984207}, {12, 0, kDiv, 0.00110231},
                {10, 4, kDiv, 0.000446429}, {0, 9, kDiv, 14.5939},      {4, 9, kDiv, 32.174},
                {9, 4, kDiv, 0.031081},     {1, 9, kDiv, 72969.4},      {6, 9, kDiv, 514.784},
                {7, 9, kDiv, 469.204},      {8, 9, kDiv, 39.1003},      {9, 0, kDiv, 0.0685219},
                {9, 3, kDiv, 6.85219e-5},   {9, 5, kDiv, 6.85219e-8},   {9, 10, kDiv, 69.6214},
                {9, 11, kDiv, 68.5219},     {9, 12, kDiv, 62.162}});
}

TEST(PairConstants, Force) {
    ExpectHeld("force", {{3, 0, kDiv, 0.101972},
                         {2, 0, kDiv, 101.972},
                         {10, 0, kDiv, 0.224809},
                         {12, 0, kDiv, 0.000112404},
                         {7, 0, kDiv, 0.000100361},
                         {13, 0, kDiv, 0.000101972},
                         {11, 0, kDiv, 7.23301},
                         {9, 0, kDiv, 3.59694},
                         {10, 11, kDiv, 0.031081},
                         {10, 3, kDiv, 2.20462}});
}

TEST(PairConstants, Pressure) {
    ExpectHeld("pressure", {{1, 0, kDiv, 0.00986923},
                            {13, 0, kDiv, 0.145038},
                            {5, 0, kDiv, 0.0101972},
                            {10, 0, kDiv, 7.50064},
                            {4, 0, kDiv, 0.295301},
                            {3, 0, kDiv, 4.01463},
                            {6, 0, kDiv, 20.8854},
                            {1, 10, kDiv, 0.00131579},
                            {10, 1, kDiv, 760.002},
                            {3, 4, kDiv, 13.5951},
                            {6, 13, kDiv, 144},
                            {13, 6, kDiv, 0.00694444},
                            {9, 3, kDiv, 25.4}});
}

TEST(PairConstants, SpeedAndEnergy) {
    ExpectHeld("speed", {{0, 6, kDiv, 0.27777778},
                         {0, 7, kDiv, 0.51444444},
                         {2, 0, kDiv, 11811.024},
                         {8, 7, kDiv, 1.1507794},
                         {6, 7, kDiv, 1.852},
                         {11, 7, kDiv, 0.56260329}});
    ExpectHeld("energy", {{0, 1, kDiv, 1.0550559},
                          {1, 0, kDiv, 0.94781712},
                          {1, 7, kDiv, 0.00094781712},
                          {7, 1, kDiv, 1055.0559},
                          {10, 6, kDiv, 0.74569987},
                          {6, 5, kDiv, 5.0505051e-7},
                          {12, 0, kDiv, 9.4781712e-6},
                          {1, 5, kMul, 778.16926},
                          {1, 11, kMul, 1055.0559},
                          {4, 0, kMul, 1e-10},
                          {4, 1, kMul, 9.4781712e-11},
                          {4, 3, kMul, 5.2656507e-11},
                          {4, 6, kMul, 3.7250614e-14},
                          {4, 8, kMul, 2.388459e-11},
                          {4, 10, kMul, 2.7777778e-14}});
}

TEST(PairConstants, DensityGroupsDivideWithinAndDivideIntoAcross) {
    // Exact, eight-digit and full-length constants: 42, 63 and 27 of the 132 pairs.
    ExpectHeld("density", {{0, 1, kDiv, 1000},
                           {9, 8, kDiv, 1728},
                           {11, 8, kDiv, 32.174},
                           {3, 9, StepOp::kDivideInto, 1728},
                           {3, 0, kDiv, 0.062427961},
                           {4, 3, kDiv, 0.0005787037},
                           {5, 3, kDiv, 0.031080997},
                           {8, 0, StepOp::kDivideInto, 16.018463},
                           {0, 3, kDiv, 16.0184632652026},
                           {6, 3, StepOp::kDivideInto, 0.0624279620335609},
                           {3, 4, kDiv, 1728.0000110592},
                           {3, 5, kDiv, 32.1740000811428},
                           {5, 4, kDiv, 53.7079628446165}});
    int exact = 0, eight = 0, full = 0;
    for (int i = 0; i < 12; ++i) {
        for (int j = 0; j < 12; ++j) {
            if (i == j) continue;
            const PairRule& rule = DensityCategory().Pair(i, j);
            const double c = rule.stepCount == 0 ? 1 : rule.steps[0].constant;
            char eightDigits[32];
            std::snprintf(eightDigits, sizeof eightDigits, "%.7e", c);
            if (c == 1 || c == 1000 || c == 0.001 || c == 1728 || c == 32.174) {
                ++exact;
            } else if (std::strtod(eightDigits, nullptr) == c) {
                ++eight;
            } else {
                ++full;
            }
        }
    }
    EXPECT_EQ(exact, 42);
    EXPECT_EQ(eight, 63);
    EXPECT_EQ(full, 27);
    const CategoryTable& t = DensityCategory();
    for (int i = 0; i < 12; ++i) {
        for (int j = 0; j < 12; ++j) {
            if (i == j) continue;
            const PairRule& rule = t.Pair(i, j);
            const std::set<std::pair<int, int>> twins = {{0, 2}, {2, 0}, {6, 10}, {10, 6}};
            const bool same = twins.count({i, j}) > 0;
            if (same) {
                EXPECT_EQ(rule.stepCount, 0) << i << "->" << j;
                continue;
            }
            ASSERT_EQ(rule.stepCount, 1) << i << "->" << j;
            EXPECT_EQ(rule.steps[0].op, (i < 6) == (j < 6) ? kDiv : StepOp::kDivideInto)
                << i << "->" << j;
        }
    }
}

// Every proportional pair is one operation on the typed value, its constant the size
// ratio to the category's precision: never a detour through row 0.
TEST(PairConstants, ProportionalPairsAreOneStepNearTheSizeRatio) {
    const struct {
        const char* category;
        double tolerance;  // relative, from the digits held
    } categories[] = {{"length", 5e-8}, {"area", 5e-8},   {"volume", 5e-6},
                      {"mass", 5e-6},   {"force", 5e-6},  {"pressure", 5e-6},
                      {"speed", 5e-8},  {"energy", 5e-8}, {"time", 1e-11}};
    for (const auto& c : categories) {
        const CategoryTable& t = *FindCategory(c.category);
        // Unit sizes measured through row 0, only to compare against.
        std::vector<double> size(static_cast<std::size_t>(t.rowCount));
        for (int j = 0; j < t.rowCount; ++j)
            size[static_cast<std::size_t>(j)] = t.Pair(j, 0).Apply(1.0);
        for (int i = 0; i < t.rowCount; ++i) {
            for (int j = 0; j < t.rowCount; ++j) {
                if (i == j) continue;
                const PairRule& rule = t.Pair(i, j);
                ASSERT_EQ(rule.kind, PairRule::Kind::kSteps);
                if (rule.stepCount == 0) continue;  // one unit under two names
                ASSERT_EQ(rule.stepCount, 1) << c.category << " " << i << "->" << j;
                const double ratio =
                    size[static_cast<std::size_t>(i)] / size[static_cast<std::size_t>(j)];
                EXPECT_NEAR(rule.Apply(1.0) / ratio, 1.0, 3 * c.tolerance)
                    << c.category << " " << i << "->" << j;
            }
        }
    }
}

TEST(CategoryRegistry, ThirteenTabsInOrder) {
    const char* keys[] = {"length",   "area",        "volume", "mass",  "force",
                          "pressure", "temperature", "time",   "speed", "density",
                          "energy",   "data",        "vacuum"};
    const int rowCounts[] = {12, 11, 14, 13, 14, 14, 5, 5, 12, 12, 13, 13, 8};
    const int buttonWidths[] = {60, 60, 100, 60, 70, 140, 70, 70, 80, 80, 70, 70, 70};
    for (int i = 0; i < kCategoryCount; ++i) {
        const CategoryTable& t = Category(i);
        EXPECT_EQ(t.key, keys[i]);
        EXPECT_EQ(t.tabIndex, i);
        EXPECT_EQ(t.templateId, 140 + i);
        EXPECT_EQ(t.rowCount, rowCounts[i]) << keys[i];
        EXPECT_EQ(t.buttonWidth, buttonWidths[i]) << keys[i];
        EXPECT_EQ(FindCategory(keys[i]), &t);
        EXPECT_EQ(FindCategory(std::to_string(i)), &t);
        EXPECT_EQ(FindCategory(t.tabCaption), &t);
        // Rows at or beyond N have no caption in any language.
        for (int r = t.rowCount; r < kRowCount; ++r) {
            for (int l = 0; l < kLanguageCount; ++l)
                EXPECT_EQ(t.Caption(r, l), "") << keys[i] << " row " << r;
        }
    }
    EXPECT_EQ(FindCategory("BASINÇ"), &PressureCategory());
    EXPECT_EQ(FindCategory("SICAKLIK"), &TemperatureCategory());  // dotless i folds too
    EXPECT_EQ(FindCategory("13"), nullptr);
    EXPECT_EQ(FindCategory(""), nullptr);
}

TEST(CategoryRegistry, TemplateCaptionsUntilTheFirstLanguage) {
    EXPECT_EQ(LengthCategory().templateCaptions[12], " ");
    EXPECT_EQ(AreaCategory().templateCaptions[11], "");
    EXPECT_EQ(AreaCategory().templateCaptions[12], " ");
    EXPECT_EQ(EnergyCategory().templateCaptions[5], "ft.lb");
    EXPECT_EQ(EnergyCategory().templateCaptions[6], "hp.h");
    EXPECT_EQ(TemperatureCategory().templateCaptions[0], "Kelvine");
    EXPECT_EQ(DensityCategory().templateCaptions[12], "°API");
    EXPECT_EQ(DensityCategory().templateCaptions[13], "SG (H2O 60°F)");
    EXPECT_EQ(DataStorageCategory().templateCaptions[8], "");
    EXPECT_EQ(DataStorageCategory().templateCaptions[13], " ");
    EXPECT_EQ(VacuumCategory().templateCaptions[13], " ");
}

TEST(CategoryProperties, RoundTripsUsersNotice) {
    RowWrites w;
    // Celsius to Fahrenheit and back returns the typed value to six digits.
    for (const char* c : {"-40", "0", "36.6", "100", "1234.5"}) {
        TemperatureCategory().Refresh(c, BoxId(1), w);
        const std::string f(w[2].text);
        TemperatureCategory().Refresh(f, BoxId(2), w);
        EXPECT_EQ(w[1].text, FormatNumber(ParseNumber(c))) << c;
    }
    // kByte to bit and back is exact.
    for (const char* k : {"1", "3.5", "1023", "0.000976563"}) {
        DataStorageCategory().Refresh(k, BoxId(2), w);
        const std::string bits(w[0].text);
        DataStorageCategory().Refresh(bits, BoxId(0), w);
        EXPECT_EQ(ParseNumber(w[2].text), ParseNumber(FormatNumber(ParseNumber(k)))) << k;
    }
    // Densities and specific volumes are reciprocal.
    DensityCategory().Refresh("1000", BoxId(0), w);
    EXPECT_EQ(w[6].text, "0.001");
}

TEST(CategoryProperties, DataStorageDividesStepByStep) {
    const PairRule& bitToTByte = DataStorageCategory().Pair(0, 5);
    ASSERT_EQ(bitToTByte.stepCount, 5);
    EXPECT_EQ(bitToTByte.steps[0].constant, 8);
    for (int k = 1; k < 5; ++k)
        EXPECT_EQ(bitToTByte.steps[static_cast<std::size_t>(k)].constant, 1024);
    const PairRule& tByteToBit = DataStorageCategory().Pair(5, 0);
    ASSERT_EQ(tByteToBit.stepCount, 1);
    EXPECT_EQ(tByteToBit.steps[0].constant, 8796093022208.0);
    EXPECT_EQ(DataStorageCategory().Pair(3, 1).steps[0].constant, 1048576);
}

}  // namespace
}  // namespace tevrimo
