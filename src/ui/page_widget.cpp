#include "page_widget.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>
#include <limits>

#include "keys.h"
#include "qt_keys.h"

namespace tevrimo {

namespace {

// Row positions shared by every page template, dialog units.
constexpr int kRowY[kRowCount] = {8, 21, 33, 46, 59, 72, 85, 98, 111, 124, 137, 150, 163, 176};
constexpr int kButtonX = 9;
constexpr int kButtonHeight = 12;
constexpr int kBoxRight = 210;
constexpr int kBoxHeight = 11;
constexpr int kFlagX = 217;
constexpr int kFlagY[kLanguageCount] = {10, 30, 50, 70};
constexpr int kFlagWidth = 47, kFlagHeight = 28;  // pixels: the pictures keep their size

// The vacuum page template.
constexpr int kVacuumLabelWidth = 69;
constexpr int kVacuumLabelY[4] = {16, 41, 67, 93};
constexpr int kVacuumButtonX = 69;
constexpr int kVacuumBoxX = 140;
constexpr int kVacuumColumnWidth = 70;
const char* const kVacuumLabels[4] = {
    "Pompa Kapasitesi:", "Bosaltma Süresi:", "Bosaltma Hacmi:", "Nihai Basinç:"};

const char* const kLanguageNames[kLanguageCount] = {"Türkçe", "English", "Deutsch", "Français"};

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

QPixmap FlagPixmap(int bitmap) {
    static const char* const kNames[kLanguageCount] = {"tr", "gb", "de", "fr"};
    const int k = (bitmap - kFirstFlagBitmap) % kLanguageCount;
    const bool bright = bitmap - kFirstFlagBitmap < kLanguageCount;
    return QPixmap(QStringLiteral(":/images/flag_%1%2.png")
                       .arg(QLatin1String(kNames[k]), bright ? QString() : QStringLiteral("_off")));
}

ValueBox::ValueBox(QWidget* parent) : QLineEdit(parent) {
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAcceptDrops(false);
    setDragEnabled(false);
    setMaxLength(std::numeric_limits<int>::max());  // the entry has no length limit
}

void ValueBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction(tr("&Copy"), this, &QLineEdit::copy);
    copy->setEnabled(hasSelectedText());
    menu.addSeparator();
    QAction* all = menu.addAction(tr("Select &All"), this, &QLineEdit::selectAll);
    all->setEnabled(!text().isEmpty());
    menu.exec(event->globalPos());
}

void ValueBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) return;  // no paste of the X selection
    QLineEdit::mousePressEvent(event);
}

void ValueBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) return;
    QLineEdit::mouseReleaseEvent(event);
}

void ValueBox::inputMethodEvent(QInputMethodEvent* event) {
    event->ignore();
}

PageWidget::PageWidget(const CategoryTable& table, QWidget* parent)
    : QWidget(parent), m_table(table) {
    const bool vacuum = table.tabIndex == kVacuumTab;
    if (vacuum) {
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
        m_boxes[static_cast<std::size_t>(r)] = new ValueBox(this);
    }
    for (int k = 0; k < kLanguageCount; ++k) {
        auto* flag = new QLabel(this);
        flag->setAttribute(Qt::WA_TransparentForMouseEvents);  // presses reach the page
        flag->setAccessibleName(QString::fromUtf8(kLanguageNames[k]));
        m_flags[static_cast<std::size_t>(k)] = flag;
    }
    // Tab order as in the template: buttons then boxes, or boxes then buttons.
    for (int pass = 0; pass < 2; ++pass) {
        const bool boxes = (pass == 0) == vacuum;
        for (int r = 0; r < kRowCount; ++r) {
            m_tabStops.push_back(boxes ? static_cast<QWidget*>(Box(r)) : Button(r));
        }
    }
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);

    LayOut(DialogUnits::OfFont(font()), font());
    m_logic = ConversionPage::Make(table, *this);
    m_logic->Initialize();
}

