// zyf-feed's streams in the program: files opened in binary, the process's standard streams.
#pragma once

#include <cstdio>

#include "feedtool/feed_tool.h"

class StdioFeedToolIo : public FeedToolIo {
public:
    // stdin and stdout must be in binary mode.
    explicit StdioFeedToolIo(std::FILE* in = stdin, std::FILE* out = stdout, std::FILE* err = stderr)
        : in_(in), out_(out), err_(err) {}

    bool ReadFile(const std::string& path, std::string& bytes, std::string& reason) override;
    bool ReadStandardInput(std::string& bytes, std::string& reason) override;
    bool WriteOutput(std::string_view bytes, std::string& reason) override;
    void WriteError(std::string_view text) override;

private:
    std::FILE* in_;
    std::FILE* out_;
    std::FILE* err_;
};
