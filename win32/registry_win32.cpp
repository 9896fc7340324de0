#include "win32/registry_win32.h"

#include <string>

#include "win32/handles_win32.h"

namespace {

// A stored string need not end in a zero, and may hold more than one; it ends at the first.
GbkText UpToFirstZero(const std::string& bytes) { return bytes.substr(0, bytes.find('\0')); }

GbkText Expand(const GbkText& text) {
    // The size reported may count characters rather than bytes (Wine does so), so the
    // buffer has room for two bytes a character, and the text is taken up to its zero.
    const DWORD reported = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (reported == 0) return text;
    std::string out(2 * static_cast<std::size_t>(reported) + 2, '\0');
    const DWORD written = ExpandEnvironmentStringsA(text.c_str(), out.data(), static_cast<DWORD>(out.size()));
    if (written == 0 || written > out.size()) return text;
    return UpToFirstZero(out);
}

}  // namespace

GbkText ReadMachineDefaultText(std::string_view subKey, std::string_view fallback) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, GbkText(subKey).c_str(), 0, KEY_QUERY_VALUE, &opened) !=
        ERROR_SUCCESS) {
        return GbkText(fallback);
    }
    const UniqueRegKey key(opened);

    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExA(key.Get(), nullptr, nullptr, &type, nullptr, &size);
    std::string bytes;
    // The value can grow between asking for its size and reading it.
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        if (type != REG_SZ && type != REG_EXPAND_SZ) return GbkText(fallback);
        bytes.assign(size, '\0');
        DWORD got = size;
        status = RegQueryValueExA(key.Get(), nullptr, nullptr, &type,
                                  reinterpret_cast<BYTE*>(bytes.data()), &got);
        if (status == ERROR_SUCCESS) {
            bytes.resize(got);
            break;
        }
        if (status == ERROR_MORE_DATA) size = got;
    }
    if (status != ERROR_SUCCESS) return GbkText(fallback);
    if (type == REG_SZ) return UpToFirstZero(bytes);
    if (type == REG_EXPAND_SZ) return Expand(UpToFirstZero(bytes));
    return GbkText(fallback);
}
