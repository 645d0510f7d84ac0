// SPDX-License-Identifier: MIT
// What assistive technology sees of the window: the window as a dialog named with its
// caption, the flags as radio buttons, the category tabs as page tabs whose press does
// what a left-button press does, and the banner as a link to the address it opens.
#pragma once

#include <QLabel>
#include <functional>

namespace tevrimo {

// A picture that does something when pressed: a flag, the banner. The press comes from
// its parent's mouse handling or from assistive technology.
class PressablePicture : public QLabel {
    Q_OBJECT
  public:
    explicit PressablePicture(QWidget* parent) : QLabel(parent) {}

    std::function<void()> press;
    std::function<bool()> checked;  // flags: whether it is the page's language
};

// Installs the interfaces above (once).
void InstallAccessibility();

}  // namespace tevrimo
