#include "searchbox/search_box_window_win32.h"

#include <commctrl.h>
#include <shellapi.h>


#include "online/feed_decoding.h"
#include "online/feed_markers.h"
#include "profile/file_replace.h"
#include "profile/profile.h"
#include "resources/resource_ids.h"
#include "searchbox/online_menu.h"
#include "searchbox/search_menus.h"
#include "searchbox/search_placement.h"
#include "searchbox/searchbox_settings.h"
#include "win32/clip_frame_win32.h"
#include "win32/controls_win32.h"
#include "win32/label_button_win32.h"
#include "win32/popup_menu_win32.h"
#include "win32/startup_trace_win32.h"
#include "win32/whole_file.h"
#include "win32/window_class_win32.h"

namespace {

constexpr char kClassName[] = "ZyfSearchBoxWindow";
constexpr UINT_PTR kTopmostTimer = 1;  // 时钟_总在最前
constexpr UINT_PTR kBalloonTimer = 2;  // takes the balloon tip down again
constexpr UINT_PTR kViewTimer = 3;     // makes the HTML view once the windows have painted
constexpr int kTopmostPeriodMs = 1000;
constexpr int kBalloonShownMs = 8000;
constexpr UINT kTrayIconId = 1;
const COLORREF kLabelText = RGB(236, 236, 236);

HMENU BuildMenu(const std::vector<SearchMenuItem>& items) {
    HMENU menu = CreatePopupMenu();
    for (const SearchMenuItem& item : items) {
        if (item.caption == "-" && item.command == kSearchMenuNone) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else if (!item.submenu.empty()) {
            AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(BuildMenu(item.submenu)),
                        item.caption.c_str());
        } else {
            // A feed's title is shown as typed: "&" would mark a shortcut letter.
            const GbkText caption = item.command == kSearchMenuOnline ? ReplaceText(item.caption, "&", "&&") : item.caption;
            AppendMenuA(menu, MF_STRING, item.command, caption.c_str());
        }
    }
    return menu;
}

void Place(HWND hwnd, const LayoutRect& r) { MoveTo(hwnd, r.left, r.top, r.width, r.height); }

}  // namespace

SearchBoxWindow::SearchBoxWindow(const SearchBoxOptions& options, PageFetcher& fetcher,
                                 const std::string& menuFeedAddress, MiniInfoOpener& miniInfo)
    : options_(options), fetcher_(fetcher), menuFeedAddress_(menuFeedAddress), miniInfo_(miniInfo) {}

SearchBoxWindow::~SearchBoxWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
}

SearchBoxWindow* SearchBoxWindow::BindWindow(HWND hwnd, const CREATESTRUCTA& create) {
    auto* self = static_cast<SearchBoxWindow*>(create.lpCreateParams);
    self->hwnd_ = hwnd;
    return self;
}

void SearchBoxWindow::UnbindWindow(SearchBoxWindow* self) noexcept {
    self->hwnd_ = nullptr;
    self->balloon_ = nullptr;
    self->view_.reset();
}

std::string SearchBoxWindow::WidgetPagePath(SearchEngine engine) const {
    return options_.exeDir + "\\" + (engine == SearchEngine::Dangdang ? kDangdangPageName : kTaobaoPageName);
}

HWND SearchBoxWindow::Control(SearchCtl id) const {
    switch (id) {
    case SearchCtl::外形框_卓越编辑框外:
    case SearchCtl::图片框_卓越开始:
        return GetDlgItem(Control(SearchCtl::外形框_卓越), static_cast<int>(id));
    case SearchCtl::编辑框_卓越:
        return GetDlgItem(Control(SearchCtl::外形框_卓越编辑框外), static_cast<int>(id));
    default:
        return GetDlgItem(hwnd_, static_cast<int>(id));
    }
}

