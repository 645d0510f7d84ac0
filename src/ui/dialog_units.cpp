// SPDX-License-Identifier: MIT
#include "dialog_units.h"

#include <QFontMetricsF>

namespace tevrimo {

DialogUnits DialogUnits::OfFont(const QFont& font) {
    const QFontMetricsF metrics(font);
    static const QString kLetters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {metrics.horizontalAdvance(kLetters) / kLetters.size(), metrics.height()};
}

QPixmap Picture(const QString& name, qreal pixelRatio) {
    if (pixelRatio > 1) {
        QPixmap sharp(QStringLiteral(":/images/%1@2x.png").arg(name));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return QPixmap(QStringLiteral(":/images/%1.png").arg(name));
}

}  // namespace tevrimo
