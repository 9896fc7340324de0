// Pages and stylesheets the program writes beside itself for its HTML views.
#pragma once

#include <string>
#include <string_view>

// Written whole, replacing what was there; a file that cannot be written whole is removed
// rather than left cut short, and the caller goes on without it.
void WriteWholeFile(const std::string& path, std::string_view bytes);
