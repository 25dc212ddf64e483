// Every picture the program loads from its resources: exactly the committed PNG as a pixmap
// holds it, at the sizes and with the transparency that the windows are laid out for.

#include "art/packed_image.h"

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QtMath>
#include <QtTest>

namespace {

struct Entry {
    const char* name;
    int width;
    int height;
    bool transparent;
};

// Window backgrounds and the LED digits are opaque; everything laid over other things is
// transparent around its drawing.
const Entry catalogue[] = {
    {"RedDigit_0", 16, 21, false},      {"RedDigit_1", 16, 21, false},
    {"RedDigit_2", 16, 21, false},      {"RedDigit_3", 16, 21, false},
    {"RedDigit_4", 16, 21, false},      {"RedDigit_5", 16, 21, false},
    {"RedDigit_6", 16, 21, false},      {"RedDigit_7", 16, 21, false},
    {"RedDigit_8", 16, 21, false},      {"RedDigit_9", 16, 21, false},
    {"RedDigit_10", 9, 21, false},      {"RedDigit_minus", 16, 21, false},
    {"DiceGra_1", 70, 100, true},       {"DiceGra_2", 70, 100, true},
    {"DiceGra_3", 70, 100, true},       {"DiceGra_4", 70, 100, true},
    {"DiceGra_5", 70, 100, true},       {"DiceGra_6", 70, 100, true},
    {"imgTiles_0", 56, 50, true},       {"imgTiles_1", 56, 50, true},
    {"imgTiles_2", 56, 50, true},       {"imgTiles_3", 56, 50, true},
    {"imgTarget_0", 74, 48, true},      {"imgTarget_1", 85, 66, true},
    {"imgTarget_2", 86, 50, true},      {"imgTarget_3", 70, 57, true},
    {"imgTarget_4", 63, 54, true},      {"picCharacter", 128, 200, true},
    {"picHeart", 119, 180, true},       {"picOldMap", 453, 447, false},
    {"picWood", 420, 247, false},       {"picGreenBall", 132, 131, false},
    {"picGreenBands", 486, 148, false}, {"icoCreature", 32, 32, true},
    {"picWordScore", 86, 37, true},     {"picWordTrial", 70, 37, true},
    {"picWordThrows", 70, 37, true},    {"picShieldInfo", 40, 50, true},
    {"picShieldHelp", 40, 50, true},    {"picShieldSearch", 40, 50, true},
    {"picShieldExit", 40, 50, true},
};

// A picture's name in the resource and in the art folder, without the extension.
QString fileName(const char* name, int scale) {
    return scale == 1 ? QString(name) : QString("%1@%2x").arg(name).arg(scale);
}

QImage load(const QString& file) {
    return tavrin::unpackResource(":/pictures/" + file + ".pix");
}

// The committed PNG, as the screen's pixmaps hold it.
QImage committedPng(const QString& file) {
    const QString path = qEnvironmentVariable("TAVRIN_SOURCE_DIR") + "/src/art/pictures/";
    return QPixmap::fromImage(QImage(path + file + ".png")).toImage();
}

int countPixels(const QImage& image, const std::function<bool(QRgb)>& test) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    return count;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        Q_INIT_RESOURCE(pictures);
        Q_INIT_RESOURCE(pictures_2x);
    }

    void resourceHoldsExactlyTheCatalogue() {
        QSet<QString> expected;
        for (const Entry& entry : catalogue)
            expected << fileName(entry.name, 1) + ".pix" << fileName(entry.name, 2) + ".pix";
        const QStringList present = QDir(":/pictures").entryList(QDir::Files);
        QCOMPARE(QSet<QString>(present.begin(), present.end()), expected);
    }

    void pictureMatchesCatalogue_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("transparent");
        for (const Entry& entry : catalogue)
            for (int scale : {1, 2})
                QTest::newRow(qPrintable(fileName(entry.name, scale)))
                    << fileName(entry.name, scale)
                    << QSize(entry.width * scale, entry.height * scale) << entry.transparent;
    }

    void pictureMatchesCatalogue() {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QFETCH(bool, transparent);
        const QImage image = load(file);
        QVERIFY2(!image.isNull(), qPrintable(file + " does not load"));
        // Pixel for pixel and in the same format: a window draws it as it would the PNG.
        QVERIFY2(image == committedPng(file), qPrintable(file + " is not its PNG"));
        QCOMPARE(image.size(), size);
        const int opaque = countPixels(image, [](QRgb p) { return qAlpha(p) == 255; });
        if (!transparent) {
            QCOMPARE(opaque, size.width() * size.height());
            return;
        }
        const int right = size.width() - 1, bottom = size.height() - 1;
        for (QPoint corner :
             {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
            QVERIFY2(qAlpha(image.pixel(corner)) == 0, qPrintable(file + " has an opaque corner"));
        // A blank or nearly blank picture would pass the corner test; the drawing must be there.
        QVERIFY2(opaque > size.width() * size.height() / 5, qPrintable(file + " is nearly empty"));
    }

    // The die and handle windows are cut to this circle: no grey may show inside it.
    void greenBallFillsTheWindowCircle() {
        for (int scale : {1, 2}) {
            const QImage ball = load(fileName("picGreenBall", scale));
            const QPointF centre = QPointF(66, 65) * scale;
            for (int step = 0; step < 360; step += 5) {
                const qreal angle = qDegreesToRadians(qreal(step));
                const QPointF rim = centre + QPointF(qCos(angle), qSin(angle)) * 63.5 * scale;
                const QRgb p = ball.pixel(rim.toPoint());
                QVERIFY2(qGreen(p) > qRed(p) + 20 && qGreen(p) > qBlue(p) + 20,
                         qPrintable(QString("grey at %1 degrees, scale %2").arg(step).arg(scale)));
            }
        }
    }

    // The board shows each 56 x 50 square picture centred in a 50 x 50 box: the heart must lie
    // in the middle 50 columns, with only transparent pixels in the three on either side.
    void squarePicturesFitTheirSquareBoxes() {
        for (int kind = 0; kind <= 3; ++kind)
            for (int scale : {1, 2}) {
                const QString file = fileName(qPrintable(QString("imgTiles_%1").arg(kind)), scale);
                const QImage tile = load(file);
                const int margin = 3 * scale;
                const QRect box(margin, 0, tile.width() - 2 * margin, tile.height());
                int outside = 0;
                for (int y = 0; y < tile.height(); ++y)
                    for (int x = 0; x < tile.width(); ++x)
                        outside += !box.contains(x, y) && qAlpha(tile.pixel(x, y)) > 0;
                QVERIFY2(
                    outside == 0,
                    qPrintable(QString("%1: %2 pixels outside the box").arg(file).arg(outside)));
                // Whole hearts, not hearts shrunk to nothing: they reach the box's sides.
                const QImage left = tile.copy(margin, 0, scale, tile.height());
                const QImage right = tile.copy(box.right() + 1 - scale, 0, scale, tile.height());
                QVERIFY2(countPixels(left, [](QRgb p) { return qAlpha(p) > 0; }) > 0 &&
                             countPixels(right, [](QRgb p) { return qAlpha(p) > 0; }) > 0,
                         qPrintable(file + " does not reach the sides of its box"));
            }
    }

    // Digits are shown side by side on black: their background must be black, and no two
    // digits (nor the minus sign) may look alike.
    void digitsAreDistinctOnBlack() {
        QList<QImage> digits;
        for (const char* name :
             {"RedDigit_0", "RedDigit_1", "RedDigit_2", "RedDigit_3", "RedDigit_4", "RedDigit_5",
              "RedDigit_6", "RedDigit_7", "RedDigit_8", "RedDigit_9", "RedDigit_minus"}) {
            const QImage digit = load(fileName(name, 1)).convertToFormat(QImage::Format_RGB32);
            QCOMPARE(digit.pixel(0, 0), qRgb(0, 0, 0));
            QCOMPARE(digit.pixel(15, 20), qRgb(0, 0, 0));
            for (const QImage& earlier : digits)
                QVERIFY2(digit != earlier, name);
            digits << digit;
        }
        const QImage colon = load(fileName("RedDigit_10", 1)).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(colon.pixel(0, 0), qRgb(0, 0, 0));
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
