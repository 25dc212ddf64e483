// The SCORE and TRIAL captions of the status window: bright green outlined capitals on a green
// plate with a darker rim. They are shown squeezed to about 29 pixels high, hence the bold
// letters filling most of the plate.

#include "drawings.h"
#include "style.h"

#include <QLinearGradient>

namespace {

const QColor rimDark(8, 72, 24);
const QColor rim(28, 120, 40);
const QColor plateTop(92, 186, 84);
const QColor plateBottom(40, 134, 50);
const QColor letterLight(214, 255, 170);
const QColor letter(110, 255, 80);
const QColor letterEdge(6, 60, 16);

void drawPlate(QPainter& painter, const QRectF& box) {
    painter.setPen(style::outline(1.0, rimDark));
    QLinearGradient rimBrush(box.topLeft(), box.bottomLeft());
    rimBrush.setColorAt(0, style::mix(rim, Qt::white, 0.25));
    rimBrush.setColorAt(1, rimDark);
    painter.setBrush(rimBrush);
    painter.drawRoundedRect(box, 7, 7);

    const QRectF face = box.adjusted(2.6, 2.6, -2.6, -2.6);
    QLinearGradient faceBrush(face.topLeft(), face.bottomLeft());
    faceBrush.setColorAt(0, plateTop);
    faceBrush.setColorAt(1, plateBottom);
    painter.setPen(style::outline(0.6, style::withAlpha(rimDark, 160)));
    painter.setBrush(faceBrush);
    painter.drawRoundedRect(face, 5, 5);

    // The upper half of the face catches the light.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 46));
    painter.drawRoundedRect(
        QRectF(face.left() + 1.5, face.top() + 1, face.width() - 3, face.height() * 0.42), 4, 4);
}

void drawLetters(QPainter& painter, const QString& word, const QRectF& box) {
    const QPainterPath letters = style::fittedText(word, style::roundedBold(40), box);
    painter.setPen(style::outline(2.4, letterEdge));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(letters);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, letterLight);
    fill.setColorAt(0.5, letter);
    fill.setColorAt(1, style::mix(letter, rim, 0.35));
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(letters);
}

} // namespace

void drawWordPlate(QPainter& painter, const QString& word, QSizeF size) {
    const QRectF plate(0.6, 0.6, size.width() - 1.2, size.height() - 1.2);
    drawPlate(painter, plate);
    drawLetters(painter, word, plate.adjusted(6.5, 7.5, -6.5, -7.5));
}
