#include "vacuum_page.h"

#include "pumpdown.h"

namespace tevrimo {

namespace {
// Boxes of the formula units: l/min, min, litres, mbar.
constexpr int kCapacityBox = 202;
constexpr int kTimeBox = 205;
constexpr int kVolumeBox = 206;
constexpr int kPressureBox = 208;
constexpr int kModeButtons = 8;  // buttons 104..111 choose the mode
}  // namespace

void VacuumPage::OnInitDialog() {
    SetFlagPictures(136, 133, 138, 139);
    static constexpr const char* kStartTexts[] = {"500", "30", "600", "10", "1000", "1", "10"};
    for (int r = 0; r < 7; ++r) m_window.SetBoxText(BoxId(r), kStartTexts[r]);
    m_window.SetBoxText(BoxId(7), FormatNumber(m_table.Pair(6, 7).Apply(10)));
    SelectMode(kComputeTime);  // the template's read-only and disabled controls
    m_window.SetFocus(BoxId(2));
    m_entry = "600";
    Refresh();
}

void VacuumPage::OnButtonClicked(int buttonId) {
    const int row = buttonId - kFirstButtonId;
    if (row >= 0 && row < kModeButtons) SelectMode(row / 2 + 1);
}

void VacuumPage::SelectMode(int mode) {
    const int first = (mode - 1) * 2;  // first row of the computed pair
    for (int r = 0; r < kModeButtons; ++r) {
        m_window.SetReadOnly(BoxId(r), r == first || r == first + 1);
    }
    for (int r = 0; r < kModeButtons; ++r) {
        m_window.SetEnabled(ButtonId(r), !(r == first || r == first + 1));
    }
    m_window.SetFocus(mode == kComputeCapacity ? BoxId(2) : BoxId(0));
    m_mode = mode;
}

double VacuumPage::Input(int boxId) const {
    return ParseNumber(m_window.BoxText(boxId));
}

void VacuumPage::WritePair(int firstBoxId, double first, double second) {
    m_window.SetBoxText(firstBoxId, FormatNumber(first));
    m_window.SetBoxText(firstBoxId + 1, FormatNumber(second));
}

void VacuumPage::AfterRowWrites() {
    // The three inputs, read from their boxes in ascending order; the computed
    // quantity's own box is not read.
    const auto input = [this](int boxId, int computedMode) {
        return m_mode == computedMode ? 0.0 : Input(boxId);
    };
    const double s = input(kCapacityBox, kComputeCapacity);
    const double t = input(kTimeBox, kComputeTime);
    const double v = input(kVolumeBox, kComputeVolume);
    const double p = input(kPressureBox, kComputePressure);
    const pumpdown::RowPair pair = pumpdown::ComputedPair(m_mode, s, t, v, p);
    WritePair(BoxId((m_mode - 1) * 2), pair.first, pair.second);
}

}  // namespace tevrimo
