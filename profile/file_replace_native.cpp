// File replacement on POSIX systems: a new file renamed over the old one.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "profile/file_replace.h"
#include "profile/file_replace_internal.h"

namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool FolderWritable(const std::string& folder) {
    struct stat st {};
    return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
           (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(folder.c_str(), W_OK) == 0;
}

// All bytes to the descriptor; a write that a signal interrupts is tried again.
bool WriteAllToDescriptor(int fd, std::string_view bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes a new file beside the old one and renames it over the old one, so that a failure
// at any point leaves the old file whole. The new file takes the old one's rights and owner.
bool ReplaceByRename(const std::string& path, std::string_view bytes, const struct stat* old) {
    static std::atomic<unsigned> counter{0};
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = path + "." + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp";
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    bool ok = WriteAllToDescriptor(fd, bytes);
    if (ok && old) {
        ok = ::fchmod(fd, old->st_mode & 07777) == 0;
        if (ok && ::fchown(fd, old->st_uid, old->st_gid) != 0) {
            // Only a privileged writer can hand the file back to its owner; keep going.
        }
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

}  // namespace

bool CutFileTo(std::FILE* f, std::size_t size) { return ::ftruncate(fileno(f), static_cast<off_t>(size)) == 0; }

FileState StateOf(const std::string& path, bool* writable) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return FileState::Missing;
    // Untouched even for a user whose rights would override a missing write permission.
    *writable = (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    return S_ISREG(st.st_mode) ? FileState::Regular : FileState::Other;
}

bool PathExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

void ReplaceFileText(const std::string& path, std::string_view bytes, bool existed) {
    struct stat link {};
    const bool isLink = ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode);
    struct stat old {};
    if (existed && ::stat(path.c_str(), &old) != 0) return;
    // A link is written through, so that it stays a link. A folder that takes no new file
    // leaves the in-place rewrite, which a writable file still allows.
    if (!isLink && FolderWritable(FolderOf(path))) {
        ReplaceByRename(path, bytes, existed ? &old : nullptr);
    } else if (existed) {
        RewriteInPlace(path, bytes);
    }
}

bool WriteFileExclusively(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    // No other writer while the file is cut and filled; the lock is taken before the cut.
    bool ok = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::ftruncate(fd, 0) == 0 && WriteAllToDescriptor(fd, bytes);
    ok = ::close(fd) == 0 && ok;
    return ok;
}
