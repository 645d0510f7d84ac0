// SPDX-License-Identifier: MIT
#include "main_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QRegion>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <cstdio>

#include "accessibility.h"
#include "category_tab_ctrl.h"
#include "dialog_units.h"
#include "page_widget.h"
#include "profile.h"
#include "tevrimo_version.h"
#include "unit_finder.h"
#include "user_text.h"

// The pictures are compiled into the library; make sure they are linked in.
static void InitResources() {
    Q_INIT_RESOURCE(tevrimo);
}

namespace tevrimo {

namespace {

constexpr char kSection[] = "Settings";

// Template sizes in dialog units.
constexpr int kWindowWidth = 332, kWindowHeight = 284;
constexpr int kTabX = 3, kTabY = 4, kTabWidth = 326, kTabHeight = 234;
constexpr int kBannerX = 3, kBannerY = 242;
constexpr int kBannerWidth = 490, kBannerHeight = 61;  // pixels

QFont DialogFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(8);
    return font;
}

}  // namespace

bool ReportsWindowPositions(const QString& platformName) {
    return !platformName.startsWith(QLatin1String("wayland"));
}

QPoint PlaceOnScreens(long long x, long long y, QSize size, const QList<QRect>& screens) {
    const long long w = size.width(), h = size.height();
    // The screen holding most of the window, computed in 64 bits: the profile may hold
    // any int.
    const QRect* best = nullptr;
    long long bestArea = 0;
    for (const QRect& s : screens) {
        const long long left = std::max<long long>(x, s.x());
        const long long right =
            std::min<long long>(x + w, s.x() + static_cast<long long>(s.width()));
        const long long top = std::max<long long>(y, s.y());
        const long long bottom =
            std::min<long long>(y + h, s.y() + static_cast<long long>(s.height()));
        const long long area = right > left && bottom > top ? (right - left) * (bottom - top) : 0;
        if (area > bestArea) {
            best = &s;
            bestArea = area;
        }
    }
    if (!best) return {0, 0};  // on no screen: it could never be reached
    // It overlaps a screen, so its corners lie well within the range of int.
    const QRect window(static_cast<int>(x), static_cast<int>(y), size.width(), size.height());
    QRegion screenArea;
    for (const QRect& s : screens) screenArea += s;
    if (screenArea.intersected(window) == QRegion(window)) return window.topLeft();
    const auto fit = [](int pos, int length, int start, int room) {
        return length >= room ? start : std::clamp(pos, start, start + room - length);
    };
    return {fit(window.x(), window.width(), best->x(), best->width()),
            fit(window.y(), window.height(), best->y(), best->height())};
}

MainDialog::MainDialog(Profile& profile, QString applicationName)
    : m_profile(profile), m_applicationName(std::move(applicationName)) {
    InitResources();
    InstallAccessibility();
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral(TEVRIMO_WINDOW_CAPTION));
    setAccessibleName(windowTitle());
    setFont(DialogFont());
    m_icon.addFile(QStringLiteral(":/images/icon_16.png"));
    m_icon.addFile(QStringLiteral(":/images/icon_32.png"));
    m_icon.addFile(QStringLiteral(":/images/icon_48.png"));
    m_icon.addFile(QStringLiteral(":/images/icon_64.png"));
    m_icon.addFile(QStringLiteral(":/images/icon_128.png"));
    m_icon.addFile(QStringLiteral(":/images/icon_256.png"));

    const DialogUnits units = DialogUnits::OfFont(font());
    m_tabs = new CategoryTabCtrl(this);
    m_tabs->setGeometry(units.Rect(kTabX, kTabY, kTabWidth, kTabHeight));

    m_banner = new PressablePicture(this);
    m_banner->setAttribute(Qt::WA_TransparentForMouseEvents);  // presses reach the window
    m_banner->setAccessibleName(QString::fromLatin1(kHomePage));
    m_banner->press = [this] { OpenHomePage(); };
    m_banner->setGeometry(units.X(kBannerX), units.Y(kBannerY), kBannerWidth, kBannerHeight);
    m_banner->setCursor(Qt::PointingHandCursor);

    m_finder = new UnitFinder(this);
    connect(m_finder, &UnitFinder::unitChosen, this, &MainDialog::ShowUnit);
    connect(m_tabs, &CategoryTabCtrl::findUnitRequested, this, &MainDialog::OpenFinder);
    AddWindowKeys();

    const int width =
        std::max(units.X(kWindowWidth), m_banner->geometry().right() + units.X(kBannerX) + 1);
    const int height =
        std::max(units.Y(kWindowHeight), m_banner->geometry().bottom() + units.Y(4) + 1);
    setFixedSize(width, height);

    OnInitDialog();
}

void MainDialog::OnInitDialog() {
    LoadSettings();
    setWindowIcon(m_icon);
    for (int i = 0; i < 3; ++i)
        m_bannerBitmaps[static_cast<std::size_t>(i)] = BannerPixmap(129 + i, devicePixelRatioF());
    ShowBanner(0);
    for (int i = 0; i < kCategoryCount; ++i)
        m_tabs->InsertCategory(
            i, QString::fromUtf8(Category(i).tabCaption.data(),
                                 static_cast<qsizetype>(Category(i).tabCaption.size())));
    m_tabs->CreatePages(m_curTab);
    m_tabs->SetLanguage(m_curLang);
    m_bannerPhase = 1;
    connect(&m_timer, &QTimer::timeout, this, &MainDialog::OnTimer);
    m_timer.start(kBannerPeriodMs);
}

