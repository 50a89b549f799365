#include "setup/ui/DiskIcon.h"

#include "framework/IconCanvas.h"
#include "setup/ui/ProgramResources.h"

namespace setup {

namespace {

constexpr framework::CColor kOutline{0, 0, 0};
constexpr framework::CColor kCase{64, 64, 64};
constexpr framework::CColor kCaseLight{128, 128, 128};
constexpr framework::CColor kShutter{192, 192, 192};
constexpr framework::CColor kShutterShade{128, 128, 128};
constexpr framework::CColor kLabel{255, 255, 255};
constexpr framework::CColor kLabelLines{128, 128, 128};

// The case, in units of a 32-unit icon: a square with its upper-right corner cut
// off, as on the real diskette.
framework::CIconPath CaseOutline() {
    framework::CIconPath path;
    path.MoveTo(2.5, 2.5).LineTo(26.5, 2.5).LineTo(29.5, 5.5).LineTo(29.5, 29.5).LineTo(2.5, 29.5);
    path.Close();
    return path;
}

// Draws on the 32-unit grid of a picture `size` pixels wide.
void PaintDiskette(framework::CIconCanvas& canvas, int size) {
    using framework::CPen;
    const bool bDetailed = size >= 24;
    // One device pixel wide, whatever the size.
    const double penWidth = 32.0 / size;

    const framework::CIconPath outline = CaseOutline();
    canvas.FillPath(outline, kCase);
    // A lighter rim along the lit upper and left edges.
    canvas.FillRect(3.0, 3.0, 23.0, 1.5, kCaseLight);
    canvas.FillRect(3.0, 3.0, 1.5, 26.0, kCaseLight);

    // The metal shutter at the top, with the slot that opens onto the disc.
    constexpr double kShutterX = 8.0, kShutterY = 2.5, kShutterWidth = 15.0, kShutterHeight = 10.0;
    canvas.FillRect(kShutterX, kShutterY, kShutterWidth, kShutterHeight, kShutter);
    canvas.FillRect(kShutterX, kShutterY + kShutterHeight - 1.5, kShutterWidth, 1.5, kShutterShade);
    if (bDetailed) {
        canvas.FillRect(17.0, 4.5, 3.5, 6.0, kCase);
    } else {
        canvas.FillRect(16.0, 4.0, 4.0, 6.0, kCase);
    }

    // The paper label on the lower part.
    canvas.FillRect(6.0, 16.0, 20.0, 13.5, kLabel);
    if (bDetailed) {
        for (double y : {20.5, 23.5, 26.5}) {
            canvas.DrawLine(8.0, y, 24.0, y, CPen{kLabelLines, penWidth});
        }
        // The write-protect window in the lower-left corner.
        canvas.FillRect(3.5, 26.0, 2.0, 2.0, kOutline);
    }

    const CPen pen{kOutline, penWidth, framework::LineCap::Square, framework::LineJoin::Miter};
    canvas.StrokePath(outline, pen);
    canvas.StrokePath(
        framework::CIconPath().AddRect(kShutterX, kShutterY, kShutterWidth, kShutterHeight), pen);
}

}  // namespace

framework::CIcon DiskIcon() {
    return framework::CIcon(PaintDiskette, framework::IconSmoothing::AboveClassicSize,
                            {16, 32, 48, 64}, IDR_MAINFRAME);
}

}  // namespace setup
