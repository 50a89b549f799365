#pragma once

#include "framework/IconPath.h"

namespace framework {

// An opaque colour.
struct CColor {
    unsigned char r, g, b;
};

enum class LineCap { Flat, Square, Round };
enum class LineJoin { Bevel, Miter, Round };

// How an outline is drawn: its colour, its width in icon units, and how lines end and
// meet (a square end and a bevelled corner unless told otherwise).
struct CPen {
    CColor color;
    double dWidth;
    LineCap cap = LineCap::Square;
    LineJoin join = LineJoin::Bevel;
};

// What an icon's drawing draws on: a square of 32 units whatever the picture's size
// in pixels, the y axis pointing down. Each backend paints it with its own toolkit,
// so that one drawing makes the icon everywhere.
class CIconCanvas {
public:
    virtual ~CIconCanvas() = default;

    virtual void FillPath(const CIconPath& path, CColor color) = 0;
    virtual void StrokePath(const CIconPath& path, const CPen& pen) = 0;
    // The rectangle from (x, y) that is cx wide and cy high.
    virtual void FillRect(double x, double y, double cx, double cy, CColor color) = 0;
    virtual void DrawLine(double x1, double y1, double x2, double y2, const CPen& pen) = 0;

    // Keeps what follows inside `path`, until the next Restore.
    virtual void ClipTo(const CIconPath& path) = 0;
    // Moves and turns what follows, until the next Restore; a positive angle turns
    // clockwise on screen, in degrees.
    virtual void Translate(double dx, double dy) = 0;
    virtual void Rotate(double dDegrees) = 0;
    // Save keeps the clip and the placement; Restore brings back the last one kept.
    virtual void Save() = 0;
    virtual void Restore() = 0;
};

}  // namespace framework
