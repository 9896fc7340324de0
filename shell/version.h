// The program's version, in one place for the code and the resource script.
#pragma once

#define ZYF_VERSION_MAJOR 1
#define ZYF_VERSION_MINOR 0
#define ZYF_VERSION_PATCH 5
#define ZYF_VERSION_TEXT "1.05"

#ifndef RC_INVOKED
#include <string_view>

// The window caption, the tray tip and the search window's parent name all use this.
inline constexpr std::string_view kProgramTitle = "鹭汀软件之字音坊 v" ZYF_VERSION_TEXT;
#endif
