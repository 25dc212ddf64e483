#pragma once

#include <QColor>
#include <QString>
#include <optional>
#include <vector>

namespace tavrin::layout {

// Layouts are stored as designed: positions and sizes in twips, 15 twips to a pixel.
inline constexpr int kTwipsPerPixel = 15;
inline int px(int twips) {
    return (twips + (twips >= 0 ? 7 : -7)) / kTwipsPerPixel;
}
inline int twips(int pixels) {
    return pixels * kTwipsPerPixel;
}

enum class Frame { None, FixedSingle, FixedDialog, Sizable };
enum class StartPosition { Manual, CenterScreen, SystemDefault };
enum class Shape { Rectangle, Ball }; // Ball: cut to the 128-pixel circle on the green ball
// A text box is a multi-line box whose lines wrap.
enum class ControlKind { Label, Image, PictureBox, TextBox, CommandButton };
enum class Border { None, Sunken, Flat };

struct Font {
    QString face;
    double points = 9;
    bool bold = false;
    bool italic = false;
};

// A control of a layout, named once: the layout builds it under this name and the window's
// code binds it by this id. The kind in the type gives the window the control's own class.
template <ControlKind K> struct ControlId { const char* name; };
// A control array: members 0 to N - 1.
template <ControlKind K, int N> struct ControlRowId { const char* name; };
struct TimerId {
    const char* name;
};

// What code calls a control, and what the design sheets call it: the second only traces a row
// back to its sheet.
struct ControlNames {
    template <class Id>
    ControlNames(const Id& id, const char* design = "") : name(id.name), designName(design) {}
    QString name;
    QString designName;
};

struct ControlDesign {
    ControlKind kind = ControlKind::Label;
    QString name;
    QString designName;
    int index = -1; // -1: not a member of a control array
    int left = 0, top = 0, width = 0, height = 0;
    QString caption; // a label's or button's caption, a text box's text
    std::optional<Font> font;
    std::optional<QColor> textColor;
    bool transparent = false; // labels: the window shows through
    Border border = Border::None;
    bool alignRight = false;
    QString tooltip;
    QString picture; // a picture name from the resource file
    bool stretch = false;
    bool visible = true;
    bool verticalScrollBar = false;
};

struct TimerDesign {
    TimerDesign(TimerId id, const char* design, int ms, bool isPrecise)
        : name(id.name), designName(design), interval(ms), precise(isPrecise) {}
    QString name;
    QString designName;
    int interval = 0;
    bool precise = false;
};

struct WindowDesign {
    QString name;
    QString designName;
    QString caption;
    Frame frame = Frame::None;
    bool hasTitleBar = false;
    bool taskbarButton = false;
    Shape shape = Shape::Rectangle;
    StartPosition start = StartPosition::SystemDefault;
    int left = 0, top = 0; // Manual: where the client area's top-left corner goes
    int clientWidth = 0, clientHeight = 0;
    QString background;
    QString icon;
    std::vector<ControlDesign> controls; // front to back
    std::vector<TimerDesign> timers;
};

// Windows system colours as the game's layouts name them.
QColor btnFace();
QColor btnText();
QColor windowColor();
QColor windowText();
QColor activeCaption();

// The circle that the die and the handle are cut to, in client pixels: it lies on the ball.
inline constexpr int kBallLeft = 2, kBallTop = 1, kBallDiameter = 128;

} // namespace tavrin::layout
