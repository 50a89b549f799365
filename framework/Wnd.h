#pragma once

#include <string>

namespace framework {

class CDialog;
struct CControlTemplate;

// A control of a dialog, whatever its kind: whether it takes input, whether it
// shows, the focus, its text and the name assistive technology announces. It holds
// the backend's window for it: a widget that goes with the control, or the handle of
// a window the system made from the layout, which goes with the dialog's window.
class CWnd {
public:
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    void EnableWindow(bool bEnable);
    bool IsWindowEnabled() const;
    // Shows or hides the control; it is on screen while its dialog is.
    void ShowWindow(bool bShow);
    bool IsWindowVisible() const;
    void SetFocus();
    // Whether the control has the keyboard focus of its dialog.
    bool HasFocus() const;
    void SetAccessibleName(const std::string& name);
    // What a screen reader adds after the name when asked for more.
    void SetAccessibleDescription(const std::string& description);

    // The caption of a label, button or group box, an edit's text, a drop-down list's
    // selected entry; empty for the controls that have none.
    virtual void SetWindowText(const std::string& text);
    virtual std::string GetWindowText() const;

    // Gives the control its window in `dialog`, from its entry in the dialog's layout;
    // `caption` is the entry's caption from the string table. The dialog calls it once.
    virtual void Create(CDialog& dialog, const CControlTemplate& control,
                        const std::string& caption) = 0;

    // The backend's window: the widget with Qt, the window handle on Windows.
    void* GetNativeWindow() const { return m_pNative; }

protected:
    CWnd() = default;
    void Attach(void* pNative) { m_pNative = pNative; }

private:
    void* m_pNative = nullptr;
};

}  // namespace framework
