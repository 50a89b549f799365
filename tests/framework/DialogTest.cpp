// The dialog base: building from a layout, the keys and close requests that end
// (or do not end) a dialog or a message box, mnemonics, posted commands and modal
// runs through the test seam.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#endif
#include <ostream>

#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/WinApp.h"
#ifndef _WIN32
#include "framework/qt/DialogWindow.h"
#include "framework/qt/Placement.h"
#include "framework/qt/QtUserInterface.h"
#include "framework/qt/QtWidget.h"
#endif
#include "tests/support/ScriptedDialogUserInterface.h"

namespace {

using namespace framework;
using namespace testing_support;

enum { IDC_NAME_LABEL = 10, IDC_NAME, IDC_GROUP, IDC_LIST, IDC_SPARE };

const char* LoadTestString(int id) {
    switch (id) {
        case 1:
            return "Test Dialog";
        case 2:
            return "&Name:";
        case 3:
            return "&Options";
        case 4:
            return "OK";
        case 5:
            return "Cancel";
        default:
            return "";
    }
}

// clang-format off
constexpr CControlTemplate kControls[] = {
    {ControlKind::Label,      IDC_NAME_LABEL, 2,  4,  4, 40,  8, StyleNone},
    {ControlKind::Edit,       IDC_NAME,       0, 48,  4, 60, 12, StyleBorder | StyleTabStop},
    {ControlKind::GroupBox,   IDC_GROUP,      3,  4, 20, 104, 40, StyleNone},
    {ControlKind::ListBox,    IDC_LIST,       0,  8, 32, 96, 24, StyleBorder | StyleTabStop},
    {ControlKind::PushButton, IDC_SPARE,      0,  4, 64, 30, 12, StyleTabStop | StyleHidden},
    {ControlKind::PushButton, CommandOk,      4, 40, 64, 30, 12, StyleTabStop | StyleDefaultButton},
    {ControlKind::PushButton, CommandCancel,  5, 76, 64, 30, 12, StyleTabStop | StyleDisabled},
};
// clang-format on

const CDialogTemplate kTemplate = {
    77, 1, 112, 80, "No Such Face", 10, DialogStyleNone, kControls, &LoadTestString};

class CTestDialog : public CDialog {
public:
    explicit CTestDialog(CDialog* pParent = nullptr) : CDialog(kTemplate, pParent) {}

    std::string m_strName = "ada";
    std::vector<int> m_posted;
    int m_nInitCalls = 0;

    bool OnCommand(int nId, CommandCode code) override {
        if (code == CommandCode::Posted) {
            m_posted.push_back(nId);
            return true;
        }
        return CDialog::OnCommand(nId, code);
    }

protected:
    void DoDataExchange(CDataExchange& dx) override { dx.Text(IDC_NAME, m_strName); }
    bool OnInitDialog() override {
        ++m_nInitCalls;
        PostCommand(500);
        return CDialog::OnInitDialog();
    }
};

class CCountingApp : public CWinApp {
public:
    void OnHelp() override { ++m_nHelpRequests; }
    int m_nHelpRequests = 0;
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dialog.CreateAndInitialize();
        m_dialog.ShowWindow();
    }

    CScriptedDialogUserInterface m_ui;
    CTestDialog m_dialog;
};

// What the Qt backend makes of the layout, in pixels.
#ifndef _WIN32
TEST_F(DialogTest, PlacesControlsInDialogUnitsOfTheDialogFont) {
    const CDialogWindow& window = m_dialog.GetWindow();
    // The named face is missing, so the system font at the template's size is used.
    EXPECT_EQ(window.font().pointSize(), 10);
    const CDialogUnits& units = window.Units();
    const QFontMetrics metrics(window.font());
    const double average =
        metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52.0;
    EXPECT_NEAR(units.BaseX(), average, 0.5);
    EXPECT_EQ(units.BaseY(), metrics.height());
    EXPECT_EQ(window.size(), units.ToPixels(0, 0, 112, 80).size());
    for (std::size_t i = 0; i < std::size(kControls); ++i) {
        const CControlTemplate& control = kControls[i];
        SCOPED_TRACE(control.nId);
        EXPECT_EQ(Widget(*m_dialog.GetDlgItem(control.nId))->geometry(),
                  units.ToPixels(control.x, control.y, control.cx, control.cy));
    }
    // The button Enter presses looks like it.
    EXPECT_TRUE(WidgetAs<QPushButton>(*m_dialog.GetDlgItem(CommandOk))->isDefault());
}

