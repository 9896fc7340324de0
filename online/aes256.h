// The AES-256 block step (FIPS-197) of the feed decoding: blocks of 16 bytes, each on its own
// (electronic code book, no padding). libcrypto in the native build, BCrypt on Windows.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

inline constexpr std::size_t kAesBlockBytes = 16;
using Aes256Key = std::array<unsigned char, 32>;

enum class AesDirection { Encrypt, Decrypt };

// Runs every 16-byte block of in through the cipher or its inverse and appends the result to
// out. in must be whole blocks. False when the platform's cipher fails; out is then unspecified.
bool Aes256Ecb(AesDirection direction, const Aes256Key& key, std::string_view in, std::string& out);
