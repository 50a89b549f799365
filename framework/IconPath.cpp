#include "framework/IconPath.h"

#include <cmath>
#include <numbers>

namespace framework {

CIconPath& CIconPath::MoveTo(double x, double y) {
    m_elements.push_back({Step::Move, {x, y}});
    return *this;
}

CIconPath& CIconPath::LineTo(double x, double y) {
    m_elements.push_back({Step::Line, {x, y}});
    return *this;
}

CIconPath& CIconPath::QuadTo(double cx, double cy, double x, double y) {
    m_elements.push_back({Step::Quad, {cx, cy, x, y}});
    return *this;
}

CIconPath& CIconPath::ArcTo(double x, double y, double cx, double cy, double dStart,
                            double dSweep) {
    m_elements.push_back({Step::Arc, {x, y, cx, cy, dStart, dSweep}});
    return *this;
}

CIconPath& CIconPath::ArcMoveTo(double x, double y, double cx, double cy, double dAngle) {
    // The y axis points down, so a point above the centre has the smaller y.
    const double radians = dAngle * std::numbers::pi / 180.0;
    return MoveTo(x + cx / 2.0 * (1.0 + std::cos(radians)),
                  y + cy / 2.0 * (1.0 - std::sin(radians)));
}

CIconPath& CIconPath::Close() {
    m_elements.push_back({Step::Close, {}});
    return *this;
}

CIconPath& CIconPath::AddEllipse(double cx, double cy, double rx, double ry) {
    m_elements.push_back({Step::Ellipse, {cx, cy, rx, ry}});
    return *this;
}

CIconPath& CIconPath::AddRect(double x, double y, double cx, double cy) {
    return MoveTo(x, y).LineTo(x + cx, y).LineTo(x + cx, y + cy).LineTo(x, y + cy).Close();
}

}  // namespace framework
