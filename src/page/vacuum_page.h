// SPDX-License-Identifier: MIT
// The vacuum page: rows convert within their unit pair, and the page computes one of
// capacity, time, volume or final pressure from the other three.
#pragma once

#include "conversion_page.h"
#include "pumpdown.h"

namespace tevrimo {

class VacuumPage : public ConversionPage {
  public:
    using Quantity = pumpdown::Quantity;
    using ConversionPage::ConversionPage;

    // A mode button: the buttons of a quantity's two rows make it the computed one.
    void OnButtonClicked(int row) override;
    void SelectMode(Quantity computed);
    Quantity Mode() const { return m_state.vacuumMode; }

  protected:
    void OnInitDialog() override;
    void AfterRowWrites() override;

  private:
    // The computed quantity's boxes read-only, its buttons disabled, the focus in the
    // first box that is not computed.
    void Select(Quantity computed);
    double Input(Quantity q) const;
};

}  // namespace tevrimo
