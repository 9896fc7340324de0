#include "fuzz/support/temp_file.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include <unistd.h>

namespace {

// A memory file system when there is one and TMPDIR names no other place: the profile writer
// syncs every file it replaces, which on a disk would make these runs a hundred times slower.
std::filesystem::path Base() {
    std::error_code ignored;
    if (!std::getenv("TMPDIR") && std::filesystem::is_directory("/dev/shm", ignored) && ::access("/dev/shm", W_OK) == 0) {
        return "/dev/shm";
    }
    return std::filesystem::temp_directory_path();
}

struct TempFolder {
    TempFolder() {
        std::string pattern = (Base() / "zyf-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        folder = pattern;
        file = folder + "/settings.ini";
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    std::string folder;
    std::string file;
};

TempFolder& Folder() {
    static TempFolder folder;
    return folder;
}

}  // namespace

const std::string& FuzzTempFilePath() { return Folder().file; }

void WriteFuzzTempFile(std::string_view bytes) {
    std::ofstream out(FuzzTempFilePath(), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        std::perror("writing the temporary settings file");
        std::abort();
    }
}

bool ReadFuzzTempFile(std::string& bytes) {
    std::ifstream in(FuzzTempFilePath(), std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

void RemoveFuzzTempFile() {
    std::error_code ignored;
    std::filesystem::remove(FuzzTempFilePath(), ignored);
}
