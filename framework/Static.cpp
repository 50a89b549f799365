#include "framework/Static.h"

#include <QStyle>

namespace framework {

CStatic::CStatic(QWidget* pParent) : QLabel(pParent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}

void CStatic::SetWindowText(const std::string& text) {
    setText(QString::fromStdString(text));
}

std::string CStatic::GetWindowText() const {
    return text().toStdString();
}

void CStatic::SetIcon(const QIcon& icon) {
    const int extent = style()->pixelMetric(QStyle::PM_LargeIconSize);
    setPixmap(icon.pixmap(extent, extent));
}

}  // namespace framework
