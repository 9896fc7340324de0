#include "shell/main_window_win32.h"

#include "win32/windows_h_win32.h"

#include <commctrl.h>

#include "resources/resource_ids.h"
#include "searchbox/search_box_win32.h"
#include "deployment.h"
#include "online/deals_channel_win32.h"
#include "online/ad_feed.h"
#include "online/download_bytes_win32.h"
#include "online/feed_decoding.h"
#include "online/feed_markers.h"
#include "online/rearm_period.h"
#include "shell/main_menus_win32.h"
#include "win32/message_pump_win32.h"
#include "tools/label_tools.h"
#include "win32/link_opener_win32.h"
#include "win32/controls_win32.h"
#include "win32/label_button_win32.h"
#include "win32/popup_menu_win32.h"
#include "win32/startup_trace_win32.h"
#include "win32/window_class_win32.h"

namespace {

constexpr char kClassName[] = "ZiyinfangMainWindow";

bool RegisterMainClass(HINSTANCE instance, WNDPROC proc) {
    WNDCLASSEXA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hIcon = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_ZIYINFANG), IMAGE_ICON, 0, 0,
                                             LR_DEFAULTSIZE | LR_SHARED));
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_ZIYINFANG), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                               LR_SHARED));
    wc.lpszClassName = kClassName;
    return RegisterClassOnce(wc);
}

}  // namespace

MainWindow::MainWindow(MainWindowOptions options) : options_(std::move(options)) {
    if (!options_.random) options_.random = [](int lo, int) { return lo; };
    if (!options_.download) options_.download = [](const std::string& a) { return DownloadBytes(a); };
    if (!options_.stylesheetDownload) {
        const auto limits = DownloadLimits{static_cast<unsigned long>(options_.fetchTimeoutMs)};
        options_.stylesheetDownload = [limits](const std::string& a) { return DownloadBytes(a, limits); };
    }
    adFetcher_ = std::make_unique<PageFetcher>(options_.download, options_.fetchTimeoutMs, PumpPendingMessages);
    MiniInfoOptions mini;
    mini.exeDir = options_.exeDir;
    mini.screen = options_.screen;
    mini.address = options_.miniInfoAddress.value_or(kMiniInfoAddress);
    mini.dealsChannelAddress = kDealsChannelAddress;
    mini.download = options_.download;
    mini.stylesheetDownload = options_.stylesheetDownload;
    mini.fetchTimeoutMs = options_.fetchTimeoutMs;
    mini.openLink = [this](std::string_view address) { OpenLink(address); };
    SearchBoxProgramOptions search;
    search.miniInfo = mini;
    miniInfo_ = std::make_unique<MiniInfoOpener>(std::move(mini));
    search.window.exeDir = options_.exeDir;
    search.window.screen = options_.screen;
    search.window.openLink = [this](std::string_view address) { OpenLink(address); };
    search.window.openDealsChannel = [this] { OpenDeals(); };
    search.window.popUpMenu = options_.popUpMenu;
    search.window.shellOpen = options_.shellOpen;
    search.window.widgetIds = {kTaobaoPid, kTaobaoWidgetHost, kDangdangClientId, kDangdangWidgetHost};
    search.window.zhuoyueIds = {kZhuoyueHost, kZhuoyueTag, kZhuoyueAdid};
    search.window.updatePageAddress = kUpdatePageAddress;
    search.download = options_.download;
    search.fetchTimeoutMs = options_.fetchTimeoutMs;
    search.menuFeedAddress = options_.searchMenuFeedAddress.value_or(kSearchMenuFeedAddress);
    searchBox_ = std::make_unique<SearchBox>(std::move(search));
}

MainWindow::~MainWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool MainWindow::Create() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterMainClass(instance, BoundWindowProc<MainWindow>)) return false;
    const PixelRect place = CreationPlace(options_.screen);
    // WS_SYSMENU and WS_MINIMIZEBOX give the taskbar button its minimise and restore.
    CreateWindowExA(WS_EX_APPWINDOW, kClassName, "", WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX,
                    place.left, place.top, place.width, place.height, nullptr, nullptr, instance, this);
    return hwnd_ != nullptr;
}

HWND MainWindow::Control(Ctl id) const {
    const auto i = static_cast<std::size_t>(id) - static_cast<std::size_t>(Ctl::窗口假上);
    return i < controls_.size() ? controls_[i] : nullptr;
}

MainWindow* MainWindow::BindWindow(HWND hwnd, const CREATESTRUCTA& create) {
    auto* self = static_cast<MainWindow*>(create.lpCreateParams);
    self->hwnd_ = hwnd;
    return self;
}

void MainWindow::UnbindWindow(MainWindow* self) noexcept {
    self->hwnd_ = nullptr;
    self->controls_.fill(nullptr);
}

