#include "art/pictures.h"

#include <QGuiApplication>
#include <QHash>
#include <QScreen>

// The pictures live in a static library: register them explicitly, or the linker drops them.
static void registerPictures() {
    Q_INIT_RESOURCE(pictures);
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

QPixmap load(const QString& name) {
    QPixmap pixmap;
    if (bestPixelRatio() > 1.0 && pixmap.load(":/pictures/" + name + "@2x.png")) {
        pixmap.setDevicePixelRatio(2.0);
        return pixmap;
    }
    pixmap.load(":/pictures/" + name + ".png");
    return pixmap;
}

} // namespace

QPixmap picture(const QString& name) {
    // Decoded once: the clock and the status strip take digits many times a second.
    static QHash<QString, QPixmap> cache;
    static const bool registered = (registerPictures(), true);
    Q_UNUSED(registered);
    auto it = cache.find(name);
    if (it == cache.end())
        it = cache.insert(name, load(name));
    return *it;
}

} // namespace tavrin
