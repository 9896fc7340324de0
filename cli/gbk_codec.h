// UTF-8 <-> GBK for zyf, over one table carried by the program (cli/data/gbk_table.txt), so
// the Linux and the Windows build turn the same bytes into the same bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text/gbk_text.h"

inline constexpr std::size_t kWellFormedUtf8 = std::string_view::npos;

// Turns UTF-8 text into GBK in place (a GBK character is never longer than its UTF-8 form).
// Characters that GBK lacks and U+0000 are dropped. Returns kWellFormedUtf8, or the offset,
// counted from 0, of the first byte that does not begin a well-formed sequence (the length of
// the longest well-formed prefix); text is then unspecified. Overlong forms, surrogates and
// values above U+10FFFF are ill-formed.
std::size_t Utf8ToGbkInPlace(std::string& text);

// The same into a new text; false, with out unspecified, on ill-formed input.
bool Utf8ToGbk(std::string_view utf8, GbkText& out);

// Appends the UTF-8 form of gbk to out. A two-byte code without a character, a byte
// 0x80 or 0xFF, a lead byte without a valid second byte and zero bytes are dropped.
void AppendGbkAsUtf8(std::string_view gbk, std::string& out);

// The whole text at once.
std::string GbkToUtf8(std::string_view gbk);

// Drops every zero byte, which a GbkText never holds; returns the new size.
std::size_t RemoveZeroBytes(char* bytes, std::size_t size);
inline void RemoveZeroBytes(std::string& text) { text.resize(RemoveZeroBytes(text.data(), text.size())); }
