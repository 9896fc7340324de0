// The portable INI reader and writer. It reads like GetPrivateProfileStringA and writes
// like WritePrivateProfileStringA, but edits the file's bytes instead of rebuilding the
// file, so every line it does not change stays exactly as it was.
#include <memory>
#include <optional>
#include <string>

#include "profile/file_replace.h"
#include "profile/ini_lines.h"
#include "profile/profile.h"
#include "profile/profile_rules.h"

namespace {

class IniFileProfile final : public Profile {
public:
    explicit IniFileProfile(std::string path) : path_(std::move(path)) {}

    GbkText Read(std::string_view section, std::string_view key, std::string_view defaultText) override {
        const auto call = PrepareProfileCall(path_, section, key);
        if (!call) return {};
        const auto text = ReadWholeFile(call->path);
        std::optional<GbkText> value;
        if (text) value = ReadIniValue(*text, call->section, call->key);
        return value ? std::move(*value) : IniDefaultValue(defaultText);
    }

    void Write(std::string_view section, std::string_view key, std::string_view value) override {
        const auto call = PrepareProfileCall(path_, section, key);
        if (!call) return;
        bool writable = false;
        const FileState state = StateOf(call->path, &writable);
        if (state == FileState::Other || (state == FileState::Regular && !writable)) return;
        std::string old;
        if (state == FileState::Regular) {
            auto text = ReadWholeFile(call->path);
            if (!text) return;  // unreadable: writing would lose what is there
            old = std::move(*text);
        }
        const std::string edited = WriteIniValue(old, call->section, call->key, OneLineValue(value));
        if (state == FileState::Regular && edited == old) return;
        ReplaceFileText(call->path, edited, state == FileState::Regular);
    }

private:
    std::string path_;
};

}  // namespace

std::unique_ptr<Profile> OpenIniFileProfile(std::string path) {
    return std::make_unique<IniFileProfile>(std::move(path));
}
