// SPDX-License-Identifier: MIT
// The window opened at a unit (tevrimo --category --unit --value): the page in the saved
// language, the focus in the unit's box, the value entered as if typed there.
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <memory>

#include "category_tab_ctrl.h"
#include "main_dialog.h"
#include "page_widget.h"
#include "profile.h"
#include "unit_names.h"

using namespace tevrimo;

class OpenAtTest : public QObject {
    Q_OBJECT

  private slots:
    void opensAtTheUnit_data() {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("unit");   // a key; empty: no --unit
        QTest::addColumn<QString>("value");  // empty: no --value
        QTest::addColumn<QString>("shown");  // the unit and text of another row
        QTest::addColumn<QString>("shownText");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("typed");  // a key typed afterwards: the entry goes on
        QTest::addColumn<QString>("after");

        QTest::newRow("another tab") << "[Settings]\ncurtab=0\ncurlang=2\n"
                                     << 5 << "psi"
                                     << "12"
                                     << "bar"
                                     << "0.827369" << int(kGerman) << "3"
                                     << "123";
        QTest::newRow("the saved tab") << "[Settings]\ncurtab=5\ncurlang=3\n"
                                       << 5 << "bar"
                                       << "1"
                                       << "psi"
                                       << "14.5038" << int(kFrench) << "."
                                       << "1.";
        QTest::newRow("first run") << "" << 6 << "degC"
                                   << "-40"
                                   << "degF"
                                   << "-40" << int(kTurkish) << "5"
                                   << "-405";
        QTest::newRow("no value") << "[Settings]\ncurlang=1\n"
                                  << 0 << "ft"
                                  << ""
                                  << "m"
                                  << "" << int(kEnglish) << "1"
                                  << "1";
        QTest::newRow("no unit") << "[Settings]\ncurlang=1\n"
                                 << 7 << ""
                                 << ""
                                 << "s"
                                 << "" << int(kEnglish) << "2"
                                 << "2";
    }

    void opensAtTheUnit() {
        QFETCH(QString, profile);
        QFETCH(int, tab);
        QFETCH(QString, unit);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        QFETCH(QString, shownText);
        QFETCH(int, language);
        QFETCH(QString, typed);
        QFETCH(QString, after);

        QTemporaryDir dir;
        const std::string path = (dir.path() + "/tevrimo.INI").toStdString();
        std::ofstream(path) << profile.toStdString();
        Profile settings(path);
        MainDialog window(settings, "tevrimo");
        const CategoryTable& table = Category(tab);
        const int row = unit.isEmpty() ? -1 : FindUnit(table, unit.toStdString(), kEnglish);
        const int other = FindUnit(table, shown.toStdString(), kEnglish);
        // What start-up does before it shows the window.
        window.ShowUnit(tab, row);
        if (!value.isEmpty()) window.EnterValue(value.toStdString());
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));

        PageWidget& page = *window.Tabs().CurrentPage();
        const int focused = row < 0 ? 0 : row;
        QCOMPARE(window.Tabs().Current(), tab);
        QCOMPARE(window.Tabs().SelectedTab(), tab);
        QCOMPARE(QApplication::focusWidget(), page.Box(focused));
        QCOMPARE(page.Box(focused)->text(), value);
        QCOMPARE(page.Box(other)->text(), shownText);
        QCOMPARE(page.Logic().Language(), language);
        QCOMPARE(page.Button(other)->text(),
                 QString::fromUtf8(std::string(table.Caption(other, language)).c_str()));
        QTest::keyClick(page.Box(focused), typed.at(0).toLatin1(),
                        typed == "." ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(page.Box(focused)->text(), after);
        window.close();
    }
};

QTEST_MAIN(OpenAtTest)
#include "open_at_test.moc"
