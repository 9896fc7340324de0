// Finding the system dialogs a test has opened on its own thread, to answer them as a user would.
#pragma once

#include "win32/windows_h_win32.h"

// The visible dialog box (class #32770) of a thread, or nullptr.
HWND FindVisibleDialogOf(DWORD thread);
