#include "win32/clipboard_win32.h"

#include <cstring>

namespace {

// Another process may hold the clipboard for a moment (a clipboard viewer reading what was
// just written, a remote-desktop client), so opening is tried a few times before giving up.
constexpr int kOpenAttempts = 5;
constexpr DWORD kRetryDelayMs = 10;

class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) {
        for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
            if (attempt > 0) Sleep(kRetryDelayMs);
            if (OpenClipboard(owner)) {
                open_ = true;
                return;
            }
        }
    }
    ~OpenedClipboard() {
        if (open_) CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;

    bool IsOpen() const { return open_; }

private:
    bool open_ = false;
};

// Holds a locked global memory block.
class LockedGlobal {
public:
    explicit LockedGlobal(HGLOBAL memory) : memory_(memory), data_(GlobalLock(memory)) {}
    ~LockedGlobal() {
        if (data_) GlobalUnlock(memory_);
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;

    void* Data() const { return data_; }

private:
    HGLOBAL memory_;
    void* data_;
};

}  // namespace

GbkText ReadClipboardText(HWND owner) {
    OpenedClipboard clipboard(owner);
    if (!clipboard.IsOpen()) return {};
    HANDLE memory = GetClipboardData(CF_TEXT);
    if (!memory) return {};
    LockedGlobal lock(memory);
    const auto* data = static_cast<const char*>(lock.Data());
    if (!data) return {};
    // The text ends at its first zero byte and never runs past the block, whatever another
    // program put there; a block of unknown size is trusted to end in a zero.
    const SIZE_T size = GlobalSize(memory);
    if (size == 0) return GbkText(data);
    const void* end = std::memchr(data, 0, size);
    return GbkText(data, end ? static_cast<const char*>(end) - data : size);
}

bool WriteClipboardText(HWND owner, std::string_view text) {
    // A text with a zero byte ends there, as CF_TEXT does.
    text = text.substr(0, text.find('\0'));
    OpenedClipboard clipboard(owner);
    if (!clipboard.IsOpen()) return false;
    if (!EmptyClipboard()) return false;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!memory) return false;
    {
        LockedGlobal lock(memory);
        if (!lock.Data()) {
            GlobalFree(memory);
            return false;
        }
        auto* data = static_cast<char*>(lock.Data());
        std::memcpy(data, text.data(), text.size());
        data[text.size()] = '\0';
    }
    // On success the system owns the block; only a refused one is ours to free.
    if (!SetClipboardData(CF_TEXT, memory)) {
        GlobalFree(memory);
        return false;
    }
    return true;
}
