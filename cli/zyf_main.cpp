// zyf: the pinyin of Chinese text on the command line.
#include <string>
#include <vector>

#include "cli/binary_stdio.h"

#include "cli/zyf_stdio.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char** argv) {
    PrepareBinaryStdio();
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
