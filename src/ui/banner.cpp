// SPDX-License-Identifier: MIT
#include "banner.h"

#include <QDesktopServices>
#include <QPixmap>

#include "pictures.h"

namespace tevrimo {

QPixmap BannerPixmap(int bitmap, qreal pixelRatio) {
    return Picture(QStringLiteral("banner%1").arg(bitmap - 128), pixelRatio);
}

QString BrowserFailureText() {
    return QString::fromUtf8(
        "Internet sayfası açılamadı.\n"
        "Lütfen bilgisayarınıza bir internet browser programı yükleyin.\n"
        "\n"
        "Bilgi için Tel.: +90 312 555 01 00\n"
        "www.tevrimo.example\n"
        "bilgi@tevrimo.example\n"
        "\n"
        "Tevrimo Yazılım");
}

UrlOpener DefaultUrlOpener() {
    return [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

}  // namespace tevrimo
