#include "windows/accessible_names.h"

#include "controls/reading_control.h"
#include "rules/board_rules.h"
#include "windows/game_window.h"

namespace tavrin {

void nameByTooltip(const GameWindow& window, QWidget& control, accessible::Role role) {
    accessible::setRole(control, role);
    for (const GameWindow::BuiltControl& c : window.controls())
        if (c.widget == &control)
            accessible::setName(control, c.design->tooltip, false);
}

ReadingControl& addReading(GameWindow& window, const QString& name, const QRect& over) {
    auto* r = new ReadingControl(&window);
    r->setObjectName(name);
    r->setGeometry(over);
    r->lower();
    return *r;
}

QString dieReading(int face) {
    return QString("骰子 Die: %1").arg(face);
}

QString scoreReading(long long score) {
    return QString("分數 Score %1").arg(score);
}

QString throwReading(int trial) {
    if (trial > rules::kMovingThrowLimit)
        return QString("步數 Throw %1: no throws left").arg(trial);
    return QString("步數 Throw %1 of %2").arg(trial).arg(rules::kMovingThrowLimit);
}

QString timeLeftReading(const std::array<int, 6>& d) {
    return QString("Time left %1%2:%3%4").arg(d[0]).arg(d[1]).arg(d[2]).arg(d[3]);
}

} // namespace tavrin
