// The main window's start-up, convert command, frame, tray icon, menus and exit.
#include <gtest/gtest.h>

#include <new>
#include <string>

#include "pinyin/conversion.h"
#include "shell/main_menus_win32.h"
#include "shell/main_window_values.h"
#include "shell/settings.h"
#include "tests/support/main_window_harness_win32.h"
#include "text/hanzi.h"
#include "tools/text_tools.h"
#include "win32/clipboard_win32.h"
#include "win32/controls_win32.h"

#include "deployment.h"

namespace {

const GbkText kTitle = "鹭汀软件之字音坊 v1.05";

void ExpectPlace(const MainWindowHarness& h, Ctl id, int left, int top, int width, int height) {
    const RECT r = h.PlaceOf(id);
    EXPECT_EQ(r.left, left) << static_cast<int>(id);
    EXPECT_EQ(r.top, top) << static_cast<int>(id);
    EXPECT_EQ(r.right - r.left, width) << static_cast<int>(id);
    EXPECT_EQ(r.bottom - r.top, height) << static_cast<int>(id);
}

std::vector<std::string> MenuItems(HMENU menu) {
    std::vector<std::string> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[64] = {};
        if (GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION) == 0) {
            items.emplace_back("-");
        } else {
            items.emplace_back(text);
        }
    }
    return items;
}

TEST(MainWindowStartUp, FirstStartWritesTheDefaultsAndConvertsTheGuidanceText) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    MainWindow& w = h.Window();

    EXPECT_EQ(ReadFileBytes(h.dir.File("config.ini")), std::string(kDefaultConfigText));
    EXPECT_EQ(ReadFileBytes(h.dir.File("config.ini")).size(), 96u);
    EXPECT_EQ(w.ConfigPath(), h.dir.File("config.ini"));

    const GbkText placeholder = MakePlaceholderText("考题模式");
    EXPECT_EQ(w.PlaceholderText(), placeholder);
    EXPECT_NE(placeholder.find("“考题模式”"), std::string::npos);
    EXPECT_EQ(h.Text(Ctl::输入的汉字), placeholder);
    // The start-up ends by switching to the search window; back in the main window, the
    // input box has the focus.
    ASSERT_NE(h.Window().SearchWindow().Window(), nullptr);
    SetActiveWindow(w.Hwnd());
    EXPECT_EQ(GetFocus(), h.Get(Ctl::输入的汉字));

    const HanziList hanzi = ExtractHanzi(placeholder);
    EXPECT_EQ(h.Text(Ctl::转成的拼音), LineBreakGroups(ConvertHanziText(hanzi.Joined(), PinyinMode::WithTones, true)));
    EXPECT_NE(h.Text(Ctl::转成的拼音).find("请（qǐng）\r\n"), std::string::npos);
    EXPECT_TRUE(h.IsChecked(Ctl::带声调));
    EXPECT_FALSE(h.IsChecked(Ctl::不带声调));
    EXPECT_FALSE(h.IsChecked(Ctl::只留声母));
    EXPECT_TRUE(h.IsChecked(Ctl::混排));
    EXPECT_TRUE(h.StatusVisible());
    EXPECT_EQ(h.Text(Ctl::显示成功), ConvertStatusText(hanzi.Count()));
    EXPECT_EQ(w.TimerPeriod(k时钟1), 5000);
    EXPECT_EQ(h.Text(Ctl::去除非汉字后的文本), hanzi.Joined());

    EXPECT_EQ(GetText(w.Hwnd()), kTitle);
    EXPECT_EQ(h.Text(Ctl::窗口假上), " " + kTitle);
    EXPECT_EQ(h.Text(Ctl::标签_窗口假下并广告), "淘宝淘实惠");
    EXPECT_EQ(h.Text(Ctl::转拼音), "转为拼音");
    EXPECT_TRUE(IsWindowEnabled(h.Get(Ctl::转拼音)));
    EXPECT_TRUE(IsWindowVisible(w.Hwnd()));
    EXPECT_TRUE(w.MainTrayIcon().IsAdded());
    EXPECT_EQ(w.MainTrayIcon().Tip(), kTitle);

    // Design fonts: nothing was loaded.
    EXPECT_EQ(w.BoxFont(Box::Input).face, "宋体");
    EXPECT_EQ(w.BoxFont(Box::Input).points, 9);
    EXPECT_EQ(w.BoxFont(Box::Output).points, 22);
}

