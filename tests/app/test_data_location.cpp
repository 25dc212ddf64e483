#include "app/data_location.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrin;

class TestDataLocation : public QObject {
    Q_OBJECT

    QTemporaryDir root_;

    QString makeDir(const QString& name, bool withData) {
        const QString path = QDir::cleanPath(root_.filePath(name));
        QDir().mkpath(path);
        if (withData)
            QDir(path).mkdir("pages");
        return path;
    }

private slots:
    void programDirThenInstallThenXdgWithoutDuplicates() {
        const QString program = "/opt/tavrin/bin";
        const QString installed = installedDataDirectory(program);
        QVERIFY(installed != program);
        QVERIFY(installed.endsWith("/tavrin"));
        // The system's data directory usually appears both relative to the program and among
        // the XDG directories (written with a trailing slash here): it is looked at once.
        const QString installedParent = QFileInfo(installed).path();
        const QStringList candidates =
            dataDirectoryCandidates(program, {"/home/pupil/.local/share", installedParent + "/"});
        QCOMPARE(candidates, QStringList({program, installed, "/home/pupil/.local/share/tavrin"}));
    }

    void firstPlaceWithTheDataWinsAndLaterOnesAreNotTried() {
        const QString empty = makeDir("build", false);
        const QString installed = makeDir("share/tavrin", true);
        const QString user = makeDir("home/tavrin", true);
        const DataLocation location = findDataDirectory({empty, installed, user});
        QCOMPARE(location.found, installed);
        QCOMPARE(location.tried, QStringList({empty, installed}));
    }

    void aFolderWithoutTheTuneDoesNotCount() {
        const QString partial = makeDir("partial", false);
        QFile(QDir(partial).filePath("mapdata.txt")).open(QIODevice::WriteOnly);
        const QString missing = root_.filePath("missing");
        const DataLocation location = findDataDirectory({partial, missing});
        QVERIFY(location.found.isEmpty());
        QCOMPARE(location.tried, QStringList({partial, missing}));
    }
};

QTEST_GUILESS_MAIN(TestDataLocation)
#include "test_data_location.moc"
