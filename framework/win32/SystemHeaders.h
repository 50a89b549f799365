#pragma once

// <windows.h> for the backend's sources. It defines the names of its calls that take
// text as macros for their wide versions, among them names the framework's own
// classes use for their members; those macros are taken back here, and the backend
// calls the wide functions by their full names.
#include <windows.h>

#undef GetDlgItemText
#undef GetWindowText
#undef MessageBox
#undef SetDlgItemText
#undef SetWindowText
