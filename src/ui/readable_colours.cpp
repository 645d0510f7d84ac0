// SPDX-License-Identifier: MIT
#include "readable_colours.h"

#include <algorithm>
#include <cmath>

namespace tevrimo {

namespace {

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
    return 0.2126 * Linear(c.redF()) + 0.7152 * Linear(c.greenF()) + 0.0722 * Linear(c.blueF());
}

// `c` mixed with `d`: t = 0 gives c, t = 1 gives d.
QColor Mix(const QColor& c, const QColor& d, double t) {
    const auto mix = [t](float a, float b) { return static_cast<float>(a + (b - a) * t); };
    return QColor::fromRgbF(mix(c.redF(), d.redF()), mix(c.greenF(), d.greenF()),
                            mix(c.blueF(), d.blueF()));
}

// `c` as it looks drawn on the opaque `background`.
QColor Opaque(const QColor& c, const QColor& background) {
    if (c.alpha() == 255) return c;
    const QColor solid = QColor::fromRgbF(c.redF(), c.greenF(), c.blueF());
    return Mix(background.toRgb(), solid, c.alphaF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const QColor back = Opaque(b.toRgb(), QColor(Qt::white));
    const double la = Luminance(Opaque(a.toRgb(), back)), lb = Luminance(back);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& colour, const QColor& background, const QColor& strong,
                  double ratio) {
    const QColor back = Opaque(background.toRgb(), QColor(Qt::white));
    const QColor from = Opaque(colour.toRgb(), back);
    const QColor to = Opaque(strong.toRgb(), back);
    if (ContrastRatio(from, back) >= ratio) return colour;
    constexpr int kSteps = 64;
    for (int i = 1; i <= kSteps; ++i) {
        const QColor c = Mix(from, to, static_cast<double>(i) / kSteps);
        if (ContrastRatio(c, back) >= ratio) return c;
    }
    return to;
}

QColor ShadedFace(const QColor& background) {
    return background.toRgb().lighter(130);
}

QPalette ReadableDisabledTexts(const QPalette& palette) {
    QPalette out;
    const struct {
        QPalette::ColorRole text, background;
    } pairs[] = {{QPalette::ButtonText, QPalette::Button},
                 {QPalette::WindowText, QPalette::Window},
                 {QPalette::Text, QPalette::Base}};
    for (const auto& p : pairs) {
        const QColor back = palette.color(QPalette::Disabled, p.background);
        const QColor strong = palette.color(QPalette::Active, p.text);
        // Readable on the face whichever way the style shades it: first on the shaded
        // face, then (moving on toward the strong text) on the flat one.
        const QColor onFace =
            ReadableOn(palette.color(QPalette::Disabled, p.text), ShadedFace(back), strong);
        out.setColor(QPalette::Disabled, p.text, ReadableOn(onFace, back, strong));
    }
    return out;
}

QPalette ReadOnlyBoxColours(const QPalette& palette) {
    QPalette out;
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor back = palette.color(g, QPalette::Window);
        out.setColor(g, QPalette::Base, back);
        out.setColor(g, QPalette::Text,
                     ReadableOn(palette.color(g, QPalette::Text), back,
                                palette.color(QPalette::Active, QPalette::WindowText)));
    }
    return out;
}

}  // namespace tevrimo
