// The lines of an INI file, read and edited as text: what the Windows profile functions find
// in a file, and the file's text after one key is written. Every line the write does not
// change stays exactly as it was.
#include "profile/ini_lines.h"

#include <optional>
#include <vector>

#include "profile/profile.h"
#include "profile/profile_rules.h"
#include "text/gbk_char.h"

namespace {

// A trail byte may look like '[' or ']' or a letter, so the reader steps over whole
// characters as the Windows profile functions pair them; CR and LF are never trail bytes,
// so a line never ends inside one.
std::size_t CharWidth(std::string_view text, std::size_t i) { return ProfileCharWidthAt(text, i); }

// Names match without regard to the case of ASCII letters; two-byte characters must be equal.
bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size();) {
        const std::size_t w = CharWidth(a, i);
        if (w == 2) {
            if (CharWidth(b, i) != 2 || a.compare(i, 2, b, i, 2) != 0) return false;
        } else {
            const auto x = static_cast<unsigned char>(a[i]);
            const auto y = static_cast<unsigned char>(b[i]);
            if (AsciiLower(x) != AsciiLower(y) || CharWidth(b, i) != 1) return false;
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
    return CutOnCharBoundary(value, kMaxProfileValue, GbkStepRule::ProfilePairs);
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

}  // namespace

std::optional<GbkText> ReadIniValue(std::string_view text, std::string_view section, std::string_view key) {
    const std::vector<IniLine> lines = SplitLines(text);
    const KeyLocation at = FindKey(text, lines, section, key);
    if (!at.key) return std::nullopt;
    const IniLine& line = lines[*at.key];
    const std::string_view value = text.substr(line.valueBegin, line.valueEnd - line.valueBegin);
    return GbkText(CutToReadBuffer(StripQuotes(UpToZeroByte(value))));
}

GbkText IniDefaultValue(std::string_view defaultText) {
    // Windows cuts trailing blanks off the default.
    return GbkText(CutToReadBuffer(StripTrailingSpaces(UpToZeroByte(defaultText))));
}

// The file's text after the key has been given the value: in place when the key is there,
// else a new line at the end of its section, else a new section at the end of the file.
std::string WriteIniValue(std::string_view text, std::string_view section, std::string_view key,
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

