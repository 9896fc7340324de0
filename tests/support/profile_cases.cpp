#include "tests/support/profile_cases.h"

#include <cstdio>

#include "tests/support/test_paths.h"

using namespace std::string_view_literals;

namespace {

std::vector<ProfileCase> BuildCases() {
    // A value longer than the read buffer of 10,240 bytes.
    static const std::string longFile = "[general]\r\nkey=" + std::string(12000, 'a') + "\r\n";
    static const std::string longValue(kMaxProfileValue, 'a');

    return {
        // ---- Reads: where a value is found --------------------------------------------
        {.name = "MissingFileGivesDefault", .file = std::nullopt, .section = "general", .key = "key",
         .text = "d", .expected = "d"},
        {.name = "EmptyFileGivesDefault", .file = "", .section = "general", .key = "key", .text = "d",
         .expected = "d"},
        {.name = "MissingSectionGivesDefault", .file = "[other]\r\nkey=v\r\n", .section = "general",
         .key = "key", .text = "d", .expected = "d"},
        {.name = "MissingKeyGivesDefault", .file = "[general]\r\nother=v\r\n", .section = "general",
         .key = "key", .text = "d", .expected = "d"},
        {.name = "NamesIgnoreLetterCase", .file = "[GeNeRaL]\r\nFONT_Input=x\r\n", .section = "general",
         .key = "font_input", .text = "d", .expected = "x"},
        {.name = "NothingAfterEqualsIsEmptyNotDefault", .file = "[general]\r\nkey=\r\n", .section = "general",
         .key = "key", .text = "d", .expected = ""},
        {.name = "BlanksAroundKeyAndValueTrimmed",
         .file = "[general]\r\n \t key \t=\t  value with inner  blanks \t \r\n", .section = "general",
         .key = "key", .text = "d", .expected = "value with inner  blanks"},
        {.name = "BlankInsideKeyName", .file = "[general]\r\nmy key=v\r\n", .section = "general",
         .key = "my key", .text = "d", .expected = "v"},
        {.name = "EqualsInsideValueKept", .file = "[general]\r\nkey=a=b\r\n", .section = "general",
         .key = "key", .text = "d", .expected = "a=b"},
        {.name = "LineWithoutEqualsIsNoKey", .file = "[general]\r\nkey\r\n", .section = "general",
         .key = "key", .text = "d", .expected = "d"},
        {.name = "CommentLineIsNoKey", .file = "[general]\r\n;key=commented\r\nkey=v\r\n",
         .section = "general", .key = "key", .text = "d", .expected = "v"},
        {.name = "KeyBeforeAnySectionDoesNotCount", .file = "key=early\r\n[general]\r\nkey=v\r\n",
         .section = "general", .key = "key", .text = "d", .expected = "v"},
        {.name = "FileWithoutSectionGivesDefault", .file = "key=v\r\nother=w\r\n", .section = "general",
         .key = "key", .text = "d", .expected = "d"},
        {.name = "FirstOfRepeatedKeysCounts", .file = "[general]\r\nkey=first\r\nkey=second\r\n",
         .section = "general", .key = "key", .text = "d", .expected = "first"},
        {.name = "OnlyFirstOfRepeatedSectionsIsRead", .file = "[general]\r\na=1\r\n[general]\r\nkey=second\r\n",
         .section = "general", .key = "key", .text = "d", .expected = "d"},
        {.name = "HeaderWithTextAfterBracket", .file = "[general] ; settings\r\nkey=v\r\n",
         .section = "general", .key = "key", .text = "d", .expected = "v"},
        {.name = "BlanksInsideBracketsIgnored", .file = "[ general\t]\r\nkey=v\r\n", .section = "general",
         .key = "key", .text = "d", .expected = "v"},
        {.name = "IndentedHeader", .file = "  [general]\r\n  key=v\r\n", .section = "general", .key = "key",
         .text = "d", .expected = "v"},
        {.name = "HeaderWithoutClosingBracketIsNoHeader", .file = "[general\r\nkey=v\r\n",
         .section = "general", .key = "key", .text = "d", .expected = "d"},
        {.name = "LineFeedLineEnds", .file = "[general]\nkey=v\nb=2\n", .section = "general", .key = "key",
         .text = "d", .expected = "v"},
        {.name = "CarriageReturnLineEnds", .file = "[general]\rkey=v\rb=2\r", .section = "general",
         .key = "key", .text = "d", .expected = "v"},
        {.name = "LastLineWithoutLineEnd", .file = "[general]\r\nkey=v", .section = "general", .key = "key",
         .text = "d", .expected = "v"},
        {.name = "BinaryBytesBeforeSection", .file = "\x01\x02\x7f junk=\x80\xfe\r\n\x1a\r\n[general]\r\nkey=v\r\n"sv,
         .section = "general", .key = "key", .text = "d", .expected = "v"},
        {.name = "ValueCutToReadBuffer", .file = std::string_view(longFile), .section = "general", .key = "key",
         .text = "d", .expected = std::string_view(longValue)},

        // Windows takes no notice of a UTF-8 mark, so a header right behind it is no header;
        // Wine reads the file as UTF-8.
        {.name = "Utf8MarkBeforeFirstHeader", .file = "\xEF\xBB\xBF[general]\r\nkey=v\r\n", .section = "general",
         .key = "key", .text = "d", .expected = "d", .wineGives = "v"},
        {.name = "Utf8MarkOnItsOwnLine", .file = "\xEF\xBB\xBF\r\n[general]\r\nkey=v\r\n", .section = "general",
         .key = "key", .text = "d", .expected = "v"},

        // ---- Reads: quotes -----------------------------------------------------------------
        {.name = "DoubleQuotesRemoved", .file = "[general]\r\nkey=\"quoted\"\r\n", .section = "general",
         .key = "key", .text = "d", .expected = "quoted"},
        {.name = "SingleQuotesRemoved", .file = "[general]\r\nkey='quoted'\r\n", .section = "general",
         .key = "key", .text = "d", .expected = "quoted"},
        {.name = "QuotesKeepInnerBlanks", .file = "[general]\r\nkey = \" padded \" \r\n", .section = "general",
         .key = "key", .text = "d", .expected = " padded "},
        {.name = "UnmatchedQuotesKept", .file = "[general]\r\nkey=\"mixed'\r\n", .section = "general",
         .key = "key", .text = "d", .expected = "\"mixed'"},
        {.name = "LoneQuoteKept", .file = "[general]\r\nkey=\"\r\n", .section = "general", .key = "key",
         .text = "d", .expected = "\""},
        {.name = "OnlyOnePairRemoved", .file = "[general]\r\nkey=\"\"x\"\"\r\n", .section = "general",
         .key = "key", .text = "d", .expected = "\"x\""},

        // ---- Reads: the arguments ------------------------------------------------------------
        {.name = "LeadingControlBytesOfNamesSkipped", .file = "[general]\r\nkey=v\r\n",
         .section = "\x01 \tgeneral", .key = " \x1f" "key", .text = "d", .expected = "v"},
        {.name = "TrailingBlanksOfNamesCut", .file = "[general]\r\nkey=v\r\n", .section = "general \t",
         .key = "key  ", .text = "d", .expected = "v"},
        {.name = "LeadingBlanksOfPathSkipped", .file = "[general]\r\nkey=v\r\n", .section = "general",
         .key = "key", .text = "d", .expected = "v", .pathPrefix = " \t"},
        {.name = "BlankSectionGivesEmptyText", .file = "[general]\r\nkey=v\r\n", .section = " \t",
         .key = "key", .text = "d", .expected = ""},
        {.name = "BlankKeyGivesEmptyText", .file = "[general]\r\nkey=v\r\n", .section = "general",
         .key = "\x20", .text = "d", .expected = ""},
        {.name = "BlankPathGivesEmptyText", .file = "[general]\r\nkey=v\r\n", .section = "general",
         .key = "key", .text = "d", .expected = "", .pathPrefix = "  ", .blankPath = true},
        {.name = "TrailingSpacesOfDefaultCut", .file = std::nullopt, .section = "general", .key = "key",
         .text = "dflt  ", .expected = "dflt"},

        // ---- Reads: GBK text -------------------------------------------------------------
        {.name = "GbkValue", .file = "[general]\r\nfont_output=宋体\r\n", .section = "general",
         .key = "font_output", .text = "d", .expected = "宋体"},
        {.name = "GbkSectionAndKey", .file = "[设置]\r\n字音坊=癩\r\n", .section = "设置", .key = "字音坊",
         .text = "d", .expected = "癩"},
        // 癩 is B0 5D: its second byte is ']', which must not end the header.
        {.name = "TrailByteLikeBracketInHeader", .file = "[设置] 癩\r\nkey=v\r\n", .section = "设置",
         .key = "key", .text = "d", .expected = "v"},
        // 癆 is B0 41 and 癮 is B0 61: two characters, not one in two letter cases.
        {.name = "TwoByteCharactersDoNotFoldCase", .file = "[general]\r\n癆=v\r\n", .section = "general",
         .key = "癮", .text = "d", .expected = "d"},

        // ---- Writes --------------------------------------------------------------------------
        {.name = "WriteCreatesFile", .file = std::nullopt, .write = true, .section = "general", .key = "key",
         .text = "v", .expected = "[general]\r\nkey=v\r\n"},
        {.name = "WriteReplacesValueInPlace", .file = "; note\r\n[general]\r\na=1\r\nkey=old\r\nb=2\r\n",
         .write = true, .section = "general", .key = "key", .text = "new",
         .expected = "; note\r\n[general]\r\na=1\r\nkey=new\r\nb=2\r\n"},
        {.name = "WriteKeepsSpellingOfNames", .file = "[GENERAL]\r\nKey=old\r\n", .write = true,
         .section = "general", .key = "key", .text = "new", .expected = "[GENERAL]\r\nKey=new\r\n"},
        {.name = "WriteAppendsKeyAtEndOfSection", .file = "[general]\r\na=1\r\n[other]\r\nx=y\r\n",
         .write = true, .section = "general", .key = "key", .text = "v",
         .expected = "[general]\r\na=1\r\nkey=v\r\n[other]\r\nx=y\r\n"},
        {.name = "WriteAppendsSectionAtEnd", .file = "[other]\r\nx=y\r\n", .write = true, .section = "general",
         .key = "key", .text = "v", .expected = "[other]\r\nx=y\r\n[general]\r\nkey=v\r\n"},
        {.name = "WriteAfterLastLineWithoutLineEnd", .file = "[general]\r\na=1", .write = true,
         .section = "general", .key = "key", .text = "v", .expected = "[general]\r\na=1\r\nkey=v\r\n"},
        {.name = "WriteSectionAfterLastLineWithoutLineEnd", .file = "[other]\r\nx=y", .write = true,
         .section = "general", .key = "key", .text = "v", .expected = "[other]\r\nx=y\r\n[general]\r\nkey=v\r\n"},
        {.name = "WriteEmptyValue", .file = std::nullopt, .write = true, .section = "general", .key = "key",
         .text = "", .expected = "[general]\r\nkey=\r\n"},
        {.name = "WriteGbkValue", .file = std::nullopt, .write = true, .section = "general",
         .key = "font_output", .text = "宋体", .expected = "[general]\r\nfont_output=宋体\r\n"},
        {.name = "WriteFirstOfRepeatedKeys", .file = "[general]\r\nkey=1\r\nkey=2\r\n", .write = true,
         .section = "general", .key = "key", .text = "new", .expected = "[general]\r\nkey=new\r\nkey=2\r\n"},
        {.name = "WriteIntoFirstOfRepeatedSections", .file = "[general]\r\na=1\r\n[general]\r\nb=2\r\n",
         .write = true, .section = "general", .key = "key", .text = "v",
         .expected = "[general]\r\na=1\r\nkey=v\r\n[general]\r\nb=2\r\n"},
        {.name = "WriteKeepsTextBeforeFirstSection", .file = "junk \x01 bytes\r\n[general]\r\nkey=old\r\n",
         .write = true, .section = "general", .key = "key", .text = "new",
         .expected = "junk \x01 bytes\r\n[general]\r\nkey=new\r\n"},
        {.name = "WriteSkipsLeadingControlBytesOfNames", .file = std::nullopt, .write = true,
         .section = " \tgeneral", .key = "\x01key", .text = "v", .expected = "[general]\r\nkey=v\r\n"},
        {.name = "WriteCutsTrailingBlanksOfNames", .file = std::nullopt, .write = true, .section = "general ",
         .key = "key\t", .text = "v", .expected = "[general]\r\nkey=v\r\n"},
        {.name = "WriteKeepsValueOnItsLine", .file = std::nullopt, .write = true, .section = "general",
         .key = "key", .text = "a\r\n[evil]\r\nb=c", .expected = "[general]\r\nkey=a\r\n"},
        {.name = "WriteWithBlankKeyWritesNothing", .file = std::nullopt, .write = true, .section = "general",
         .key = "  ", .text = "v", .expectNoFile = true},
        {.name = "WriteWithBlankSectionWritesNothing", .file = std::nullopt, .write = true, .section = "\x01",
         .key = "key", .text = "v", .expectNoFile = true},
        {.name = "WriteWithBlankPathWritesNothing", .file = std::nullopt, .write = true, .section = "general",
         .key = "key", .text = "v", .expectNoFile = true, .pathPrefix = " ", .blankPath = true},
        {.name = "WriteWithLeadingBlanksOfPath", .file = "[general]\r\nkey=old\r\n", .write = true,
         .section = "general", .key = "key", .text = "new", .expected = "[general]\r\nkey=new\r\n",
         .pathPrefix = "\t "},

        // Windows edits the file in place and leaves blank lines and other line ends alone;
        // Wine rebuilds the whole file from what it parsed, dropping blank lines and writing
        // CR LF everywhere.
        {.name = "WriteKeepsBlankLinesAndComments",
         .file = "[general]\r\n; about the keys\r\n\r\nkey=old\r\n\r\n[other]\r\nx=y\r\n", .write = true,
         .section = "general", .key = "key", .text = "new",
         .expected = "[general]\r\n; about the keys\r\n\r\nkey=new\r\n\r\n[other]\r\nx=y\r\n",
         .wineGives = "[general]\r\n; about the keys\r\nkey=new\r\n[other]\r\nx=y\r\n"},
        {.name = "WriteKeepsLineFeedLines", .file = "[general]\na=1\n[other]\nx=y\n", .write = true,
         .section = "general", .key = "key", .text = "v",
         .expected = "[general]\na=1\nkey=v\r\n[other]\nx=y\n",
         .wineGives = "[general]\r\na=1\r\nkey=v\r\n[other]\r\nx=y\r\n"},
    };
}

}  // namespace

