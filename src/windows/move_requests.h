#pragma once

#include <QPoint>
#include <deque>

namespace tavrin {

// Tells the game's own moves of a window from moves made by others (a window manager's move
// with Alt and drag or the keyboard, another program), from the positions the window system
// reports. Qt reports a position only when it differs from the latest one the game asked for:
// a report is then either an earlier request of the game's, arriving late, or somebody else's
// move. Shortly after a request, a position the game never asked for is the window manager's
// answer to it (a window kept on screen), not a move to follow: following it could set the
// window manager and the game moving windows back and forth.
class MoveRequests {
public:
    static constexpr double kAnswerSeconds = 0.1;

    void requested(QPoint position, double nowSeconds);
    // Whether a reported position comes from the game's own requests; reports of requests
    // settle them and every earlier one.
    bool isOwn(QPoint reported, double nowSeconds);
    void clear() { pending_.clear(); }

private:
    std::deque<QPoint> pending_;
    double lastRequestSeconds_ = -1e9;
};

} // namespace tavrin
