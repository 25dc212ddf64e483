#include "platform/player_settings.h"

#include <QDir>
#include <QFile>
#include <QtTest>

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
        return settings;
    }

private slots:
    void cleanup() { QDir(dir_.filePath("tavrin")).removeRecursively(); }

    void choicesAreWrittenAndReadBack() {
        const SettingsFile file(path());
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
        const SettingsFile file(path());
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
                 "[group]\nhandleX=12\nhandleY=far\n[game]\nlanguage=fr\n");
        PlayerSettings expected;
        expected.musicOn = false; // the one value that is as the game writes it
        QCOMPARE(SettingsFile(path()).read(), expected);
        writeRaw("[sound]\neffects=1\nvolume=banana\n[group]\nhandleX=5\n[game]\nlanguage=EN\n");
        QCOMPARE(SettingsFile(path()).read(), PlayerSettings{});
    }

    void aFileThatCannotBeUsedIsQuietlyLeftAlone() {
        QVERIFY(QDir().mkpath(path())); // a folder where the file should be
        const SettingsFile file(path());
        QCOMPARE(file.read(), PlayerSettings{});
        QVERIFY(!file.write(chosen()));
        QVERIFY(QFileInfo(path()).isDir());
    }

    void noPathKeepsNothing() {
        const SettingsFile file{QString()};
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
