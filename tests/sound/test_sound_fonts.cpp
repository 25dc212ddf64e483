#include "sound/sound_fonts.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tavrin;

class TestSoundFonts : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QString font(const QString& name) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        return path;
    }

private slots:
    void theFirstReadableDebianFontIsUsed() {
        // A default alternative that points nowhere is passed over, as a missing font is.
        const QString dangling = dir_.filePath("default-GM.sf2");
        QVERIFY(QFile::link(dir_.filePath("removed.sf2"), dangling));
        const QString small = font("TimGM6mb.sf2");
        const QString large = font("FluidR3_GM.sf2");
        QCOMPARE(chooseSoundFonts("", {dangling, small, large}), small);
        QCOMPARE(chooseSoundFonts("", {dir_.filePath("none.sf2")}), QString());
    }

    void theUsersListWinsAsGiven() {
        const QString mine = dir_.filePath("mine.sf2") + ":" + font("other.sf2");
        QCOMPARE(chooseSoundFonts(mine, {font("TimGM6mb.sf2")}), mine);
    }

    void musicNeedsOneReadableFontInTheList() {
        const QString real = font("real.sf2");
        QVERIFY(anySoundFontReadable(dir_.filePath("gone.sf2") + ":" + real));
        QVERIFY(anySoundFontReadable(dir_.filePath("gone.sf2") + ";" + real));
        QVERIFY(!anySoundFontReadable(dir_.filePath("gone.sf2") + ":" + dir_.filePath("x.sf2")));
        QVERIFY(!anySoundFontReadable(""));
    }
};

QTEST_GUILESS_MAIN(TestSoundFonts)
#include "test_sound_fonts.moc"
