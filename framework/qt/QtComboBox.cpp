#include <QAbstractItemView>
#include <QComboBox>
#include <algorithm>

#include "framework/ComboBox.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtWidget.h"

namespace framework {

namespace {

class CComboWidget : public QComboBox {
public:
    CComboWidget(QWidget* pParent, int nDroppedHeight)
        : QComboBox(pParent), m_nDroppedHeight(nDroppedHeight) {
        setEditable(false);
        setInsertPolicy(QComboBox::NoInsert);
    }

    void showPopup() override {
        if (m_nDroppedHeight > 0) {
            const int rowHeight = std::max(1, view()->sizeHintForRow(0));
            setMaxVisibleItems(std::max(1, m_nDroppedHeight / rowHeight));
        }
        QComboBox::showPopup();
        // Styles that open the list as a menu ignore the visible-item count; the
        // layout's height still bounds the list.
        QWidget* pPopup = view()->window();
        if (m_nDroppedHeight > 0 && pPopup != window() && pPopup->height() > m_nDroppedHeight) {
            pPopup->resize(pPopup->width(), m_nDroppedHeight);
        }
    }

private:
    // The most pixels the opened list may take.
    int m_nDroppedHeight;
};

}  // namespace

void CComboBox::Create(CDialog& dialog, const CControlTemplate& control, const std::string&) {
    const CDialogWindow& window = DialogWindow(dialog);
    auto* pCombo = new CComboWidget(&DialogWindow(dialog), window.Units().ToPixelsY(control.cy));
    PlaceControl(pCombo, window, control);
    Attach(pCombo);
}

int CComboBox::AddString(const std::string& text) {
    auto* pCombo = WidgetAs<QComboBox>(*this);
    pCombo->addItem(QString::fromStdString(text));
    return pCombo->count() - 1;
}

void CComboBox::ResetContent() {
    WidgetAs<QComboBox>(*this)->clear();
}

int CComboBox::GetCount() const {
    return WidgetAs<QComboBox>(*this)->count();
}

std::string CComboBox::GetLBText(int nIndex) const {
    const auto* pCombo = WidgetAs<QComboBox>(*this);
    if (nIndex < 0 || nIndex >= pCombo->count()) {
        return std::string();
    }
    return pCombo->itemText(nIndex).toStdString();
}

int CComboBox::SetCurSel(int nIndex) {
    auto* pCombo = WidgetAs<QComboBox>(*this);
    if (nIndex < 0 || nIndex >= pCombo->count()) {
        pCombo->setCurrentIndex(-1);
        return -1;
    }
    pCombo->setCurrentIndex(nIndex);
    return nIndex;
}

int CComboBox::GetCurSel() const {
    return WidgetAs<QComboBox>(*this)->currentIndex();
}

std::string CComboBox::GetWindowText() const {
    return GetLBText(GetCurSel());
}

}  // namespace framework
