#pragma once

#include "sound/sound_control.h"
#include "windows/game_window.h"

namespace tavrin {

// The effects the game asks for by what happened.
enum class Effect {
    Hit,   // a cause of heart disease shot (also the target game's opening shot)
    Miss,  // a healthy habit shot
    Right, // a right answer
    Wrong, // a wrong answer
};

// The sound holder, loaded by the board and never shown. It prepares the four effects, opens
// a mini-game's two when that game starts and closes them when it ends with its bonus, and
// plays the background tune in a loop for as long as it is loaded; unloading it destroys the
// devices, which stops the music.
class SoundHolder : public GameWindow {
    Q_OBJECT
public:
    explicit SoundHolder(AppContext& ctx);

    // The background tune in a folder of sound files.
    static QString musicFile(const QString& dataDir);

    void onLoad() override;
    void onMusicDone(int notifyCode);

    void openEffectsOf(rules::MiniGame game);
    // Never holds up the game: the sound plays on while play goes on.
    void play(Effect effect);

    void miniGameClosed(rules::MiniGame game, rules::MiniGameEnd how) override;

    // Children of the window under their own names, so they can also be found by name.
    SoundControl hitSound;
    SoundControl missSound;
    SoundControl music;
    SoundControl wrongSound;
    SoundControl rightSound;

private:
    QString soundFile(const char* name) const;
    void prepareEffect(SoundControl& device, const char* fileName);
    void startMusic();
    SoundControl& device(Effect effect);
};

} // namespace tavrin
