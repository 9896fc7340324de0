#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "deployment.h"
#include "online/deals_channel_win32.h"
#include "searchbox/search_box_win32.h"
#include "win32/controls_win32.h"
#include "win32/link_opener_win32.h"
#include "tests/support/machine_registry_win32.h"
#include "tests/support/test_paths.h"
#include "win32/clipboard_win32.h"
#include "win32/message_box_win32.h"
#include "win32/windows_h_win32.h"

namespace {

constexpr const char kBrowsers[] = "SOFTWARE\\Clients\\StartMenuInternet";
constexpr const char kNotFound[] = "未发现默认网络浏览器或默认网络浏览器配置错误，该网址已送至剪贴板。";

std::string CommandKey(const std::string& name) {
    return std::string(kBrowsers) + "\\" + name + "\\shell\\open\\command";
}

// The build tree under Wine's drive Z:.
std::string BuiltFakeBrowser() {
    std::string path = std::string("Z:") + FAKE_BROWSER_EXE;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// How one start of the fake browser went: its whole command line and its arguments.
struct Launch {
    std::string commandLine;
    std::vector<std::string> args;
};

class LinkOpenerTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMessageObserver([this](const GbkText& text, const GbkText& caption) {
            messages_.push_back({text, caption});
        });
        // A folder with a blank in its name, as "Program Files" would be.
        folder_ = temp_.File("fake browser");
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
        browser_ = folder_ + "\\fake_browser.exe";
        ASSERT_TRUE(CopyFileA(BuiltFakeBrowser().c_str(), browser_.c_str(), TRUE)) << BuiltFakeBrowser();
        WriteClipboardText(nullptr, "untouched");
    }
    void TearDown() override { SetMessageObserver({}); }

    void RegisterBrowser(const std::string& name, DWORD type, const std::string& command) {
        SetMachineDefault(kBrowsers, REG_SZ, name);
        SetMachineDefault(CommandKey(name), type, command);
    }
    std::string QuotedBrowser() const { return "\"" + browser_ + "\""; }

    // Waits for count starts of the fake browser to be recorded and for those processes to end.
    std::vector<Launch> WaitForLaunches(std::size_t count) {
        std::vector<Launch> launches;
        for (int waited = 0; waited < 2000; ++waited) {
            launches = ReadLaunches();
            if (launches.size() >= count) break;
            Sleep(10);
        }
        return launches;
    }

    std::vector<Launch> ReadLaunches() {
        std::vector<Launch> launches;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder_ + "\\command_line_*.txt").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return launches;
        do {
            const std::string name = found.cFileName;
            // The process is done once it has renamed its file; wait for it to go before
            // the folder is removed.
            const DWORD pid = std::stoul(name.substr(13));
            if (HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid)) {
                WaitForSingleObject(process, 10000);
                CloseHandle(process);
            }
            std::istringstream lines(ReadFileBytes(folder_ + "\\" + name));
            Launch launch;
            std::getline(lines, launch.commandLine);
            for (std::string arg; std::getline(lines, arg);) launch.args.push_back(arg);
            launches.push_back(launch);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return launches;
    }

    void ExpectFallback(const std::string& address) {
        ASSERT_EQ(messages_.size(), 1u);
        EXPECT_EQ(messages_[0].first, kNotFound);
        EXPECT_EQ(messages_[0].second, "提示：");
        EXPECT_EQ(ReadClipboardText(nullptr), address);
        EXPECT_TRUE(ReadLaunches().empty());
    }

    SavedMachineKey savedBrowsers_{kBrowsers};
    TempDir temp_;
    std::string folder_;
    std::string browser_;
    std::vector<std::pair<GbkText, GbkText>> messages_;
};

TEST_F(LinkOpenerTest, StartsTheRegisteredBrowserWithTheAddressAfterItsArguments) {
    RegisterBrowser("FakeBrowser", REG_SZ, QuotedBrowser() + " --flag");
    LinkOpener("http://www.example.com/a?b=1&c=中文");

    const auto launches = WaitForLaunches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].commandLine, QuotedBrowser() + " --flag http://www.example.com/a?b=1&c=中文");
    EXPECT_EQ(launches[0].args,
              (std::vector<std::string>{browser_, "--flag", "http://www.example.com/a?b=1&c=中文"}));
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(ReadClipboardText(nullptr), "untouched");
}

TEST_F(LinkOpenerTest, ExpandsAnExpandableStartCommand) {
    ASSERT_TRUE(SetEnvironmentVariableA("ZYF_FAKE_BROWSER_DIR", folder_.c_str()));
    RegisterBrowser("FakeBrowser", REG_EXPAND_SZ, "\"%ZYF_FAKE_BROWSER_DIR%\\fake_browser.exe\" --flag");
    LinkOpener("http://example.com/");
    SetEnvironmentVariableA("ZYF_FAKE_BROWSER_DIR", nullptr);

    const auto launches = WaitForLaunches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].commandLine, QuotedBrowser() + " --flag http://example.com/");
    EXPECT_TRUE(messages_.empty());
}

