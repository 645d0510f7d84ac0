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

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace tevrimo {

// A unit of one category, and the name it was found by.
struct UnitHit {
    int tab = 0;
    int row = 0;
    std::string matched;
    bool operator==(const UnitHit& other) const = default;
};

// Units with a name (a caption in any language, key, symbol or name) that begins with
// `text`, or has a word that does, whatever the case; in tab and row order, at most
// `most`.
std::vector<UnitHit> CompleteUnitName(std::string_view text, std::size_t most = 40);

// The units `name` stands for as the command line reads a unit name (FindUnit), in every
// category, in tab order; the first name that matched. Row numbers name nothing here.
// Where nothing answers as written, the units whose key or symbol it is in another case.
std::vector<UnitHit> FindUnitEverywhere(std::string_view name, int language);

// What may have been meant by a name that matches no unit (SuggestUnits of every
// category): each category's best first, then the second best, and so on, at most `most`.
std::vector<UnitHit> SuggestUnitsEverywhere(std::string_view name, int language,
                                            std::size_t most = 6);

// How a hit is listed: its caption in `language`, the name it was found by when that
// is another, and its category's name in `language` ("atm (atmosphere) — Pressure").
QString HitText(const UnitHit& hit, int language);

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
