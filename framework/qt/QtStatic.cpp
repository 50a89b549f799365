#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QTextOption>

#include "framework/Static.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtIcon.h"
#include "framework/qt/QtWidget.h"

namespace framework {

namespace {

class CLabelWidget : public QLabel {
public:
    explicit CLabelWidget(QWidget* pParent) : QLabel(pParent) {
        setTextFormat(Qt::PlainText);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    bool m_bWordBreak = false;

protected:
    void paintEvent(QPaintEvent* pEvent) override {
        if (!m_bWordBreak || !pixmap().isNull()) {
            QLabel::paintEvent(pEvent);
            return;
        }
        // A label only breaks lines between words; this draws the same text with the
        // breaks it needs inside an overlong word. The text is drawn as written: a
        // label that wraps shows texts of the user's and paths, where "&" is just a
        // character.
        QTextOption option(alignment());
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        QPainter painter(this);
        painter.setPen(
            palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
        painter.drawText(QRectF(contentsRect()), text(), option);
    }
};

}  // namespace

void CStatic::Create(CDialog& dialog, const CControlTemplate& control, const std::string& caption) {
    const CDialogWindow& window = DialogWindow(dialog);
    auto* pLabel = new CLabelWidget(&DialogWindow(dialog));
    pLabel->setText(QString::fromStdString(caption));
    const QFontMetrics metrics(window.Units().Font());
    // A label laid out one line high keeps its text on that line: wrapped, the end
    // would go to a second line that the label has no room to show.
    const bool bWraps = control.kind == ControlKind::Label &&
                        window.Units().ToPixelsY(control.cy) >= 2 * metrics.lineSpacing();
    pLabel->setWordWrap(bWraps || control.kind == ControlKind::Icon);
    PlaceControl(pLabel, window, control);
    if (bWraps) {
        // A layout's height need not hold whole lines (three take 24 vertical units,
        // more where the font spaces its lines wider than its height): a label that
        // wraps would cut the last line it reaches into through its descenders. It is
        // given every line of the dialog font that its height begins.
        const int lineSpacing = metrics.lineSpacing();
        QRect geometry = pLabel->geometry();
        geometry.setHeight((geometry.height() + lineSpacing - 1) / lineSpacing * lineSpacing);
        pLabel->setGeometry(geometry);
    }
    Attach(pLabel);
    if (control.style & StyleWordWrap) {
        SetWordBreak(true);
    }
}

void CStatic::OnTextOrTargetChanged(CWnd* pBuddy) {
    WidgetAs<QLabel>(*this)->setBuddy(pBuddy ? Widget(*pBuddy) : nullptr);
}

void CStatic::SetWordBreak(bool bWordBreak) {
    m_bWordBreak = bWordBreak;
    auto* pLabel = WidgetAs<CLabelWidget>(*this);
    pLabel->m_bWordBreak = bWordBreak;
    pLabel->setWordWrap(bWordBreak || pLabel->wordWrap());
    UpdateTarget();
    pLabel->update();
}

void CStatic::SetIcon(const CIcon& icon) {
    m_bIcon = true;
    auto* pLabel = WidgetAs<QLabel>(*this);
    const int extent = pLabel->style()->pixelMetric(QStyle::PM_LargeIconSize);
    pLabel->setPixmap(ToQIcon(icon).pixmap(extent, extent));
    UpdateTarget();
}

}  // namespace framework
