#pragma once

#include <QObject>

namespace tavrin {

class SoundChoices;

// M, pressed in any of the game's windows, turns all sound off, or on again. Installed on the
// application, so that it reaches every window whatever has the focus; other keys pass on
// untouched, and so does an M typed into a text box that takes typing.
class SoundKey : public QObject {
    Q_OBJECT
public:
    explicit SoundKey(SoundChoices& sound) : sound_(sound) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SoundChoices& sound_;
};

} // namespace tavrin
