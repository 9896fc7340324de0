// Whole-file reads and writes of the settings files, so that a failure at any point leaves
// the old file whole.
#pragma once

#include <optional>
#include <string>
#include <string_view>

enum class FileState { Missing, Regular, Other };

// What is at path; writable tells whether a regular file may be written (no write
// permission at all counts as read-only, as the read-only attribute does on Windows).
FileState StateOf(const std::string& path, bool* writable);

// True when anything (file or folder) exists at path.
bool PathExists(const std::string& path);

// The whole file; nothing when it cannot be read (missing, a folder, no rights).
std::optional<std::string> ReadWholeFile(const std::string& path);

// Saves the whole text of a file that existed (or is new when existed is false). Silent on
// failure: a file or folder that cannot be written keeps what it had.
void ReplaceFileText(const std::string& path, std::string_view bytes, bool existed);

// Creates or truncates the file with bytes, opened so that nobody else writes it meanwhile.
// False when the file could not be written.
bool WriteFileExclusively(const std::string& path, std::string_view bytes);
