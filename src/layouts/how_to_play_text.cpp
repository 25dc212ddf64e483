#include "layouts/how_to_play_text.h"

#include <QCoreApplication>

namespace tavrin::layout {

namespace {

// The Hong Kong edition shows these texts as designed; the other editions translate them.
const char* const kContext = "howToPlay";

const char* const kInstructions =
    QT_TRANSLATE_NOOP("howToPlay", "1, Moving the character\r\n"
                                   "     - Click on the green ball on \r\n"
                                   "the bottom right hand side(the \r\n"
                                   "dice)\r\n"
                                   "\r\n"
                                   "2, Moving the window\r\n"
                                   "     - Drag the green ball on the \r\n"
                                   "bottom left hand side\r\n"
                                   "\r\n"
                                   "3, Browsing Info Center\r\n"
                                   "     - Click on the first button in \r\n"
                                   "the status window\r\n"
                                   "\r\n"
                                   "4, Getting help\r\n"
                                   "     - Click on the second \r\n"
                                   "button in the status window\r\n"
                                   "\r\n"
                                   "5, Starting Online www Search \r\n"
                                   "Engine\r\n"
                                   "     - Click on the third button in \r\n"
                                   "the status window\r\n"
                                   "\r\n"
                                   "6, Quitting the game\r\n"
                                   "     - Click on the fourth button \r\n"
                                   "in the status window\r\n");

const char* const kSoundSection = QT_TRANSLATE_NOOP(
    "howToPlay",
    "\r\n"
    "7, Sound, volume and this help\r\n"
    "     - Right-click the board or the status window: sound effects and music on or off, "
    "the volume, the size (from the next start on), \"How to play\", \"New game\" and "
    "\"About Tavrin\"\r\n"
    "     - Press M to turn all sound off or on again\r\n");

} // namespace

QString instructionsText() {
    return QCoreApplication::translate(kContext, kInstructions);
}

// The start window's narrow box breaks its lines after a blank; in a window of their own the
// sentences run on and wrap at the window's width.
QString howToPlayText() {
    return instructionsText().replace(" \r\n", " ") +
           QCoreApplication::translate(kContext, kSoundSection);
}

} // namespace tavrin::layout
