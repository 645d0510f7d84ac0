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

}  // namespace tevrimo
