#include "app/app_setup.h"

#include "art/packed_image.h"
#include "layouts/window_layouts.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPixmap>

// The icon lives in a static library: register it explicitly, or the linker drops it.
static void registerAppIcon() {
    Q_INIT_RESOURCE(app_icon);
}

namespace tavrin {

void setUpAppearance(QApplication& app) {
    QFont::insertSubstitutions(QString::fromUtf8(layout::kMingFace),
                               {"AR PL UMing TW", "AR PL UMing HK", "Noto Serif CJK TC"});
    QFont::insertSubstitutions(layout::kComicFace, {"Comic Neue", "Comic Sans MS"});
    // A narrow proportional face, like the classic dialog font the instructions were broken
    // for; Chinese text falls back to the Taiwan forms of the Ming face.
    QFont::insertSubstitution("DejaVu Sans", "AR PL UMing TW");
    QFont dialogFont("DejaVu Sans");
    dialogFont.setStretch(QFont::Condensed);
    dialogFont.setPixelSize(11);
    app.setFont(dialogFont);
    app.setQuitOnLastWindowClosed(false); // the game decides when it ends
}

void setUpIdentity() {
    QGuiApplication::setDesktopFileName(TAVRIN_APP_ID);
    registerAppIcon();
    // The sizes an X11 window icon carries (Qt leaves out larger ones, after converting them
    // at every window's creation); menus and launchers take the installed icons.
    QIcon icon;
    for (int pixels : {16, 22, 32, 48, 64, 128})
        icon.addPixmap(
            QPixmap::fromImage(unpackResource(QString(":/app-icon/%1.pix").arg(pixels))));
    QApplication::setWindowIcon(icon);
}

void startNoSessionBus() {
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:"); // no such transport: fails at once
}

namespace {
const char* const kScaleVariable = "QT_SCALE_FACTOR";
}

bool useChosenScale(int percent) {
    if (percent == 100 || !qEnvironmentVariableIsEmpty(kScaleVariable))
        return false;
    qputenv(kScaleVariable, QByteArray::number(percent / 100.0));
    return true;
}

void forgetChosenScale() {
    qunsetenv(kScaleVariable);
}

} // namespace tavrin