// The window shows without being activated, as the search window is switched to next; when
// none opens, the start-up activates it, and the focus ends in the input box all the same.
TEST(MainWindowStartUp, WithASearchWindowAlreadyOpenTheMainWindowEndsActiveWithTheInputFocused) {
    UniqueWindow other(CreateWindowExA(0, "STATIC", kSearchBoxTitle, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                       GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(other);
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.Window().SearchWindow().Window(), nullptr);
    EXPECT_TRUE(IsWindowVisible(h.Window().Hwnd()));
    EXPECT_EQ(GetActiveWindow(), h.Window().Hwnd());
    EXPECT_EQ(GetFocus(), h.Get(Ctl::输入的汉字));
}

TEST(MainWindowStartUp, ArmsTheOnlineTimersWithTheirRandomPeriods) {
    MainWindowHarness h;
    h.randomOffset = 1;
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.randomAsked, (std::vector<int>{3, 15}));
    EXPECT_EQ(h.Window().TimerPeriod(k时钟_迷你资讯), 4 * 60000);
    EXPECT_EQ(h.Window().TimerPeriod(k时钟_联机), 16 * 1000);
}

TEST(MainWindowStartUp, LaysTheWindowOutOnTheTestScreen) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    RECT r{};
    GetWindowRect(h.Window().Hwnd(), &r);
    EXPECT_EQ(r.left, 305);
    EXPECT_EQ(r.top, 112);
    EXPECT_EQ(r.right - r.left, 755);
    EXPECT_EQ(r.bottom - r.top, 543);
    RECT client{};
    GetClientRect(h.Window().Hwnd(), &client);
    EXPECT_EQ(client.right, 755);  // no border, no caption
    EXPECT_EQ(client.bottom, 543);

    ExpectPlace(h, Ctl::窗口假上, 0, 0, 755, 24);
    ExpectPlace(h, Ctl::窗口假左, 0, 0, 2, 543);
    ExpectPlace(h, Ctl::窗口假右, 753, 0, 2, 543);
    ExpectPlace(h, Ctl::标签_窗口假下并广告, 0, 527, 755, 16);
    ExpectPlace(h, Ctl::窗口关闭按钮, 733, 4, 20, 17);
    ExpectPlace(h, Ctl::窗口最小化按钮, 711, 4, 20, 17);
    ExpectPlace(h, Ctl::窗口更多按钮, 688, 4, 21, 17);
    ExpectPlace(h, Ctl::标签_横线, 7, 457, 741, 8);
    // Everything else stays at its design place, with its design text.
    for (const ControlDesign& d : MainWindowDesign()) {
        ASSERT_NE(h.Get(d.id), nullptr) << static_cast<int>(d.id);
        EXPECT_EQ(GetDlgCtrlID(h.Get(d.id)), static_cast<int>(d.id));
        if (d.kind == ControlKind::EdgeLabel || d.id == Ctl::标签_横线 || d.kind == ControlKind::Picture) continue;
        ExpectPlace(h, d.id, d.place.left, d.place.top, d.place.width, d.place.height);
        if (d.kind == ControlKind::ToolLabel || d.kind == ControlKind::Separator || d.kind == ControlKind::Radio ||
            d.kind == ControlKind::Check) {
            EXPECT_EQ(h.Text(d.id), d.text);
        }
    }
    ExpectPlace(h, Ctl::图片框_广告, 558, 474, 185, 43);
    EXPECT_EQ(h.Text(Ctl::标签_横线), std::string(139, '-'));
    EXPECT_FALSE(IsWindowVisible(h.Get(Ctl::去除非汉字后的文本)));
}

