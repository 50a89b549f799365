#include "setup/ui/DriveComboBox.h"

#include "platform/AsciiCase.h"
#include "platform/DriveMap.h"
#include "platform/Format.h"
#include "setup/config/StringTable.h"

namespace setup {

void CDriveComboBox::FillDrives() {
    if (GetNativeWindow() == nullptr) {
        return;
    }
    ResetContent();
    int nSelect = 0;
    for (const char letter : platform::MappedDrives()) {
        const char drive = platform::ToUpperAscii(letter);
        if (drive < 'A' || drive > 'Z') {
            continue;
        }
        const int nIndex =
            AddString(platform::FormatString(LoadSetupString(IDS_DRIVE_ENTRY), {drive}));
        if (nIndex >= 0 && drive == 'C') {
            nSelect = nIndex;
        }
    }
    SetCurSel(nSelect);
}

}  // namespace setup
