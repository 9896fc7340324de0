// zyf from command line to exit status, over an exchangeable set of streams.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Where zyf reads and writes: files and the standard streams in the program, memory in tests.
// Reads append to text; failures give a reason for the message (such as strerror's).
class ZyfIo {
public:
    virtual ~ZyfIo() = default;
    virtual bool AppendFile(const std::string& path, std::string& text, std::string& reason) = 0;
    virtual bool AppendStandardInput(std::string& text, std::string& reason) = 0;
    virtual bool WriteOutput(std::string_view bytes, std::string& reason) = 0;
    // After the last write: whatever is still buffered goes out.
    virtual bool FinishOutput(std::string& reason) = 0;
    virtual void WriteError(std::string_view text) = 0;
};

// Runs zyf with args (without the program name). Exit status: 0 done, 1 a file, the input or
// the output failed, 2 a bad command line.
int RunZyf(const std::vector<std::string>& args, ZyfIo& io);