void MainDialog::EnterValue(std::string_view text) {
    m_tabs->CurrentPage()->Logic().TypeEntry(text);
}

void MainDialog::LoadSettings() {
    m_xPos = m_profile.GetInt(kSection, "xpos", 0);
    m_yPos = m_profile.GetInt(kSection, "ypos", 0);
    m_curTab = m_profile.GetInt(kSection, "curtab", 0);
    m_curLang = m_profile.GetInt(kSection, "curlang", 0);
    // A tab the program does not have shows the first one.
    if (m_curTab < 0 || m_curTab >= kCategoryCount) m_curTab = 0;
    // A window partly off the screens moves onto one; one entirely off them to (0, 0).
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) screens << screen->availableGeometry();
    if (!screens.isEmpty()) {
        const QPoint place = PlaceOnScreens(m_xPos, m_yPos, size(), screens);
        m_xPos = place.x();
        m_yPos = place.y();
    }
    move(m_xPos, m_yPos);
}

void MainDialog::SaveSettings() {
    if (m_saved) return;
    m_saved = true;
    if (ReportsWindowPositions(QGuiApplication::platformName())) {
        const QPoint position = pos();
        m_xPos = position.x();
        m_yPos = position.y();
    } else {
        // The window system keeps the position to itself: keep what the profile held.
        m_xPos = m_profile.GetInt(kSection, "xpos", 0);
        m_yPos = m_profile.GetInt(kSection, "ypos", 0);
    }
    const SaveResult saved = m_profile.WriteInts(kSection, {{"xpos", m_xPos},
                                                            {"ypos", m_yPos},
                                                            {"curtab", m_tabs->SelectedTab()},
                                                            {"curlang", m_tabs->GetLanguage()}});
    // The exit stays a normal one; the user learns why the settings were not kept.
    if (!saved) {
        std::fprintf(stderr, "tevrimo: settings not saved to %s: %s\n",
                     Quoted(m_profile.Path()).c_str(), saved.reason.c_str());
        std::fflush(stderr);
    } else if (!saved.warning.empty()) {
        std::fprintf(stderr, "tevrimo: settings saved to %s, but %s\n",
                     Quoted(m_profile.Path()).c_str(), saved.warning.c_str());
        std::fflush(stderr);
    }
}

void MainDialog::closeEvent(QCloseEvent* event) {
    m_timer.stop();
    SaveSettings();
    event->accept();
}

void MainDialog::keyPressEvent(QKeyEvent* event) {
    // Enter and Esc never close the window, wherever the focus is.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    // Alt+F4 closes the window even where no window manager does that for us.
    if (event->key() == Qt::Key_F4 && (event->modifiers() & Qt::AltModifier)) {
        event->accept();
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool MainDialog::event(QEvent* event) {
    // The window frame is known once the window is on screen: keep all of it on one
    // screen too, the first time only.
    if (event->type() == QEvent::WindowActivate && !m_placedWithFrame) {
        m_placedWithFrame = true;
        const QRect frame = frameGeometry();
        if (frame.size() != size() && ReportsWindowPositions(QGuiApplication::platformName())) {
            QList<QRect> screens;
            for (const QScreen* screen : QGuiApplication::screens())
                screens << screen->availableGeometry();
            const QPoint place = PlaceOnScreens(frame.x(), frame.y(), frame.size(), screens);
            if (!screens.isEmpty() && place != frame.topLeft()) move(place);
        }
    }
    return QWidget::event(event);
}

void MainDialog::AddWindowKeys() {
    const auto add = [this](const QKeySequence& keys, auto action) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    add(QKeySequence(Qt::ALT | Qt::Key_PageDown), [this] { m_tabs->PressNextTab(false); });
    add(QKeySequence(Qt::ALT | Qt::Key_PageUp), [this] { m_tabs->PressNextTab(true); });
    for (int k = 0; k < kLanguageCount; ++k) {
        add(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_1 + k)),
            [this, k] { m_tabs->CurrentPage()->ClickFlag(k); });
    }
    add(QKeySequence(Qt::ALT | Qt::Key_G), [this] { OpenFinder(); });
}

void MainDialog::OpenFinder() {
    const QRect area = m_tabs->DisplayArea();
    const QPoint top = m_tabs->mapToGlobal(QPoint(area.center().x(), area.top() + 4));
    m_finder->Open(m_tabs->CurrentPage()->ShownLanguage(), top, area.width() * 2 / 3);
}

void MainDialog::ShowUnit(int tabIndex, int row) {
    if (tabIndex < 0 || tabIndex >= kCategoryCount) return;
    m_tabs->PressTab(tabIndex);
    if (row >= 0 && row < kRowCount) m_tabs->CurrentPage()->FocusBox(row);
}

void MainDialog::ShowBanner(int index) {
    m_banner->setPixmap(m_bannerBitmaps[static_cast<std::size_t>(index)]);
}

void MainDialog::OnTimer() {
    if (++m_bannerPhase > 4) m_bannerPhase = 1;
    if (m_bannerPhase <= 3) ShowBanner(m_bannerPhase - 1);
}

void MainDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton &&
        m_banner->geometry().contains(event->position().toPoint())) {
        OpenHomePage();
    }
    QWidget::mousePressEvent(event);
}

void MainDialog::OpenHomePage() {
    if (!m_openUrl(QUrl(QString::fromLatin1(kHomePage)))) {
        QMessageBox box(QMessageBox::Warning, m_applicationName, BrowserFailureText(),
                        QMessageBox::Ok, this);
        box.exec();
    }
}

}  // namespace tevrimo
