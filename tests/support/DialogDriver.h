#pragma once

#include <string>

namespace framework {
class CDialog;
class CWnd;
}  // namespace framework

namespace testing_support {

// The keys the tests press, whatever the backend.
enum class Key { Enter, Escape, Tab, Space, Backspace, Delete, Home, End, F1 };
enum class Modifier { None, Shift, Control, Alt };

// Drives a dialog as the user would, through the backend's own input: mouse clicks,
// keys and typed text reach the controls as real input does, and what happens next
// happens synchronously, without an event loop.

// Makes the dialog's window the active one, so that focus changes inside it are
// delivered as they are to a user's window. Posted commands stay queued.
void ActivateWindow(framework::CDialog& dialog);
// Runs the commands the dialog posted to itself, as its loop would first do.
void DeliverPostedCommands(framework::CDialog& dialog);

// A click with the left mouse button in the middle of the control.
void Click(framework::CWnd& control);
void Click(framework::CDialog& dialog, int nId);
// A key pressed and released with the focus where it is; with Alt, `letter` presses
// the mnemonic it marks.
void Press(framework::CDialog& dialog, Key key, Modifier modifier = Modifier::None);
void PressAlt(framework::CDialog& dialog, char letter);
// Types `text` (UTF-8) into the control with the focus, one character at a time.
void Type(framework::CDialog& dialog, const std::string& text);
// Pastes `text` into the control with the focus, through the clipboard.
void Paste(framework::CDialog& dialog, const std::string& text);
// Asks the dialog to close, as its close box, Alt+F4 or the system menu's Close do.
void Close(framework::CDialog& dialog);

// The name assistive technology knows the control by: the one the program gave it,
// else the one its own text gives it (a label's).
std::string AccessibleName(const framework::CWnd& control);

}  // namespace testing_support
