#include "app_icon_files.h"

#include "drawings.h"

#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

namespace {

constexpr int kUnits = 256; // the drawing's own square
constexpr int kSizes[] = {16, 22, 32, 48, 64, 128, 256};

bool writePng(const QDir& themeDir, const QString& id, int pixels) {
    const QString folder = QString("%1x%1/apps").arg(pixels);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.scale(qreal(pixels) / kUnits, qreal(pixels) / kUnits);
    drawAppIcon(painter, pixels);
    painter.end();
    const QString path = themeDir.filePath(folder + "/" + id + ".png");
    return themeDir.mkpath(folder) &&
           image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG");
}

bool writeSvg(const QDir& themeDir, const QString& id) {
    if (!themeDir.mkpath("scalable/apps"))
        return false;
    QSvgGenerator svg;
    svg.setFileName(themeDir.filePath("scalable/apps/" + id + ".svg"));
    svg.setSize(QSize(kUnits, kUnits));
    svg.setViewBox(QRect(0, 0, kUnits, kUnits));
    svg.setTitle("Tavrin");
    svg.setDescription("A red heart and a die: the icon of the game Tavrin");
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    drawAppIcon(painter, kUnits);
    return painter.end();
}

} // namespace

bool writeAppIcon(const QDir& themeDir, const QString& id) {
    for (int pixels : kSizes) {
        if (!writePng(themeDir, id, pixels)) {
            std::fprintf(stderr, "tavrin-art: cannot write the %d px icon\n", pixels);
            return false;
        }
    }
    if (!writeSvg(themeDir, id)) {
        std::fprintf(stderr, "tavrin-art: cannot write the scalable icon\n");
        return false;
    }
    return true;
}
