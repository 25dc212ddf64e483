#pragma once

#include "platform/message_boxes.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

namespace tavrin {

// The screen the game is played on: the start window's. The playing screen, the mini-games,
// help and the message boxes open there. Until it is chosen, or once it is unplugged, the
// primary screen.
class GameScreen {
public:
    explicit GameScreen(MessageBoxes& messages) : messages_(messages) {}

    QScreen* screen() const { return screen_ ? screen_.data() : QGuiApplication::primaryScreen(); }
    void choose(QScreen* screen) {
        screen_ = screen;
        messages_.screen = screen;
    }

private:
    MessageBoxes& messages_;
    QPointer<QScreen> screen_;
};

} // namespace tavrin
