// What the label-row tools need from the window they sit in. The main window implements
// it over its controls; the tools never see a window handle.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "text/gbk_text.h"
#include "win32/box_font.h"

enum class Box { Input, Output };

class ToolHost {
public:
    virtual GbkText BoxText(Box box) const = 0;
    virtual std::size_t BoxTextLength(Box box) const = 0;
    // Replaces the box's whole text, shown from the top.
    virtual void SetBoxText(Box box, std::string_view text) = 0;
    // The same, then the caret at the end with the box scrolled to it, as if typed there.
    virtual void SetBoxTextCaretAtEnd(Box box, std::string_view text) = 0;
    virtual void FocusBox(Box box) = 0;
    // The 混排 check box: each hanzi beside its reading.
    virtual bool MixedLayout() const = 0;
    // The status line, for a few seconds.
    virtual void ShowStatus(std::string_view text) = 0;
    // A message box with one OK button.
    virtual void ShowMessage(std::string_view text) = 0;
    virtual GbkText ReadClipboard() = 0;
    virtual void WriteClipboard(std::string_view text) = 0;
    virtual const BoxFontSettings& BoxFont(Box box) const = 0;
    // The shared font dialog on the given font; std::nullopt when cancelled.
    virtual std::optional<BoxFontSettings> RunFontDialog(const BoxFontSettings& current) = 0;
    virtual void ApplyBoxFont(Box box, const BoxFontSettings& font) = 0;

protected:
    ~ToolHost() = default;
};
