// SPDX-License-Identifier: MIT
#include "pictures.h"

namespace tevrimo {

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
