// The enciphered feed payload: hex digits of an 8-byte little-endian length of the plain
// text followed by AES-256 blocks, each deciphered on its own, with the password's bytes
// zero-filled to a 32-byte key.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text/gbk_text.h"

inline constexpr char kFeedPassword[] = "zavk";
inline constexpr std::size_t kFeedHeaderBytes = 8;

// Pairs of hex digits of either case, from the first digit on; a final lone digit is a byte
// of its own. False when a character is not a hex digit (bytes is then unspecified).
bool HexToBytes(std::string_view hex, std::string& bytes);
// Upper-case digits, two per byte.
std::string BytesToHex(std::string_view bytes);

enum class PayloadFault { None, NotHex, TooShort, NoWholeBlocks };
// Why a payload cannot be deciphered: not hex, fewer than 8 bytes, or the bytes after the
// header not one or more whole blocks (the header alone included).
PayloadFault CheckFeedPayload(std::string_view payload);

// The plain text of a payload, ending at its first zero byte; empty when it cannot be deciphered.
GbkText DecryptHexText(std::string_view payload, std::string_view password);
// Empty text stays empty; anything else is deciphered with kFeedPassword.
GbkText DecodeFeedText(std::string_view text);

// The payload a feed carries for plain: upper-case hex, the last block zero-filled, and no
// extra block when plain fills the last one.
std::string EncryptHexText(std::string_view plain, std::string_view password);
std::string EncryptFeedText(std::string_view plain);
