#pragma once

#include "layouts/layout.h"

// Short ways to write the layout tables, so each window's file reads like its design sheet.
namespace tavrin::layout::build {

inline ControlDesign box(ControlKind kind, const ControlNames& names, int index, int l, int t,
                         int w, int h) {
    ControlDesign c;
    c.kind = kind;
    c.name = names.name;
    c.designName = names.designName;
    c.index = index;
    c.left = l, c.top = t, c.width = w, c.height = h;
    return c;
}

inline ControlDesign label(const ControlNames& name, int l, int t, int w, int h,
                           const QString& caption) {
    ControlDesign c = box(ControlKind::Label, name, -1, l, t, w, h);
    c.caption = caption;
    return c;
}

inline ControlDesign image(const ControlNames& name, int index, int l, int t, int w, int h,
                           const QString& picture = {}) {
    ControlDesign c = box(ControlKind::Image, name, index, l, t, w, h);
    c.picture = picture;
    return c;
}

inline ControlDesign pictureBox(const ControlNames& name, int index, int l, int t, int w, int h) {
    ControlDesign c = box(ControlKind::PictureBox, name, index, l, t, w, h);
    c.border = Border::Flat;
    return c;
}

inline Font font(const char* face, double points, bool bold = false, bool italic = false) {
    return Font{QString::fromUtf8(face), points, bold, italic};
}

} // namespace tavrin::layout::build
