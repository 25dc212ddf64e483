#include "picture.h"

QImage renderPicture(const Picture& picture, int scale) {
    QImage image(picture.size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    picture.draw(painter);
    painter.end();
    // Opaque pictures are stored without an alpha channel, so no stray edge pixel can be
    // half transparent when the program shows them as window backgrounds.
    if (!picture.transparent)
        return image.convertToFormat(QImage::Format_RGB888);
    return image.convertToFormat(QImage::Format_ARGB32);
}
