#include "cli/zyf_stdio.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

std::string ErrnoText(int error) { return error != 0 ? std::strerror(error) : "input/output error"; }

// Reads a stream straight into the tail of the caller's text. Owns the stream when asked to.
class StreamSource : public ZyfSource {
public:
    StreamSource(std::FILE* f, bool owned, std::size_t size) : f_(f), owned_(owned), left_(size) {}
    ~StreamSource() override {
        if (owned_) std::fclose(f_);
    }
    StreamSource(const StreamSource&) = delete;
    StreamSource& operator=(const StreamSource&) = delete;

    bool Read(char* buffer, std::size_t size, std::size_t& got, std::string& reason) override {
        errno = 0;
        got = std::fread(buffer, 1, size, f_);
        const int error = errno;
        left_ -= std::min(left_, got);
        if (got < size && std::ferror(f_)) {
            reason = ErrnoText(error);
            return false;
        }
        return true;
    }

    std::size_t SizeHint() const override { return left_; }

private:
    std::FILE* f_;
    bool owned_;
    std::size_t left_;
};

}  // namespace

std::unique_ptr<ZyfSource> StdioZyfIo::OpenFile(const std::string& path, std::string& reason) {
    // A folder opens on some systems and fails only when read; it is refused up front so
    // that nothing has been written when zyf stops.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        reason = ErrnoText(EISDIR);
        return nullptr;
    }
    errno = 0;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        reason = ErrnoText(errno);
        return nullptr;
    }
    const auto size = std::filesystem::file_size(path, ignored);
    return std::make_unique<StreamSource>(f, true, ignored ? 0 : static_cast<std::size_t>(size));
}

std::unique_ptr<ZyfSource> StdioZyfIo::StandardInput() { return std::make_unique<StreamSource>(in_, false, 0); }

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
