// Building the browser's command line for an address.
#pragma once

#include <string_view>

#include "text/gbk_text.h"

// Bytes 0x00..0x20, '"' and 0x7F percent-encoded, every other byte unchanged, so that an
// address cannot end the command line's last argument or add switches of its own.
GbkText EscapeAddressForCommandLine(std::string_view address);

// The registered start command, one blank, then the escaped address.
GbkText BrowserCommandLine(std::string_view startCommand, std::string_view address);
