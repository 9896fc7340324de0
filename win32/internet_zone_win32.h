// A security manager for the embedded HTML view that puts every page in the Internet zone.
#pragma once

#include "win32/com_ptr_win32.h"

#include <urlmon.h>

// Maps every URL to URLZONE_INTERNET and leaves every other decision to the system's
// manager (INET_E_DEFAULT_ACTION). The view's pages come from the network, even when they
// are shown from a local file, so they must never run with the Local Machine zone's rights.
ComPtr<IInternetSecurityManager> MakeInternetZoneSecurityManager();
