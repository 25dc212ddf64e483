#pragma once

#include <QCoreApplication>
#include <QString>

namespace tavrin {

// The win text, shown in the status strip's message line and in the board's message box.
inline constexpr const char* kWinText =
    QT_TRANSLATE_NOOP("tavrin::BoardWindow", "恭喜你!你成功在50步內拿到5000分!!");

// The win text in the game's language.
inline QString winText() {
    return QCoreApplication::translate("tavrin::BoardWindow", kWinText);
}

} // namespace tavrin