// The font as 1x, 1.5x and 2x font resolutions size it: a control ends where the next
// one begins, and a label that wraps holds the three lines its height begins.
TEST(DialogScaleTest, NeighboursMeetAndWrappingLabelsHoldTheirLines) {
    constexpr CControlTemplate kRow[] = {
        {ControlKind::Label, IDC_NAME_LABEL, 0, 5, 7, 38, 23, StyleWordWrap},
        {ControlKind::Edit, IDC_NAME, 0, 43, 7, 60, 12, StyleBorder},
    };
    for (const int nPointSize : {8, 12, 16}) {
        const CDialogTemplate scaled = {
            77, 1, 112, 80, "No Such Face", nPointSize, DialogStyleNone, kRow, &LoadTestString};
        CDialog dialog(scaled);
        dialog.CreateAndInitialize();
        const QRect label = Widget(*dialog.GetDlgItem(IDC_NAME_LABEL))->geometry();
        EXPECT_EQ(label.right() + 1, Widget(*dialog.GetDlgItem(IDC_NAME))->x()) << nPointSize;
        EXPECT_GE(label.height(), 3 * QFontMetrics(dialog.GetWindow().font()).lineSpacing())
            << nPointSize;
    }
}
#endif

TEST_F(DialogTest, AppliesCaptionsStylesAndDataExchange) {
    EXPECT_EQ(m_dialog.GetWindowText(), "Test Dialog");
    EXPECT_EQ(m_dialog.GetDlgItemText(IDC_NAME_LABEL), "&Name:");
    EXPECT_EQ(m_dialog.GetDlgItemText(IDC_NAME), "ada");  // moved in before OnInitDialog
    EXPECT_FALSE(m_dialog.GetDlgItem(IDC_SPARE)->IsWindowVisible());
    EXPECT_FALSE(m_dialog.GetDlgItem(CommandCancel)->IsWindowEnabled());
    EXPECT_EQ(m_dialog.GetDefaultButtonId(), CommandOk);
    Click(m_dialog, IDC_NAME_LABEL);  // a label takes no focus
    EXPECT_EQ(m_dialog.GetFocusedControl(), m_dialog.GetDlgItem(IDC_NAME));
    EXPECT_EQ(m_dialog.GetDlgItemAs<CEdit>(IDC_GROUP), nullptr);

    m_dialog.SetDlgItemText(IDC_NAME, "grace");
    ASSERT_TRUE(m_dialog.UpdateData(true));
    EXPECT_EQ(m_dialog.m_strName, "grace");
}

TEST_F(DialogTest, InitialisesOnceAndFocusesTheFirstTabStop) {
    EXPECT_FALSE(m_dialog.CreateAndInitialize());
    EXPECT_EQ(m_dialog.m_nInitCalls, 1);
    EXPECT_EQ(m_dialog.GetFocusedControl(), m_dialog.GetDlgItem(IDC_NAME));
}

TEST_F(DialogTest, TabOrderAndMnemonicsFollowTheTable) {
    // Tab skips labels, group boxes, hidden and disabled controls.
    ActivateWindow(m_dialog);
    m_dialog.GetDlgItem(IDC_NAME)->SetFocus();
    for (const int id :
         {static_cast<int>(IDC_LIST), static_cast<int>(CommandOk), static_cast<int>(IDC_NAME)}) {
        Press(m_dialog, Key::Tab);
        EXPECT_EQ(m_dialog.GetFocusedControl(), m_dialog.GetDlgItem(id)) << id;
    }
    // The group box frames controls that are not its children: its mnemonic must
    // still reach the list that follows it.
    m_dialog.GetDlgItem(IDC_LIST)->SetFocus();
    for (const auto& [letter, id] : {std::pair('N', IDC_NAME), std::pair('O', IDC_LIST)}) {
        PressAlt(m_dialog, letter);
        EXPECT_EQ(m_dialog.GetFocusedControl(), m_dialog.GetDlgItem(id)) << letter;
    }
}

TEST_F(DialogTest, PostedCommandsWaitForTheEventLoop) {
    EXPECT_TRUE(m_dialog.m_posted.empty());
    DeliverPostedCommands(m_dialog);
    EXPECT_EQ(m_dialog.m_posted, std::vector<int>{500});
}

struct CEndingCase {
    const char* name;
    std::function<void(CTestDialog&)> act;
    bool bEnded;
    int nResult;
    // Names the case in test output instead of dumping its bytes.
    friend void PrintTo(const CEndingCase& c, std::ostream* os) { *os << c.name; }
};

class DialogEndingTest : public ::testing::TestWithParam<CEndingCase> {};

