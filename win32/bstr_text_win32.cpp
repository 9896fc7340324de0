#include "win32/bstr_text_win32.h"

#include <climits>

UniqueBstr ToBstr(std::string_view text) {
    if (text.size() > INT_MAX) return UniqueBstr();
    const int length = static_cast<int>(text.size());
    const int wide = length == 0 ? 0 : MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    UniqueBstr out(SysAllocStringLen(nullptr, static_cast<UINT>(wide)));
    if (out && wide > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), length, out.Get(), wide);
    return out;
}

std::string FromWide(const wchar_t* text, std::size_t length) {
    if (!text || length == 0 || length > INT_MAX) return {};
    const int wide = static_cast<int>(length);
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, wide, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return {};
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, wide, out.data(), bytes, nullptr, nullptr);
    return out;
}

std::string FromBstr(BSTR text) { return FromWide(text, text ? SysStringLen(text) : 0); }
