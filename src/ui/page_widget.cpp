// SPDX-License-Identifier: MIT
#include "page_widget.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <limits>
#include <optional>

#include "keys.h"
#include "languages.h"
#include "number_text.h"
#include "page_texts.h"
#include "pictures.h"
#include "pumpdown.h"
#include "qt_keys.h"
#include "readable_colours.h"
#include "unit_size_text.h"

namespace tevrimo {

namespace {

// Row positions shared by every page template, dialog units.
constexpr int kRowY[kRowCount] = {8, 21, 33, 46, 59, 72, 85, 98, 111, 124, 137, 150, 163, 176};
constexpr int kButtonX = 9;
constexpr int kButtonHeight = 12;
constexpr int kBoxRight = 210;
constexpr int kBoxHeight = 11;
constexpr int kFlagX = 217;
constexpr PerLanguage<int> kFlagY{10, 30, 50, 70};
constexpr int kFlagWidth = 47, kFlagHeight = 28;  // pixels: the pictures keep their size

// The vacuum page's layout: a column of labels, then the buttons, then the boxes.
constexpr int kVacuumLabelWidth = 69;
constexpr int kVacuumLabelY[4] = {16, 41, 67, 93};
constexpr int kVacuumButtonX = 69;
constexpr int kVacuumBoxWidth = 70;

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

QPixmap FlagPixmap(int language, bool selected, qreal pixelRatio) {
    return Picture(
        QStringLiteral("flag_%1%2")
            .arg(Text(kFlagPictures[language]), selected ? QString() : QStringLiteral("_off")),
        pixelRatio);
}

BoxNote::BoxNote(QWidget* parent) : QLabel(parent, Qt::ToolTip | Qt::FramelessWindowHint) {
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(3);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::hide);
}

void BoxNote::Show(const QString& text, const QRect& box, const QRect& area) {
    setText(text);
    setWordWrap(false);
    ensurePolished();  // the size it is shown with
    // Within the window: lines broken to its width, moved left from the box's edge as
    // far as needed, and above the box when there is no room below it. (Not adjustSize:
    // it cuts a window to two thirds of the screen's width, the text with it.)
    constexpr int kInset = 2;
    const int room = std::max(area.width() - 2 * kInset, 1);
    if (sizeHint().width() > room) {
        setWordWrap(true);
        resize(room, heightForWidth(room));
    } else {
        resize(sizeHint());
    }
    const int x =
        std::max(std::min(box.left(), area.right() + 1 - kInset - width()), area.left() + kInset);
    int y = box.bottom() + 1;
    if (y + height() > area.bottom() + 1 && box.top() - height() >= area.top()) {
        y = box.top() - height();
    }
    move(x, y);
    show();
    m_timer.start(kShownMs);
    qApp->installEventFilter(this);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

bool BoxNote::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::Wheel: hide(); break;
        default: break;
    }
    return QLabel::eventFilter(watched, event);
}

void BoxNote::hideEvent(QHideEvent* event) {
    qApp->removeEventFilter(this);
    m_timer.stop();
    QLabel::hideEvent(event);
}

ValueBox::ValueBox(PageWidget* page, int row) : QLineEdit(page), m_page(page), m_row(row) {
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAcceptDrops(false);
    setDragEnabled(false);
    setMaxLength(std::numeric_limits<int>::max());  // the entry has no length limit
}

void ValueBox::SetReadOnly(bool readOnly) {
    setReadOnly(readOnly);
    UpdateLook();
}

void ValueBox::UpdateLook() {
    setPalette(isReadOnly() ? ReadOnlyBoxColours(QApplication::palette(this)) : QPalette());
}

void ValueBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    // Its greyed items as readable as the page's.
    menu.setPalette(ReadableDisabledTexts(QApplication::palette(&menu)));
    m_page->FillBoxMenu(menu, m_row);
    menu.exec(event->globalPos());
}

void ValueBox::keyPressEvent(QKeyEvent* event) {
    // Shift+F10, the keyboard's way to the context menu (the page never sees F10).
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        const QPoint at = cursorRect().bottomLeft();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, mapToGlobal(at));
        contextMenuEvent(&menu);
        return;
    }
    // A key with Alt held goes to the window, never into the box as typed text.
    if ((event->modifiers() & Qt::AltModifier) && !event->text().isEmpty()) {
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ValueBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) return;  // no paste of the X selection
    QLineEdit::mousePressEvent(event);
}

void ValueBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) return;
    QLineEdit::mouseReleaseEvent(event);
}

void ValueBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // The box holds one number ("41.0105", "1.2E+011"): a double click takes all of it,
    // not the word between two points.
    if (event->button() == Qt::LeftButton) {
        selectAll();
        event->accept();
        return;
    }
    QLineEdit::mouseDoubleClickEvent(event);
}

void ValueBox::inputMethodEvent(QInputMethodEvent* event) {
    event->ignore();
}

PageWidget::PageWidget(const CategoryTable& table, QWidget* parent)
    : QWidget(parent), m_table(table) {
    if (table.layout == PageLayout::kVacuum) {
        for (int i = 0; i < 4; ++i) {
            m_labels[static_cast<std::size_t>(i)] =
                new QLabel(Text(kVacuumLabels[static_cast<std::size_t>(i)]), this);
            m_labels[static_cast<std::size_t>(i)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    for (int r = 0; r < kRowCount; ++r) {
        auto* button = new QPushButton(this);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, r] { m_logic->OnButtonClicked(r); });
        m_buttons[static_cast<std::size_t>(r)] = button;
        m_boxes[static_cast<std::size_t>(r)] = new ValueBox(this, r);
    }
    // Each vacuum label names the quantity of the two rows beside it.
    for (int i = 0; i < 4 && m_labels[0]; ++i) {
        m_labels[static_cast<std::size_t>(i)]->setBuddy(Box(2 * i));
    }
    for (int k = 0; k < kLanguageCount; ++k) {
        auto* flag = new PressablePicture(this);
        flag->setAttribute(Qt::WA_TransparentForMouseEvents);  // presses reach the page
        flag->setAccessibleName(Text(kNativeNames[k]));
        flag->press = [this, k] { ClickFlag(k); };
        flag->checked = [this, k] { return m_logic->Language() == k; };
        m_flags[static_cast<std::size_t>(k)] = flag;
    }
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);

    m_note = new BoxNote(this);
    UpdateLooks();  // greyed texts readable: the vacuum page's computed quantity
    LayOut(DialogUnits::OfFont(font()), font());
    m_logic = ConversionPage::Make(table, *this);
    m_logic->Initialize();
}

PageWidget::~PageWidget() = default;

void PageWidget::LayOut(const DialogUnits& u, const QFont& controlFont) {
    const bool vacuum = m_table.layout == PageLayout::kVacuum;
    const int width = m_table.buttonWidth;
    for (int r = 0; r < kRowCount; ++r) {
        const int y = kRowY[r];
        QWidget* button = Button(r);
        QWidget* box = Box(r);
        button->setFont(controlFont);
        box->setFont(controlFont);
        if (vacuum) {
            button->setGeometry(u.Rect(kVacuumButtonX, y, width, kButtonHeight));
            box->setGeometry(
                u.Rect(kVacuumButtonX + width + 1, y + 1, kVacuumBoxWidth, kBoxHeight));
        } else {
            button->setGeometry(u.Rect(kButtonX, y, width, kButtonHeight));
            box->setGeometry(u.Rect(kButtonX + width + 1, y + 1, kBoxRight - (kButtonX + width + 1),
                                    kBoxHeight));
        }
    }
    for (int i = 0; vacuum && i < 4; ++i) {
        QLabel* label = m_labels[static_cast<std::size_t>(i)];
        label->setFont(controlFont);
        label->setGeometry(u.Rect(0, kVacuumLabelY[i], kVacuumLabelWidth, kBoxHeight));
    }
    for (int k = 0; k < kLanguageCount; ++k) {
        m_flags[static_cast<std::size_t>(k)]->setGeometry(u.X(kFlagX), u.Y(kFlagY[k]), kFlagWidth,
                                                          kFlagHeight);
    }
}

void PageWidget::TakeFocus() {
    m_logic->TakeFocus();
}

void PageWidget::FocusBox(int row) {
    m_logic->Focus(PageFocus::Box(row));
}

