#include "app/window_system_choice.h"

#include "platform/window_system.h"

#include <cstdio>

namespace tavrin {
namespace {

bool choosesPlatform(const QStringList& arguments) {
    // Qt reads "-platform NAME" and "--platform NAME".
    return arguments.contains("-platform") || arguments.contains("--platform");
}

} // namespace

bool prefersXServer(const QStringList& arguments, const QProcessEnvironment& environment) {
    if (environment.contains("QT_QPA_PLATFORM") || choosesPlatform(arguments))
        return false;
    const bool waylandSession = !environment.value("WAYLAND_DISPLAY").isEmpty() ||
                                environment.value("XDG_SESSION_TYPE") == "wayland";
    return waylandSession && !environment.value("DISPLAY").isEmpty();
}

ApplicationArguments::ApplicationArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        strings_.emplace_back(argv[i]);
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (prefersXServer(arguments, QProcessEnvironment::systemEnvironment())) {
        strings_.emplace_back("-platform");
        strings_.emplace_back("xcb;wayland");
    }
    for (QByteArray& s : strings_)
        pointers_.push_back(s.data());
    argc_ = static_cast<int>(strings_.size());
    pointers_.push_back(nullptr); // argv[argc] is a null pointer, as in main's
}

void noteWhenWindowsCannotBePlaced() {
    if (windowsCanBePlaced())
        return;
    std::fprintf(stderr,
                 "tavrin: this window system does not let programs place their windows, so the "
                 "board, the status strip and the die may not line up with the handle; dragging "
                 "the handle moves only the handle. In a Wayland session with an X server "
                 "(DISPLAY set), the game keeps its windows together there unless "
                 "QT_QPA_PLATFORM or -platform chooses Wayland.\n");
}

} // namespace tavrin
