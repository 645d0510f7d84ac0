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
    using namespace pumpdown;
    switch (m_mode) {
        case kComputeCapacity: {
            const double t = Input(kTimeBox), v = Input(kVolumeBox), p = Input(kPressureBox);
            const double s = PumpCapacity(v, t, p);
            WritePair(BoxId(0), s,
                      ApplyStep(StepOp::kDivide, ApplyStep(StepOp::kMultiply, s, kMinute),
                                kLitresPerCubicMetre));
            break;
        }
        case kComputeTime: {
            const double s = Input(kCapacityBox), v = Input(kVolumeBox), p = Input(kPressureBox);
            const double t = PumpDownTime(v, p, s);
            WritePair(BoxId(2), ApplyStep(StepOp::kMultiply, t, kMinute), t);
            break;
        }
        case kComputeVolume: {
            const double s = Input(kCapacityBox), t = Input(kTimeBox), p = Input(kPressureBox);
            const double v = PumpDownVolume(t, s, p);
            WritePair(BoxId(4), v, ApplyStep(StepOp::kDivide, v, kLitresPerCubicMetre));
            break;
        }
        case kComputePressure: {
            const double s = Input(kCapacityBox), t = Input(kTimeBox), v = Input(kVolumeBox);
            const double p = FinalPressure(t, s, v);
            WritePair(BoxId(6), p, ApplyStep(StepOp::kDivide, p, kMbarPerTorr));
            break;
        }
        default: break;
    }
}

}  // namespace tevrimo
