// zyf: the pinyin of Chinese text on the command line.
#include <csignal>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/zyf_stdio.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // Bytes pass unchanged: no CR LF translation, no end at a 0x1A byte.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#else
    // A reader that goes away turns into a failed write (status 1) instead of a killed process.
    std::signal(SIGPIPE, SIG_IGN);
#endif
#ifdef __GLIBC__
    // Every piece of the text allocates and frees buffers of a few megabytes. Kept by the
    // allocator rather than handed back to the system after each piece, they are reused
    // without fresh page faults, which cost more than the conversion itself.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
    const std::vector<std::string> args(argv + 1, argv + argc);
    StdioZyfIo io;
    return RunZyf(args, io);
}
