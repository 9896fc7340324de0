#include "profile/profile_rules.h"

std::string_view UpToZeroByte(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

namespace {

std::string_view SkipLeadingControlBytes(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) >= 0x01 &&
           static_cast<unsigned char>(text[i]) <= 0x20) {
        ++i;
    }
    return text.substr(i);
}

std::string_view TrimTrailingBlanks(std::string_view text) {
    while (!text.empty() && IsProfileBlank(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

}  // namespace

std::optional<ProfileCall> PrepareProfileCall(std::string_view path, std::string_view section,
                                              std::string_view key) {
    const std::string_view p = SkipLeadingControlBytes(UpToZeroByte(path));
    const std::string_view s = TrimTrailingBlanks(SkipLeadingControlBytes(UpToZeroByte(section)));
    const std::string_view k = TrimTrailingBlanks(SkipLeadingControlBytes(UpToZeroByte(key)));
    if (p.empty() || s.empty() || k.empty()) return std::nullopt;
    return ProfileCall{std::string(p), std::string(s), std::string(k)};
}

std::string_view OneLineValue(std::string_view value) {
    return value.substr(0, value.find_first_of(std::string_view("\0\r\n", 3)));
}