TEST(MainWindowStartUp, SecondStartLoadsTheFileItWrote) {
    MainWindowHarness h;
    h.WriteConfig(std::string(kDefaultConfigText));
    ASSERT_TRUE(h.Start());
    // The first-run text has no input keys, so the input box takes their missing-key values.
    EXPECT_EQ(h.Window().BoxFont(Box::Input).face, "宋体");
    EXPECT_EQ(h.Window().BoxFont(Box::Input).points, 11);
    EXPECT_EQ(h.Window().BoxFont(Box::Output).points, 22);
    EXPECT_TRUE(h.IsChecked(Ctl::带声调));
    EXPECT_TRUE(h.IsChecked(Ctl::混排));
    EXPECT_EQ(ReadFileBytes(h.dir.File("config.ini")), std::string(kDefaultConfigText));

    // The box's font follows: 11 points at 96 dpi is a 15-pixel character height.
    LOGFONTA lf{};
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(h.Get(Ctl::输入的汉字), WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    ASSERT_NE(GetObjectA(font, sizeof lf, &lf), 0);
    EXPECT_EQ(lf.lfHeight, -15);
    EXPECT_STREQ(lf.lfFaceName, "宋体");
}

TEST(MainWindowStartUp, AppliesEveryLoadedValue) {
    MainWindowHarness h;
    h.WriteConfig(
        "[general]\r\nfont_input=黑体\r\nfontsize_input=14\r\nfontcolor_input=255\r\nfont_output=Tahoma\r\n"
        "fontsize_output=16\r\nfontcolor_output=16711680\r\npinyinopt=zlsm\r\nshowhz=no\r\n");
    ASSERT_TRUE(h.Start());
    const BoxFontSettings& in = h.Window().BoxFont(Box::Input);
    const BoxFontSettings& out = h.Window().BoxFont(Box::Output);
    EXPECT_EQ(in.face, "黑体");
    EXPECT_EQ(in.points, 14);
    EXPECT_EQ(in.color, 255);
    EXPECT_EQ(out.face, "Tahoma");
    EXPECT_EQ(out.points, 16);
    EXPECT_EQ(out.color, 16711680);
    EXPECT_FALSE(h.IsChecked(Ctl::带声调));
    EXPECT_TRUE(h.IsChecked(Ctl::只留声母));
    EXPECT_FALSE(h.IsChecked(Ctl::混排));
    // Not mixed: the start-up leaves the plain initials as converted.
    const GbkText joined = ExtractHanzi(h.Window().PlaceholderText()).Joined();
    EXPECT_EQ(h.Text(Ctl::转成的拼音), ConvertHanziText(joined, PinyinMode::InitialsOnly, false));
}

TEST(MainWindowStartUp, SelectsWithTonesWhenTheFileNamesNoKnownMode) {
    for (const char* word : {"DSD", "dsd2", ""}) {
        MainWindowHarness h;
        h.WriteConfig(std::string("[general]\r\npinyinopt=") + word + "\r\n");
        ASSERT_TRUE(h.Start());
        EXPECT_TRUE(h.IsChecked(Ctl::带声调)) << word;
        EXPECT_FALSE(h.IsChecked(Ctl::不带声调)) << word;
        EXPECT_TRUE(h.IsChecked(Ctl::混排)) << word;
    }
}

TEST(ConvertCommand, ConvertsInEveryModeAndLayout) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    const GbkText input = "中文abc，行\r\n绿 ";
    h.SetText(Ctl::输入的汉字, input);
    for (PinyinMode mode : {PinyinMode::WithTones, PinyinMode::WithoutTones, PinyinMode::InitialsOnly}) {
        for (bool mixed : {false, true}) {
            h.SelectMode(mode);
            h.SetChecked(Ctl::混排, mixed);
            h.ClickConvert();
            EXPECT_EQ(h.Text(Ctl::转成的拼音), ConvertHanziText("中文行绿", mode, mixed))
                << static_cast<int>(mode) << mixed;
            EXPECT_EQ(h.Text(Ctl::显示成功), "已成功转换 4 个汉字为拼音");
            EXPECT_EQ(h.Text(Ctl::去除非汉字后的文本), "中文行绿");
            EXPECT_EQ(h.Text(Ctl::转拼音), "转为拼音");
            EXPECT_TRUE(IsWindowEnabled(h.Get(Ctl::转拼音)));
        }
    }
    // The command itself never breaks the groups into lines; only the start-up does.
    EXPECT_EQ(h.Text(Ctl::转成的拼音).find("\r\n"), std::string::npos);
}

