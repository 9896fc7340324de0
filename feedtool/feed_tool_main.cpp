// zyf-feed: the enciphered payloads of the feed pages, for the people who write them.
#include <csignal>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "feedtool/feed_tool_stdio.h"

int main(int argc, char** argv) {
#ifdef _WIN32
    // Bytes pass unchanged: no CR LF translation, no end at a 0x1A byte.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#else
    // A reader that goes away turns into a failed write (status 1) instead of a killed process.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    const std::vector<std::string> args(argv + 1, argv + argc);
    StdioFeedToolIo io;
    return RunFeedTool(args, io);
}
