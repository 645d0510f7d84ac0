// SPDX-License-Identifier: MIT
// A picture that does something when pressed: a flag, the banner. The press comes from
// its parent's mouse handling or from assistive technology, which sees a flag as a
// radio button and the banner as a link.
#pragma once

#include <QLabel>
#include <functional>

namespace tevrimo {

class PressablePicture : public QLabel {
    Q_OBJECT
  public:
    explicit PressablePicture(QWidget* parent);

    std::function<void()> press;
    std::function<bool()> checked;  // flags: whether it is the page's language
};

}  // namespace tevrimo
