#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/CommandCode.h"
#include "framework/DialogTemplate.h"
#include "framework/Icon.h"
#include "framework/Wnd.h"

namespace framework {

class CComboBox;
class CDataExchange;
// The backend's window of a dialog; each backend defines it.
class CDialogWindow;

// The text of `nCaptionId` in the layout's string table; empty for 0.
std::string LayoutCaption(const CDialogTemplate& dialogTemplate, int nCaptionId);

// A dialog window built from a layout table. Modal runs go through the installed
// user-interface hook; a dialog created without a parent is owned by the
// application's main window while it runs.
class CDialog {
public:
    explicit CDialog(const CDialogTemplate& dialogTemplate, CDialog* pParent = nullptr);
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;
    virtual ~CDialog();

    // Runs the dialog modally; returns the result passed to EndDialog.
    int DoModal();

    // Builds the window and its controls, exchanges data and runs OnInitDialog;
    // returns what OnInitDialog returned. Does nothing the second time.
    bool CreateAndInitialize();

    // Runs the platform's modal loop; used by the real hook.
    int RunModalLoop();

    void EndDialog(int nResult);
    bool IsEnded() const { return m_bEnded; }
    int GetModalResult() const { return m_nModalResult; }

    const CDialogTemplate& GetTemplate() const { return m_template; }
    CWnd* GetDlgItem(int nId) const;
    template <class T>
    T* GetDlgItemAs(int nId) const {
        return dynamic_cast<T*>(GetDlgItem(nId));
    }
    std::string GetDlgItemText(int nId) const;
    void SetDlgItemText(int nId, const std::string& text);
    // Names control `nId` after `caption`, a label's text that leads to it by mnemonic
    // (without the marks); a button keeps the name its own caption gives it.
    void NameDlgItemAfterCaption(int nId, const std::string& caption);
    // The controls in layout order, which is tab order.
    std::vector<CWnd*> GetControls() const;
    // The control with the keyboard focus; nullptr when none of this dialog has it.
    CWnd* GetFocusedControl() const;
    // The identifier of the push button Enter presses now, 0 when it presses none.
    int GetDefaultButtonId() const;

    // The dialog this one belongs to: its parent, else the application's main window
    // (unless that is this dialog).
    CDialog* GetOwner() const;

    // Queues command `nId` to this dialog; it runs from the event loop, so after a
    // dialog that posts it during initialisation is on screen.
    void PostCommand(int nId);

    // Shows the window without running a loop; a modal run shows it itself.
    void ShowWindow();
    bool IsWindowVisible() const;

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
    void GotoDlgCtrl(CWnd* pControl);
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

    // The backend's window; made with the dialog.
    CDialogWindow& GetWindow() const { return *m_pWindow; }

    // Dispatches a control's notification; returns whether it was handled.
    virtual bool OnCommand(int nId, CommandCode code);

    // The keys a dialog handles itself, as the backend reports them: Escape cancels
    // and Enter presses the button the focus designates (neither in a dialog that
    // ignores them), F1 asks for help.
    void OnEscapeKey();
    void OnEnterKey();
    void OnHelpKey();

protected:
    virtual void DoDataExchange(CDataExchange& dx);
    // Returns true to let the platform choose the focus, false when it set it.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // The close box, Alt+F4 or the system menu's Close; cancels by default.
    virtual void OnClose();

    // Makes the object for a combo box of the layout; a dialog whose list has
    // operations of its own returns an object of its derived class here.
    virtual std::unique_ptr<CComboBox> CreateComboBox(const CControlTemplate& control);

private:
    // The backend's window passes close requests and its own accept and reject on.
    friend class CDialogWindow;

    // The backend's half of CreateAndInitialize: makes the window, which calls
    // InitializeWindow once it exists, and sets the first focus when that says so.
    bool CreateWindowAndInitialize();
    // Makes the controls, fills them from the members and runs OnInitDialog.
    bool InitializeWindow();
    std::unique_ptr<CWnd> MakeControl(const CControlTemplate& control);
    // Makes the controls of the layout and links each label's and group box's
    // mnemonic to the control it leads to.
    void CreateControls();
    // The push button the layout marks as the dialog's default, if any.
    CWnd* LayoutDefaultButton() const;

    const CDialogTemplate& m_template;
    CDialog* m_pParent;
    std::unique_ptr<CDialogWindow> m_pWindow;
    std::vector<std::unique_ptr<CWnd>> m_controls;
    bool m_bCreated = false;
    bool m_bEnded = false;
    int m_nModalResult = -1;
};

}  // namespace framework
