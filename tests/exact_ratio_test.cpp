// SPDX-License-Identifier: MIT
#include "exact_ratio.h"

#include <gtest/gtest.h>

namespace tevrimo {
namespace {

double Ratio(const char* num, const char* den, int digits) {
    return (ExactRatio::FromText(num) / ExactRatio::FromText(den)).Rounded(digits);
}

TEST(ExactRatio, RoundsHalfUpOnTheExactQuotient) {
    EXPECT_EQ(Ratio("1", "0.3048", 8), 3.2808399);
    EXPECT_EQ(Ratio("0.0254", "0.3048", 8), 0.083333333);
    EXPECT_EQ(Ratio("1", "3.6", 8), 0.27777778);
    EXPECT_EQ(Ratio("1609.344", "1852", 8), 0.86897624);
    // An exact tie at the cut goes up: 0.0009765625 to six digits.
    EXPECT_EQ(Ratio("1", "1024", 6), 0.000976563);
    EXPECT_EQ(Ratio("125", "1", 2), 130);
    // A carry through every digit.
    EXPECT_EQ(Ratio("99999999.7", "1", 8), 1e8);
}

TEST(ExactRatio, ShortQuotientsStayExact) {
    EXPECT_EQ(Ratio("0.3048", "1", 8), 0.3048);
    EXPECT_EQ(Ratio("1609.344", "0.3048", 8), 5280);
    EXPECT_EQ(Ratio("1609.344", "1", 8), 1609.344);
    EXPECT_EQ(Ratio("1E-10", "1000", 8), 1e-13);
}

TEST(ExactRatio, QuotientsOfQuotients) {
    // ft/h against m/s: 1 / (0.3048 / 3600)
    EXPECT_EQ((ExactRatio::FromText("1") / ExactRatio::FromText("0.3048/3600")).Rounded(8),
              11811.024);
    EXPECT_EQ((ExactRatio::FromText("2") * ExactRatio::FromText("3/4")).Inverse().Rounded(8),
              0.66666667);
}

TEST(ExactRatio, RejectsMalformedText) {
    EXPECT_THROW(ExactRatio::FromText("abc"), std::invalid_argument);
    EXPECT_THROW(ExactRatio::FromText("1.2.3"), std::invalid_argument);
    EXPECT_THROW(ExactRatio::FromText(""), std::invalid_argument);
}

}  // namespace
}  // namespace tevrimo
