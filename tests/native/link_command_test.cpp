#include <gtest/gtest.h>

#include <string>

#include "win32/link_command.h"

namespace {

TEST(EscapeAddressForCommandLine, LeavesOrdinaryAddressesAlone) {
    for (const char* address :
         {"http://www.example.com/go/chn/tbk_channel/channelcode.php?pid=mm_0_0_0&eventid=0",
          "https://example.com/a%20b?q=%E4&x=1#frag", "http://例子.com/中文路径", "", "~!@#$^&*()_+{}|:<>?'`"}) {
        EXPECT_EQ(EscapeAddressForCommandLine(address), address);
    }
}

TEST(EscapeAddressForCommandLine, EncodesControlBytesBlanksQuotesAndDelete) {
    EXPECT_EQ(EscapeAddressForCommandLine("http://a/b c"), "http://a/b%20c");
    EXPECT_EQ(EscapeAddressForCommandLine("x\" --new-window \"y"), "x%22%20--new-window%20%22y");
    EXPECT_EQ(EscapeAddressForCommandLine("a\tb\r\nc\x7F"), "a%09b%0D%0Ac%7F");
    EXPECT_EQ(EscapeAddressForCommandLine(std::string("a\0b", 3)), "a%00b");
    EXPECT_EQ(EscapeAddressForCommandLine("\x1F\x20\x21"), "%1F%20!");
    // Bytes above 0x7F (GBK) pass, and so does a ready-made escape.
    EXPECT_EQ(EscapeAddressForCommandLine("\x80\xFF%41"), "\x80\xFF%41");
}

TEST(BrowserCommandLine, JoinsCommandAndEscapedAddressWithOneBlank) {
    EXPECT_EQ(BrowserCommandLine("\"C:\\Program Files\\b.exe\" --flag", "http://a/?q=1 2"),
              "\"C:\\Program Files\\b.exe\" --flag http://a/?q=1%202");
    EXPECT_EQ(BrowserCommandLine("", "http://a/"), " http://a/");
    EXPECT_EQ(BrowserCommandLine("b.exe ", "x"), "b.exe  x");
}

}  // namespace
