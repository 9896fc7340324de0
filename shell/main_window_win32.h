// The main window: a borderless frame that draws its own title bar, the two text boxes
// with the label row of tools, the mode buttons and the convert button; it lives on in the
// notification area when hidden. StartUp runs while the window is created.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "shell/main_layout.h"
#include "shell/main_window_values.h"
#include "win32/screen_metrics.h"
#include "shell/settings.h"
#include "text/gbk_text.h"
#include "online/mini_info_window_win32.h"
#include "online/page_fetcher.h"
#include "searchbox/search_box_win32.h"
#include "tools/tool_host.h"
#include "win32/bound_window_win32.h"
#include "win32/font_dialog_win32.h"
#include "win32/handles_win32.h"
#include "win32/tray_icon_win32.h"
#include "win32/windows_h_win32.h"

// What the window needs from the system, passed in so that tests can give their own.
struct MainWindowOptions {
    std::string exeDir;  // the executable's folder, without trailing separator
    ScreenMetrics screen;
    RandomInt random;
    // Actions that leave the window; empty ones do what the program does.
    std::function<void(std::string_view address)> openLink;  // LinkOpener
    std::function<void()> openDealsChannel;                  // OpenDealsChannel
    std::function<void(HWND owner, HMENU menu)> popUpMenu;   // at the mouse pointer
    std::function<void()> endProcess;                        // PostQuitMessage(0)
    // The online features. Empty downloads are DownloadBytes; addresses not given are the
    // build's feed addresses, and an empty one is never requested.
    DownloadFunction download;
    DownloadFunction stylesheetDownload;  // bounded by the fetch time-out
    int fetchTimeoutMs = kFetchTimeoutMs;
    std::optional<std::string> adFeedAddress;
    std::optional<std::string> miniInfoAddress;
    std::optional<std::string> searchMenuFeedAddress;
    std::function<void(const std::string& address)> shellOpen;  // the search window's ShellExecuteA
    // The convert command's conversion; empty is ConvertHanziText. Tests make it run out of memory.
    std::function<GbkText(std::string_view hanzi, PinyinMode mode, bool mixed)> convert;
};

enum MainTimer : UINT_PTR {
    k时钟1 = 1,
    k时钟_联机,
    k时钟_迷你资讯,
};

class MainWindow final : public ToolHost {
public:
    explicit MainWindow(MainWindowOptions options);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window; StartUp runs during the creation and shows it. False on failure.
    bool Create();
    HWND Hwnd() const { return hwnd_; }
    HWND Control(Ctl id) const;

    // Operations of the window.
    void ConvertCommand();
    void ShowStatus(std::string_view text) override;
    void ShowMainWindow();
    void ExitProgram();
    // ExitProgram without its last step: settings saved, tray icon removed, search window closed.
    void SaveAndCleanUpForExit();

    // Timer ticks, called by the dispatcher (and directly by tests).
    void On时钟1Timer();
    void On时钟_联机Timer();
    void On时钟_迷你资讯Timer();

    // Read-outs of the window's state.
    const GbkText& PlaceholderText() const { return placeholderText_; }
    const GbkText& ConfigPath() const { return configPath_; }
    const BoxFontSettings& BoxFont(Box box) const override { return box == Box::Input ? inputFont_ : outputFont_; }
    // The period a timer was last armed with; 0 when it is stopped.
    int TimerPeriod(MainTimer timer) const;
    FontDialog& SharedFontDialog() { return fontDialog_; }
    const TrayIcon& MainTrayIcon() const { return trayIcon_; }
    const GbkText& AdLinkAddress() const { return adLinkAddress_; }
    const MiniInfoOpener& MiniInfo() const { return *miniInfo_; }
    SearchBox& SearchWindow() { return *searchBox_; }
    HMENU TrayMenu() const { return trayMenu_.Get(); }
    HMENU MoreMenu() const { return moreMenu_.Get(); }

    // The tray icon's notifications arrive as this message, the mouse event in lParam.
    static constexpr UINT kTrayMessage = WM_APP + 1;

private:
    static constexpr UINT kTrayIconId = 1;

