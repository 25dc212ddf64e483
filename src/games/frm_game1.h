#pragma once

#include "app/form.h"

namespace tavrin {

// Stand-in for the mini-game until it lands: it keeps the board's contract (the board is
// inactive and the die stopped while it is open; closing it makes the board active again).
class FrmGame1 : public Form {
    Q_OBJECT
public:
    explicit FrmGame1(AppContext& ctx);

    void Form_Load() override;
    void Form_Unload(int& Cancel) override;
};

} // namespace tavrin
