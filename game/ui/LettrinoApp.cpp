#include "game/ui/LettrinoApp.h"

#include "game/engine/DictionaryLocation.h"
#include "game/ui/LettrinoDlg.h"
#include "platform/RuntimeRandom.h"
#include "platform/TickCount.h"

namespace lettrino {

CLettrinoApp::CLettrinoApp() {
    // The only seeding: every puzzle of the run continues this one sequence.
    platform::RuntimeRandom().Seed(platform::TickCount() & 0xFFFFu);
}

bool CLettrinoApp::InitInstance() {
    // A packaged game keeps its help document among its data, as it does the dictionary.
    SetHelpFilePath(CDictionaryLocation::InstalledFile(".HLP"));
    CLettrinoDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    // Everything happened inside the dialog: end the program now.
    return false;
}

void CLettrinoApp::OnHelp() {
    ShowHelp(framework::HelpCommand::Contents);
}

}  // namespace lettrino
