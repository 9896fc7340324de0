// Shared by the two systems' file replacement.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

bool WriteAll(std::FILE* f, std::string_view bytes);
// Rewrites an existing file in place.
bool RewriteInPlace(const std::string& path, std::string_view bytes);
// Cuts an open file to size bytes (each system's own call).
bool CutFileTo(std::FILE* f, std::size_t size);
