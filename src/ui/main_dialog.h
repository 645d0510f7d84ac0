// SPDX-License-Identifier: MIT
// The program's window: the category tabs and the banner.
// Its position, the selected tab and the visible page's language persist in the
// profile.
#pragma once

#include <QIcon>
#include <QTimer>
#include <QWidget>
#include <array>
#include <string_view>

#include "banner.h"
#include "pressable_picture.h"

class QLabel;

namespace tevrimo {

class CategoryTabCtrl;
class Profile;
class UnitFinder;

// Whether the window system of Qt platform `platformName` reports and sets window
// positions; Wayland does neither.
bool ReportsWindowPositions(const QString& platformName);

// Where a window of `size` saved at (`x`, `y`) opens on screens with the usable areas
// `screens`: where it was when it lies wholly on them; else moved just enough to lie
// wholly on the screen that holds most of it (its top-left corner on that screen when
// it is the larger); at (0, 0) when it lies on none of them.
QPoint PlaceOnScreens(long long x, long long y, QSize size, const QList<QRect>& screens);

class MainDialog : public QWidget {
    Q_OBJECT
  public:
    MainDialog(Profile& profile, QString applicationName);

    CategoryTabCtrl& Tabs() { return *m_tabs; }
    QLabel& Banner() { return *m_banner; }
    void SetUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }

    // Shows category `tabIndex` as a left-button press on its tab does (language carried
    // over, focus into the page; nothing switches when it is shown already) and puts the
    // focus in its value box `row` (-1: where the page puts it). The unit finder's choice
    // and the start at a unit; a tab out of range does nothing.
    void ShowUnit(int tabIndex, int row);
    // Enters `text` in the focused box of the visible page as if it had been typed there.
    void EnterValue(std::string_view text);
    // Alt+G: the unit finder over the page shown, in the page's language.
    void OpenFinder();
    UnitFinder& Finder() { return *m_finder; }

    // One tick of the banner timer.
    void OnTimer();
    // What a click on the banner does: open the home page, or say why not.
    void OpenHomePage();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void OnInitDialog();
    void LoadSettings();
    void SaveSettings();
    void ShowBanner(int index);
    // The keys the window handles before any page sees them (all with Alt).
    void AddWindowKeys();

    Profile& m_profile;
    QString m_applicationName;
    CategoryTabCtrl* m_tabs = nullptr;
    PressablePicture* m_banner = nullptr;
    UnitFinder* m_finder = nullptr;
    int m_yPos = 0, m_xPos = 0;
    int m_bannerPhase = 1;
    int m_curTab = 0, m_curLang = 0;
    QIcon m_icon;
    std::array<QPixmap, 3> m_bannerBitmaps;
    QTimer m_timer;
    UrlOpener m_openUrl = DefaultUrlOpener();
    bool m_saved = false;
    bool m_placedWithFrame = false;
};

}  // namespace tevrimo
