#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>
#include <functional>

// One picture of the program. It draws in its own pixel coordinates, so rendering it at
// scale 2 gives a genuinely sharper image rather than an enlargement.
struct Picture {
    QString name;
    QSize size;
    bool transparent;
    std::function<void(QPainter&)> draw;
};

QImage renderPicture(const Picture& picture, int scale);
