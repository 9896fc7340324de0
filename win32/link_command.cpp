#include "win32/link_command.h"

namespace {

bool NeedsEscape(unsigned char byte) { return byte <= 0x20 || byte == '"' || byte == 0x7F; }

}  // namespace

GbkText EscapeAddressForCommandLine(std::string_view address) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    GbkText out;
    out.reserve(address.size());
    for (char c : address) {
        const auto byte = static_cast<unsigned char>(c);
        if (NeedsEscape(byte)) {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        } else {
            out += c;
        }
    }
    return out;
}

GbkText BrowserCommandLine(std::string_view startCommand, std::string_view address) {
    return ConcatText({startCommand, " ", EscapeAddressForCommandLine(address)});
}
