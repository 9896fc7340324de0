// Standard streams of the command-line tools, set up the same way in both.
#pragma once

#include <csignal>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

inline void PrepareBinaryStdio() {
#ifdef _WIN32
    // Bytes pass unchanged: no CR LF translation, no end at a 0x1A byte.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#else
    // A reader that goes away turns into a failed write (status 1) instead of a killed process.
    std::signal(SIGPIPE, SIG_IGN);
#endif
}
