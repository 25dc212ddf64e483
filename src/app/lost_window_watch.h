#pragma once

#include <QAbstractNativeEventFilter>

namespace tavrin {

namespace rules {
class EventLog;
}

// Some tools and broken window managers destroy a client's X window from outside
// (XDestroyWindow). Qt does not notice, and the program would run on with nothing on screen
// or behind a message box nobody can see. When that happens to a window the player sees, the
// program ends at once with status 1, saying why.
class LostWindowWatch : public QAbstractNativeEventFilter {
public:
    explicit LostWindowWatch(rules::EventLog& log);
    ~LostWindowWatch() override;
    LostWindowWatch(const LostWindowWatch&) = delete;
    LostWindowWatch& operator=(const LostWindowWatch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    rules::EventLog& log_;
};

} // namespace tavrin
