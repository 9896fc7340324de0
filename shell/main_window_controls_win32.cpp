// The main window's children, fonts, brushes and pictures.
#include "win32/windows_h_win32.h"

#include <commctrl.h>

#include <string>

#include "resources/resource_ids.h"
#include "shell/main_menus_win32.h"
#include "shell/main_window_win32.h"
#include "win32/controls_win32.h"
#include "win32/label_button_win32.h"
#include "win32/screen_win32.h"
#include "win32/text_box_win32.h"

namespace {

constexpr COLORREF kWindowGrey = RGB(236, 236, 236);
constexpr COLORREF kFrameGreen = RGB(0, 128, 0);
constexpr COLORREF kToolBlue = RGB(0, 0, 255);
constexpr COLORREF kRuleSilver = RGB(192, 192, 192);
constexpr COLORREF kStatusYellow = RGB(255, 255, 0);
constexpr COLORREF kBoxFrame = RGB(160, 160, 160);

UniqueFont PixelFont(int pixels, const char* face) {
    return UniqueFont(CreateFontA(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, face));
}

UniqueBitmap LoadPicture(int id) {
    return UniqueBitmap(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

HWND CreateChild(HWND parent, const char* className, const ControlDesign& d, DWORD style, HFONT font) {
    const std::string text(d.text);
    HWND hwnd = CreateWindowExA(0, className, text.c_str(), WS_CHILD | WS_CLIPSIBLINGS | style, d.place.left,
                                d.place.top, d.place.width, d.place.height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(d.id)), GetModuleHandleA(nullptr),
                                nullptr);
    if (hwnd && font) SetFont(hwnd, font);
    return hwnd;
}

}  // namespace

void MainWindow::CreateResources() {
    titleFont_ = PixelFont(12, "Tahoma");
    labelFont_ = PixelFont(12, "宋体");
    statusFont_ = PixelFont(16, "黑体");
    greyBrush_.Reset(CreateSolidBrush(kWindowGrey));
    whiteBrush_.Reset(CreateSolidBrush(RGB(255, 255, 255)));
    edgePicture_ = LoadPicture(IDB_EDGE_STRIP);
    closePicture_ = LoadPicture(IDB_CLOSE_BUTTON);
    minimisePicture_ = LoadPicture(IDB_MINIMISE_BUTTON);
    morePicture_ = LoadPicture(IDB_MORE_BUTTON);
    adPicture_ = LoadPicture(IDB_AD_PICTURE);
    trayIconImage_.Reset(static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_ZIYINFANG),
                                                       IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                       GetSystemMetrics(SM_CYSMICON), 0)));
    trayMenu_ = Build托盘菜单();
    moreMenu_ = Build主窗口更多菜单();
}