bool SearchBoxWindow::Create() {
    WNDCLASSEXA wc{};
    wc.lpfnWndProc = BoundWindowProc<SearchBoxWindow>;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = kClassName;
    if (!RegisterClassOnce(wc)) return false;
    TraceStartUpStep("search-class");

    // The settings first, the layout they choose, then the place that depends on its size.
    // Reading the file shows nothing, so it comes before the window: the window and its
    // controls are then made in the chosen engine's layout and at their place at once,
    // instead of in the designed ones first and moved and sized after (each move of a
    // top-level window is a round trip to the X server under Wine).
    configPath_ = SearchBoxConfigPathFor(options_.exeDir);
    const bool fileExists = PathExists(configPath_);
    const auto profile = OpenPlatformProfile(configPath_);
    box_ = LoadSearchBoxEngineWord(*profile, fileExists);
    const std::optional<SearchEngine> engine = EngineNamed(box_);
    if (engine) layout_ = ApplyEngineLayout(layout_, *engine);
    const SearchBoxPlacement placement =
        LoadSearchBoxPlacement(*profile, fileExists, options_.screen, layout_.windowWidth, layout_.windowHeight);

    // Hidden until the whole creation has run; a tool window, so that only its tray icon
    // stands for it, not a taskbar button.
    CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, kSearchBoxTitle, WS_POPUP | WS_CLIPCHILDREN, placement.left,
                    placement.top, layout_.windowWidth, layout_.windowHeight, nullptr, nullptr, wc.hInstance, this);
    if (!hwnd_) return false;
    TraceStartUpStep("search-created");
    // What ApplyEngine does besides the layout: the engine's page, or the empty search box
    // with the focus.
    if (engine == SearchEngine::Zhuoyue) {
        FocusZhuoyueBox();
    } else if (engine) {
        ShowEnginePage(*engine);
    }
    TraceStartUpStep("search-engine");
    ApplyTransparency(placement.trans);
    TraceStartUpStep("search-placed");

    trayIcon_.Add(hwnd_, kTrayIconId, kTrayMessage, trayIconImage_.Get(), kSearchBoxTrayTip);
    TraceStartUpStep("search-tray-icon");
    ArmTopmostTimer(kTopmostPeriodMs);
    ShowBalloonTip();
    TraceStartUpStep("search-balloon");
    FillOnlineMenuItem();
    TraceStartUpStep("search-menu-feed");
    return hwnd_ != nullptr;
}

void SearchBoxWindow::CreateControls() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    backBrush_.Reset(CreateSolidBrush(layout_.color));
    stripFont_.Reset(CreateFontA(-9, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Verdana"));
    TraceStartUpStep("search-font");
    trayIconImage_.Reset(static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_SEARCH_BOX), IMAGE_ICON, 16, 16, 0)));
    startPicture_.Reset(static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDB_SEARCH_START), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));

    LabelLook strip;
    strip.textColor = kLabelText;
    strip.backColor = layout_.color;
    strip.font = stripFont_.Get();
    CreateLabelButton(hwnd_, static_cast<int>(SearchCtl::标签_拖动柄), layout_.caption, 0, 0, 1, 1, strip);
    LabelLook button = strip;
    button.textColor = RGB(255, 255, 255);
    button.font = nullptr;
    button.align = DT_CENTER;
    button.handCursor = true;
    CreateLabelButton(hwnd_, static_cast<int>(SearchCtl::标签_更多按钮), "≡", 0, 0, 1, 1, button);
    CreateLabelButton(hwnd_, static_cast<int>(SearchCtl::标签_关闭按钮), "×", 0, 0, 1, 1, button);

    // The HTML view goes into this frame when the window is first shown (MakeHtmlView).
    CreateClipFrame(hwnd_, static_cast<int>(SearchCtl::外形框_淘当), "外形框_淘当", 0, 0, 1, 1,
                    FrameLook{layout_.color, false, 0});
    TraceStartUpStep("search-labels");

    HWND book = CreateClipFrame(hwnd_, static_cast<int>(SearchCtl::外形框_卓越), "外形框_卓越", 0, 0, 1, 1,
                                FrameLook{layout_.color, false, 0});
    HWND editFrame = CreateClipFrame(book, static_cast<int>(SearchCtl::外形框_卓越编辑框外), "外形框_卓越编辑框外",
                                     24, 9, 130, 21, FrameLook{RGB(255, 255, 255), true, RGB(127, 157, 185)});
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 1, 1, 128, 19, editFrame,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(SearchCtl::编辑框_卓越)), instance, nullptr);
    SetFont(edit, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
    LabelLook picture;
    picture.backColor = layout_.color;
    picture.picture = startPicture_.Get();
    picture.showText = false;
    picture.handCursor = true;
    CreateLabelButton(book, static_cast<int>(SearchCtl::图片框_卓越开始), "图片框_卓越开始", 160, 9, 40, 21, picture);
    ShowLayout();
    TraceStartUpStep("search-controls");
}

