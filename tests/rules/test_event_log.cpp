#include "rules/event_log.h"

#include <QTemporaryDir>
#include <QtTest>
#include <iostream>
#include <sstream>

using namespace tavrin::rules;

namespace {

// Standard error as written while it lives.
class CapturedErrors {
public:
    CapturedErrors() : old_(std::cerr.rdbuf(text_.rdbuf())) {}
    ~CapturedErrors() { std::cerr.rdbuf(old_); }
    std::string text() const { return text_.str(); }

private:
    std::ostringstream text_;
    std::streambuf* old_;
};

} // namespace

class EventLogTest : public QObject {
    Q_OBJECT
private slots:
    void writesOneFlushedLinePerEvent() {
        QTemporaryDir dir;
        const std::string path = dir.filePath("events.log").toStdString();
        EventLog log;
        QVERIFY(log.open(path));
        log.write("throw", {EventLog::field("face", 3), EventLog::field("game", "quiz")});
        log.write("exit");
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        QCOMPARE(text.str(), std::string("throw face=3 game=quiz\nexit\n"));
        QVERIFY(!log.failed());
    }

    void fullDiskIsReportedOnceAndPlayGoesOn() {
        if (!QFile::exists("/dev/full"))
            QSKIP("no /dev/full here");
        CapturedErrors errors;
        EventLog log;
        QVERIFY(log.open("/dev/full"));
        for (int i = 0; i < 5; ++i)
            log.write("throw", {EventLog::field("face", i)});
        QVERIFY(log.failed());
        QCOMPARE(errors.text(), std::string("tavrin: cannot write the log file /dev/full (No "
                                            "space left on device); the game goes on without "
                                            "it\n"));
    }
};

QTEST_APPLESS_MAIN(EventLogTest)
#include "test_event_log.moc"
