// SPDX-License-Identifier: MIT
// The category tabs: a strip of thirteen Turkish captions and the thirteen pages.
// Only a left-button press on the strip switches pages, and the page being left hands
// its language to the page shown.
#pragma once

#include <QTabBar>
#include <QWidget>
#include <array>

#include "categories.h"

namespace tevrimo {

class PageWidget;

class TabStrip : public QTabBar {
    Q_OBJECT
  public:
    using QTabBar::QTabBar;

    // What a left-button press on tab `index` does; for assistive technology.
    void PressTab(int index);

  signals:
    void leftButtonPressed();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

class CategoryTabCtrl : public QWidget {
    Q_OBJECT
  public:
    explicit CategoryTabCtrl(QWidget* parent);

    void InsertCategory(int index, const QString& caption);
    // Creates the pages, shows page `index` and gives it the focus.
    void CreatePages(int index);
    // Sizes every page to the display area and selects tab `index`.
    void PlacePages(int index);
    int GetLanguage() const;
    void SetLanguage(int language);
    // What a left-button press on tab `index` does: the page switch, the language of the
    // page left behind carried over, the focus in the page shown. A press on the tab
    // already shown changes nothing (the strip takes the focus).
    void PressTab(int index);
    // The same for the tab after (before) the one shown, round from the last to the first.
    void PressNextTab(bool backwards);

    int Current() const { return m_current; }
    int SelectedTab() const { return m_strip->currentIndex(); }
    PageWidget* Page(int index) const { return m_pages[static_cast<std::size_t>(index)]; }
    PageWidget* CurrentPage() const { return Page(m_current); }
    TabStrip* Strip() const { return m_strip; }
    // The area below the strip where the pages live.
    QRect DisplayArea() const;

  signals:
    // A page's context menu asked for the unit finder.
    void findUnitRequested();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void OnLButtonDown();
    // Each tab's tooltip: its category's name in the language of the page shown.
    void NameTabs();

    TabStrip* m_strip;
    std::array<PageWidget*, kCategoryCount> m_pages{};
    int m_current = 0;
};

}  // namespace tevrimo
