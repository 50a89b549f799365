#include "framework/ListBox.h"

#include <QEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionFocusRect>
#include <cmath>

namespace framework {

CListBox::CListBox(QWidget* pParent) : CWnd(pParent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void CListBox::SetMultiColumn(bool bMultiColumn) {
    if (bMultiColumn) {
        setFlow(QListView::TopToBottom);
        setWrapping(true);
        setResizeMode(QListView::Adjust);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    } else {
        setFlow(QListView::TopToBottom);
        setWrapping(false);
    }
}

int CListBox::AddString(const std::string& text) {
    const QString value = QString::fromStdString(text);
    int index = count();
    if (m_bSorted) {
        // Before the first entry that sorts after the new one, so equal entries keep
        // the order in which they came.
        for (int i = 0; i < count(); ++i) {
            if (QString::compare(item(i)->text(), value, Qt::CaseInsensitive) > 0) {
                index = i;
                break;
            }
        }
    }
    insertItem(index, value);
    return index;
}

void CListBox::ResetContent() {
    clear();
}

int CListBox::GetCount() const {
    return count();
}

std::string CListBox::GetText(int nIndex) const {
    const QListWidgetItem* pItem = item(nIndex);
    return pItem ? pItem->text().toStdString() : std::string();
}

int CListBox::FindStringExact(int nStartAfter, const std::string& text) const {
    const int total = count();
    if (total == 0) {
        return -1;
    }
    const QString value = QString::fromStdString(text);
    const int first = (nStartAfter < 0 || nStartAfter >= total) ? 0 : nStartAfter + 1;
    for (int step = 0; step < total; ++step) {
        const int index = (first + step) % total;
        if (QString::compare(item(index)->text(), value, Qt::CaseInsensitive) == 0) {
            return index;
        }
    }
    return -1;
}

bool CListBox::event(QEvent* pEvent) {
    const bool bHandled = QListWidget::event(pEvent);
    const qreal ratio = devicePixelRatio();
    if (pEvent->type() == QEvent::Paint && frameWidth() > 0 && ratio != std::floor(ratio)) {
        // At a fractional scale factor the style strokes the one-pixel border at half
        // device pixels: the line on the left or top edge can fall outside the list,
        // the one on the right or bottom under the rounded edge of the entries' area,
        // which paints over it. Drawn again into a picture of the list's own pixels and
        // scaled up, each border pixel fills all the device pixels it stands for, among
        // them one that neither the list's edge nor the entries' area takes.
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

void CListBox::paintEvent(QPaintEvent* pEvent) {
    QListWidget::paintEvent(pEvent);
    // The current entry shows that the list has the focus; without entries the whole
    // area does, or the focus would stop on the list unseen.
    if (count() == 0 && hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = viewport()->rect();
        option.backgroundColor = palette().color(QPalette::Base);
        QPainter painter(viewport());
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

}  // namespace framework
