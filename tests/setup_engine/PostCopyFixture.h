#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/setup_engine/EnvironmentScope.h"
#include "tests/support/DriveScope.h"
#include "tests/support/ScriptedUserInterface.h"

namespace testing_support {

// `text` with every `from` replaced by `to`.
std::string ReplaceAll(std::string text, const std::string& from, const std::string& to);

// The scripted boxes, with a step that runs as each box comes up, before it is
// answered: a test looks at what the actions have done so far.
class CHookedUserInterface : public CScriptedUserInterface {
public:
    std::function<void(const std::string& text)> onBox;

    platform::MessageResult MessageBox(const std::string& text, platform::MessageIcon icon,
                                       platform::MessageButtons buttons) override {
        if (onBox) {
            onBox(text);
        }
        return CScriptedUserInterface::MessageBox(text, icon, buttons);
    }
};

// The setup program lies in "C:\My Setup\" (a blank in the name on purpose) beside
// its SETUP.INI; C: is a fresh folder holding the user's home "home" with a desktop
// folder, and the XDG variables are unset, so launchers go to their default places
// below that home.
class CPostCopyFixture : public testing::Test {
protected:
    CPostCopyFixture();
    ~CPostCopyFixture() override;

    void WriteIni(const std::string& ini) const;
    // Copies the host file `from` to `relative` below C: (creating its folders), keeping
    // its permission bits.
    void CopyToDrive(const std::string& from, const std::string& relative) const;
    // `relative` below C: as the canonical host path the programs see.
    std::string Canonical(const std::string& relative) const;
    // Every file below C:, relative to it, in name order.
    std::vector<std::string> FilesOnDrive() const;
    // Where the launcher of the link name `name` ("Word Game") lands in the programs
    // menu and on the desktop: below the fixture's home on a freedesktop system, in the
    // user's Start menu and desktop on Win32 (whose launchers the fixture removes).
    std::string MenuLauncher(const std::string& name) const;
    std::string DesktopLauncher(const std::string& name) const;

    // Every box shown so far as "kind:text" (error, info, question).
    std::vector<std::string> Boxes() const;

    CDriveScope m_scope;
    CEnvironmentScope m_environment;
    CHookedUserInterface m_ui;
};

}  // namespace testing_support