LRESULT MainWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        CreateResources();
        TraceStartUpStep("main-resources");
        CreateControls();
        TraceStartUpStep("main-controls");
        StartUp();
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case kTrayMessage:
        OnTrayNotify(lParam);
        return 0;
    case WM_CLOSE:
        // Closing only hides the window; the program lives on in the tray.
        SetVisible(hwnd_, false);
        return 0;
    case WM_ACTIVATE:
        OnActivate(wParam);
        return 0;
    case WM_SETFOCUS:
        if (lastFocus_ && IsWindow(lastFocus_)) SetFocus(lastFocus_);
        return 0;
    case WM_ERASEBKGND: {
        RECT r{};
        GetClientRect(hwnd_, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, greyBrush_.Get());
        TraceStartUpStep("main-erase");
        return 1;
    }
    case WM_CTLCOLOREDIT:
        return OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), true);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), false);
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default:
        if (msg == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0) {
            trayIcon_.ReAdd();
            return 0;
        }
        break;
    }
    return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

void MainWindow::OnCommand(WORD id, WORD code) {
    if (id == static_cast<WORD>(Ctl::转拼音)) {
        if (code == BN_CLICKED) ConvertCommand();
        return;
    }
    if (code == kLabelPressed) {
        OnControlPressed(static_cast<Ctl>(id));
        return;
    }
    if (code == 0 && id >= kMenu显示主窗口 && id <= kMenu检查更新) OnMenuCommand(id);
}

void MainWindow::OnControlPressed(Ctl id) {
    switch (id) {
    case Ctl::窗口假上: On窗口假上Press(); break;
    case Ctl::窗口关闭按钮: On窗口关闭按钮Press(); break;
    case Ctl::窗口最小化按钮: On窗口最小化按钮Press(); break;
    case Ctl::窗口更多按钮: On窗口更多按钮Press(); break;
    case Ctl::标签_窗口假下并广告: On标签_窗口假下并广告Press(); break;
    case Ctl::图片框_广告: On图片框_广告Press(); break;
    case Ctl::显示成功: On显示成功Press(); break;
    case Ctl::标签3: ClearBothBoxes(*this); break;           // 清空
    case Ctl::标签1: PasteIntoInputBox(*this); break;        // 粘贴
    case Ctl::标签2: ChooseBoxFont(*this, Box::Input); break;  // 设字体
    case Ctl::标签10: KeepHanziOnly(*this); break;           // 删非汉字
    case Ctl::标签12: ExamLayout(*this); break;              // 考题模式
    case Ctl::标签13: CopyInputText(*this); break;           // 复制
    case Ctl::标签14: CountHanzi(*this); break;              // 取汉字数
    case Ctl::标签4: ClearOutputBox(*this); break;           // 清空
    case Ctl::标签6: CopyOutputText(*this); break;           // 复制
    case Ctl::标签5: ChooseBoxFont(*this, Box::Output); break;  // 设字体
    case Ctl::每行一组: ReflowOneGroupPerLine(*this); break;
    case Ctl::不留空格: RemoveBlanks(*this); break;
    default: break;  // separators, the rule, the edge strips and frames do nothing
    }
}

void MainWindow::OnMenuCommand(UINT command) {
    switch (command) {
    case kMenu显示主窗口: ShowMainWindow(); break;
    case kMenuRivor: searchBox_->OpenSearchBox(); break;
    case kMenu淘宝淘实惠: OpenDeals(); break;
    case kMenu退出: ExitProgram(); break;
    case kMenu检查更新: OpenLink(kUpdatePageAddress); break;
    default: break;
    }
}

void MainWindow::OnTrayNotify(LPARAM event) {
    switch (LOWORD(event)) {
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
        PopUp(trayMenu_.Get());
        break;
    default:
        break;  // movement and presses only show the tip
    }
}

void MainWindow::OnTimer(UINT_PTR timer) {
    switch (timer) {
    case k时钟1: On时钟1Timer(); break;
    case k时钟_联机: On时钟_联机Timer(); break;
    case k时钟_迷你资讯: On时钟_迷你资讯Timer(); break;
    default: break;
    }
}

void MainWindow::OnActivate(WPARAM wParam) {
    // The default handling would move the focus to the frame itself; the box that had it
    // gets it back instead.
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
    } else if (!HIWORD(wParam) && lastFocus_ && IsWindow(lastFocus_)) {
        SetFocus(lastFocus_);
    }
}

void MainWindow::OnDestroy() {
    for (Ctl box : {Ctl::输入的汉字, Ctl::转成的拼音}) {
        if (HWND h = Control(box)) RemoveWindowSubclass(h, BoxSubclassProc, static_cast<UINT_PTR>(box));
    }
    trayIcon_.Remove();
}

