#include "game/ui/PencilIcon.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>

#include <QPolygonF>
#include "framework/IconCanvas.h"

namespace lettrino {

namespace {

// Flat colours, few enough to pass for a 16-colour picture.
const QColor kOutline(0, 0, 0);
const QColor kPaint(255, 255, 0);
const QColor kPaintLight(255, 255, 160);
const QColor kPaintShade(192, 160, 0);
const QColor kWood(240, 200, 136);
const QColor kWoodShade(200, 144, 80);
const QColor kGraphite(64, 64, 64);
const QColor kMetal(192, 192, 192);
const QColor kMetalShade(128, 128, 128);
const QColor kMetalLight(255, 255, 255);
const QColor kEraser(255, 112, 144);
const QColor kEraserShade(192, 0, 64);

// The pencil is drawn lying along the x axis, tip at x = 0, in units of a 32-unit
// icon; y < 0 is the lit side (it ends up facing the upper left).
struct SPencilShape {
    double dHalfWidth;  // half the pencil's thickness
    double dGraphite;   // end of the graphite point
    double dCone;       // where the sharpened cone meets the paint
    double dFerrule;    // start of the metal band
    double dEraser;     // start of the eraser
    double dLength;     // far end of the eraser
    bool bDetailed;     // ferrule bands, glint and joint lines
};

// Large pictures show every detail; small ones use a thicker, simpler pencil so that
// each part still covers whole pixels.
SPencilShape ShapeForSize(int size) {
    if (size >= 24) {
        return {4.6, 4.0, 10.5, 28.5, 33.0, 38.2, true};
    }
    return {5.4, 4.5, 11.0, 28.0, 32.5, 38.2, false};
}

// The painted edge left by the sharpener: the paint reaches furthest towards the tip
// along the ridges between the facets and is cut back in between.
void AddScallopedEdge(QPainterPath& path, const SPencilShape& shape) {
    const double w = shape.dHalfWidth;
    const double third = w / 3.0;
    const double cone = shape.dCone;
    const double ridge = cone - 1.6;
    path.quadTo(cone + 0.2, -2.0 * third, ridge, -third);
    path.quadTo(cone - 0.2, 0.0, ridge, third);
    path.quadTo(cone + 0.2, 2.0 * third, cone, w);
}

// Continues `path` from the lit edge around the far end of the eraser, rounded off by
// use, to the shaded edge at the same distance.
void AddEraserEnd(QPainterPath& path, const SPencilShape& shape) {
    const double w = shape.dHalfWidth;
    const double end = shape.dLength;
    const double round = shape.bDetailed ? 2.0 : 1.6;
    path.lineTo(end - round, -w);
    path.quadTo(end, -w, end, -w + round);
    path.lineTo(end, w - round);
    path.quadTo(end, w, end - round, w);
}

void DrawTip(QPainter& painter, const SPencilShape& shape) {
    const double w = shape.dHalfWidth;
    const double cone = shape.dCone;
    QPainterPath wood;
    wood.moveTo(0.0, 0.0);
    wood.lineTo(cone, -w);
    wood.lineTo(cone, w);
    wood.closeSubpath();
    painter.fillPath(wood, kWood);
    // The underside of the cone lies in shadow.
    painter.save();
    painter.setClipPath(wood);
    painter.fillRect(QRectF(QPointF(0.0, w / 4.0), QPointF(cone, w)), kWoodShade);
    painter.restore();

    const double graphiteHalf = w * shape.dGraphite / cone;
    QPolygonF graphite;
    graphite << QPointF(0.0, 0.0) << QPointF(shape.dGraphite, -graphiteHalf)
             << QPointF(shape.dGraphite, graphiteHalf);
    painter.setBrush(kGraphite);
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(graphite);
}

void DrawBody(QPainter& painter, const SPencilShape& shape) {
    const double w = shape.dHalfWidth;
    const double third = w / 3.0;
    QPainterPath body;
    body.moveTo(shape.dFerrule, -w);
    body.lineTo(shape.dCone, -w);
    AddScallopedEdge(body, shape);
    body.lineTo(shape.dFerrule, w);
    body.closeSubpath();
    painter.fillPath(body, kPaint);

    // Three facets of the hexagonal body show: lit, face-on and shaded.
    painter.save();
    painter.setClipPath(body);
    painter.fillRect(QRectF(QPointF(0.0, -w), QPointF(shape.dFerrule, -third)), kPaintLight);
    painter.fillRect(QRectF(QPointF(0.0, third), QPointF(shape.dFerrule, w)), kPaintShade);
    painter.restore();
}

void DrawFerruleAndEraser(QPainter& painter, const SPencilShape& shape, double penWidth) {
    const double w = shape.dHalfWidth;
    const double third = w / 3.0;
    const QRectF ferrule(QPointF(shape.dFerrule, -w), QPointF(shape.dEraser, w));
    painter.fillRect(ferrule, kMetal);
    // A white glint on a 16-pixel picture would read as a gap in the outline.
    if (shape.bDetailed) {
        painter.fillRect(QRectF(QPointF(shape.dFerrule, -w), QPointF(shape.dEraser, -third)),
                         kMetalLight);
    }
    painter.fillRect(QRectF(QPointF(shape.dFerrule, third), QPointF(shape.dEraser, w)),
                     kMetalShade);
    if (shape.bDetailed) {
        // Crimped bands around the metal.
        painter.setPen(QPen(kMetalShade, penWidth, Qt::SolidLine, Qt::FlatCap));
        const double step = (shape.dEraser - shape.dFerrule) / 3.0;
        for (int i = 1; i < 3; ++i) {
            const double x = shape.dFerrule + step * i;
            painter.drawLine(QPointF(x, -w), QPointF(x, w));
        }
    }

    QPainterPath eraser;
    eraser.moveTo(shape.dEraser, -w);
    AddEraserEnd(eraser, shape);
    eraser.lineTo(shape.dEraser, w);
    eraser.closeSubpath();
    painter.fillPath(eraser, kEraser);
    painter.save();
    painter.setClipPath(eraser);
    painter.fillRect(QRectF(QPointF(shape.dEraser, third), QPointF(shape.dLength, w)),
                     kEraserShade);
    painter.restore();
}

// The dark outline around the whole pencil and across its joints.
void DrawOutline(QPainter& painter, const SPencilShape& shape, double penWidth) {
    const double w = shape.dHalfWidth;
    QPainterPath outline;
    outline.moveTo(0.0, 0.0);
    outline.lineTo(shape.dCone, -w);
    AddEraserEnd(outline, shape);
    outline.lineTo(shape.dCone, w);
    outline.closeSubpath();
    QPen pen(kOutline, penWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    if (shape.bDetailed) {
        // On a small picture these lines would swallow the metal band.
        painter.drawLine(QPointF(shape.dFerrule, -w), QPointF(shape.dFerrule, w));
        painter.drawLine(QPointF(shape.dEraser, -w), QPointF(shape.dEraser, w));
    }
}

// Draws on the 32-unit grid of a picture `size` pixels wide.
void PaintPencil(QPainter& painter, int size) {
    // Lay the pencil from the lower-left corner towards the
    // upper right.
    painter.translate(1.0, 31.0);
    painter.rotate(-45.0);

    const SPencilShape shape = ShapeForSize(size);
    DrawTip(painter, shape);
    DrawBody(painter, shape);
    // One device pixel wide, whatever the size, like the lines
    // of a pixel icon.
    const double penWidth = 32.0 / size;
    DrawFerruleAndEraser(painter, shape, penWidth);
    DrawOutline(painter, shape, penWidth);
}

}  // namespace

QPixmap PencilIconPixmap(int size) {
    return framework::DrawIconPixmap(size, framework::IconSmoothing::AboveClassicSize, PaintPencil);
}

QIcon PencilIcon() {
    return framework::IconOfSizes(PencilIconPixmap, {16, 32, 48, 64});
}

}  // namespace lettrino
