#include "windows/accessible_names.h"

#include "controls/accessible.h"
#include "controls/label_control.h"
#include "controls/reading_control.h"
#include "rules/board_rules.h"
#include "rules/game_state.h"
#include "rules/target_scoring.h"
#include "windows/game_window.h"

#include <QMap>
#include <functional>
#include <stdexcept>

namespace tavrin {
namespace {

using accessible::Role;

// What the design's tooltip says, without anything added to it since.
QString designTooltip(const GameWindow& window, const QString& name) {
    for (const layout::ControlDesign& c : window.design().controls)
        if (c.name == name)
            return c.tooltip;
    return {};
}

void nameByTooltip(GameWindow& window, const QString& name, Role role) {
    QWidget& control = *window.control(name);
    accessible::setRole(control, role);
    accessible::setName(control, designTooltip(window, name), false);
}

void hide(GameWindow& window, const QString& name) {
    accessible::hide(*window.control(name));
}

void hideRow(GameWindow& window, const QString& name, int count) {
    for (int i = 0; i < count; ++i)
        accessible::hide(*window.control(name, i));
}

// A reading over the pictures it stands for, so that a reader's highlight falls on them.
ReadingControl& addReading(GameWindow& window, const QString& name, const QRect& over) {
    auto* r = new ReadingControl(&window);
    r->setObjectName(name);
    r->setGeometry(over);
    r->lower();
    return *r;
}

QRect boxOf(const GameWindow& window, const QString& name, int count) {
    QRect box;
    for (int i = 0; i < count; ++i)
        box |= window.control(name, i)->geometry();
    return box;
}

void describeStartWindow(GameWindow& w) {
    accessible::setRole(*w.control("startLink"), Role::Button);
    w.control("instructions")->setAccessibleName(w.label("title").caption());
    hide(w, "character");
}

void describeBoard(GameWindow& w) {
    w.setAccessibleName("遊戲地圖 Game board");
    ReadingControl& list = addReading(w, "squareList", w.rect());
    accessible::setRole(list, Role::List);
    accessible::setName(list, "方格 Squares", false);
    QList<QWidget*> squares;
    for (int i = 0; i < rules::kSquareCount; ++i) {
        squares << w.control("squares", i);
        accessible::setRole(*squares.back(), Role::ListItem);
    }
    accessible::setListItems(list, squares);
    // Where the character stands is the list's mark.
    hide(w, "character");
    hide(w, "heart");
}

void describeDie(GameWindow& w) {
    w.setAccessibleName("骰子 Die");
    accessible::setRole(*w.control("dieFace"), Role::Button);
}

void describeStatusStrip(GameWindow& w) {
    w.setAccessibleName("遊戲狀態 Status");
    accessible::setRole(*w.control("message"), Role::LiveText);
    for (const char* shield : {"infoShield", "helpShield", "searchShield", "exitShield"})
        nameByTooltip(w, shield, Role::Button);
    addReading(w, "scoreReading", boxOf(w, "scoreDigits", 6) | w.control("scoreWord")->geometry());
    addReading(w, "throwReading", boxOf(w, "trialDigits", 6) | w.control("trialWord")->geometry());
    hideRow(w, "scoreDigits", 6);
    hideRow(w, "trialDigits", 6);
    hide(w, "scoreWord");
    hide(w, "trialWord");
}

void describeHandle(GameWindow& w) {
    nameByTooltip(w, "handle", Role::Picture);
}

void describeTargetGame(GameWindow& w) {
    for (int i = 0; i < rules::kTargetCount; ++i) {
        QWidget& target = *w.control("targets", i);
        accessible::setName(target, QString(target.toolTip()).replace('\r', ' ').simplified(),
                            false);
    }
    addReading(w, "clockReading",
               boxOf(w, "minuteDigits", 2) | boxOf(w, "secondDigits", 2) |
                   boxOf(w, "hundredthDigits", 2));
    for (const char* row : {"minuteDigits", "secondDigits", "hundredthDigits"})
        hideRow(w, row, 2);
}

void describeEndWindow(GameWindow& w) {
    accessible::setRole(*w.control("nextLink"), Role::Button);
    for (const char* link : {"emailLink", "homeLink", "helpLink", "infoLink"})
        accessible::setRole(*w.control(link), Role::Link);
    hide(w, "character");
}

} // namespace

void describeForAssistiveTechnology(GameWindow& window) {
    static const QMap<QString, std::function<void(GameWindow&)>> byWindow{
        {"startWindow", describeStartWindow}, {"boardWindow", describeBoard},
        {"dieWindow", describeDie},           {"statusStrip", describeStatusStrip},
        {"dragHandle", describeHandle},       {"targetGameWindow", describeTargetGame},
        {"endWindow", describeEndWindow},
    };
    // The quiz's captions and buttons read well as they are.
    if (const auto describe = byWindow.value(window.design().name))
        describe(window);
}

ReadingControl& reading(const GameWindow& window, const QString& name) {
    auto* r = window.findChild<ReadingControl*>(name, Qt::FindDirectChildrenOnly);
    if (!r)
        throw std::logic_error(("no reading " + window.design().name + "." + name).toStdString());
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
