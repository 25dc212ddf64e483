#include "controls/accessible.h"

#include "controls/image_control.h"
#include "controls/label_control.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QRegularExpression>
#include <QVariant>
#include <QWidget>

namespace tavrin::accessible {
namespace {

// Where the descriptions live: on the control itself, so that they hold whenever assistive
// technology asks, however early its interface was made.
constexpr const char* kRole = "accessibleRole";
constexpr const char* kName = "spokenName";
constexpr const char* kHidden = "accessibleHidden";
constexpr const char* kItems = "accessibleItems";
constexpr const char* kList = "accessibleList";
constexpr const char* kMarked = "accessibleMarked";

bool carriesText(Role r) {
    return r == Role::Text || r == Role::LiveText || r == Role::ListItem;
}

QAccessible::Role qtRole(Role r) {
    switch (r) {
    case Role::Picture:
        return QAccessible::Graphic;
    case Role::Text:
        return QAccessible::StaticText;
    case Role::LiveText:
        return QAccessible::StatusBar; // where readers look for a message that just changed
    case Role::Button:
        return QAccessible::Button;
    case Role::Link:
        return QAccessible::Link;
    case Role::List:
        return QAccessible::List;
    case Role::ListItem:
        return QAccessible::ListItem;
    }
    return QAccessible::Client;
}

QList<QWidget*> itemsOf(const QWidget& list) {
    QList<QWidget*> items;
    for (const QVariant& v : list.property(kItems).toList())
        if (auto* w = qobject_cast<QWidget*>(v.value<QObject*>()))
            items << w;
    return items;
}

// A caption such as "START ->" is read as "START": the arrow only points the way on screen.
QString spokenCaption(const QString& caption, Role r) {
    if (r != Role::Button)
        return caption;
    static const QRegularExpression arrow(QStringLiteral("\\s*->\\s*$"));
    return QString(caption).remove(arrow);
}

QString nameOf(const QWidget& control) {
    const QVariant spoken = control.property(kName);
    if (spoken.isValid())
        return spoken.toString();
    if (const auto* label = qobject_cast<const LabelControl*>(&control))
        return spokenCaption(label->caption(), role(control));
    return control.accessibleName();
}

void activate(QWidget& control) {
    if (auto* label = qobject_cast<LabelControl*>(&control))
        label->activate();
    else if (auto* image = qobject_cast<ImageControl*>(&control))
        image->activate();
}

// One interface for every control of the game. It reads the control's description each time
// it is asked, so that a name or mark set later is what a reader gets.
class ControlInterface : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ControlInterface(QWidget* control) : QAccessibleWidget(control) {}

    QAccessible::Role role() const override { return qtRole(accessible::role(*widget())); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return nameOf(*widget());
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const Role r = accessible::role(*widget());
        if (carriesText(r))
            s.readOnly = true;
        if (r == Role::ListItem) {
            s.selectable = true;
            s.selected = isMarked(*widget());
        }
        return s;
    }

    QAccessibleInterface* parent() const override {
        if (QWidget* list = listOf(*widget()))
            return QAccessible::queryAccessibleInterface(list);
        return QAccessibleWidget::parent();
    }

    int childCount() const override {
        if (accessible::role(*widget()) == Role::List)
            return static_cast<int>(itemsOf(*widget()).size());
        return QAccessibleWidget::childCount();
    }

    QAccessibleInterface* child(int index) const override {
        if (accessible::role(*widget()) == Role::List)
            return QAccessible::queryAccessibleInterface(itemsOf(*widget()).value(index));
        return QAccessibleWidget::child(index);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (accessible::role(*widget()) == Role::List)
            return static_cast<int>(
                itemsOf(*widget()).indexOf(qobject_cast<QWidget*>(child->object())));
        return QAccessibleWidget::indexOfChild(child);
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (isPressable())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && isPressable())
            activate(*widget());
        else
            QAccessibleWidget::doAction(action);
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface && carriesText(accessible::role(*widget())))
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // Read-only text: the name, with no selection or caret.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        const QString all = nameOf(*widget());
        if (end < 0 || end > all.size())
            end = static_cast<int>(all.size());
        return start < 0 || start > end ? QString() : all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(nameOf(*widget()).size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = *end = 0;
        return {};
    }

private:
    bool isPressable() const {
        const Role r = accessible::role(*widget());
        return r == Role::Button || r == Role::Link;
    }
};

QAccessibleInterface* controlFactory(const QString& className, QObject* object) {
    static const QStringList ours{"tavrin::LabelControl", "tavrin::ImageControl",
                                  "tavrin::PictureBox", "tavrin::ReadingControl",
                                  "tavrin::FocusMark"};
    if (object && object->isWidgetType() && ours.contains(className))
        return new ControlInterface(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void setRole(QWidget& control, Role r) {
    control.setProperty(kRole, static_cast<int>(r));
}

Role role(const QWidget& control) {
    const QVariant r = control.property(kRole);
    if (r.isValid())
        return static_cast<Role>(r.toInt());
    return qobject_cast<const LabelControl*>(&control) ? Role::Text : Role::Picture;
}

void setName(QWidget& control, const QString& name, bool announce) {
    const QString old = nameOf(control);
    control.setProperty(kName, name);
    if (!announce)
        return;
    QAccessibleEvent changed(&control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    if (carriesText(role(control))) {
        QAccessibleTextUpdateEvent text(&control, 0, old, name);
        QAccessible::updateAccessibility(&text);
    }
}

void textChanged(QWidget& control, const QString& oldText) {
    if (!carriesText(role(control)) || control.property(kName).isValid())
        return;
    QAccessibleTextUpdateEvent text(&control, 0, oldText, nameOf(control));
    QAccessible::updateAccessibility(&text);
}

void hide(QWidget& control) {
    control.setProperty(kHidden, true);
}

bool isHidden(const QWidget& control) {
    return control.property(kHidden).toBool();
}

void setListItems(QWidget& list, const QList<QWidget*>& items) {
    QVariantList stored;
    for (QWidget* item : items) {
        stored << QVariant::fromValue<QObject*>(item);
        item->setProperty(kList, QVariant::fromValue<QObject*>(&list));
    }
    list.setProperty(kItems, stored);
}

QWidget* listOf(const QWidget& item) {
    return qobject_cast<QWidget*>(item.property(kList).value<QObject*>());
}

void setMarked(QWidget& item, bool marked) {
    if (isMarked(item) == marked)
        return;
    item.setProperty(kMarked, marked);
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(&item, changed);
    QAccessible::updateAccessibility(&event);
}

bool isMarked(const QWidget& item) {
    return item.property(kMarked).toBool();
}

void installControlInterfaces() {
    QAccessible::installFactory(controlFactory);
}

} // namespace tavrin::accessible
