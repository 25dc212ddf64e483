#pragma once

#include "windows/game_window.h"
#include "sound/sound_control.h"

namespace tavrin {

// The sound holder, loaded by the board and never shown. It prepares the four effects, which
// the mini-games open, play and close themselves, and plays the background tune in a loop for
// as long as it is loaded; unloading it destroys the devices, which stops the music.
class SoundHolder : public GameWindow {
    Q_OBJECT
public:
    explicit SoundHolder(AppContext& ctx);

    void onLoad() override;
    void mmcPSamy_Done(int NotifyCode);

    // Children of the window under their own names, so they can also be found by name.
    SoundControl mmcHit3;
    SoundControl mmcBlip2;
    SoundControl mmcPSamy;
    SoundControl mmcBoo;
    SoundControl mmcYeah;

private:
    QString soundFile(const char* name) const;
};

} // namespace tavrin
