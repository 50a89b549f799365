#include "setup/ui/DiskIcon.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>

#include "framework/IconCanvas.h"

namespace setup {

namespace {

const QColor kOutline(0, 0, 0);
const QColor kCase(64, 64, 64);
const QColor kCaseLight(128, 128, 128);
const QColor kShutter(192, 192, 192);
const QColor kShutterShade(128, 128, 128);
const QColor kLabel(255, 255, 255);
const QColor kLabelLines(128, 128, 128);

// The case, in units of a 32-unit icon: a square with its upper-right corner cut
// off, as on the real diskette.
QPainterPath CaseOutline() {
    QPainterPath path;
    path.moveTo(2.5, 2.5);
    path.lineTo(26.5, 2.5);
    path.lineTo(29.5, 5.5);
    path.lineTo(29.5, 29.5);
    path.lineTo(2.5, 29.5);
    path.closeSubpath();
    return path;
}

// Draws on the 32-unit grid of a picture `size` pixels wide.
void PaintDiskette(QPainter& painter, int size) {
    const bool bDetailed = size >= 24;
    // One device pixel wide, whatever the size.
    const double penWidth = 32.0 / size;

    const QPainterPath outline = CaseOutline();
    painter.fillPath(outline, kCase);
    // A lighter rim along the lit upper and left edges.
    painter.fillRect(QRectF(3.0, 3.0, 23.0, 1.5), kCaseLight);
    painter.fillRect(QRectF(3.0, 3.0, 1.5, 26.0), kCaseLight);

    // The metal shutter at the top, with the slot that opens onto the disc.
    const QRectF shutter(8.0, 2.5, 15.0, 10.0);
    painter.fillRect(shutter, kShutter);
    painter.fillRect(QRectF(shutter.left(), shutter.bottom() - 1.5, shutter.width(), 1.5),
                     kShutterShade);
    if (bDetailed) {
        painter.fillRect(QRectF(17.0, 4.5, 3.5, 6.0), kCase);
    } else {
        painter.fillRect(QRectF(16.0, 4.0, 4.0, 6.0), kCase);
    }

    // The paper label on the lower part.
    const QRectF label(6.0, 16.0, 20.0, 13.5);
    painter.fillRect(label, kLabel);
    if (bDetailed) {
        painter.setPen(QPen(kLabelLines, penWidth));
        for (double y : {20.5, 23.5, 26.5}) {
            painter.drawLine(QPointF(8.0, y), QPointF(24.0, y));
        }
        // The write-protect window in the lower-left corner.
        painter.fillRect(QRectF(3.5, 26.0, 2.0, 2.0), kOutline);
    }

    painter.setPen(QPen(kOutline, penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    painter.drawRect(shutter);
}

}  // namespace

QPixmap DiskIconPixmap(int size) {
    return framework::DrawIconPixmap(size, framework::IconSmoothing::AboveClassicSize,
                                     PaintDiskette);
}

QIcon DiskIcon() {
    return framework::IconOfSizes(DiskIconPixmap, {16, 32, 48, 64});
}

}  // namespace setup
