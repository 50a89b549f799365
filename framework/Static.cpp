#include "framework/Static.h"

#include <QAbstractButton>
#include <QPainter>
#include <QStyle>
#include <QTextOption>

#include "framework/qt/QtIcon.h"

namespace framework {

CStatic::CStatic(QWidget* pParent) : CWnd(pParent) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}

void CStatic::SetWindowText(const std::string& text) {
    setText(QString::fromStdString(text));
    UpdateTarget();
}

std::string CStatic::GetWindowText() const {
    return text().toStdString();
}

void CStatic::SetMnemonicTarget(QWidget* pTarget) {
    m_pTarget = pTarget;
    UpdateTarget();
}

void CStatic::UpdateTarget() {
    // A label without a mnemonic is no buddy: assistive technology would otherwise
    // announce the control after it by the label's text. A label that wraps has no
    // mnemonic: its "&" is part of the text.
    const bool bMnemonic = !m_bWordBreak && !MnemonicCaption(text()).isEmpty();
    setBuddy(bMnemonic ? m_pTarget.data() : nullptr);
    if (bMnemonic) {
        NameAfterCaption(m_pTarget, text());
    }
}

void CStatic::SetWordBreak(bool bWordBreak) {
    m_bWordBreak = bWordBreak;
    setWordWrap(bWordBreak || wordWrap());
    UpdateTarget();
    update();
}

void CStatic::paintEvent(QPaintEvent* pEvent) {
    if (!m_bWordBreak || !pixmap().isNull()) {
        QLabel::paintEvent(pEvent);
        return;
    }
    // A label only breaks lines between words; this draws the same text with the
    // breaks it needs inside an overlong word. The text is drawn as written: a label
    // that wraps shows texts of the user's and paths, where "&" is just a character.
    QTextOption option(alignment());
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    painter.drawText(QRectF(contentsRect()), text(), option);
}

void CStatic::SetIcon(const CIcon& icon) {
    const int extent = style()->pixelMetric(QStyle::PM_LargeIconSize);
    setPixmap(ToQIcon(icon).pixmap(extent, extent));
}

QString MnemonicCaption(const QString& caption) {
    QString shown;
    bool bMnemonic = false;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            ++i;
            bMnemonic = bMnemonic || caption[i] != u'&';
        }
        shown += caption[i];
    }
    return bMnemonic ? shown : QString();
}

void NameAfterCaption(QWidget* pControl, const QString& caption) {
    const QString name = MnemonicCaption(caption);
    if (pControl && !name.isEmpty() && !qobject_cast<QAbstractButton*>(pControl)) {
        pControl->setAccessibleName(name);
    }
}

}  // namespace framework
