#include "windows/accessible_window.h"

#include "controls/accessible.h"
#include "windows/game_window.h"

#include <QAccessibleWidget>
#include <algorithm>

namespace tavrin {
namespace {

// A game window as assistive technology sees it: its controls, without those described as
// hidden (decoration, pictures a reading stands for) and without list items, which their list
// presents.
class WindowInterface : public QAccessibleWidget {
public:
    explicit WindowInterface(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(shownChildren().size()); }

    QAccessibleInterface* child(int index) const override {
        return QAccessible::queryAccessibleInterface(shownChildren().value(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        return static_cast<int>(
            shownChildren().indexOf(qobject_cast<QWidget*>(child ? child->object() : nullptr)));
    }

private:
    // In reading order, whatever order the design stacks them in; controls parked outside the
    // window (the end window's links on its first page) are not there to read.
    QList<QWidget*> shownChildren() const {
        QList<QWidget*> shown;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->isWindow() && !accessible::isHidden(*w) && !accessible::listOf(*w) &&
                widget()->rect().intersects(w->geometry()))
                shown << w;
        }
        return inReadingOrder(shown);
    }

    // Rows from top to bottom, each left to right: a control whose top lies above the bottom
    // of the row so far belongs to that row.
    static QList<QWidget*> inReadingOrder(QList<QWidget*> controls) {
        std::stable_sort(controls.begin(), controls.end(),
                         [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
        QList<QWidget*> ordered;
        for (qsizetype rowStart = 0; rowStart < controls.size();) {
            qsizetype rowEnd = rowStart + 1;
            int rowBottom = controls[rowStart]->geometry().bottom();
            while (rowEnd < controls.size() && controls[rowEnd]->y() < rowBottom)
                rowBottom = std::max(rowBottom, controls[rowEnd++]->geometry().bottom());
            QList<QWidget*> row = controls.mid(rowStart, rowEnd - rowStart);
            std::stable_sort(row.begin(), row.end(),
                             [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
            ordered << row;
            rowStart = rowEnd;
        }
        return ordered;
    }
};

QAccessibleInterface* windowFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(GameWindow::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new WindowInterface(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void installAccessibility() {
    accessible::installControlInterfaces();
    QAccessible::installFactory(windowFactory);
}

} // namespace tavrin
