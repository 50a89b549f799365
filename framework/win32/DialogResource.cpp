#include "framework/win32/DialogResource.h"

#include "framework/win32/SystemHeaders.h"
// After <windows.h>, whose types it uses.
#include <commctrl.h>

#include "platform/win32/WideString.h"

namespace framework::win32 {

namespace {

// Writes the template's words, double words and strings in order.
class CTemplateWriter {
public:
    void Word(std::uint16_t value) { m_words.push_back(value); }
    void DoubleWord(std::uint32_t value) {
        Word(static_cast<std::uint16_t>(value & 0xFFFF));
        Word(static_cast<std::uint16_t>(value >> 16));
    }
    void Text(const std::wstring& text) {
        m_words.insert(m_words.end(), text.begin(), text.end());
        Word(0);
    }
    // Every item starts on a double word.
    void AlignToDoubleWord() {
        if (m_words.size() % 2 != 0) {
            Word(0);
        }
    }
    std::vector<std::uint16_t> Take() { return std::move(m_words); }

private:
    std::vector<std::uint16_t> m_words;
};

std::wstring Caption(const CDialogTemplate& dialogTemplate, int nCaptionId) {
    if (nCaptionId == 0 || dialogTemplate.pfnLoadString == nullptr) {
        return std::wstring();
    }
    return platform::win32::Wide(dialogTemplate.pfnLoadString(nCaptionId));
}

// Dialog units: a line of the dialog font is 8 high.
constexpr int kLineHeight = 8;

DWORD KindStyle(const CControlTemplate& control) {
    const unsigned style = control.style;
    switch (control.kind) {
        case ControlKind::Label: {
            // A label laid out one line high keeps its text on that line. One that
            // wraps breaks an overlong word too, and shows "&" as written.
            if (style & StyleWordWrap) {
                return SS_LEFT | SS_EDITCONTROL | SS_NOPREFIX;
            }
            return control.cy >= 2 * kLineHeight ? SS_LEFT : SS_LEFTNOWORDWRAP;
        }
        case ControlKind::Icon:
            return SS_ICON | SS_CENTERIMAGE;
        case ControlKind::GroupBox:
            return BS_GROUPBOX;
        case ControlKind::PushButton:
            return (style & StyleDefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        case ControlKind::Edit:
            // Upper-casing is the field's own (CEdit): the system's style would
            // turn letters outside ASCII into ASCII ones.
            return ES_LEFT | ((style & StyleAutoHScroll) ? ES_AUTOHSCROLL : 0);
        case ControlKind::ListBox:
            // Sorted lists sort themselves (CListBox), stably and whatever the locale.
            return LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                   ((style & StyleMultiColumn) ? LBS_MULTICOLUMN : 0);
        case ControlKind::ComboBox:
            return CBS_DROPDOWNLIST | WS_VSCROLL;
        case ControlKind::ProgressBar:
            return 0;
    }
    return 0;
}

DWORD ControlStyle(const CControlTemplate& control, bool bFirst) {
    const unsigned style = control.style;
    DWORD result = WS_CHILD | KindStyle(control);
    result |= (style & StyleHidden) ? 0 : WS_VISIBLE;
    result |= (style & StyleDisabled) ? WS_DISABLED : 0;
    result |= TakesFocus(control) ? WS_TABSTOP : 0;
    result |= (style & StyleBorder) ? WS_BORDER : 0;
    result |= (style & StyleHScroll) ? WS_HSCROLL : 0;
    result |= (style & StyleVScroll) ? WS_VSCROLL : 0;
    // One group for the whole dialog: the arrow keys move on among its controls.
    result |= bFirst ? WS_GROUP : 0;
    return result;
}

// The system's window class of a control of `kind`.
const wchar_t* ControlClassName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
        case ControlKind::Icon:
            return WC_STATICW;
        case ControlKind::GroupBox:
        case ControlKind::PushButton:
            return WC_BUTTONW;
        case ControlKind::Edit:
            return WC_EDITW;
        case ControlKind::ListBox:
            return WC_LISTBOXW;
        case ControlKind::ComboBox:
            return WC_COMBOBOXW;
        case ControlKind::ProgressBar:
            return PROGRESS_CLASSW;
    }
    return WC_STATICW;
}

}  // namespace

std::vector<std::uint16_t> BuildDialogResource(const CDialogTemplate& dialogTemplate,
                                               const std::string& fontFace) {
    CTemplateWriter out;
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT | DS_MODALFRAME;
    style |= (dialogTemplate.style & DialogMinimizeBox) ? WS_MINIMIZEBOX : 0;
    out.Word(1);        // version of the extended template
    out.Word(0xFFFF);   // its signature
    out.DoubleWord(0);  // help context
    out.DoubleWord(0);  // extended style
    out.DoubleWord(style);
    out.Word(static_cast<std::uint16_t>(dialogTemplate.controls.size()));
    out.Word(0);  // x and y: the dialog places itself
    out.Word(0);
    out.Word(static_cast<std::uint16_t>(dialogTemplate.cx));
    out.Word(static_cast<std::uint16_t>(dialogTemplate.cy));
    out.Word(0);  // no menu
    out.Word(0);  // the dialog manager's own window class
    out.Text(Caption(dialogTemplate, dialogTemplate.nCaptionId));
    out.Word(static_cast<std::uint16_t>(dialogTemplate.nPointSize));
    out.Word(FW_NORMAL);
    out.Word(MAKEWORD(FALSE, DEFAULT_CHARSET));  // not italic, the default character set
    out.Text(platform::win32::Wide(fontFace));

    bool bFirst = true;
    for (const CControlTemplate& control : dialogTemplate.controls) {
        out.AlignToDoubleWord();
        out.DoubleWord(0);  // help context
        out.DoubleWord(0);  // extended style
        out.DoubleWord(ControlStyle(control, bFirst));
        out.Word(static_cast<std::uint16_t>(control.x));
        out.Word(static_cast<std::uint16_t>(control.y));
        out.Word(static_cast<std::uint16_t>(control.cx));
        out.Word(static_cast<std::uint16_t>(control.cy));
        out.DoubleWord(static_cast<std::uint32_t>(control.nId));
        out.Text(ControlClassName(control.kind));
        out.Text(Caption(dialogTemplate, control.nCaptionId));
        out.Word(0);  // no creation data
        bFirst = false;
    }
    return out.Take();
}

}  // namespace framework::win32
