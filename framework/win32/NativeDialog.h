#pragma once

#include <string>

#include "framework/CommandCode.h"
#include "framework/DialogTemplate.h"

namespace framework::win32 {

// The keys a dialog may take before the dialog manager sees them.
enum class NativeKey { Enter, Escape, Help };

// What a dialog window tells the object it belongs to.
class CNativeDialogSink {
public:
    virtual ~CNativeDialogSink() = default;

    // Enter, Escape or F1 pressed in the dialog without Shift, Ctrl or Alt; returns
    // whether the key was handled, else the dialog manager handles it as usual.
    virtual bool OnNativeKey(NativeKey) { return false; }

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
// font (or the system's dialog font where that face is missing), run modally in a
// loop of its own with the dialog manager's keyboard: Tab, mnemonics, Enter and
// Escape (the latter two offered to the sink first).
class CNativeDialog {
public:
    CNativeDialog(const CDialogTemplate& dialogTemplate, CNativeDialogSink& sink);
    CNativeDialog(const CNativeDialog&) = delete;
    CNativeDialog& operator=(const CNativeDialog&) = delete;
    ~CNativeDialog();

    // Makes the window, hidden, owned by `hOwner` (a window handle, or none); the sink
    // hears OnNativeInit meanwhile. Returns false when the window could not be made.
    bool Create(void* hOwner);
    // Shows the window and runs it until End is called, its owner disabled meanwhile;
    // returns the result End was given. The window stays, hidden, until destroyed.
    int RunModalLoop();
    // Makes, runs and destroys the window; -1 when it could not be made.
    int RunModal(void* hOwner);
    // Ends the modal run once the current message is handled.
    void End(int nResult);
    void Destroy();
    bool IsRunning() const { return m_hWnd != nullptr; }

    // Takes the messages waiting for this thread and handles them as the modal loop
    // does, without waiting for more.
    void ProcessWaitingMessages();
    // Handles one message as the modal loop does: the sink's keys first, then the
    // dialog manager's keyboard, else the window it is for.
    void HandleQueuedMessage(const void* pMessage);

    // The window handle while the dialog runs, and those of its controls.
    void* Handle() const { return m_hWnd; }
    void* ItemHandle(int nId) const;

    void SetItemText(int nId, const std::string& text);
    std::string Title() const;
    void SetTitle(const std::string& text);

    // The identifier of the control with the keyboard focus; 0 when none has it.
    int FocusedItem() const;
    void FocusItem(int nId);

    // Queues command `nId` to the dialog, which takes it from its loop once the
    // messages before it are handled: after the window is on screen.
    void PostCommand(int nId);
    // Runs the commands queued so far, leaving every other message waiting.
    void DeliverPostedCommands();

    // The face the dialog's font is made in: the layout's when the system has it.
    static std::string FontFace(const CDialogTemplate& dialogTemplate);

    // Passes the messages of window `hWnd` on; the dialog manager calls it. Returns
    // whether the message was handled.
    bool HandleMessage(void* hWnd, unsigned message, unsigned long long wParam, long long lParam);

private:
    // Whether the sink took the key in `pMessage`.
    bool OfferKey(const void* pMessage);

    const CDialogTemplate& m_template;
    CNativeDialogSink& m_sink;
    void* m_hWnd = nullptr;
    bool m_bEnded = false;
    int m_nResult = -1;
};

}  // namespace framework::win32