TEST_F(LinkOpenerTest, AnAddressCannotAddArgumentsOfItsOwn) {
    RegisterBrowser("FakeBrowser", REG_SZ, QuotedBrowser() + " --flag");
    LinkOpener("http://a.example/x y\" --new-window \"z\tw");

    const auto launches = WaitForLaunches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].args,
              (std::vector<std::string>{browser_, "--flag", "http://a.example/x%20y%22%20--new-window%20%22z%09w"}));
}

TEST_F(LinkOpenerTest, EveryCallStartsItsOwnBrowserAndReadsTheRegistryAgain) {
    RegisterBrowser("FakeBrowser", REG_SZ, QuotedBrowser() + " --first");
    LinkOpener("http://example.com/1");
    ASSERT_EQ(WaitForLaunches(1).size(), 1u);
    SetMachineDefault(CommandKey("FakeBrowser"), REG_SZ, QuotedBrowser() + " --second");
    LinkOpener("http://example.com/2");

    auto launches = WaitForLaunches(2);
    ASSERT_EQ(launches.size(), 2u);
    std::vector<std::string> lines{launches[0].commandLine, launches[1].commandLine};
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, (std::vector<std::string>{QuotedBrowser() + " --first http://example.com/1",
                                               QuotedBrowser() + " --second http://example.com/2"}));
}

TEST_F(LinkOpenerTest, WithoutADefaultNameTheBrowserIsIexplore) {
    SetMachineDefault(CommandKey("IEXPLORE.EXE"), REG_SZ, QuotedBrowser());
    LinkOpener("http://example.com/");

    const auto launches = WaitForLaunches(1);
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].commandLine, QuotedBrowser() + " http://example.com/");
}

TEST_F(LinkOpenerTest, WithoutAnyBrowserTheAddressGoesToTheClipboard) {
    ASSERT_FALSE(MachineKeyExists(kBrowsers));
    LinkOpener("http://example.com/a b");
    ExpectFallback("http://example.com/a b");
}

TEST_F(LinkOpenerTest, ABrokenRegistrationGoesToTheClipboard) {
    RegisterBrowser("Gone", REG_SZ, "\"" + folder_ + "\\missing.exe\" --flag");
    LinkOpener("http://example.com/1");
    ExpectFallback("http://example.com/1");

    messages_.clear();
    SetMachineDefault(kBrowsers, REG_SZ, "NoCommand");  // a name without a command key
    LinkOpener("http://example.com/2");
    ExpectFallback("http://example.com/2");
}

TEST_F(LinkOpenerTest, DealsChannelOpensItsDeployedAddress) {
    RegisterBrowser("FakeBrowser", REG_SZ, QuotedBrowser());
    OpenDealsChannel();

    const auto launches = WaitForLaunches(1);
    ASSERT_EQ(launches.size(), 1u);
    ASSERT_EQ(launches[0].args.size(), 2u);
    EXPECT_EQ(launches[0].args[1], kDealsChannelAddress);
}

// The bookshop search goes through the shell's "open" verb, which starts the program
// registered for http addresses.
TEST_F(LinkOpenerTest, ZhuoyueSearchStartsTheHttpHandlerThroughTheShell) {
    const SavedMachineKey savedHttp("SOFTWARE\\Classes\\http");
    SetMachineDefault("SOFTWARE\\Classes\\http", REG_SZ, "URL:HyperText Transfer Protocol");
    SetMachineDefault("SOFTWARE\\Classes\\http\\shell\\open\\command", REG_SZ, QuotedBrowser() + " \"%1\"");
    SearchBoxProgramOptions o;
    o.window.exeDir = temp_.Path();
    o.window.screen = {1366, 768, 728};
    o.window.popUpMenu = [](HWND, HMENU) {};
    o.window.zhuoyueIds = {"books.example.invalid", "tag-23", "77"};
    o.miniInfo.exeDir = temp_.Path();
    SearchBox box(std::move(o));
    box.OpenSearchBox();
    ASSERT_NE(box.Window(), nullptr);
    box.Window()->ApplyEngine(SearchEngine::Zhuoyue);
    SetText(box.Window()->Control(SearchCtl::编辑框_卓越), "a b&c");
    SendMessageA(box.Window()->Control(SearchCtl::图片框_卓越开始), WM_LBUTTONDOWN, MK_LBUTTON, 0);

    const auto launches = WaitForLaunches(1);
    ASSERT_EQ(launches.size(), 1u);
    ASSERT_EQ(launches[0].args.size(), 2u);
    EXPECT_EQ(launches[0].args[1],
              "http://books.example.invalid/gp/associates/link-types/searchbox.html?tag=tag-23&creative=2028"
              "&adid=77&campaign=408&mode=blended&keyword=a%20b%26c&Submit.x=29&Submit.y=10&Submit=Go");
    box.CloseSearchBox();
}

}  // namespace
