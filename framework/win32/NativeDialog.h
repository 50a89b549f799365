#pragma once

#include <string>

#include "framework/CommandCode.h"
#include "framework/DialogTemplate.h"

namespace framework::win32 {

// What a dialog window tells the object it belongs to.
class CNativeDialogSink {
public:
    virtual ~CNativeDialogSink() = default;

    // The controls exist and the window is not yet on screen; returns true to let the
    // system give the first tab stop the focus, false when it was set.
    virtual bool OnNativeInit() = 0;
    // A button clicked (Enter on the button it chose, Escape as a click of Cancel), an
    // edit's text changed or an edit given the focus, a command posted to the dialog.
    virtual void OnNativeCommand(int nId, CommandCode code) = 0;
    // The close box, Alt+F4 or the system menu's Close.
    virtual void OnNativeClose() = 0;
};

// A dialog window made by the system's dialog manager from a layout, in the layout's
// font (or the system's dialog font where that face is missing), run modally in the
// dialog manager's own loop, with its keyboard: Tab, mnemonics, Enter and Escape.
class CNativeDialog {
public:
    CNativeDialog(const CDialogTemplate& dialogTemplate, CNativeDialogSink& sink);
    CNativeDialog(const CNativeDialog&) = delete;
    CNativeDialog& operator=(const CNativeDialog&) = delete;

    // Runs the dialog over `hOwner` (a window handle, or none), disabled meanwhile;
    // returns the result End was given, or -1 when the window could not be made.
    int RunModal(void* hOwner);
    // Ends the modal run once the current message is handled.
    void End(int nResult);
    bool IsRunning() const { return m_hWnd != nullptr; }

    // The window handle while the dialog runs, and those of its controls.
    void* Handle() const { return m_hWnd; }
    void* ItemHandle(int nId) const;

    std::string ItemText(int nId) const;
    void SetItemText(int nId, const std::string& text);
    std::string Title() const;
    void SetTitle(const std::string& text);

    // The identifier of the control with the keyboard focus; 0 when none has it.
    int FocusedItem() const;
    void FocusItem(int nId);

    // Queues command `nId` to the dialog, which takes it from its loop once the
    // messages before it are handled: after the window is on screen.
    void PostCommand(int nId);

    // The face the dialog's font is made in: the layout's when the system has it.
    static std::string FontFace(const CDialogTemplate& dialogTemplate);

    // Passes the messages of window `hWnd` on; the dialog manager calls it. Returns
    // whether the message was handled.
    bool HandleMessage(void* hWnd, unsigned message, unsigned long long wParam, long long lParam);

private:
    const CDialogTemplate& m_template;
    CNativeDialogSink& m_sink;
    void* m_hWnd = nullptr;
};

}  // namespace framework::win32