TEST_P(DialogEndingTest, EndsAsTheUserAsked) {
    CScriptedDialogUserInterface ui;
    CTestDialog dialog;
    dialog.CreateAndInitialize();
    dialog.ShowWindow();
    GetParam().act(dialog);
    EXPECT_EQ(dialog.IsEnded(), GetParam().bEnded);
    if (GetParam().bEnded) {
        EXPECT_EQ(dialog.GetModalResult(), GetParam().nResult);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DialogEndingTest,
    ::testing::Values(
        CEndingCase{"Escape", [](CTestDialog& d) { Press(d, Key::Escape); }, true, CommandCancel},
        CEndingCase{"ShiftEscape", [](CTestDialog& d) { Press(d, Key::Escape, Modifier::Shift); },
                    false, 0},
        CEndingCase{"CloseBox", [](CTestDialog& d) { Close(d); }, true, CommandCancel},
        CEndingCase{"EnterInEdit", [](CTestDialog& d) { Press(d, Key::Enter); }, true, CommandOk},
        CEndingCase{"EnterWithDefaultDisabled",
                    [](CTestDialog& d) {
                        d.GetDlgItem(CommandOk)->EnableWindow(false);
                        Press(d, Key::Enter);
                    },
                    false, 0},
        CEndingCase{"EnterAfterAFocusedButtonWasDisabled",
                    [](CTestDialog& d) {
                        d.GetDlgItem(CommandCancel)->EnableWindow(true);
                        d.GetDlgItem(CommandCancel)->SetFocus();
                        d.GetDlgItem(CommandCancel)->EnableWindow(false);
                        Press(d, Key::Enter);
                    },
                    true, CommandOk},
        CEndingCase{"EnterOnAFocusedButton",
                    [](CTestDialog& d) {
                        d.GetDlgItem(CommandCancel)->EnableWindow(true);
                        d.GetDlgItem(CommandCancel)->SetFocus();
                        Press(d, Key::Enter);
                    },
                    true, CommandCancel},
        CEndingCase{"ClickOk", [](CTestDialog& d) { Click(d, CommandOk); }, true, CommandOk}),
    [](const auto& info) { return std::string(info.param.name); });

// The Qt backend's focus events, and its message boxes.
#ifndef _WIN32
// Shown inactive, a Qt dialog hands its focus widget a focus-in of its own, and no
// focus-out when that widget is disabled: Enter must still reach OK.
TEST(DialogEndingQtTest, EnterAfterAButtonGotAFocusInAndWasDisabled) {
    CScriptedDialogUserInterface ui;
    CTestDialog dialog;
    dialog.CreateAndInitialize();
    dialog.ShowWindow();
    QWidget* pCancel = Widget(*dialog.GetDlgItem(CommandCancel));
    pCancel->setEnabled(true);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(pCancel, &focusIn);
    pCancel->setEnabled(false);
    Press(dialog, Key::Enter);
    EXPECT_EQ(dialog.GetModalResult(), CommandOk);
}

struct CBoxCase {
    const char* name;
    platform::MessageButtons buttons;
    std::vector<std::function<void(QMessageBox&)>> steps;  // taken while the box is up
    platform::MessageResult expected;
    friend void PrintTo(const CBoxCase& c, std::ostream* os) { *os << c.name; }
};

class MessageBoxEndingTest : public ::testing::TestWithParam<CBoxCase> {};

// The real boxes, run in their own modal loop; each step is queued behind the last.
TEST_P(MessageBoxEndingTest, EndsOnlyWithAnAnswer) {
    CQtUserInterface ui;
    std::vector<std::function<void(QMessageBox&)>> steps = GetParam().steps;
    // Ends a box that the steps left open, so a failing case cannot hang.
    steps.push_back([](QMessageBox& box) { box.done(-1); });
    std::size_t next = 0;
    // Timers still queued when the test ends go with this object.
    QObject context;
    std::function<void()> runNext = [&] {
        auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (pBox == nullptr || next == steps.size()) {
            return;
        }
        steps[next++](*pBox);
        QTimer::singleShot(0, &context, runNext);
    };
    QTimer::singleShot(0, &context, runNext);
    EXPECT_EQ(ui.MessageBox("Save?", platform::MessageIcon::Question, GetParam().buttons),
              GetParam().expected);
    EXPECT_EQ(next, steps.size() - 1);  // the box ended with the last step
}

void PressEscape(QMessageBox& box) {
    QTest::keyClick(&box, Qt::Key_Escape);
}
void CloseBox(QMessageBox& box) {
    box.close();
}
void PressEnter(QMessageBox& box) {
    QTest::keyClick(&box, Qt::Key_Return);
}
void ClickNo(QMessageBox& box) {
    box.button(QMessageBox::No)->click();
}

INSTANTIATE_TEST_SUITE_P(Boxes, MessageBoxEndingTest,
                         ::testing::Values(CBoxCase{"QuestionIgnoresEscapeAndClose",
                                                    platform::MessageButtons::YesNo,
                                                    {PressEscape, CloseBox, PressEnter},
                                                    platform::MessageResult::Yes},
                                           CBoxCase{"QuestionAnsweredNo",
                                                    platform::MessageButtons::YesNo,
                                                    {PressEscape, ClickNo},
                                                    platform::MessageResult::No},
                                           CBoxCase{"NoticeEndsWithEscape",
                                                    platform::MessageButtons::Ok,
                                                    {PressEscape},
                                                    platform::MessageResult::Ok}),
                         [](const auto& info) { return std::string(info.param.name); });
#endif

TEST(DialogHelpKeyTest, F1WithoutModifiersRaisesTheHelpCommand) {
    CScriptedDialogUserInterface ui;
    CCountingApp app;
    CTestDialog dialog;
    dialog.CreateAndInitialize();
    dialog.ShowWindow();
    struct Row {
        Modifier modifier;
        int expected;
    };
    int expected = 0;
    for (const Row row : {Row{Modifier::None, 1}, Row{Modifier::Shift, 0},
                          Row{Modifier::Control, 0}, Row{Modifier::Alt, 0}}) {
        Press(dialog, Key::F1, row.modifier);
        expected += row.expected;
        EXPECT_EQ(app.m_nHelpRequests, expected) << static_cast<int>(row.modifier);
    }
    EXPECT_FALSE(dialog.IsEnded());
}

TEST(DialogModalTest, ModalRunsGoThroughTheSeamOwnedByTheMainWindow) {
    CScriptedDialogUserInterface ui;
    CCountingApp app;
    CTestDialog mainDialog;
    mainDialog.CreateAndInitialize();
    mainDialog.ShowWindow();
    app.m_pMainWnd = &mainDialog;

    CTestDialog owned;
    ui.OnNextDialog([&](CDialog& dialog) {
        EXPECT_EQ(&dialog, &owned);
        EXPECT_TRUE(dialog.IsWindowVisible());
        EXPECT_EQ(dialog.GetOwner(), &mainDialog);
        dialog.EndDialog(CommandCancel);
    });
    EXPECT_EQ(owned.DoModal(), CommandCancel);
    ASSERT_EQ(ui.Transcript().size(), 1u);
    EXPECT_EQ(ui.Transcript()[0].kind, ShownKind::Dialog);
    EXPECT_EQ(ui.Transcript()[0].title, "Test Dialog");
    EXPECT_EQ(ui.Transcript()[0].text, "&Name:");
    EXPECT_EQ(ui.Transcript()[0].nTemplateId, 77);
    EXPECT_TRUE(ui.ScriptUsedUp());
    EXPECT_EQ(mainDialog.GetOwner(), nullptr);  // the main window is nobody's
    app.m_pMainWnd = nullptr;
}

// Where the Qt backend puts the window, and what kind of window it makes.
#ifndef _WIN32
TEST(DialogModalTest, CentresOverTheOwner) {
    CScriptedDialogUserInterface ui;
    CTestDialog ownerDialog;
    QWidget& owner = ownerDialog.GetWindow();
    owner.setGeometry(100, 120, 600, 400);
    owner.show();
    CTestDialog dialog(&ownerDialog);
    dialog.CreateAndInitialize();
    dialog.CenterWindow();
    const QPoint centre = dialog.GetWindow().geometry().center();
    EXPECT_NEAR(centre.x(), owner.frameGeometry().center().x(), 1);
    EXPECT_NEAR(centre.y(), owner.frameGeometry().center().y(), 1);
}

struct CPlacementCase {
    const char* name;
    QRect around;
    QRect workArea;
    QSize size;
    QPoint topLeft;
};

TEST(DialogPlacementTest, CentresOnTheAreaAndStaysInsideTheWorkArea) {
    const QRect screen(0, 0, 1000, 700);
    const QRect second(1000, 0, 800, 600);  // a monitor to the right of the first
    for (const CPlacementCase& row : {
             CPlacementCase{"OnOwner", QRect(100, 100, 400, 300), screen, QSize(200, 100),
                            QPoint(200, 200)},
             CPlacementCase{"OnWorkArea", screen, screen, QSize(200, 100), QPoint(400, 300)},
             CPlacementCase{"OwnerOnTheSecondScreen", QRect(1200, 100, 400, 300), second,
                            QSize(200, 100), QPoint(1300, 200)},
             CPlacementCase{"OwnerPastTheRightEdge", QRect(900, 100, 300, 100), screen,
                            QSize(200, 100), QPoint(800, 100)},
             CPlacementCase{"OwnerAboveTheTop", QRect(100, -200, 400, 200), screen, QSize(200, 100),
                            QPoint(200, 0)},
             CPlacementCase{"LargerThanTheWorkArea", QRect(0, 0, 100, 100), QRect(10, 20, 300, 200),
                            QSize(400, 300), QPoint(10, 20)},
         }) {
        EXPECT_EQ(CenteredTopLeft(row.around, row.workArea, row.size), row.topLeft) << row.name;
    }
}

// A hidden or minimised owner leaves the dialog centred on the work area; placing
// it at the owner's client origin follows the owner wherever it is.
TEST(DialogPlacementTest, CentresOnTheWorkAreaWithoutAVisibleOwner) {
    CScriptedDialogUserInterface ui;
    CTestDialog ownerDialog;
    QWidget& owner = ownerDialog.GetWindow();
    owner.setGeometry(130, 70, 300, 200);
    CTestDialog dialog(&ownerDialog);
    dialog.CreateAndInitialize();
    const QWidget& window = dialog.GetWindow();
    const QPoint workAreaCentre = owner.screen()->availableGeometry().center();
    for (const bool bMinimised : {false, true}) {
        if (bMinimised) {
            owner.showMinimized();
        }
        dialog.CenterWindow();
        EXPECT_NEAR(window.geometry().center().x(), workAreaCentre.x(), 1) << bMinimised;
        EXPECT_NEAR(window.geometry().center().y(), workAreaCentre.y(), 1) << bMinimised;
    }
    owner.showNormal();
    dialog.PlaceAtOwnerOrigin();
    EXPECT_EQ(window.pos(), owner.mapToGlobal(QPoint(0, 0)));
}

// The program's main window runs as an ordinary top-level window; the dialogs it
// opens are its children and modal to it.
TEST(DialogModalTest, TheMainWindowRunsAsAnOrdinaryWindow) {
    CCountingApp app;
    CTestDialog mainDialog;
    app.m_pMainWnd = &mainDialog;
    QObject context;
    // Checked while each loop runs; each loop ends only once its checks are done.
    QTimer::singleShot(0, &context, [&] {
        const Qt::WindowFlags flags = mainDialog.GetWindow().windowFlags();
        EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window);
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
        EXPECT_EQ(mainDialog.GetWindow().windowModality(), Qt::NonModal);
        EXPECT_NE(QApplication::activeModalWidget(), &mainDialog.GetWindow());
        CTestDialog owned;
        QTimer::singleShot(0, &context, [&] {
            EXPECT_EQ(owned.GetWindow().parentWidget(), &mainDialog.GetWindow());
            EXPECT_EQ(owned.GetWindow().windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
            EXPECT_NE(owned.GetWindow().windowModality(), Qt::NonModal);
            owned.EndDialog(CommandCancel);
        });
        owned.RunModalLoop();
        mainDialog.EndDialog(CommandOk);
    });
    EXPECT_EQ(mainDialog.RunModalLoop(), CommandOk);
    EXPECT_TRUE(mainDialog.IsEnded());
    app.m_pMainWnd = nullptr;
}
#endif

// The seam must not let a test pass on work that never ran: a dialog the script
// does not expect, or leaves open, fails the test.
TEST(DialogSeamTest, PostedCommandsRunAndUnscriptedDialogsFail) {
    {
        CScriptedDialogUserInterface ui;
        CTestDialog dialog;
        std::vector<int> postedBeforeTheAction;
        ui.OnNextDialog([&](CDialog& d) {
            postedBeforeTheAction = dialog.m_posted;
            d.EndDialog(CommandOk);
        });
        EXPECT_EQ(dialog.DoModal(), CommandOk);
        EXPECT_EQ(postedBeforeTheAction, std::vector<int>{500});
    }
    EXPECT_NONFATAL_FAILURE(
        {
            CScriptedDialogUserInterface ui;
            CTestDialog dialog;
            EXPECT_EQ(dialog.DoModal(), CommandCancel);
            EXPECT_TRUE(dialog.m_posted.empty());
        },
        "unexpected dialog");
    EXPECT_NONFATAL_FAILURE(
        {
            CScriptedDialogUserInterface ui;
            CTestDialog dialog;
            ui.OnNextDialog([](CDialog&) {});
            EXPECT_EQ(dialog.DoModal(), CommandCancel);
        },
        "left open");
}

}  // namespace
