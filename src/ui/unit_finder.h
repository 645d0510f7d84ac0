// SPDX-License-Identifier: MIT
// The unit finder: a small popup line over every unit of every category. It completes
// what is typed from the units' captions in all four languages, keys, symbols and
// names; Enter resolves the text as the command line finds a unit, in every category:
// one unit is shown at once, a name several categories hold lists each with its
// category, and a name nothing holds lists what may have been meant. Esc closes it and
// changes nothing.
#pragma once

#include <QFrame>
#include <QPointer>
#include <string_view>
#include <vector>

#include "unit_search.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace tevrimo {

// How a hit is listed: its caption in `language`, the name it was found by when that
// is another, and its category's name in `language` ("atm (atmosphere) — Pressure").
QString HitText(const UnitHit& hit, int language);  // HitLabel as a Qt string

class UnitFinder : public QFrame {
    Q_OBJECT
  public:
    explicit UnitFinder(QWidget* parent);

    // Opens in `language` with an empty line, its top edge centred on `top` (global
    // coordinates) and `width` wide. The focus goes back to where it was when the finder
    // closes without a choice.
    void Open(int language, QPoint top, int width);

    QLineEdit* Line() const { return m_line; }
    QListWidget* List() const { return m_list; }
    // The message above the list ("Found in several categories; choose one:").
    QString Status() const;
    const std::vector<UnitHit>& Hits() const { return m_hits; }

  signals:
    // A unit was chosen; the finder has closed.
    void unitChosen(int tab, int row);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void SetLanguage(int language);
    void OnTextEdited(const QString& text);
    // Enter in the line: the unit the text names, or the choices.
    void Resolve();
    void Choose(int index);
    void ShowHits(std::vector<UnitHit> hits, const QString& status);

    QLabel* m_prompt;
    QLineEdit* m_line;
    QLabel* m_status;
    QListWidget* m_list;
    std::vector<UnitHit> m_hits;
    int m_language = 1;
    bool m_chosen = false;
    QPointer<QWidget> m_returnFocus;
};

}  // namespace tevrimo
