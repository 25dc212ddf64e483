#include "art/pictures.h"

#include "art/packed_image.h"

#include <QGuiApplication>
#include <QHash>
#include <QScreen>

// The pictures live in a static library: register them explicitly, or the linker drops them.
static void registerPictures() {
    Q_INIT_RESOURCE(pictures);
    Q_INIT_RESOURCE(pictures_2x);
}

namespace tavrin {
namespace {

qreal bestPixelRatio() {
    qreal ratio = 1.0;
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        for (const QScreen* screen : app->screens())
            ratio = std::max(ratio, screen->devicePixelRatio());
    return ratio;
}

QImage unpack(const QString& file) {
    return unpackResource(":/pictures/" + file + ".pix");
}

QPixmap load(const QString& name) {
    if (bestPixelRatio() > 1.0) {
        QImage large = unpack(name + "@2x");
        if (!large.isNull()) {
            QPixmap pixmap = QPixmap::fromImage(std::move(large));
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    return QPixmap::fromImage(unpack(name));
}

} // namespace

QPixmap picture(const QString& name) {
    // Unpacked once: the clock and the status strip take digits many times a second.
    static QHash<QString, QPixmap> cache;
    static const bool registered = (registerPictures(), true);
    Q_UNUSED(registered);
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache.insert(name, load(name));
    return *it;
}

} // namespace tavrin
