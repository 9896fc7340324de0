#include "online/mini_info_window_win32.h"

#include <memory>

#include "online/feed_markers.h"
#include "online/mini_info_files.h"
#include "pinyin/marker_extract.h"
#include "win32/bound_window_win32.h"
#include "win32/clip_frame_win32.h"
#include "win32/handles_win32.h"
#include "win32/html_view_win32.h"
#include "win32/label_button_win32.h"
#include "win32/message_pump_win32.h"
#include "win32/screen_win32.h"
#include "win32/whole_file.h"
#include "win32/window_class_win32.h"

namespace {

constexpr char kClassName[] = "ZyfMiniInfoWindow";
constexpr int kWidth = 298, kHeight = 112;
const COLORREF kGrey = RGB(236, 236, 236);

bool EntryExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool CreateFolder(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != FALSE; }

}  // namespace

// The window's object is shared by its opener and by the load in progress, so that the
// window closing, or another tick opening a new one, while the fetch pumps messages never
// frees what the load is still working on.
class MiniInfoWindow {
public:
    explicit MiniInfoWindow(const MiniInfoOptions& options) : options_(options) {}

    static MiniInfoWindow* BindWindow(HWND hwnd, const CREATESTRUCTA& create) {
        auto* self = static_cast<MiniInfoWindow*>(create.lpCreateParams);
        self->hwnd_ = hwnd;
        return self;
    }
    static void UnbindWindow(MiniInfoWindow* self) noexcept {
        self->hwnd_ = nullptr;
        self->view_.reset();
    }

    bool Create() {
        WNDCLASSEXA wc{};
        wc.lpfnWndProc = BoundWindowProc<MiniInfoWindow>;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.lpszClassName = kClassName;
        if (!RegisterClassOnce(wc)) return false;
        // Its form place and size; the load below gives it its real ones before it shows.
        CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, kMiniInfoTitle, WS_POPUP | WS_CLIPCHILDREN, 50, 50, 303, 124,
                        nullptr, nullptr, wc.hInstance, this);
        return hwnd_ != nullptr;
    }

    // The steps of the window's load, in their order; the window shows at the end.
    void Load(PageFetcher& fetcher) {
        SetWindowPos(hwnd_, nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        const GbkText cut = fetcher.Fetch(options_.address, kInfoFeedStart, kInfoFeedEnd);
        PumpPendingMessages();
        if (!hwnd_) return;  // closed while the page was on its way
        folder_ = ChooseMiniFilesFolder(options_.exeDir, EntryExists, CreateFolder);
        const MiniInfoFiles files = MiniInfoFilesFromFeed(cut, options_.dealsChannelAddress, options_.stylesheetDownload);
        WriteWholeFile(folder_ + kMiniCssFileName, files.css);
        WriteWholeFile(folder_ + kMiniPageFileName, files.page);
        if (!hwnd_) return;
        if (view_) {
            view_->Navigate(folder_ + kMiniPageFileName);
            RECT frame{};
            GetClientRect(GetDlgItem(outer_, static_cast<int>(MiniCtl::外形框_里层)), &frame);
            // The frame shows the page from 10 pixels right and 16 down of the view's corner;
            // the view's right and bottom edges, with its scroll bars, stay outside it.
            view_->Move(-10, -16, frame.right + 100, frame.bottom + 100);
        }
        PlaceAtBottomRight(hwnd_, options_.screen);
        ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    }

    HWND Hwnd() const { return hwnd_; }
    std::string ViewLocation() const { return view_ ? view_->LocationUrl() : std::string(); }
    const std::string& Folder() const { return folder_; }

    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
        switch (msg) {
        case WM_CREATE:
            CreateControls();
            return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) == kLabelPressed) OnControlPressed(static_cast<MiniCtl>(LOWORD(wParam)));
            return 0;
        case WM_ERASEBKGND: {
            RECT r{};
            GetClientRect(hwnd_, &r);
            const UniqueBrush grey(CreateSolidBrush(kGrey));
            FillRect(reinterpret_cast<HDC>(wParam), &r, grey.Get());
            return 1;
        }
        default:
            return DefWindowProcA(hwnd_, msg, wParam, lParam);
        }
    }

private:
    void CreateControls() {
        outer_ = CreateClipFrame(hwnd_, static_cast<int>(MiniCtl::外形框_最外), "外形框_最外", 0, 0, kWidth, kHeight,
                                 FrameLook{kGrey, true, RGB(160, 160, 160)});
        LabelLook strip;
        strip.showText = false;
        CreateLabelButton(outer_, static_cast<int>(MiniCtl::标签1), "标签1", 0, 0, 287, 9, strip);
        LabelLook close;
        close.align = DT_CENTER;
        close.handCursor = true;
        CreateLabelButton(outer_, static_cast<int>(MiniCtl::标签_1), "×", 287, 0, 11, 9, close);
        HWND inner = CreateClipFrame(outer_, static_cast<int>(MiniCtl::外形框_里层), "外形框_里层", 1, 10, 296, 101,
                                     FrameLook{RGB(255, 255, 255), false, 0});
        view_ = HtmlView::Create(inner, 0, 0, 20, 20, options_.openLink);
    }

    void OnControlPressed(MiniCtl id) {
        switch (id) {
        case MiniCtl::标签1:
            // The system moves the window as it would by a real title bar.
            SendMessageA(hwnd_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
            break;
        case MiniCtl::标签_1:
            DestroyWindow(hwnd_);
            break;
        default:
            break;
        }
    }

    const MiniInfoOptions options_;
    HWND hwnd_ = nullptr;
    HWND outer_ = nullptr;
    std::unique_ptr<HtmlView> view_;
    std::string folder_;
};

MiniInfoOpener::MiniInfoOpener(MiniInfoOptions options)
    : options_(std::move(options)),
      fetcher_(options_.download, options_.fetchTimeoutMs, PumpPendingMessages) {}

MiniInfoOpener::~MiniInfoOpener() {
    if (window_ && window_->Hwnd()) DestroyWindow(window_->Hwnd());
}

bool MiniInfoOpener::OpenIfAbsent() {
    if (FindWindowA(nullptr, kMiniInfoTitle)) return false;
    auto window = std::make_shared<MiniInfoWindow>(options_);
    if (!window->Create()) return false;
    window_ = window;
    window->Load(fetcher_);
    return true;
}

HWND MiniInfoOpener::Window() const { return window_ ? window_->Hwnd() : nullptr; }

std::string MiniInfoOpener::ViewLocation() const { return window_ ? window_->ViewLocation() : std::string(); }

std::string MiniInfoOpener::FilesFolder() const { return window_ ? window_->Folder() : std::string(); }
