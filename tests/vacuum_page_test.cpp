// SPDX-License-Identifier: MIT
// The vacuum pump-down page: its start state, the four modes and degenerate inputs.
#include <gtest/gtest.h>

#include <cmath>

#include "page_test_util.h"
#include "pumpdown.h"
#include "vacuum_page.h"

namespace tevrimo {
namespace {

using testing::PageHarness;

struct VacuumHarness : PageHarness {
    VacuumHarness() : PageHarness(pumpdown::Table()) {}
    VacuumPage& Vacuum() { return static_cast<VacuumPage&>(Page()); }
    VacuumHarness& Click(int row) {
        ClickButton(row);
        return *this;
    }
    // Types `text` (digits and ".") into row `row`, after clearing it with Esc.
    VacuumHarness& Enter(int row, const std::string& text) {
        Focus(row);
        Key(vk::kEscape);
        for (char c : text) Key(c == '.' ? vk::kDecimal : vk::k0 + (c - '0'));
        return *this;
    }
    std::vector<std::string> Boxes() const {
        std::vector<std::string> b;
        for (int r = 0; r < 8; ++r) b.push_back(Box(r));
        return b;
    }
};

using Texts = std::vector<std::string>;

TEST(VacuumPage, StartState) {
    VacuumHarness v;
    EXPECT_EQ(v.Boxes(), (Texts{"500", "30", "720.46", "12.0077", "1000", "1", "10", "7.50064"}));
    EXPECT_EQ(v.Vacuum().Mode(), VacuumPage::Quantity::kTime);
    EXPECT_EQ(v.Entry(), "600");
    EXPECT_EQ(v.window.FocusedId(), BoxId(2));
    for (int r = 0; r < 8; ++r) {
        EXPECT_EQ(v.window.ReadOnly(r), r == 2 || r == 3) << r;
        EXPECT_EQ(v.window.Enabled(r), !(r == 2 || r == 3)) << r;
    }
    for (int r = 8; r < kRowCount; ++r) EXPECT_EQ(v.Box(r), "") << r;
}

TEST(VacuumPage, EachModeComputesItsQuantity) {
    VacuumHarness capacity;
    capacity.Click(0).Enter(3, "10");
    EXPECT_EQ(capacity.Box(0), "600.383");
    EXPECT_EQ(capacity.Box(1), "36.023");
    EXPECT_EQ(capacity.Box(2), "600");

    VacuumHarness volume;
    volume.Click(4).Enter(3, "10");
    EXPECT_EQ(volume.Box(4), "832.801");
    EXPECT_EQ(volume.Box(5), "0.832801");

    VacuumHarness pressure;
    pressure.Click(7).Enter(3, "10");
    EXPECT_EQ(pressure.Box(6), "21.6448");
    EXPECT_EQ(pressure.Box(7), "16.235");
}

TEST(VacuumPage, TextsCarrySixDigits) {
    VacuumHarness v;  // the computed time "12.0077" feeds the capacity
    v.Click(1).Focus(10).Key(vk::kEscape);
    EXPECT_EQ(v.Box(0), "499.999");
}

TEST(VacuumPage, PairsConvertAndFeedTheFormulaThroughTheText) {
    VacuumHarness v;
    v.Enter(7, "760");
    EXPECT_EQ(v.Box(6), "1013.25");
    EXPECT_EQ(v.Box(3), "0");  // p = p0: no time needed
    v.Enter(6, "1013.25");
    EXPECT_EQ(v.Box(7), "760.002");
    v.Enter(6, "10").Enter(1, "30");
    EXPECT_EQ(v.Box(0), "500");
    EXPECT_EQ(v.Box(3), "12.0077");
    v.Enter(1, "60");
    EXPECT_EQ(v.Box(0), "1000");
    EXPECT_EQ(v.Box(3), "6.00383");
}

TEST(VacuumPage, ComputedBoxesAreOverwritten) {
    VacuumHarness v;
    v.Key(vk::k0 + 9);  // focus is in the computed time box
    EXPECT_EQ(v.Box(2), "720.46");
    EXPECT_EQ(v.Box(3), "12.0077");
    v.Focus(10).Type("5");  // a box without a unit: nothing there, still computed
    EXPECT_EQ(v.Box(10), "");
    EXPECT_EQ(v.Box(3), "12.0077");
}

// Each mode computes its own pair of rows: read-only boxes and disabled buttons there,
// and the focus in the first box that is not computed. A click on either button of a
// pair selects it. (The start mode, the time, is the start state's.)
TEST(VacuumPage, EachModeLocksItsOwnPair) {
    for (const int button : {0, 1, 4, 5, 6, 7}) {
        VacuumHarness v;
        v.Click(button);
        const int pair = button / 2;
        for (int r = 0; r < 8; ++r) {
            EXPECT_EQ(v.window.ReadOnly(r), r / 2 == pair) << button << " row " << r;
            EXPECT_EQ(v.window.Enabled(r), r / 2 != pair) << button << " row " << r;
        }
        EXPECT_EQ(v.window.FocusedId(), BoxId(pair == 0 ? 2 : 0)) << button;
    }
}

TEST(VacuumPage, SelectingAModeMovesFocusWithoutRefresh) {
    VacuumHarness v;
    v.Click(6);
    EXPECT_EQ(v.Vacuum().Mode(), VacuumPage::Quantity::kPressure);
    EXPECT_TRUE(v.window.ReadOnly(6));
    EXPECT_TRUE(v.window.ReadOnly(7));
    EXPECT_FALSE(v.window.ReadOnly(2));
    EXPECT_FALSE(v.window.Enabled(6));
    EXPECT_TRUE(v.window.Enabled(2));
    EXPECT_EQ(v.window.FocusedId(), BoxId(0));
    EXPECT_EQ(v.Box(6), "10");  // unchanged until the next key
    EXPECT_EQ(v.Entry(), "600");
    v.Click(0);
    EXPECT_EQ(v.window.FocusedId(), BoxId(2));
    v.Click(0);  // disabled now: nothing happens
    EXPECT_EQ(v.Vacuum().Mode(), VacuumPage::Quantity::kCapacity);
    v.Click(9);  // buttons beyond the pairs are inert
    EXPECT_EQ(v.Vacuum().Mode(), VacuumPage::Quantity::kCapacity);
}

TEST(VacuumPage, DegenerateInputsFollowIeeeArithmetic) {
    using namespace pumpdown;
    EXPECT_EQ(FormatNumber(PumpDownTime(1000, 2000, 500)), "-1.76796");
    EXPECT_EQ(FormatNumber(PumpDownTime(1000, kStartPressure, 500)), "0");
    EXPECT_EQ(FormatNumber(PumpCapacity(1000, 10, kStartPressure)), "0");
    EXPECT_EQ(FormatNumber(PumpDownVolume(10, 500, kStartPressure)), "INF");
    EXPECT_EQ(FormatNumber(PumpDownTime(1000, 0, 500)), "INF");
    // Where p0 / p overflows, the logarithm does not: ln p0 - ln p.
    EXPECT_EQ(FormatNumber(PumpDownTime(1000, 5e-306, 500)), "1845.75");
    EXPECT_EQ(FormatNumber(PumpDownTime(1000, 5e-324, 500)), "1953.54");
    EXPECT_EQ(FormatNumber(PumpDownTime(1000, HUGE_VAL, 500)), "-INF");  // ln 0, not NaN
    EXPECT_EQ(FormatNumber(PumpDownTime(1000, -5, 500)), "NAN");
    EXPECT_EQ(FormatNumber(PumpDownTime(1000, 10, 0)), "INF");
    EXPECT_EQ(FormatNumber(PumpCapacity(1000, 0, 10)), "INF");
    EXPECT_EQ(FormatNumber(FinalPressure(10, 500, 0)), "0");

    VacuumHarness v;  // and on the page, without any message
    v.Enter(6, "0");
    EXPECT_EQ(v.Box(3), "INF");
    v.Enter(6, "5").Key(vk::kOemMinus);
    EXPECT_EQ(v.Box(3), "NAN");
}

TEST(VacuumPage, LabelsStayButCaptionsFollowTheLanguage) {
    VacuumHarness v;
    EXPECT_EQ(v.window.Caption(0), "l/min");
    EXPECT_EQ(v.window.Caption(13), " ");
    v.ClickFlag(kTurkish);
    EXPECT_EQ(v.window.Caption(0), "litre/dakika");
    EXPECT_EQ(v.window.Caption(13), "");
    EXPECT_EQ(v.Box(2), "720.46");
}

}  // namespace
}  // namespace tevrimo
