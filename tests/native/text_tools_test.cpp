#include <gtest/gtest.h>

#include <string>

#include "text/hanzi.h"
#include "tools/text_tools.h"

namespace {

TEST(KeepHanziOnlyText, JoinsTheHanziInOrder) {
    EXPECT_EQ(KeepHanziOnlyText(ExtractHanzi("a中b文1")), "中文");
    EXPECT_EQ(KeepHanziOnlyText(ExtractHanzi("中，文。\r\n字　abc")), "中文字");
    EXPECT_EQ(KeepHanziOnlyText(ExtractHanzi("abc 123")), "");
}

TEST(ExamLayoutText, PutsEachHanziOnItsOwnLineWithABracket) {
    const std::string bracket = std::string("(") + std::string(8, ' ') + ")\r\n";
    ASSERT_EQ(bracket.size(), 12u);
    EXPECT_EQ(ExamLayoutText(ExtractHanzi("中 文")), "中" + bracket + "文" + bracket);
    EXPECT_EQ(ExamLayoutText(ExtractHanzi("abc")), "");
}

TEST(HanziCountStatus, FramesTheCountWithItsBlanks) {
    EXPECT_EQ(HanziCountStatus(2), "共有汉字： 2 个");
    EXPECT_EQ(HanziCountStatus(0), "共有汉字： 0 个");
    EXPECT_EQ(HanziCountStatus(1000000), "共有汉字： 1000000 个");
}

TEST(RemoveBlanksText, RemovesOnlyAsciiBlanks) {
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"zhōng wén ", "zhōngwén"},
        {"   ", ""},
        {"", ""},
        {"a　b", "a　b"},                // full-width blank stays
        {"zh w\r\nan\tb", "zhw\r\nan\tb"},  // line breaks and tabs stay
        {"中 文", "中文"},
    };
    for (const Case& c : cases) EXPECT_EQ(RemoveBlanksText(c.in), c.out) << c.in;
}

TEST(MakePlaceholderText, PutsTheCaptionBetweenCurlyQuotes) {
    const std::string text = MakePlaceholderText("考题模式");
    EXPECT_EQ(text,
              "请输入欲取拼音的汉字，点击“考题模式”可将输入的汉字排版成考题模式，"
              "即每个字独占一行，其后紧跟可供填空的括号。");
    EXPECT_NE(MakePlaceholderText("X").find("“X”"), std::string::npos);
}

}  // namespace
