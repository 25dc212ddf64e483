#include "windows/about_box.h"

#include "platform/config.h"
#include "windows/app_context.h"

namespace tavrin {

namespace {

// An address the build was given, after a comma; none is given by default.
QString contact(const char* address) {
    return *address ? QString(", ") + address : QString();
}

} // namespace

QString aboutText() {
    return QString("Tavrin %1\n"
                   "A board game about coronary heart disease.\n"
                   "\n"
                   "Learning mode (the default) explains every quiz answer, never repeats a "
                   "question in a quiz, makes the target game reward knowing the causes and "
                   "reviews the game at its end; switch it off in the right-click menu for the "
                   "classic game.\n"
                   "\n"
                   "The program is free software under the GNU General Public License, "
                   "version 3 or later (GPL-3.0-or-later). Its artwork, sounds and texts are "
                   "under Creative Commons Attribution-ShareAlike 4.0 (CC-BY-SA-4.0).\n"
                   "\n"
                   "Made by the %2%3%4.\n"
                   "Built with Qt, SDL_mixer and FluidSynth. The music plays with the "
                   "TimGM6mb soundfont by Tim Brechbill; the texts are set in AR PL UMing "
                   "and Comic Neue.")
        .arg(TAVRIN_VERSION, config::kAuthor, contact(config::homePage()),
             contact(config::email()));
}

void showAboutBox(AppContext& ctx, QWidget* parent) {
    ctx.messages.show(parent, aboutText(), "About Tavrin", MessageBoxes::Buttons::Ok);
}

} // namespace tavrin
