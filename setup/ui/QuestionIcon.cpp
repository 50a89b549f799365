#include "setup/ui/QuestionIcon.h"

#include "framework/IconCanvas.h"
#include "setup/ui/ProgramResources.h"

namespace setup {

namespace {

constexpr framework::CColor kRim{0, 64, 0};
constexpr framework::CColor kDisc{0, 160, 0};
constexpr framework::CColor kDiscLight{0, 224, 0};
constexpr framework::CColor kMark{255, 255, 255};

// Draws on the 32-unit grid of a picture `size` pixels wide.
void PaintQuestionMark(framework::CIconCanvas& canvas, int /*size*/) {
    using framework::CIconPath;
    using framework::CPen;
    CIconPath disc;
    disc.AddEllipse(16.0, 16.0, 14.0, 14.0);
    canvas.FillPath(disc, kDisc);
    canvas.StrokePath(disc, CPen{kRim, 1.5});
    // The lit upper-left part of the disc.
    canvas.FillPath(CIconPath().AddEllipse(12.5, 11.5, 5.0, 4.0), kDiscLight);

    // The hook of the question mark: a thick arc over the centre, then a short stroke
    // down to the dot.
    CIconPath hook;
    hook.ArcMoveTo(10.5, 6.5, 11.0, 10.0, 160.0)
        .ArcTo(10.5, 6.5, 11.0, 10.0, 160.0, -230.0)
        .LineTo(16.0, 19.0);
    canvas.StrokePath(hook, CPen{kMark, 3.2, framework::LineCap::Flat, framework::LineJoin::Round});
    canvas.FillPath(CIconPath().AddEllipse(16.0, 23.5, 2.0, 2.0), kMark);
}

}  // namespace

framework::CIcon QuestionIcon() {
    return framework::CIcon(PaintQuestionMark, framework::IconSmoothing::Always, {32, 48, 64},
                            IDR_QUESTION);
}

}  // namespace setup
