// The program's GBK text to and from the wide strings of COM.
#pragma once

#include <string>
#include <string_view>

#include "win32/com_ptr_win32.h"

// Both convert with the ANSI code page, as the program's -A calls do, so that a path from
// GetModuleFileNameA comes back to the same file. Null when out of memory.
UniqueBstr ToBstr(std::string_view text);
// Characters the code page lacks become '?'.
std::string FromWide(const wchar_t* text, std::size_t length);
std::string FromBstr(BSTR text);
