#pragma once

#include <string>

namespace setup {

// The longest directory text a person may give below the drive.
constexpr int kMaxDirectoryChars = 256;

// The checks a chosen install directory passes before the run may use it, the same
// whoever answers: the directory dialog on its OK command, the front end without
// windows on its --directory option. In order: the directory is given, the drive and
// the directory resolve to a valid full path, and that path is not the folder the
// setup program runs from (under any spelling). The first that fails decides.
class CDirectoryChoice {
public:
    enum class Verdict { Accepted, Empty, Invalid, SetupDirectory };

    // `drive` is the chosen drive list entry ("C:\"), empty when none is chosen;
    // `directory` the text given below it, joined to it without a separator.
    CDirectoryChoice(const std::string& drive, const std::string& directory);

    Verdict GetVerdict() const { return m_verdict; }
    bool IsAccepted() const { return m_verdict == Verdict::Accepted; }
    // The resolved full path (at most 259 characters); valid when accepted.
    const std::string& FullPath() const { return m_strFullPath; }
    // The message that tells a person why the choice was refused; empty when accepted.
    std::string Message() const;

    // Whether `fullPath` names the folder the setup program runs from.
    static bool IsSetupDirectory(const std::string& fullPath);

private:
    Verdict m_verdict = Verdict::Accepted;
    std::string m_strCombined;  // drive and directory as given, for the message
    std::string m_strFullPath;
};

}  // namespace setup
