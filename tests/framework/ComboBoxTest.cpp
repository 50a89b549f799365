// The drop-down list: selection only, entries in the order added, and the layout's
// height taken as the opened list's.
#include <gtest/gtest.h>

#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "tests/support/ScriptedDialogUserInterface.h"
#include "tests/support/TestDialog.h"
#ifndef _WIN32
#include <QAbstractItemView>
#include <QComboBox>

#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtWidget.h"
#endif

namespace {

using namespace framework;

TEST(ComboBoxTest, KeepsEntriesInOrderAndSelectsOnlyWhatExists) {
    testing_support::CTestDialog dialog(
        {{ControlKind::ComboBox, 10, 0, 8, 8, 40, 90, StyleTabStop | StyleVScroll}});
    CComboBox& combo = dialog.Item<CComboBox>(10);
    EXPECT_EQ(combo.GetCurSel(), -1);
    EXPECT_EQ(combo.GetWindowText(), "");
    for (const char* text : {"Z:\\", "C:\\", "A:\\"}) {
        combo.AddString(text);
    }
    EXPECT_EQ(combo.GetCount(), 3);
    EXPECT_EQ(combo.GetLBText(0), "Z:\\");  // unsorted
    EXPECT_EQ(combo.GetLBText(2), "A:\\");
    EXPECT_EQ(combo.GetLBText(3), "");

    // SetCurSel returns the selection it leaves: nothing for an index out of range.
    struct Row {
        int nSelect;
        int nSelected;
        const char* text;
    };
    for (const Row row : {Row{1, 1, "C:\\"}, Row{3, -1, ""}, Row{2, 2, "A:\\"}, Row{-1, -1, ""}}) {
        EXPECT_EQ(combo.SetCurSel(row.nSelect), row.nSelected) << row.nSelect;
        EXPECT_EQ(combo.GetCurSel(), row.nSelected) << row.nSelect;
        EXPECT_EQ(combo.GetWindowText(), row.text) << row.nSelect;
    }
    combo.SetCurSel(0);
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
    EXPECT_EQ(combo.GetCurSel(), -1);
}

// What the Qt backend makes of the layout's height.
#ifndef _WIN32
constexpr CControlTemplate kControls[] = {
    {ControlKind::ComboBox, 10, 0, 8, 8, 40, 90, StyleTabStop | StyleVScroll},
    {ControlKind::PushButton, CommandOk, 0, 8, 60, 30, 12, StyleTabStop},
};
const CDialogTemplate kTemplate = {
    88, 0, 120, 80, "No Such Face", 8, DialogStyleNone, kControls, [](int) { return ""; }};

TEST(ComboBoxTest, InALayoutIsOneLineHighAndOpensToTheLayoutsHeight) {
    testing_support::CScriptedDialogUserInterface ui;
    CDialog dialog(kTemplate);
    dialog.CreateAndInitialize();
    dialog.ShowWindow();
    auto* pCombo = dialog.GetDlgItemAs<CComboBox>(10);
    ASSERT_NE(pCombo, nullptr);
    auto* pWidget = WidgetAs<QComboBox>(*pCombo);
    EXPECT_FALSE(pWidget->isEditable());
    // The template's 90 units against the dialog's 80.
    const int nDropped = dialog.GetWindow().height() * 9 / 8;
    // One line: far below the 90 units of the opened list, and not over the button.
    EXPECT_LT(pWidget->geometry().bottom(),
              Widget(*dialog.GetDlgItem(CommandOk))->geometry().top());

    for (int i = 0; i < 40; ++i) {
        pCombo->AddString("entry " + std::to_string(i));
    }
    pWidget->showPopup();
    const QWidget* pPopup = pWidget->view()->window();
    EXPECT_TRUE(pPopup->isVisible());
    EXPECT_LE(pPopup->height(), nDropped + 1);
    EXPECT_GE(pPopup->height(), nDropped / 2);
    pWidget->hidePopup();
}
#endif

}  // namespace
