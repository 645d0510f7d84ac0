// SPDX-License-Identifier: MIT
// The desktop program driven through real key and mouse events.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <fstream>
#include <memory>
#include <sstream>

#include "category_tab_ctrl.h"
#include "main_dialog.h"
#include "page_texts.h"
#include "page_widget.h"
#include "profile.h"
#include "qt_keys.h"
#include "readable_colours.h"
#include "unit_finder.h"
#include "unit_size_text.h"
#include "vacuum_page.h"

using namespace tevrimo;

namespace {

std::string ReadFile(const QString& path) {
    std::ifstream in(path.toStdString());
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

QString Utf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The texts of a menu's items, and the item whose text starts with `prefix`.
QStringList Items(const QMenu& menu) {
    QStringList items;
    for (QAction* a : menu.actions()) items << a->text();
    return items;
}
QAction* Item(const QMenu& menu, const QString& prefix) {
    for (QAction* a : menu.actions()) {
        if (a->text().startsWith(prefix)) return a;
    }
    return nullptr;
}

}  // namespace

class UiTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_dir;
    std::unique_ptr<Profile> m_profile;
    std::unique_ptr<MainDialog> m_window;

    QString ProfilePath() const { return m_dir.path() + "/tevrimo.INI"; }

    MainDialog& Open() {
        m_profile = std::make_unique<Profile>(ProfilePath().toStdString());
        m_window = std::make_unique<MainDialog>(*m_profile, "tevrimo");
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        [&] { QVERIFY(QTest::qWaitForWindowActive(m_window.get())); }();
        return *m_window;
    }
    void Close() {
        m_window->close();
        m_window.reset();
    }
    PageWidget& Page() { return *m_window->Tabs().CurrentPage(); }
    QString Box(int row) { return Page().Box(row)->text(); }
    void ClickTab(int index) {
        TabStrip* strip = m_window->Tabs().Strip();
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(index).center());
    }

  private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        QFile::remove(ProfilePath());
    }
    void cleanup() {
        if (m_window) Close();
    }

    void firstRunDefaults() {
        MainDialog& w = Open();
        QCOMPARE(w.windowTitle(), QString("Tevrimo v1.00"));
        QCOMPARE(w.pos(), QPoint(0, 0));
        QCOMPARE(w.Tabs().Current(), 0);
        QCOMPARE(w.Tabs().GetLanguage(), int(kTurkish));
        QCOMPARE(w.Tabs().Strip()->count(), 13);
        QCOMPARE(w.Tabs().Strip()->tabText(3), QString("Ağırlık"));
        QCOMPARE(Page().Button(3)->text(), QString("fit"));
        QCOMPARE(QApplication::focusWidget(), Page().Box(0));
        QVERIFY(w.minimumSize() == w.maximumSize());
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    void everyControlLiesInsideTheDisplayArea() {
        MainDialog& w = Open();
        const QRect area = w.Tabs().DisplayArea();
        QVERIFY(w.rect().contains(w.Tabs().geometry()));
        QVERIFY(w.rect().contains(w.Banner().geometry()));
        for (int i = 0; i < kCategoryCount; ++i) {
            PageWidget* page = w.Tabs().Page(i);
            QCOMPARE(page->geometry(), area);
            for (QWidget* child : page->findChildren<QWidget*>()) {
                if (child->parentWidget() != page || child->isHidden()) continue;
                QVERIFY2(
                    page->rect().contains(child->geometry()),
                    qPrintable(QString("tab %1: %2").arg(i).arg(child->metaObject()->className())));
            }
        }
    }

    void typingConvertsFromTheFocusedBox() {
        Open();
        QTest::keyClick(Page().Box(0), Qt::Key_1);
        QCOMPARE(Box(0), QString("1"));
        QCOMPARE(Box(3), QString("3.28084"));
        QTest::keyClick(Page().Box(0), Qt::Key_Slash, Qt::KeypadModifier);
        QTest::keyClick(Page().Box(0), Qt::Key_3, Qt::KeypadModifier);
        QTest::keyClick(Page().Box(0), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(Box(0), QString("0.333333"));
        QTest::keyClick(Page().Box(0), Qt::Key_Minus);  // main keyboard: sign
        QCOMPARE(Box(0), QString("-0.333333"));
        QTest::keyClick(Page().Box(0), Qt::Key_A);  // letters clear
        QCOMPARE(Box(0), QString("0"));
        QCOMPARE(Page().Box(0)->cursorPosition(), 1);
        // Typed characters never reach the box on their own.
        QTest::keyClicks(Page().Box(0), "xyz");
        QCOMPARE(Box(0), QString("0"));
    }

    void tabMovesTheFocusAndEmptiesTheEntry() {
        Open();
        QTest::keyClicks(Page().Box(0), "12");
        QTest::keyClick(Page().Box(0), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Page().Box(1));
        QCOMPARE(Page().Logic().Entry(), std::string());
        QCOMPARE(Box(1), QString("1.2E+011"));  // keeps its text until the next key
        QTest::keyClick(Page().Box(1), Qt::Key_5);
        QCOMPARE(Box(1), QString("5"));
        QTest::keyClick(Page().Box(1), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), Page().Box(0));
        Page().Box(13)->setFocus();
        QTest::keyClick(Page().Box(13), Qt::Key_Tab);  // wraps within the page
        QCOMPARE(QApplication::focusWidget(), Page().Button(0));
    }

    void ctrlCCopiesTheSelection() {
        Open();
        QTest::keyClicks(Page().Box(0), "125");
        QTest::keyClick(Page().Box(0), Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClick(Page().Box(0), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("125"));
        QApplication::clipboard()->setText("999");
        QTest::keyClick(Page().Box(0), Qt::Key_V, Qt::ControlModifier);  // no paste
        QCOMPARE(Box(0), QString("125"));
        QCOMPARE(Box(2), QString("12500"));
    }

    void flagClickChangesCaptionsAndFlags() {
        Open();
        QLabel* german = Page().Flag(2);
        QTest::mouseClick(&Page(), Qt::LeftButton, {}, german->geometry().center());
        QCOMPARE(Page().Logic().Language(), int(kGerman));
        QCOMPARE(Page().Button(3)->text(), QString("Fuß"));
        QCOMPARE(Page().FlagSelected(0), false);
        QCOMPARE(Page().FlagSelected(2), true);
        QVERIFY(!german->pixmap().isNull());
        // Sharp screens get the drawings at twice the size.
        QCOMPARE(FlagPixmap(kGerman, true, 2).size(), QSize(94, 56));
        QCOMPARE(BannerPixmap(129, 2).size(), QSize(980, 122));
        QCOMPARE(m_window->Tabs().Strip()->tabText(0), QString("Uzunluk"));
    }

    void languageTravelsWithATabSwitch() {
        Open();
        QTest::mouseClick(&Page(), Qt::LeftButton, {}, Page().Flag(2)->geometry().center());
        QTest::keyClick(Page().Box(0), Qt::Key_7);
        ClickTab(7);
        QCOMPARE(m_window->Tabs().Current(), 7);
        QCOMPARE(Page().Button(0)->text(), QString("Sekunde"));
        QCOMPARE(Page().Button(5)->text(), QString(""));
        QCOMPARE(Page().FlagSelected(2), true);
        QTest::mouseClick(&Page(), Qt::LeftButton, {}, Page().Flag(3)->geometry().center());
        ClickTab(0);
        QCOMPARE(Page().Button(0)->text(), QString("mètre"));
        QCOMPARE(Box(0), QString("7"));  // the page kept its boxes
        ClickTab(0);                     // the current tab: nothing changes
        QCOMPARE(m_window->Tabs().Current(), 0);
    }

    void keyboardOnTheStripDoesNotSwitch() {
        Open();
        TabStrip* strip = m_window->Tabs().Strip();
        strip->setFocus();
        QTest::keyClick(strip, Qt::Key_Right);
        QCOMPARE(strip->currentIndex(), 1);
        QCOMPARE(m_window->Tabs().Current(), 0);
        QTest::keyClick(strip, Qt::Key_Escape);
        QTest::keyClick(strip, Qt::Key_Return);
        QVERIFY(m_window->isVisible());
    }

    void profileRoundTrip() {
        MainDialog& w = Open();
        w.move(40, 30);
        ClickTab(6);
        QTest::mouseClick(&Page(), Qt::LeftButton, {}, Page().Flag(3)->geometry().center());
        const QPoint saved = w.pos();
        Close();
        const std::string text = ReadFile(ProfilePath());
        QVERIFY2(text.find("[Settings]\nxpos=" + std::to_string(saved.x()) +
                           "\nypos=" + std::to_string(saved.y()) + "\ncurtab=6\ncurlang=3\n") !=
                     std::string::npos,
                 text.c_str());
        MainDialog& again = Open();
        QCOMPARE(again.pos(), saved);
        QCOMPARE(again.Tabs().Current(), 6);
        QCOMPARE(Page().Button(1)->text(), QString("degré celcius"));
    }

    void altF4ClosesAndSaves() {
        Open();
        ClickTab(4);
        QTest::keyClick(Page().Box(0), Qt::Key_F4, Qt::AltModifier);
        QVERIFY(!m_window->isVisible());
        QVERIFY(ReadFile(ProfilePath()).find("curtab=4") != std::string::npos);
    }

    void outOfRangeProfileValues() {
        std::ofstream(ProfilePath().toStdString())
            << "[Settings]\nxpos=-90000\nypos=99999\ncurtab=40\ncurlang=7\n";
        MainDialog& w = Open();
        QCOMPARE(w.pos(), QPoint(0, 0));
        QCOMPARE(w.Tabs().Current(), 0);
        QCOMPARE(w.Tabs().GetLanguage(), 7);
        QCOMPARE(Page().Button(0)->text(), QString("metre"));  // length keeps its start captions
        ClickTab(1);
        QCOMPARE(Page().Button(0)->text(), QString("meter²"));  // template captions
        QCOMPARE(Page().FlagSelected(1), true);
    }

    void corruptProfileGivesDefaults() {
        std::ofstream(ProfilePath().toStdString(), std::ios::binary)
            << std::string("\x00\x01[Settings\xff", 12);
        MainDialog& w = Open();
        QCOMPARE(w.Tabs().Current(), 0);
        QCOMPARE(w.Tabs().GetLanguage(), 0);
        Close();
        QVERIFY(ReadFile(ProfilePath()).find("curtab=0") != std::string::npos);
    }

    void vacuumModes() {
        Open();
        m_window->Tabs().Strip()->setCurrentIndex(12);
        ClickTab(12);
        PageWidget& page = Page();
        QCOMPARE(page.Box(2)->text(), QString("720.46"));
        QVERIFY(page.Box(2)->isReadOnly());
        QVERIFY(!page.Button(2)->isEnabled());
        QTest::mouseClick(page.Button(6), Qt::LeftButton);
        QVERIFY(page.Box(6)->isReadOnly());
        QVERIFY(page.Box(7)->isReadOnly());
        QVERIFY(!page.Box(2)->isReadOnly());
        QVERIFY(!page.Button(7)->isEnabled());
        QVERIFY(page.Button(3)->isEnabled());
        QCOMPARE(QApplication::focusWidget(), page.Box(0));
        QTest::keyClick(page.Box(0), Qt::Key_Escape);  // no pumping: the start pressure stays
        QCOMPARE(page.Box(6)->text(), QString("1013.25"));
        QCOMPARE(page.Box(7)->text(), QString("760.002"));
        QTest::mouseClick(&page, Qt::LeftButton, {}, page.Flag(1)->geometry().center());
        const QList<QLabel*> labels = page.findChildren<QLabel*>();
        QStringList texts;
        for (QLabel* l : labels) texts << l->text();
        QVERIFY(texts.contains("Pompa Kapasitesi:"));
        QVERIFY(texts.contains("Nihai Basinç:"));
        QCOMPARE(page.Button(0)->text(), QString("l/min"));
    }

    void bannerRotationAndLink() {
        MainDialog& w = Open();
        QList<QUrl> opened;
        w.SetUrlOpener([&](const QUrl& url) {
            opened << url;
            return true;
        });
        // Ten-second ticks: 129, 130, 131, 131, 129.
        const QImage pictures[3] = {BannerPixmap(129).toImage(), BannerPixmap(130).toImage(),
                                    BannerPixmap(131).toImage()};
        const int expected[] = {0, 1, 2, 2, 0};
        for (int tick = 0; tick < 5; ++tick) {
            QCOMPARE(w.Banner().pixmap().toImage(), pictures[expected[tick]]);
            w.OnTimer();
        }
        QTest::mouseClick(&w, Qt::LeftButton, {}, w.Banner().geometry().center());
        QCOMPARE(opened, QList<QUrl>{QUrl(kHomePage)});
        QTest::mouseClick(&w, Qt::LeftButton, {}, w.Banner().geometry().topRight() + QPoint(3, 0));
        QCOMPARE(opened.size(), 1);
    }

    void bannerFailureShowsTheTurkishBox() {
        MainDialog& w = Open();
        w.SetUrlOpener([](const QUrl&) { return false; });
        QString shown, caption;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(50, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                caption = box->windowTitle();
                icon = box->icon();
                box->accept();
            }
        });
        QTest::mouseClick(&w, Qt::LeftButton, {}, w.Banner().geometry().center());
        QCOMPARE(shown, BrowserFailureText());
        QCOMPARE(caption, QString("tevrimo"));
        QCOMPARE(icon, QMessageBox::Warning);
        QVERIFY(shown.startsWith("Internet sayfası açılamadı.\nLütfen"));
    }

    void accessibleTreeMatchesWhatTheWindowDoes() {
        MainDialog& w = Open();
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&w);
        QCOMPARE(window->role(), QAccessible::Dialog);
        QCOMPARE(window->text(QAccessible::Name), QString("Tevrimo v1.00"));

        // Flags: radio buttons checked on the page's language; press = click.
        const char* names[] = {"Türkçe", "English", "Deutsch", "Français"};
        for (int k = 0; k < kLanguageCount; ++k) {
            QAccessibleInterface* flag = QAccessible::queryAccessibleInterface(Page().Flag(k));
            QCOMPARE(flag->role(), QAccessible::RadioButton);
            QCOMPARE(flag->text(QAccessible::Name), QString::fromUtf8(names[k]));
            QCOMPARE(flag->state().checked, k == kTurkish);
        }
        QAccessibleInterface* german = QAccessible::queryAccessibleInterface(Page().Flag(2));
        german->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(Page().Button(3)->text(), QString("Fuß"));
        QVERIFY(german->state().checked);
        QVERIFY(!QAccessible::queryAccessibleInterface(Page().Flag(0))->state().checked);

        // A tab's press switches pages as a left-button press does.
        QAccessibleInterface* strip =
            QAccessible::queryAccessibleInterface(m_window->Tabs().Strip());
        QCOMPARE(strip->role(), QAccessible::PageTabList);
        QAccessibleInterface* time = strip->child(7);
        QCOMPARE(time->role(), QAccessible::PageTab);
        QCOMPARE(time->text(QAccessible::Name), QString("Zaman"));
        time->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(m_window->Tabs().Current(), 7);
        QVERIFY(time->state().selected);
        QCOMPARE(Page().Button(0)->text(), QString("Sekunde"));
        QVERIFY(Page().isAncestorOf(QApplication::focusWidget()));
        QVERIFY(QAccessible::queryAccessibleInterface(m_window->Tabs().Page(0))->state().invisible);

        // The banner: a link named with its address that opens it.
        QList<QUrl> opened;
        w.SetUrlOpener([&](const QUrl& url) {
            opened << url;
            return true;
        });
        QAccessibleInterface* banner = QAccessible::queryAccessibleInterface(&w.Banner());
        QCOMPARE(banner->role(), QAccessible::Link);
        QCOMPARE(banner->text(QAccessible::Name), QString(kHomePage));
        banner->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(opened, QList<QUrl>{QUrl(kHomePage)});

        // Nothing that takes the focus goes without a name, and the window holds no button
        // of its own: the pages hold every one.
        for (QWidget* child : w.findChildren<QWidget*>()) {
            if (child->focusPolicy() == Qt::NoFocus || !child->isEnabled()) continue;
            QVERIFY2(
                !QAccessible::queryAccessibleInterface(child)->text(QAccessible::Name).isEmpty(),
                child->metaObject()->className());
        }
        for (QPushButton* b : w.findChildren<QPushButton*>()) {
            QVERIFY(b->parentWidget() != &w);
        }
        QCOMPARE(QAccessible::queryAccessibleInterface(Page().Box(6))->text(QAccessible::Name),
                 QString("keine Einheit"));
    }

    void keyLegendAndMenuFollowTheLanguage() {
        Open();
        const char* words[] = {"Rakamlar", "Digits", "Ziffern", "chiffres"};
        for (int k : {kEnglish, kFrench, kGerman, kTurkish}) {
            QTest::mouseClick(&Page(), Qt::LeftButton, {}, Page().Flag(k)->geometry().center());
            // A value box's tooltip is what its unit is, a line or two that leaves the
            // rows below in sight; the legend is the page's own tooltip.
            QCOMPARE(Page().Box(0)->toolTip(), Page().Button(0)->toolTip());
            QCOMPARE(Page().Box(5)->toolTip().count('\n'), 1);
            QCOMPARE(Page().toolTip(), KeyLegend(k, false));
            QVERIFY(Page().toolTip().contains(QString::fromUtf8(words[k])));
            // Assistive technology finds the legend once, on the page, and what the unit
            // is at each box.
            QAccessibleInterface* page = QAccessible::queryAccessibleInterface(&Page());
            QCOMPARE(page->role(), QAccessible::Pane);
            QCOMPARE(page->text(QAccessible::Description), KeyLegend(k, false));
            QCOMPARE(page->text(QAccessible::Name), Utf8(Page().Table().names[k]));
            QCOMPARE(QAccessible::queryAccessibleInterface(Page().Box(0))
                         ->text(QAccessible::Description),
                     Page().Button(0)->toolTip());
        }
        ClickTab(12);  // the vacuum page explains its mode buttons
        QCOMPARE(Page().toolTip(), KeyLegend(kTurkish, true));
        QVERIFY(KeyLegend(kTurkish, true).startsWith(KeyLegend(kTurkish, false)));
        for (int k = 0; k < kLanguageCount; ++k) {
            QVERIFY(KeyLegend(k, true).contains("t = 1.3 · V/S · ln(1013.25 mbar / p)"));
            QVERIFY(KeyLegend(k, false).contains("Alt+G"));
        }
        // Each vacuum box carries its quantity; the label is tied to the pair's first box.
        QCOMPARE(QAccessible::queryAccessibleInterface(Page().Box(3))->text(QAccessible::Name),
                 QString("Bosaltma Süresi: dakika"));
        QAccessibleInterface* time = QAccessible::queryAccessibleInterface(Page().Box(2));
        const auto labels = time->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels[0].first->text(QAccessible::Name), QString("Bosaltma Süresi:"));

        QTest::mouseClick(&Page(), Qt::LeftButton, {}, Page().Flag(kGerman)->geometry().center());
        QStringList items;
        QTimer::singleShot(50, [&] {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                for (QAction* a : menu->actions()) items << a->text();
                menu->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                Page().Box(0)->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(Page().Box(0), &event);
        QCOMPARE(items,
                 (QStringList{"&Kopieren", "&Zeile kopieren", "&Seite kopieren", "Zahl &einfügen",
                              "", "Alles &auswählen", "", "Einheit s&uchen…\tAlt+G"}));

        QVERIFY(!ReportsWindowPositions("wayland"));
        QVERIFY(!ReportsWindowPositions("wayland-egl"));
        QVERIFY(ReportsWindowPositions("xcb"));
    }

    void altKeysBelongToTheWindow() {
        Open();
        QTest::keyClicks(Page().Box(0), "12");
        QTest::keyClick(Page().Box(0), Qt::Key_3, Qt::AltModifier);  // the German flag
        QCOMPARE(Page().Logic().Language(), int(kGerman));
        QVERIFY(Page().FlagSelected(kGerman));
        // Alt+PageDown and Alt+PageUp press the next and the previous tab, round.
        QTest::keyClick(Page().Box(0), Qt::Key_PageUp, Qt::AltModifier);
        QCOMPARE(m_window->Tabs().Current(), 12);
        QCOMPARE(m_window->Tabs().SelectedTab(), 12);
        QCOMPARE(Page().Logic().Language(), int(kGerman));
        QVERIFY(Page().isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::AltModifier);
        QCOMPARE(m_window->Tabs().Current(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::AltModifier);
        QCOMPARE(m_window->Tabs().Current(), 1);
        QCOMPARE(Page().Button(0)->text(), QString("Meter²"));
        QCOMPARE(m_window->Tabs().Strip()->tabToolTip(1), QString("Fläche"));
        // From the tab strip too; Alt+1 is a click on the Turkish flag.
        m_window->Tabs().Strip()->setFocus();
        QTest::keyClick(m_window->Tabs().Strip(), Qt::Key_PageUp, Qt::AltModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_1, Qt::AltModifier);
        QCOMPARE(m_window->Tabs().Current(), 0);
        QCOMPARE(Page().Button(3)->text(), QString("fit"));
        QCOMPARE(m_window->Tabs().Strip()->tabToolTip(1), QString("Alan"));
        // None of it reached the page: the entry and the boxes are as typed.
        QCOMPARE(Page().Logic().Entry(), std::string("12"));
        QCOMPARE(Box(0), QString("12"));

        // Alt+G opens the finder; Esc closes it and the focus is back where it was.
        QWidget* before = QApplication::focusWidget();
        QTest::keyClick(before, Qt::Key_G, Qt::AltModifier);
        UnitFinder& finder = m_window->Finder();
        QVERIFY(finder.isVisible());
        QCOMPARE(QApplication::focusWidget(), finder.Line());
        QTest::keyClicks(finder.Line(), "psi");
        QTest::keyClick(finder.Line(), Qt::Key_Escape);
        QVERIFY(!finder.isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), before);
        QCOMPARE(m_window->Tabs().Current(), 0);
        QCOMPARE(Page().Logic().Entry(), std::string("12"));
    }

    void finderShowsTheUnit() {
        Open();
        QTest::mouseClick(&Page(), Qt::LeftButton, {}, Page().Flag(kFrench)->geometry().center());
        UnitFinder& finder = m_window->Finder();
        const auto find = [&](const char* text) {
            m_window->OpenFinder();
            QTest::keyClicks(finder.Line(), text);
            QTest::keyClick(finder.Line(), Qt::Key_Return);
        };
        // One unit: its page, as a tab press shows it, with the focus in its box.
        find("psi");
        QVERIFY(!finder.isVisible());
        QCOMPARE(m_window->Tabs().Current(), 5);
        QCOMPARE(Page().Logic().Language(), int(kFrench));
        QCOMPARE(QApplication::focusWidget(), Page().Box(13));

        // A name two categories hold: each listed with its category; the user picks.
        find("mbar");
        QVERIFY(finder.isVisible());
        QCOMPARE(finder.Status(), PageText(PageWord::kSeveralCategories, kFrench));
        QCOMPARE(finder.List()->count(), 2);
        QCOMPARE(finder.List()->item(0)->text(), QString("millibar (mbar) — Pression"));
        QCOMPARE(finder.List()->item(1)->text(), QString("mbar — Mise sous vide par pompage"));
        QTest::keyClick(finder.Line(), Qt::Key_Down);
        QTest::keyClick(finder.List(), Qt::Key_Down);
        QTest::keyClick(finder.List(), Qt::Key_Return);
        QCOMPARE(m_window->Tabs().Current(), 12);
        QCOMPARE(QApplication::focusWidget(), Page().Box(6));

        // Nothing by that name: what may have been meant, none chosen by Enter.
        find("kilobite");
        QCOMPARE(finder.Status(), PageText(PageWord::kDidYouMean, kFrench));
        QVERIFY(finder.List()->count() > 0);
        QCOMPARE(finder.Hits()[0].tab, 11);
        QTest::keyClick(finder.Line(), Qt::Key_Return);
        QVERIFY(finder.isVisible());
        QTest::mouseClick(finder.List()->viewport(), Qt::LeftButton, {},
                          finder.List()->visualItemRect(finder.List()->item(0)).center());
        QVERIFY(!finder.isVisible());
        QCOMPARE(m_window->Tabs().Current(), 11);
        QCOMPARE(QApplication::focusWidget(), Page().Box(finder.Hits()[0].row));

        // Completion over captions in every language, keys, symbols and names.
        m_window->OpenFinder();
        QTest::keyClicks(finder.Line(), "Quecksilber");
        QStringList listed;
        for (int i = 0; i < finder.List()->count(); ++i) listed << finder.List()->item(i)->text();
        QVERIFY2(listed.contains("pouce de collone de mercure (Zoll Quecksilbersäule) — Pression"),
                 qPrintable(listed.join('|')));
        QTest::keyClick(finder.Line(), Qt::Key_Escape);
        QCOMPARE(CompleteUnitName("atm").front(), (UnitHit{5, 1, "atm"}));
        QCOMPARE(FindUnitEverywhere("7", kEnglish).size(), std::size_t{0});  // no row numbers
        QCOMPARE(FindUnitEverywhere("Torr", kEnglish),
                 (std::vector<UnitHit>{{5, 10, "Torr"}, {12, 7, "Torr"}}));
        QCOMPARE(FindUnitEverywhere("gb", kEnglish), (std::vector<UnitHit>{{11, 4, "gb"}}));
        QCOMPARE(FindUnitEverywhere("Mb", kEnglish).size(), std::size_t{2});  // MByte and mbar
        QCOMPARE(FindUnitEverywhere("pieds", kFrench), (std::vector<UnitHit>{{0, 3, "pieds"}}));
    }

    void contextMenuAndClipboard() {
        Open();
        QClipboard* clipboard = QApplication::clipboard();
        PageWidget& page = Page();
        // Paste number: the clipboard read as a value is read with --strict, entered as
        // if typed; an armed operation takes it as its second operand.
        QTest::keyClick(page.Box(0), Qt::Key_2);
        QTest::keyClick(page.Box(0), Qt::Key_Plus, Qt::KeypadModifier);
        clipboard->setText(" 3.5\t\n");
        page.Box(2)->setFocus();
        QMenu menu;
        page.FillBoxMenu(menu, 1);
        Item(menu, "Sayı")->trigger();
        QCOMPARE(QApplication::focusWidget(), page.Box(1));
        QCOMPARE(Box(1), QString("3.5"));
        QTest::keyClick(page.Box(1), Qt::Key_Return);
        QCOMPARE(Box(1), QString("5.5"));
        QCOMPARE(Box(0), QString("5.5E-010"));  // and converted from there
        // Anything that is not entirely a number changes nothing, and says so in a note
        // that lies inside the window in every language. A decimal comma is a number
        // only where the session's language writes one, and is entered as ".".
        const QRect window(m_window->mapToGlobal(QPoint(0, 0)), m_window->size());
        const struct {
            const char* sessionLanguage;
            const char* clipboard;
            const char* entered;  // null: not a number
        } pastes[] = {
            {"en", "12 kg", nullptr},   {"en", "", nullptr},    {"en", "1\n2", nullptr},
            {"en", "abc", nullptr},     {"en", "1,5", nullptr}, {"de_DE", "1,234,5", nullptr},
            {"tr", "1.234,5", nullptr}, {"fr", "12,", nullptr}, {"de_DE", " 12,5 ", "12.5"},
            {"tr", "-0,25", "-0.25"},   {"fr", "7.5", "7.5"},   {"en", "5.5", "5.5"},
        };
        int noteLanguage = kTurkish;
        for (const auto& p : pastes) {
            qputenv("LANGUAGE", p.sessionLanguage);
            clipboard->setText(QString::fromUtf8(p.clipboard));
            const QString what = QString("%1: '%2'").arg(p.sessionLanguage, p.clipboard);
            QVERIFY2(page.PasteNumber(1) == (p.entered != nullptr), qPrintable(what));
            if (p.entered) {
                QCOMPARE(Box(1), QString(p.entered));
                QCOMPARE(page.Logic().Entry(), std::string(p.entered));
                continue;
            }
            QVERIFY(page.Note().isVisible());
            QCOMPARE(page.Note().text(), PageText(PageWord::kNoNumber, noteLanguage));
            QVERIFY2(window.contains(page.Note().geometry()), qPrintable(what));
            QTest::keyClick(page.Box(1), Qt::Key_Shift);  // the next key takes it away
            QVERIFY(!page.Note().isVisible());
            QCOMPARE(Box(1), QString("5.5"));
            QCOMPARE(page.Logic().Entry(), std::string("5.5"));
            noteLanguage = (noteLanguage + 1) % kLanguageCount;
            QTest::mouseClick(&page, Qt::LeftButton, {},
                              page.Flag(noteLanguage)->geometry().center());
            page.Box(1)->setFocus();
        }
        qunsetenv("LANGUAGE");
        // Copy row and Copy page: caption TAB value, in the page's language.
        QTest::mouseClick(&page, Qt::LeftButton, {}, page.Flag(kEnglish)->geometry().center());
        page.CopyRow(3);
        QCOMPARE(clipboard->text(), "foot\t" + Box(3));
        page.CopyPage();
        const QStringList lines = clipboard->text().split('\n');
        QCOMPARE(lines.size(), 13);  // twelve units and the end of the last line
        QCOMPARE(lines[0], "meter\t" + Box(0));
        QCOMPARE(lines[11], "yard\t" + Box(11));
        QVERIFY(lines[12].isEmpty());

        // The real menu, from the keyboard (Shift+F10); the page never saw the key.
        QStringList items;
        QTimer::singleShot(0, [&] {
            if (auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                items = Items(*open);
                Item(*open, "Copy pa")->trigger();
                open->close();
            }
        });
        clipboard->clear();
        QTest::keyClick(page.Box(1), Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(items.size(), 8);
        QCOMPARE(clipboard->text(), page.PageRowsText());
        QCOMPARE(page.Logic().Entry(), std::string("5.5"));
        // Keys still paste nothing.
        clipboard->setText("42");
        QTest::keyClick(page.Box(1), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(page.Box(1), Qt::Key_Insert, Qt::ShiftModifier);
        QVERIFY(Box(1) != "42");

        // A double click takes the whole number.
        page.TypeIntoBox(0, "41.0105");
        QTest::mouseDClick(page.Box(0), Qt::LeftButton, {}, page.Box(0)->rect().center());
        QCOMPARE(page.Box(0)->selectedText(), QString("41.0105"));

        // The vacuum page: every row with a unit; nothing pasted into a computed box.
        ClickTab(12);
        PageWidget& vacuum = Page();
        QMenu computed;
        vacuum.FillBoxMenu(computed, 2);
        QVERIFY(!Item(computed, "&Paste number")->isEnabled());
        QVERIFY(Item(computed, "Copy &row")->isEnabled());
        clipboard->setText("7");
        QVERIFY(!vacuum.PasteNumber(2));
        QCOMPARE(vacuum.Box(2)->text(), QString("720.46"));
        vacuum.CopyPage();
        QCOMPARE(clipboard->text(), QString("l/min\t500\nm³/h\t30\ns\t720.46\nmin\t12.0077\n"
                                            "liter\t1000\nm³\t1\nmbar\t10\nTorr\t7.50064\n"));
        clipboard->setText("7");
        QVERIFY(vacuum.PasteNumber(6));
        QCOMPARE(vacuum.Box(7)->text(), QString("5.25045"));
        QCOMPARE(vacuum.Box(3)->text(), QString("12.935"));
    }

    // The note of a paste without a number is whole and inside the window, in every
    // language, wherever the box is and however narrow the window.
    void noteStaysInsideTheWindow() {
        const struct {
            QRect box, window;
        } cases[] = {
            {QRect(130, 50, 245, 20), QRect(0, 0, 563, 454)},
            {QRect(260, 100, 490, 40), QRect(0, 0, 300, 900)},   // narrower than the text
            {QRect(20, 100, 100, 20), QRect(10, 10, 120, 400)},  // a few words a line
            {QRect(130, 430, 245, 20), QRect(0, 0, 563, 454)},   // no room below the box
        };
        for (int language = 0; language < kLanguageCount; ++language) {
            for (const auto& c : cases) {
                BoxNote note(nullptr);
                note.Show(PageText(PageWord::kNoNumber, language), c.box, c.window);
                const QRect at = note.geometry();
                QVERIFY(c.window.contains(at));
                QVERIFY2(!at.intersects(c.box), qPrintable(QString("%1 %2,%3 %4x%5")
                                                               .arg(language)
                                                               .arg(at.x())
                                                               .arg(at.y())
                                                               .arg(at.width())
                                                               .arg(at.height())));
                QVERIFY(note.wordWrap() ? note.heightForWidth(at.width()) <= at.height()
                                        : note.sizeHint().width() <= at.width());
                note.hide();
            }
        }
    }

    // Every unit of every category says what it is, in each of the four languages.
    void everyUnitHasItsTooltip() {
        Open();
        for (int c = 0; c < kCategoryCount; ++c) {
            PageWidget* page = m_window->Tabs().Page(c);
            for (int l = 0; l < kLanguageCount; ++l) {
                page->Logic().SetLanguage(l);
                page->Logic().ApplyLanguage();
                for (int r = 0; r < kRowCount; ++r) {
                    const QString where = QString("%1 row %2 language %3").arg(c).arg(r).arg(l);
                    const QString full = Utf8(page->Table().FullName(r, l));
                    const QString size = QString::fromStdString(UnitSizeText(page->Table(), r, l));
                    const QString tip = page->Button(r)->toolTip();
                    if (!page->Table().IsUnitRow(r)) {
                        QVERIFY2(tip.isEmpty(), qPrintable(where));
                        continue;
                    }
                    QVERIFY2(!full.isEmpty() && !size.isEmpty(), qPrintable(where));
                    QCOMPARE(tip, full + '\n' + size);
                    QCOMPARE(QAccessible::queryAccessibleInterface(page->Button(r))
                                 ->text(QAccessible::Description),
                             tip);
                }
            }
        }
        // Each tab is described by its category's name in the language of the page shown.
        QAccessibleInterface* strip =
            QAccessible::queryAccessibleInterface(m_window->Tabs().Strip());
        QTest::keyClick(Page().Box(0), Qt::Key_4, Qt::AltModifier);
        for (int i = 0; i < kCategoryCount; ++i) {
            QCOMPARE(strip->child(i)->text(QAccessible::Description),
                     Utf8(Category(i).names[kFrench]));
        }
    }

    void greyedAndReadOnlyTextsStayReadable() {
        // A light and a dark palette, as desktops ship them.
        const QPalette light =
            std::unique_ptr<QStyle>(QStyleFactory::create("Fusion"))->standardPalette();
        QPalette dark;
        const auto set = [&dark](QPalette::ColorRole role, QColor active, QColor disabled) {
            dark.setColor(QPalette::Active, role, active);
            dark.setColor(QPalette::Inactive, role, active);
            dark.setColor(QPalette::Disabled, role, disabled);
        };
        set(QPalette::Window, QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
        set(QPalette::WindowText, Qt::white, QColor(0x6e, 0x6e, 0x6e));
        set(QPalette::Base, QColor(0x2a, 0x2a, 0x2a), QColor(0x2a, 0x2a, 0x2a));
        set(QPalette::Text, Qt::white, QColor(0x6e, 0x6e, 0x6e));
        set(QPalette::Button, QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
        set(QPalette::ButtonText, Qt::white, QColor(0x6e, 0x6e, 0x6e));
        QVERIFY(ContrastRatio(QColor(0x6e, 0x6e, 0x6e), QColor(0x35, 0x35, 0x35)) < 3);
        QCOMPARE(ContrastRatio(Qt::black, Qt::white), 21.0);

        const QPalette original = QApplication::palette();
        for (const QPalette& palette : {light, dark}) {
            QApplication::setPalette(palette);
            Open();
            ClickTab(12);
            QPushButton* greyed = Page().Button(2);
            ValueBox* readOnly = Page().Box(2);
            QVERIFY(!greyed->isEnabled() && readOnly->isReadOnly());
            const QPalette& b = greyed->palette();
            const QColor face = b.color(QPalette::Disabled, QPalette::Button);
            const double buttonContrast = std::min(
                ContrastRatio(b.color(QPalette::Disabled, QPalette::ButtonText), face),
                ContrastRatio(b.color(QPalette::Disabled, QPalette::ButtonText), ShadedFace(face)));
            QVERIFY2(buttonContrast >= kReadableContrast,
                     qPrintable(QString::number(buttonContrast)));
            // Greyed still: less contrast than an enabled button's text.
            QVERIFY(buttonContrast < ContrastRatio(b.color(QPalette::Active, QPalette::ButtonText),
                                                   b.color(QPalette::Active, QPalette::Button)));
            const QPalette& r = readOnly->palette();
            QCOMPARE(r.color(QPalette::Active, QPalette::Base), palette.color(QPalette::Window));
            QVERIFY(ContrastRatio(r.color(QPalette::Active, QPalette::Text),
                                  r.color(QPalette::Active, QPalette::Base)) >= kReadableContrast);
            const QPalette d = ReadableDisabledTexts(palette);
            QVERIFY(ContrastRatio(d.color(QPalette::Disabled, QPalette::WindowText),
                                  palette.color(QPalette::Disabled, QPalette::Window)) >=
                    kReadableContrast);
            Close();
        }
        QApplication::setPalette(original);
    }

    void savedPositionLiesOnOneScreen() {
        const QSize size(500, 400);
        const QList<QRect> one{QRect(0, 0, 1024, 768)};
        const QList<QRect> two{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1024, 768)};
        const struct {
            long long x, y;
            QList<QRect> screens;
            QPoint expected;
        } cases[] = {
            {100, 80, one, {100, 80}},                  // wholly on the screen: untouched
            {700, 500, one, {524, 368}},                // partly off: just enough to fit
            {-40, -10, one, {0, 0}},                    // off at the top left
            {1600, 100, two, {1600, 100}},              // across two screens, wholly visible
            {2600, 600, two, {2444, 368}},              // mostly on the smaller screen
            {1700, 900, two, {1420, 680}},              // mostly on the larger one
            {5000, 5000, one, {0, 0}},                  // on no screen
            {-90000LL, 99999LL, one, {0, 0}},           // ditto, as a profile may say
            {2147483000LL, 0, one, {0, 0}},             // and where int arithmetic would wrap
            {10, 10, {QRect(0, 0, 400, 300)}, {0, 0}},  // larger than the screen
        };
        for (const auto& c : cases) {
            QCOMPARE(PlaceOnScreens(c.x, c.y, size, c.screens), c.expected);
        }
        std::ofstream(ProfilePath().toStdString()) << "[Settings]\nxpos=700\nypos=500\n";
        MainDialog& w = Open();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.contains(QRect(w.pos(), w.size())));
        QVERIFY(w.pos() != QPoint(0, 0));
    }

    void keyMapping() {
        // Keys as Qt reports them under real layouts: by the character they type. The
        // main keyboard's "." and "," are decimal points wherever they are (0xBF and 0xDC,
        // the Turkish keyboard's "." and "," keys); the key at the US "." place that
        // types "ç" on a Turkish keyboard starts again at 0.
        const struct {
            const char* layout;
            int key;
            Qt::KeyboardModifiers mods;
            const char* text;
            int code;
            quint32 place = 0;  // the key's xkb code; 0 where the platform gives none
        } cases[] = {
            {"us", Qt::Key_Period, {}, ".", 0xBF},
            {"us", Qt::Key_Comma, {}, ",", 0xDC},
            {"us", Qt::Key_Slash, {}, "/", 0xBF},
            {"us", Qt::Key_Backslash, {}, "\\", 0xDC},
            {"us", Qt::Key_Greater, Qt::ShiftModifier, ">", 0xBE},
            {"us", Qt::Key_Minus, {}, "-", 0xBD},
            {"us", Qt::Key_Equal, {}, "=", 0xBB},
            {"us", Qt::Key_Plus, Qt::ShiftModifier, "+", 0xBB},
            {"us", Qt::Key_7, {}, "7", 0x37},
            {"us", Qt::Key_Q, {}, "q", 0x51},
            {"us", Qt::Key_F1, {}, "", 0x70},
            {"us", Qt::Key_Escape, {}, "", 0x1B},
            {"us", Qt::Key_5, Qt::KeypadModifier, "5", 0x65},
            {"us", Qt::Key_Plus, Qt::KeypadModifier, "+", 0x6B},
            {"us", Qt::Key_Minus, Qt::KeypadModifier, "-", 0x6D},
            {"us", Qt::Key_Asterisk, Qt::KeypadModifier, "*", 0x6A},
            {"us", Qt::Key_Slash, Qt::KeypadModifier, "/", 0x6F},
            {"us", Qt::Key_Period, Qt::KeypadModifier, ".", 0x6E},
            {"tr", Qt::Key_Period, {}, ".", 0xBF},
            {"tr", Qt::Key_Comma, {}, ",", 0xDC},
            {"tr", Qt::Key_Ccedilla, {}, "ç", kOtherKey},
            {"tr", Qt::Key_Odiaeresis, {}, "ö", kOtherKey},
            {"de", Qt::Key_Period, {}, ".", 0xBF},
            {"de", Qt::Key_Comma, {}, ",", 0xDC},
            {"de", Qt::Key_Slash, Qt::ShiftModifier, "/", 0xBF},
            {"de", Qt::Key_Comma, Qt::KeypadModifier, ",", 0x6E},
            {"de", Qt::Key_Udiaeresis, {}, "ü", kOtherKey},
            {"fr", Qt::Key_Period, Qt::ShiftModifier, ".", 0xBF},
            {"fr", Qt::Key_Comma, {}, ",", 0xDC},
            {"fr", Qt::Key_1, Qt::ShiftModifier, "1", 0x31},
            {"fr", Qt::Key_0, Qt::ShiftModifier, "0", 0x30},
            {"fr", Qt::Key_Eacute, {}, "é", kOtherKey},
            // The digit row by its place, whatever its keys type.
            {"fr", Qt::Key_Ampersand, {}, "&", 0x31, 10},
            {"fr", Qt::Key_Eacute, {}, "é", 0x32, 11},
            {"fr", Qt::Key_Minus, {}, "-", 0x36, 15},
            {"fr", Qt::Key_Agrave, {}, "à", 0x30, 19},
            {"de", Qt::Key_Ampersand, Qt::ShiftModifier, "&", 0x36, 15},
            {"us", Qt::Key_Exclam, Qt::ShiftModifier, "!", 0x31, 10},
            {"us", Qt::Key_Minus, {}, "-", 0xBD, 20},
            {"tr", Qt::Key_Period, {}, ".", 0xBF, 61},
            {"fr", Qt::Key_Period, Qt::KeypadModifier, ".", 0x6E, 91},
        };
        for (const auto& c : cases) {
            QKeyEvent event(QEvent::KeyPress, c.key, c.mods, c.place, 0, 0,
                            QString::fromUtf8(c.text));
            QVERIFY2(
                VirtualKeyOf(event) == c.code,
                qPrintable(
                    QString("%1 '%2': %3").arg(c.layout, c.text).arg(VirtualKeyOf(event), 0, 16)));
        }
        QKeyEvent alt(QEvent::KeyPress, Qt::Key_4, Qt::AltModifier);
        QVERIFY(IsSystemKey(alt));
    }
};

QTEST_MAIN(UiTest)
#include "ui_test.moc"
