#include "app/forms.h"

#include <QGuiApplication>

namespace tavrin {

Forms::~Forms() {
    for (Form* form : loaded()) {
        form->markDestroying();
        delete form;
    }
}

void Forms::showForm(Form& form) {
    form.show();
    if (QGuiApplication::platformName() != "offscreen") // which cannot stack windows
        form.raise();
}

void Forms::forget(Form& form) {
    for (auto it = forms_.begin(); it != forms_.end(); ++it)
        if (it->second == &form) {
            forms_.erase(it);
            return;
        }
}

void Forms::unloadForm(Form& form) {
    if (form.isBeingDestroyed())
        return;
    form.markDestroying();
    int cancel = 0; // never set: every unload goes ahead
    form.Form_Unload(cancel);
    forget(form);
    form.hide();
    // Deferred: a window may unload itself from inside one of its own handlers.
    form.deleteLater();
}

void Forms::hideAll() {
    for (Form* form : loaded())
        form->hide();
}

void Forms::endAtOnce(int exitCode) {
    for (Form* form : loaded()) {
        form->markDestroying();
        form->hide();
        form->deleteLater();
    }
    forms_.clear();
    QCoreApplication::exit(exitCode);
}

std::vector<Form*> Forms::loaded() const {
    std::vector<Form*> result;
    for (const auto& [type, form] : forms_)
        if (form)
            result.push_back(form.data());
    return result;
}

} // namespace tavrin