TEST(ConvertCommand, CountsEveryOccurrenceAndReportsWhenThereIsNothing) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    h.SetText(Ctl::输入的汉字, "中中中");
    h.ClickConvert();
    EXPECT_EQ(h.Text(Ctl::显示成功), "已成功转换 3 个汉字为拼音");
    for (const char* none : {"abc", ""}) {
        for (PinyinMode mode : {PinyinMode::WithTones, PinyinMode::WithoutTones, PinyinMode::InitialsOnly}) {
            h.SelectMode(mode);
            h.SetText(Ctl::转成的拼音, "old");
            h.SetText(Ctl::输入的汉字, none);
            h.ClickConvert();
            EXPECT_EQ(h.Text(Ctl::转成的拼音), "") << none;
            EXPECT_EQ(h.Text(Ctl::显示成功), "无汉字可转为拼音") << none;
            EXPECT_TRUE(h.StatusVisible());
        }
    }
}

TEST(ConvertCommand, WithNoModeSelectedLeavesTheOutputEmptyButStillCounts) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    h.SelectMode(std::nullopt);
    h.SetText(Ctl::输入的汉字, "中文");
    h.ClickConvert();
    EXPECT_EQ(h.Text(Ctl::转成的拼音), "");
    EXPECT_EQ(h.Text(Ctl::显示成功), "已成功转换 2 个汉字为拼音");
    EXPECT_EQ(h.Text(Ctl::去除非汉字后的文本), "中文");
}

TEST(ConvertCommand, OutOfMemoryLeavesTheInputAndSaysSo) {
    bool fail = true;
    MainWindowHarness h([&fail](MainWindowOptions& o) {
        o.convert = [&fail](std::string_view hanzi, PinyinMode mode, bool mixed) -> GbkText {
            if (fail) throw std::bad_alloc();
            return ConvertHanziText(hanzi, mode, mixed);
        };
    });
    fail = false;  // the start-up's own conversion
    ASSERT_TRUE(h.Start());
    ASSERT_TRUE(h.StatusVisible());
    const GbkText input = "中文abc\r\n行";
    h.SelectMode(PinyinMode::WithTones);
    h.SetChecked(Ctl::混排, true);
    h.SetText(Ctl::输入的汉字, input);
    h.SetText(Ctl::转成的拼音, "old");
    h.messages.clear();
    fail = true;
    h.ClickConvert();
    ASSERT_EQ(h.messages.size(), 1u);
    EXPECT_EQ(h.messages[0].first, kOutOfMemoryText);
    EXPECT_EQ(h.Text(Ctl::输入的汉字), input);
    EXPECT_EQ(h.Text(Ctl::转成的拼音), "");
    EXPECT_EQ(h.Text(Ctl::去除非汉字后的文本), "");
    EXPECT_FALSE(h.StatusVisible());
    EXPECT_EQ(h.Text(Ctl::转拼音), "转为拼音");
    EXPECT_TRUE(IsWindowEnabled(h.Get(Ctl::转拼音)));

    // The next click, with the memory back, converts as ever.
    fail = false;
    h.ClickConvert();
    EXPECT_EQ(h.Text(Ctl::转成的拼音), ConvertHanziText("中文行", PinyinMode::WithTones, true));
    EXPECT_EQ(h.Text(Ctl::显示成功), "已成功转换 3 个汉字为拼音");
    EXPECT_EQ(h.messages.size(), 1u);
}

