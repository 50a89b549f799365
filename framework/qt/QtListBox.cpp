#include <QEvent>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionFocusRect>
#include <cmath>

#include "framework/ListBox.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtWidget.h"

namespace framework {

namespace {

class CListWidget : public QListWidget {
public:
    explicit CListWidget(QWidget* pParent) : QListWidget(pParent) {
        setSelectionMode(QAbstractItemView::SingleSelection);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
    }

    void SetMultiColumn(bool bMultiColumn) {
        setFlow(QListView::TopToBottom);
        setWrapping(bMultiColumn);
        if (bMultiColumn) {
            setResizeMode(QListView::Adjust);
            setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        }
    }

protected:
    bool event(QEvent* pEvent) override {
        const bool bHandled = QListWidget::event(pEvent);
        const qreal ratio = devicePixelRatio();
        if (pEvent->type() == QEvent::Paint && frameWidth() > 0 && ratio != std::floor(ratio)) {
            // At a fractional scale factor the style strokes the one-pixel border at half
            // device pixels: the line on the left or top edge can fall outside the list,
            // the one on the right or bottom under the rounded edge of the entries' area,
            // which paints over it. Drawn again into a picture of the list's own pixels
            // and scaled up, each border pixel fills all the device pixels it stands for,
            // among them one that neither the list's edge nor the entries' area takes.
            QPixmap border(size());
            border.fill(Qt::transparent);
            {
                QPainter painter(&border);
                drawFrame(&painter);
            }
            QPainter(this).drawPixmap(rect(), border);
        }
        return bHandled;
    }

    void paintEvent(QPaintEvent* pEvent) override {
        QListWidget::paintEvent(pEvent);
        // The current entry shows that the list has the focus; without entries the
        // whole area does, or the focus would stop on the list unseen.
        if (count() == 0 && hasFocus()) {
            QStyleOptionFocusRect option;
            option.initFrom(this);
            option.rect = viewport()->rect();
            option.backgroundColor = palette().color(QPalette::Base);
            QPainter painter(viewport());
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
        }
    }
};

}  // namespace

int CompareListEntries(const std::string& a, const std::string& b) {
    return QString::compare(QString::fromStdString(a), QString::fromStdString(b),
                            Qt::CaseInsensitive);
}

void CListBox::Create(CDialog& dialog, const CControlTemplate& control, const std::string&) {
    auto* pList = new CListWidget(&DialogWindow(dialog));
    m_bSorted = (control.style & StyleSorted) != 0;
    pList->SetMultiColumn((control.style & StyleMultiColumn) != 0);
    pList->setHorizontalScrollBarPolicy((control.style & StyleHScroll) ? Qt::ScrollBarAsNeeded
                                                                        : Qt::ScrollBarAlwaysOff);
    if (!(control.style & StyleBorder)) {
        pList->setFrameShape(QFrame::NoFrame);
    }
    PlaceControl(pList, DialogWindow(dialog), control);
    Attach(pList);
}

void CListBox::InsertString(int nIndex, const std::string& text) {
    WidgetAs<QListWidget>(*this)->insertItem(nIndex, QString::fromStdString(text));
}

void CListBox::ResetContent() {
    WidgetAs<QListWidget>(*this)->clear();
}

int CListBox::GetCount() const {
    return WidgetAs<QListWidget>(*this)->count();
}

std::string CListBox::GetText(int nIndex) const {
    const QListWidgetItem* pItem = WidgetAs<QListWidget>(*this)->item(nIndex);
    return pItem ? pItem->text().toStdString() : std::string();
}

}  // namespace framework
