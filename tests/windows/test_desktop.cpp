// How the game lives on a desktop: the window system it runs on, the window group kept together
// when the window system moves one of its windows, the group fitted to its screen, and message
// box buttons in the language of the box.
#include "app/app_setup.h"
#include "app/translations.h"
#include "app/window_system_choice.h"
#include "game_fixture.h"
#include "windows/board_window.h"
#include "windows/die_window.h"
#include "windows/drag_handle.h"
#include "windows/move_requests.h"
#include "windows/screen_fit.h"
#include "windows/start_window.h"
#include "windows/status_strip.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QWindow>
#include <QtTest>

using namespace tavrin;
using namespace tavrin::testing;

namespace {

QPoint framePos(const QWidget& w) {
    return w.frameGeometry().topLeft();
}

// The group as the handle's table places it around a handle at `handle` (pixels).
void verifyGroupAround(GameFixture& f, QPoint handle) {
    auto& windows = f.ctx->windows;
    const auto at = [](int twips) { return layout::px(twips); };
    const QPoint h = handle * layout::kTwipsPerPixel;
    QCOMPARE(framePos(windows.load<DragHandle>()), handle);
    QCOMPARE(framePos(windows.load<BoardWindow>()), QPoint(at(h.x() + 1400), at(h.y() - 4800)));
    QCOMPARE(framePos(windows.load<StatusStrip>()), QPoint(at(h.x() + 1960), at(h.y() + 600)));
    QCOMPARE(framePos(windows.load<DieWindow>()), QPoint(at(h.x() + 7500), h.y() / 15));
}

// Moves a window as a window manager does, behind the game's back and reported later; a
// second after the game's last move, so that it is not taken for an answer to that.
void moveBySystem(GameFixture& f, QWidget& w, QPoint to) {
    f.clock.now += 1;
    w.windowHandle()->setFramePosition(to);
    QTRY_COMPARE(framePos(w), to);
}

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

    void reportedPositionsTellOwnMovesFromOthers() {
        MoveRequests requests;
        QVERIFY(!requests.isOwn({5, 5}, 0)); // nothing asked for: somebody else moved it
        requests.requested({10, 10}, 1);
        requests.requested({20, 20}, 1);
        requests.requested({30, 30}, 1);
        // Late reports of the game's requests, one of them merged away by the window system.
        QVERIFY(requests.isOwn({20, 20}, 5));
        QVERIFY(!requests.isOwn({10, 10}, 5)); // settled with the later one: now somebody else's
        QVERIFY(requests.isOwn({30, 30}, 5));
        // A position the game did not ask for, just after a request: the window manager's
        // answer to it. Later, the same is a move to follow.
        requests.requested({40, 40}, 10);
        QVERIFY(requests.isOwn({40, 60}, 10 + MoveRequests::kAnswerSeconds / 2));
        QVERIFY(!requests.isOwn({40, 80}, 10 + 2 * MoveRequests::kAnswerSeconds));
        requests.clear(); // hidden: nothing more will be reported
        QVERIFY(!requests.isOwn({40, 40}, 20));
    }

    void groupFitsItsScreenMovingAsLittleAsNeeded() {
        const QRect screen(0, 0, 1024, 768);
        const std::vector<QRect> group{{3, 349, 178, 162}, {96, 29, 452, 347}};
        // Inside: nothing moves.
        GroupFit fit = fitInside(group, screen);
        QCOMPARE(fit.positions, (std::vector<QPoint>{{3, 349}, {96, 29}}));
        QVERIFY(fit.keptTogether);
        // Below a panel at the top and past the right edge: the group moves as one.
        fit = fitInside(group, QRect(60, 40, 560, 728));
        QCOMPARE(fit.positions, (std::vector<QPoint>{{60, 360}, {153, 40}}));
        QVERIFY(fit.keptTogether);
        // Too small for the group: each window moves into the area by itself.
        fit = fitInside(group, QRect(0, 0, 512, 384));
        QCOMPARE(fit.positions, (std::vector<QPoint>{{3, 222}, {60, 29}}));
        QVERIFY(!fit.keptTogether);
        // A window larger than the area keeps its top-left corner inside.
        fit = fitInside({{-50, -50, 600, 400}}, QRect(0, 0, 512, 384));
        QCOMPARE(fit.positions, (std::vector<QPoint>{{0, 0}}));
    }

    void groupOpensAtItsPlacesOnTheScreen() {
        GameFixture f;
        f.ctx->windows.show<StartWindow>().onStartClicked();
        const QPoint origin = f.ctx->gameScreen.screen()->availableGeometry().topLeft();
        verifyGroupAround(f, origin + QPoint(3, 349));
    }

    void windowsMovedByTheSystemBringTheGroupAlong() {
        GameFixture f;
        f.ctx->windows.show<StartWindow>().onStartClicked();
        auto& windows = f.ctx->windows;
        moveBySystem(f, windows.load<BoardWindow>(), {200, 100});
        QTRY_COMPARE(framePos(windows.load<DragHandle>()), QPoint(107, 420));
        verifyGroupAround(f, {107, 420});
        moveBySystem(f, windows.load<DieWindow>(), {520, 300});
        QTRY_COMPARE(framePos(windows.load<DragHandle>()), QPoint(20, 300));
        verifyGroupAround(f, {20, 300});
        moveBySystem(f, windows.load<DragHandle>(), {40, 380});
        QTRY_COMPARE(framePos(windows.load<BoardWindow>()), QPoint(133, 60));
        verifyGroupAround(f, {40, 380});
        // The game's own moves (a drag of the handle) are not taken for the system's.
        DragHandle& handle = windows.load<DragHandle>();
        handle.onHandlePressed({0, 0});
        handle.onHandleDragged({40, 20});
        QTest::qWait(50);
        QCOMPARE(framePos(windows.load<BoardWindow>()), QPoint(133, 60));
        handle.onHandleReleased();
        QTest::qWait(50);
        verifyGroupAround(f, {80, 400});
    }

    // The buttons speak the edition's language, whatever the box's text (a bonus is digits),
    // from the game's own translation.
    void messageBoxButtonsSpeakTheLanguageOfTheEdition() {
        GameFixture f;
        f.ctx->messages.answerer = nullptr; // real boxes
        MessageBoxes& boxes = f.ctx->messages;
        QWidget parent;
        const auto box = [&](const char* text, MessageBoxes::Buttons buttons) {
            return [&boxes, &parent, text, buttons] {
                boxes.show(&parent, QString::fromUtf8(text), "Tavrin", buttons);
            };
        };
        QCOMPARE(buttonsOfBox([&] { f.ctx->windows.load<StatusStrip>().onExitClicked(); }),
                 (QStringList{"是", "否"}));
        QVERIFY(f.ctx->windows.isLoaded<StatusStrip>()); // escaped: No, the game goes on
        QCOMPARE(buttonsOfBox(box("Bonus: 300", MessageBoxes::Buttons::Ok)), QStringList{"確定"});
        Translations english;
        QVERIFY(english.use("en", qEnvironmentVariable("TAVRIN_TRANSLATIONS_ROOT")));
        QCOMPARE(buttonsOfBox(box("Bonus: 300", MessageBoxes::Buttons::Ok)), QStringList{"OK"});
        QCOMPARE(buttonsOfBox(box("Do you really want to leave?", MessageBoxes::Buttons::YesNo)),
                 (QStringList{"Yes", "No"}));
    }
};

QTEST_MAIN(DesktopTest)
#include "test_desktop.moc"
