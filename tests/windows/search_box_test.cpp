// The search window on its own temporary folder and the test screen, with its menus, links
// and shell calls recorded instead of shown or started.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "online/download_bytes_win32.h"
#include "online/feed_decoding.h"
#include "online/feed_markers.h"
#include "profile/file_replace.h"
#include "searchbox/search_box_win32.h"
#include "searchbox/search_menus.h"
#include "searchbox/widget_pages.h"
#include "tests/support/loopback_server.h"
#include "tests/support/main_window_harness_win32.h"
#include "tests/support/test_paths.h"
#include "win32/controls_win32.h"
#include "win32/message_pump_win32.h"

namespace {

const WidgetIds kIds{"mm_1_2_3", "widget.example.invalid", "4567", "union.example.invalid"};

class SearchBoxHarness {
public:
    explicit SearchBoxHarness(std::string menuFeed = "") {
        SearchBoxProgramOptions o;
        o.window.exeDir = dir.Path();
        o.window.screen = {1366, 768, 728};
        o.window.openLink = [this](std::string_view a) { links.emplace_back(a); };
        o.window.openDealsChannel = [this] { ++dealsOpened; };
        o.window.popUpMenu = [this](HWND, HMENU menu) {
            popUps.push_back(menu);
            if (onPopUp) onPopUp();
        };
        o.window.shellOpen = [this](const std::string& a) { shellOpened.push_back(a); };
        o.window.widgetIds = kIds;
        o.window.zhuoyueIds = {"books.example.invalid", "tag-23", "77"};
        o.window.updatePageAddress = "http://127.0.0.1:1/update";
        o.miniInfo.exeDir = dir.Path();
        o.miniInfo.screen = o.window.screen;
        o.download = [](const std::string&) { return std::string(); };
        o.miniInfo.download = o.download;
        o.miniInfo.stylesheetDownload = o.download;
        o.menuFeedAddress = std::move(menuFeed);
        if (!o.menuFeedAddress.empty()) o.download = [](const std::string& a) { return DownloadBytes(a); };
        box = std::make_unique<SearchBox>(std::move(o));
    }
    ~SearchBoxHarness() { box.reset(); }

    SearchBoxWindow& W() { return *box->Window(); }
    RECT Place() { RECT r{}; GetWindowRect(W().Hwnd(), &r); return r; }
    RECT ChildPlace(SearchCtl id) { return RectInParent(W().Control(id)); }
    int Alpha() {
        BYTE alpha = 0;
        DWORD flags = 0;
        COLORREF key = 0;
        GetLayeredWindowAttributes(W().Hwnd(), &key, &alpha, &flags);
        return alpha;
    }
    void Press(SearchCtl id) { SendMessageA(W().Control(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2)); }
    void Menu(unsigned command) { SendMessageA(W().Hwnd(), WM_COMMAND, MAKEWPARAM(command, 0), 0); }
    std::string Ini() { return dir.File("RivIriRozezoVov.ini"); }
    // The HTML view's host, a child of its frame once the view is made.
    HWND ViewHost() { return GetWindow(W().Control(SearchCtl::外形框_淘当), GW_CHILD); }
    // The view is made on a timer after the first showing: the messages are handled until it
    // is there, for a few seconds at most.
    bool WaitForView() {
        for (int i = 0; i < 500 && !ViewHost(); ++i) {
            PumpPendingMessages();
            if (!ViewHost()) Sleep(10);
        }
        return ViewHost() != nullptr;
    }

