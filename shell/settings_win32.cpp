// The first-run write and the existence test of the settings files on Windows.
#include "shell/settings.h"
#include "win32/handles_win32.h"

bool WriteDefaultConfig(const std::string& path) {
    // Share mode 0: nobody else reads or writes the file while it is cut and filled.
    UniqueFileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file.Get(), kDefaultConfigText.data(), static_cast<DWORD>(kDefaultConfigText.size()),
                              &written, nullptr);
    return ok && written == kDefaultConfigText.size();
}

bool PathExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
