#include "framework/win32/SystemHeaders.h"
// After <windows.h>, whose types it uses.
#include <commctrl.h>

#include <algorithm>

#include "framework/Edit.h"
#include "framework/win32/Win32Control.h"
#include "platform/win32/WideString.h"

namespace framework {

using win32::Hwnd;

namespace {

// Upper-cases one character for one: a letter whose capital is several characters
// keeps its place, and a letter outside ASCII never becomes an ASCII one (dotless i,
// long s), so the owner's checks see what was typed. The edit's own upper-case style
// follows neither rule.
wchar_t UpperCased(wchar_t c) {
    if (c < 0x80) {
        return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - (L'a' - L'A')) : c;
    }
    wchar_t upper = c;
    ::CharUpperBuffW(&upper, 1);
    return upper >= 0x80 ? upper : c;
}

std::wstring UpperCased(std::wstring text) {
    for (wchar_t& c : text) {
        c = UpperCased(c);
    }
    return text;
}

std::wstring ClipboardText(HWND hOwner) {
    std::wstring text;
    if (!::OpenClipboard(hOwner)) {
        return text;
    }
    if (HANDLE hData = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* pText = static_cast<const wchar_t*>(::GlobalLock(hData))) {
            text = pText;
            ::GlobalUnlock(hData);
        }
    }
    ::CloseClipboard();
    // One line: a field of one line takes the text up to its first line break.
    return text.substr(0, text.find_first_of(L"\r\n"));
}

int TextLength(HWND hWnd) {
    return ::GetWindowTextLengthW(hWnd);
}

}  // namespace

// The field's own rules, between the user's input and the system's edit: typed and
// pasted characters are upper-cased, and a paste that would take the text beyond the
// limit is refused whole. The system's limit binds typing and leaves text set by the
// program whole.
class CEdit::CInputRules {
public:
    explicit CInputRules(CEdit& edit) : m_edit(edit) {
        ::SetWindowSubclass(Hwnd(edit), Procedure, 0, reinterpret_cast<DWORD_PTR>(this));
    }
    ~CInputRules() { ::RemoveWindowSubclass(Hwnd(m_edit), Procedure, 0); }
    CInputRules(const CInputRules&) = delete;
    CInputRules& operator=(const CInputRules&) = delete;

private:
    static LRESULT CALLBACK Procedure(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR data) {
        auto* pRules = reinterpret_cast<CInputRules*>(data);
        switch (message) {
            case WM_CHAR:
                if (wParam >= 0x20) {
                    if (pRules->m_edit.m_bUpperCase) {
                        wParam = UpperCased(static_cast<wchar_t>(wParam));
                    }
                    return pRules->Insert(hWnd, message, wParam, lParam);
                }
                break;
            case WM_PASTE:
                pRules->Paste(hWnd);
                return 0;
            default:
                break;
        }
        return ::DefSubclassProc(hWnd, message, wParam, lParam);
    }

    // Only an edit that lengthens a text beyond the limit is refused: a text the
    // program put in over the limit can still have part of it typed over, which the
    // system's limit alone would refuse.
    LRESULT Insert(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
        const int length = TextLength(hWnd);
        const int limit = m_edit.m_nLimit;
        if (limit == 0 || length <= limit || length - SelectionLength(hWnd) + 1 > length) {
            return ::DefSubclassProc(hWnd, message, wParam, lParam);
        }
        ::SendMessageW(hWnd, EM_LIMITTEXT, static_cast<WPARAM>(length), 0);
        const LRESULT result = ::DefSubclassProc(hWnd, message, wParam, lParam);
        ::SendMessageW(hWnd, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
        return result;
    }

    static int SelectionLength(HWND hWnd) {
        DWORD start = 0;
        DWORD end = 0;
        ::SendMessageW(hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                       reinterpret_cast<LPARAM>(&end));
        return static_cast<int>(end - start);
    }

    void Paste(HWND hWnd) {
        std::wstring text = ClipboardText(hWnd);
        if (m_edit.m_bUpperCase) {
            text = UpperCased(std::move(text));
        }
        const int length = TextLength(hWnd);
        const int result = length - SelectionLength(hWnd) + static_cast<int>(text.size());
        const int limit = m_edit.m_nLimit;
        if (limit > 0 && result > limit && result > length) {
            ::MessageBeep(MB_OK);
            return;
        }
        // The system's limit would cut what this rule lets in.
        ::SendMessageW(hWnd, EM_LIMITTEXT, static_cast<WPARAM>(std::max(limit, result)), 0);
        ::SendMessageW(hWnd, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
        ::SendMessageW(hWnd, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
    }

    CEdit& m_edit;
};

CEdit::~CEdit() {
    delete m_pRules;
}

void CEdit::Create(CDialog& dialog, const CControlTemplate& control, const std::string& caption) {
    Attach(win32::NextControlWindow(dialog));
    m_bUpperCase = (control.style & StyleUpperCase) != 0;
    m_pRules = new CInputRules(*this);
    if (m_bUpperCase && !caption.empty()) {
        SetWindowText(caption);
    }
}

void CEdit::SetUpperCase(bool bUpperCase) {
    m_bUpperCase = bUpperCase;
    if (bUpperCase) {
        SetWindowText(GetWindowText());
    }
}

void CEdit::SetWindowText(const std::string& text) {
    std::wstring value = platform::win32::Wide(text);
    if (m_bUpperCase) {
        value = UpperCased(std::move(value));
    }
    ::SetWindowTextW(Hwnd(*this), value.c_str());
    // The caret after the text, where typing goes on, as a user who set the text
    // would have it.
    const auto end = static_cast<WPARAM>(value.size());
    ::SendMessageW(Hwnd(*this), EM_SETSEL, end, static_cast<LPARAM>(end));
}

std::string CEdit::GetWindowText() const {
    return win32::WindowText(Hwnd(*this));
}

void CEdit::LimitText(int nMaxChars) {
    m_nLimit = nMaxChars < 0 ? 0 : nMaxChars;
    // 0 lifts the system's own limit as well.
    ::SendMessageW(Hwnd(*this), EM_LIMITTEXT, static_cast<WPARAM>(m_nLimit), 0);
}

void CEdit::SetSel(int nStart, int nEnd) {
    ::SendMessageW(Hwnd(*this), EM_SETSEL, static_cast<WPARAM>(nStart), static_cast<LPARAM>(nEnd));
}

void CEdit::GetSel(int& nStart, int& nEnd) const {
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessageW(Hwnd(*this), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    nStart = static_cast<int>(start);
    nEnd = static_cast<int>(end);
}

}  // namespace framework
