#pragma once

#include "windows/game_window.h"

namespace tavrin {

// The end window: the final score, then a page of credits and links; its label ends the game.
class EndWindow : public GameWindow {
    Q_OBJECT
public:
    explicit EndWindow(AppContext& ctx);

    void onLoad() override;
    void Label4_Click();
    void lblEMail_Click();
    void lblUrl1_Click();
    void lblUrl2_Click();
    void lblUrl3_Click();

    bool linksShown() const { return LinksShown; }

protected:
    void systemClose() override;

private:
    void showSecondPage();

    bool LinksShown = false;
};

} // namespace tavrin
