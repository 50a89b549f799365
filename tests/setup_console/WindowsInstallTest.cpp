// The built setup.exe run as a Windows user's script runs it, from a media folder,
// into C:\Games\Lettrino of the system it runs on: the product's files, a component
// that registers itself, a shortcut the shell resolves, a program started afterwards,
// the uninstall record; then a second run into the locked folder, and the uninstall.
// Judged by the exit status and by what is on disk.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

#include <gtest/gtest.h>

#include "tests/setup_engine/EnvironmentScope.h"
#include "tests/setup_engine/ProbeLog.h"
#include "tests/support/FileFacts.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

const fs::path kInstalled = "C:\\Games\\Lettrino";

fs::path KnownFolder(REFKNOWNFOLDERID id) {
    wchar_t* path = nullptr;
    fs::path folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, 0, nullptr, &path))) {
        folder = path;
    }
    ::CoTaskMemFree(path);
    return folder;
}

// What a shortcut leads to, as the shell reads it back: its target and working folder.
struct CShortcut {
    std::wstring target;
    std::wstring folder;
};

bool ReadShortcut(const fs::path& file, CShortcut& shortcut) {
    IShellLinkW* link = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  reinterpret_cast<void**>(&link)))) {
        return false;
    }
    IPersistFile* persist = nullptr;
    wchar_t target[MAX_PATH] = L"";
    wchar_t folder[MAX_PATH] = L"";
    const bool read =
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
        SUCCEEDED(persist->Load(file.wstring().c_str(), STGM_READ)) &&
        SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
        SUCCEEDED(link->GetWorkingDirectory(folder, MAX_PATH));
    if (persist != nullptr) {
        persist->Release();
    }
    link->Release();
    shortcut = {target, folder};
    return read;
}

class WindowsInstallTest : public ::testing::Test {
protected:
    WindowsInstallTest() {
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        // The product: a program, the dictionary, its help and licence, and a
        // component; release notes started from the media afterwards.
        fs::create_directories(m_media);
        fs::copy_file(SETUP_PROGRAM, m_media / "setup.exe");
        fs::copy_file(POST_COPY_PROBE, m_media / "Lettrino.exe");
        fs::copy_file(POST_COPY_PROBE, m_media / "README.EXE");
        fs::copy_file(COMPONENT_REGISTERS, m_media / "Words.dll");
        for (const char* name : {"Lettrino.txt", "Lettrino.COPYING"}) {
            fs::copy_file(fs::path(SOURCE_DIR) / "data" / name, m_media / name);
        }
        fs::copy_file(fs::path(SOURCE_DIR) / "game/ui/Lettrino.HLP", m_media / "Lettrino.HLP");
        m_temp.Write("media/SETUP.INI",
                     "[Setup]\r\nName=Lettrino\r\nCaption=Lettrino Setup\r\n"
                     "DefaultDirectory=Games\\Lettrino\r\nRequiredDiskSpace=2000000\r\n"
                     "[Files]\r\nFiles=5\r\nFile1=Lettrino.exe\r\nFile2=Lettrino.txt\r\n"
                     "File3=Lettrino.HLP\r\nFile4=Lettrino.COPYING\r\nFile5=Words.dll\r\n"
                     "[Register]\r\nObjects=1\r\nObject1=Words.dll\r\n"
                     "[Shortcuts]\r\nExeName=LETTRINO.EXE\r\nLnkName=Lettrino.lnk\r\n"
                     "[RunAfterSetup]\r\nFile1=README.EXE \"release notes\"\r\n"
                     "File1Message=Lettrino is ready to play.\r\n");
        m_environment.Set("COMPONENT_EVIDENCE", m_temp.File("evidence.txt"));
    }
    ~WindowsInstallTest() override {
        std::error_code ignored;
        fs::remove_all(kInstalled, ignored);
        for (const fs::path& shortcut : Shortcuts()) {
            fs::remove(shortcut, ignored);
        }
        ::CoUninitialize();
    }

    // The shortcuts in the Programs folder of the Start menu and on the desktop.
    static std::vector<fs::path> Shortcuts() {
        return {KnownFolder(FOLDERID_Programs) / "Lettrino.lnk",
                KnownFolder(FOLDERID_Desktop) / "Lettrino.lnk"};
    }

