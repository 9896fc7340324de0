// The one way the program includes <windows.h>.
//
// commdlg.h defines FindText and ReplaceText as macros for its dialogs, which would rename
// the text operations of the same names in every file that sees both; they are undone here.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <windowsx.h>

#undef FindText
#undef ReplaceText
