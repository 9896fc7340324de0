#include "tools/label_tools.h"

#include "pinyin/conversion.h"
#include "text/hanzi.h"
#include "tools/text_tools.h"

void ClearBox(ToolHost& host, Box box) {
    host.SetBoxText(box, {});
    host.FocusBox(box);
}

void ChooseBoxFont(ToolHost& host, Box box) {
    // Only face, size and colour are taken; the box keeps its weight and style.
    host.ShowMessage("仅允许设置字体名称、字体大小和文本颜色");
    if (const auto chosen = host.RunFontDialog(host.BoxFont(box))) host.ApplyBoxFont(box, *chosen);
}

// The output box first, then the input box, which keeps the caret.
void ClearBothBoxes(ToolHost& host) {
    host.SetBoxText(Box::Output, {});
    ClearBox(host, Box::Input);
}

// The clipboard's text replaces the whole box; no text empties it.
void PasteIntoInputBox(ToolHost& host) { host.SetBoxText(Box::Input, host.ReadClipboard()); }

// Even an empty box is copied, and the status says so whatever the clipboard did.
void CopyInputText(ToolHost& host) {
    host.WriteClipboard(host.BoxText(Box::Input));
    host.ShowStatus("复制成功");
}

void KeepHanziOnly(ToolHost& host) {
    const GbkText text = host.BoxText(Box::Input);
    if (text.empty()) return;
    RefreshHanziList(text);
    // Built at once; the box ends as if each hanzi had been appended in turn.
    host.SetBoxTextCaretAtEnd(Box::Input, KeepHanziOnlyText(SharedHanziList()));
}

void ExamLayout(ToolHost& host) {
    const GbkText text = host.BoxText(Box::Input);
    if (text.empty()) return;
    RefreshHanziList(text);
    host.SetBoxTextCaretAtEnd(Box::Input, ExamLayoutText(SharedHanziList()));
}

void CountHanzi(ToolHost& host) {
    const GbkText text = host.BoxText(Box::Input);
    if (text.empty()) return;
    host.ShowStatus(HanziCountStatus(RefreshHanziList(text)));
}

void ClearOutputBox(ToolHost& host) { ClearBox(host, Box::Output); }

// An empty output box leaves the clipboard and the status line alone.
void CopyOutputText(ToolHost& host) {
    const GbkText text = host.BoxText(Box::Output);
    if (text.empty()) return;
    host.WriteClipboard(text);
    host.ShowStatus("复制成功");
}

void ReflowOneGroupPerLine(ToolHost& host) {
    if (host.BoxTextLength(Box::Output) == 0) return;
    if (!host.MixedLayout()) {
        host.ShowMessage("转换结果中汉字与拼音混排时才能执行此功能");
        return;
    }
    host.SetBoxText(Box::Output, LineBreakGroups(host.BoxText(Box::Output)));
}

void RemoveBlanks(ToolHost& host) {
    if (host.BoxTextLength(Box::Output) == 0) return;
    if (host.MixedLayout()) {
        host.ShowMessage("汉字与拼音混排时不可使用此功能");
        return;
    }
    host.SetBoxText(Box::Output, RemoveBlanksText(host.BoxText(Box::Output)));
}
