// Paths for tests: the source tree, and a fresh temporary folder per test.
#pragma once

#include <string>

// Absolute path of a file of the source tree, usable by the build under test.
std::string SourcePath(const std::string& relative);

// A new empty folder that is removed with everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    // Path of a file inside the folder, joined with the platform's separator.
    std::string File(const std::string& name) const;

private:
    std::string path_;
};

// Whole-file helpers for fixtures.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
