#pragma once

#include "app/form.h"

#include <QPointer>
#include <map>
#include <typeindex>
#include <vector>

namespace tavrin {

class AppContext;

// The registry of the game's windows: one instance per window class. Referring to a window
// that is not loaded loads it, hidden, and runs its Form_Load; unloading runs Form_Unload and
// destroys it, so a later reference starts again from the layout.
class Forms {
public:
    explicit Forms(AppContext& ctx) : ctx_(ctx) {}
    ~Forms();
    Forms(const Forms&) = delete;
    Forms& operator=(const Forms&) = delete;

    template <class F> F& get() {
        if (F* loaded = find<F>())
            return *loaded;
        auto* form = new F(ctx_);
        forms_[typeid(F)] = form;
        form->Form_Load();
        return *form;
    }

    template <class F> F& show() {
        F& form = get<F>();
        showForm(form);
        return form;
    }

    template <class F> F* find() const {
        const auto it = forms_.find(typeid(F));
        return it == forms_.end() ? nullptr : static_cast<F*>(it->second.data());
    }

    template <class F> bool isLoaded() const { return find<F>() != nullptr; }

    template <class F> void unload() {
        if (F* form = find<F>())
            unloadForm(*form);
    }

    void showForm(Form& form);
    void unloadForm(Form& form);
    // Ends the program at once: every window goes without its unload handler running.
    void endAtOnce(int exitCode = 0);
    // Hides every window without running handlers, e.g. before a fatal error is reported.
    void hideAll();
    std::vector<Form*> loaded() const;

private:
    void forget(Form& form);

    AppContext& ctx_;
    std::map<std::type_index, QPointer<Form>> forms_;
};

} // namespace tavrin
