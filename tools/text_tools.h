// The text transforms behind the label-row tools; the handlers only read and write the boxes.
#pragma once

#include <cstddef>
#include <string_view>

#include "text/gbk_text.h"
#include "text/hanzi.h"

// 删非汉字: the hanzi of the list joined.
GbkText KeepHanziOnlyText(const HanziList& list);
// 考题模式: each hanzi followed by "(        )\r\n".
GbkText ExamLayoutText(const HanziList& list);
// 取汉字数: "共有汉字： N 个".
GbkText HanziCountStatus(std::size_t count);
// 不留空格: every ASCII blank removed, all else kept.
GbkText RemoveBlanksText(std::string_view text);

// The guidance text put into the input box at start-up, around the exam tool's caption.
GbkText MakePlaceholderText(std::string_view examCaption);
