// The vacuum page: rows convert within their unit pair, and the page computes one of
// capacity, time, volume or final pressure from the other three.
#pragma once

#include "conversion_page.h"

namespace tevrimo {

enum PumpDownMode : int {
    kComputeCapacity = 1,
    kComputeTime = 2,
    kComputeVolume = 3,
    kComputePressure = 4,
};

class VacuumPage : public ConversionPage {
  public:
    using ConversionPage::ConversionPage;

    void OnButtonClicked(int buttonId) override;
    void SelectMode(int mode);
    int Mode() const { return m_mode; }

  protected:
    void OnInitDialog() override;
    void AfterRowWrites() override;

  private:
    double Input(int boxId) const;
    void WritePair(int firstBoxId, double first, double second);

    int m_mode = kComputeTime;
};

}  // namespace tevrimo
