#pragma once

#include <string>

#include "framework/Dialog.h"

namespace lettrino {

// Announces a new puzzle: the word and how many words can be found in it.
class CStartGameDlg : public framework::CDialog {
public:
    explicit CStartGameDlg(std::string strText, CDialog* pParent = nullptr);

protected:
    bool OnInitDialog() override;

private:
    std::string m_strText;
};

}  // namespace lettrino
