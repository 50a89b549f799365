#include "framework/qt/DialogUnits.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

namespace framework {

namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDivRound(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

CDialogUnits::CDialogUnits(const QFont& font) : m_font(font) {
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    // The average over the 52 letters, rounded to the nearest pixel.
    const int totalWidth = metrics.horizontalAdvance(letters);
    m_nBaseX = (totalWidth + 26) / 52;
    m_nBaseY = metrics.height();
    if (m_nBaseX < 1) {
        m_nBaseX = 1;
    }
    if (m_nBaseY < 1) {
        m_nBaseY = 1;
    }
}

QFont CDialogUnits::DialogFont(const char* pszFace, int pointSize) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (pszFace && QFontDatabase::families().contains(QString::fromLatin1(pszFace))) {
        font = QFont(QString::fromLatin1(pszFace));
    }
    font.setPointSize(pointSize);
    return font;
}

int CDialogUnits::ToPixelsX(int units) const {
    return MulDivRound(units, m_nBaseX, 4);
}

int CDialogUnits::ToPixelsY(int units) const {
    return MulDivRound(units, m_nBaseY, 8);
}

QRect CDialogUnits::ToPixels(int x, int y, int cx, int cy) const {
    const int left = ToPixelsX(x);
    const int top = ToPixelsY(y);
    return QRect(left, top, ToPixelsX(x + cx) - left, ToPixelsY(y + cy) - top);
}

}  // namespace framework
