#pragma once

#include "app/form.h"
#include "sound/mm_control.h"

namespace tavrin {

// The sound holder, loaded by the board and never shown. It prepares the four effects, which
// the mini-games open, play and close themselves, and plays the background tune in a loop for
// as long as it is loaded; unloading it destroys the devices, which stops the music.
class FrmSnd : public Form {
    Q_OBJECT
public:
    explicit FrmSnd(AppContext& ctx);

    void Form_Load() override;
    void mmcPSamy_Done(int NotifyCode);

    // Children of the window under their own names, so they can also be found by name.
    MMControl mmcHit3;
    MMControl mmcBlip2;
    MMControl mmcPSamy;
    MMControl mmcBoo;
    MMControl mmcYeah;

private:
    QString soundFile(const char* name) const;
};

} // namespace tavrin
