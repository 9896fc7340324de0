// The parts of the file replacement that both systems share.
#include "profile/file_replace.h"

#include <cstdio>
#include <memory>

#include "profile/file_replace_internal.h"

std::optional<std::string> ReadWholeFile(const std::string& path) {
    UniqueFile f(std::fopen(path.c_str(), "rb"));
    if (!f) return std::nullopt;
    std::string bytes;
    char buffer[1 << 16];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0) bytes.append(buffer, n);
    if (std::ferror(f.get())) return std::nullopt;
    return bytes;
}

bool WriteAll(std::FILE* f, std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() && std::fflush(f) == 0;
}

// The new bytes first, then the file is cut to their length, so the old text is never cut
// away before its replacement is on disk. This keeps the file itself (owner, rights, links),
// as the Windows profile functions do.
bool RewriteInPlace(const std::string& path, std::string_view bytes) {
    UniqueFile f(std::fopen(path.c_str(), "r+b"));
    if (!f || !WriteAll(f.get(), bytes)) return false;
    return CutFileTo(f.get(), bytes.size());
}
