// The floating search window: a borderless window with a drag strip, a ≡ label for its menu
// and a × label that hides it, showing the search widget of a shopping site in an HTML view
// or a search box of its own. It has its own tray icon and keeps itself on top.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "online/download.h"
#include "online/mini_info_window_win32.h"
#include "online/page_fetcher.h"
#include "searchbox/search_layout.h"
#include "searchbox/widget_pages.h"
#include "searchbox/zhuoyue_address.h"
#include "win32/bound_window_win32.h"
#include "win32/handles_win32.h"
#include "win32/html_view_win32.h"
#include "win32/screen_metrics.h"
#include "win32/tray_icon_win32.h"
#include "win32/windows_h_win32.h"

inline constexpr char kSearchBoxTitle[] = "rivor，便捷搜宝入口";
inline constexpr char kSearchBoxTrayTip[] = "鹭汀软件之rivor v1.07";
inline constexpr char kSearchBoxBalloonText[] = "单击此处可更换搜索框";

enum class SearchCtl : int {
    标签_拖动柄 = 1,
    标签_更多按钮,
    标签_关闭按钮,
    外形框_淘当,
    外形框_卓越,
    外形框_卓越编辑框外,
    编辑框_卓越,
    图片框_卓越开始,
};

// What the window needs from the program, passed in so that tests can give their own.
struct SearchBoxOptions {
    std::string exeDir;  // without trailing separator
    ScreenMetrics screen;
    std::function<void(std::string_view address)> openLink;  // LinkOpener
    std::function<void()> openDealsChannel;                  // OpenDealsChannel
    std::function<void(HWND owner, HMENU menu)> popUpMenu;   // empty: at the pointer + 3 pixels
    std::function<void(const std::string& address)> shellOpen;  // empty: ShellExecuteA "open"
    WidgetIds widgetIds;
    ZhuoyueIds zhuoyueIds;
    std::string updatePageAddress;
};

class SearchBoxWindow {
public:
    // fetcher and miniInfo belong to the program and outlive the window.
    SearchBoxWindow(const SearchBoxOptions& options, PageFetcher& fetcher, const std::string& menuFeedAddress,
                    MiniInfoOpener& miniInfo);
    ~SearchBoxWindow();
    SearchBoxWindow(const SearchBoxWindow&) = delete;
    SearchBoxWindow& operator=(const SearchBoxWindow&) = delete;

    // Creates the window hidden and runs its creation: settings, layout, place, transparency,
    // tray icon, timer, balloon tip and online menu item. False when no window could be made.
    bool Create();
    HWND Hwnd() const { return hwnd_; }

    // Visible and switched to. The HTML view is made after the first showing, once the
    // pending paints are done: ViewLocation is empty until then.
    void ShowSearchBox();
    // Tray icon removed, settings saved, window destroyed.
    void Close();
    void ApplyEngine(SearchEngine engine);
    void ApplyTransparency(int percent);
    void SaveSettings();
    void StartZhuoyueSearch();
    void OnMenuCommand(unsigned command);
    void OnTopmostTimer();

    // Read-outs for the program and its tests.
    HWND Control(SearchCtl id) const;
    const SearchLayout& Layout() const { return layout_; }
    const GbkText& EngineWord() const { return box_; }
    int Transparency() const { return trans_; }
    int TopmostTimerPeriod() const { return timerPeriod_; }
    POINT BalloonPoint() const { return balloonPoint_; }
    HWND Balloon() const { return balloon_; }
    const TrayIcon& SearchTrayIcon() const { return trayIcon_; }
    HMENU TrayMenu() const { return trayMenu_.Get(); }
    HMENU MoreMenu() const { return moreMenu_.Get(); }
    const GbkText& OnlineMenuLink() const { return onlineLink_; }
    std::string ViewLocation() const { return view_ ? view_->LocationUrl() : std::string(); }
    std::string WidgetPagePath(SearchEngine engine) const;

    static constexpr UINT kTrayMessage = WM_APP + 2;

private:
    friend LRESULT CALLBACK BoundWindowProc<SearchBoxWindow>(HWND, UINT, WPARAM, LPARAM);
    static SearchBoxWindow* BindWindow(HWND hwnd, const CREATESTRUCTA& create);
    static void UnbindWindow(SearchBoxWindow* self) noexcept;
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    void CreateControls();
    void ShowLayout();
    void ShowEnginePage(SearchEngine engine);
    void FocusZhuoyueBox();
    void MakeHtmlView();
    void ShowBalloonTip();
    void FillOnlineMenuItem();
    void OnControlPressed(SearchCtl id);
    void OnTrayNotify(LPARAM event);
    void OnMorePress();
    void OnDestroy();
    void PopUp(HMENU menu);
    void ArmTopmostTimer(int periodMs);
    void MoveTo(ScreenPoint at);
    SIZE WindowSize() const;

    const SearchBoxOptions& options_;
    PageFetcher& fetcher_;
    const std::string& menuFeedAddress_;
    MiniInfoOpener& miniInfo_;
    HWND hwnd_ = nullptr;
    std::unique_ptr<HtmlView> view_;
    bool viewMade_ = false;
    std::string viewPage_;  // the page for the view, while it is not made yet
    SearchLayout layout_ = DesignedSearchLayout();
    GbkText configPath_;
    GbkText box_ = "taobao";
    int trans_ = 20;
    int timerPeriod_ = 0;
    POINT balloonPoint_{};
    GbkText onlineLink_;
    HWND balloon_ = nullptr;  // owned by the window, which destroys it
    UniqueBrush backBrush_;
    UniqueFont stripFont_;
    UniqueIcon trayIconImage_;
    UniqueBitmap startPicture_;
    UniqueMenu trayMenu_, moreMenu_;
    TrayIcon trayIcon_;
    UINT taskbarCreatedMessage_ = 0;
};