PageWidget::~PageWidget() = default;

void PageWidget::LayOut(const DialogUnits& u, const QFont& controlFont) {
    const bool vacuum = m_table.tabIndex == kVacuumTab;
    const int width = m_table.buttonWidth;
    for (int r = 0; r < kRowCount; ++r) {
        const int y = kRowY[r];
        QWidget* button = Button(r);
        QWidget* box = Box(r);
        button->setFont(controlFont);
        box->setFont(controlFont);
        if (vacuum) {
            button->setGeometry(u.Rect(kVacuumButtonX, y, kVacuumColumnWidth, kButtonHeight));
            box->setGeometry(u.Rect(kVacuumBoxX, y + 1, kVacuumColumnWidth, kBoxHeight));
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

QWidget* PageWidget::Control(int id) const {
    if (id >= kFirstBoxId && id < kFirstBoxId + kRowCount) return Box(id - kFirstBoxId);
    if (id >= kFirstButtonId && id < kFirstButtonId + kRowCount) return Button(id - kFirstButtonId);
    if (id >= kFirstFlagId && id < kFirstFlagId + kLanguageCount) return Flag(id - kFirstFlagId);
    return nullptr;
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
    if (QWidget* w = Control(boxId)) static_cast<ValueBox*>(w)->setText(Text(text));
}

std::string PageWidget::BoxText(int boxId) const {
    const QWidget* w = Control(boxId);
    return boxId >= kFirstBoxId && w ? static_cast<const ValueBox*>(w)->text().toStdString()
                                     : std::string();
}

void PageWidget::SetCaret(int position) {
    QWidget* focus = window()->focusWidget();
    if (auto* box = qobject_cast<ValueBox*>(focus); box && isAncestorOf(box)) {
        box->setCursorPosition(position);  // also scrolls the caret into view
    }
}

bool PageWidget::CtrlDown() const {
    return m_ctrlDown;
}

void PageWidget::SetButtonCaption(int buttonId, std::string_view text) {
    if (auto* button = qobject_cast<QPushButton*>(Control(buttonId))) {
        button->setText(Text(text));
        button->setAccessibleName(Text(text).trimmed());
        Box(buttonId - kFirstButtonId)->setAccessibleName(Text(text).trimmed());
    }
}

void PageWidget::SetFlagBitmap(int flag, int bitmap) {
    if (flag < 0 || flag >= kLanguageCount) return;
    m_flagBitmaps[static_cast<std::size_t>(flag)] = bitmap;
    Flag(flag)->setPixmap(FlagPixmap(bitmap));
}

void PageWidget::SetReadOnly(int boxId, bool readOnly) {
    if (QWidget* w = Control(boxId)) static_cast<ValueBox*>(w)->setReadOnly(readOnly);
}

void PageWidget::SetEnabled(int buttonId, bool enabled) {
    if (QWidget* w = Control(buttonId)) w->setEnabled(enabled);
}

void PageWidget::MoveFocus(bool backwards) {
    const int count = static_cast<int>(m_tabStops.size());
    const auto here = std::find(m_tabStops.begin(), m_tabStops.end(), window()->focusWidget());
    int index = here == m_tabStops.end() ? (backwards ? 0 : -1)
                                         : static_cast<int>(here - m_tabStops.begin());
    for (int step = 0; step < count; ++step) {
        index = (index + (backwards ? count - 1 : 1)) % count;
        QWidget* w = m_tabStops[static_cast<std::size_t>(index)];
        if (w->isEnabled()) {
            w->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            return;
        }
    }
}

bool PageWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (IsSystemKey(*key)) return false;  // Alt+F4 and friends go on to the window
    const int code = VirtualKeyOf(*key);
    if (code == 0) return false;
    m_ctrlDown = key->modifiers() & Qt::ControlModifier;
    const bool consumed = m_logic->PreTranslateKeyDown(code);
    m_ctrlDown = false;
    if (consumed) return true;
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
