// SPDX-License-Identifier: MIT
#include "vacuum_page.h"

namespace tevrimo {

void VacuumPage::OnInitDialog() {
    ShowStartLook();
    static constexpr const char* kStartTexts[] = {"500", "30", "600", "10", "1000", "1", "10"};
    for (int r = 0; r < 7; ++r) SetText(r, kStartTexts[r]);
    SetText(7, FormatNumber(m_table.Pair(6, 7).Apply(10)));
    Select(pumpdown::kStartMode);  // the template's read-only and disabled controls
    MoveFocus(PageFocus::Box(2));
    m_entry = "600";
    Refresh();
}

void VacuumPage::OnButtonClicked(int row) {
    if (const auto q = pumpdown::QuantityOfRow(row)) SelectMode(*q);
}

void VacuumPage::SelectMode(Quantity computed) {
    Select(computed);
    Render();
}

void VacuumPage::Select(Quantity computed) {
    const pumpdown::QuantityRows rows = pumpdown::Rows(computed);
    const auto isComputed = [&rows](int r) { return r == rows.first || r == rows.second; };
    constexpr int kModeRows = 2 * static_cast<int>(pumpdown::kQuantities.size());
    for (int r = 0; r < kModeRows; ++r) SetReadOnly(r, isComputed(r));
    for (int r = 0; r < kModeRows; ++r) SetEnabled(r, !isComputed(r));
    // The focus goes to the first box that is not computed.
    int focus = 0;
    while (isComputed(focus)) ++focus;
    MoveFocus(PageFocus::Box(focus));
    m_state.vacuumMode = computed;
}

// A quantity as the page reads it: from its box in the formula's unit.
double VacuumPage::Input(Quantity q) const {
    return ParseNumber(m_state.texts[static_cast<std::size_t>(pumpdown::Rows(q).formula)]);
}

void VacuumPage::AfterRowWrites() {
    // The three inputs, read from their boxes in row order; the computed quantity's own
    // box is not read.
    pumpdown::Inputs in;
    double* const fields[] = {&in.capacity, &in.time, &in.volume, &in.pressure};
    for (std::size_t i = 0; i < pumpdown::kQuantities.size(); ++i) {
        const Quantity q = pumpdown::kQuantities[i];
        if (q != Mode()) *fields[i] = Input(q);
    }
    const pumpdown::Values values = pumpdown::Compute(Mode(), in);
    const pumpdown::QuantityRows rows = pumpdown::Rows(Mode());
    SetText(rows.first, FormatNumber(values.first));
    SetText(rows.second, FormatNumber(values.second));
}

}  // namespace tevrimo
