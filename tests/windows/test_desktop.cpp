// How the game lives on a desktop: the window system it runs on, and message box buttons in
// the language of the box.
#include "app/app_setup.h"
#include "app/window_system_choice.h"
#include "game_fixture.h"
#include "windows/status_strip.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

// The button texts, mnemonics removed, of the message box that `open` shows; the box is then
// answered with its escape button.
template <class Open> QStringList buttonsOfBox(Open open) {
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        for (QAbstractButton* b : box->buttons())
            texts << b->text().remove(QRegularExpression("\\(&.\\)$")).remove('&');
        box->escapeButton()->click();
    });
    // A failed check must not leave the box blocking the test.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    watchdog.start(5000);
    open();
    return texts;
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpAppearance(*qApp); }

    void waylandSessionsWithAnXServerRunOnIt() {
        const auto env = [](std::initializer_list<std::pair<QString, QString>> vars) {
            QProcessEnvironment e;
            for (const auto& [name, value] : vars)
                e.insert(name, value);
            return e;
        };
        const QStringList plain{"tavrin"};
        QVERIFY(prefersXServer(plain, env({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}})));
        QVERIFY(prefersXServer(plain, env({{"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":1"}})));
        // The user's choice stands.
        const auto both = env({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}});
        QVERIFY(!prefersXServer({"tavrin", "-platform", "wayland"}, both));
        QVERIFY(!prefersXServer({"tavrin", "--platform", "wayland"}, both));
        QVERIFY(!prefersXServer(plain, env({{"WAYLAND_DISPLAY", "wayland-0"},
                                            {"DISPLAY", ":0"},
                                            {"QT_QPA_PLATFORM", "wayland"}})));
        // No X server, or no Wayland: Qt's own choice.
        QVERIFY(!prefersXServer(plain, env({{"WAYLAND_DISPLAY", "wayland-0"}})));
        QVERIFY(!prefersXServer(plain, env({{"XDG_SESSION_TYPE", "x11"}, {"DISPLAY", ":0"}})));
    }

    void messageBoxButtonsSpeakTheLanguageOfTheirText() {
        GameFixture f;
        f.ctx->messages.answerer = nullptr; // real boxes
        MessageBoxes& boxes = f.ctx->messages;
        QWidget parent;
        const auto box = [&](const char* text, MessageBoxes::Buttons buttons) {
            return [&boxes, &parent, text, buttons] {
                boxes.show(&parent, QString::fromUtf8(text), "Tavrin", buttons);
            };
        };
        QCOMPARE(buttonsOfBox([&] { f.ctx->windows.get<StatusStrip>().onExitClicked(); }),
                 (QStringList{"是", "否"}));
        QVERIFY(f.ctx->windows.isLoaded<StatusStrip>()); // escaped: No, the game goes on
        QCOMPARE(buttonsOfBox(box("恭喜你!", MessageBoxes::Buttons::Ok)), QStringList{"確定"});
        // English text keeps English buttons (a bonus, a content set in English).
        QCOMPARE(buttonsOfBox(box("Bonus: 300", MessageBoxes::Buttons::Ok)), QStringList{"OK"});
        QCOMPARE(buttonsOfBox(box("Do you really want to leave?", MessageBoxes::Buttons::YesNo)),
                 (QStringList{"Yes", "No"}));
    }
};

QTEST_MAIN(DesktopTest)
#include "test_desktop.moc"
