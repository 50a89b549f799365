// Data exchange of a text with a maximum length: limited on the way in, refused on
// the way out with one message, the field focused with its text selected.
#include <gtest/gtest.h>
#include <ostream>

#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "tests/support/ScriptedDialogUserInterface.h"

namespace {

using namespace framework;
using namespace testing_support;

enum { IDC_FIELD = 10, IDC_OTHER };

constexpr CControlTemplate kControls[] = {
    {ControlKind::Edit, IDC_FIELD, 0, 4, 4, 100, 12, StyleBorder | StyleTabStop},
    {ControlKind::Edit, IDC_OTHER, 0, 4, 20, 100, 12, StyleBorder | StyleTabStop},
    {ControlKind::PushButton, CommandOk, 0, 4, 40, 30, 12, StyleTabStop},
};
const CDialogTemplate kTemplate = {
    89, 0, 110, 60, "No Such Face", 8, DialogStyleNone, kControls, [](int) { return ""; }};

class CLimitedDialog : public CDialog {
public:
    CLimitedDialog() : CDialog(kTemplate) {}
    std::string m_strField;
    std::string m_strOther = "other";

protected:
    void DoDataExchange(CDataExchange& dx) override {
        dx.Text(IDC_FIELD, m_strField, 5);
        dx.Text(IDC_OTHER, m_strOther);
    }
};

struct CLimitCase {
    const char* name;
    std::string initial;  // the member when the dialog opens
    std::string typed;    // keys typed at the end of the field
    std::string field;    // the field afterwards
    bool bSaved;
    // Names the case in test output instead of dumping its bytes.
    friend void PrintTo(const CLimitCase& c, std::ostream* os) { *os << c.name; }
};

class LimitedTextTest : public ::testing::TestWithParam<CLimitCase> {};

TEST_P(LimitedTextTest, LimitsTypingAndRefusesALongerText) {
    CScriptedDialogUserInterface ui;
    CLimitedDialog dialog;
    dialog.m_strField = GetParam().initial;
    dialog.CreateAndInitialize();
    dialog.ShowWindow();
    auto* pField = dialog.GetDlgItemAs<CEdit>(IDC_FIELD);
    EXPECT_EQ(pField->GetLimitText(), 5);
    Press(dialog, Key::End);
    Type(dialog, GetParam().typed);
    EXPECT_EQ(pField->GetWindowText(), GetParam().field);

    dialog.GetDlgItem(IDC_OTHER)->SetFocus();
    dialog.SetDlgItemText(IDC_OTHER, "changed");
    if (!GetParam().bSaved) {
        ui.Answer(platform::MessageResult::Ok);
    }
    EXPECT_EQ(dialog.UpdateData(true), GetParam().bSaved);
    if (GetParam().bSaved) {
        EXPECT_EQ(dialog.m_strField, GetParam().field);
        EXPECT_EQ(dialog.m_strOther, "changed");
        EXPECT_TRUE(ui.Transcript().empty());
        return;
    }
    ASSERT_EQ(ui.Transcript().size(), 1u);
    EXPECT_EQ(ui.Transcript()[0].text, "Please enter no more than 5 characters.");
    EXPECT_EQ(ui.Transcript()[0].icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(ui.Transcript()[0].buttons, platform::MessageButtons::Ok);
    EXPECT_EQ(dialog.m_strField, GetParam().initial);  // untouched
    EXPECT_EQ(dialog.m_strOther, "other");             // the pass stopped at the refusal
    EXPECT_EQ(dialog.GetFocusedControl(), pField);
    int nStart = -1, nEnd = -1;
    pField->GetSel(nStart, nEnd);
    EXPECT_EQ(std::pair(nStart, nEnd), std::pair(0, static_cast<int>(GetParam().field.size())));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LimitedTextTest,
    ::testing::Values(CLimitCase{"Short", "ab", "c", "abc", true},
                      CLimitCase{"TypingStopsAtTheLimit", "abc", "defg", "abcde", true},
                      // Counted in characters, as the field counts them.
                      CLimitCase{"WideCharacters", "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", "",
                                 "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", true},
                      // Set by the program, a longer text is shown whole.
                      CLimitCase{"LongerFromTheProgram", "abcdefg", "h", "abcdefg", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
