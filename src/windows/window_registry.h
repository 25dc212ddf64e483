#pragma once

#include "windows/game_window.h"
#include "windows/window_factory.h"

#include <QPointer>
#include <map>
#include <stdexcept>
#include <string>
#include <typeindex>
#include <vector>

namespace tavrin {

class AppContext;

// The registry of the game's windows: one instance per window class. Loading a window builds
// it, hidden, from its layout and runs its onLoad; unloading runs onUnload and destroys it, so
// a later load starts again from the layout.
class WindowRegistry {
public:
    explicit WindowRegistry(AppContext& ctx) : ctx_(ctx) {}
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    // The window, loaded first if it is not.
    template <class W> W& load() {
        if (W* loaded = find<W>())
            return *loaded;
        auto* window = makeWindow<W>(ctx_);
        windows_[typeid(W)] = window;
        window->onLoad();
        return *window;
    }

    // A window that is loaded. Asking for one that is not is a fault of the caller (a timer
    // tick must never bring a window back), not a reason to load it.
    template <class W> W& get() const {
        W* loaded = find<W>();
        if (!loaded)
            throw std::logic_error(std::string("window not loaded: ") + typeid(W).name());
        return *loaded;
    }

    template <class W> W& show() {
        W& window = load<W>();
        showWindow(window);
        return window;
    }

    template <class W> W* find() const {
        const auto it = windows_.find(typeid(W));
        return it == windows_.end() ? nullptr : static_cast<W*>(it->second.data());
    }

    template <class W> bool isLoaded() const { return find<W>() != nullptr; }

    template <class W> void unload() {
        if (W* window = find<W>())
            unloadWindow(*window);
    }

    // Unloads a window without its unload handler: what closing it would lead to (the board's
    // end window) does not happen.
    template <class W> void discard() {
        if (W* window = find<W>())
            discardWindow(*window);
    }

    void showWindow(GameWindow& window);
    void unloadWindow(GameWindow& window);
    void discardWindow(GameWindow& window);
    // Ends the program at once: every window goes without its unload handler running.
    void endAtOnce(int exitCode = 0);
    // Hides every window without running handlers, e.g. before a fatal error is reported.
    void hideAll();
    std::vector<GameWindow*> loaded() const;

private:
    void forget(GameWindow& window);
    void deleteSoon(GameWindow& window);

    AppContext& ctx_;
    std::map<std::type_index, QPointer<GameWindow>> windows_;
    // Unloaded windows whose deletion waits for the event loop; deleted with the registry at
    // the latest, as they still refer to the game's context.
    std::vector<QPointer<GameWindow>> leaving_;
};

} // namespace tavrin
