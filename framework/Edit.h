#pragma once

#include <functional>
#include <string>

#include "framework/Wnd.h"

namespace framework {

// A one-line edit field. With upper-casing on, every character put into it is
// upper-cased, whether typed, pasted or set by the program: one capital for one
// letter (a letter whose capital is several characters keeps its place), and a
// letter outside ASCII never becomes an ASCII one. The text limit binds what the
// user types or pastes only; text set by the program is taken whole, and one longer
// than the limit can still be shortened. Changes and gaining the focus are the
// dialog's commands.
class CEdit : public CWnd {
public:
    CEdit() = default;
    ~CEdit() override;

    void Create(CDialog& dialog, const CControlTemplate& control,
                const std::string& caption) override;

    void SetUpperCase(bool bUpperCase);
    bool IsUpperCase() const { return m_bUpperCase; }

    void SetWindowText(const std::string& text) override;
    std::string GetWindowText() const override;

    // The most characters the user may type; 0 means no limit of the field's own.
    void LimitText(int nMaxChars);
    int GetLimitText() const { return m_nLimit; }

    // Selects characters [nStart, nEnd), to the end for an nEnd of -1, with the caret
    // at nEnd; nStart == nEnd places the caret there.
    void SetSel(int nStart, int nEnd);
    void GetSel(int& nStart, int& nEnd) const;

    // The backend's rules for what the user puts in; made with the window.
    class CInputRules;

private:
    CInputRules* m_pRules = nullptr;
    bool m_bUpperCase = false;
    int m_nLimit = 0;
};

}  // namespace framework
