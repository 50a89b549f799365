#pragma once

// The identifiers the resource script shares with the code: plain macros, since the
// resource compiler reads no C++.
#define IDR_MAINFRAME 128
