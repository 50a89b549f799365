#pragma once

#include <string>

#include "framework/win32/NativeDialog.h"

namespace framework {

class CDialog;

// A dialog's window on Windows: the dialog manager's window made from the layout,
// whose notifications, keys and close requests it passes on to the dialog.
class CDialogWindow : public win32::CNativeDialogSink {
public:
    explicit CDialogWindow(CDialog& dialog);

    win32::CNativeDialog& Native() { return m_native; }
    const win32::CNativeDialog& Native() const { return m_native; }
    // The window handle; none before the window is made.
    void* Handle() const { return m_native.Handle(); }

    // Makes the window over the owner's and initialises the dialog in it; returns
    // what the dialog's initialisation returned.
    bool Create(void* hOwner);

    // The title, kept until the window exists to show it.
    void SetTitle(const std::string& title);
    std::string Title() const;

    // The window the dialog manager made for the next control of the layout: the
    // controls take theirs in layout order.
    void* TakeNextControlWindow();

    bool OnNativeInit() override;
    void OnNativeCommand(int nId, CommandCode code) override;
    void OnNativeClose() override;
    bool OnNativeKey(win32::NativeKey key) override;

private:
    CDialog& m_dialog;
    win32::CNativeDialog m_native;
    std::string m_strTitle;
    void* m_hNextControl = nullptr;
    bool m_bDefaultFocus = true;
};

}  // namespace framework
