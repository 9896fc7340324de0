// A stand-in web browser for the link opener's tests: records how it was started in a file
// beside itself, named after its process id, and exits.
//
// The file holds the whole command line, then each argument as the C runtime split it, one
// per line. It is written under a temporary name and renamed, so a reader sees it whole.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "win32/windows_h_win32.h"

int main(int argc, char** argv) {
    char self[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 2;
    std::string folder(self, length);
    folder.erase(folder.find_last_of('\\') + 1);

    std::string record = GetCommandLineA();
    record += "\n";
    for (int i = 0; i < argc; ++i) {
        record += argv[i];
        record += "\n";
    }

    const std::string name = folder + "command_line_" + std::to_string(GetCurrentProcessId()) + ".txt";
    const std::string part = name + ".part";
    FILE* out = std::fopen(part.c_str(), "wb");
    if (!out) return 3;
    const bool written = std::fwrite(record.data(), 1, record.size(), out) == record.size();
    if (std::fclose(out) != 0 || !written) return 4;
    return MoveFileA(part.c_str(), name.c_str()) ? 0 : 5;
}
