#pragma once

#include <vector>

namespace framework {

// An outline for an icon canvas, in the canvas's units: straight lines, quadratic
// curves, elliptic arcs and whole ellipses, made into closed figures or left open for
// a stroke.
class CIconPath {
public:
    enum class Step { Move, Line, Quad, Arc, Close, Ellipse };
    // Move and Line use (x, y); Quad (control x, y, end x, y); Arc the rectangle
    // (x, y, cx, cy) of its ellipse, the start angle and the sweep; Ellipse the
    // centre and the two radii.
    struct CElement {
        Step step;
        double v[6];
    };

    CIconPath& MoveTo(double x, double y);
    CIconPath& LineTo(double x, double y);
    CIconPath& QuadTo(double cx, double cy, double x, double y);
    // A line to where the arc starts, then the arc of the ellipse inscribed in the
    // rectangle, from `dStart` degrees through `dSweep` more. Angles count as on a
    // clock face turned back: 0 at three o'clock, 90 at twelve, a positive sweep
    // counter-clockwise on screen.
    CIconPath& ArcTo(double x, double y, double cx, double cy, double dStart, double dSweep);
    // Starts a new figure at the point `dAngle` degrees round that ellipse.
    CIconPath& ArcMoveTo(double x, double y, double cx, double cy, double dAngle);
    CIconPath& Close();
    // A closed ellipse around (cx, cy) as a figure of its own.
    CIconPath& AddEllipse(double cx, double cy, double rx, double ry);
    CIconPath& AddRect(double x, double y, double cx, double cy);

    const std::vector<CElement>& Elements() const { return m_elements; }

private:
    std::vector<CElement> m_elements;
};

}  // namespace framework
