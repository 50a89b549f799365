#pragma once

#include <string>

#include "framework/Dialog.h"

namespace setup {

class CDriveComboBox;

// Asks where the product goes: a drive from the list and a directory below it. OK
// passes only a directory that is given, resolves to a valid full path and is not
// the folder the setup program runs from; that full path is the result.
class CDirectoryDlg : public framework::CDialog {
public:
    explicit CDirectoryDlg(CDialog* pParent = nullptr);

    bool OnCommand(int nId, framework::CommandCode code) override;

    CDriveComboBox* m_cboDrive = nullptr;
    std::string m_strDirectory;
    // The chosen directory's full path (at most 259 characters); valid after OK.
    std::string m_szFullPath;

protected:
    void DoDataExchange(framework::CDataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    std::unique_ptr<framework::CComboBox> CreateComboBox(
        const framework::CControlTemplate& control) override;

private:
    // Selects the whole directory field, caret in view, and gives it the focus.
    void SelectDirectoryField();
};

}  // namespace setup
