// A main window started on its own temporary folder, with every action that would leave the
// test (links, menus, message boxes, the end of the process) recorded instead.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "shell/main_window_win32.h"
#include "tests/support/test_paths.h"
#include "text/gbk_text.h"

class MainWindowHarness {
public:
    // The 1366 x 768 screen of the test display, with a 40-pixel taskbar.
    static constexpr ScreenMetrics kScreen{1366, 768, 728};

    // adjust may change the window's options before it is made; by default the online
    // features are pointed at nothing, so that no request is made.
    explicit MainWindowHarness(const std::function<void(MainWindowOptions&)>& adjust = {});
    ~MainWindowHarness();

    // Writes config.ini into the folder before the start, as a previous run would have left it.
    void WriteConfig(const std::string& bytes) { WriteFileBytes(dir.File("config.ini"), bytes); }
    // Creates the window; StartUp runs.
    bool Start();

    MainWindow& Window() { return *window; }
    HWND Get(Ctl id) const { return window->Control(id); }
    GbkText Text(Ctl id) const;
    void SetText(Ctl id, const GbkText& text);
    void SetChecked(Ctl id, bool on);
    bool IsChecked(Ctl id) const;
    // Checks the radio button of the mode and clears the other two; none clears all three.
    void SelectMode(std::optional<PinyinMode> mode);
    // A left-button press (and release) on a control, as the user's click.
    void Press(Ctl id);
    void ClickConvert();
    void Command(UINT menuCommand);
    bool StatusVisible() const { return IsWindowVisible(Get(Ctl::显示成功)) != FALSE; }
    RECT PlaceOf(Ctl id) const;

    TempDir dir;
    std::vector<int> randomAsked;  // lower bounds asked for, in order
    int randomOffset = 0;          // added to each lower bound
    std::vector<std::string> links;
    int dealsOpened = 0;
    std::vector<HMENU> popUps;
    int endProcessCalls = 0;
    std::vector<std::string> shellOpened;  // the search window's ShellExecuteA addresses
    std::vector<std::pair<GbkText, GbkText>> messages;  // text, caption

private:
    std::unique_ptr<MainWindow> window;
};

std::string ConfigValue(const std::string& path, const char* key);