    TempDir dir;
    std::unique_ptr<SearchBox> box;
    std::vector<std::string> links, shellOpened;
    std::vector<HMENU> popUps;
    std::function<void()> onPopUp;
    int dealsOpened = 0;
};

TEST(SearchBox, FirstRunShowsTaobaoAtTheBottomMiddle) {
    SearchBoxHarness h;
    h.box->OpenSearchBox();
    ASSERT_NE(h.box->Window(), nullptr);
    HWND w = h.W().Hwnd();
    EXPECT_EQ(GetText(w), kSearchBoxTitle);
    EXPECT_TRUE(IsWindowVisible(w));
    const RECT r = h.Place();
    EXPECT_EQ(r.left, 566);
    EXPECT_EQ(r.top, 664);
    EXPECT_EQ(r.right - r.left, 234);
    EXPECT_EQ(r.bottom - r.top, 62);
    EXPECT_EQ(h.W().Transparency(), 20);
    EXPECT_EQ(h.Alpha(), 204);
    EXPECT_NE(GetWindowLongPtrA(w, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    EXPECT_EQ(h.W().EngineWord(), "taobao");
    EXPECT_EQ(h.W().TopmostTimerPeriod(), 1000);
    EXPECT_EQ(GetText(h.W().Control(SearchCtl::标签_拖动柄)), " TaoBao");
    EXPECT_EQ(h.ChildPlace(SearchCtl::标签_关闭按钮).left, 218);
    EXPECT_EQ(h.ChildPlace(SearchCtl::标签_更多按钮).left, 202);
    EXPECT_EQ(GetText(h.W().Control(SearchCtl::标签_更多按钮)), "≡");
    EXPECT_EQ(GetText(h.W().Control(SearchCtl::标签_关闭按钮)), "×");
    // The balloon points at the middle of the ≡ label's top edge.
    EXPECT_EQ(h.W().BalloonPoint().x, 775);
    EXPECT_EQ(h.W().BalloonPoint().y, 664);
    EXPECT_NE(h.W().Balloon(), nullptr);
    EXPECT_TRUE(h.W().SearchTrayIcon().IsAdded());
    EXPECT_EQ(h.W().SearchTrayIcon().Tip(), kSearchBoxTrayTip);
    // The page is written whole beside the executable and the view points at it; nothing
    // is written to the settings file before the first save.
    EXPECT_EQ(ReadFileBytes(h.dir.File("tb_temp.htm")), TaobaoWidgetPage(kIds));
    ASSERT_TRUE(h.WaitForView());
    EXPECT_TRUE(IsWindowVisible(h.ViewHost()));
    EXPECT_NE(h.W().ViewLocation().find("tb_temp.htm"), std::string::npos) << h.W().ViewLocation();
    EXPECT_FALSE(PathExists(h.Ini()));
}

// The view is made after the window is on screen: what the menus did in between still holds.
TEST(SearchBox, TheViewMadeAfterTheFirstShowingFollowsTheEngineAppliedLast) {
    SearchBoxHarness h;
    h.box->OpenSearchBox();
    h.Menu(kSearchMenu当当);
    ASSERT_TRUE(h.WaitForView());
    EXPECT_NE(h.W().ViewLocation().find("dd_temp.htm"), std::string::npos) << h.W().ViewLocation();
    RECT host{};
    GetWindowRect(h.ViewHost(), &host);
    EXPECT_EQ(host.right - host.left, 600);
}

TEST(SearchBox, TheViewOfTheBookshopLayoutStaysHiddenAndLeavesTheFocusInItsBox) {
    SearchBoxHarness h;
    WriteFileBytes(h.Ini(), "[general]\r\nbox=zhuoyue\r\n");
    h.box->OpenSearchBox();
    HWND edit = h.W().Control(SearchCtl::编辑框_卓越);
    SetActiveWindow(h.W().Hwnd());
    EXPECT_EQ(GetFocus(), edit);
    ASSERT_TRUE(h.WaitForView());
    // Hidden itself, as the layout keeps it, not only by its hidden frame.
    EXPECT_EQ(GetWindowLongPtrA(h.ViewHost(), GWL_STYLE) & WS_VISIBLE, 0);
    EXPECT_EQ(h.W().ViewLocation(), "");
    EXPECT_EQ(GetFocus(), edit);
}

TEST(SearchBox, EnginesResizeTheWindowFromItsLeftAndTop) {
    SearchBoxHarness h;
    h.box->OpenSearchBox();
    h.Menu(kSearchMenu卓越);
    RECT r = h.Place();
    EXPECT_EQ(r.left, 566);
    EXPECT_EQ(r.top, 664);
    EXPECT_EQ(r.right - r.left, 230);
    EXPECT_EQ(r.bottom - r.top, 59);
    EXPECT_EQ(h.ChildPlace(SearchCtl::标签_关闭按钮).left, 214);
    EXPECT_EQ(h.ChildPlace(SearchCtl::标签_更多按钮).left, 198);
    EXPECT_EQ(GetText(h.W().Control(SearchCtl::编辑框_卓越)), "");
    EXPECT_EQ(GetFocus(), h.W().Control(SearchCtl::编辑框_卓越));
    EXPECT_FALSE(IsWindowVisible(h.W().Control(SearchCtl::外形框_淘当)));
    EXPECT_TRUE(IsWindowVisible(h.W().Control(SearchCtl::外形框_卓越)));
    EXPECT_EQ(h.W().EngineWord(), "zhuoyue");
    const RECT start = h.ChildPlace(SearchCtl::图片框_卓越开始);
    EXPECT_EQ(start.right - start.left, 40);
    EXPECT_EQ(start.bottom - start.top, 21);

    h.Menu(kSearchMenu当当);
    r = h.Place();
    EXPECT_EQ(r.right - r.left, 214);
    EXPECT_EQ(r.bottom - r.top, 62);
    EXPECT_EQ(ReadFileBytes(h.dir.File("dd_temp.htm")), DangdangWidgetPage(kIds));
    EXPECT_EQ(h.W().Layout().view.width, 600);
    h.Menu(kSearchMenu淘宝);
    EXPECT_EQ(h.W().Layout().view.width, 600);  // taobao moves the view without sizing it
    EXPECT_EQ(h.W().Layout().view.left, -12);
}

TEST(SearchBox, AnUnknownEngineWordKeepsTheDesignedLayoutAndIsSavedBack) {
    SearchBoxHarness h;
    WriteFileBytes(h.Ini(), "[general]\r\nbox=TaoBao\r\n");
    h.box->OpenSearchBox();
    const RECT r = h.Place();
    EXPECT_EQ(r.right - r.left, 230);
    EXPECT_EQ(r.bottom - r.top, 392);
    EXPECT_EQ(GetText(h.W().Control(SearchCtl::标签_拖动柄)), " TaoBao");
    h.Press(SearchCtl::标签_关闭按钮);
    EXPECT_NE(ReadFileBytes(h.Ini()).find("box=TaoBao"), std::string::npos);
}

TEST(SearchBox, PresetsAndTransparencySteps) {
    SearchBoxHarness h;
    h.box->OpenSearchBox();
    struct Place { unsigned command; int left, top; };
    for (const Place& p : {Place{kSearchMenu右下, 1128, 662}, Place{kSearchMenu居中, 566, 353}, Place{kSearchMenu中下, 566, 664}}) {
        h.Menu(p.command);
        EXPECT_EQ(h.Place().left, p.left) << p.command;
        EXPECT_EQ(h.Place().top, p.top) << p.command;
        EXPECT_EQ(h.Place().right - h.Place().left, 234);
    }
    struct Step { unsigned command; int percent, alpha; };
    for (const Step& s : {Step{kSearchMenu不透明, 0, 255}, Step{kSearchMenu透明20, 20, 204}, Step{kSearchMenu透明40, 40, 153},
                          Step{kSearchMenu透明60, 60, 102}, Step{kSearchMenu透明80, 80, 51}}) {
        h.Menu(s.command);
        EXPECT_EQ(h.W().Transparency(), s.percent);
        EXPECT_EQ(h.Alpha(), s.alpha);
    }
    EXPECT_FALSE(PathExists(h.Ini()));  // menus change the window only
}

TEST(SearchBox, CloseHidesAndSavesTheTrayShowsItAgainAndQuitEndsIt) {
    SearchBoxHarness h;
    h.box->OpenSearchBox();
    HWND w = h.W().Hwnd();
    h.Press(SearchCtl::标签_关闭按钮);
    EXPECT_FALSE(IsWindowVisible(w));
    EXPECT_EQ(ConfigValue(h.Ini(), "trans"), "20");
    EXPECT_EQ(ConfigValue(h.Ini(), "position_left"), "566");
    EXPECT_EQ(ConfigValue(h.Ini(), "position_top"), "664");
    EXPECT_EQ(ConfigValue(h.Ini(), "box"), "taobao");
    EXPECT_EQ(ReadFileBytes(h.Ini()), "[general]\r\ntrans=20\r\nposition_left=566\r\nposition_top=664\r\nbox=taobao\r\n");

    h.box->OpenSearchBox();  // the hidden window still exists: nothing opens
    EXPECT_EQ(h.box->Window()->Hwnd(), w);
    EXPECT_FALSE(IsWindowVisible(w));
    SendMessageA(w, SearchBoxWindow::kTrayMessage, 1, WM_LBUTTONUP);
    EXPECT_TRUE(IsWindowVisible(w));
    SendMessageA(w, SearchBoxWindow::kTrayMessage, 1, WM_RBUTTONUP);
    ASSERT_EQ(h.popUps.size(), 1u);
    EXPECT_EQ(h.popUps[0], h.W().TrayMenu());

    h.Menu(kSearchMenu居中);
    h.Menu(kSearchMenu退出);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(h.box->Window(), nullptr);
    EXPECT_FALSE(PathExists(h.dir.File("tb_temp.htm")));
    EXPECT_EQ(ConfigValue(h.Ini(), "position_top"), "353");

    // A fresh window reads what was saved.
    h.box->OpenSearchBox();
    ASSERT_NE(h.box->Window(), nullptr);
    EXPECT_EQ(h.Place().top, 353);
}

TEST(SearchBox, TheMoreMenuPopsWithTheWindowOutOfTheTopmostLayer) {
    SearchBoxHarness h;
    h.box->OpenSearchBox();
    h.W().OnTopmostTimer();
    EXPECT_NE(GetWindowLongPtrA(h.W().Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    int periodDuringMenu = -1;
    LONG_PTR styleDuringMenu = 0;
    h.onPopUp = [&] {
        periodDuringMenu = h.W().TopmostTimerPeriod();
        styleDuringMenu = GetWindowLongPtrA(h.W().Hwnd(), GWL_EXSTYLE);
    };
    h.Press(SearchCtl::标签_更多按钮);
    ASSERT_EQ(h.popUps.size(), 1u);
    EXPECT_EQ(h.popUps[0], h.W().MoreMenu());
    EXPECT_EQ(periodDuringMenu, 0);
    EXPECT_EQ(styleDuringMenu & WS_EX_TOPMOST, 0);
    EXPECT_EQ(h.W().TopmostTimerPeriod(), 1000);
}

// The menus as designed; the online item and its separator only with a titled, linked feed.
TEST(SearchBox, TrayMenuHasTheOnlineItemOnlyWhenTheFeedGivesTitleAndLink) {
    auto server = LoopbackServer::Find();
    ASSERT_TRUE(server) << "the loopback_http fixture is not running";
    auto feed = [&](std::string_view plain) {
        const std::string page = std::string(kInfoFeedStart) + EncryptFeedText(plain) + kInfoFeedEnd;
        return server->Http(UniquePath("menu") + "?body=" + PercentEncode(page));
    };
    struct Row { std::string address; int items; };
    const Row rows[] = {
        {feed("[菜单标题开始]好书推荐[菜单标题结束][菜单链接开始]http://127.0.0.1:1/books[菜单链接结束]"), 11},
        {feed("[菜单标题开始]-[菜单标题结束][菜单链接开始]http://127.0.0.1:1/dash[菜单链接结束]"), 11},
        {feed("[菜单标题开始]好书推荐[菜单标题结束]"), 9},
        {feed("[菜单链接开始]http://127.0.0.1:1/books[菜单链接结束]"), 9},
        {server->Refused("/menu"), 9},
    };
    for (const Row& row : rows) {
        SearchBoxHarness h(row.address);
        h.box->OpenSearchBox();
        ASSERT_NE(h.box->Window(), nullptr);
        HMENU tray = h.W().TrayMenu();
        EXPECT_EQ(GetMenuItemCount(tray), row.items) << row.address;
        char caption[64] = {};
        GetMenuStringA(tray, 6, caption, sizeof caption, MF_BYPOSITION);
        EXPECT_STREQ(caption, "检查更新");
        GetMenuStringA(tray, row.items - 1, caption, sizeof caption, MF_BYPOSITION);
        EXPECT_STREQ(caption, "退出");
        if (row.items == 11) {
            // A title is an item even when it reads "-".
            EXPECT_EQ(GetMenuItemID(tray, 8), kSearchMenuOnline);
            GetMenuStringA(tray, 8, caption, sizeof caption, MF_BYPOSITION);
            EXPECT_TRUE(std::string(caption) == "好书推荐" || std::string(caption) == "-") << caption;
            h.Menu(kSearchMenuOnline);
            EXPECT_EQ(h.links.size(), 1u);
        }
        EXPECT_EQ(GetMenuItemCount(h.W().MoreMenu()), 9);
        h.Menu(kSearchMenu退出);
    }
}

TEST(SearchBox, ZhuoyueSearchSendsTheTypedBytesEncoded) {
    SearchBoxHarness h;
    h.box->OpenSearchBox();
    h.Menu(kSearchMenu卓越);
    struct Row { const char* typed; const char* keyword; };
    for (const Row& row : {Row{"book", "book"}, Row{"a b&c#d", "a%20b%26c%23d"}, Row{"中文", "%D6%D0%CE%C4"}, Row{"", ""}}) {
        h.shellOpened.clear();
        SetText(h.W().Control(SearchCtl::编辑框_卓越), row.typed);
        h.Press(SearchCtl::图片框_卓越开始);
        ASSERT_EQ(h.shellOpened.size(), 1u);
        EXPECT_EQ(h.shellOpened[0], std::string("http://books.example.invalid/gp/associates/link-types/searchbox.html"
                                                "?tag=tag-23&creative=2028&adid=77&campaign=408&mode=blended&keyword=") +
                                        row.keyword + "&Submit.x=29&Submit.y=10&Submit=Go");
    }
}

TEST(SearchBox, MenuItemsThatLeaveTheWindow) {
    SearchBoxHarness h;
    h.box->OpenSearchBox();
    h.Menu(kSearchMenu淘宝淘实惠);
    EXPECT_EQ(h.dealsOpened, 1);
    h.Menu(kSearchMenu检查更新);
    EXPECT_EQ(h.links, (std::vector<std::string>{"http://127.0.0.1:1/update"}));
    h.Menu(kSearchMenu特别推荐);
    HWND mini = FindWindowA(nullptr, kMiniInfoTitle);
    EXPECT_NE(mini, nullptr);
    if (mini) DestroyWindow(mini);
}

}  // namespace