LRESULT MainWindow::OnControlColor(HDC dc, HWND control, bool edit) {
    if (edit && (control == Control(Ctl::输入的汉字) || control == Control(Ctl::转成的拼音))) {
        const BoxFontSettings& font = control == Control(Ctl::输入的汉字) ? inputFont_ : outputFont_;
        SetTextColor(dc, static_cast<COLORREF>(font.color) & 0x00FFFFFF);
        SetBkColor(dc, RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(whiteBrush_.Get());
    }
    if (edit) return DefWindowProcA(hwnd_, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    // Radio buttons, the check box and the push button sit on the window's grey.
    SetBkColor(dc, RGB(236, 236, 236));
    SetTextColor(dc, RGB(0, 0, 0));
    return reinterpret_cast<LRESULT>(greyBrush_.Get());
}

LRESULT CALLBACK MainWindow::BoxSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR self) {
    try {
        return reinterpret_cast<MainWindow*>(self)->HandleBoxMessage(hwnd, msg, wParam, lParam);
    } catch (...) {
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }
}

LRESULT MainWindow::HandleBoxMessage(HWND box, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CHAR:
        // Ctrl+A arrives as character 1; select everything instead of beeping.
        if (wParam == 1) {
            SelectAll(box);
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
        // The press handler runs before the box places its caret.
        if (box == Control(Ctl::输入的汉字)) On输入的汉字Press();
        break;
    case WM_SETFOCUS:
        lastFocus_ = box;
        break;
    default:
        break;
    }
    return DefSubclassProc(box, msg, wParam, lParam);
}

// --- frame, status line and timers ---

void MainWindow::On窗口假上Press() {
    // The system drags the window as it would by a real title bar.
    SendMessageA(hwnd_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void MainWindow::On窗口关闭按钮Press() { SetVisible(hwnd_, false); }

void MainWindow::On窗口最小化按钮Press() { ShowWindow(hwnd_, SW_MINIMIZE); }

void MainWindow::On窗口更多按钮Press() { PopUp(moreMenu_.Get()); }

void MainWindow::On标签_窗口假下并广告Press() {
    const GbkText address = AdClickAddress(GetText(Control(Ctl::标签_窗口假下并广告)), adLinkAddress_, kDealsChannelAddress);
    if (address == kDealsChannelAddress) {
        OpenDeals();
    } else {
        OpenLink(address);
    }
}

void MainWindow::On图片框_广告Press() { OpenLink(kShopPageAddress); }

void MainWindow::On显示成功Press() {
    // The timer stays armed and hides the line again, to no visible effect.
    SetVisible(Control(Ctl::显示成功), false);
}

void MainWindow::ShowStatus(std::string_view text) {
    HWND status = Control(Ctl::显示成功);
    SetCaption(status, GbkText(text));
    SetVisible(status, true);
    ArmTimer(k时钟1, kStatusAfterToolMs);
}

void MainWindow::On时钟1Timer() {
    StopTimer(k时钟1);
    SetVisible(Control(Ctl::显示成功), false);
}

// The next period is drawn first, so that it counts from the start of the tick.
void MainWindow::On时钟_联机Timer() {
    ArmTimer(k时钟_联机, DrawRearmPeriodMs(kAdRefreshMinutes, options_.random));
    const GbkText cut = adFetcher_->Fetch(options_.adFeedAddress.value_or(kAdFeedAddress), kAdFeedStart, kAdFeedEnd);
    if (!hwnd_) return;  // the window went while the fetch pumped its messages
    AdCaption ad = AdCaptionFromFeed(DecodeFeedText(cut), kDealsChannelAddress);
    adCaptionText_ = std::move(ad.caption);
    adLinkAddress_ = std::move(ad.link);
    SetCaption(Control(Ctl::标签_窗口假下并广告), adCaptionText_);
}

void MainWindow::On时钟_迷你资讯Timer() {
    ArmTimer(k时钟_迷你资讯, DrawRearmPeriodMs(kMiniInfoRefreshMinutes, options_.random));
    miniInfo_->OpenIfAbsent();
}

void MainWindow::ArmTimer(MainTimer timer, int periodMs) {
    timerPeriods_[timer] = periodMs;
    SetTimer(hwnd_, timer, static_cast<UINT>(periodMs), nullptr);
}

void MainWindow::StopTimer(MainTimer timer) {
    timerPeriods_[timer] = 0;
    KillTimer(hwnd_, timer);
}

int MainWindow::TimerPeriod(MainTimer timer) const { return timer < timerPeriods_.size() ? timerPeriods_[timer] : 0; }

// --- showing, menus and exit ---

void MainWindow::ShowMainWindow() {
    ShowWindow(hwnd_, SW_SHOW);
    SwitchToThisWindow(hwnd_, TRUE);
}

void MainWindow::PopUp(HMENU menu) {
    if (options_.popUpMenu) {
        options_.popUpMenu(hwnd_, menu);
    } else {
        PopUpMenuAtPointer(hwnd_, menu);
    }
}

void MainWindow::OpenLink(std::string_view address) {
    if (options_.openLink) {
        options_.openLink(address);
    } else {
        LinkOpener(address);
    }
}

void MainWindow::OpenDeals() {
    if (options_.openDealsChannel) {
        options_.openDealsChannel();
    } else {
        OpenDealsChannel();
    }
}

void MainWindow::SaveAndCleanUpForExit() {
    if (auto profile = OpenPlatformProfile(configPath_)) SaveSettings(*profile, CollectSettings());
    trayIcon_.Remove();
    searchBox_->CloseSearchBox();
}

void MainWindow::ExitProgram() {
    SaveAndCleanUpForExit();
    if (options_.endProcess) {
        options_.endProcess();
    } else {
        PostQuitMessage(0);
    }
}