// Puts every control where the layout says, in the layout's colour.
void SearchBoxWindow::ShowLayout() {
    backBrush_.Reset(CreateSolidBrush(layout_.color));
    HWND strip = Control(SearchCtl::标签_拖动柄);
    SetCaption(strip, layout_.caption);
    for (SearchCtl id : {SearchCtl::标签_拖动柄, SearchCtl::标签_更多按钮, SearchCtl::标签_关闭按钮}) {
        LabelLook look;
        look.backColor = layout_.color;
        look.textColor = id == SearchCtl::标签_拖动柄 ? kLabelText : RGB(255, 255, 255);
        look.font = id == SearchCtl::标签_拖动柄 ? stripFont_.Get() : nullptr;
        look.align = id == SearchCtl::标签_拖动柄 ? DT_LEFT : DT_CENTER;
        look.handCursor = id != SearchCtl::标签_拖动柄;
        SetLabelLook(Control(id), look);
    }
    Place(strip, layout_.dragStrip);
    Place(Control(SearchCtl::标签_更多按钮), layout_.more);
    Place(Control(SearchCtl::标签_关闭按钮), layout_.close);
    // The two small labels stay above the drag strip, which runs under them.
    SetWindowPos(Control(SearchCtl::标签_更多按钮), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(Control(SearchCtl::标签_关闭按钮), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    HWND shop = Control(SearchCtl::外形框_淘当);
    HWND book = Control(SearchCtl::外形框_卓越);
    SetFrameLook(shop, FrameLook{layout_.color, false, 0});
    SetFrameLook(book, FrameLook{layout_.color, false, 0});
    Place(shop, layout_.shopFrame);
    Place(book, layout_.bookFrame);
    if (view_) {
        view_->Move(layout_.view.left, layout_.view.top, layout_.view.width, layout_.view.height);
        SetVisible(view_->Window(), layout_.viewShown);
    }
    SetVisible(shop, layout_.shopFrameShown);
    SetVisible(book, layout_.bookFrameShown);
    SetWindowPos(hwnd_, nullptr, 0, 0, layout_.windowWidth, layout_.windowHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void SearchBoxWindow::ApplyEngine(SearchEngine engine) {
    if (engine != SearchEngine::Zhuoyue) ShowEnginePage(engine);
    layout_ = ApplyEngineLayout(layout_, engine);
    ShowLayout();
    box_ = GbkText(::EngineWord(engine));
    if (engine == SearchEngine::Zhuoyue) FocusZhuoyueBox();
}

// The page is written whole each time; a view not made yet is pointed at it when it is.
void SearchBoxWindow::ShowEnginePage(SearchEngine engine) {
    const std::string path = WidgetPagePath(engine);
    WriteWholeFile(path, engine == SearchEngine::Taobao ? TaobaoWidgetPage(options_.widgetIds)
                                                        : DangdangWidgetPage(options_.widgetIds));
    TraceStartUpStep("search-page-written");
    if (view_) {
        view_->Navigate(path);
    } else {
        viewPage_ = path;
    }
}

void SearchBoxWindow::FocusZhuoyueBox() {
    HWND edit = Control(SearchCtl::编辑框_卓越);
    ClearText(edit);
    SetFocus(edit);
}

// OLE and the WebBrowser control take longer to set up than the rest of the window, and the
// start-up opens this window before the main window has painted anything but its background.
// So the view is made on a timer, whose message comes only when no window waits to be
// painted, where the layout puts it then, and pointed at the page of the engine applied last,
// if any. The control loads and draws its page later in any case.
void SearchBoxWindow::MakeHtmlView() {
    KillTimer(hwnd_, kViewTimer);
    if (viewMade_) return;
    viewMade_ = true;
    TraceStartUpStep("search-view-timer");
    HWND shop = Control(SearchCtl::外形框_淘当);
    if (!shop) return;
    view_ = HtmlView::Create(shop, layout_.view.left, layout_.view.top, layout_.view.width, layout_.view.height,
                             options_.openLink);
    TraceStartUpStep("search-html-view");
    if (!view_) return;
    SetVisible(view_->Window(), layout_.viewShown);
    if (!viewPage_.empty()) view_->Navigate(viewPage_);
    TraceStartUpStep("search-navigate");
}

void SearchBoxWindow::ApplyTransparency(int percent) {
    const int alpha = AlphaForTransparency(percent);
    const LONG_PTR ex = GetWindowLongPtrA(hwnd_, GWL_EXSTYLE);
    SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    SetLayeredWindowAttributes(hwnd_, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
    trans_ = percent;
}

SIZE SearchBoxWindow::WindowSize() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return {r.right - r.left, r.bottom - r.top};
}

void SearchBoxWindow::MoveTo(ScreenPoint at) {
    SetWindowPos(hwnd_, nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A tracking balloon at the middle of the ≡ label's top edge.
void SearchBoxWindow::ShowBalloonTip() {
    RECT window{};
    GetWindowRect(hwnd_, &window);
    balloonPoint_ = {window.left + layout_.more.left + layout_.more.width / 2, window.top + layout_.more.top};
    balloon_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_BALLOON | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    if (!balloon_) return;
    TTTOOLINFOA tool{};
    // The size of the common controls' version 5 structure, which every version takes.
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.hwnd = hwnd_;
    tool.uId = 1;
    tool.lpszText = const_cast<char*>(kSearchBoxBalloonText);
    SendMessageA(balloon_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(balloon_, TTM_TRACKPOSITION, 0, MAKELPARAM(balloonPoint_.x, balloonPoint_.y));
    SendMessageA(balloon_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    SetTimer(hwnd_, kBalloonTimer, kBalloonShownMs, nullptr);
}

// The tray menu holds the online item only when the feed names both a title and a link.
void SearchBoxWindow::FillOnlineMenuItem() {
    const GbkText cut = fetcher_.Fetch(menuFeedAddress_, kInfoFeedStart, kInfoFeedEnd);
    if (!hwnd_) return;  // closed while the fetch pumped its messages
    const auto entry = OnlineMenuFromFeed(DecodeFeedText(cut));
    onlineLink_ = entry ? entry->link : GbkText();
    trayMenu_.Reset(BuildMenu(SearchTrayMenu(entry ? std::optional<GbkText>(entry->title) : std::nullopt)));
    moreMenu_.Reset(BuildMenu(SearchMoreMenu()));
}

void SearchBoxWindow::ShowSearchBox() {
    ShowWindow(hwnd_, SW_SHOW);
    SwitchToThisWindow(hwnd_, TRUE);
    TraceStartUpStep("search-shown");
    if (!viewMade_) SetTimer(hwnd_, kViewTimer, 0, nullptr);
}

void SearchBoxWindow::SaveSettings() {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    if (const auto profile = OpenPlatformProfile(configPath_)) SaveSearchBoxSettings(*profile, trans_, r.left, r.top, box_);
}

void SearchBoxWindow::Close() {
    if (!hwnd_) return;
    trayIcon_.Remove();
    SaveSettings();
    DestroyWindow(hwnd_);
}

void SearchBoxWindow::StartZhuoyueSearch() {
    const GbkText address = ZhuoyueSearchAddress(GetText(Control(SearchCtl::编辑框_卓越)), options_.zhuoyueIds);
    if (options_.shellOpen) {
        options_.shellOpen(address);
    } else {
        ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
}

void SearchBoxWindow::OnTopmostTimer() {
    if (IsWindowVisible(hwnd_)) {
        SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void SearchBoxWindow::ArmTopmostTimer(int periodMs) {
    timerPeriod_ = periodMs;
    if (periodMs > 0) {
        SetTimer(hwnd_, kTopmostTimer, static_cast<UINT>(periodMs), nullptr);
    } else {
        KillTimer(hwnd_, kTopmostTimer);
    }
}

void SearchBoxWindow::PopUp(HMENU menu) {
    if (options_.popUpMenu) {
        options_.popUpMenu(hwnd_, menu);
    } else {
        PopUpMenuAtPointer(hwnd_, menu, kSearchMenuOffset);
    }
}

// The menu pops with the timer stopped and the window out of the topmost layer, so that the
// menu is not covered; the next tick puts the window back on top.
void SearchBoxWindow::OnMorePress() {
    ArmTopmostTimer(0);
    SetWindowPos(hwnd_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    PopUp(moreMenu_.Get());
    if (hwnd_) ArmTopmostTimer(kTopmostPeriodMs);
}

void SearchBoxWindow::OnControlPressed(SearchCtl id) {
    switch (id) {
    case SearchCtl::标签_拖动柄:
        SendMessageA(hwnd_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
        break;
    case SearchCtl::标签_更多按钮:
        OnMorePress();
        break;
    case SearchCtl::标签_关闭按钮:
        ShowWindow(hwnd_, SW_HIDE);
        SaveSettings();
        break;
    case SearchCtl::图片框_卓越开始:
        StartZhuoyueSearch();
        break;
    default:
        break;
    }
}

void SearchBoxWindow::OnMenuCommand(unsigned command) {
    if (const auto word = EngineWordOf(command)) {
        if (const auto engine = EngineNamed(*word)) ApplyEngine(*engine);
        return;
    }
    if (const auto percent = TransparencyOf(command)) {
        ApplyTransparency(*percent);
        return;
    }
    const SIZE size = WindowSize();
    switch (command) {
    case kSearchMenu显示主窗口: ShowSearchBox(); break;
    case kSearchMenu淘宝淘实惠:
        if (options_.openDealsChannel) options_.openDealsChannel();
        break;
    case kSearchMenu特别推荐: miniInfo_.OpenIfAbsent(); break;
    case kSearchMenu检查更新:
        if (options_.openLink) options_.openLink(options_.updatePageAddress);
        break;
    case kSearchMenuOnline:
        if (options_.openLink && !onlineLink_.empty()) options_.openLink(onlineLink_);
        break;
    case kSearchMenu退出: Close(); break;
    case kSearchMenu右下: MoveTo(PresetPlace(PlacePreset::BottomRight, options_.screen, size.cx, size.cy)); break;
    case kSearchMenu居中: MoveTo(PresetPlace(PlacePreset::Centre, options_.screen, size.cx, size.cy)); break;
    case kSearchMenu中下: MoveTo(PresetPlace(PlacePreset::BottomMiddle, options_.screen, size.cx, size.cy)); break;
    default: break;
    }
}

void SearchBoxWindow::OnTrayNotify(LPARAM event) {
    switch (LOWORD(event)) {
    case WM_LBUTTONUP: ShowSearchBox(); break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU: PopUp(trayMenu_.Get()); break;
    default: break;
    }
}

void SearchBoxWindow::OnDestroy() {
    KillTimer(hwnd_, kTopmostTimer);
    KillTimer(hwnd_, kBalloonTimer);
    KillTimer(hwnd_, kViewTimer);
    trayIcon_.Remove();
    // Missing or locked pages are left as they are.
    DeleteFileA(WidgetPagePath(SearchEngine::Taobao).c_str());
    DeleteFileA(WidgetPagePath(SearchEngine::Dangdang).c_str());
}

LRESULT SearchBoxWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE:
        taskbarCreatedMessage_ = TrayIcon::TaskbarCreatedMessage();
        CreateControls();
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == kLabelPressed) {
            OnControlPressed(static_cast<SearchCtl>(LOWORD(wParam)));
        } else if (HIWORD(wParam) == 0 && lParam == 0) {
            OnMenuCommand(LOWORD(wParam));
        }
        return 0;
    case WM_TIMER:
        if (wParam == kTopmostTimer) OnTopmostTimer();
        if (wParam == kViewTimer) MakeHtmlView();
        if (wParam == kBalloonTimer) {
            KillTimer(hwnd_, kBalloonTimer);
            if (balloon_) SendMessageA(balloon_, TTM_TRACKACTIVATE, FALSE, 0);
        }
        return 0;
    case kTrayMessage:
        OnTrayNotify(lParam);
        return 0;
    case WM_ERASEBKGND: {
        RECT r{};
        GetClientRect(hwnd_, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, backBrush_.Get());
        return 1;
    }
    case WM_CLOSE:
        ShowWindow(hwnd_, SW_HIDE);
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default:
        if (msg == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0) {
            trayIcon_.ReAdd();
            return 0;
        }
        return DefWindowProcA(hwnd_, msg, wParam, lParam);
    }
}