TEST(MainWindowBoxes, TakeAPasteBeyondTheEditBoxDefaultLimit) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    // An article of 40,000 characters: more than the 30,000 an edit box takes by default.
    GbkText article;
    for (int i = 0; i < 1000; ++i) article += "中文拼音abcdefghijklmnopqrstuvwxyz0123\r\n";
    ASSERT_TRUE(WriteClipboardText(nullptr, article));
    for (Ctl box : {Ctl::输入的汉字, Ctl::转成的拼音}) {
        EXPECT_GE(static_cast<DWORD>(SendMessageA(h.Get(box), EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu);
        h.SetText(box, "");
        SendMessageA(h.Get(box), WM_PASTE, 0, 0);
        EXPECT_EQ(h.Text(box), article);
    }
}

TEST(StatusLine, HidesOnItsTimerOrOnAPress) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    ASSERT_TRUE(h.StatusVisible());
    h.Window().On时钟1Timer();
    EXPECT_FALSE(h.StatusVisible());
    EXPECT_EQ(h.Window().TimerPeriod(k时钟1), 0);

    h.Window().ShowStatus("复制成功");
    EXPECT_TRUE(h.StatusVisible());
    EXPECT_EQ(h.Text(Ctl::显示成功), "复制成功");
    EXPECT_EQ(h.Window().TimerPeriod(k时钟1), 3000);
    h.Press(Ctl::显示成功);
    EXPECT_FALSE(h.StatusVisible());
    EXPECT_EQ(h.Window().TimerPeriod(k时钟1), 3000);  // left running
}

TEST(MainWindowFrame, CloseHidesMinimiseMinimisesAndTheTrayMenuShowsAgain) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    HWND w = h.Window().Hwnd();
    h.SetText(Ctl::输入的汉字, "中文");
    h.Press(Ctl::窗口关闭按钮);
    EXPECT_FALSE(IsWindowVisible(w));
    EXPECT_TRUE(h.Window().MainTrayIcon().IsAdded());
    h.Command(kMenu显示主窗口);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(h.Text(Ctl::输入的汉字), "中文");

    SendMessageA(w, WM_CLOSE, 0, 0);  // the taskbar's close, Alt+F4
    EXPECT_FALSE(IsWindowVisible(w));
    EXPECT_TRUE(IsWindow(w));
    h.Command(kMenu显示主窗口);

    h.Press(Ctl::窗口最小化按钮);
    EXPECT_TRUE(IsIconic(w));
    h.Command(kMenu显示主窗口);
    EXPECT_FALSE(IsIconic(w));
    EXPECT_TRUE(IsWindowVisible(w));
    // Nothing of this reached the file.
    EXPECT_EQ(ReadFileBytes(h.dir.File("config.ini")), std::string(kDefaultConfigText));
}

TEST(MainWindowFrame, MoreButtonAndTrayIconPopTheirMenus) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    MainWindow& w = h.Window();
    h.Press(Ctl::窗口更多按钮);
    ASSERT_EQ(h.popUps.size(), 1u);
    EXPECT_EQ(h.popUps[0], w.MoreMenu());

    h.popUps.clear();
    for (UINT event : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONUP,
                       WM_CONTEXTMENU, WM_MBUTTONUP}) {
        SendMessageA(w.Hwnd(), MainWindow::kTrayMessage, 1, event);
    }
    EXPECT_EQ(h.popUps, (std::vector<HMENU>(4, w.TrayMenu())));

    EXPECT_EQ(MenuItems(w.TrayMenu()),
              (std::vector<std::string>{"显示主窗口", "-", "rivor", "-", "淘宝淘实惠", "-", "退出"}));
    EXPECT_EQ(MenuItems(w.MoreMenu()), (std::vector<std::string>{"rivor", "-", "淘宝淘实惠", "-", "检查更新"}));
}

