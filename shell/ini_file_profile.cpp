// The portable INI reader and writer. It reads like GetPrivateProfileStringA and writes
// like WritePrivateProfileStringA, but edits the file's bytes instead of rebuilding the
// file, so every line it does not change stays exactly as it was.
#include "shell/profile.h"

#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/profile_rules.h"

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

// ---- Reading the text of a file ---------------------------------------------------------

// Code page 936: a lead byte 0x81..0xFE and a trail byte 0x40..0x7E or 0x80..0xFE make one
// character. A trail byte may look like '[' or ']' or a letter, so the reader steps over
// whole characters; CR and LF are never trail bytes, so a line never ends inside one.
std::size_t CharWidth(std::string_view text, std::size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x81 || lead > 0xFE || i + 1 >= text.size()) return 1;
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE) ? 2 : 1;
}

// Names match without regard to the case of ASCII letters; two-byte characters must be equal.
bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size();) {
        const std::size_t w = CharWidth(a, i);
        if (w == 2) {
            if (CharWidth(b, i) != 2 || a.compare(i, 2, b, i, 2) != 0) return false;
        } else {
            auto x = static_cast<unsigned char>(a[i]);
            auto y = static_cast<unsigned char>(b[i]);
            if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
            if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
            if (x != y || CharWidth(b, i) != 1) return false;
        }
        i += w;
    }
    return true;
}

enum class LineKind { Blank, Section, Key, Other };

// One line of the file as byte offsets into its text.
struct IniLine {
    std::size_t begin = 0;      // first byte of the line
    std::size_t end = 0;        // end of its content, before the line end
    std::size_t next = 0;       // first byte of the next line
    LineKind kind = LineKind::Blank;
    std::size_t nameBegin = 0;  // section name inside the brackets, or key name
    std::size_t nameEnd = 0;
    std::size_t valueBegin = 0;  // value after '=' without the blanks around it
    std::size_t valueEnd = 0;
};

IniLine ClassifyLine(std::string_view text, std::size_t begin, std::size_t end, std::size_t next) {
    IniLine line{begin, end, next};
    std::size_t b = begin;
    std::size_t e = end;
    while (b < e && IsProfileBlank(static_cast<unsigned char>(text[b]))) ++b;
    while (e > b && IsProfileBlank(static_cast<unsigned char>(text[e - 1]))) --e;
    if (b == e) return line;

    // A section header runs from '[' to the last ']' of the line; what follows is ignored,
    // and so are blanks around the name.
    std::size_t lastBracket = std::string_view::npos;
    std::size_t equals = std::string_view::npos;
    for (std::size_t i = b; i < e; i += CharWidth(text, i)) {
        if (CharWidth(text, i) != 1) continue;
        if (text[i] == ']') lastBracket = i;
        if (text[i] == '=' && equals == std::string_view::npos) equals = i;
    }
    if (text[b] == '[' && lastBracket != std::string_view::npos) {
        line.kind = LineKind::Section;
        line.nameBegin = b + 1;
        line.nameEnd = lastBracket;
        while (line.nameBegin < line.nameEnd && IsProfileBlank(static_cast<unsigned char>(text[line.nameBegin]))) {
            ++line.nameBegin;
        }
        while (line.nameEnd > line.nameBegin && IsProfileBlank(static_cast<unsigned char>(text[line.nameEnd - 1]))) {
            --line.nameEnd;
        }
        return line;
    }
    // A line without '=' is no key (a comment, or stray text).
    if (equals == std::string_view::npos) {
        line.kind = LineKind::Other;
        return line;
    }
    line.kind = LineKind::Key;
    line.nameBegin = b;
    line.nameEnd = equals;
    while (line.nameEnd > b && IsProfileBlank(static_cast<unsigned char>(text[line.nameEnd - 1]))) --line.nameEnd;
    line.valueBegin = equals + 1;
    while (line.valueBegin < e && IsProfileBlank(static_cast<unsigned char>(text[line.valueBegin]))) ++line.valueBegin;
    line.valueEnd = e;
    return line;
}

// Lines end at LF, CR LF or a lone CR, as the Windows reader takes them.
std::vector<IniLine> SplitLines(std::string_view text) {
    std::vector<IniLine> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find_first_of("\r\n", begin);
        std::size_t next;
        if (end == std::string_view::npos) {
            end = next = text.size();
        } else {
            next = end + 1;
            if (text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
        }
        lines.push_back(ClassifyLine(text, begin, end, next));
        begin = next;
    }
    return lines;
}

