#include "online/feed_decoding.h"

#include <algorithm>
#include <cstdint>

#include "online/aes256.h"

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// At most 32 bytes of the password from the start; the rest of the key stays zero.
Aes256Key KeyFromPassword(std::string_view password) {
    Aes256Key key{};
    std::copy_n(password.begin(), std::min(password.size(), key.size()), key.begin());
    return key;
}

PayloadFault CheckBytes(std::size_t size) {
    if (size < kFeedHeaderBytes) return PayloadFault::TooShort;
    const std::size_t cipher = size - kFeedHeaderBytes;
    if (cipher == 0 || cipher % kAesBlockBytes != 0) return PayloadFault::NoWholeBlocks;
    return PayloadFault::None;
}

}  // namespace

bool HexToBytes(std::string_view hex, std::string& bytes) {
    bytes.clear();
    bytes.reserve(hex.size() / 2 + 1);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexDigitValue(hex[i]);
        if (high < 0) return false;
        if (i + 1 == hex.size()) {
            bytes += static_cast<char>(high);
            break;
        }
        const int low = HexDigitValue(hex[i + 1]);
        if (low < 0) return false;
        bytes += static_cast<char>(high * 16 + low);
    }
    return true;
}

std::string BytesToHex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        hex += kDigits[b >> 4];
        hex += kDigits[b & 0x0F];
    }
    return hex;
}

PayloadFault CheckFeedPayload(std::string_view payload) {
    std::string bytes;
    if (!HexToBytes(payload, bytes)) return PayloadFault::NotHex;
    return CheckBytes(bytes.size());
}

GbkText DecryptHexText(std::string_view payload, std::string_view password) {
    std::string bytes;
    if (!HexToBytes(payload, bytes) || CheckBytes(bytes.size()) != PayloadFault::None) return {};
    // The header's length is not needed: the zero fill of the last block ends the text.
    GbkText plain;
    if (!Aes256Ecb(AesDirection::Decrypt, KeyFromPassword(password),
                   std::string_view(bytes).substr(kFeedHeaderBytes), plain))
        return {};
    const std::size_t end = plain.find('\0');
    if (end != GbkText::npos) plain.resize(end);
    return plain;
}

GbkText DecodeFeedText(std::string_view text) {
    if (text.empty()) return {};
    return DecryptHexText(text, kFeedPassword);
}

std::string EncryptHexText(std::string_view plain, std::string_view password) {
    std::string bytes(kFeedHeaderBytes, '\0');
    auto length = static_cast<std::uint64_t>(plain.size());
    for (std::size_t i = 0; i < kFeedHeaderBytes; ++i, length >>= 8) bytes[i] = static_cast<char>(length & 0xFF);

    std::string blocks(plain);
    blocks.resize((plain.size() + kAesBlockBytes - 1) / kAesBlockBytes * kAesBlockBytes, '\0');
    if (!Aes256Ecb(AesDirection::Encrypt, KeyFromPassword(password), blocks, bytes)) return {};
    return BytesToHex(bytes);
}

std::string EncryptFeedText(std::string_view plain) { return EncryptHexText(plain, kFeedPassword); }
