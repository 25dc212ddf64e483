#include "layouts/layout_builders.h"
#include "layouts/window_layouts.h"

namespace tavrin::layout {

using namespace build;

namespace {

ControlDesign answerButton(int index, const QString& caption) {
    ControlDesign c = box(ControlKind::CommandButton, {quiz::answerButtons, "cmdAnswer"}, index,
                          240 + 1440 * index, 1920, 1215, 495);
    c.caption = caption;
    return c;
}

// The question and its choices: text from the question file, on the button face colour.
ControlDesign quizText(const ControlNames& name, int top, int height, double points) {
    ControlDesign c = label(name, 360, top, 3855, height, "Label1");
    c.font = font(kMingFace, points);
    c.border = Border::Sunken;
    return c;
}

} // namespace

WindowDesign quizWindowLayout() {
    WindowDesign w;
    w.name = "quizWindow";
    w.designName = "frmGame1";
    w.caption = QT_TRANSLATE_NOOP("quizWindow", "Game1  -  冠 心 病 問 答 遊 戲");
    w.frame = Frame::FixedSingle;
    w.hasTitleBar = true;
    w.taskbarButton = true;
    w.start = StartPosition::CenterScreen;
    w.clientWidth = 4590, w.clientHeight = 2565;
    w.background = "picWood";
    w.icon = "icoCreature";

    ControlDesign title = label({quiz::title, "Label1"}, 1680, 120, 2535, 255,
                                QT_TRANSLATE_NOOP("quizWindow", "冠 心 病 問 答 遊 戲"));
    title.font = font(kMingFace, 12);
    title.textColor = QColor(0x00, 0x00, 0x80);
    title.transparent = true;

    // The trailing blank is part of the design: the first answer's caption has none.
    ControlDesign score = label({quiz::score, "lblScore"}, 360, 120, 1095, 255, "Score: 0 ");
    score.font = font(kComicFace, 8.25, true);
    score.border = Border::Sunken;
    score.alignRight = true;

    // Tab order follows creation, which runs back to front: button 0 first.
    w.controls = {
        answerButton(2, QT_TRANSLATE_NOOP("quizWindow", "選擇三(Answer3)")),
        answerButton(1, QT_TRANSLATE_NOOP("quizWindow", "選擇二(Answer2)")),
        answerButton(0, QT_TRANSLATE_NOOP("quizWindow", "選擇一(Answer1)")),
        title,
        score,
        quizText({quiz::choices, "lblOption"}, 960, 735, 9.75),
        quizText({quiz::question, "lblQuestion"}, 600, 255, 9),
    };
    return w;
}

} // namespace tavrin::layout
