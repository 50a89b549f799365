#pragma once

#include "framework/Dialog.h"

namespace lettrino {

// The program's name and version beside its icon.
class CAboutDlg : public framework::CDialog {
public:
    explicit CAboutDlg(CDialog* pParent = nullptr);

protected:
    bool OnInitDialog() override;
};

}  // namespace lettrino
