#pragma once

#include <QLineEdit>
#include <functional>
#include <string>

#include "framework/Wnd.h"

namespace framework {

// A one-line edit field. With upper-casing on, every character put into it is
// upper-cased, whether typed, pasted or set by the program. The text limit binds
// what the user types or pastes only; text set by the program is taken whole, and
// one longer than the limit can still be shortened.
class CEdit : public CWnd<QLineEdit> {
public:
    explicit CEdit(QWidget* pParent);
    ~CEdit() override;

    void SetUpperCase(bool bUpperCase);
    bool IsUpperCase() const { return m_bUpperCase; }

    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;

    // The most characters the user may type; 0 means no limit of the field's own.
    void LimitText(int nMaxChars);
    int GetLimitText() const { return m_nLimit; }

    // Selects characters [nStart, nEnd), to the end for an nEnd of -1, with the caret
    // at nEnd; nStart == nEnd places the caret there.
    void SetSel(int nStart, int nEnd);
    void GetSel(int& nStart, int& nEnd) const;

    // Called after the field has gained the focus.
    std::function<void()> m_fnOnSetFocus;

protected:
    void focusInEvent(QFocusEvent* pEvent) override;

private:
    class CInputRules;
    friend class CInputRules;

    CInputRules* m_pRules;
    bool m_bUpperCase = false;
    bool m_bProgramChange = false;
    int m_nLimit = 0;
    qsizetype m_nAcceptedLength = 0;
};

}  // namespace framework