QWidget* PageWidget::Control(PageFocus focus) const {
    switch (focus.kind) {
        case PageFocus::Kind::kBox: return Box(focus.row);
        case PageFocus::Kind::kButton: return Button(focus.row);
        case PageFocus::Kind::kNone: break;
    }
    return nullptr;
}

PageFocus PageWidget::FocusOf(const QObject* widget) const {
    for (int r = 0; r < kRowCount; ++r) {
        if (widget == Box(r)) return PageFocus::Box(r);
        if (widget == Button(r)) return PageFocus::Button(r);
    }
    return {};
}

void PageWidget::Render(const PageState& state, const PageChanges& changes) {
    const bool wasRendering = m_rendering;
    m_rendering = true;
    for (int r = 0; r < kRowCount; ++r) {
        if (!PageChanges::Has(changes.captions, r)) continue;
        Button(r)->setText(Text(state.captions[static_cast<std::size_t>(r)]));
        if (!changes.language) NameRow(r);
    }
    if (changes.language) ShowLanguage(state.shownLanguage);
    for (int k = 0; changes.flags && k < kLanguageCount; ++k) {
        ShowFlag(k, state.flags[static_cast<std::size_t>(k)]);
    }
    for (int r = 0; r < kRowCount; ++r) {
        const auto i = static_cast<std::size_t>(r);
        if (PageChanges::Has(changes.readOnly, r)) Box(r)->SetReadOnly(state.readOnly[i]);
        if (PageChanges::Has(changes.enabled, r)) Button(r)->setEnabled(state.enabled[i]);
    }
    for (int r = 0; r < kRowCount; ++r) {
        if (PageChanges::Has(changes.texts, r)) {
            Box(r)->setText(Text(state.texts[static_cast<std::size_t>(r)]));
        }
    }
    // Also after buttons were disabled: Qt moves the focus off a disabled one itself.
    if (changes.focus || changes.enabled) {
        QWidget* w = Control(state.focus);
        if (w && (changes.focus || window()->focusWidget() != w)) {
            w->setFocus(changes.byTab ? Qt::TabFocusReason : Qt::OtherFocusReason);
        }
    }
    if (changes.caret >= 0) {
        QWidget* focus = window()->focusWidget();
        if (auto* box = qobject_cast<ValueBox*>(focus); box && isAncestorOf(box)) {
            box->setCursorPosition(changes.caret);  // also scrolls the caret into view
        }
    }
    m_rendering = wasRendering;
    if (changes.language) emit languageApplied(state.shownLanguage);
}

void PageWidget::NameRow(int row) {
    QString name = Button(row)->text().trimmed();
    if (name.isEmpty()) name = NoUnitText(m_language);
    Button(row)->setAccessibleName(name);
    // A vacuum box says which quantity it holds, as the label beside its pair shows it.
    const auto quantity = pumpdown::QuantityOfRow(row);
    if (m_table.layout == PageLayout::kVacuum && quantity) {
        name = m_labels[static_cast<std::size_t>(*quantity)]->text() + QLatin1Char(' ') + name;
    }
    Box(row)->setAccessibleName(name);
}

void PageWidget::DescribeRow(int row) {
    // What the unit is, at its button and its box, a line or two that leaves the rows
    // below in sight.
    QString about;
    if (m_table.IsUnitRow(row) && IsLanguage(m_language)) {
        about = Text(m_table.FullName(row, m_language)) + QLatin1Char('\n') +
                QString::fromStdString(UnitSizeText(m_table, row, m_language));
    }
    Button(row)->setToolTip(about);
    Button(row)->setAccessibleDescription(about);
    Box(row)->setToolTip(about);
    Box(row)->setAccessibleDescription(about);
}

void PageWidget::ShowLanguage(int language) {
    m_language = language;
    setAccessibleName(Text(m_table.names[static_cast<std::size_t>(language)]));
    // The key legend is the page's: its tooltip wherever no control has one of its own,
    // and its description once for assistive technology.
    const QString legend = KeyLegend(language, m_table.kind == CategoryKind::kVacuum);
    setToolTip(legend);
    setAccessibleDescription(legend);
    for (int r = 0; r < kRowCount; ++r) {
        NameRow(r);
        DescribeRow(r);
        Box(r)->SetLanguage(language);
    }
}

bool PageWidget::TypeIntoBox(int row, std::string_view number) {
    return m_logic->TypeIntoBox(row, number);
}

