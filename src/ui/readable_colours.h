// SPDX-License-Identifier: MIT
// Greyed and read-only texts drawn in colours of the palette, made just dark (or light)
// enough to stay readable: a contrast of at least 4.5:1 against their background, in
// light and dark palettes alike.
#pragma once

#include <QColor>
#include <QPalette>

namespace tevrimo {

inline constexpr double kReadableContrast = 4.5;

// The contrast ratio of two colours, 1 to 21, from their relative luminance (the sRGB
// formula of the web's accessibility guidelines). Translucent colours count as drawn
// on `b`.
double ContrastRatio(const QColor& a, const QColor& b);

// `colour` drawn on `background`, moved toward `strong` just far enough to reach
// `ratio`; `strong` when even that does not reach it.
QColor ReadableOn(const QColor& colour, const QColor& background, const QColor& strong,
                  double ratio = kReadableContrast);

// The lighter face a style may draw in place of a flat `background`: Fusion shades a
// button up to about a quarter lighter than the palette's Button colour, which on a
// dark palette brings it closer to light text.
QColor ShadedFace(const QColor& background);

// Only the roles a page sets on top of `palette`: the disabled group's ButtonText,
// WindowText and Text, each readable on its own background (Button, Window, Base) and
// on that background's shaded face.
QPalette ReadableDisabledTexts(const QPalette& palette);

// Only the roles a read-only value box sets on top of `palette`: the window's colour
// behind the text, as Qt shows a box that cannot be typed into, and a text readable on it.
QPalette ReadOnlyBoxColours(const QPalette& palette);

}  // namespace tevrimo
