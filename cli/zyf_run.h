// zyf from command line to exit status, over an exchangeable set of streams.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One input: a file or standard input, read front to back.
class ZyfSource {
public:
    virtual ~ZyfSource() = default;
    // Reads up to size bytes into buffer, fewer only at the end (got is 0 there); false on a
    // read error, with reason.
    virtual bool Read(char* buffer, std::size_t size, std::size_t& got, std::string& reason) = 0;
    // Bytes still to come when known (a regular file), else 0.
    virtual std::size_t SizeHint() const { return 0; }
};

// Where zyf reads and writes: files and the standard streams in the program, memory in tests.
// Failures give a reason for the message (such as strerror's).
class ZyfIo {
public:
    virtual ~ZyfIo() = default;
    // nullptr when the file cannot be opened.
    virtual std::unique_ptr<ZyfSource> OpenFile(const std::string& path, std::string& reason) = 0;
    virtual std::unique_ptr<ZyfSource> StandardInput() = 0;
    virtual bool WriteOutput(std::string_view bytes, std::string& reason) = 0;
    // After the last write: whatever is still buffered goes out.
    virtual bool FinishOutput(std::string& reason) = 0;
    virtual void WriteError(std::string_view text) = 0;
};

// The text is read, converted and written a piece of about this many bytes at a time.
inline constexpr std::size_t kZyfPieceSize = std::size_t{1} << 20;

// Runs zyf with args (without the program name). Exit status: 0 done, 1 a file, the input or
// the output failed, 2 a bad command line.
int RunZyf(const std::vector<std::string>& args, ZyfIo& io, std::size_t pieceSize = kZyfPieceSize);
