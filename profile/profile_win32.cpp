// The profile over the Windows private-profile functions.
#include <string>
#include <vector>

#include "profile/profile.h"
#include "profile/profile_rules.h"
#include <windows.h>

namespace {

class Win32Profile final : public Profile {
public:
    explicit Win32Profile(std::string path) : path_(std::move(path)) {}

    GbkText Read(std::string_view section, std::string_view key, std::string_view defaultText) override {
        const auto call = PrepareProfileCall(path_, section, key);
        if (!call) return {};
        const std::string fallback(UpToZeroByte(defaultText));
        std::vector<char> buffer(kMaxProfileValue + 1, '\0');
        GetPrivateProfileStringA(call->section.c_str(), call->key.c_str(), fallback.c_str(),
                                                 buffer.data(), static_cast<DWORD>(buffer.size()),
                                                 call->path.c_str());
        buffer.back() = '\0';
        return GbkText(buffer.data());
    }

    void Write(std::string_view section, std::string_view key, std::string_view value) override {
        const auto call = PrepareProfileCall(path_, section, key);
        if (!call) return;
        // A read-only file keeps its text even where the file system would let this process
        // write it anyway (a privileged user under Wine); Windows itself refuses the write.
        const DWORD attributes = GetFileAttributesA(call->path.c_str());
        constexpr DWORD kUnwritable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY;
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kUnwritable)) return;
        const std::string text(OneLineValue(value));
        // A failed write (read-only file or folder) is not reported; the file keeps its text.
        WritePrivateProfileStringA(call->section.c_str(), call->key.c_str(), text.c_str(), call->path.c_str());
    }

private:
    std::string path_;
};

}  // namespace

std::unique_ptr<Profile> OpenPlatformProfile(std::string path) {
    return std::make_unique<Win32Profile>(std::move(path));
}
