// Move-only owner of a WinINet handle: sessions, connections and requests alike.
#pragma once

#include "win32/handles_win32.h"
#include "win32/windows_h_win32.h"

#include <wininet.h>

struct InternetHandleTraits {
    static HINTERNET Invalid() { return nullptr; }
    static void Close(HINTERNET h) { InternetCloseHandle(h); }
};

using UniqueInternetHandle = UniqueHandle<HINTERNET, InternetHandleTraits>;
