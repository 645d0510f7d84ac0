// SPDX-License-Identifier: MIT
// The twin test: the same seeded sessions (key storms with modifiers, clicks into
// boxes, on buttons, flags and the background, Tab, paste, languages handed over) on the
// headless page (PageSession) and on the real Qt page, through real key and mouse
// events. After every event both pages hold the same state, and each window shows
// exactly that state: box texts, captions, read-only boxes, enabled buttons, flags,
// focus, the focused box's caret and selection, and what Ctrl+C copied.
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>
#include <memory>

#include "languages.h"
#include "page_session.h"
#include "page_widget.h"

using namespace tevrimo;

namespace {

// A key as Qt delivers it, and as the headless page takes it.
struct TwinKey {
    Qt::Key qtKey;
    Qt::KeyboardModifiers qtModifiers;
    int vk;
    Modifiers modifiers;
};

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;

const TwinKey kKeys[] = {
    {Qt::Key_0, kNone, vk::k0, {}},
    {Qt::Key_1, kNone, vk::k0 + 1, {}},
    {Qt::Key_2, kNone, vk::k0 + 2, {}},
    {Qt::Key_5, kNone, vk::k0 + 5, {}},
    {Qt::Key_7, kNone, vk::k0 + 7, {}},
    {Qt::Key_9, kNone, vk::k0 + 9, {}},
    {Qt::Key_3, kPad, vk::kNumpad0 + 3, {}},
    {Qt::Key_0, kPad, vk::kNumpad0, {}},
    {Qt::Key_Plus, kPad, vk::kAdd, {}},
    {Qt::Key_Minus, kPad, vk::kSubtract, {}},
    {Qt::Key_Asterisk, kPad, vk::kMultiply, {}},
    {Qt::Key_Slash, kPad, vk::kDivide, {}},
    {Qt::Key_Period, kPad, vk::kDecimal, {}},
    {Qt::Key_Enter, kPad, vk::kReturn, {}},
    {Qt::Key_Minus, kNone, vk::kOemMinus, {}},
    {Qt::Key_Equal, kNone, vk::kOemPlus, {}},
    {Qt::Key_Period, kNone, vk::kOem2, {}},
    {Qt::Key_Comma, kNone, vk::kOem5, {}},
    {Qt::Key_Greater, kNone, vk::kOemPeriod, {}},
    {Qt::Key_Return, kNone, vk::kReturn, {}},
    {Qt::Key_Escape, kNone, vk::kEscape, {}},
    {Qt::Key_Backspace, kNone, vk::kBack, {}},
    {Qt::Key_Up, kNone, vk::kUp, {}},
    {Qt::Key_Down, kNone, vk::kDown, {}},
    {Qt::Key_Left, kNone, vk::kLeft, {}},
    {Qt::Key_Right, kNone, vk::kRight, {}},
    {Qt::Key_Home, kNone, vk::kHome, {}},
    {Qt::Key_End, kNone, vk::kEnd, {}},
    {Qt::Key_Left, Qt::ShiftModifier, vk::kLeft, {.shift = true}},
    {Qt::Key_Home, Qt::ShiftModifier, vk::kHome, {.shift = true}},
    {Qt::Key_Tab, kNone, vk::kTab, {}},
    {Qt::Key_Backtab, Qt::ShiftModifier, vk::kTab, {.shift = true}},
    {Qt::Key_Space, kNone, vk::kSpace, {}},
    {Qt::Key_Delete, kNone, vk::kDelete, {}},
    {Qt::Key_C, kNone, vk::kC, {}},
    {Qt::Key_C, Qt::ControlModifier, vk::kC, {.ctrl = true}},
    {Qt::Key_V, Qt::ControlModifier, vk::kV, {.ctrl = true}},
    {Qt::Key_A, kNone, vk::kA, {}},
    {Qt::Key_F1, kNone, vk::kF1, {}},
    {Qt::Key_5, Qt::AltModifier, vk::k0 + 5, {.alt = true}},
};

const char* const kClipboards[] = {"12.5", " 7\n", "-3e2\r\n", "1,5", "abc", "", "5 kg"};

QString Utf8(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

class TwinTest : public QObject {
    Q_OBJECT

  private:
    // The Qt page inside a window of its own, and its headless twin.
    struct Twins {
        QWidget frame;
        PageWidget* page = nullptr;
        std::unique_ptr<PageSession> session;
    };

    static QWidget* Focused(PageWidget& page) {
        QWidget* w = page.window()->focusWidget();
        return w && page.isAncestorOf(w) ? w : nullptr;
    }

    // Both pages hold the same state, and each window shows it.
    static void Compare(Twins& t, const QByteArray& where) {
        const PageState& q = t.page->Logic().State();
        const PageState& h = t.session->Page().State();
        const MemoryWindow& window = t.session->Window();
        QVERIFY2(q.entry == h.entry, where);
        QVERIFY2(q.operand == h.operand, where);
        QVERIFY2(q.pendingOp == h.pendingOp && q.stepCount == h.stepCount, where);
        QVERIFY2(q.language == h.language && q.shownLanguage == h.shownLanguage, where);
        QVERIFY2(q.focus == h.focus, where + " focus " + QByteArray::number(int(q.focus.kind)) +
                                         ":" + QByteArray::number(q.focus.row) + " / " +
                                         QByteArray::number(int(h.focus.kind)) + ":" +
                                         QByteArray::number(h.focus.row));
        QVERIFY2(q.texts == h.texts && q.captions == h.captions, where);
        QVERIFY2(q.readOnly == h.readOnly && q.enabled == h.enabled, where);
        QVERIFY2(q.flags == h.flags && q.vacuumMode == h.vacuumMode, where);
        for (int r = 0; r < kRowCount; ++r) {
            const auto i = static_cast<std::size_t>(r);
            QVERIFY2(t.page->Box(r)->text() == Utf8(q.texts[i]) && window.Text(r) == h.texts[i],
                     where + " text " + QByteArray::number(r));
            QVERIFY2(t.page->Button(r)->text() == Utf8(q.captions[i]) &&
                         window.Caption(r) == h.captions[i],
                     where + " caption " + QByteArray::number(r));
            QVERIFY2(t.page->Box(r)->isReadOnly() == q.readOnly[i] &&
                         window.ReadOnly(r) == h.readOnly[i],
                     where);
            QVERIFY2(
                t.page->Button(r)->isEnabled() == q.enabled[i] && window.Enabled(r) == h.enabled[i],
                where);
        }
        for (int k = 0; k < kLanguageCount; ++k) {
            const auto i = static_cast<std::size_t>(k);
            QVERIFY2(t.page->FlagSelected(k) == q.flags[i] && window.FlagSelected(k) == h.flags[i],
                     where);
        }
        QVERIFY2(t.page->ShownLanguage() == window.ShownLanguage(), where);
        // The focus, and in a box the caret and the selection's other end.
        QWidget* focused = Focused(*t.page);
        const PageFocus shown = window.Focus();
        QWidget* expected = nullptr;
        if (shown.kind == PageFocus::Kind::kBox) expected = t.page->Box(shown.row);
        if (shown.kind == PageFocus::Kind::kButton) expected = t.page->Button(shown.row);
        QVERIFY2(focused == expected && shown == q.focus, where + " focus");
        if (auto* box = qobject_cast<QLineEdit*>(focused)) {
            const int caret = box->cursorPosition();
            const int anchor = !box->hasSelectedText()          ? caret
                               : caret == box->selectionStart() ? box->selectionEnd()
                                                                : box->selectionStart();
            QVERIFY2(caret == window.Caret() && anchor == window.Anchor(),
                     where + " caret " + QByteArray::number(caret) + "/" +
                         QByteArray::number(window.Caret()) + " anchor " +
                         QByteArray::number(anchor) + "/" + QByteArray::number(window.Anchor()));
        }
    }

    // One seeded session of `steps` events on the page of `tab`.
    static void RunSession(int tab, quint32 seed, int steps) {
        const CategoryTable& table = Category(tab);
        Twins t;
        t.frame.resize(900, 700);
        t.page = new PageWidget(table, &t.frame);
        t.page->setGeometry(0, 0, 880, 680);
        t.session = std::make_unique<PageSession>(table);
        t.frame.show();
        QApplication::setActiveWindow(&t.frame);
        QVERIFY(QTest::qWaitForWindowActive(&t.frame));
        t.page->TakeFocus();
        QGuiApplication::clipboard()->setText(QString());
        const DecimalMark mark = DecimalMarkOf(LanguageFromEnvironment());

        QRandomGenerator random(seed);
        const QByteArray name =
            QByteArray(table.key.data(), static_cast<qsizetype>(table.key.size())) + " seed " +
            QByteArray::number(seed);
        Compare(t, name + " start");
        for (int step = 0; step < steps; ++step) {
            const int pick = random.bounded(100);
            const int row = random.bounded(kRowCount);
            QByteArray what;
            if (pick < 75) {
                const TwinKey& k = kKeys[random.bounded(static_cast<int>(std::size(kKeys)))];
                QWidget* target = Focused(*t.page);
                if (!target) target = t.page->Box(0);
                // Left and Right on a unit button are Qt's own focus moves among the
                // buttons; the headless buttons ignore them.
                if ((k.vk == vk::kLeft || k.vk == vk::kRight) && qobject_cast<QPushButton*>(target))
                    continue;
                QTest::keyClick(target, k.qtKey, k.qtModifiers);
                t.session->Press(k.vk, k.modifiers);
                what = "key " + QByteArray::number(k.vk);
            } else if (pick < 83) {
                // A click at the end of the box: the caret goes after its text, as the
                // headless box puts it (a click elsewhere places it by the pointer).
                QLineEdit* box = t.page->Box(row);
                QTest::mouseClick(box, Qt::LeftButton, {},
                                  QPoint(box->width() - 3, box->height() / 2));
                box->end(false);
                t.session->ClickBox(row);
                what = "click box " + QByteArray::number(row);
            } else if (pick < 89) {
                const bool enabled = t.page->Button(row)->isEnabled();
                QTest::mouseClick(t.page->Button(row), Qt::LeftButton);
                // A vacuum mode button puts the focus in a box, where Qt keeps the
                // caret that box had and the headless box puts it at the end.
                auto* box = qobject_cast<QLineEdit*>(Focused(*t.page));
                if (box && enabled) box->end(false);
                t.session->ClickButton(row);
                what = "click button " + QByteArray::number(row);
            } else if (pick < 93) {
                const int flag = random.bounded(kLanguageCount + 1);
                const QPoint at = flag < kLanguageCount
                                      ? t.page->Flag(flag)->geometry().center()
                                      : QPoint(t.page->width() - 2, t.page->height() - 2);
                QTest::mouseClick(t.page, Qt::LeftButton, {}, at);
                if (flag < kLanguageCount) {
                    t.session->ClickFlag(flag);
                } else {
                    t.session->ClickBackground();
                }
                what = "click flag " + QByteArray::number(flag);
            } else if (pick < 96) {
                const int language = random.bounded(kLanguageCount + 2);
                t.page->Logic().SetLanguage(language);
                t.page->Logic().ApplyLanguage();
                t.session->HandLanguage(language);
                what = "language " + QByteArray::number(language);
            } else {
                const char* text =
                    kClipboards[random.bounded(static_cast<int>(std::size(kClipboards)))];
                QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
                const bool qt = t.page->PasteNumber(row);
                const bool headless = t.session->Paste(row, text, mark);
                QVERIFY2(qt == headless, "paste");
                QGuiApplication::clipboard()->setText(
                    QString::fromStdString(t.session->Window().Clipboard()));
                what = "paste " + QByteArray::number(row);
            }
            Compare(t, name + " step " + QByteArray::number(step) + " " + what);
            if (QTest::currentTestFailed()) return;
            QVERIFY2(QGuiApplication::clipboard()->text() ==
                         QString::fromStdString(t.session->Window().Clipboard()),
                     name + " clipboard after " + what);
        }
    }

  private slots:
    void sameStateAfterEveryEvent_data() {
        QTest::addColumn<int>("tab");
        for (int tab = 0; tab < kCategoryCount; ++tab) {
            QTest::newRow(std::string(Category(tab).key).c_str()) << tab;
        }
    }
    void sameStateAfterEveryEvent() {
        QFETCH(int, tab);
        for (quint32 seed = 1; seed <= 6; ++seed) {
            RunSession(tab, seed * 1000 + static_cast<quint32>(tab), 200);
            if (QTest::currentTestFailed()) return;
        }
    }
};

QTEST_MAIN(TwinTest)
#include "twin_test.moc"
