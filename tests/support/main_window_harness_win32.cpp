#include "tests/support/main_window_harness_win32.h"

#include <algorithm>

#include "win32/controls_win32.h"
#include "win32/message_box_win32.h"

MainWindowHarness::MainWindowHarness(const std::function<void(MainWindowOptions&)>& adjust) {
    SetMessageObserver([this](const GbkText& text, const GbkText& caption) { messages.emplace_back(text, caption); });
    MainWindowOptions options;
    options.exeDir = dir.Path();
    options.screen = kScreen;
    options.random = [this](int lo, int hi) {
        randomAsked.push_back(lo);
        return std::min(lo + randomOffset, hi);
    };
    options.openLink = [this](std::string_view address) { links.emplace_back(address); };
    options.openDealsChannel = [this] { ++dealsOpened; };
    options.popUpMenu = [this](HWND, HMENU menu) { popUps.push_back(menu); };
    options.endProcess = [this] { ++endProcessCalls; };
    options.adFeedAddress = "";
    options.miniInfoAddress = "";
    options.searchMenuFeedAddress = "";
    options.shellOpen = [this](const std::string& address) { shellOpened.push_back(address); };
    if (adjust) adjust(options);
    window = std::make_unique<MainWindow>(std::move(options));
}

MainWindowHarness::~MainWindowHarness() {
    window.reset();
    SetMessageObserver({});
}

bool MainWindowHarness::Start() { return window->Create(); }

GbkText MainWindowHarness::Text(Ctl id) const { return GetText(Get(id)); }

void MainWindowHarness::SetText(Ctl id, const GbkText& text) {
    SendMessageA(Get(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void MainWindowHarness::SetChecked(Ctl id, bool on) { ::SetChecked(Get(id), on); }

bool MainWindowHarness::IsChecked(Ctl id) const { return ::IsChecked(Get(id)); }

void MainWindowHarness::Press(Ctl id) {
    SendMessageA(Get(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    if (IsWindow(Get(id))) SendMessageA(Get(id), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

void MainWindowHarness::SelectMode(std::optional<PinyinMode> mode) {
    SetChecked(Ctl::带声调, mode == PinyinMode::WithTones);
    SetChecked(Ctl::不带声调, mode == PinyinMode::WithoutTones);
    SetChecked(Ctl::只留声母, mode == PinyinMode::InitialsOnly);
}

void MainWindowHarness::ClickConvert() { SendMessageA(Get(Ctl::转拼音), BM_CLICK, 0, 0); }

void MainWindowHarness::Command(UINT menuCommand) {
    SendMessageA(window->Hwnd(), WM_COMMAND, MAKEWPARAM(menuCommand, 0), 0);
}

RECT MainWindowHarness::PlaceOf(Ctl id) const { return RectInParent(Get(id)); }

std::string ConfigValue(const std::string& path, const char* key) {
    char buffer[256] = {};
    GetPrivateProfileStringA("general", key, "<missing>", buffer, sizeof buffer, path.c_str());
    return buffer;
}
