// The label-row tools of both boxes and the input box's press handler, on a real window.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "shell/main_menus_win32.h"
#include "tests/support/main_window_harness_win32.h"
#include "win32/clipboard_win32.h"
#include "win32/controls_win32.h"

namespace {

const GbkText kProgramCaption = "鹭汀软件之字音坊";

class ToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(h.Start());
        // The start-up's conversion leaves the status line up; start from a hidden one.
        h.Window().On时钟1Timer();
    }
    // Whether the caret stands, without a selection, where the box puts it for "the end".
    bool CaretAtEnd(Ctl box) const {
        DWORD start = 0, end = 1;
        SendMessageA(h.Get(box), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        SendMessageA(h.Get(box), EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
        DWORD last = 0, lastEnd = 0;
        SendMessageA(h.Get(box), EM_GETSEL, reinterpret_cast<WPARAM>(&last), reinterpret_cast<LPARAM>(&lastEnd));
        return start == end && end == last;
    }

    MainWindowHarness h;
};

void PutPictureOnClipboard() {
    ASSERT_TRUE(OpenClipboard(nullptr));
    ASSERT_TRUE(EmptyClipboard());
    HBITMAP picture = CreateBitmap(2, 2, 1, 32, nullptr);
    ASSERT_NE(SetClipboardData(CF_BITMAP, picture), nullptr);
    CloseClipboard();
}

TEST_F(ToolsTest, InputClearEmptiesBothBoxesAndFocusesTheInput) {
    h.SetText(Ctl::输入的汉字, "中文");
    h.SetText(Ctl::转成的拼音, "zhōng wén ");
    SetFocus(h.Get(Ctl::转成的拼音));
    h.Press(Ctl::标签3);
    EXPECT_EQ(h.Text(Ctl::输入的汉字), "");
    EXPECT_EQ(h.Text(Ctl::转成的拼音), "");
    EXPECT_EQ(GetFocus(), h.Get(Ctl::输入的汉字));
}

TEST_F(ToolsTest, OutputClearLeavesTheInputAlone) {
    h.SetText(Ctl::输入的汉字, "中文");
    h.SetText(Ctl::转成的拼音, "zhōng wén ");
    h.Press(Ctl::标签4);
    EXPECT_EQ(h.Text(Ctl::输入的汉字), "中文");
    EXPECT_EQ(h.Text(Ctl::转成的拼音), "");
    EXPECT_EQ(GetFocus(), h.Get(Ctl::转成的拼音));
}

TEST_F(ToolsTest, PasteReplacesTheWholeBoxWithTheClipboardText) {
    ASSERT_TRUE(WriteClipboardText(nullptr, "粘贴的文字\r\nabc"));
    h.SetText(Ctl::输入的汉字, "旧的文字");
    SendMessageA(h.Get(Ctl::输入的汉字), EM_SETSEL, 0, 2);
    h.Press(Ctl::标签1);
    EXPECT_EQ(h.Text(Ctl::输入的汉字), "粘贴的文字\r\nabc");

    PutPictureOnClipboard();
    h.Press(Ctl::标签1);
    EXPECT_EQ(h.Text(Ctl::输入的汉字), "");
}

TEST_F(ToolsTest, InputCopyCopiesEvenAnEmptyBoxAndSaysSo) {
    h.SetText(Ctl::输入的汉字, "中文abc");
    h.Press(Ctl::标签13);
    EXPECT_EQ(ReadClipboardText(nullptr), "中文abc");
    EXPECT_TRUE(h.StatusVisible());
    EXPECT_EQ(h.Text(Ctl::显示成功), "复制成功");
    EXPECT_EQ(h.Window().TimerPeriod(k时钟1), 3000);

    h.Window().On时钟1Timer();
    h.SetText(Ctl::输入的汉字, "");
    h.Press(Ctl::标签13);
    EXPECT_EQ(ReadClipboardText(nullptr), "");
    EXPECT_TRUE(h.StatusVisible());
}

TEST_F(ToolsTest, OutputCopyDoesNothingForAnEmptyBox) {
    h.SetText(Ctl::转成的拼音, "zhōng wén ");
    h.Press(Ctl::标签6);
    EXPECT_EQ(ReadClipboardText(nullptr), "zhōng wén ");
    EXPECT_EQ(h.Text(Ctl::显示成功), "复制成功");

    h.Window().On时钟1Timer();
    ASSERT_TRUE(WriteClipboardText(nullptr, "keep"));
    h.SetText(Ctl::转成的拼音, "");
    h.Press(Ctl::标签6);
    EXPECT_EQ(ReadClipboardText(nullptr), "keep");
    EXPECT_FALSE(h.StatusVisible());
}

TEST_F(ToolsTest, KeepHanziOnlyAndExamLayoutRewriteTheInput) {
    struct Row {
        const char* input;
        const char* kept;
        const char* exam;
    };
    const Row rows[] = {
        {"a中b文1", "中文", "中(        )\r\n文(        )\r\n"},
        {"中 文", "中文", "中(        )\r\n文(        )\r\n"},
        {"abc！\r\n", "", ""},
    };
    for (const Row& row : rows) {
        h.SetText(Ctl::输入的汉字, row.input);
        h.Press(Ctl::标签10);
        EXPECT_EQ(h.Text(Ctl::输入的汉字), row.kept) << row.input;
        EXPECT_TRUE(CaretAtEnd(Ctl::输入的汉字));
        h.SetText(Ctl::输入的汉字, row.input);
        h.Press(Ctl::标签12);
        EXPECT_EQ(h.Text(Ctl::输入的汉字), row.exam) << row.input;
        EXPECT_TRUE(CaretAtEnd(Ctl::输入的汉字));
    }
    EXPECT_FALSE(h.StatusVisible());
    EXPECT_TRUE(h.messages.empty());
}

TEST_F(ToolsTest, CountHanziShowsTheCountAndIgnoresAnEmptyBox) {
    h.SetText(Ctl::输入的汉字, "中文abc");
    h.Press(Ctl::标签14);
    EXPECT_EQ(h.Text(Ctl::显示成功), "共有汉字： 2 个");
    EXPECT_EQ(h.Window().TimerPeriod(k时钟1), 3000);
    h.SetText(Ctl::输入的汉字, "abc");
    h.Press(Ctl::标签14);
    EXPECT_EQ(h.Text(Ctl::显示成功), "共有汉字： 0 个");

    h.Window().On时钟1Timer();
    h.SetText(Ctl::输入的汉字, "");
    for (Ctl tool : {Ctl::标签10, Ctl::标签12, Ctl::标签14}) h.Press(tool);
    EXPECT_EQ(h.Text(Ctl::输入的汉字), "");
    EXPECT_FALSE(h.StatusVisible());
    EXPECT_TRUE(h.messages.empty());
}

// 每行一组 works only on a mixed result, 不留空格 only on a plain one; the other layout gets a
// message and keeps its text, and an empty box is left alone without a message.
TEST_F(ToolsTest, OutputToolsWorkOnlyInTheirLayout) {
    struct Row {
        Ctl tool;
        bool mixed;
        const char* input;
        const char* result;
        const char* refusal;  // the message instead of a result; nullptr when the tool works
    };
    const Row rows[] = {
        {Ctl::每行一组, true, "中（zhōng）文（wén）", "中（zhōng）\r\n文（wén）\r\n", nullptr},
        {Ctl::每行一组, true, "中（zhōng）\r\n文（wén）\r\n", "中（zhōng）\r\n文（wén）\r\n", nullptr},
        {Ctl::每行一组, false, "中（zhōng）文（wén）", "中（zhōng）文（wén）", "转换结果中汉字与拼音混排时才能执行此功能"},
        {Ctl::每行一组, false, "", "", nullptr},
        {Ctl::不留空格, false, "zhōng wén \r\n　x", "zhōngwén\r\n　x", nullptr},
        {Ctl::不留空格, true, "中（zhōng） 文（wén）", "中（zhōng） 文（wén）", "汉字与拼音混排时不可使用此功能"},
        {Ctl::不留空格, true, "", "", nullptr},
    };
    for (const Row& row : rows) {
        h.messages.clear();
        h.SetChecked(Ctl::混排, row.mixed);
        h.SetText(Ctl::转成的拼音, row.input);
        h.Press(row.tool);
        EXPECT_EQ(h.Text(Ctl::转成的拼音), row.result) << row.input;
        if (row.refusal) {
            ASSERT_EQ(h.messages.size(), 1u) << row.input;
            EXPECT_EQ(h.messages[0].first, row.refusal);
            EXPECT_EQ(h.messages[0].second, kProgramCaption);
        } else {
            EXPECT_TRUE(h.messages.empty()) << row.input;
        }
    }
}

TEST_F(ToolsTest, ChooseFontTellsFirstAndTakesOnlyFaceSizeAndColour) {
    std::vector<std::string> prepared;
    h.Window().SharedFontDialog().SetRunnerForTest([&](CHOOSEFONTA& cf) {
        prepared.emplace_back(cf.lpLogFont->lfFaceName);
        std::strcpy(cf.lpLogFont->lfFaceName, "黑体");
        cf.lpLogFont->lfHeight = -19;  // 14 points at 96 dpi
        cf.lpLogFont->lfWeight = FW_BOLD;
        cf.lpLogFont->lfUnderline = TRUE;
        cf.rgbColors = RGB(0, 0, 255);
        return TRUE;
    });
    h.Press(Ctl::标签2);
    ASSERT_EQ(h.messages.size(), 1u);
    EXPECT_EQ(h.messages[0].first, "仅允许设置字体名称、字体大小和文本颜色");
    EXPECT_EQ(h.messages[0].second, kProgramCaption);
    EXPECT_EQ(prepared, (std::vector<std::string>{"宋体"}));
    const BoxFontSettings& in = h.Window().BoxFont(Box::Input);
    EXPECT_EQ(in.face, "黑体");
    EXPECT_EQ(in.points, 14);
    EXPECT_EQ(in.color, static_cast<int>(RGB(0, 0, 255)));
    LOGFONTA lf{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(h.Get(Ctl::输入的汉字), WM_GETFONT, 0, 0)), sizeof lf, &lf);
    EXPECT_STREQ(lf.lfFaceName, "黑体");
    EXPECT_EQ(lf.lfWeight, FW_NORMAL);
    EXPECT_FALSE(lf.lfUnderline);
    EXPECT_EQ(h.Window().BoxFont(Box::Output).face, "宋体");

    // The output side shares the dialog; a cancel changes nothing.
    h.Window().SharedFontDialog().SetRunnerForTest([](CHOOSEFONTA&) { return FALSE; });
    h.Press(Ctl::标签5);
    EXPECT_EQ(h.messages.size(), 2u);
    EXPECT_EQ(h.Window().BoxFont(Box::Output).face, "宋体");
    EXPECT_EQ(h.Window().BoxFont(Box::Output).points, 22);

    // What was chosen reaches config.ini at the exit.
    h.Command(kMenu退出);
    EXPECT_EQ(ConfigValue(h.dir.File("config.ini"), "font_input"), "黑体");
    EXPECT_EQ(ConfigValue(h.dir.File("config.ini"), "fontsize_input"), "14");
    EXPECT_EQ(ConfigValue(h.dir.File("config.ini"), "fontcolor_input"), "16711680");
}

TEST_F(ToolsTest, PressInTheInputBoxRemovesOnlyTheUntouchedGuidanceText) {
    ASSERT_EQ(h.Text(Ctl::输入的汉字), h.Window().PlaceholderText());
    ASSERT_NE(h.Text(Ctl::转成的拼音), "");
    h.Press(Ctl::输入的汉字);
    EXPECT_EQ(h.Text(Ctl::输入的汉字), "");
    EXPECT_EQ(h.Text(Ctl::转成的拼音), "");

    const GbkText changed = h.Window().PlaceholderText() + "x";
    h.SetText(Ctl::输入的汉字, changed);
    h.SetText(Ctl::转成的拼音, "zhōng");
    h.Press(Ctl::输入的汉字);
    EXPECT_EQ(h.Text(Ctl::输入的汉字), changed);
    EXPECT_EQ(h.Text(Ctl::转成的拼音), "zhōng");
}

}  // namespace
