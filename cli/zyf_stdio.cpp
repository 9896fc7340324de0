#include "cli/zyf_stdio.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

namespace {

// Reads go straight into the free room of the text; it grows by half when less than a
// small piece is left.
constexpr std::size_t kReadPiece = std::size_t{1} << 20;
constexpr std::size_t kSmallestRoom = std::size_t{1} << 16;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

std::string ErrnoText(int error) {
    return error != 0 ? std::strerror(error) : "input/output error";
}

// Reads f to its end into the tail of text.
bool AppendStream(std::FILE* f, std::string& text, std::string& reason) {
    for (;;) {
        const std::size_t old = text.size();
        if (text.capacity() - old < kSmallestRoom) text.reserve(old + std::max(old / 2, kReadPiece));
        const std::size_t room = text.capacity() - old;
        text.resize(old + room);
        errno = 0;
        const std::size_t got = std::fread(text.data() + old, 1, room, f);
        text.resize(old + got);
        if (got == room) continue;
        if (std::ferror(f)) {
            reason = ErrnoText(errno);
            return false;
        }
        return true;
    }
}

}  // namespace

bool StdioZyfIo::AppendFile(const std::string& path, std::string& text, std::string& reason) {
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(path.c_str(), "rb"));
    if (!f) {
        reason = ErrnoText(errno);
        return false;
    }
    // The size known up front spares the growing copies of a large file.
    std::error_code ignored;
    const auto size = std::filesystem::file_size(path, ignored);
    if (!ignored && size > 0) {
        const std::size_t needed = text.size() + static_cast<std::size_t>(size) + 1;
        if (needed > text.capacity()) text.reserve(std::max(needed, text.size() + text.size() / 2));
    }
    return AppendStream(f.get(), text, reason);
}

bool StdioZyfIo::AppendStandardInput(std::string& text, std::string& reason) {
    return AppendStream(in_, text, reason);
}

bool StdioZyfIo::WriteOutput(std::string_view bytes, std::string& reason) {
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), out_) == bytes.size()) return true;
    reason = ErrnoText(errno);
    return false;
}

bool StdioZyfIo::FinishOutput(std::string& reason) {
    errno = 0;
    if (std::fflush(out_) == 0 && !std::ferror(out_)) return true;
    reason = ErrnoText(errno);
    return false;
}

void StdioZyfIo::WriteError(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), err_);
    std::fflush(err_);
}
