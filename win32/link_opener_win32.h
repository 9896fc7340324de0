#pragma once

#include <string_view>

// Opens a web address in the browser registered under HKLM\SOFTWARE\Clients\StartMenuInternet;
// when no process can be started, puts the address on the clipboard and says so.
void LinkOpener(std::string_view address);