std::string_view NameOf(std::string_view text, const IniLine& line) {
    return text.substr(line.nameBegin, line.nameEnd - line.nameBegin);
}

struct KeyLocation {
    std::optional<std::size_t> section;  // index of the section's header line
    std::optional<std::size_t> key;      // index of the key's line
    std::size_t lastLineOfSection = 0;   // last non-blank line of the section (its header at least)
};

// Only the first section of a name counts, and in it only the first line of a key, as on
// Windows: a repeated section or key is never read and never written.
KeyLocation FindKey(std::string_view text, const std::vector<IniLine>& lines, std::string_view section,
                    std::string_view key) {
    KeyLocation found;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind != LineKind::Section || !SameName(NameOf(text, lines[i]), section)) continue;
        found.section = i;
        found.lastLineOfSection = i;
        for (std::size_t j = i + 1; j < lines.size() && lines[j].kind != LineKind::Section; ++j) {
            if (lines[j].kind == LineKind::Blank) continue;
            found.lastLineOfSection = j;
            if (!found.key && lines[j].kind == LineKind::Key && SameName(NameOf(text, lines[j]), key)) {
                found.key = j;
            }
        }
        break;
    }
    return found;
}

// At most kMaxProfileValue bytes, never half a two-byte character.
std::string_view CutToReadBuffer(std::string_view value) {
    if (value.size() <= kMaxProfileValue) return value;
    std::size_t n = 0;
    while (n < value.size()) {
        const std::size_t w = CharWidth(value, n);
        if (n + w > kMaxProfileValue) break;
        n += w;
    }
    return value.substr(0, n);
}

// A value wrapped in one pair of matching quotes loses them.
std::string_view StripQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::string_view StripTrailingSpaces(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// The file's text after the key has been given the value: in place when the key is there,
// else a new line at the end of its section, else a new section at the end of the file.
std::string EditedText(std::string_view text, std::string_view section, std::string_view key,
                       std::string_view value) {
    const std::vector<IniLine> lines = SplitLines(text);
    const KeyLocation at = FindKey(text, lines, section, key);
    std::string out;
    out.reserve(text.size() + section.size() + key.size() + value.size() + 8);
    if (at.key) {
        const IniLine& line = lines[*at.key];
        out.append(text.substr(0, line.valueBegin));
        out.append(value);
        out.append(text.substr(line.valueEnd));
        return out;
    }
    const std::string entry = std::string(key) + "=" + std::string(value) + "\r\n";
    if (at.section) {
        const IniLine& last = lines[at.lastLineOfSection];
        out.append(text.substr(0, last.next));
        if (last.next == last.end) out.append("\r\n");  // the file ended without a line end
        out.append(entry);
        out.append(text.substr(last.next));
        return out;
    }
    out.append(text);
    if (!out.empty() && out.back() != '\n' && out.back() != '\r') out.append("\r\n");
    out.append("[").append(section).append("]\r\n").append(entry);
    return out;
}

// ---- Files ---------------------------------------------------------------------------

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

enum class FileState { Missing, Regular, Other };

FileState StateOf(const std::string& path, bool* writable) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return FileState::Missing;
    // A file with no write permission at all is read-only, as the read-only attribute is
    // on Windows: it stays untouched even for a user whose rights would override it.
#ifdef _WIN32
    *writable = (st.st_mode & _S_IWRITE) != 0;
#else
    *writable = (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
#endif
    return S_ISREG(st.st_mode) ? FileState::Regular : FileState::Other;
}

// The whole file; nothing when it cannot be read (missing, a folder, no rights).
std::optional<std::string> ReadWholeFile(const std::string& path) {
    UniqueFile f(std::fopen(path.c_str(), "rb"));
    if (!f) return std::nullopt;
    std::string bytes;
    char buffer[1 << 16];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0) bytes.append(buffer, n);
    if (std::ferror(f.get())) return std::nullopt;
    return bytes;
}

bool WriteAll(std::FILE* f, std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() && std::fflush(f) == 0;
}

