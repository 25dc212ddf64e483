#include "windows/key_list.h"

namespace tavrin {
namespace {

// One key use. A use that stands for a control with a tooltip names it, and the tooltip shows
// the keys.
struct KeyUse {
    const char* place;
    const char* keys;
    const char* does;
    const char* windowName = nullptr;
    const char* controlName = nullptr;
};

const KeyUse kKeyUses[] = {
    {"Start window", "Enter or Space", "START"},
    {"Start window", "Tab", "the instructions and back"},
    {"Playing screen", "Space or Enter", "throw the die", "dieWindow", "dieFace"},
    {"Playing screen", "F1", "help", "statusStrip", "helpShield"},
    {"Playing screen", "F2", "Info Center", "statusStrip", "infoShield"},
    {"Playing screen", "F3", "Internet search", "statusStrip", "searchShield"},
    {"Playing screen", "Esc or Ctrl+Q", "quit (the game asks first)", "statusStrip", "exitShield"},
    // A message box's own convention: Escape, like its close box, is the cautious answer.
    {"Playing screen", "Esc or the close box in that question", "No, the game goes on"},
    {"Playing screen", "Arrow keys", "move the windows 10 pixels (with Shift: 1 pixel)",
     "dragHandle", "handle"},
    {"Playing screen", "Menu key or Shift+F10",
     "the game's menu (sound, language, help, new game, About)"},
    {"Quiz", "1, 2, 3", "answer (or Tab to a button and Space)"},
    {"Target game", "Tab or arrow keys", "aim at the next target (Shift+Tab, Left or Up: back)"},
    {"Target game", "Space or Enter", "shoot the target aimed at"},
    {"Target game", "Esc", "close it, with no bonus"},
    {"End window", "Enter or Space", "NEXT ->, then END ->"},
    {"End window", "Tab", "the links in turn; Enter opens one"},
    {"How to play and help windows", "Esc", "close the window; the game goes on"},
    {"Any game window", "M", "turn all sound off or on again"},
};

} // namespace

QString keyListText() {
    QString text = "Keys\n";
    QString place;
    for (const KeyUse& use : kKeyUses) {
        if (place != use.place) {
            place = use.place;
            text += "  " + place + "\n";
        }
        text += QString("     - %1: %2\n").arg(use.keys, use.does);
    }
    return text;
}

QString keyHint(const QString& windowName, const QString& controlName) {
    for (const KeyUse& use : kKeyUses)
        if (use.windowName && windowName == use.windowName && controlName == use.controlName)
            return QString("[%1]").arg(use.keys);
    return {};
}

} // namespace tavrin
