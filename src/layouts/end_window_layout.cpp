#include "layouts/layout_builders.h"
#include "layouts/window_layouts.h"
#include "platform/config.h"

namespace tavrin::layout {

using namespace build;

namespace {

const QColor kNavy(0x00, 0x00, 0x80);

ControlDesign english(const ControlNames& name, int l, int t, int w, int h, const QString& caption,
                      double points, bool bold = true, bool italic = true) {
    ControlDesign c = label(name, l, t, w, h, caption);
    c.font = font(kComicFace, points, bold, italic);
    c.textColor = kNavy;
    c.transparent = true;
    return c;
}

ControlDesign chinese(const ControlNames& name, int l, int t, int w, int h,
                      const QString& caption) {
    ControlDesign c = label(name, l, t, w, h, caption);
    c.font = font(kMingFace, 12);
    c.textColor = kNavy;
    c.transparent = true;
    return c;
}

// The address as built, or a plain placeholder: a missing address must not look like one.
QString emailCaption() {
    const QString email = QString::fromUtf8(config::email());
    return "Email: " + (email.isEmpty() ? QString("(none given)") : email);
}

} // namespace

WindowDesign endWindowLayout() {
    WindowDesign w;
    w.name = "endWindow";
    w.designName = "frmEnd";
    w.caption = "Bye Bye";
    w.frame = Frame::None;
    w.start = StartPosition::CenterScreen;
    w.clientWidth = 4680, w.clientHeight = 3120;
    w.background = "picWood";

    ControlDesign hint = english({end::linksHint, "Label6"}, 1320, 2880, 3255, 255,
                                 "(You can click on the above links directly)", 8.25, false, false);
    hint.textColor.reset();
    hint.alignRight = true;
    hint.visible = false;

    ControlDesign next = english({end::nextLink, "Label4"}, 3360, 2640, 1095, 375, "NEXT ->", 12);
    next.textColor = QColor(0xC0, 0xFF, 0xC0);

    // Learning mode's way to the review of the game, beside NEXT on the first page.
    ControlDesign review = english({end::reviewLink, ""}, 2280, 2640, 1020, 375,
                                   QT_TRANSLATE_NOOP("endWindow", "回顧 ->"), 12);
    review.textColor = QColor(0xC0, 0xFF, 0xC0);
    review.visible = false;

    ControlDesign score = chinese({end::score, "lblScore"}, 2760, 1560, 1695, 255,
                                  QT_TRANSLATE_NOOP("endWindow", "(分 數)"));
    score.alignRight = true;

    ControlDesign character =
        image({end::character, "Image1"}, -1, 0, 0, 1980, 3060, "picCharacter");
    character.stretch = true;

    w.controls = {
        hint,
        english({end::infoLink, "lblUrl3"}, 600, 5160, 2535, 255, "Info Center", 9.75),
        english({end::helpLink, "lblUrl2"}, 600, 4800, 2535, 255, "How to play", 9.75),
        english({end::homeLink, "lblUrl1"}, 600, 4440, 2535, 255, "About Tavrin", 9.75),
        english({end::emailLink, "lblEMail"}, 600, 3960, 2535, 375, emailCaption(), 12),
        english({end::credit, "Label5"}, 360, 3480, 2775, 375,
                QString("Created by: ") + config::kAuthor, 12),
        next,
        review,
        chinese({end::cheer, "Label3"}, 2160, 2160, 2415, 255,
                QT_TRANSLATE_NOOP("endWindow", "加油！下次再努力呀！")),
        score,
        chinese({end::scoreHeading, "Label2"}, 2040, 960, 2415, 255,
                QT_TRANSLATE_NOOP("endWindow", "你 的 健 康 分 數 ：")),
        chinese({end::thanks, "Label1"}, 1800, 360, 2775, 255,
                QT_TRANSLATE_NOOP("endWindow", "多 謝 使 用 Tavrin")),
        character,
    };
    return w;
}

} // namespace tavrin::layout
