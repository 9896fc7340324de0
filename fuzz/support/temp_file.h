// One file in a folder of this process's own under the system's temporary folder, for the
// targets that read settings through the real file layer. The folder goes when the process ends.
#pragma once

#include <string>
#include <string_view>

// The path of the file (not created); the same for every call in one process.
const std::string& FuzzTempFilePath();
// Writes bytes as the whole file.
void WriteFuzzTempFile(std::string_view bytes);
// The whole file, or nothing when it is missing.
bool ReadFuzzTempFile(std::string& bytes);
void RemoveFuzzTempFile();
