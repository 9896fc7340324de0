#pragma once

#include <string_view>

// Whether address begins with "http://" or "https://", letters in any case. Addresses that
// come from a feed are used only then, so that a feed cannot hand the browser or the
// stylesheet download a file: or script address.
bool IsWebAddress(std::string_view address);
