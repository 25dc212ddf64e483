#pragma once

#include <QProcessEnvironment>
#include <QStringList>
#include <vector>

namespace tavrin {

// Qt's Wayland backend can neither place top-level windows nor read their positions, and the
// playing screen is a group of windows placed around the handle. In a Wayland session that
// also offers its X server (XWayland, DISPLAY), the game therefore runs there, unless the user
// chose a platform (QT_QPA_PLATFORM, -platform). If that X server cannot be reached, Qt falls
// back to Wayland.
bool prefersXServer(const QStringList& arguments, const QProcessEnvironment& environment);

// The program's arguments for QApplication: the real ones, with "-platform xcb;wayland" added
// where prefersXServer says so. Keeps the strings alive as long as QApplication needs them.
class ApplicationArguments {
public:
    ApplicationArguments(int argc, char* argv[]);
    ApplicationArguments(const ApplicationArguments&) = delete;
    ApplicationArguments& operator=(const ApplicationArguments&) = delete;

    int& argc() { return argc_; }
    char** argv() { return pointers_.data(); }

private:
    std::vector<QByteArray> strings_;
    std::vector<char*> pointers_;
    int argc_ = 0;
};

// Under a platform that cannot place windows, says once on standard error why the board, the
// status strip and the die may not line up with the handle.
void noteWhenWindowsCannotBePlaced();

} // namespace tavrin
