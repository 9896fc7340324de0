// The operations of the label row under the two boxes, over the window that hosts them.
#pragma once

#include "tools/tool_host.h"

// Under the input box.
void ClearBothBoxes(ToolHost& host);     // 清空: the output box, then the input box
void PasteIntoInputBox(ToolHost& host);  // 粘贴
void CopyInputText(ToolHost& host);      // 复制
void KeepHanziOnly(ToolHost& host);      // 删非汉字
void ExamLayout(ToolHost& host);         // 考题模式
void CountHanzi(ToolHost& host);         // 取汉字数

// Under the output box.
void ClearOutputBox(ToolHost& host);          // 清空
void CopyOutputText(ToolHost& host);          // 复制
void ReflowOneGroupPerLine(ToolHost& host);   // 每行一组
void RemoveBlanks(ToolHost& host);            // 不留空格

// 设字体 of either box.
void ChooseBoxFont(ToolHost& host, Box box);
// Empties a box and focuses it.
void ClearBox(ToolHost& host, Box box);