TEST(MainWindowFrame, MenuItemsAndAdvertisingOpenTheirPages) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    h.Command(kMenu检查更新);
    EXPECT_EQ(h.links, (std::vector<std::string>{kUpdatePageAddress}));
    h.Command(kMenu淘宝淘实惠);
    EXPECT_EQ(h.dealsOpened, 1);
    h.Command(kMenuRivor);  // the search window comes later; nothing happens yet
    h.Press(Ctl::标签_窗口假下并广告);
    EXPECT_EQ(h.dealsOpened, 2);
    h.Press(Ctl::图片框_广告);
    EXPECT_EQ(h.links, (std::vector<std::string>{kUpdatePageAddress, kShopPageAddress}));
    EXPECT_EQ(h.endProcessCalls, 0);
    EXPECT_TRUE(h.messages.empty());
}

TEST(MainWindowBoxes, CtrlASelectsTheWholeText) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    for (Ctl box : {Ctl::输入的汉字, Ctl::转成的拼音}) {
        h.SetText(box, "中文 abc");
        SendMessageA(h.Get(box), EM_SETSEL, 1, 1);
        SendMessageA(h.Get(box), WM_CHAR, 1, 0);
        DWORD start = 1, end = 0;
        SendMessageA(h.Get(box), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        // Compared with what the box itself calls everything, in its own units.
        SendMessageA(h.Get(box), EM_SETSEL, 0, -1);
        DWORD allStart = 1, allEnd = 0;
        SendMessageA(h.Get(box), EM_GETSEL, reinterpret_cast<WPARAM>(&allStart), reinterpret_cast<LPARAM>(&allEnd));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, allEnd);
        EXPECT_GT(end, 1u);
        EXPECT_EQ(h.Text(box), "中文 abc");  // no control character typed
    }
}

TEST(ExitProgram, SavesTheControlsRemovesTheTrayIconAndEnds) {
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    h.SelectMode(PinyinMode::WithoutTones);
    h.SetChecked(Ctl::混排, false);
    ASSERT_NE(FindWindowA(nullptr, kSearchBoxTitle), nullptr);
    h.Command(kMenu退出);
    EXPECT_EQ(h.endProcessCalls, 1);
    EXPECT_FALSE(h.Window().MainTrayIcon().IsAdded());
    // The search window is saved and closed with the program.
    EXPECT_EQ(FindWindowA(nullptr, kSearchBoxTitle), nullptr);
    EXPECT_EQ(ConfigValue(h.dir.File("RivIriRozezoVov.ini"), "box"), "taobao");
    const std::string config = h.dir.File("config.ini");
    EXPECT_EQ(ConfigValue(config, "font_input"), "宋体");
    EXPECT_EQ(ConfigValue(config, "fontsize_input"), "9");
    EXPECT_EQ(ConfigValue(config, "fontcolor_input"), "0");
    EXPECT_EQ(ConfigValue(config, "font_output"), "宋体");
    EXPECT_EQ(ConfigValue(config, "fontsize_output"), "22");
    EXPECT_EQ(ConfigValue(config, "fontcolor_output"), "0");
    EXPECT_EQ(ConfigValue(config, "pinyinopt"), "bdsd");
    EXPECT_EQ(ConfigValue(config, "showhz"), "no");

    // The next start reads back what was saved.
    MainWindowHarness next;
    next.WriteConfig(ReadFileBytes(config));
    ASSERT_TRUE(next.Start());
    EXPECT_TRUE(next.IsChecked(Ctl::不带声调));
    EXPECT_FALSE(next.IsChecked(Ctl::带声调));
    EXPECT_FALSE(next.IsChecked(Ctl::混排));
    EXPECT_EQ(next.Window().BoxFont(Box::Input).points, 9);
}

TEST(ExitProgram, KeepsTheOldFileWhenNoModeIsSelected) {
    MainWindowHarness h;
    h.WriteConfig("[general]\r\npinyinopt=zlsm\r\n");
    ASSERT_TRUE(h.Start());
    h.SelectMode(std::nullopt);
    h.Window().SaveAndCleanUpForExit();
    EXPECT_EQ(ConfigValue(h.dir.File("config.ini"), "pinyinopt"), "zlsm");
    EXPECT_EQ(ConfigValue(h.dir.File("config.ini"), "showhz"), "yes");
    EXPECT_EQ(h.endProcessCalls, 0);
}

}  // namespace
