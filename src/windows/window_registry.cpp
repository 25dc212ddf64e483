#include "windows/window_registry.h"

#include <QGuiApplication>

namespace tavrin {

WindowRegistry::~WindowRegistry() {
    for (GameWindow* window : loaded()) {
        window->markDestroying();
        delete window;
    }
    for (const QPointer<GameWindow>& window : leaving_)
        delete window.data();
}

void WindowRegistry::showWindow(GameWindow& window) {
    window.show();
    if (QGuiApplication::platformName() != "offscreen") // which cannot stack windows
        window.raise();
}

void WindowRegistry::forget(GameWindow& window) {
    for (auto it = windows_.begin(); it != windows_.end(); ++it)
        if (it->second == &window) {
            windows_.erase(it);
            return;
        }
}

void WindowRegistry::unloadWindow(GameWindow& window) {
    if (window.isBeingDestroyed())
        return;
    window.markDestroying();
    window.onUnload();
    forget(window);
    window.hide();
    deleteSoon(window);
}

void WindowRegistry::discardWindow(GameWindow& window) {
    if (window.isBeingDestroyed())
        return;
    window.markDestroying();
    forget(window);
    window.hide();
    deleteSoon(window);
}

// Deferred: a window may unload itself from inside one of its own handlers.
void WindowRegistry::deleteSoon(GameWindow& window) {
    std::erase_if(leaving_, [](const QPointer<GameWindow>& gone) { return gone.isNull(); });
    leaving_.emplace_back(&window);
    window.deleteLater();
}

void WindowRegistry::hideAll() {
    for (GameWindow* window : loaded())
        window->hide();
}

void WindowRegistry::endAtOnce(int exitCode) {
    for (GameWindow* window : loaded()) {
        window->markDestroying();
        window->hide();
        deleteSoon(*window);
    }
    windows_.clear();
    QCoreApplication::exit(exitCode);
}

std::vector<GameWindow*> WindowRegistry::loaded() const {
    std::vector<GameWindow*> result;
    for (const auto& [type, window] : windows_)
        if (window)
            result.push_back(window.data());
    return result;
}

} // namespace tavrin
