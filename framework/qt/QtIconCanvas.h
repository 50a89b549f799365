#pragma once

#include "framework/IconCanvas.h"

class QPainter;

namespace framework {

// An icon canvas that paints with a QPainter already set up for the 32-unit grid.
class CQtIconCanvas : public CIconCanvas {
public:
    explicit CQtIconCanvas(QPainter& painter) : m_painter(painter) {}

    void FillPath(const CIconPath& path, CColor color) override;
    void StrokePath(const CIconPath& path, const CPen& pen) override;
    void FillRect(double x, double y, double cx, double cy, CColor color) override;
    void DrawLine(double x1, double y1, double x2, double y2, const CPen& pen) override;
    void ClipTo(const CIconPath& path) override;
    void Translate(double dx, double dy) override;
    void Rotate(double dDegrees) override;
    void Save() override;
    void Restore() override;

private:
    QPainter& m_painter;
};

}  // namespace framework
