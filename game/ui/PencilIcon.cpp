#include "game/ui/PencilIcon.h"

#include "framework/IconCanvas.h"
#include "game/ui/ProgramResources.h"

namespace lettrino {

namespace {

using framework::CIconCanvas;
using framework::CIconPath;
using framework::CPen;
using framework::LineCap;
using framework::LineJoin;

// Flat colours, few enough to pass for a 16-colour picture.
constexpr framework::CColor kOutline{0, 0, 0};
constexpr framework::CColor kPaint{255, 255, 0};
constexpr framework::CColor kPaintLight{255, 255, 160};
constexpr framework::CColor kPaintShade{192, 160, 0};
constexpr framework::CColor kWood{240, 200, 136};
constexpr framework::CColor kWoodShade{200, 144, 80};
constexpr framework::CColor kGraphite{64, 64, 64};
constexpr framework::CColor kMetal{192, 192, 192};
constexpr framework::CColor kMetalShade{128, 128, 128};
constexpr framework::CColor kMetalLight{255, 255, 255};
constexpr framework::CColor kEraser{255, 112, 144};
constexpr framework::CColor kEraserShade{192, 0, 64};

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
void AddScallopedEdge(CIconPath& path, const SPencilShape& shape) {
    const double w = shape.dHalfWidth;
    const double third = w / 3.0;
    const double cone = shape.dCone;
    const double ridge = cone - 1.6;
    path.QuadTo(cone + 0.2, -2.0 * third, ridge, -third);
    path.QuadTo(cone - 0.2, 0.0, ridge, third);
    path.QuadTo(cone + 0.2, 2.0 * third, cone, w);
}

// Continues `path` from the lit edge around the far end of the eraser, rounded off by
// use, to the shaded edge at the same distance.
void AddEraserEnd(CIconPath& path, const SPencilShape& shape) {
    const double w = shape.dHalfWidth;
    const double end = shape.dLength;
    const double round = shape.bDetailed ? 2.0 : 1.6;
    path.LineTo(end - round, -w);
    path.QuadTo(end, -w, end, -w + round);
    path.LineTo(end, w - round);
    path.QuadTo(end, w, end - round, w);
}

void DrawTip(CIconCanvas& canvas, const SPencilShape& shape) {
    const double w = shape.dHalfWidth;
    const double cone = shape.dCone;
    CIconPath wood;
    wood.MoveTo(0.0, 0.0).LineTo(cone, -w).LineTo(cone, w).Close();
    canvas.FillPath(wood, kWood);
    // The underside of the cone lies in shadow.
    canvas.Save();
    canvas.ClipTo(wood);
    canvas.FillRect(0.0, w / 4.0, cone, w - w / 4.0, kWoodShade);
    canvas.Restore();

    const double graphiteHalf = w * shape.dGraphite / cone;
    CIconPath graphite;
    graphite.MoveTo(0.0, 0.0)
        .LineTo(shape.dGraphite, -graphiteHalf)
        .LineTo(shape.dGraphite, graphiteHalf)
        .Close();
    canvas.FillPath(graphite, kGraphite);
}

void DrawBody(CIconCanvas& canvas, const SPencilShape& shape) {
    const double w = shape.dHalfWidth;
    const double third = w / 3.0;
    CIconPath body;
    body.MoveTo(shape.dFerrule, -w).LineTo(shape.dCone, -w);
    AddScallopedEdge(body, shape);
    body.LineTo(shape.dFerrule, w).Close();
    canvas.FillPath(body, kPaint);

    // Three facets of the hexagonal body show: lit, face-on and shaded.
    canvas.Save();
    canvas.ClipTo(body);
    canvas.FillRect(0.0, -w, shape.dFerrule, w - third, kPaintLight);
    canvas.FillRect(0.0, third, shape.dFerrule, w - third, kPaintShade);
    canvas.Restore();
}

void DrawFerruleAndEraser(CIconCanvas& canvas, const SPencilShape& shape, double penWidth) {
    const double w = shape.dHalfWidth;
    const double third = w / 3.0;
    const double metal = shape.dEraser - shape.dFerrule;
    canvas.FillRect(shape.dFerrule, -w, metal, 2.0 * w, kMetal);
    // A white glint on a 16-pixel picture would read as a gap in the outline.
    if (shape.bDetailed) {
        canvas.FillRect(shape.dFerrule, -w, metal, w - third, kMetalLight);
    }
    canvas.FillRect(shape.dFerrule, third, metal, w - third, kMetalShade);
    if (shape.bDetailed) {
        // Crimped bands around the metal.
        const CPen band{kMetalShade, penWidth, LineCap::Flat};
        const double step = metal / 3.0;
        for (int i = 1; i < 3; ++i) {
            const double x = shape.dFerrule + step * i;
            canvas.DrawLine(x, -w, x, w, band);
        }
    }

    CIconPath eraser;
    eraser.MoveTo(shape.dEraser, -w);
    AddEraserEnd(eraser, shape);
    eraser.LineTo(shape.dEraser, w).Close();
    canvas.FillPath(eraser, kEraser);
    canvas.Save();
    canvas.ClipTo(eraser);
    canvas.FillRect(shape.dEraser, third, shape.dLength - shape.dEraser, w - third, kEraserShade);
    canvas.Restore();
}

// The dark outline around the whole pencil and across its joints.
void DrawOutline(CIconCanvas& canvas, const SPencilShape& shape, double penWidth) {
    const double w = shape.dHalfWidth;
    CIconPath outline;
    outline.MoveTo(0.0, 0.0).LineTo(shape.dCone, -w);
    AddEraserEnd(outline, shape);
    outline.LineTo(shape.dCone, w).Close();
    const CPen pen{kOutline, penWidth, LineCap::Flat, LineJoin::Miter};
    canvas.StrokePath(outline, pen);
    if (shape.bDetailed) {
        // On a small picture these lines would swallow the metal band.
        canvas.DrawLine(shape.dFerrule, -w, shape.dFerrule, w, pen);
        canvas.DrawLine(shape.dEraser, -w, shape.dEraser, w, pen);
    }
}

// Draws on the 32-unit grid of a picture `size` pixels wide.
void PaintPencil(CIconCanvas& canvas, int size) {
    // Lay the pencil from the lower-left corner towards the
    // upper right.
    canvas.Translate(1.0, 31.0);
    canvas.Rotate(-45.0);

    const SPencilShape shape = ShapeForSize(size);
    DrawTip(canvas, shape);
    DrawBody(canvas, shape);
    // One device pixel wide, whatever the size, like the lines
    // of a pixel icon.
    const double penWidth = 32.0 / size;
    DrawFerruleAndEraser(canvas, shape, penWidth);
    DrawOutline(canvas, shape, penWidth);
}

}  // namespace

framework::CIcon PencilIcon() {
    return framework::CIcon(PaintPencil, framework::IconSmoothing::AboveClassicSize,
                            {16, 32, 48, 64}, IDR_MAINFRAME);
}

}  // namespace lettrino
