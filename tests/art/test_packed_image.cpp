// The packed form the pictures ship in: every kind of image comes back unchanged, read in place
// where it can be, and damaged bytes give no image rather than garbage.

#include "art/packed_image.h"

#include <QtTest>

using tavrin::packImage;
using tavrin::unpackImage;

class TestPackedImage : public QObject {
    Q_OBJECT

private slots:
    void imagesComeBackUnchanged_data() {
        QTest::addColumn<QImage>("image");
        QImage argb(5, 3, QImage::Format_ARGB32);
        argb.fill(qRgba(10, 200, 30, 128));
        argb.setPixel(4, 2, qRgba(0, 0, 0, 0));
        QTest::newRow("ARGB32") << argb;
        QTest::newRow("RGB32 with padding-free rows") << argb.convertToFormat(QImage::Format_RGB32);
        // Palette PNGs decode to indexed images: the colour table must come along.
        QImage indexed(7, 2, QImage::Format_Indexed8);
        indexed.setColorTable({qRgb(255, 0, 0), qRgba(0, 0, 255, 40), qRgb(1, 2, 3)});
        indexed.fill(0);
        for (int x = 0; x < 7; ++x)
            indexed.setPixel(x, x % 2, uint(x % 3));
        QTest::newRow("Indexed8, rows padded to 32 bits") << indexed;
        QImage mono(9, 4, QImage::Format_Mono);
        mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        mono.fill(0);
        mono.setPixel(8, 3, 1);
        QTest::newRow("Mono") << mono;
        QImage gray(3, 3, QImage::Format_Grayscale8);
        gray.fill(77);
        QTest::newRow("Grayscale8") << gray;
    }

    void imagesComeBackUnchanged() {
        QFETCH(QImage, image);
        const QImage back = unpackImage(packImage(image));
        QCOMPARE(back.format(), image.format());
        QCOMPARE(back.colorTable(), image.colorTable());
        QCOMPARE(back, image);
    }

    void readInPlaceWithoutACopy() {
        QImage image(3, 2, QImage::Format_ARGB32_Premultiplied);
        image.fill(qRgba(0, 0, 80, 128));
        const QByteArray packed = packImage(image);
        const QImage inPlace = unpackImage(packed, tavrin::Unpacking::InPlace);
        QCOMPARE(inPlace, image);
        QVERIFY(inPlace.constBits() >= reinterpret_cast<const uchar*>(packed.constData()) &&
                inPlace.constBits() <
                    reinterpret_cast<const uchar*>(packed.constData()) + packed.size());
        // Rows off a 4-byte boundary, or a colour table, are copied.
        const QByteArray shifted = "x" + packed;
        const QImage copied =
            unpackImage(QByteArrayView(shifted).sliced(1), tavrin::Unpacking::InPlace);
        QCOMPARE(copied, image);
        QVERIFY(copied.constBits() < reinterpret_cast<const uchar*>(shifted.constData()) ||
                copied.constBits() >=
                    reinterpret_cast<const uchar*>(shifted.constData()) + shifted.size());
    }

    void damagedBytesGiveNoImage() {
        QImage image(4, 4, QImage::Format_ARGB32);
        image.fill(Qt::red);
        const QByteArray packed = packImage(image);
        QVERIFY(unpackImage(packed.left(packed.size() - 1)).isNull());
        QVERIFY(unpackImage(packed + "x").isNull());
        QVERIFY(unpackImage(packed.left(10)).isNull());
        QByteArray wrongMagic = packed;
        wrongMagic[0] = 'X';
        QVERIFY(unpackImage(wrongMagic).isNull());
        QByteArray hugeWidth = packed;
        hugeWidth[8] = char(0xFF), hugeWidth[9] = char(0xFF), hugeWidth[10] = char(0xFF);
        QVERIFY(unpackImage(hugeWidth).isNull());
        QVERIFY(unpackImage(QByteArray()).isNull());
        QVERIFY(packImage(QImage()).isEmpty());
    }
};

QTEST_MAIN(TestPackedImage)
#include "test_packed_image.moc"
