#include "platform/UserInterface.h"

#include <gtest/gtest.h>

#include "tests/support/ScriptedUserInterface.h"

using platform::MessageButtons;
using platform::MessageIcon;
using platform::MessageResult;
using testing_support::CScriptedUserInterface;

TEST(BusyPointer, IsCountedSoNestingIsHarmless) {
    CScriptedUserInterface ui;
    ui.BeginBusy();
    ui.BeginBusy();
    ui.EndBusy();
    EXPECT_EQ(ui.BusyDepth(), 1);
    ui.EndBusy();
    ui.EndBusy();  // unbalanced: ignored
    EXPECT_EQ(ui.BusyDepth(), 0);
    EXPECT_EQ(ui.BusyChanges(), (std::vector<bool>{true, false}));
}

TEST(BusyPointer, ScopeEndsTheBusyStateWhenLeftByAnException) {
    CScriptedUserInterface ui;
    try {
        platform::CBusyScope busy;
        throw 1;
    } catch (int) {
    }
    EXPECT_EQ(ui.BusyDepth(), 0);
}

TEST(MessageBoxSeam, RecordsTitleTextIconButtonsAndAnswersFromTheScript) {
    CScriptedUserInterface ui;
    platform::SetDisplayName("Lettrino");
    ui.Answer(MessageResult::No);
    EXPECT_EQ(platform::UserInterface().MessageBox("Save?", MessageIcon::Question,
                                                   MessageButtons::YesNo),
              MessageResult::No);
    ASSERT_EQ(ui.Transcript().size(), 1u);
    EXPECT_EQ(ui.Transcript()[0].title, "Lettrino");
    EXPECT_EQ(ui.Transcript()[0].text, "Save?");
    EXPECT_EQ(ui.Transcript()[0].icon, MessageIcon::Question);
    EXPECT_EQ(ui.Transcript()[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(ui.ScriptUsedUp());
}
