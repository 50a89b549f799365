#pragma once

#include "framework/WinApp.h"

namespace lettrino {

// The word game's application object: seeds the random generator once, then runs
// the main dialog for the whole life of the program.
class CLettrinoApp : public framework::CWinApp {
public:
    CLettrinoApp();

    bool InitInstance() override;
    void OnHelp() override;
};

}  // namespace lettrino
