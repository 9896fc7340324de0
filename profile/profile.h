// Settings files are read and written one key at a time through a profile: a key of a
// section read with a default, or a key's text written.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "text/gbk_text.h"

class Profile {
public:
    virtual ~Profile() = default;
    virtual GbkText Read(std::string_view section, std::string_view key, std::string_view defaultText) = 0;
    // Silent on failure: a read-only file or folder leaves the old file as it was.
    virtual void Write(std::string_view section, std::string_view key, std::string_view value) = 0;
};

// A portable INI reader and writer with the semantics of the Windows profile functions.
std::unique_ptr<Profile> OpenIniFileProfile(std::string path);

// The profile the program uses on this platform: the Windows profile functions in the
// Windows build, the portable reader and writer elsewhere.
std::unique_ptr<Profile> OpenPlatformProfile(std::string path);

// The longest value a profile read returns (the Windows read buffer is 10,240 bytes).
inline constexpr std::size_t kMaxProfileValue = 10239;
