// zyf's streams in the program: files opened in binary, the process's standard streams.
#pragma once

#include <cstdio>

#include "cli/zyf_run.h"

class StdioZyfIo : public ZyfIo {
public:
    // Defaults are the process's streams; stdin and stdout must be in binary mode.
    explicit StdioZyfIo(std::FILE* in = stdin, std::FILE* out = stdout, std::FILE* err = stderr)
        : in_(in), out_(out), err_(err) {}

    std::unique_ptr<ZyfSource> OpenFile(const std::string& path, std::string& reason) override;
    std::unique_ptr<ZyfSource> StandardInput() override;
    bool WriteOutput(std::string_view bytes, std::string& reason) override;
    bool FinishOutput(std::string& reason) override;
    void WriteError(std::string_view text) override;

private:
    std::FILE* in_;
    std::FILE* out_;
    std::FILE* err_;
};
