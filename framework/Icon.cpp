#include "framework/Icon.h"

#include <utility>

namespace framework {

CIcon::CIcon(CDrawing drawing, IconSmoothing smoothing, std::vector<int> sizes, int nResourceId)
    : m_drawing(std::move(drawing)),
      m_smoothing(smoothing),
      m_sizes(std::move(sizes)),
      m_nResourceId(nResourceId) {}

}  // namespace framework
