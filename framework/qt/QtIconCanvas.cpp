#include "framework/qt/QtIconCanvas.h"

#include <QPainter>
#include <QPainterPath>

namespace framework {

namespace {

QColor ToQColor(CColor color) {
    return QColor(color.r, color.g, color.b);
}

QPen ToQPen(const CPen& pen) {
    const Qt::PenCapStyle cap = pen.cap == LineCap::Flat    ? Qt::FlatCap
                                : pen.cap == LineCap::Round ? Qt::RoundCap
                                                            : Qt::SquareCap;
    const Qt::PenJoinStyle join = pen.join == LineJoin::Miter   ? Qt::MiterJoin
                                  : pen.join == LineJoin::Round ? Qt::RoundJoin
                                                                : Qt::BevelJoin;
    return QPen(ToQColor(pen.color), pen.dWidth, Qt::SolidLine, cap, join);
}

QPainterPath ToQPainterPath(const CIconPath& path) {
    QPainterPath result;
    for (const CIconPath::CElement& e : path.Elements()) {
        const double* v = e.v;
        switch (e.step) {
            case CIconPath::Step::Move:
                result.moveTo(v[0], v[1]);
                break;
            case CIconPath::Step::Line:
                result.lineTo(v[0], v[1]);
                break;
            case CIconPath::Step::Quad:
                result.quadTo(v[0], v[1], v[2], v[3]);
                break;
            case CIconPath::Step::Arc:
                result.arcTo(QRectF(v[0], v[1], v[2], v[3]), v[4], v[5]);
                break;
            case CIconPath::Step::Close:
                result.closeSubpath();
                break;
            case CIconPath::Step::Ellipse:
                result.addEllipse(QPointF(v[0], v[1]), v[2], v[3]);
                break;
        }
    }
    return result;
}

}  // namespace

void CQtIconCanvas::FillPath(const CIconPath& path, CColor color) {
    m_painter.fillPath(ToQPainterPath(path), ToQColor(color));
}

void CQtIconCanvas::StrokePath(const CIconPath& path, const CPen& pen) {
    m_painter.setPen(ToQPen(pen));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(ToQPainterPath(path));
}

void CQtIconCanvas::FillRect(double x, double y, double cx, double cy, CColor color) {
    m_painter.fillRect(QRectF(x, y, cx, cy), ToQColor(color));
}

void CQtIconCanvas::DrawLine(double x1, double y1, double x2, double y2, const CPen& pen) {
    m_painter.setPen(ToQPen(pen));
    m_painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void CQtIconCanvas::ClipTo(const CIconPath& path) {
    m_painter.setClipPath(ToQPainterPath(path), Qt::IntersectClip);
}

void CQtIconCanvas::Translate(double dx, double dy) {
    m_painter.translate(dx, dy);
}

void CQtIconCanvas::Rotate(double dDegrees) {
    m_painter.rotate(dDegrees);
}

void CQtIconCanvas::Save() {
    m_painter.save();
}

void CQtIconCanvas::Restore() {
    m_painter.restore();
}

}  // namespace framework
