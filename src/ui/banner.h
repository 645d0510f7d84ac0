// SPDX-License-Identifier: MIT
// The banner below the tabs: three pictures in a forty-second rotation, and a link to
// the program's home page.
#pragma once

#include <QLabel>
#include <QUrl>
#include <functional>

namespace tevrimo {

inline constexpr int kBannerPeriodMs = 10000;
inline constexpr char kHomePage[] = "https://www.tevrimo.example/homepage.htm";

// The picture of banner bitmap 129..131, for a screen of `pixelRatio`.
QPixmap BannerPixmap(int bitmap, qreal pixelRatio = 1);

// The failure message when no browser opens the home page.
QString BrowserFailureText();

// Opens a web address; returns false when nothing could open it.
using UrlOpener = std::function<bool(const QUrl&)>;
UrlOpener DefaultUrlOpener();

}  // namespace tevrimo
