// Every message of the program to the user goes through here: one OK button, no owner,
// topmost and task-modal.
#pragma once

#include <functional>
#include <string_view>

#include "text/gbk_text.h"

inline constexpr std::string_view kProgramCaption = "鹭汀软件之字音坊";

void ShowMessage(std::string_view text, std::string_view caption = kProgramCaption);

// Tests replace the message box with an observer so that no dialog blocks them; an empty
// function restores the real message box.
using MessageObserver = std::function<void(const GbkText& text, const GbkText& caption)>;
void SetMessageObserver(MessageObserver observer);
