#include "win32/message_box_win32.h"

#include <utility>

#include "win32/windows_h_win32.h"

namespace {

// Only the window thread shows messages, and tests set the observer from that thread too.
MessageObserver& Observer() {
    static MessageObserver observer;
    return observer;
}

}  // namespace

void ShowMessage(std::string_view text, std::string_view caption) {
    const GbkText textZ(text);
    const GbkText captionZ(caption);
    if (const MessageObserver& observer = Observer()) {
        observer(textZ, captionZ);
        return;
    }
    MessageBoxA(nullptr, textZ.c_str(), captionZ.c_str(), MB_OK | MB_TOPMOST | MB_TASKMODAL);
}

void SetMessageObserver(MessageObserver observer) { Observer() = std::move(observer); }
