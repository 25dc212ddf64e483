#pragma once

#include "app/form.h"

namespace tavrin {

// The die: a green ball whose face turns every 150 ms; a click throws the face on display.
class FrmDice : public Form {
    Q_OBJECT
public:
    explicit FrmDice(AppContext& ctx);

    // The die's switch is its timer's interval: this while it turns, 0 while it is stopped.
    static constexpr int kTurningInterval = 150;

    void Form_Load() override;
    void Timer1_Timer();
    void imgDice_Click();

protected:
    void systemClose() override {} // the die only goes with the board

private:
    void showFace();
};

} // namespace tavrin
