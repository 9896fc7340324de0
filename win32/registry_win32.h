// Text values of the registry.
#pragma once

#include <string_view>

#include "text/gbk_text.h"
#include "win32/windows_h_win32.h"

// The default (unnamed) value of HKEY_LOCAL_MACHINE\subKey as text: REG_SZ as stored,
// REG_EXPAND_SZ with its environment references expanded. A missing key or value, or a
// value of any other type, gives fallback.
GbkText ReadMachineDefaultText(std::string_view subKey, std::string_view fallback = {});
