#include "setup/ui/QuestionIcon.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>

#include "framework/IconCanvas.h"

namespace setup {

namespace {

const QColor kRim(0, 64, 0);
const QColor kDisc(0, 160, 0);
const QColor kDiscLight(0, 224, 0);
const QColor kMark(255, 255, 255);

// Draws on the 32-unit grid of a picture `size` pixels wide.
void PaintQuestionMark(QPainter& painter, int /*size*/) {
    painter.setPen(QPen(kRim, 1.5));
    painter.setBrush(kDisc);
    painter.drawEllipse(QPointF(16.0, 16.0), 14.0, 14.0);
    // The lit upper-left part of the disc.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kDiscLight);
    painter.drawEllipse(QPointF(12.5, 11.5), 5.0, 4.0);

    // The hook of the question mark: a thick arc over the centre, then a short stroke
    // down to the dot.
    QPainterPath hook;
    hook.arcMoveTo(QRectF(10.5, 6.5, 11.0, 10.0), 160.0);
    hook.arcTo(QRectF(10.5, 6.5, 11.0, 10.0), 160.0, -230.0);
    hook.lineTo(16.0, 19.0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kMark, 3.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kMark);
    painter.drawEllipse(QPointF(16.0, 23.5), 2.0, 2.0);
}

}  // namespace

QPixmap QuestionIconPixmap(int size) {
    return framework::DrawIconPixmap(size, framework::IconSmoothing::Always, PaintQuestionMark);
}

QIcon QuestionIcon() {
    return framework::IconOfSizes(QuestionIconPixmap, {32, 48, 64});
}

}  // namespace setup
