// zyf-feed: the enciphered payloads of the feed pages, for the people who write them.
#include <string>
#include <vector>

#include "cli/binary_stdio.h"

#include "feedtool/feed_tool_stdio.h"

int main(int argc, char** argv) {
    PrepareBinaryStdio();
    const std::vector<std::string> args(argv + 1, argv + argc);
    StdioFeedToolIo io;
    return RunFeedTool(args, io);
}
