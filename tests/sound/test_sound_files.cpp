#include "sound/wave_check.h"

#include <QFile>
#include <QtTest>
#include <SDL.h>

using namespace tavrin;

// The sound files shipped beside the program: the effects are short 16-bit PCM that the game's
// own check takes.
class SoundFilesTest : public QObject {
    Q_OBJECT

    static QString dataFile(const QString& name) {
        return qEnvironmentVariable("TAVRIN_SOURCE_DIR") + "/data/" + name;
    }

private slots:
    void effectsAreShortAudible16BitPcm_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"hit3.WAV", "blip2.WAV", "yeah.WAV", "boo.WAV"})
            QTest::newRow(name) << QString(name);
    }
    void effectsAreShortAudible16BitPcm() {
        QFETCH(QString, name);
        QFile file(dataFile(name));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.mid(20, 2), QByteArray("\x01\x00", 2)); // PCM, not a compressed format
        QCOMPARE(waveProblem(std::span(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                       std::size_t(bytes.size()))),
                 std::string());

        SDL_AudioSpec format;
        Uint8* samples = nullptr;
        Uint32 length = 0;
        QVERIFY(SDL_LoadWAV_RW(SDL_RWFromConstMem(bytes.constData(), int(bytes.size())), 1, &format,
                               &samples, &length));
        const int frameBytes = 2 * format.channels;
        const double seconds = double(length) / frameBytes / format.freq;
        const auto* pcm = reinterpret_cast<const Sint16*>(samples);
        int peak = 0;
        for (Uint32 i = 0; i < length / 2; ++i)
            peak = std::max(peak, std::abs(int(pcm[i])));
        SDL_FreeWAV(samples);

        QCOMPARE(format.format, Uint16(AUDIO_S16LSB));
        QVERIFY2(seconds > 0.05 && seconds < 2.0, qPrintable(QString::number(seconds)));
        QVERIFY2(peak > 3000, qPrintable(QString::number(peak)));
    }
};

QTEST_GUILESS_MAIN(SoundFilesTest)
#include "test_sound_files.moc"
