// StartUp: the window's creation handler, and the settings it loads and the exit saves.
#include "pinyin/conversion.h"
#include "searchbox/search_box_win32.h"
#include "shell/main_window_win32.h"
#include "shell/settings.h"
#include "version.h"
#include "tools/text_tools.h"
#include "win32/controls_win32.h"
#include "win32/startup_trace_win32.h"

namespace {

void Place(HWND hwnd, const PixelRect& r) { MoveTo(hwnd, r.left, r.top, r.width, r.height); }

}  // namespace

void MainWindow::StartUp() {
    // Steps 1-10: the window shortened to end below the convert button, centred again
    // vertically, and the frame pieces fitted to the new size.
    LayOutFrameControls();
    TraceStartUpStep("layout");

    // 11: the guidance text, with the focus in the input box. The box takes the focus when
    // the window is activated (OnActivate): focusing it now would activate the hidden window,
    // and Wine's first activation of a thread's window (its IME set up) took 12-40 ms.
    HWND input = Control(Ctl::输入的汉字);
    placeholderText_ = MakePlaceholderText(GetText(Control(Ctl::标签12)));
    SetText(input, placeholderText_);
    lastFocus_ = input;
    TraceStartUpStep("placeholder");

    // 12-14: caption, online timers, fake title.
    SetCaption(hwnd_, GbkText(kProgramTitle));
    const StartUpTimerPeriods periods = DrawStartUpTimerPeriods(options_.random);
    ArmTimer(k时钟_迷你资讯, periods.miniInfoMs);
    ArmTimer(k时钟_联机, periods.onlineMs);
    SetCaption(Control(Ctl::窗口假上), ConcatText({" ", GetText(hwnd_)}));
    TraceStartUpStep("caption-timers");

    // 15-16: config.ini loaded when anything exists there, written on first run.
    configPath_ = ConfigPathFor(options_.exeDir);
    if (PathExists(configPath_)) {
        if (auto profile = OpenPlatformProfile(configPath_)) ApplySettings(LoadSettings(*profile));
    } else {
        WriteDefaultConfig(configPath_);
    }
    if (!SelectedMode()) SelectMode(PinyinMode::WithTones);
    TraceStartUpStep("config");

    // 17-18: the guidance text converted, one group per line when mixed.
    ConvertCommand();
    TraceStartUpStep("first-conversion");
    if (IsChecked(Control(Ctl::混排))) {
        HWND output = Control(Ctl::转成的拼音);
        SetText(output, LineBreakGroups(GetText(output)));
    }
    TraceStartUpStep("groups");

    // 19-21: tray icon, window shown, search window.
    taskbarCreatedMessage_ = TrayIcon::TaskbarCreatedMessage();
    trayIcon_.Add(hwnd_, kTrayIconId, kTrayMessage, trayIconImage_.Get(), kProgramTitle);
    TraceStartUpStep("tray-icon");
    // The children are erased when they first paint, from the message loop, instead of one
    // by one inside ShowWindow before the start-up can go on to the search window. The
    // search window is switched to next; only when none opens is this window activated, so
    // that the focus ends where a plain ShowWindow would have left it.
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_DEFERERASE);
    TraceStartUpStep("shown");
    searchBox_->OpenSearchBox();
    if (!GetActiveWindow()) SetForegroundWindow(hwnd_);
    TraceStartUpStep("search-window");
}

void MainWindow::LayOutFrameControls() {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    const PixelRect created{r.left, r.top, r.right - r.left, r.bottom - r.top};
    const FrameLayout l = LayOutFrame(created, options_.screen.height, DesignedFrame());
    SetWindowPos(hwnd_, nullptr, l.window.left, l.window.top, l.window.width, l.window.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    Place(Control(Ctl::窗口假上), l.fakeTop);
    Place(Control(Ctl::窗口假左), l.fakeLeft);
    Place(Control(Ctl::窗口假右), l.fakeRight);
    Place(Control(Ctl::标签_窗口假下并广告), l.fakeBottom);
    Place(Control(Ctl::窗口关闭按钮), l.closeButton);
    Place(Control(Ctl::窗口最小化按钮), l.minimiseButton);
    Place(Control(Ctl::窗口更多按钮), l.moreButton);
    Place(Control(Ctl::标签_横线), l.rule);
}

void MainWindow::ApplySettings(const Settings& settings) {
    // The boxes got their design fonts at creation; a file that names the same ones (as the
    // first run's file does) makes no second font.
    if (settings.input != inputFont_) ApplyBoxFont(Box::Input, settings.input);
    if (settings.output != outputFont_) ApplyBoxFont(Box::Output, settings.output);
    if (settings.mode) SelectMode(*settings.mode);
    SetChecked(Control(Ctl::混排), settings.mixed);
}

Settings MainWindow::CollectSettings() const {
    Settings s;
    s.input = inputFont_;
    s.output = outputFont_;
    s.mode = SelectedMode();
    s.mixed = IsChecked(Control(Ctl::混排));
    return s;
}

void MainWindow::SelectMode(PinyinMode mode) {
    // Setting one radio button by message leaves the others as they are; clear them here.
    SetChecked(Control(Ctl::带声调), mode == PinyinMode::WithTones);
    SetChecked(Control(Ctl::不带声调), mode == PinyinMode::WithoutTones);
    SetChecked(Control(Ctl::只留声母), mode == PinyinMode::InitialsOnly);
}

std::optional<PinyinMode> MainWindow::SelectedMode() const {
    if (IsChecked(Control(Ctl::带声调))) return PinyinMode::WithTones;
    if (IsChecked(Control(Ctl::不带声调))) return PinyinMode::WithoutTones;
    if (IsChecked(Control(Ctl::只留声母))) return PinyinMode::InitialsOnly;
    return std::nullopt;
}
