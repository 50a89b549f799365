#include "tests/support/TestDialog.h"

namespace testing_support {

using namespace framework;

// clang-format off
CTestLayout::CTestLayout(std::vector<CControlTemplate> controls)
    : m_layoutControls(std::move(controls)),
      m_layout{99, 0, 200, 100, "No Such Face", 8, DialogStyleNone, m_layoutControls,
               [](int) { return ""; }} {}
// clang-format on

CTestDialog::CTestDialog(std::vector<CControlTemplate> controls, CDialog* pParent)
    : CTestLayout(std::move(controls)), CDialog(m_layout, pParent) {
    CreateAndInitialize();
}

bool CTestDialog::OnCommand(int nId, CommandCode code) {
    if (m_fnOnCommand) {
        m_fnOnCommand(nId, code);
    }
    return CDialog::OnCommand(nId, code);
}

}  // namespace testing_support
