// SPDX-License-Identifier: MIT
// Dialog units: template coordinates scaled by a font's average character width
// (x / 4) and height (y / 8), so layouts keep their proportions whatever the font.
#pragma once

#include <QFont>
#include <QRect>

namespace tevrimo {

struct DialogUnits {
    double baseX = 6;   // pixels per 4 horizontal units
    double baseY = 13;  // pixels per 8 vertical units

    static DialogUnits OfFont(const QFont& font);

    int X(int units) const { return static_cast<int>(units * baseX / 4 + 0.5); }
    int Y(int units) const { return static_cast<int>(units * baseY / 8 + 0.5); }
    QRect Rect(int x, int y, int width, int height) const {
        return QRect(X(x), Y(y), X(x + width) - X(x), Y(y + height) - Y(y));
    }
};

}  // namespace tevrimo
