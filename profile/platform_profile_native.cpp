// Without the Windows profile functions the program reads and writes its INI files itself.
#include "profile/profile.h"

std::unique_ptr<Profile> OpenPlatformProfile(std::string path) {
    return OpenIniFileProfile(std::move(path));
}
