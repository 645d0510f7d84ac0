// SPDX-License-Identifier: MIT
// A category page on screen: fourteen unit buttons and value boxes, four flags (and on
// the vacuum page four labels). It is the window of the page logic: every key press
// that reaches the page or one of its controls goes to the logic first, clicks, focus
// moves and paste go to it as events, and the widgets show the logic's state as it
// renders it. Nothing is read back from a widget but a box's own mouse selection.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

#include "conversion_page.h"
#include "dialog_units.h"
#include "page_window.h"
#include "pressable_picture.h"

class QMenu;
class QPushButton;

namespace tevrimo {

class PageWidget;

// A short note below a value box, drawn as a tooltip is. Unlike a tooltip it stays
// until the next key or mouse press (or a few seconds), however the pointer moves or
// menus close; assistive technology hears it as an alert.
class BoxNote : public QLabel {
  public:
    static constexpr int kShownMs = 8000;
    explicit BoxNote(QWidget* parent);
    // Shows `text` below `box` (global coordinates), inside `area`, the window's.
    void Show(const QString& text, const QRect& box, const QRect& area);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QTimer m_timer;
};

// A value box takes text only from its page: no typing through an input method, no
// paste by key or mouse, no drop. Its context menu (right-click, or Shift+F10) copies
// and selects, enters a number from the clipboard through the page, copies the row or
// the page, and opens the unit finder. A double click selects the whole number.
class ValueBox : public QLineEdit {
    Q_OBJECT
  public:
    ValueBox(PageWidget* page, int row);

    int Row() const { return m_row; }
    // The language of the context menu.
    void SetLanguage(int language) { m_language = language; }
    int Language() const { return m_language; }
    // Read-only boxes (the vacuum page's computed ones) look it, in Qt's usual way.
    void SetReadOnly(bool readOnly);
    // Recomputes the colours after the palette changed.
    void UpdateLook();

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

  private:
    PageWidget* m_page;
    int m_row;
    int m_language = 1;
};

class PageWidget : public QWidget, public PageWindow {
    Q_OBJECT
  public:
    // Page template size in dialog units.
    static constexpr int kTemplateWidth = 313;
    static constexpr int kTemplateHeight = 225;

    PageWidget(const CategoryTable& table, QWidget* parent);
    ~PageWidget() override;

    // Places the controls from the template in `units`, with `font` on the controls.
    void LayOut(const DialogUnits& units, const QFont& font);
    // Gives the keyboard focus back to the control that had it last.
    void TakeFocus();

    ConversionPage& Logic() { return *m_logic; }
    const CategoryTable& Table() const { return m_table; }
    QPushButton* Button(int row) const { return m_buttons[static_cast<std::size_t>(row)]; }
    ValueBox* Box(int row) const { return m_boxes[static_cast<std::size_t>(row)]; }
    PressablePicture* Flag(int k) const { return m_flags[static_cast<std::size_t>(k)]; }
    // A left-button press on flag `k`, as the page handles it.
    void ClickFlag(int k);
    bool FlagSelected(int k) const { return m_flagSelected[static_cast<std::size_t>(k)]; }
    // The language of the captions shown (English until one is applied).
    int ShownLanguage() const { return m_logic->State().shownLanguage; }
    // Puts the focus in value box `row`, through the page.
    void FocusBox(int row);

    // Puts the focus in value box `row` and hands the page `number` as a number typed
    // afresh there (an armed operation takes it as its second operand). Nothing happens
    // for a read-only box. Returns whether the number was entered.
    bool TypeIntoBox(int row, std::string_view number);
    // What the value boxes' context menu does, by row. PasteNumber reads the clipboard as a value
    // on the command line with --strict is read (one line, blanks around it allowed) and enters it;
    // anything else changes nothing and says so in a tooltip at the box. Returns whether a number
    // was entered.
    bool PasteNumber(int row);
    // Copies "caption TAB value" of a row with a unit.
    void CopyRow(int row);
    // Copies every row with a unit, "caption TAB value" and a line end each.
    void CopyPage();
    // The text of the rows with a unit, as CopyPage copies it.
    QString PageRowsText() const;
    // Fills the context menu of value box `row`.
    void FillBoxMenu(QMenu& menu, int row);
    // Recomputes the colours of greyed and read-only texts from the palette.
    void UpdateLooks();
    // The note a paste without a number shows.
    const BoxNote& Note() const { return *m_note; }

    // PageWindow
    void Render(const PageState& state, const PageChanges& changes) override;

  signals:
    // The captions now show `language`.
    void languageApplied(int language);
    // The context menu's finder item.
    void findUnitRequested();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    // The control `focus` names, or null; the focus a control stands for.
    QWidget* Control(PageFocus focus) const;
    PageFocus FocusOf(const QObject* widget) const;
    // Names, descriptions, legend and box menus in `language`.
    void ShowLanguage(int language);
    void ShowFlag(int flag, bool selected);
    // Accessible names of row `row`'s button and box, after its caption.
    void NameRow(int row);
    // Tooltips and accessible descriptions of row `row`, in the page's language.
    void DescribeRow(int row);

    const CategoryTable& m_table;
    std::array<QPushButton*, kRowCount> m_buttons{};
    std::array<ValueBox*, kRowCount> m_boxes{};
    std::array<PressablePicture*, kLanguageCount> m_flags{};
    std::array<bool, kLanguageCount> m_flagSelected{};
    std::array<QLabel*, 4> m_labels{};  // vacuum page only
    BoxNote* m_note = nullptr;
    int m_language = kEnglish;  // of the names and legend drawn; English before any
    bool m_rendering = false;   // focus moves while drawing are the drawing's own
    std::unique_ptr<ConversionPage> m_logic;
};

// The picture of the flag of `language`, bright when selected, washed out when not,
// for a screen of `pixelRatio`.
QPixmap FlagPixmap(int language, bool selected, qreal pixelRatio = 1);

}  // namespace tevrimo
