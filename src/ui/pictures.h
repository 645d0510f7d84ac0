// SPDX-License-Identifier: MIT
// The program's pictures, read from its compiled-in resources.
#pragma once

#include <QPixmap>
#include <QString>

namespace tevrimo {

// The picture ":/images/<name>.png" for a screen of `pixelRatio`: above 1 the drawing
// at twice the size ("<name>@2x.png"), so that it stays as sharp as the text.
QPixmap Picture(const QString& name, qreal pixelRatio);

}  // namespace tevrimo
