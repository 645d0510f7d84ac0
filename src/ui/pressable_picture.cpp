// SPDX-License-Identifier: MIT
#include "pressable_picture.h"

namespace tevrimo {

PressablePicture::PressablePicture(QWidget* parent) : QLabel(parent) {}

}  // namespace tevrimo
