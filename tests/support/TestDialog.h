#pragma once

#include <functional>
#include <vector>

#include "framework/Dialog.h"

namespace testing_support {

// The layout of a CTestDialog, made before the dialog that refers to it.
struct CTestLayout {
    explicit CTestLayout(std::vector<framework::CControlTemplate> controls);
    std::vector<framework::CControlTemplate> m_layoutControls;
    framework::CDialogTemplate m_layout;
};

// A dialog of just the controls a test needs, without captions, built but not shown:
// controls get their windows only inside a dialog. Its commands also go to
// `m_fnOnCommand` when that is set.
class CTestDialog : private CTestLayout, public framework::CDialog {
public:
    explicit CTestDialog(std::vector<framework::CControlTemplate> controls,
                         CDialog* pParent = nullptr);

    template <class T>
    T& Item(int nId) const {
        return *GetDlgItemAs<T>(nId);
    }

    bool OnCommand(int nId, framework::CommandCode code) override;

    std::function<void(int nId, framework::CommandCode code)> m_fnOnCommand;
};

}  // namespace testing_support
