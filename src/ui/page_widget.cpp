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
const char* const kVacuumLabels[4] = {
    "Pompa Kapasitesi:", "Bosaltma Süresi:", "Bosaltma Hacmi:", "Nihai Basinç:"};

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
    : QWidget(parent), m_table(table), m_tabOrder(table) {
    if (table.layout == PageLayout::kVacuum) {
        for (int i = 0; i < 4; ++i) {
            m_labels[static_cast<std::size_t>(i)] =
                new QLabel(QString::fromUtf8(kVacuumLabels[i]), this);
            m_labels[static_cast<std::size_t>(i)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    for (int r = 0; r < kRowCount; ++r) {
        auto* button = new QPushButton(this);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, r] { m_logic->OnButtonClicked(ButtonId(r)); });
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
    LanguageApplied(kEnglish);  // goes with the template's English captions, until a language
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
    QWidget* last = focusWidget();
    if (last && isAncestorOf(last)) {
        last->setFocus(Qt::OtherFocusReason);
    } else {
        Box(0)->setFocus(Qt::OtherFocusReason);
    }
}

ValueBox* PageWidget::BoxById(int id) const {
    const int row = BoxRow(id);
    return row >= 0 ? Box(row) : nullptr;
}

QPushButton* PageWidget::ButtonById(int id) const {
    const int row = ButtonRow(id);
    return row >= 0 ? Button(row) : nullptr;
}

QWidget* PageWidget::Control(int id) const {
    if (ValueBox* box = BoxById(id)) return box;
    return ButtonById(id);
}

int PageWidget::IdOf(const QWidget* widget) const {
    for (int r = 0; r < kRowCount; ++r) {
        if (widget == Box(r)) return BoxId(r);
        if (widget == Button(r)) return ButtonId(r);
    }
    return kNoControl;
}

int PageWidget::FocusedId() const {
    const QWidget* focus = window()->focusWidget();
    return focus && isAncestorOf(focus) ? IdOf(focus) : kNoControl;
}

void PageWidget::SetFocus(int id) {
    if (QWidget* w = Control(id)) w->setFocus(Qt::OtherFocusReason);
}

void PageWidget::SetBoxText(int boxId, std::string_view text) {
    if (ValueBox* box = BoxById(boxId)) box->setText(Text(text));
}

std::string PageWidget::BoxText(int boxId) const {
    const ValueBox* box = BoxById(boxId);
    return box ? box->text().toStdString() : std::string();
}

void PageWidget::SetReadOnly(int boxId, bool readOnly) {
    if (ValueBox* box = BoxById(boxId)) box->SetReadOnly(readOnly);
}

void PageWidget::SetCaret(int position) {
    QWidget* focus = window()->focusWidget();
    if (auto* box = qobject_cast<ValueBox*>(focus); box && isAncestorOf(box)) {
        box->setCursorPosition(position);  // also scrolls the caret into view
    }
}

void PageWidget::SetButtonCaption(int buttonId, std::string_view text) {
    QPushButton* button = ButtonById(buttonId);
    if (!button) return;
    button->setText(Text(text));
    NameRow(ButtonRow(buttonId));
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

void PageWidget::LanguageApplied(int language) {
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
    emit languageApplied(language);
}

bool PageWidget::TypeIntoBox(int row, std::string_view number) {
    ValueBox* box = Box(row);
    if (box->isReadOnly()) return false;
    box->setFocus(Qt::OtherFocusReason);
    m_logic->TypeEntry(number);
    return true;
}

namespace {

// Longer clipboard texts are not taken as a number: the box would only slow down.
constexpr qsizetype kMaxPastedNumber = 4096;

// The number in the clipboard, read as the command line reads a value with --strict:
// one line (the line end a copied line brings along is dropped), a number and nothing
// else, blanks around it allowed and left out. In a session whose language writes a
// decimal comma "12,5" is 12.5 too, entered as "12.5". Nothing when it holds anything
// else.
std::optional<std::string> ClipboardNumber() {
    QString text = QGuiApplication::clipboard()->text();
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    if (text.endsWith(QLatin1Char('\r'))) text.chop(1);
    if (text.size() > kMaxPastedNumber) return std::nullopt;
    const std::string line = text.toStdString();
    double value = 0;
    if (!ParseWholeNumber(line, value, DecimalMarkOf(LanguageFromEnvironment()))) {
        return std::nullopt;
    }
    const std::size_t first = line.find_first_not_of(" \t");
    const std::size_t last = line.find_last_not_of(" \t");
    std::string number = line.substr(first, last - first + 1);
    std::replace(number.begin(), number.end(), ',', '.');  // the page's texts write "."
    return number;
}

}  // namespace

bool PageWidget::PasteNumber(int row) {
    ValueBox* box = Box(row);
    if (box->isReadOnly()) return false;
    const std::optional<std::string> number = ClipboardNumber();
    if (!number) {
        const QWidget* frame = window();
        m_note->Show(PageText(PageWord::kNoNumber, box->Language()),
                     QRect(box->mapToGlobal(QPoint(0, 0)), box->size()),
                     QRect(frame->mapToGlobal(QPoint(0, 0)), frame->size()));
        return false;
    }
    return TypeIntoBox(row, *number);
}

void PageWidget::CopyRow(int row) {
    if (!m_table.IsUnitRow(row)) return;
    QGuiApplication::clipboard()->setText(Button(row)->text() + QLatin1Char('\t') +
                                          Box(row)->text());
}

QString PageWidget::PageRowsText() const {
    QString text;
    for (int r = 0; r < kRowCount; ++r) {
        if (!m_table.IsUnitRow(r)) continue;
        text += Button(r)->text() + QLatin1Char('\t') + Box(r)->text() + QLatin1Char('\n');
    }
    return text;
}

void PageWidget::CopyPage() {
    QGuiApplication::clipboard()->setText(PageRowsText());
}

void PageWidget::FillBoxMenu(QMenu& menu, int row) {
    ValueBox* box = Box(row);
    const int language = box->Language();
    menu.addAction(CopyText(language), box, &QLineEdit::copy)->setEnabled(box->hasSelectedText());
    menu.addAction(PageText(PageWord::kCopyRow, language), this, [this, row] { CopyRow(row); })
        ->setEnabled(m_table.IsUnitRow(row));
    menu.addAction(PageText(PageWord::kCopyPage, language), this, [this] { CopyPage(); });
    menu.addAction(PageText(PageWord::kPasteNumber, language), this,
                   [this, row] { PasteNumber(row); })
        ->setEnabled(!box->isReadOnly());
    menu.addSeparator();
    menu.addAction(SelectAllText(language), box, &QLineEdit::selectAll)
        ->setEnabled(!box->text().isEmpty());
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

void PageWidget::SetEnabled(int buttonId, bool enabled) {
    if (QPushButton* button = ButtonById(buttonId)) button->setEnabled(enabled);
}

void PageWidget::SetFlagSelected(int flag, bool selected) {
    if (flag < 0 || flag >= kLanguageCount) return;
    m_flagSelected[static_cast<std::size_t>(flag)] = selected;
    Flag(flag)->setPixmap(FlagPixmap(flag, selected, devicePixelRatioF()));
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(Flag(flag), changed);
    QAccessible::updateAccessibility(&event);
}

void PageWidget::MoveFocus(bool backwards) {
    const int next = m_tabOrder.Next(FocusedId(), backwards,
                                     [this](int id) { return Control(id)->isEnabled(); });
    if (QWidget* w = Control(next)) {
        w->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    }
}

bool PageWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (IsSystemKey(*key)) return false;  // Alt+F4 and friends go on to the window
    const int code = VirtualKeyOf(*key);
    if (code == 0) return false;
    if (m_logic->PreTranslateKeyDown(code, ModifiersOf(*key))) return true;
    if (code == vk::kTab) {  // the focus moves within the page and wraps around
        MoveFocus(key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier));
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
