#include "windows/sound_holder.h"

#include "windows/app_context.h"
#include "layouts/window_layouts.h"

#include <QDir>

namespace tavrin {

SoundHolder::SoundHolder(AppContext& ctx)
    : GameWindow(ctx, layout::soundHolderLayout()), mmcHit3(ctx.audio, this), mmcBlip2(ctx.audio, this),
      mmcPSamy(ctx.audio, this), mmcBoo(ctx.audio, this), mmcYeah(ctx.audio, this) {
    mmcHit3.setObjectName("mmcHit3");
    mmcBlip2.setObjectName("mmcBlip2");
    mmcPSamy.setObjectName("mmcPSamy");
    mmcBoo.setObjectName("mmcBoo");
    mmcYeah.setObjectName("mmcYeah");
    connect(&mmcPSamy, &SoundControl::Done, this, &SoundHolder::mmcPSamy_Done);
}

QString SoundHolder::soundFile(const char* name) const {
    return QDir(ctx.options.dataDir).filePath(name);
}

// The effects are only prepared here: each mini-game opens its own when it starts. The music
// is opened synchronously and started at once, while the board is still loading.
void SoundHolder::onLoad() {
    mmcHit3.setNotify(false);
    mmcHit3.setShareable(false);
    mmcHit3.setDeviceType("WaveAudio");
    mmcHit3.setFileName(soundFile("hit3.WAV"));

    mmcBlip2.setNotify(false);
    mmcBlip2.setShareable(false);
    mmcBlip2.setDeviceType("WaveAudio");
    mmcBlip2.setFileName(soundFile("blip2.WAV"));

    mmcPSamy.setNotify(false);
    mmcPSamy.setWait(true);
    mmcPSamy.setShareable(false);
    mmcPSamy.setDeviceType("Sequencer");
    mmcPSamy.setFileName(soundFile("p_samy.mid"));
    mmcPSamy.setCommand("Open");
    mmcPSamy.setNotify(true);
    mmcPSamy.setCommand("play");

    mmcBoo.setNotify(false);
    mmcBoo.setShareable(false);
    mmcBoo.setDeviceType("WaveAudio");
    mmcBoo.setFileName(soundFile("boo.WAV"));

    mmcYeah.setNotify(false);
    mmcYeah.setShareable(false);
    mmcYeah.setDeviceType("WaveAudio");
    mmcYeah.setFileName(soundFile("yeah.WAV"));
}

// The tune has ended: back to its beginning and play again, asking to hear of the next end.
void SoundHolder::mmcPSamy_Done(int NotifyCode) {
    Q_UNUSED(NotifyCode);
    mmcPSamy.setNotify(false);
    mmcPSamy.setCommand("Next");
    mmcPSamy.setNotify(false);
    mmcPSamy.setCommand("Prev");
    mmcPSamy.setNotify(true);
    mmcPSamy.setCommand("Play");
}

} // namespace tavrin
