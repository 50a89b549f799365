#pragma once

#include <span>

namespace framework {

// The kinds of control a dialog layout can hold.
enum class ControlKind { Label, GroupBox, PushButton, Edit, ListBox, Icon, ComboBox, ProgressBar };

// Style flags of a control in a layout; combined with |.
enum ControlStyle : unsigned {
    StyleNone = 0,
    StyleDisabled = 1u << 0,
    StyleHidden = 1u << 1,
    StyleTabStop = 1u << 2,
    StyleBorder = 1u << 3,
    StyleHScroll = 1u << 4,
    StyleDefaultButton = 1u << 5,  // the dialog's default button
    StyleUpperCase = 1u << 6,      // every character put into the edit is upper-cased
    StyleAutoHScroll = 1u << 7,    // the edit scrolls instead of refusing text at its edge
    StyleSorted = 1u << 8,         // entries are kept in alphabetical order
    StyleMultiColumn = 1u << 9,    // entries flow top to bottom, then into further columns
    StyleWordWrap = 1u << 10,      // a label breaks its text into lines at word boundaries
    StyleVScroll = 1u << 11,       // a list scrolls vertically when its entries overflow
};

// Style flags of the dialog window itself.
enum DialogStyle : unsigned {
    DialogStyleNone = 0,
    DialogMinimizeBox = 1u << 0,
    // Enter and Escape do nothing; only the dialog's buttons end it.
    DialogIgnoresEnterAndEscape = 1u << 1,
};

// Identifiers of the standard commands.
enum StandardCommand { CommandOk = 1, CommandCancel = 2 };

// One control: its kind, identifier, caption (a string-table number, 0 for none),
// position and size in dialog units, and style. A combo box's height is that of its
// opened list; the closed control takes the height of one line of the dialog font. A
// label that wraps its text holds whole lines: it reaches down to the end of the last
// line of the dialog font that its height begins.
struct CControlTemplate {
    ControlKind kind;
    int nId;
    int nCaptionId;
    int x, y, cx, cy;
    unsigned style;
};

// Whether the control takes the keyboard focus: a tab stop that is not a label, a
// group box or an icon, which only lead to other controls or show something.
constexpr bool TakesFocus(const CControlTemplate& control) {
    return (control.style & StyleTabStop) != 0 && control.kind != ControlKind::Label &&
           control.kind != ControlKind::GroupBox && control.kind != ControlKind::Icon;
}

// A dialog's layout as data. Controls are listed in tab order. Captions are looked
// up through `pfnLoadString`, so the layout holds numbers and the program's string
// table holds every text.
struct CDialogTemplate {
    int nId;
    int nCaptionId;
    int cx, cy;
    const char* pszFontFace;
    int nPointSize;
    unsigned style;
    std::span<const CControlTemplate> controls;
    const char* (*pfnLoadString)(int id);
};

}  // namespace framework