bool PageWidget::PasteNumber(int row) {
    if (!m_logic->CanPaste(row)) return false;
    const std::string clipboard = QGuiApplication::clipboard()->text().toStdString();
    if (m_logic->PasteNumber(row, clipboard, DecimalMarkOf(LanguageFromEnvironment()))) {
        return true;
    }
    const ValueBox* box = Box(row);
    const QWidget* frame = window();
    m_note->Show(PageText(PageWord::kNoNumber, box->Language()),
                 QRect(box->mapToGlobal(QPoint(0, 0)), box->size()),
                 QRect(frame->mapToGlobal(QPoint(0, 0)), frame->size()));
    return false;
}

void PageWidget::CopyRow(int row) {
    if (!m_logic->CanCopyRow(row)) return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(m_logic->RowText(row)));
}

QString PageWidget::PageRowsText() const {
    return QString::fromStdString(m_logic->PageRowsText());
}

void PageWidget::CopyPage() {
    QGuiApplication::clipboard()->setText(PageRowsText());
}

void PageWidget::FillBoxMenu(QMenu& menu, int row) {
    ValueBox* box = Box(row);
    const int language = box->Language();
    menu.addAction(CopyText(language), box, &QLineEdit::copy)->setEnabled(box->hasSelectedText());
    menu.addAction(PageText(PageWord::kCopyRow, language), this, [this, row] { CopyRow(row); })
        ->setEnabled(m_logic->CanCopyRow(row));
    menu.addAction(PageText(PageWord::kCopyPage, language), this, [this] { CopyPage(); });
    menu.addAction(PageText(PageWord::kPasteNumber, language), this,
                   [this, row] { PasteNumber(row); })
        ->setEnabled(m_logic->CanPaste(row));
    menu.addSeparator();
    menu.addAction(SelectAllText(language), box, &QLineEdit::selectAll)
        ->setEnabled(!m_logic->State().texts[static_cast<std::size_t>(row)].empty());
    menu.addSeparator();
    // After the menu has closed, so that the finder can take the focus.
    menu.addAction(PageText(PageWord::kFindUnit, language), this,
                   [this] { QTimer::singleShot(0, this, [this] { emit findUnitRequested(); }); });
}

void PageWidget::UpdateLooks() {
    setPalette(ReadableDisabledTexts(QApplication::palette(this)));
    for (ValueBox* box : m_boxes) {
        if (box) box->UpdateLook();
    }
}

bool PageWidget::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::StyleChange)
        UpdateLooks();
    return handled;
}

void PageWidget::ClickFlag(int k) {
    m_logic->OnLButtonDown(kFirstFlagId + k);
}

void PageWidget::ShowFlag(int flag, bool selected) {
    m_flagSelected[static_cast<std::size_t>(flag)] = selected;
    Flag(flag)->setPixmap(FlagPixmap(flag, selected, devicePixelRatioF()));
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(Flag(flag), changed);
    QAccessible::updateAccessibility(&event);
}

bool PageWidget::eventFilter(QObject* watched, QEvent* event) {
    // A click or the window's own navigation moved the focus to a control: the page
    // learns it (a move the page's own drawing made is already its own).
    if (event->type() == QEvent::FocusIn && !m_rendering && m_logic) {
        if (const PageFocus focus = FocusOf(watched); focus.kind != PageFocus::Kind::kNone) {
            m_logic->Focus(focus);
        }
    }
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (IsSystemKey(*key)) return false;  // Alt+F4 and friends go on to the window
    const int code = VirtualKeyOf(*key);
    if (code == 0) return false;
    if (m_logic->PreTranslateKeyDown(code, ModifiersOf(*key))) return true;
    if (code == vk::kTab) {  // the focus moves within the page and wraps around
        m_logic->TabFocus(key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier));
        return true;
    }
    return false;  // caret keys, Shift, Ctrl and Ctrl+C: the box's own handling
}

void PageWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        int child = kNoControl;
        for (int k = 0; k < kLanguageCount; ++k) {
            if (Flag(k)->geometry().contains(event->position().toPoint())) child = kFirstFlagId + k;
        }
        m_logic->OnLButtonDown(child);
    }
    QWidget::mousePressEvent(event);
}

}  // namespace tevrimo
