#include "feedtool/feed_tool_stdio.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

namespace {

std::string ErrnoText(int error) { return error != 0 ? std::strerror(error) : "input/output error"; }

struct FileClose {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

bool ReadAll(std::FILE* f, std::string& bytes, std::string& reason) {
    bytes.clear();
    char buffer[65536];
    for (;;) {
        errno = 0;
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, f);
        const int error = errno;
        bytes.append(buffer, got);
        if (got < sizeof buffer) {
            if (std::ferror(f)) {
                reason = ErrnoText(error);
                return false;
            }
            return true;
        }
    }
}

}  // namespace

bool StdioFeedToolIo::ReadFile(const std::string& path, std::string& bytes, std::string& reason) {
    // A folder opens on some systems and fails only when read.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        reason = ErrnoText(EISDIR);
        return false;
    }
    errno = 0;
    const std::unique_ptr<std::FILE, FileClose> f(std::fopen(path.c_str(), "rb"));
    if (!f) {
        reason = ErrnoText(errno);
        return false;
    }
    return ReadAll(f.get(), bytes, reason);
}

bool StdioFeedToolIo::ReadStandardInput(std::string& bytes, std::string& reason) {
    return ReadAll(in_, bytes, reason);
}

bool StdioFeedToolIo::WriteOutput(std::string_view bytes, std::string& reason) {
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), out_) != bytes.size() || std::fflush(out_) != 0) {
        reason = ErrnoText(errno);
        return false;
    }
    return true;
}

void StdioFeedToolIo::WriteError(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), err_);
    std::fflush(err_);
}
