#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/dialogs_win32.h"
#include "tests/support/memory_tool_host.h"
#include "tools/label_tools.h"
#include "win32/font_dialog_win32.h"
#include "win32/message_box_win32.h"
#include "win32/windows_h_win32.h"

namespace {

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// Character height of a size in points at the screen's resolution, as the dialog gives it back.
LONG HeightOf(int points) { return -std::lround(points * ScreenDpi() / 72.0); }

// What the dialog was shown with.
struct Shown {
    std::string face;
    LONG height = 0;
    COLORREF color = 0;
    DWORD flags = 0;
    HWND owner = nullptr;
    LONG weight = 0;
    BYTE italic = 0, underline = 0, strikeOut = 0;
};

Shown Record(const CHOOSEFONTA& dialog) {
    const LOGFONTA& f = *dialog.lpLogFont;
    return {f.lfFaceName, f.lfHeight, dialog.rgbColors, dialog.Flags, dialog.hwndOwner,
            f.lfWeight, f.lfItalic, f.lfUnderline, f.lfStrikeOut};
}

// A user who picks face, size and colour, and ticks bold, italic, underline and strike-out.
BOOL ChooseEverything(CHOOSEFONTA& dialog, const char* face, int points, COLORREF color) {
    LOGFONTA& f = *dialog.lpLogFont;
    std::strcpy(f.lfFaceName, face);
    f.lfHeight = HeightOf(points);
    f.lfWeight = FW_BOLD;
    f.lfItalic = TRUE;
    f.lfUnderline = TRUE;
    f.lfStrikeOut = TRUE;
    dialog.rgbColors = color;
    return TRUE;
}

TEST(FontDialog, OpensOnTheBoxFontWithScreenFontsAndEffects) {
    FontDialog dialog;
    std::vector<Shown> shown;
    dialog.SetRunnerForTest([&](CHOOSEFONTA& d) {
        shown.push_back(Record(d));
        return FALSE;
    });
    const HWND owner = GetDesktopWindow();
    EXPECT_EQ(dialog.Choose(owner, {"宋体", 22, 24768}), std::nullopt);
    EXPECT_EQ(dialog.Choose(nullptr, {"Tahoma", 0, 0}), std::nullopt);

    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].face, "宋体");
    EXPECT_EQ(shown[0].height, HeightOf(22));
    EXPECT_EQ(shown[0].color, 24768u);
    EXPECT_EQ(shown[0].owner, owner);
    const DWORD wanted = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    EXPECT_EQ(shown[0].flags & wanted, wanted);
    // Size 0 leaves the starting size to the dialog.
    EXPECT_EQ(shown[1].face, "Tahoma");
    EXPECT_EQ(shown[1].height, 0);
    EXPECT_EQ(shown[1].color, 0u);
}

TEST(FontDialog, TakesOnlyFaceSizeAndColourAndKeepsTheMarksForNextTime) {
    FontDialog dialog;
    std::vector<Shown> shown;
    dialog.SetRunnerForTest([&](CHOOSEFONTA& d) {
        shown.push_back(Record(d));
        return ChooseEverything(d, "黑体", 16, RGB(192, 96, 0));
    });
    const auto chosen = dialog.Choose(nullptr, {"宋体", 9, 0});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->face, "黑体");
    EXPECT_EQ(chosen->points, 16);
    EXPECT_EQ(chosen->color, 24768);

    // The other box opens the same dialog: its own face, size and colour, the marks as left.
    dialog.SetRunnerForTest([&](CHOOSEFONTA& d) {
        shown.push_back(Record(d));
        return FALSE;
    });
    EXPECT_EQ(dialog.Choose(nullptr, {"Tahoma", 12, 255}), std::nullopt);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].weight, 0);
    EXPECT_EQ(shown[0].underline, 0);
    EXPECT_EQ(shown[1].face, "Tahoma");
    EXPECT_EQ(shown[1].height, HeightOf(12));
    EXPECT_EQ(shown[1].color, 255u);
    EXPECT_EQ(shown[1].weight, FW_BOLD);
    EXPECT_EQ(shown[1].italic, TRUE);
    EXPECT_EQ(shown[1].underline, TRUE);
    EXPECT_EQ(shown[1].strikeOut, TRUE);
}

