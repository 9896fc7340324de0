// The main window's form: every control's design place and text, and the frame geometry
// that the start-up derives from the screen height and the design sizes.
#pragma once

#include <span>
#include <string_view>

#include "win32/screen_metrics.h"

// Control ids carry the design names; they are also the child windows' ids.
enum class Ctl : int {
    窗口假上 = 100,
    窗口假左,
    窗口假右,
    标签_窗口假下并广告,
    窗口关闭按钮,
    窗口最小化按钮,
    窗口更多按钮,
    输入的汉字,
    转成的拼音,
    外形框_左底,
    外形框_右底,
    显示成功,
    // the label row, input side
    标签3,
    标签1,
    标签2,
    标签10,
    标签12,
    标签13,
    标签14,
    // output side
    标签4,
    标签6,
    标签5,
    每行一组,
    不留空格,
    // "|" separators
    标签9,
    标签18,
    标签19,
    标签22,
    标签20,
    标签21,
    标签8,
    标签17,
    标签7,
    标签16,
    标签11,
    标签_横线,
    带声调,
    不带声调,
    只留声母,
    混排,
    转拼音,
    图片框_广告,
    去除非汉字后的文本,
};

enum class ControlKind {
    EdgeLabel,  // green strips of the frame
    Label,      // text on the window's grey
    ToolLabel,  // blue label-row tools that act on press
    Separator,  // "|" between tools
    Status,     // the status line
    Picture,    // picture buttons and the advertising picture
    Frame,      // shape boxes drawn around the borderless edit boxes
    TextBox,    // the two multi-line boxes
    WorkBox,    // the hidden work box of the convert command
    Radio,
    Check,
    Push,
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

struct ControlDesign {
    Ctl id;
    ControlKind kind;
    PixelRect place;
    std::string_view text;
};

inline constexpr int kDesignWindowWidth = 755;
inline constexpr int kDesignWindowHeight = 661;

// Every control in creation order.
std::span<const ControlDesign> MainWindowDesign();
const ControlDesign& DesignOf(Ctl id);

// Where the window is created: the design size centred on the screen, integer division.
PixelRect CreationPlace(const ScreenMetrics& screen);

// The design sizes the start-up geometry depends on.
struct FrameDesign {
    PixelRect convertButton;
    PixelRect closeButton;
    PixelRect minimiseButton;
    PixelRect moreButton;
    PixelRect rule;
};
FrameDesign DesignedFrame();

// The first ten start-up steps: window size and top, the frame strips, the three buttons
// and the rule under the label row. The left edge stays where creation put it.
struct FrameLayout {
    PixelRect window;
    PixelRect fakeTop;
    PixelRect fakeLeft;
    PixelRect fakeRight;
    PixelRect fakeBottom;
    PixelRect closeButton;
    PixelRect minimiseButton;
    PixelRect moreButton;
    PixelRect rule;
};
FrameLayout LayOutFrame(const PixelRect& createdWindow, int screenHeight, const FrameDesign& design);
