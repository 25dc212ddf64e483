#include "app/app_setup.h"

#include "layouts/window_layouts.h"

#include <QApplication>
#include <QFont>

namespace tavrin {

void setUpAppearance(QApplication& app) {
    QFont::insertSubstitutions(QString::fromUtf8(layout::kMingFace),
                               {"AR PL UMing TW", "AR PL UMing HK", "Noto Serif CJK TC"});
    QFont::insertSubstitutions(layout::kComicFace, {"Comic Neue", "Comic Sans MS"});
    QFont dialogFont("AR PL UMing TW");
    dialogFont.setPixelSize(12);
    app.setFont(dialogFont);
    app.setQuitOnLastWindowClosed(false); // the game decides when it ends
}

} // namespace tavrin
