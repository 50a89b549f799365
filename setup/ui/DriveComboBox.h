#pragma once

#include "framework/ComboBox.h"

namespace setup {

// The directory dialog's list of drives.
class CDriveComboBox : public framework::CComboBox {
public:
    // Fills the list with one entry "X:\" per mapped drive, in ascending order, and
    // selects drive C when there is one, else the first entry. Does nothing before
    // the list has its window in a dialog.
    void FillDrives();
};

}  // namespace setup