void MainWindow::CreateControls() {
    RegisterTextBoxClass(GetModuleHandleA(nullptr));
    for (const ControlDesign& d : MainWindowDesign()) {
        LabelLook look;
        look.backColor = kWindowGrey;
        look.font = labelFont_.Get();
        HWND hwnd = nullptr;
        switch (d.kind) {
        case ControlKind::EdgeLabel:
            look.backColor = kFrameGreen;
            look.backPicture = edgePicture_.Get();
            look.textColor = RGB(255, 255, 255);
            if (d.id == Ctl::窗口假上) {
                look.font = titleFont_.Get();
                look.indent = 2;
            } else {
                look.align = DT_CENTER;
                look.handCursor = d.id == Ctl::标签_窗口假下并广告;
            }
            break;
        case ControlKind::Label:
            look.textColor = kRuleSilver;
            break;
        case ControlKind::ToolLabel:
            look.textColor = kToolBlue;
            look.align = DT_CENTER;
            look.handCursor = true;
            break;
        case ControlKind::Separator:
            look.textColor = kToolBlue;
            look.align = DT_CENTER;
            break;
        case ControlKind::Status:
            look.backColor = kStatusYellow;
            look.font = statusFont_.Get();
            look.align = DT_CENTER;
            break;
        case ControlKind::Picture:
            look.handCursor = true;
            look.showText = false;
            if (d.id == Ctl::图片框_广告) {
                look.picture = adPicture_.Get();
            } else {
                look.backColor = kFrameGreen;
                look.picture = d.id == Ctl::窗口关闭按钮     ? closePicture_.Get()
                               : d.id == Ctl::窗口最小化按钮 ? minimisePicture_.Get()
                                                             : morePicture_.Get();
            }
            break;
        case ControlKind::Frame:
            look.backColor = RGB(255, 255, 255);
            look.frame = true;
            look.frameColor = kBoxFrame;
            break;
        case ControlKind::TextBox:
            // Both boxes are the program's own text box: an edit box takes seconds per million
            // characters to take a pasted text, and wraps a long paragraph in time that grows
            // with the square of its length.
            hwnd = CreateChild(hwnd_, kTextBoxClassName, d, WS_VISIBLE | WS_TABSTOP | WS_VSCROLL, nullptr);
            if (hwnd) {
                RaiseTextLimit(hwnd);
                SetWindowSubclass(hwnd, BoxSubclassProc, static_cast<UINT_PTR>(d.id), reinterpret_cast<DWORD_PTR>(this));
            }
            break;
        case ControlKind::WorkBox:
            // Never seen: it carries the extracted text of a conversion. An edit box took most
            // of a long conversion's time to empty and fill; the program's text box does not.
            hwnd = CreateChild(hwnd_, kTextBoxClassName, d, 0, labelFont_.Get());
            if (hwnd) RaiseTextLimit(hwnd);
            break;
        case ControlKind::Radio:
            hwnd = CreateChild(hwnd_, "BUTTON", d,
                               WS_VISIBLE | BS_AUTORADIOBUTTON | (d.id == Ctl::带声调 ? WS_GROUP | WS_TABSTOP : 0),
                               labelFont_.Get());
            break;
        case ControlKind::Check:
            hwnd = CreateChild(hwnd_, "BUTTON", d, WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_AUTOCHECKBOX,
                               labelFont_.Get());
            if (hwnd) SetChecked(hwnd, true);  // on at design
            break;
        case ControlKind::Push:
            hwnd = CreateChild(hwnd_, "BUTTON", d, WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON,
                               labelFont_.Get());
            break;
        }
        const bool isLabel = d.kind == ControlKind::EdgeLabel || d.kind == ControlKind::Label ||
                             d.kind == ControlKind::ToolLabel || d.kind == ControlKind::Separator ||
                             d.kind == ControlKind::Status || d.kind == ControlKind::Picture ||
                             d.kind == ControlKind::Frame;
        if (isLabel) {
            // The status line only shows after a conversion or a tool's message.
            hwnd = CreateLabelButton(hwnd_, static_cast<int>(d.id), d.text, d.place.left, d.place.top,
                                     d.place.width, d.place.height, look, d.kind != ControlKind::Status);
        }
        controls_[static_cast<std::size_t>(d.id) - static_cast<std::size_t>(Ctl::窗口假上)] = hwnd;
    }
    ApplyBoxFont(Box::Input, inputFont_);
    ApplyBoxFont(Box::Output, outputFont_);
}

void MainWindow::ApplyBoxFont(Box box, const BoxFontSettings& font) {
    (box == Box::Input ? inputFont_ : outputFont_) = font;
    LOGFONTA lf{};
    lf.lfHeight = -MulDiv(font.points, ScreenDpiY(), 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    // A face name longer than the field is cut on a character boundary.
    const std::string_view face = CutOnCharBoundary(font.face, LF_FACESIZE - 1);
    face.copy(lf.lfFaceName, face.size());
    UniqueFont created(CreateFontIndirectA(&lf));
    HWND hwnd = BoxWindow(box);
    if (hwnd) {
        SetFont(hwnd, created.Get());
        InvalidateRect(hwnd, nullptr, TRUE);
    }
    // The box lets go of the old font before it is deleted.
    (box == Box::Input ? inputBoxFont_ : outputBoxFont_) = std::move(created);
}
