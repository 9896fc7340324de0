#include "tests/support/test_paths.h"

#include <atomic>
#include <random>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

std::string SourcePath(const std::string& relative) {
#ifdef _WIN32
    // Under Wine the Unix tree is drive Z:.
    std::string path = std::string("Z:") + ZYF_SOURCE_DIR + "/" + relative;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
#else
    return std::string(ZYF_SOURCE_DIR) + "/" + relative;
#endif
}

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    // <chrono> of g++ 12 holds a "µs" literal that code page 936 cannot express, so the
    // folder name comes from the random device instead of the clock.
    const auto stamp = std::random_device{}();
    std::ostringstream name;
    name << "zyf_test_" << stamp << "_" << counter++;
    fs::path dir = fs::temp_directory_path() / name.str();
    fs::create_directories(dir);
    path_ = dir.string();
}

TempDir::~TempDir() {
    std::error_code ignored;
    // A test may have made a file read-only; give rights back before removing.
    for (auto it = fs::recursive_directory_iterator(path_, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

std::string TempDir::File(const std::string& name) const {
#ifdef _WIN32
    return path_ + "\\" + name;
#else
    return path_ + "/" + name;
#endif
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path) {
    std::error_code ignored;
    return fs::exists(path, ignored);
}
