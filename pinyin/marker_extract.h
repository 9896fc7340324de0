#pragma once

#include <string_view>

#include "text/gbk_text.h"

// The text between the first occurrence of startMarker and the first occurrence of
// endMarker after it; empty when either is missing. Both searches are character-wise.
GbkText MarkerExtract(std::string_view text, std::string_view startMarker, std::string_view endMarker);
