#include "windows/end_window.h"

#include "controls/label_control.h"
#include "layouts/window_layouts.h"
#include "platform/config.h"
#include "windows/app_context.h"

namespace tavrin {

EndWindow::EndWindow(AppContext& ctx) : GameWindow(ctx, layout::endWindowLayout()) {
    connect(&label("Label4"), &LabelControl::Click, this, &EndWindow::Label4_Click);
    connect(&label("lblEMail"), &LabelControl::Click, this, &EndWindow::lblEMail_Click);
    connect(&label("lblUrl1"), &LabelControl::Click, this, &EndWindow::lblUrl1_Click);
    connect(&label("lblUrl2"), &LabelControl::Click, this, &EndWindow::lblUrl2_Click);
    connect(&label("lblUrl3"), &LabelControl::Click, this, &EndWindow::lblUrl3_Click);
}

void EndWindow::onLoad() {
    label("lblScore").setCaption(QString::number(ctx.state.Score));
    LinksShown = false;
    ctx.log.write("end", {rules::EventLog::field("score", ctx.state.Score)});
}

void EndWindow::Label4_Click() {
    if (LinksShown) {
        ctx.log.write("exit");
        ctx.windows.endAtOnce(0);
        return;
    }
    LinksShown = true;
    label("Label4").setCaption("END ->");
    showSecondPage();
}

void EndWindow::showSecondPage() {
    for (const char* name : {"Label1", "Label2", "lblScore", "Label3"})
        label(name).hide();
    struct Place {
        const char* name;
        int left, top;
    };
    for (const Place& p :
         {Place{"Label5", 1800, 360}, Place{"lblEMail", 2040, 840}, Place{"lblUrl1", 2040, 1320},
          Place{"lblUrl2", 2040, 1680}, Place{"lblUrl3", 2040, 2040}})
        moveControl(label(p.name), p.left, p.top);
    label("Label6").show();
}

void EndWindow::lblEMail_Click() {
    ctx.desktop.openAddress(QString("mailto:") + config::kAuthorEmail);
}
void EndWindow::lblUrl1_Click() {
    ctx.desktop.openAddress(config::kAuthorPage1);
}
void EndWindow::lblUrl2_Click() {
    ctx.desktop.openAddress(config::kAuthorPage2);
}
void EndWindow::lblUrl3_Click() {
    ctx.desktop.openAddress(config::kHomePage);
}

void EndWindow::systemClose() {
    ctx.windows.endAtOnce(0);
}

} // namespace tavrin
