#include "layouts/layout_builders.h"
#include "layouts/window_layouts.h"

namespace tavrin::layout {

using namespace build;

namespace {

ControlDesign shield(const ControlNames& name, int left, const QString& picture,
                     const QString& tip) {
    ControlDesign c = image(name, -1, left, 480, 600, 750, picture);
    c.tooltip = tip;
    return c;
}

} // namespace

WindowDesign statusStripLayout() {
    WindowDesign w;
    w.name = "statusStrip";
    w.designName = "frmStatus";
    w.frame = Frame::FixedDialog;
    w.start = StartPosition::Manual;
    w.left = 1995, w.top = 5490;
    w.clientWidth = 5565, w.clientHeight = 1320;
    w.background = "picGreenBands";

    // The box with the higher index stands in front where neighbours overlap.
    for (int i = 5; i >= 0; --i)
        w.controls.push_back(
            pictureBox({status::trialDigits, "imgTrial"}, i, 5160 - 240 * i, 840, 270, 345));
    for (int i = 5; i >= 0; --i)
        w.controls.push_back(
            pictureBox({status::scoreDigits, "imgScore"}, i, 5160 - 240 * i, 480, 270, 345));

    ControlDesign trial =
        image({status::trialWord, "Image2"}, -1, 2880, 810, 1050, 435, "picWordTrial");
    trial.stretch = true;
    trial.tooltip = QT_TRANSLATE_NOOP("statusStrip", "步數(Trial)");
    ControlDesign score =
        image({status::scoreWord, "Image1"}, -1, 2860, 440, 1130, 435, "picWordScore");
    score.stretch = true;
    score.tooltip = QT_TRANSLATE_NOOP("statusStrip", "分數(Score)");
    ControlDesign message = label({status::message, "lblMsg"}, 120, 120, 5295, 255,
                                  QT_TRANSLATE_NOOP("statusStrip", "!!歡迎!!"));
    message.border = Border::Sunken;
    message.tooltip = QT_TRANSLATE_NOOP("statusStrip", "遊戲訊息(Message Window)");

    w.controls.insert(w.controls.end(),
                      {trial, score, message,
                       shield({status::searchShield, "imgSearch"}, 1560, "picShieldSearch",
                              QT_TRANSLATE_NOOP("statusStrip", "萬維網搜尋(Internet Search)")),
                       shield({status::helpShield, "imgHelp"}, 840, "picShieldHelp",
                              QT_TRANSLATE_NOOP("statusStrip", "說明(Help)")),
                       shield({status::exitShield, "imgExit"}, 2280, "picShieldExit",
                              QT_TRANSLATE_NOOP("statusStrip", "離開(Exit)")),
                       shield({status::infoShield, "imgInfo"}, 120, "picShieldInfo",
                              QT_TRANSLATE_NOOP("statusStrip", "資訊中心(Information Center)"))});
    return w;
}

} // namespace tavrin::layout
