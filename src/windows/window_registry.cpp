#include "windows/window_registry.h"

#include <QGuiApplication>

namespace tavrin {

WindowRegistry::~WindowRegistry() {
    for (GameWindow* form : loaded()) {
        form->markDestroying();
        delete form;
    }
    for (const QPointer<GameWindow>& form : leaving_)
        delete form.data();
}

void WindowRegistry::showWindow(GameWindow& form) {
    form.show();
    if (QGuiApplication::platformName() != "offscreen") // which cannot stack windows
        form.raise();
}

void WindowRegistry::forget(GameWindow& form) {
    for (auto it = forms_.begin(); it != forms_.end(); ++it)
        if (it->second == &form) {
            forms_.erase(it);
            return;
        }
}

void WindowRegistry::unloadWindow(GameWindow& form) {
    if (form.isBeingDestroyed())
        return;
    form.markDestroying();
    form.onUnload();
    forget(form);
    form.hide();
    deleteSoon(form);
}

// Deferred: a window may unload itself from inside one of its own handlers.
void WindowRegistry::deleteSoon(GameWindow& form) {
    std::erase_if(leaving_, [](const QPointer<GameWindow>& gone) { return gone.isNull(); });
    leaving_.emplace_back(&form);
    form.deleteLater();
}

void WindowRegistry::hideAll() {
    for (GameWindow* form : loaded())
        form->hide();
}

void WindowRegistry::endAtOnce(int exitCode) {
    for (GameWindow* form : loaded()) {
        form->markDestroying();
        form->hide();
        deleteSoon(*form);
    }
    forms_.clear();
    QCoreApplication::exit(exitCode);
}

std::vector<GameWindow*> WindowRegistry::loaded() const {
    std::vector<GameWindow*> result;
    for (const auto& [type, form] : forms_)
        if (form)
            result.push_back(form.data());
    return result;
}

} // namespace tavrin
