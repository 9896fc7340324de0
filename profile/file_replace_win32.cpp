// File replacement on Windows: the file is rewritten in place, as the profile functions do.
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cstdio>
#include <memory>

#include "profile/file_replace.h"
#include "profile/file_replace_internal.h"

bool CutFileTo(std::FILE* f, std::size_t size) {
    return _chsize_s(_fileno(f), static_cast<long long>(size)) == 0;
}

FileState StateOf(const std::string& path, bool* writable) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return FileState::Missing;
    *writable = (st.st_mode & _S_IWRITE) != 0;
    return S_ISREG(st.st_mode) ? FileState::Regular : FileState::Other;
}

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void ReplaceFileText(const std::string& path, std::string_view bytes, bool existed) {
    if (existed) {
        RewriteInPlace(path, bytes);
        return;
    }
    UniqueFile f(std::fopen(path.c_str(), "wb"));
    if (f && !WriteAll(f.get(), bytes)) {
        f.reset();
        std::remove(path.c_str());
    }
}

bool WriteFileExclusively(const std::string& path, std::string_view bytes) {
    // Share mode 0: nobody else reads or writes the file while it is cut and filled.
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const std::unique_ptr<void, BOOL(WINAPI*)(HANDLE)> owner(file, CloseHandle);
    DWORD written = 0;
    const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    return ok && written == bytes.size();
}