    friend LRESULT CALLBACK BoundWindowProc<MainWindow>(HWND, UINT, WPARAM, LPARAM);
    static MainWindow* BindWindow(HWND hwnd, const CREATESTRUCTA& create);
    static void UnbindWindow(MainWindow* self) noexcept;
    static LRESULT CALLBACK BoxSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR self);
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT HandleBoxMessage(HWND box, UINT msg, WPARAM wParam, LPARAM lParam);

    // Creation (main_window_controls_win32.cpp).
    void CreateResources();
    void CreateControls();
    void ApplyBoxFont(Box box, const BoxFontSettings& font) override;
    HWND BoxWindow(Box box) const { return Control(box == Box::Input ? Ctl::输入的汉字 : Ctl::转成的拼音); }

    // Start-up and settings (startup_win32.cpp).
    void StartUp();
    void LayOutFrameControls();
    void ApplySettings(const Settings& settings);
    Settings CollectSettings() const;
    void SelectMode(PinyinMode mode);
    // The first selected of 带声调, 不带声调, 只留声母; none when no button is selected.
    std::optional<PinyinMode> SelectedMode() const;

    // Message handlers (main_window_win32.cpp).
    void OnCommand(WORD id, WORD code);
    void OnControlPressed(Ctl id);
    void OnMenuCommand(UINT command);
    void OnTrayNotify(LPARAM event);
    void OnTimer(UINT_PTR timer);
    void OnActivate(WPARAM wParam);
    void OnDestroy();
    LRESULT OnControlColor(HDC dc, HWND control, bool edit);
    void On窗口假上Press();
    void On窗口关闭按钮Press();
    void On窗口最小化按钮Press();
    void On窗口更多按钮Press();
    void On标签_窗口假下并广告Press();
    void On图片框_广告Press();
    void On显示成功Press();
    void ArmTimer(MainTimer timer, int periodMs);
    void StopTimer(MainTimer timer);
    void OpenLink(std::string_view address);
    void OpenDeals();
    void PopUp(HMENU menu);

    // What the label-row tools see of the window (main_window_tools_win32.cpp).
    GbkText BoxText(Box box) const override;
    std::size_t BoxTextLength(Box box) const override;
    void SetBoxText(Box box, std::string_view text) override;
    void SetBoxTextCaretAtEnd(Box box, std::string_view text) override;
    void FocusBox(Box box) override;
    bool MixedLayout() const override;
    void ShowMessage(std::string_view text) override;
    GbkText ReadClipboard() override;
    void WriteClipboard(std::string_view text) override;
    std::optional<BoxFontSettings> RunFontDialog(const BoxFontSettings& current) override;
    void On输入的汉字Press();

    MainWindowOptions options_;
    HWND hwnd_ = nullptr;
    std::array<HWND, static_cast<std::size_t>(Ctl::去除非汉字后的文本) - static_cast<std::size_t>(Ctl::窗口假上) + 1>
        controls_{};
    HWND lastFocus_ = nullptr;

    UniqueFont titleFont_, labelFont_, statusFont_, inputBoxFont_, outputBoxFont_;
    UniqueBrush greyBrush_, whiteBrush_;
    UniqueBitmap edgePicture_, closePicture_, minimisePicture_, morePicture_, adPicture_;
    UniqueIcon trayIconImage_;
    UniqueMenu trayMenu_, moreMenu_;
    TrayIcon trayIcon_;
    UINT taskbarCreatedMessage_ = 0;
    FontDialog fontDialog_;

    BoxFontSettings inputFont_{"宋体", 9, 0};
    BoxFontSettings outputFont_{"宋体", 22, 0};
    GbkText placeholderText_;
    GbkText configPath_;
    GbkText adCaptionText_;  // set by the ad feed's tick; empty until then
    GbkText adLinkAddress_;
    std::unique_ptr<PageFetcher> adFetcher_;
    std::unique_ptr<MiniInfoOpener> miniInfo_;
    std::unique_ptr<SearchBox> searchBox_;
    std::array<int, 4> timerPeriods_{};
};
