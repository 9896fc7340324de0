#include "tools/text_tools.h"

#include <string>

namespace {

// The bracket to fill in after each hanzi of the exam layout: "(", eight blanks, ")", CR LF.
constexpr std::string_view kExamBracket = "(        )\r\n";

}  // namespace

GbkText KeepHanziOnlyText(const HanziList& list) { return list.Joined(); }

GbkText ExamLayoutText(const HanziList& list) {
    GbkText out;
    out.reserve(list.Count() * (2 + kExamBracket.size()));
    for (std::size_t i = 0; i < list.Count(); ++i) {
        out += list.Item(i);
        out += kExamBracket;
    }
    return out;
}

GbkText HanziCountStatus(std::size_t count) {
    return ConcatText({"共有汉字： ", std::to_string(count), " 个"});
}

// Character-wise like the program's other replacements, so a blank is never taken out of
// the middle of a two-byte character.
GbkText RemoveBlanksText(std::string_view text) { return ReplaceText(text, " ", ""); }

GbkText MakePlaceholderText(std::string_view examCaption) {
    return ConcatText({"请输入欲取拼音的汉字，点击“", examCaption,
                       "”可将输入的汉字排版成考题模式，即每个字独占一行，其后紧跟可供填空的括号。"});
}
