#include "framework/ComboBox.h"

#include <QAbstractItemView>
#include <algorithm>

namespace framework {

CComboBox::CComboBox(QWidget* pParent) : CWnd(pParent) {
    setEditable(false);
    setInsertPolicy(QComboBox::NoInsert);
}

int CComboBox::AddString(const std::string& text) {
    addItem(QString::fromStdString(text));
    return count() - 1;
}

void CComboBox::ResetContent() {
    clear();
}

int CComboBox::GetCount() const {
    return count();
}

std::string CComboBox::GetLBText(int nIndex) const {
    if (nIndex < 0 || nIndex >= count()) {
        return std::string();
    }
    return itemText(nIndex).toStdString();
}

int CComboBox::SetCurSel(int nIndex) {
    if (nIndex < 0 || nIndex >= count()) {
        setCurrentIndex(-1);
        return -1;
    }
    setCurrentIndex(nIndex);
    return nIndex;
}

int CComboBox::GetCurSel() const {
    return currentIndex();
}

std::string CComboBox::GetWindowText() const {
    return GetLBText(currentIndex());
}

void CComboBox::showPopup() {
    if (m_nDroppedHeight > 0) {
        const int rowHeight = std::max(1, view()->sizeHintForRow(0));
        setMaxVisibleItems(std::max(1, m_nDroppedHeight / rowHeight));
    }
    QComboBox::showPopup();
    // Styles that open the list as a menu ignore the visible-item count; the layout's
    // height still bounds the list.
    QWidget* pPopup = view()->window();
    if (m_nDroppedHeight > 0 && pPopup != window() && pPopup->height() > m_nDroppedHeight) {
        pPopup->resize(pPopup->width(), m_nDroppedHeight);
    }
}

}  // namespace framework