TEST(FontDialog, CancelledChoicesAreForgotten) {
    FontDialog dialog;
    dialog.SetRunnerForTest([](CHOOSEFONTA& d) {
        ChooseEverything(d, "黑体", 16, 0);
        return FALSE;
    });
    EXPECT_EQ(dialog.Choose(nullptr, {"宋体", 9, 0}), std::nullopt);
    Shown next;
    dialog.SetRunnerForTest([&](CHOOSEFONTA& d) {
        next = Record(d);
        return FALSE;
    });
    dialog.Choose(nullptr, {"宋体", 9, 0});
    EXPECT_EQ(next.weight, 0);
    EXPECT_EQ(next.underline, 0);
}

TEST(FontDialog, RoundsTheChosenHeightToTheNearestPoint) {
    const int dpi = ScreenDpi();
    FontDialog dialog;
    for (LONG height : {-1L, -12L, -13L, -15L, -29L, -30L, -100L, 15L}) {
        dialog.SetRunnerForTest([&](CHOOSEFONTA& d) {
            d.lpLogFont->lfHeight = height;
            return TRUE;
        });
        const auto chosen = dialog.Choose(nullptr, {"宋体", 9, 0});
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(chosen->points, std::lround(std::labs(height) * 72.0 / dpi)) << height;
    }
}

// The system's own dialog, confirmed at once as a user who only presses OK would.
TEST(FontDialog, TheSystemDialogGivesBackWhatItWasOpenedWith) {
    const DWORD thread = GetCurrentThreadId();
    std::atomic<bool> done{false};
    std::thread user([&] {
        while (!done) {
            HWND found = FindVisibleDialogOf(thread);
            if (found) PostMessageA(found, WM_COMMAND, IDOK, 0);
            Sleep(20);
        }
    });
    // A face that the test machine has (Wine without its own fonts finds the system's).
    FontDialog dialog;
    const auto chosen = dialog.Choose(nullptr, {"DejaVu Sans", 12, RGB(255, 0, 0)});
    done = true;
    user.join();

    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->face, "DejaVu Sans");
    EXPECT_EQ(chosen->points, 12);
    EXPECT_EQ(chosen->color, 255);
}

// The tool's message goes through the real message box, the dialog through the real
// FontDialog with its runner steered.
class DialogToolHost : public MemoryToolHost {
public:
    FontDialog dialog;
    void ShowMessage(std::string_view text) override { ::ShowMessage(text); }
    std::optional<BoxFontSettings> RunFontDialog(const BoxFontSettings& current) override {
        return dialog.Choose(nullptr, current);
    }
};

TEST(ChooseBoxFont, SaysWhatIsTakenBeforeEveryDialog) {
    std::vector<std::string> events;
    SetMessageObserver([&](const GbkText& text, const GbkText& caption) {
        events.push_back("message " + text + " / " + caption);
    });
    DialogToolHost host;
    host.dialog.SetRunnerForTest([&](CHOOSEFONTA& d) {
        events.push_back("dialog " + std::string(d.lpLogFont->lfFaceName));
        return events.size() > 2 ? ChooseEverything(d, "黑体", 16, 0) : FALSE;
    });
    host.fonts[0] = {"宋体", 9, 0};
    ChooseBoxFont(host, Box::Input);
    EXPECT_EQ(host.BoxFont(Box::Input).face, "宋体");
    host.fonts[1] = {"Tahoma", 9, 0};
    ChooseBoxFont(host, Box::Output);
    SetMessageObserver({});

    const std::string message = "message 仅允许设置字体名称、字体大小和文本颜色 / 鹭汀软件之字音坊";
    EXPECT_EQ(events, (std::vector<std::string>{message, "dialog 宋体", message, "dialog Tahoma"}));
    EXPECT_EQ(host.BoxFont(Box::Output).face, "黑体");
}

}  // namespace

