#include "platform/player_settings.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <sys/stat.h>

using namespace tavrin;

// The settings file as the game reads and writes it, in a folder of the test's own.
class PlayerSettingsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString path() const { return dir_.filePath("tavrin/tavrin.conf"); }

    void writeRaw(const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path()).path());
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    static PlayerSettings chosen() {
        PlayerSettings settings;
        settings.effectsOn = false;
        settings.musicOn = false;
        settings.volumePercent = 50;
        settings.handlePlace = QPoint(-20, 615);
        settings.language = "en";
        settings.learningMode = false;
        settings.scalePercent = 150;
        settings.bestGames = {{"2026-12-07", 5100, true, 12, 15},
                              {"2026-12-06", 4000, false, 3, 20}};
        return settings;
    }

private slots:
    void cleanup() { QDir(dir_.filePath("tavrin")).removeRecursively(); }

    void choicesAreWrittenAndReadBack() {
        SettingsFile file(path());
        QCOMPARE(file.read(), PlayerSettings{}); // no file yet: the defaults
        QVERIFY(file.write(chosen()));           // its folder is made on the way
        QCOMPARE(file.read(), chosen());
        PlayerSettings moved = chosen();
        moved.handlePlace.reset();
        moved.language.reset(); // back to the system's language
        moved.musicOn = true;
        QVERIFY(file.write(moved));
        QCOMPARE(SettingsFile(path()).read(), moved);
        // Written beside and renamed over: nothing but the file (and Qt's lock) is left.
        const QStringList left = QDir(QFileInfo(path()).path()).entryList(QDir::Files);
        for (const QString& name : left)
            QVERIFY2(name == "tavrin.conf" || name == "tavrin.conf.lock", qPrintable(name));
    }

    void damagedFilesGiveTheDefaults_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("binary garbage") << QByteArray("\x01\xff\xfe\x00[sound]\x00=", 12);
        QTest::newRow("section never closed") << QByteArray("[sound\neffects=false\n");
        QTest::newRow("keys without names") << QByteArray("[sound]\n=false\n\"=\n");
        QTest::newRow("empty") << QByteArray();
    }
    void damagedFilesGiveTheDefaults() {
        QFETCH(QByteArray, content);
        writeRaw(content);
        SettingsFile file(path());
        QCOMPARE(file.read(), PlayerSettings{});
        // The next choice replaces the damaged file as a whole.
        QVERIFY(file.write(chosen()));
        QCOMPARE(SettingsFile(path()).read(), chosen());
        QFile written(path());
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(!written.readAll().contains('\x01'));
    }

    void valuesTheGameDoesNotWriteGiveTheirDefaults() {
        writeRaw("[sound]\neffects=maybe\nmusic=false\nvolume=33\n"
                 "[group]\nhandleX=12\nhandleY=far\n[game]\nlanguage=fr\nlearningMode=no\n"
                 "[best]\n1=2026-12-07 5100 won 16/15\n[display]\nscale=120\n");
        PlayerSettings expected;
        expected.musicOn = false; // the one value that is as the game writes it
        QCOMPARE(SettingsFile(path()).read(), expected);
        writeRaw("[sound]\neffects=1\nvolume=banana\n[group]\nhandleX=5\n[game]\nlanguage=EN\n"
                 "[display]\nscale=2\n");
        QCOMPARE(SettingsFile(path()).read(), PlayerSettings{});
    }

    // What stands at the settings file's place that is no settings file: read without waiting
    // (the defaults, and a reason), never replaced by a save.
    void placesThatAreNoSettingsFileAreLeftAlone_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("link to a device") << "device";
        QTest::newRow("FIFO nobody writes") << "fifo";
        QTest::newRow("folder") << "folder";
        QTest::newRow("broken link") << "broken";
    }
    void placesThatAreNoSettingsFileAreLeftAlone() {
        QFETCH(QString, kind);
        QDir().mkpath(QFileInfo(path()).path());
        const QByteArray name = QFile::encodeName(path());
        const QString missing = dir_.filePath("nowhere.conf");
        if (kind == "device")
            QVERIFY(QFile::link("/dev/null", path()));
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(name.constData(), 0600), 0);
        else if (kind == "folder")
            QVERIFY(QDir().mkpath(path()));
        else
            QVERIFY(QFile::link(missing, path()));
        struct stat before {};
        QCOMPARE(::lstat(name.constData(), &before), 0);
        SettingsFile file(path());
        QCOMPARE(file.read(), PlayerSettings{});
        QCOMPARE(file.problem().isEmpty(), kind == "broken"); // a broken link: no file yet
        QVERIFY(!file.write(chosen()));
        QVERIFY2(file.problem().contains("not a regular file"), qPrintable(file.problem()));
        struct stat after {};
        QCOMPARE(::lstat(name.constData(), &after), 0);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(after.st_ino, before.st_ino);
        QVERIFY(!QFileInfo::exists(missing));
        QFile::remove(path());
    }

    void aLinkToAFileIsFollowedAndKept() {
        const QString elsewhere = dir_.filePath("shared.conf");
        QFile target(elsewhere);
        QVERIFY(target.open(QIODevice::WriteOnly | QIODevice::Truncate));
        target.close();
        QDir().mkpath(QFileInfo(path()).path());
        QVERIFY(QFile::link(elsewhere, path()));
        QVERIFY(SettingsFile(path()).write(chosen()));
        QVERIFY(QFileInfo(path()).isSymLink());
        QCOMPARE(SettingsFile(elsewhere).read(), chosen());
    }

    void aHugeFileIsNotReadButReplaced() {
        writeRaw("[sound]\nmusic=false\n" + QByteArray(SettingsFile::kMaxBytes, ';'));
        SettingsFile file(path());
        QCOMPARE(file.read(), PlayerSettings{});
        QVERIFY(file.problem().contains("64 KiB"));
        QVERIFY(file.write(chosen()));
        QVERIFY(QFileInfo(path()).size() < 300); // the chosen settings, no more
    }

    // Two games at once: each save sets only what that game changed, so neither undoes the
    // other's choice; a later change of the same setting wins.
    void savesOfTwoGamesMerge() {
        SettingsFile first(path()), second(path());
        PlayerSettings a = first.read(), b = second.read();
        a.musicOn = false;
        QVERIFY(first.write(a));
        b.volumePercent = 50;
        b.language = "en";
        b.bestGames = {{"2026-12-07", 4000, false, 1, 5}};
        QVERIFY(second.write(b));
        a.musicOn = true; // changed back: written although it is the default again
        a.handlePlace = QPoint(3, 4);
        a.scalePercent = 200;
        a.bestGames = {{"2026-12-07", 5000, true, 5, 5}}; // both games' ends are kept
        QVERIFY(first.write(a));
        PlayerSettings expected;
        expected.volumePercent = 50;
        expected.language = "en";
        expected.bestGames = {{"2026-12-07", 5000, true, 5, 5}, {"2026-12-07", 4000, false, 1, 5}};
        expected.handlePlace = QPoint(3, 4);
        expected.scalePercent = 200;
        QCOMPARE(SettingsFile(path()).read(), expected);
    }

    // A lock file left by a game on another host (whose process cannot be asked) costs at most
    // a second, and the choice is saved.
    void aStaleLockFromAnotherHostCostsASecondAtMost() {
        writeRaw("");
        QFile lock(path() + ".lock");
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("4242\ntavrin\nanother-host.example\n");
        lock.close();
        SettingsFile file(path());
        file.read();
        QElapsedTimer timer;
        timer.start();
        QVERIFY(file.write(chosen()));
        QVERIFY2(timer.elapsed() < 1500, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(SettingsFile(path()).read(), chosen());
    }

    void noPathKeepsNothing() {
        SettingsFile file{QString()};
        QVERIFY(file.write(chosen()));
        QCOMPARE(file.read(), PlayerSettings{});
    }

    void theDefaultFileIsInTheUsersConfigurationFolder() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.path()));
        QCOMPARE(defaultSettingsPath(), path());
    }
};

QTEST_GUILESS_MAIN(PlayerSettingsTest)
#include "test_player_settings.moc"
