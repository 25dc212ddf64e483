#include "layouts/layout_builders.h"
#include "layouts/window_layouts.h"

namespace tavrin::layout {

using namespace build;

namespace {

const QColor kNavy(0x00, 0x00, 0x80);
const QColor kRed(0xFF, 0x00, 0x00);

// One red clock digit: it takes the size of the digit picture put into it at the first tick.
ControlDesign digit(const ControlNames& name, int index, int left) {
    return image(name, index, left, 120, 255, 375);
}

ControlDesign target(int index, int l, int t, int w, int h, const QString& tip) {
    ControlDesign c = image({targetGame::targets, "imgTarget"}, index, l, t, w, h,
                            QString("imgTarget_%1").arg(index));
    c.tooltip = tip;
    return c;
}

} // namespace

WindowDesign targetGameWindowLayout() {
    WindowDesign w;
    w.name = "targetGameWindow";
    w.designName = "frmGame2";
    w.caption = QT_TRANSLATE_NOOP("targetGameWindow", "Game2  -  冠 心 病 射 擊 遊 戲");
    w.frame = Frame::FixedSingle;
    w.hasTitleBar = true;
    w.taskbarButton = false;
    w.start = StartPosition::CenterScreen;
    w.clientWidth = 5190, w.clientHeight = 3315;
    w.background = "picWood";
    w.icon = "icoCreature";

    ControlDesign timeLeft =
        label({targetGame::timeLeft, "Label2"}, 1920, 120, 1215, 375, "Time Left:");
    timeLeft.font = font(kComicFace, 11.25, true, true);
    timeLeft.textColor = kRed;
    timeLeft.transparent = true;

    ControlDesign score = label({targetGame::score, "lblScore"}, 120, 120, 1575, 255, "Score: 0 ");
    score.font = font(kComicFace, 8.25, true);
    score.border = Border::Sunken;
    score.alignRight = true;

    ControlDesign instruction =
        label({targetGame::instruction, "Label1"}, 240, 2760, 4575, 255,
              QT_TRANSLATE_NOOP("targetGameWindow", "請 把 引 致 冠 心 病 的 誘 因 射 下 來"));
    instruction.font = font(kMingFace, 12);
    instruction.textColor = kNavy;
    instruction.transparent = true;

    w.controls = {
        timeLeft,
        score,
        instruction,
        digit({targetGame::secondDigits, "imgSec"}, 0, 3840),
        digit({targetGame::secondDigits, "imgSec"}, 1, 4080),
        digit({targetGame::minuteDigits, "imgMin"}, 0, 3120),
        digit({targetGame::minuteDigits, "imgMin"}, 1, 3360),
        digit({targetGame::hundredthDigits, "imgMSec"}, 0, 4560),
        digit({targetGame::hundredthDigits, "imgMSec"}, 1, 4800),
        target(4, 3960, 1080, 945, 810, QT_TRANSLATE_NOOP("targetGameWindow", "缺 乏 運 動")),
        target(3, 3000, 1440, 1050, 855, QT_TRANSLATE_NOOP("targetGameWindow", "作 息 定 時")),
        // Carriage returns only, no line feeds: the window shows them as line breaks.
        target(2, 1920, 1080, 1290, 750,
               QT_TRANSLATE_NOOP("targetGameWindow", "高 脂 肪\r、\r 高 膽 固\r 醇 ")),
        target(1, 840, 1320, 1275, 990,
               QT_TRANSLATE_NOOP("targetGameWindow", "避 免 過 量 脂 肪 、 膽 固 醇 食 物")),
        target(0, 120, 1080, 1110, 720, QT_TRANSLATE_NOOP("targetGameWindow", "吸 煙")),
    };
    // The clock ticks every 10 ms so that it can show hundredths: it needs a precise timer.
    w.timers = {{targetGame::clockTimer, "Timer2", 10, true},
                {targetGame::jumpTimer, "Timer1", 600, false}};
    return w;
}

} // namespace tavrin::layout
