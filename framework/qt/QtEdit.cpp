#include <QLineEdit>
#include <QValidator>

#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtWidget.h"

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

class CLineEditWidget : public QLineEdit {
public:
    CLineEditWidget(QWidget* pParent, CDialog& dialog, int nId)
        : QLineEdit(pParent), m_dialog(dialog), m_nId(nId) {}

protected:
    void focusInEvent(QFocusEvent* pEvent) override {
        QLineEdit::focusInEvent(pEvent);
        m_dialog.OnCommand(m_nId, CommandCode::SetFocus);
    }

private:
    CDialog& m_dialog;
    int m_nId;
};

}  // namespace

// The field's own rules, applied to every change before it is shown: the line edit
// runs its validator on typed, pasted and programmatic changes alike, and takes over
// any text the validator rewrites, so upper-casing here covers every way in.
class CEdit::CInputRules : public QValidator {
public:
    CInputRules(CEdit& edit, QLineEdit& field) : QValidator(&field), m_edit(edit) {
        // The rules see the edited text only, so the text before the edit is kept here.
        connect(&field, &QLineEdit::textChanged, this,
                [this](const QString& text) { m_nAcceptedLength = text.size(); });
    }

    State validate(QString& input, int&) const override {
        if (m_edit.m_bUpperCase) {
            input = UpperCased(input);
        }
        // Only an edit that lengthens a text beyond the limit is refused: a text the
        // program put in over the limit can still be shortened.
        if (!m_bProgramChange && m_edit.m_nLimit > 0 && input.size() > m_edit.m_nLimit &&
            input.size() > m_nAcceptedLength) {
            return Invalid;
        }
        return Acceptable;
    }

    // Sets the field's text as the program does: whole, whatever the limit.
    void SetText(QLineEdit& field, const QString& text) {
        // Restored afterwards rather than reset, because setting the text notifies the
        // owner, which may set the text again from inside that notification.
        const bool bWasProgramChange = m_bProgramChange;
        m_bProgramChange = true;
        field.setText(m_edit.m_bUpperCase ? UpperCased(text) : text);
        m_bProgramChange = bWasProgramChange;
    }

private:
    CEdit& m_edit;
    bool m_bProgramChange = false;
    qsizetype m_nAcceptedLength = 0;
};

// The rules are the field's child and go with it.
CEdit::~CEdit() = default;

void CEdit::Create(CDialog& dialog, const CControlTemplate& control, const std::string& caption) {
    auto* pField = new CLineEditWidget(&DialogWindow(dialog), dialog, control.nId);
    m_pRules = new CInputRules(*this, *pField);
    pField->setValidator(m_pRules);
    pField->setFrame((control.style & StyleBorder) != 0);
    Attach(pField);
    m_bUpperCase = (control.style & StyleUpperCase) != 0;
    SetWindowText(caption);
    const int nId = control.nId;
    QObject::connect(pField, &QLineEdit::textChanged, pField,
                     [&dialog, nId] { dialog.OnCommand(nId, CommandCode::Changed); });
    PlaceControl(pField, DialogWindow(dialog), control);
}

void CEdit::SetUpperCase(bool bUpperCase) {
    m_bUpperCase = bUpperCase;
    if (bUpperCase) {
        SetWindowText(GetWindowText());
    }
}

void CEdit::SetWindowText(const std::string& text) {
    m_pRules->SetText(*WidgetAs<QLineEdit>(*this), QString::fromStdString(text));
}

std::string CEdit::GetWindowText() const {
    return WidgetAs<QLineEdit>(*this)->text().toStdString();
}

void CEdit::LimitText(int nMaxChars) {
    m_nLimit = nMaxChars < 0 ? 0 : nMaxChars;
}

void CEdit::SetSel(int nStart, int nEnd) {
    auto* pField = WidgetAs<QLineEdit>(*this);
    if (nEnd < 0) {
        nEnd = static_cast<int>(pField->text().size());
    }
    if (nStart == nEnd) {
        pField->deselect();
        pField->setCursorPosition(nStart);
    } else {
        pField->setSelection(nStart, nEnd - nStart);
    }
}

void CEdit::GetSel(int& nStart, int& nEnd) const {
    const auto* pField = WidgetAs<QLineEdit>(*this);
    if (pField->hasSelectedText()) {
        nStart = pField->selectionStart();
        nEnd = nStart + static_cast<int>(pField->selectedText().size());
    } else {
        nStart = nEnd = pField->cursorPosition();
    }
}

}  // namespace framework
