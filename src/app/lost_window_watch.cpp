#include "app/lost_window_watch.h"

#include "rules/event_log.h"

#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <xcb/xproto.h>

namespace tavrin {
namespace {

constexpr int kLostWindowExit = 1;

QWidget* shownWindowWithId(std::uint32_t id) {
    // A window Qt destroys itself is deleted (or at least hidden) before its destruction is
    // reported, so only another program's doing matches here.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (type == Qt::ToolTip || type == Qt::Popup)
            continue; // nothing the player needs
        if (window->isVisible() && window->internalWinId() == id)
            return window;
    }
    return nullptr;
}

QString nameOf(const QWidget& window) {
    return window.objectName().isEmpty() ? window.metaObject()->className() : window.objectName();
}

} // namespace

LostWindowWatch::LostWindowWatch(rules::EventLog& log) : log_(log) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

LostWindowWatch::~LostWindowWatch() {
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool LostWindowWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_DESTROY_NOTIFY)
        return false;
    const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
    const QWidget* window = shownWindowWithId(destroyed->window);
    if (!window)
        return false;
    const QByteArray name = nameOf(*window).toUtf8();
    log_.write("lost", {rules::EventLog::field("window", name.constData())});
    std::fprintf(stderr,
                 "tavrin: another program destroyed the window \"%s\"; the game cannot go on\n",
                 qPrintable(window->windowTitle()));
    // Nothing of the game may run on: a message box's own event loop may be the one running.
    std::fflush(nullptr);
    std::_Exit(kLostWindowExit);
}

} // namespace tavrin
