#include "framework/Edit.h"

#include <QValidator>

namespace framework {

namespace {

// Upper-cases one character for one: a letter whose capital is several characters
// (German sharp s) keeps its place, and a letter outside ASCII never becomes an
// ASCII one (dotless i, long s), so the owner's checks see what was typed.
QString UpperCased(const QString& text) {
    QString result = text;
    for (QChar& c : result) {
        if (c.unicode() < 0x80) {
            if (c >= u'a' && c <= u'z') {
                c = QChar(c.unicode() - (u'a' - u'A'));
            }
        } else if (const QChar upper = c.toUpper(); upper.unicode() >= 0x80) {
            c = upper;
        }
    }
    return result;
}

}  // namespace

// The field's own rules, applied to every change before it is shown: the line edit
// runs its validator on typed, pasted and programmatic changes alike, and takes over
// any text the validator rewrites, so upper-casing here covers every way in.
class CEdit::CInputRules : public QValidator {
public:
    explicit CInputRules(CEdit& edit) : QValidator(&edit), m_edit(edit) {}

    State validate(QString& input, int&) const override {
        if (m_edit.m_bUpperCase) {
            input = UpperCased(input);
        }
        // Only an edit that lengthens a text beyond the limit is refused: a text the
        // program put in over the limit can still be shortened.
        if (!m_edit.m_bProgramChange && m_edit.m_nLimit > 0 && input.size() > m_edit.m_nLimit &&
            input.size() > m_edit.m_nAcceptedLength) {
            return Invalid;
        }
        return Acceptable;
    }

private:
    CEdit& m_edit;
};

CEdit::CEdit(QWidget* pParent) : CWnd(pParent), m_pRules(new CInputRules(*this)) {
    setValidator(m_pRules);
    // The rules see the edited text only, so the text before the edit is kept here.
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_nAcceptedLength = text.size(); });
}

CEdit::~CEdit() = default;

void CEdit::SetUpperCase(bool bUpperCase) {
    m_bUpperCase = bUpperCase;
    if (bUpperCase) {
        SetWindowText(GetWindowText());
    }
}

void CEdit::SetWindowText(const std::string& text) {
    QString value = QString::fromStdString(text);
    if (m_bUpperCase) {
        value = UpperCased(value);
    }
    // Restored afterwards rather than reset, because setting the text notifies the
    // owner, which may set the text again from inside that notification.
    const bool bWasProgramChange = m_bProgramChange;
    m_bProgramChange = true;
    setText(value);
    m_bProgramChange = bWasProgramChange;
}

std::string CEdit::GetWindowText() const {
    return text().toStdString();
}

void CEdit::LimitText(int nMaxChars) {
    m_nLimit = nMaxChars < 0 ? 0 : nMaxChars;
}

void CEdit::SetSel(int nStart, int nEnd) {
    if (nEnd < 0) {
        nEnd = static_cast<int>(text().size());
    }
    if (nStart == nEnd) {
        deselect();
        setCursorPosition(nStart);
    } else {
        setSelection(nStart, nEnd - nStart);
    }
}

void CEdit::GetSel(int& nStart, int& nEnd) const {
    if (hasSelectedText()) {
        nStart = selectionStart();
        nEnd = nStart + static_cast<int>(selectedText().size());
    } else {
        nStart = nEnd = cursorPosition();
    }
}

void CEdit::focusInEvent(QFocusEvent* pEvent) {
    QLineEdit::focusInEvent(pEvent);
    if (m_fnOnSetFocus) {
        m_fnOnSetFocus();
    }
}

}  // namespace framework
