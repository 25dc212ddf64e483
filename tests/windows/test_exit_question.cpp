#include "app/app_setup.h"
#include "game_fixture.h"
#include "windows/board_window.h"
#include "windows/start_window.h"
#include "windows/status_strip.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace tavrin;
using namespace tavrin::testing;

// A test program of its own: once the game has ended the application's event loop (Yes),
// no later message box in the same program could open.
class ExitQuestionTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setUpAppearance(*qApp); }

    // The real box: Yes is its default button (what Return presses), Escape answers No.
    void exitQuestionDefaultsToYesAndEscapesToNo() {
        GameFixture f;
        f.ctx->messages.answerer = nullptr;
        f.ctx->windows.show<StartWindow>().onStartClicked();
        StatusStrip& status = f.ctx->windows.load<StatusStrip>();
        const auto whenOpen = [](std::function<void(QMessageBox&)> act) {
            QTimer::singleShot(0, [act] {
                QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
                act(*qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
            });
        };
        QTimer watchdog; // a failed check must not leave the box waiting for ever
        watchdog.callOnTimeout([] {
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });
        watchdog.start(5000);
        whenOpen([](QMessageBox& box) {
            QCOMPARE(box.defaultButton(), box.button(QMessageBox::Yes));
            QCOMPARE(box.escapeButton(), box.button(QMessageBox::No));
            QTest::keyClick(&box, Qt::Key_Escape);
        });
        status.onExitClicked();
        QVERIFY(f.ctx->windows.isLoaded<BoardWindow>());
        whenOpen([](QMessageBox& box) { box.defaultButton()->click(); });
        status.onExitClicked();
        QVERIFY(f.ctx->windows.loaded().empty());
    }
};

QTEST_MAIN(ExitQuestionTest)
#include "test_exit_question.moc"
