// SPDX-License-Identifier: MIT
#include "unit_finder.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "categories.h"
#include "page_texts.h"
#include "unit_names.h"
#include "unit_search.h"

namespace tevrimo {

namespace {

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

QString HitText(const UnitHit& hit, int language) {
    return Text(HitLabel(hit, language));
}

UnitFinder::UnitFinder(QWidget* parent)
    : QFrame(parent, Qt::Popup),
      m_prompt(new QLabel(this)),
      m_line(new QLineEdit(this)),
      m_status(new QLabel(this)),
      m_list(new QListWidget(this)) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_prompt);
    layout->addWidget(m_line);
    layout->addWidget(m_status);
    layout->addWidget(m_list);
    m_prompt->setBuddy(m_line);
    m_status->setWordWrap(true);
    m_status->hide();
    m_line->setClearButtonEnabled(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // A horizontal scroll bar would take the height of the rows it is sized for (at
    // scale 2 only one row showed): a long entry is shortened, whole in its tooltip.
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setTextElideMode(Qt::ElideMiddle);
    m_list->hide();
    m_line->installEventFilter(this);
    m_list->installEventFilter(this);
    connect(m_line, &QLineEdit::textEdited, this, &UnitFinder::OnTextEdited);
    SetLanguage(kEnglish);
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { Choose(m_list->row(item)); });
}

void UnitFinder::SetLanguage(int language) {
    m_language = LanguageOrEnglish(language);
    m_prompt->setText(PageText(PageWord::kFinderPrompt, m_language));
    m_line->setPlaceholderText(PageText(PageWord::kFinderHint, m_language));
    m_line->setAccessibleName(m_prompt->text());
    m_list->setAccessibleName(PageText(PageWord::kFinderList, m_language));
}

void UnitFinder::Open(int language, QPoint top, int width) {
    SetLanguage(language);
    m_chosen = false;
    m_returnFocus = QApplication::focusWidget();
    m_line->clear();
    ShowHits({}, {});
    setFixedWidth(width);
    adjustSize();
    move(top.x() - width / 2, top.y());
    show();
    activateWindow();
    m_line->setFocus(Qt::PopupFocusReason);
}

QString UnitFinder::Status() const {
    return m_status->text();
}

void UnitFinder::ShowHits(std::vector<UnitHit> hits, const QString& status) {
    m_hits = std::move(hits);
    m_list->clear();
    for (const UnitHit& h : m_hits) {
        auto* item = new QListWidgetItem(HitText(h, m_language), m_list);
        item->setToolTip(item->text());
    }
    // As tall as its items, up to nine of them; more scroll.
    constexpr int kMostRows = 9;
    const int rows = std::min(m_list->count(), kMostRows);
    const int rowHeight = m_list->count() > 0 ? m_list->sizeHintForRow(0) : 0;
    m_list->setFixedHeight(rows * rowHeight + 2 * m_list->frameWidth());
    m_list->setVisible(!m_hits.empty());
    m_status->setText(status);
    m_status->setVisible(!status.isEmpty());
    // What the line says to assistive technology: how to use it, and what Enter found.
    const QString help = PageText(PageWord::kFinderHelp, m_language);
    m_line->setAccessibleDescription(status.isEmpty() ? help : status + QLatin1Char(' ') + help);
    adjustSize();
}

void UnitFinder::OnTextEdited(const QString& text) {
    ShowHits(CompleteUnitName(text.trimmed().toStdString()), {});
}

void UnitFinder::Resolve() {
    const std::string name = m_line->text().trimmed().toStdString();
    if (name.empty()) return;
    std::vector<UnitHit> found = FindUnitEverywhere(name, m_language);
    if (found.size() == 1) {
        m_hits = std::move(found);
        Choose(0);
        return;
    }
    if (!found.empty()) {
        ShowHits(std::move(found), PageText(PageWord::kSeveralCategories, m_language));
        return;
    }
    std::vector<UnitHit> suggested = SuggestUnitsEverywhere(name, m_language);
    const PageWord status = suggested.empty() ? PageWord::kNoSuchUnit : PageWord::kDidYouMean;
    ShowHits(std::move(suggested), PageText(status, m_language));
}

void UnitFinder::Choose(int index) {
    if (index < 0 || index >= static_cast<int>(m_hits.size())) return;
    const UnitHit hit = m_hits[static_cast<std::size_t>(index)];
    m_chosen = true;
    hide();
    emit unitChosen(hit.tab, hit.row);
}

bool UnitFinder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QFrame::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (key->key() == Qt::Key_Escape) {
        hide();
        return true;
    }
    if (watched == m_line) {
        if (enter) {
            Resolve();
            return true;
        }
        // Down goes into the list, where each unit is read out as it is reached.
        if (key->key() == Qt::Key_Down && m_list->count() > 0) {
            m_list->setFocus(Qt::OtherFocusReason);
            m_list->setCurrentRow(std::max(m_list->currentRow(), 0));
            return true;
        }
        return false;
    }
    if (watched == m_list) {
        if (enter) {
            Choose(m_list->currentRow());
            return true;
        }
        if (key->key() == Qt::Key_Up && m_list->currentRow() <= 0) {
            m_line->setFocus(Qt::OtherFocusReason);
            return true;
        }
        // Typing goes on in the line.
        const bool typing = !key->text().isEmpty() && key->text().at(0).isPrint();
        if (typing || key->key() == Qt::Key_Backspace) {
            m_line->setFocus(Qt::OtherFocusReason);
            QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
            QApplication::sendEvent(m_line, &copy);
            return true;
        }
    }
    return false;
}

void UnitFinder::hideEvent(QHideEvent* event) {
    QFrame::hideEvent(event);
    if (!m_chosen && m_returnFocus) m_returnFocus->setFocus(Qt::PopupFocusReason);
}

}  // namespace tevrimo
