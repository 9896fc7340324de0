#include "shell/main_layout.h"

#include <array>
#include <cmath>

namespace {

constexpr std::size_t kRuleLength = 139;
constexpr auto kRuleChars = [] {
    std::array<char, kRuleLength> a{};
    for (char& c : a) c = '-';
    return a;
}();
constexpr std::string_view kRuleText(kRuleChars.data(), kRuleChars.size());

using K = ControlKind;

// Children are created in this order, and a child created earlier lies above the later
// ones where they overlap: the buttons above the fake title bar, the status line above
// the input box's bottom, the boxes above their frames.
constexpr ControlDesign kDesign[] = {
    {Ctl::窗口关闭按钮, K::Picture, {440, 5, 20, 17}, "关闭"},
    {Ctl::窗口最小化按钮, K::Picture, {392, 5, 20, 17}, "最小化"},
    {Ctl::窗口更多按钮, K::Picture, {336, 5, 21, 17}, "更多"},
    {Ctl::窗口假上, K::EdgeLabel, {0, 0, 776, 24}, ""},
    {Ctl::窗口假左, K::EdgeLabel, {8, 584, 128, 24}, ""},
    {Ctl::窗口假右, K::EdgeLabel, {152, 576, 128, 24}, ""},
    {Ctl::标签_窗口假下并广告, K::EdgeLabel, {88, 608, 544, 16}, "淘宝淘实惠"},
    {Ctl::显示成功, K::Status, {91, 408, 572, 28}, "汉字"},
    {Ctl::输入的汉字, K::TextBox, {12, 34, 360, 400}, "请键入欲取拼音的汉字……"},
    {Ctl::转成的拼音, K::TextBox, {383, 34, 360, 400}, ""},
    {Ctl::外形框_左底, K::Frame, {10, 32, 364, 404}, ""},
    {Ctl::外形框_右底, K::Frame, {381, 32, 364, 404}, ""},
    {Ctl::标签3, K::ToolLabel, {12, 437, 32, 20}, "清空"},
    {Ctl::标签9, K::Separator, {44, 437, 8, 20}, "|"},
    {Ctl::标签1, K::ToolLabel, {52, 437, 32, 20}, "粘贴"},
    {Ctl::标签18, K::Separator, {84, 437, 8, 20}, "|"},
    {Ctl::标签2, K::ToolLabel, {92, 437, 48, 20}, "设字体"},
    {Ctl::标签19, K::Separator, {140, 437, 8, 20}, "|"},
    {Ctl::标签10, K::ToolLabel, {148, 437, 56, 20}, "删非汉字"},
    {Ctl::标签22, K::Separator, {204, 437, 8, 20}, "|"},
    {Ctl::标签12, K::ToolLabel, {212, 437, 56, 20}, "考题模式"},
    {Ctl::标签20, K::Separator, {268, 437, 8, 20}, "|"},
    {Ctl::标签13, K::ToolLabel, {276, 437, 32, 20}, "复制"},
    {Ctl::标签21, K::Separator, {308, 437, 8, 20}, "|"},
    {Ctl::标签14, K::ToolLabel, {316, 437, 56, 20}, "取汉字数"},
    {Ctl::标签8, K::Separator, {373, 437, 8, 20}, "|"},
    {Ctl::标签4, K::ToolLabel, {383, 437, 32, 20}, "清空"},
    {Ctl::标签17, K::Separator, {415, 437, 8, 20}, "|"},
    {Ctl::标签6, K::ToolLabel, {423, 437, 32, 20}, "复制"},
    {Ctl::标签7, K::Separator, {455, 437, 8, 20}, "|"},
    {Ctl::标签5, K::ToolLabel, {463, 437, 48, 20}, "设字体"},
    {Ctl::标签16, K::Separator, {511, 437, 8, 20}, "|"},
    {Ctl::每行一组, K::ToolLabel, {519, 437, 56, 20}, "每行一组"},
    {Ctl::标签11, K::Separator, {575, 437, 8, 20}, "|"},
    {Ctl::不留空格, K::ToolLabel, {583, 437, 56, 20}, "不留空格"},
    {Ctl::标签_横线, K::Label, {3, 457, 750, 8}, kRuleText},
    {Ctl::带声调, K::Radio, {205, 470, 56, 20}, "带声调"},
    {Ctl::不带声调, K::Radio, {263, 470, 68, 20}, "不带声调"},
    {Ctl::只留声母, K::Radio, {333, 470, 68, 20}, "只留声母"},
    {Ctl::混排, K::Check, {403, 470, 140, 20}, "转换后汉字与拼音混排"},
    {Ctl::转拼音, K::Push, {308, 493, 138, 24}, "转为拼音"},
    {Ctl::图片框_广告, K::Picture, {558, 474, 185, 43}, "广告"},
    {Ctl::去除非汉字后的文本, K::WorkBox, {3, 602, 80, 20}, ""},
};

int CutTowardZero(double v) { return static_cast<int>(std::trunc(v)); }

}  // namespace

std::span<const ControlDesign> MainWindowDesign() { return kDesign; }

const ControlDesign& DesignOf(Ctl id) {
    for (const ControlDesign& d : kDesign) {
        if (d.id == id) return d;
    }
    return kDesign[0];  // every id is in the table; the layout test walks them all
}

PixelRect CreationPlace(const ScreenMetrics& screen) {
    return {(screen.width - kDesignWindowWidth) / 2, (screen.height - kDesignWindowHeight) / 2,
            kDesignWindowWidth, kDesignWindowHeight};
}

FrameDesign DesignedFrame() {
    return {DesignOf(Ctl::转拼音).place, DesignOf(Ctl::窗口关闭按钮).place,
            DesignOf(Ctl::窗口最小化按钮).place, DesignOf(Ctl::窗口更多按钮).place,
            DesignOf(Ctl::标签_横线).place};
}

FrameLayout LayOutFrame(const PixelRect& createdWindow, int screenHeight, const FrameDesign& design) {
    FrameLayout l;
    const int w = createdWindow.width;
    // The convert button is the lowest control that shows; the window ends 26 pixels below it.
    const int h = design.convertButton.top + design.convertButton.height + 26;
    l.window = {createdWindow.left, CutTowardZero((screenHeight - h) / 2.0), w, h};
    l.fakeTop = {0, 0, w, 24};
    l.fakeLeft = {0, 0, 2, h};
    l.fakeRight = {w - 2, 0, 2, h};
    l.fakeBottom = {0, h - 16, w, 16};
    const PixelRect& c = design.closeButton;
    l.closeButton = {w - 2 - c.width, 4, c.width, c.height};
    const PixelRect& m = design.minimiseButton;
    l.minimiseButton = {l.closeButton.left - 2 - m.width, 4, m.width, m.height};
    const PixelRect& more = design.moreButton;
    l.moreButton = {l.minimiseButton.left - more.width - 2, 4, more.width, more.height};
    const int ruleWidth = w - 14;
    l.rule = {CutTowardZero((w - ruleWidth) / 2.0), design.rule.top, ruleWidth, design.rule.height};
    return l;
}