const std::vector<ProfileCase>& ProfileCases() {
    static const std::vector<ProfileCase> cases = BuildCases();
    return cases;
}

ProfileOutcome RunProfileCase(const ProfileCase& c, const ProfileOpener& open) {
    TempDir dir;
    const std::string path = dir.File("case.ini");
    if (c.file) WriteFileBytes(path, std::string(*c.file));
    const std::string given = c.blankPath ? std::string(c.pathPrefix) : std::string(c.pathPrefix) + path;
    const auto profile = open(given);
    ProfileOutcome outcome;
    if (c.write) {
        profile->Write(c.section, c.key, c.text);
        outcome.fileExists = FileExists(path);
        if (outcome.fileExists) outcome.result = ReadFileBytes(path);
    } else {
        outcome.result = profile->Read(c.section, c.key, c.text);
        outcome.fileExists = FileExists(path);
    }
    return outcome;
}

std::string VisibleBytes(std::string_view bytes) {
    std::string out;
    if (bytes.size() > 200) {
        return VisibleBytes(bytes.substr(0, 100)) + "...(" + std::to_string(bytes.size()) + " bytes)";
    }
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b == '\r') {
            out += "\\r";
        } else if (b == '\n') {
            out += "\\n";
        } else if (b == '\\') {
            out += "\\\\";
        } else if (b < 0x20 || b >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        } else {
            out += ch;
        }
    }
    return out;
}

std::string CheckProfileOutcome(const ProfileCase& c, const ProfileOutcome& outcome, bool wineAllowed) {
    if (c.write && c.expectNoFile) {
        return outcome.fileExists ? "a file was written: " + VisibleBytes(outcome.result) : std::string();
    }
    if (c.write && !outcome.fileExists) return "no file was written";
    if (outcome.result == c.expected) return {};
    if (wineAllowed && c.wineGives && outcome.result == *c.wineGives) return {};
    return "expected \"" + VisibleBytes(c.expected) + "\", got \"" + VisibleBytes(outcome.result) + "\"";
}
