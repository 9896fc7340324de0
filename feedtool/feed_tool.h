// zyf-feed from command line to exit status, over an exchangeable set of streams.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Where zyf-feed reads and writes: files and the standard streams in the program, memory in
// tests. Failures give a reason for the message (such as strerror's).
class FeedToolIo {
public:
    virtual ~FeedToolIo() = default;
    // The whole file, or the whole of standard input.
    virtual bool ReadFile(const std::string& path, std::string& bytes, std::string& reason) = 0;
    virtual bool ReadStandardInput(std::string& bytes, std::string& reason) = 0;
    virtual bool WriteOutput(std::string_view bytes, std::string& reason) = 0;
    virtual void WriteError(std::string_view text) = 0;
};

// Runs zyf-feed with args (without the program name). Exit status: 0 done; 1 the input
// cannot be read, converted or deciphered, or the output cannot be written; 2 a bad
// command line.
int RunFeedTool(const std::vector<std::string>& args, FeedToolIo& io);
