#pragma once

#include <QFont>
#include <QRect>

namespace framework {

// Converts layout coordinates to pixels for one dialog font. A horizontal dialog
// unit is a quarter of the font's average character width (taken over A-Z and a-z),
// a vertical unit an eighth of its height, so layouts scale with the font.
class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font);

    // The font the units were measured in.
    const QFont& Font() const { return m_font; }

    // The named face at `pointSize` when it is installed, else the system's user
    // interface font at that size.
    static QFont DialogFont(const char* pszFace, int pointSize);

    int BaseX() const { return m_nBaseX; }
    int BaseY() const { return m_nBaseY; }
    int ToPixelsX(int units) const;
    int ToPixelsY(int units) const;
    // The rectangle from (x, y) to (x + cx, y + cy): each edge is rounded on its own,
    // so a control ends exactly where one laid out at its edge begins, whatever the
    // font's size; rounding the width and height instead could leave a pixel's gap
    // between neighbours or have them overlap.
    QRect ToPixels(int x, int y, int cx, int cy) const;

private:
    QFont m_font;
    int m_nBaseX;
    int m_nBaseY;
};

}  // namespace framework
