#pragma once

#include "framework/ComboBox.h"

namespace setup {

// The directory dialog's list of drives.
class CDriveComboBox : public framework::CComboBox {
public:
    using CComboBox::CComboBox;

    // Fills the list with one entry "X:\" per mapped drive, in ascending order, and
    // selects drive C when there is one, else the first entry. Does nothing unless
    // the list sits in a dialog.
    void FillDrives();
};

}  // namespace setup
