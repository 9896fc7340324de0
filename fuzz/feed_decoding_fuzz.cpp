// The feed payload: hex digits and AES-256 blocks. Any text deciphers to an empty text or to a
// text that ends at its first zero byte, and only a well-formed payload deciphers at all;
// the hex reader agrees with its definition; and what the feed tool enciphers deciphers to
// the plain text again, with the program's password or any other.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_input.h"
#include "online/feed_decoding.h"

namespace {

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Pairs of digits from the first one on; a lone last digit is a byte of its own.
bool HexByDefinition(std::string_view hex, std::string& bytes) {
    bytes.clear();
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = DigitValue(hex[i]);
        if (high < 0) return false;
        if (i + 1 < hex.size()) {
            const int low = DigitValue(hex[i + 1]);
            if (low < 0) return false;
            bytes += static_cast<char>(high * 16 + low);
        } else {
            bytes += static_cast<char>(high);
        }
    }
    return true;
}

PayloadFault FaultByDefinition(std::string_view payload) {
    std::string bytes;
    if (!HexByDefinition(payload, bytes)) return PayloadFault::NotHex;
    if (bytes.size() < kFeedHeaderBytes) return PayloadFault::TooShort;
    const std::size_t blocks = bytes.size() - kFeedHeaderBytes;
    if (blocks == 0 || blocks % 16 != 0) return PayloadFault::NoWholeBlocks;
    return PayloadFault::None;
}

void CheckDecoding(std::string_view payload) {
    std::string bytes, expected;
    const bool hex = HexToBytes(payload, bytes);
    FUZZ_CHECK(hex == HexByDefinition(payload, expected));
    if (hex) FUZZ_CHECK(bytes == expected);
    const PayloadFault fault = CheckFeedPayload(payload);
    FUZZ_CHECK(fault == FaultByDefinition(payload));

    const GbkText plain = DecodeFeedText(payload);
    FUZZ_CHECK(plain.find('\0') == GbkText::npos);
    if (fault != PayloadFault::None || payload.empty()) FUZZ_CHECK(plain.empty());
    if (fault == PayloadFault::None) {
        // Deciphered block by block, the plain text is at most the blocks' bytes.
        FUZZ_CHECK(plain.size() <= bytes.size() - kFeedHeaderBytes);
    }
}

std::string Lower(std::string hex) {
    for (char& c : hex) {
        if (c >= 'A' && c <= 'F') c = static_cast<char>(c - 'A' + 'a');
    }
    return hex;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t how = in.Byte();
    const std::string_view password = in.Text(40);
    const std::string_view rest = in.Rest();

    // Any text as a payload, the input's bytes as hex (so that the deciphering runs on random
    // blocks), and the hex round trip.
    CheckDecoding(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string hex = BytesToHex(rest);
    FUZZ_CHECK(hex.size() == 2 * rest.size());
    CheckDecoding(hex);
    CheckDecoding((how & 1) ? Lower(hex) : hex.substr(0, hex.size() / 2));
    std::string back;
    FUZZ_CHECK(HexToBytes(hex, back) && back == rest);

    // Encipher, then decipher: the plain text is what comes before the first zero byte.
    const std::string_view plain = rest.substr(0, rest.find('\0'));
    const std::string payload = EncryptFeedText(plain);
    FUZZ_CHECK(CheckFeedPayload(payload) == (plain.empty() ? PayloadFault::NoWholeBlocks : PayloadFault::None));
    FUZZ_CHECK(DecodeFeedText(payload) == plain);
    FUZZ_CHECK(DecodeFeedText(Lower(payload)) == plain);
    // The header holds the plain text's length, little-endian.
    std::string header;
    FUZZ_CHECK(HexToBytes(payload.substr(0, 2 * kFeedHeaderBytes), header));
    std::uint64_t length = 0;
    for (std::size_t i = kFeedHeaderBytes; i-- > 0;) length = length << 8 | static_cast<unsigned char>(header[i]);
    FUZZ_CHECK(length == plain.size());

    // Another password: only its first 32 bytes make the key, zero-filled.
    const std::string other = EncryptHexText(plain, password);
    FUZZ_CHECK(DecryptHexText(other, password) == plain);
    std::string key(password.substr(0, 32));
    key.resize(32, '\0');
    FUZZ_CHECK(DecryptHexText(other, key) == plain);
    return 0;
}
