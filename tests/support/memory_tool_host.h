// A host for the label-row tools that keeps everything in memory and records what the
// tools did, so a test can steer the dialogs and read the results.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tools/tool_host.h"

class MemoryToolHost : public ToolHost {
public:
    std::array<GbkText, 2> boxes;
    std::array<BoxFontSettings, 2> fonts{BoxFontSettings{"宋体", 9, 0}, BoxFontSettings{"宋体", 22, 0}};
    bool mixed = true;
    GbkText clipboard;
    std::vector<std::string> events;  // "status …", "message …", "dialog <face>", "focus <box>"
    std::function<std::optional<BoxFontSettings>(const BoxFontSettings&)> fontDialog;

    GbkText BoxText(Box box) const override { return boxes[Index(box)]; }
    std::size_t BoxTextLength(Box box) const override { return boxes[Index(box)].size(); }
    void SetBoxText(Box box, std::string_view text) override { boxes[Index(box)] = GbkText(text); }
    void SetBoxTextCaretAtEnd(Box box, std::string_view text) override { SetBoxText(box, text); }
    void FocusBox(Box box) override { events.push_back(box == Box::Input ? "focus input" : "focus output"); }
    bool MixedLayout() const override { return mixed; }
    void ShowStatus(std::string_view text) override { events.push_back("status " + std::string(text)); }
    void ShowMessage(std::string_view text) override { events.push_back("message " + std::string(text)); }
    GbkText ReadClipboard() override { return clipboard; }
    void WriteClipboard(std::string_view text) override { clipboard = GbkText(text); }
    const BoxFontSettings& BoxFont(Box box) const override { return fonts[Index(box)]; }
    std::optional<BoxFontSettings> RunFontDialog(const BoxFontSettings& current) override {
        events.push_back("dialog " + current.face);
        return fontDialog ? fontDialog(current) : std::nullopt;
    }
    void ApplyBoxFont(Box box, const BoxFontSettings& font) override { fonts[Index(box)] = font; }

private:
    static std::size_t Index(Box box) { return box == Box::Input ? 0 : 1; }
};
