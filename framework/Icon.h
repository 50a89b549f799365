#pragma once

#include <functional>
#include <vector>

#include "framework/IconCanvas.h"

namespace framework {

// How an icon is smoothed: pixel icons keep crisp unsmoothed edges up to 32 pixels,
// round shapes look ragged without smoothing at any size.
enum class IconSmoothing { AboveClassicSize, Always };

// A program's icon as its drawing, so that each backend paints the pictures it needs
// from it. The drawing is told the picture's size in pixels for the details that only
// larger pictures show; it draws on the canvas's 32-unit grid whatever that size.
class CIcon {
public:
    using CDrawing = std::function<void(CIconCanvas& canvas, int nSize)>;

    CIcon() = default;
    // The icon offers a picture at each of `sizes`, each drawn for its size. A
    // backend that cannot draw takes the pictures made from the drawing from the
    // program's resources, as icon `nResourceId`.
    CIcon(CDrawing drawing, IconSmoothing smoothing, std::vector<int> sizes, int nResourceId);

    bool IsNull() const { return !m_drawing; }
    const CDrawing& GetDrawing() const { return m_drawing; }
    IconSmoothing GetSmoothing() const { return m_smoothing; }
    const std::vector<int>& GetSizes() const { return m_sizes; }
    int GetResourceId() const { return m_nResourceId; }

private:
    CDrawing m_drawing;
    IconSmoothing m_smoothing = IconSmoothing::Always;
    std::vector<int> m_sizes;
    int m_nResourceId = 0;
};

}  // namespace framework
