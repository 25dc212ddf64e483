// Packs PNG pictures into the form the program shows them from (src/art/packed_image.h): each
// decoded and converted as a pixmap holds it on a screen of 24 or 32 bits, the screens the game
// is played on (the program converts again on any other). Run by the build:
//   pack_pictures OUTPUT PNG [OUTPUT PNG...]

#include "art/packed_image.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>
#include <cstdio>

namespace {

bool pack(const char* outputPath, const char* pngPath) {
    QImageReader reader(QString::fromLocal8Bit(pngPath), "png");
    const QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "pack_pictures: %s: %s\n", pngPath, qPrintable(reader.errorString()));
        return false;
    }
    QFile output(QString::fromLocal8Bit(outputPath));
    const QByteArray packed = tavrin::packImage(QPixmap::fromImage(image).toImage());
    if (!output.open(QIODevice::WriteOnly) || output.write(packed) != packed.size()) {
        std::fprintf(stderr, "pack_pictures: cannot write %s\n", outputPath);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3 || argc % 2 == 0) {
        std::fprintf(stderr, "usage: pack_pictures OUTPUT PNG [OUTPUT PNG...]\n");
        return 2;
    }
    // Pixmaps need an application; the offscreen one's screen holds 32-bit pixels, as X11's.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    for (int i = 1; i < argc; i += 2)
        if (!pack(argv[i], argv[i + 1]))
            return 1;
    return 0;
}
