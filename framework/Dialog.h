#pragma once

#include <QDialog>
#include <QEventLoop>
#include <QPointer>
#include <QPushButton>
#include <string>
#include <vector>

#include "framework/CommandCode.h"
#include "framework/DialogTemplate.h"
#include "framework/Icon.h"
#include "framework/qt/DialogUnits.h"

namespace framework {

class CComboBox;
class CDataExchange;

// A dialog window built from a layout table. Modal runs go through the installed
// user-interface hook; a dialog created without a parent is owned by the
// application's main window while it runs.
class CDialog : public QDialog {
public:
    explicit CDialog(const CDialogTemplate& dialogTemplate, QWidget* pParent = nullptr);
    ~CDialog() override;

    // Runs the dialog modally; returns the result passed to EndDialog.
    int DoModal();

    // Builds the controls, exchanges data and runs OnInitDialog; returns what
    // OnInitDialog returned. Does nothing the second time.
    bool CreateAndInitialize();

    // Runs the platform's modal loop; used by the real hook.
    int RunModalLoop();

    void EndDialog(int nResult);
    bool IsEnded() const { return m_bEnded; }
    int GetModalResult() const { return m_nModalResult; }

    const CDialogTemplate& GetTemplate() const { return m_template; }
    QWidget* GetDlgItem(int nId) const;
    template <class T>
    T* GetDlgItemAs(int nId) const {
        return dynamic_cast<T*>(GetDlgItem(nId));
    }
    std::string GetDlgItemText(int nId) const;
    void SetDlgItemText(int nId, const std::string& text);
    // Names control `nId` after `caption`, a label's text that leads to it by mnemonic
    // (without the marks); a button keeps the name its own caption gives it.
    void NameDlgItemAfterCaption(int nId, const std::string& caption);
    // The controls in tab order.
    const std::vector<QWidget*>& GetControls() const { return m_controls; }

    // The window this dialog belongs to: its parent, else the application's main
    // window (unless that is this dialog).
    QWidget* GetOwner() const;

    // Queues command `nId` to this dialog; it runs from the event loop, so after a
    // dialog that posts it during initialisation is on screen.
    void PostCommand(int nId);

    // Paints the dialog and its controls now, once the window system has put the
    // window on screen; before long work that takes no events, so that the window is
    // not left unpainted meanwhile. Does nothing while the dialog is hidden.
    void UpdateWindow();

    // Centres on the owner when it is visible and not minimised, else on the work
    // area of the owner's screen (of the dialog's own screen without an owner).
    void CenterWindow();
    // Puts the dialog's top-left corner at the top-left corner of its owner's client
    // area, where a dialog that is not centred opens.
    void PlaceAtOwnerOrigin();
    void GotoDlgCtrl(QWidget* pControl);
    void SetIcon(const CIcon& icon, bool bBigIcon);
    // Makes `icon` the window icon of every dialog of the program, this one and those
    // opened later.
    static void SetClassIcon(const CIcon& icon);

    // The window title; an empty title stays empty in the title bar.
    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
    // Whether this dialog is the program's main window: it has no owner, and runs as
    // an ordinary top-level window rather than as a modal dialog.
    bool IsMainWindow() const { return GetOwner() == nullptr; }

    // Moves data between controls and members; false when validation failed.
    bool UpdateData(bool bSaveAndValidate = true);

    const CDialogUnits& GetDialogUnits() const { return m_units; }

    // Dispatches a control's notification; returns whether it was handled.
    virtual bool OnCommand(int nId, CommandCode code);

protected:
    virtual void DoDataExchange(CDataExchange& dx);
    // Returns true to let the platform choose the focus, false when it set it.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // The close box, Alt+F4 or the system menu's Close; cancels by default.
    virtual void OnClose();

    // Makes the widget for a combo box of the layout; a dialog whose list has
    // operations of its own returns an object of its derived class here.
    virtual CComboBox* CreateComboBox(const CControlTemplate& control);

    void keyPressEvent(QKeyEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;
    void reject() override;
    void accept() override;

private:
    QWidget* CreateControl(const CControlTemplate& control, const QString& caption);
    void ApplyWindowFlags();

    // The push button the layout marks as the dialog's default, if any.
    QPushButton* LayoutDefaultButton() const;
    // The button Enter presses now: the focused push button when it is enabled,
    // else the layout's default button when it is enabled and visible, else none.
    QPushButton* EnterTarget() const;
    // Gives the default-button look to the focused push button, else to the
    // layout's default button.
    void ShowDefaultOnFocus();

    const CDialogTemplate& m_template;
    CDialogUnits m_units;
    std::vector<QWidget*> m_controls;
    bool m_bCreated = false;
    bool m_bEnded = false;
    int m_nModalResult = -1;
    // The loop of a main window's run, which EndDialog leaves.
    QPointer<QEventLoop> m_pMainLoop;
};

}  // namespace framework
