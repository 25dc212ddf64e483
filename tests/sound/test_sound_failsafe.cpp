#include "sound/wave_check.h"
#include "sound_folder.h"

#include <QElapsedTimer>
#include <QtTest>
#include <csignal>
#include <unistd.h>

using namespace tavrin;

namespace {

QStringList qtWarnings;

void collectWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg)
        qtWarnings << message;
}

long peakMemoryKb() {
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

QByteArray riff(const QByteArray& chunks) {
    QByteArray out = "RIFF";
    const auto length = std::uint32_t(chunks.size() + 4);
    for (int i = 0; i < 4; ++i)
        out += char(length >> (8 * i) & 0xFF);
    return out + "WAVE" + chunks;
}

QByteArray chunk(const char* id, std::uint32_t length, int bytesPresent) {
    QByteArray out = id;
    for (int i = 0; i < 4; ++i)
        out += char(length >> (8 * i) & 0xFF);
    return out + QByteArray(bytesPresent, '\x01');
}

// What the code in between writes on standard error.
class StderrCapture {
public:
    StderrCapture() : saved_(dup(STDERR_FILENO)) {
        file_.open();
        std::fflush(stderr);
        dup2(file_.handle(), STDERR_FILENO);
    }
    QStringList lines() {
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        file_.seek(0); // the descriptor was shared: its offset is past what was written
        return QString::fromUtf8(file_.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private:
    QTemporaryFile file_;
    int saved_;
};

} // namespace

// Sound never stops the game: whatever is missing or damaged, everything is taken quietly, and
// no file costs more than its size.
class SoundFailsafeTest : public QObject {
    Q_OBJECT

    static void driveAsTheGameDoes(AudioEngine& engine) {
        engine.startMusic();
        for (int round = 0; round < 2; ++round) {
            engine.openEffectsOf(rules::MiniGame::Target);
            engine.play(Effect::Hit);
            engine.play(Effect::Miss);
        }
        engine.closeEffectsOf(rules::MiniGame::Target);
        engine.play(Effect::Hit);
        engine.stopMusic();
        engine.startMusic();
    }

private slots:
    void init() {
        qtWarnings.clear();
        qInstallMessageHandler(collectWarnings);
    }
    void cleanup() {
        qInstallMessageHandler(nullptr);
        qputenv("SDL_AUDIODRIVER", "dummy");
    }

    void everythingIsTakenQuietlyWithoutSound_data() {
        QTest::addColumn<QString>("driver");
        QTest::addColumn<bool>("mute");
        QTest::addColumn<QString>("files"); // "missing", "garbage" or "real"
        QTest::newRow("muted") << "dummy" << true << "real";
        QTest::newRow("no audio device") << "nosuchdriver" << false << "real";
        QTest::newRow("files missing") << "dummy" << false << "missing";
        QTest::newRow("files unreadable") << "dummy" << false << "garbage";
    }
    void everythingIsTakenQuietlyWithoutSound() {
        QFETCH(QString, driver);
        QFETCH(bool, mute);
        QFETCH(QString, files);
        qputenv("SDL_AUDIODRIVER", driver.toUtf8());
        SoundFolder folder;
        for (Effect effect : {Effect::Hit, Effect::Miss}) {
            const QString name = AudioEngine::soundFileName(effect);
            if (files == "missing")
                QFile::remove(folder.path(name));
            if (files == "garbage")
                folder.write(name, "this is not a sound file");
        }
        if (files == "missing")
            QFile::remove(folder.path(AudioEngine::tuneFileName()));
        if (files == "garbage")
            folder.write(AudioEngine::tuneFileName(), "MThd this is not a tune");
        auto settings = folder.settings();
        settings.mute = mute;
        StartedEngine engine(settings);
        QCOMPARE(engine.isOpen(), files != "real");

        driveAsTheGameDoes(engine);
        QTest::qWait(300);
        QVERIFY(!engine.isMusicPlaying());
        QVERIFY(!engine.isEffectPlaying(Effect::Hit) && !engine.isEffectPlaying(Effect::Miss));
        QVERIFY2(qtWarnings.isEmpty(), qPrintable(qtWarnings.join('\n')));
    }

    // The libraries are loaded at run time: without SDL_mixer the game is silent, without
    // FluidSynth it plays the effects; either is said in one line.
    void missingLibrariesAreSaidOnce_data() {
        QTest::addColumn<bool>("mixer");
        QTest::newRow("SDL_mixer missing") << true;
        QTest::newRow("FluidSynth missing") << false;
    }
    void missingLibrariesAreSaidOnce() {
        QFETCH(bool, mixer);
        const char* missing = "libtavrin-missing.so.0";
        SoundFolder folder;
        auto settings = folder.settings();
        (mixer ? settings.libraries.mixer : settings.libraries.fluidSynth) = missing;
        StderrCapture capture;
        {
            StartedEngine engine(settings);
            QCOMPARE(engine.isOpen(), !mixer);
            driveAsTheGameDoes(engine);
            engine.openEffectsOf(rules::MiniGame::Target);
            engine.play(Effect::Miss);
            QCOMPARE(engine.isEffectPlaying(Effect::Miss), !mixer);
            QVERIFY(!engine.isMusicPlaying());
        }
        const QStringList lines = capture.lines();
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].contains(missing), qPrintable(lines[0]));
    }

    void damagedFilesCostNoMoreThanTheirSize() {
        SoundFolder folder;
        // A soundfont whose preset list claims 4 GB, and an effect whose samples do.
        QByteArray font = "RIFF\x18\0\0\0sfbkLIST\xf8\xff\xff\xffpdta";
        font += QByteArray(32 - font.size(), '\0');
        folder.write("damaged.sf2", font);
        folder.write(AudioEngine::soundFileName(Effect::Hit),
                     riff(chunk("fmt ", 16, 16) + chunk("data", 0xFFFFFFF0, 8)));
        auto settings = folder.settings();
        settings.soundFont = folder.path("damaged.sf2");
        QElapsedTimer took;
        took.start();
        {
            StartedEngine engine(settings);
            QVERIFY(engine.isOpen());
            driveAsTheGameDoes(engine);
            QVERIFY(!engine.isMusicPlaying() && !engine.isEffectPlaying(Effect::Hit));
            engine.openEffectsOf(rules::MiniGame::Target);
            engine.play(Effect::Miss); // the undamaged effect plays on
            QVERIFY(engine.isEffectPlaying(Effect::Miss));
        }
        QVERIFY2(took.elapsed() < 5000, qPrintable(QString::number(took.elapsed())));
        QVERIFY2(peakMemoryKb() < 200 * 1024, qPrintable(QString::number(peakMemoryKb())));
    }

    void waveFilesAreReadOnlyWithinTheirLength_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("sound");
        const QByteArray format = chunk("fmt ", 16, 16);
        QTest::newRow("whole") << riff(format + chunk("data", 4, 4)) << true;
        QTest::newRow("odd chunk padded")
            << riff(chunk("LIST", 3, 4) + format + chunk("data", 2, 2)) << true;
        QTest::newRow("samples past the end") << riff(format + chunk("data", 9, 4)) << false;
        QTest::newRow("chunk claims 4 GB") << riff(chunk("LIST", 0xFFFFFFFF, 4) + format) << false;
        QTest::newRow("file claims more") << riff(format + chunk("data", 4, 4)).left(30) << false;
        QTest::newRow("no samples") << riff(format) << false;
        QTest::newRow("short format") << riff(chunk("fmt ", 8, 8) + chunk("data", 4, 4)) << false;
        QTest::newRow("not RIFF") << QByteArray("RIFX\4\0\0\0WAVE") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void waveFilesAreReadOnlyWithinTheirLength() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, sound);
        const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
        QCOMPARE(waveProblem(std::span(data, std::size_t(bytes.size()))).empty(), sound);
    }

    void terminationSignalsStillEndTheProgram() {
        // SDL takes over signals whose handling is the default, as it is in the program.
        struct sigaction defaults = {}, saved[2], now;
        defaults.sa_handler = SIG_DFL;
        const int caught[2] = {SIGTERM, SIGINT};
        for (int i = 0; i < 2; ++i)
            sigaction(caught[i], &defaults, &saved[i]);
        {
            SoundFolder folder;
            StartedEngine engine(folder.settings());
            QVERIFY(engine.isOpen());
            for (int signal : caught) {
                sigaction(signal, nullptr, &now);
                QVERIFY(now.sa_handler == SIG_DFL);
            }
        }
        for (int i = 0; i < 2; ++i)
            sigaction(caught[i], &saved[i], nullptr);
    }
};

QTEST_GUILESS_MAIN(SoundFailsafeTest)
#include "test_sound_failsafe.moc"
