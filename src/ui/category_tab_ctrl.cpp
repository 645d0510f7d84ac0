// SPDX-License-Identifier: MIT
#include "category_tab_ctrl.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>

#include "page_widget.h"

namespace tevrimo {

void TabStrip::mousePressEvent(QMouseEvent* event) {
    QTabBar::mousePressEvent(event);  // selects the tab under the mouse, if any
    if (event->button() == Qt::LeftButton) emit leftButtonPressed();
}

void TabStrip::PressTab(int index) {
    setFocus(Qt::MouseFocusReason);
    setCurrentIndex(index);
    emit leftButtonPressed();
}

void TabStrip::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

CategoryTabCtrl::CategoryTabCtrl(QWidget* parent) : QWidget(parent), m_strip(new TabStrip(this)) {
    m_strip->setExpanding(false);
    m_strip->setUsesScrollButtons(true);
    m_strip->setElideMode(Qt::ElideNone);
    m_strip->setDrawBase(false);
    // A press on a tab takes the focus, as on any tab control; a page switch then moves
    // it into the page shown.
    m_strip->setFocusPolicy(Qt::StrongFocus);
    m_strip->setAccessibleName(QStringLiteral("Kategoriler"));  // Turkish, as the tabs are
    connect(m_strip, &TabStrip::leftButtonPressed, this, &CategoryTabCtrl::OnLButtonDown);
}

void CategoryTabCtrl::InsertCategory(int index, const QString& caption) {
    m_strip->insertTab(index, caption);
}

QRect CategoryTabCtrl::DisplayArea() const {
    const int top = m_strip->sizeHint().height();
    return QRect(2, top + 1, width() - 4, height() - top - 3);
}

void CategoryTabCtrl::resizeEvent(QResizeEvent* event) {
    m_strip->setGeometry(0, 0, width(), m_strip->sizeHint().height());
    QWidget::resizeEvent(event);
}

void CategoryTabCtrl::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, m_strip->sizeHint().height() - 1, width(),
                       height() - m_strip->sizeHint().height() + 1);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = m_strip->sizeHint();
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

void CategoryTabCtrl::CreatePages(int index) {
    m_current = index;
    for (int i = 0; i < kCategoryCount; ++i) {
        auto* page = new PageWidget(Category(i), this);
        m_pages[static_cast<std::size_t>(i)] = page;
        connect(page, &PageWidget::languageApplied, this, [this, page] {
            if (page == CurrentPage()) NameTabs();
        });
        connect(page, &PageWidget::findUnitRequested, this, &CategoryTabCtrl::findUnitRequested);
    }
    for (PageWidget* page : m_pages) page->hide();
    CurrentPage()->show();
    CurrentPage()->TakeFocus();
    PlacePages(index);
    NameTabs();
}

namespace {

// The page templates use a fixed-pitch font. Its units, made smaller where the page
// would not fit the display area, and a font of that pitch for the controls.
std::pair<DialogUnits, QFont> PageUnits(const QRect& area) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    DialogUnits units = DialogUnits::OfFont(font);
    units.baseX = std::min(units.baseX, area.width() * 4.0 / PageWidget::kTemplateWidth);
    units.baseY = std::min(units.baseY, area.height() * 8.0 / PageWidget::kTemplateHeight);
    const double boxHeight = 11 * units.baseY / 8;
    for (int pixels = 16; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        const DialogUnits f = DialogUnits::OfFont(font);
        if (f.baseX <= units.baseX + 0.05 && f.baseY <= boxHeight - 2) break;
    }
    return {units, font};
}

}  // namespace

void CategoryTabCtrl::PlacePages(int index) {
    m_strip->setCurrentIndex(index);
    const QRect area = DisplayArea();
    const auto [units, font] = PageUnits(area);
    for (int i = 0; i < kCategoryCount; ++i) {
        PageWidget* page = Page(i);
        page->setGeometry(area);
        page->LayOut(units, font);
        page->raise();
        page->setVisible(i == index);
    }
}

int CategoryTabCtrl::GetLanguage() const {
    return CurrentPage()->Logic().Language();
}

void CategoryTabCtrl::SetLanguage(int language) {
    CurrentPage()->Logic().SetLanguage(language);
    CurrentPage()->Logic().ApplyLanguage();
}

void CategoryTabCtrl::OnLButtonDown() {
    const int focused = m_strip->currentIndex();
    if (focused == m_current || focused < 0) return;
    const int language = GetLanguage();
    CurrentPage()->hide();
    m_current = focused;
    CurrentPage()->show();
    CurrentPage()->TakeFocus();
    SetLanguage(language);
    NameTabs();  // also when the language carried over applies nothing
}

void CategoryTabCtrl::PressTab(int index) {
    if (index >= 0 && index < m_strip->count()) m_strip->PressTab(index);
}

void CategoryTabCtrl::PressNextTab(bool backwards) {
    PressTab((m_current + (backwards ? kCategoryCount - 1 : 1)) % kCategoryCount);
}

void CategoryTabCtrl::NameTabs() {
    const int language = CurrentPage()->ShownLanguage();
    for (int i = 0; i < m_strip->count(); ++i) {
        const std::string_view name = Category(i).names[static_cast<std::size_t>(language)];
        m_strip->setTabToolTip(i,
                               QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
}

}  // namespace tevrimo
