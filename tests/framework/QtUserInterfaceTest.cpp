// The real user interface: message-box titles, and the pump that long work runs
// between its steps (mouse and space bar through, the dialogs' keys not).
#include <gtest/gtest.h>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <ostream>

#include "framework/Dialog.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtUserInterface.h"
#include "framework/qt/QtWidget.h"
#include "framework/qt/WindowCaption.h"
#include "platform/UserInterface.h"
#include "tests/support/ScriptedDialogUserInterface.h"

namespace {

using namespace framework;

TEST(QtUserInterfaceTest, BoxesCarryTheDisplayNameEvenWhenItIsEmpty) {
    for (const std::string displayName : {"Word Game Setup", ""}) {
        platform::SetDisplayName(displayName);
        CQtUserInterface ui;
        std::string caption = "not shown";
        QString rawTitle;
        QObject context;
        QTimer::singleShot(0, &context, [&] {
            if (auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                caption = WindowCaption(*pBox);
                rawTitle = pBox->windowTitle();
                pBox->done(QMessageBox::Ok);
            }
        });
        ui.MessageBox("text", platform::MessageIcon::Information, platform::MessageButtons::Ok);
        EXPECT_EQ(caption, displayName);
        // An empty title would let Qt put the program's file name in the title bar.
        EXPECT_FALSE(rawTitle.isEmpty()) << '"' << displayName << '"';
    }
    platform::SetDisplayName(std::string());
}

const char* LoadPumpString(int id) {
    return id == 1 ? "&Cancel" : id == 2 ? "&Other:" : "";
}

enum { IDC_OTHER_LABEL = 10, IDC_OTHER };

constexpr CControlTemplate kControls[] = {
    {ControlKind::PushButton, CommandCancel, 1, 4, 4, 40, 14, StyleTabStop},
    {ControlKind::Label, IDC_OTHER_LABEL, 2, 4, 22, 30, 10, StyleNone},
    {ControlKind::Edit, IDC_OTHER, 0, 36, 22, 50, 12, StyleTabStop | StyleBorder},
};
const CDialogTemplate kTemplate = {
    90, 0, 100, 40, "No Such Face", 8, DialogStyleNone, kControls, &LoadPumpString};

class CCountingDialog : public CDialog {
public:
    CCountingDialog() : CDialog(kTemplate) {}
    int m_nCancels = 0;

protected:
    void OnCancel() override { ++m_nCancels; }
};

struct CPumpCase {
    const char* name;
    void (*act)(QWidget* pCancel);  // the user's key or click, on Cancel with the focus
    int nCancels;
    friend void PrintTo(const CPumpCase& c, std::ostream* os) { *os << c.name; }
};

class PumpTest : public ::testing::TestWithParam<CPumpCase> {};

TEST_P(PumpTest, LetsClicksAndTheSpaceBarThroughButNotTheDialogsKeys) {
    CQtUserInterface ui;
    CCountingDialog dialog;
    dialog.CreateAndInitialize();
    testing_support::ActivateWindow(dialog);
    QWidget* pCancel = Widget(*dialog.GetDlgItem(CommandCancel));
    pCancel->setFocus();
    // The input arrives while the pump takes the pending events; typed like a user's
    // key, it passes the shortcut map (mnemonics) before the focused control.
    QMetaObject::invokeMethod(
        pCancel, [pCancel] { GetParam().act(pCancel); }, Qt::QueuedConnection);
    ui.PumpEvents();
    EXPECT_EQ(dialog.m_nCancels, GetParam().nCancels);
    EXPECT_EQ(dialog.GetWindow().focusWidget(), pCancel);
    // Outside the pump the dialog's keys work again.
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(pCancel, &escape);
    EXPECT_EQ(dialog.m_nCancels, GetParam().nCancels + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Input, PumpTest,
    ::testing::Values(
        CPumpCase{"Click", [](QWidget* p) { QTest::mouseClick(p, Qt::LeftButton); }, 1},
        CPumpCase{"Space", [](QWidget* p) { QTest::keyClick(p, Qt::Key_Space); }, 1},
        CPumpCase{"Escape", [](QWidget* p) { QTest::keyClick(p, Qt::Key_Escape); }, 0},
        CPumpCase{"Enter", [](QWidget* p) { QTest::keyClick(p, Qt::Key_Return); }, 0},
        CPumpCase{"Tab", [](QWidget* p) { QTest::keyClick(p, Qt::Key_Tab); }, 0},
        // A letter with its text, as the user types it, so that it can be a mnemonic.
        CPumpCase{"Mnemonic", [](QWidget* p) { QTest::keyClick(p, 'O', Qt::AltModifier); }, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
