// The exit while a feed's worker still waits on a server that never answers: the settings
// are saved and the process ends without waiting for the worker. The test's own end is the
// proof; CTest's time-out for it catches an exit that hangs.
#include <gtest/gtest.h>

#include "shell/main_menus_win32.h"
#include "tests/support/loopback_server.h"
#include "tests/support/main_window_harness_win32.h"

namespace {

TEST(ExitProgram, EndsWhileAFetchWorkerStillWaits) {
    auto server = LoopbackServer::Find();
    ASSERT_TRUE(server) << "the loopback_http fixture is not running";
    const std::string path = UniquePath("never");
    MainWindowHarness h([&](MainWindowOptions& o) {
        o.adFeedAddress = server->Http(path + "?never=1");
        o.fetchTimeoutMs = 300;
    });
    ASSERT_TRUE(h.Start());
    h.Window().On时钟_联机Timer();  // the fetch gives up; its worker goes on waiting
    EXPECT_EQ(h.Text(Ctl::标签_窗口假下并广告), "淘宝淘实惠");
    EXPECT_EQ(server->RequestsFor(path).size(), 1u);
    h.SelectMode(PinyinMode::InitialsOnly);
    h.Command(kMenu退出);
    EXPECT_EQ(h.endProcessCalls, 1);
    EXPECT_EQ(ConfigValue(h.dir.File("config.ini"), "pinyinopt"), "zlsm");
}

}  // namespace