    // Runs `program` with `arguments`, its standard error read to the end into
    // m_output; the exit status, or -1 when it could not start.
    int Run(const fs::path& program, const std::vector<std::wstring>& arguments) {
        m_output.clear();
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        HANDLE readEnd = nullptr;
        HANDLE writeEnd = nullptr;
        if (!::CreatePipe(&readEnd, &writeEnd, &inherited, 0)) {
            return -1;
        }
        ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
        // No argument of the test holds a quote or ends in a backslash.
        std::wstring line = L"\"" + program.wstring() + L"\"";
        for (const std::wstring& argument : arguments) {
            line += L" \"" + argument + L"\"";
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = nullptr;
        startup.hStdOutput = nullptr;
        startup.hStdError = writeEnd;
        PROCESS_INFORMATION started{};
        const BOOL ok = ::CreateProcessW(program.wstring().c_str(), line.data(), nullptr, nullptr,
                                         TRUE, 0, nullptr, program.parent_path().wstring().c_str(),
                                         &startup, &started);
        ::CloseHandle(writeEnd);
        char buffer[4096];
        DWORD got = 0;
        while (ok && ::ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) {
            m_output.append(buffer, got);
        }
        ::CloseHandle(readEnd);
        if (!ok) {
            return -1;
        }
        ::WaitForSingleObject(started.hProcess, INFINITE);
        DWORD status = 0;
        ::GetExitCodeProcess(started.hProcess, &status);
        ::CloseHandle(started.hThread);
        ::CloseHandle(started.hProcess);
        return static_cast<int>(status);
    }

    int Setup(const std::vector<std::wstring>& arguments) {
        return Run(m_media / "setup.exe", arguments);
    }

    testing_support::CTempDir m_temp;
    fs::path m_media = m_temp.Path() / "media";
    testing_support::CEnvironmentScope m_environment;
    std::string m_output;
};

TEST_F(WindowsInstallTest, InstallsRegistersLinksStartsAndUninstallsAgain) {
    ASSERT_FALSE(fs::exists(kInstalled)) << "left by another run";
    testing_support::CProbeLog probes(m_temp.File("probes"));
    ASSERT_EQ(Setup({L"--unattended", L"--directory", kInstalled.wstring(), L"--desktop-launcher",
                     L"yes"}),
              0)
        << m_output;
    using testing_support::EntryKind;
    EXPECT_EQ(testing_support::Entries(kInstalled),
              (std::map<std::string, EntryKind>{
                  {"LETTRINO.EXE", EntryKind::File}, {"LETTRINO.TXT", EntryKind::File},
                  {"LETTRINO.HLP", EntryKind::File}, {"LETTRINO.COPYING", EntryKind::File},
                  {"WORDS.DLL", EntryKind::File}, {"setup.exe", EntryKind::File},
                  {"setup.ini", EntryKind::File}, {"uninstall.dat", EntryKind::File}}));
    EXPECT_EQ(m_temp.Read("evidence.txt"), "registered WORDS.DLL\n");
    EXPECT_EQ(probes.Next(), "README.EXE|" + m_media.string() + "|release notes");
    std::string record;
    {
        // Closed before the uninstall, which cannot remove a file held open.
        std::ifstream in(kInstalled / "uninstall.dat", std::ios::binary);
        record.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    for (const fs::path& file : Shortcuts()) {
        CShortcut shortcut;
        ASSERT_TRUE(ReadShortcut(file, shortcut)) << file;
        EXPECT_EQ(shortcut.target, (kInstalled / "LETTRINO.EXE").wstring()) << file;
        EXPECT_EQ(shortcut.folder, kInstalled.wstring()) << file;
        // Listed for the uninstall, as launcher entries of the record.
        EXPECT_NE(record.find("launcher\t"), std::string::npos) << record;
        EXPECT_NE(record.find(file.parent_path().filename().string() + "/Lettrino.lnk"),
                  std::string::npos)
            << record;
    }
    EXPECT_NE(m_output.find("Copied C:\\Games\\Lettrino\\WORDS.DLL\n"), std::string::npos)
        << m_output;

    // A second run into the folder while the first holds it.
    const HANDLE lock = ::CreateFileW((kInstalled / ".~setup-lock").wstring().c_str(),
                                      GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_ALWAYS, 0, nullptr);
    OVERLAPPED range{};
    ASSERT_TRUE(::LockFileEx(lock, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &range));
    EXPECT_EQ(Setup({L"--unattended", L"--directory", kInstalled.wstring()}), 5) << m_output;
    EXPECT_EQ(Setup({L"--uninstall", kInstalled.wstring(), L"--unattended"}), 5) << m_output;
    ::CloseHandle(lock);
    fs::remove(kInstalled / ".~setup-lock");

    EXPECT_EQ(Setup({L"--uninstall", kInstalled.wstring(), L"--unattended"}), 0) << m_output;
    EXPECT_FALSE(fs::exists(kInstalled)) << m_output;
    for (const fs::path& file : Shortcuts()) {
        EXPECT_FALSE(fs::exists(file)) << file;
    }
    EXPECT_EQ(Setup({L"--uninstall", kInstalled.wstring(), L"--unattended"}), 0) << m_output;
    EXPECT_NE(m_output.find("nothing installed here"), std::string::npos) << m_output;
}

}  // namespace
