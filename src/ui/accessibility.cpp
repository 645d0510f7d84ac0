// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include <QAccessibleWidget>
#include <QHash>

#include "category_tab_ctrl.h"
#include "main_dialog.h"
#include "pressable_picture.h"

namespace tevrimo {

namespace {

// A flag (a radio button, checked on the page's language) or the banner (a link).
class PictureAccessible : public QAccessibleWidget {
  public:
    explicit PictureAccessible(PressablePicture* picture) : QAccessibleWidget(picture) {}

    PressablePicture* Picture() const { return static_cast<PressablePicture*>(widget()); }

    QAccessible::Role role() const override {
        return Picture()->checked ? QAccessible::RadioButton : QAccessible::Link;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (Picture()->checked) {
            s.checkable = true;
            s.checked = Picture()->checked();
        }
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && Picture()->press) Picture()->press();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

// One tab of the strip.
class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    TabAccessible(TabStrip* strip, int index) : m_strip(strip), m_index(index) {}

    bool isValid() const override { return m_strip && m_index < m_strip->count(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_strip);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    // Named with its (Turkish) caption; described with its category's name in the
    // language of the page shown, as its tooltip.
    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return m_strip->tabText(m_index);
        if (t == QAccessible::Description) return m_strip->tabToolTip(m_index);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = m_strip->tabRect(m_index);
        return QRect(m_strip->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) return s;
        s.selectable = true;
        s.selected = m_strip->currentIndex() == m_index;
        s.invisible =
            !m_strip->isVisible() || !m_strip->rect().intersects(m_strip->tabRect(m_index));
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    // Pressing or selecting a tab does what a left-button press on it does.
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && isValid()) m_strip->PressTab(m_index);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QPointer<TabStrip> m_strip;
    int m_index;
};

// The strip: its tabs, then the widgets it holds (the scroll arrows).
class TabStripAccessible : public QAccessibleWidget {
  public:
    explicit TabStripAccessible(TabStrip* strip)
        : QAccessibleWidget(strip, QAccessible::PageTabList) {}
    ~TabStripAccessible() override {
        for (QAccessible::Id id : m_tabs) QAccessible::deleteAccessibleInterface(id);
    }

    TabStrip* Strip() const { return static_cast<TabStrip*>(widget()); }

    int childCount() const override { return Strip()->count() + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override {
        const int tabs = Strip()->count();
        if (index < 0) return nullptr;
        if (index >= tabs) return QAccessibleWidget::child(index - tabs);
        if (!m_tabs.contains(index)) {
            m_tabs.insert(
                index, QAccessible::registerAccessibleInterface(new TabAccessible(Strip(), index)));
        }
        return QAccessible::accessibleInterface(m_tabs.value(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (auto it = m_tabs.begin(); it != m_tabs.end(); ++it) {
            if (QAccessible::accessibleInterface(it.value()) == child) return it.key();
        }
        const int widgetIndex = QAccessibleWidget::indexOfChild(child);
        return widgetIndex < 0 ? -1 : Strip()->count() + widgetIndex;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint p = Strip()->mapFromGlobal(QPoint(x, y));
        const int index = Strip()->tabAt(p);
        return index >= 0 ? child(index) : QAccessibleWidget::childAt(x, y);
    }

  private:
    mutable QHash<int, QAccessible::Id> m_tabs;
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("tevrimo::PressablePicture")) {
        return new PictureAccessible(static_cast<PressablePicture*>(widget));
    }
    if (className == QLatin1String("tevrimo::TabStrip")) {
        return new TabStripAccessible(static_cast<TabStrip*>(widget));
    }
    if (className == QLatin1String("tevrimo::MainDialog")) {
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    }
    // A page: a pane named with its category, described with its key legend.
    if (className == QLatin1String("tevrimo::PageWidget")) {
        return new QAccessibleWidget(widget, QAccessible::Pane);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(Factory);
}

}  // namespace tevrimo
