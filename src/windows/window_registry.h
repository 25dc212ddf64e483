#pragma once

#include "windows/game_window.h"

#include <QPointer>
#include <map>
#include <typeindex>
#include <vector>

namespace tavrin {

class AppContext;

// The registry of the game's windows: one instance per window class. Referring to a window
// that is not loaded loads it, hidden, and runs its onLoad; unloading runs onUnload and
// destroys it, so a later reference starts again from the layout.
class WindowRegistry {
public:
    explicit WindowRegistry(AppContext& ctx) : ctx_(ctx) {}
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    template <class F> F& get() {
        if (F* loaded = find<F>())
            return *loaded;
        auto* form = new F(ctx_);
        forms_[typeid(F)] = form;
        form->onLoad();
        return *form;
    }

    template <class F> F& show() {
        F& form = get<F>();
        showWindow(form);
        return form;
    }

    template <class F> F* find() const {
        const auto it = forms_.find(typeid(F));
        return it == forms_.end() ? nullptr : static_cast<F*>(it->second.data());
    }

    template <class F> bool isLoaded() const { return find<F>() != nullptr; }

    template <class F> void unload() {
        if (F* form = find<F>())
            unloadWindow(*form);
    }

    void showWindow(GameWindow& form);
    void unloadWindow(GameWindow& form);
    // Ends the program at once: every window goes without its unload handler running.
    void endAtOnce(int exitCode = 0);
    // Hides every window without running handlers, e.g. before a fatal error is reported.
    void hideAll();
    std::vector<GameWindow*> loaded() const;

private:
    void forget(GameWindow& form);
    void deleteSoon(GameWindow& form);

    AppContext& ctx_;
    std::map<std::type_index, QPointer<GameWindow>> forms_;
    // Unloaded windows whose deletion waits for the event loop; deleted with the registry at
    // the latest, as they still refer to the game's context.
    std::vector<QPointer<GameWindow>> leaving_;
};

} // namespace tavrin