// Rewrites an existing file in place: the new bytes first, then the file is cut to their
// length, so the old text is never cut away before its replacement is on disk. This keeps
// the file itself (owner, rights, links), as the Windows profile functions do.
bool RewriteInPlace(const std::string& path, std::string_view bytes) {
    UniqueFile f(std::fopen(path.c_str(), "r+b"));
    if (!f || !WriteAll(f.get(), bytes)) return false;
#ifdef _WIN32
    return _chsize_s(_fileno(f.get()), static_cast<long long>(bytes.size())) == 0;
#else
    return ::ftruncate(fileno(f.get()), static_cast<off_t>(bytes.size())) == 0;
#endif
}

#ifndef _WIN32
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool FolderWritable(const std::string& folder) {
    struct stat st {};
    return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
           (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(folder.c_str(), W_OK) == 0;
}

// Writes a new file beside the old one and renames it over the old one, so that a failure
// at any point leaves the old file whole. The new file takes the old one's rights and owner.
bool ReplaceByRename(const std::string& path, std::string_view bytes, const struct stat* old) {
    static std::atomic<unsigned> counter{0};
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = path + "." + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp";
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    bool ok = true;
    for (std::size_t done = 0; ok && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    if (ok && old) {
        ok = ::fchmod(fd, old->st_mode & 07777) == 0;
        if (ok && ::fchown(fd, old->st_uid, old->st_gid) != 0) {
            // Only a privileged writer can hand the file back to its owner; keep going.
        }
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}
#endif

// Saves the whole text. Silent on failure; a file or folder that cannot be written keeps
// what it had.
void SaveWholeFile(const std::string& path, std::string_view bytes, bool existed) {
#ifdef _WIN32
    if (existed) {
        RewriteInPlace(path, bytes);
        return;
    }
    UniqueFile f(std::fopen(path.c_str(), "wb"));
    if (f && !WriteAll(f.get(), bytes)) {
        f.reset();
        std::remove(path.c_str());
    }
#else
    struct stat link {};
    const bool isLink = ::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode);
    struct stat old {};
    if (existed && ::stat(path.c_str(), &old) != 0) return;
    // A link is written through, so that it stays a link. A folder that takes no new file
    // leaves the in-place rewrite, which a writable file still allows.
    if (!isLink && FolderWritable(FolderOf(path))) {
        ReplaceByRename(path, bytes, existed ? &old : nullptr);
    } else if (existed) {
        RewriteInPlace(path, bytes);
    }
#endif
}

class IniFileProfile final : public Profile {
public:
    explicit IniFileProfile(std::string path) : path_(std::move(path)) {}

    GbkText Read(std::string_view section, std::string_view key, std::string_view defaultText) override {
        const auto call = PrepareProfileCall(path_, section, key);
        if (!call) return {};
        // Windows cuts trailing blanks off the default.
        const std::string_view fallback = CutToReadBuffer(StripTrailingSpaces(UpToZeroByte(defaultText)));
        const auto text = ReadWholeFile(call->path);
        if (!text) return GbkText(fallback);
        const std::vector<IniLine> lines = SplitLines(*text);
        const KeyLocation at = FindKey(*text, lines, call->section, call->key);
        if (!at.key) return GbkText(fallback);
        const IniLine& line = lines[*at.key];
        std::string_view value(text->data() + line.valueBegin, line.valueEnd - line.valueBegin);
        return GbkText(CutToReadBuffer(StripQuotes(UpToZeroByte(value))));
    }

    void Write(std::string_view section, std::string_view key, std::string_view value) override {
        const auto call = PrepareProfileCall(path_, section, key);
        if (!call) return;
        bool writable = false;
        const FileState state = StateOf(call->path, &writable);
        if (state == FileState::Other || (state == FileState::Regular && !writable)) return;
        std::string old;
        if (state == FileState::Regular) {
            auto text = ReadWholeFile(call->path);
            if (!text) return;  // unreadable: writing would lose what is there
            old = std::move(*text);
        }
        const std::string edited = EditedText(old, call->section, call->key, OneLineValue(value));
        if (state == FileState::Regular && edited == old) return;
        SaveWholeFile(call->path, edited, state == FileState::Regular);
    }

private:
    std::string path_;
};

}  // namespace

std::unique_ptr<Profile> OpenIniFileProfile(std::string path) {
    return std::make_unique<IniFileProfile>(std::move(path));
}

#ifndef _WIN32
// Without the Windows profile functions the program reads and writes its INI files itself.
std::unique_ptr<Profile> OpenPlatformProfile(std::string path) {
    return OpenIniFileProfile(std::move(path));
}
#endif
