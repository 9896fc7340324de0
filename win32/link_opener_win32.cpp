#include "win32/link_opener_win32.h"

#include "win32/link_command.h"
#include "win32/clipboard_win32.h"
#include "win32/handles_win32.h"
#include "win32/message_box_win32.h"
#include "win32/registry_win32.h"

namespace {

constexpr std::string_view kBrowsersKey = "SOFTWARE\\Clients\\StartMenuInternet";
constexpr std::string_view kFallbackBrowser = "IEXPLORE.EXE";
constexpr DWORD kReadyWaitMs = 1000;

// Starts the whole command line as it stands: the system finds the program at its start.
bool StartProcess(GbkText commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        return false;
    }
    const UniqueKernelHandle process(started.hProcess);
    const UniqueKernelHandle thread(started.hThread);
    // A console program or one that is slow to start only costs the wait.
    WaitForInputIdle(process.Get(), kReadyWaitMs);
    return true;
}

}  // namespace

void LinkOpener(std::string_view address) {
    // Read again on every call: the user may change the default browser while we run.
    const GbkText name = ReadMachineDefaultText(kBrowsersKey, kFallbackBrowser);
    const GbkText command =
        ReadMachineDefaultText(ConcatText({kBrowsersKey, "\\", name, "\\shell\\open\\command"}));
    if (StartProcess(BrowserCommandLine(command, address))) return;
    WriteClipboardText(nullptr, address);
    ShowMessage("未发现默认网络浏览器或默认网络浏览器配置错误，该网址已送至剪贴板。", "提示：");
}
