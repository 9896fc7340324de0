#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "tests/support/dialogs_win32.h"
#include "win32/message_box_win32.h"
#include "win32/windows_h_win32.h"

namespace {

TEST(ShowMessage, GoesToTheObserverWhileOneIsSet) {
    std::vector<std::pair<GbkText, GbkText>> seen;
    SetMessageObserver([&](const GbkText& text, const GbkText& caption) { seen.push_back({text, caption}); });
    ShowMessage("汉字与拼音混排时不可使用此功能");
    ShowMessage("未发现默认网络浏览器", "提示：");
    SetMessageObserver({});
    EXPECT_EQ(seen, (std::vector<std::pair<GbkText, GbkText>>{
                        {"汉字与拼音混排时不可使用此功能", "鹭汀软件之字音坊"},
                        {"未发现默认网络浏览器", "提示："}}));
}

// What the real message box looked like when it came up.
struct Seen {
    std::string caption;
    std::string text;
    bool hasOk = false;
    bool hasCancel = false;
};

std::string TextOf(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Wine's message box does not mark itself topmost for MB_TOPMOST, so that is not looked at.
TEST(ShowMessage, ShowsABoxWithOneButtonAndNoOwner) {
    const DWORD thread = GetCurrentThreadId();
    Seen seen;
    std::atomic<bool> done{false};
    std::thread user([&] {
        while (!done) {
            if (HWND box = FindVisibleDialogOf(thread)) {
                seen.caption = TextOf(box);
                seen.text = TextOf(GetDlgItem(box, 0xFFFF));  // the message's static control
                seen.hasOk = GetDlgItem(box, IDOK) != nullptr;
                seen.hasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
                EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(20);
        }
    });
    ShowMessage("仅允许设置字体名称、字体大小和文本颜色");
    done = true;
    user.join();

    EXPECT_EQ(seen.caption, "鹭汀软件之字音坊");
    EXPECT_EQ(seen.text, "仅允许设置字体名称、字体大小和文本颜色");
    EXPECT_TRUE(seen.hasOk);
    EXPECT_FALSE(seen.hasCancel);
}

}  // namespace
