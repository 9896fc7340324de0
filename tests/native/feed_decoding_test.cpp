// One table of known answers for the AES block step, run by the native build against libcrypto
// and by the Windows build, under Wine, against BCrypt; then the feed payloads on top of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "online/aes256.h"
#include "online/feed_decoding.h"

namespace {

std::string Bytes(std::string_view hex) {
    std::string bytes;
    EXPECT_TRUE(HexToBytes(hex, bytes)) << hex;
    return bytes;
}

Aes256Key Key(std::string_view hex) {
    const std::string bytes = Bytes(hex);
    Aes256Key key{};
    EXPECT_EQ(bytes.size(), key.size());
    std::copy_n(bytes.begin(), std::min(bytes.size(), key.size()), key.begin());
    return key;
}

struct AesCase {
    const char* name;
    const char* key;
    const char* plain;
    const char* cipher;
};

const AesCase kAesCases[] = {
    {"FIPS-197 appendix C.3", "000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f",
     "00112233445566778899aabbccddeeff", "8ea2b7ca516745bfeafc49904b496089"},
    {"AESAVS GFSbox, zero key", "0000000000000000000000000000000000000000000000000000000000000000",
     "014730f80ac625fe84f026c60bfd547d", "5c9d844ed46f9885085e5d6a4f94c7d7"},
    {"zero key, zero block", "0000000000000000000000000000000000000000000000000000000000000000",
     "00000000000000000000000000000000", "dc95c078a2408989ad48a21492842087"},
    // Each block on its own: equal blocks give equal cipher blocks, whatever comes before.
    {"electronic code book, three blocks", "000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f",
     "00112233445566778899aabbccddeeff00000000000000000000000000000000""00112233445566778899aabbccddeeff",
     "8ea2b7ca516745bfeafc49904b496089""f29000b62a499fd0a9f39a6add2e7780""8ea2b7ca516745bfeafc49904b496089"},
    // The key of the feeds: "zavk" and 28 zero bytes.
    {"feed key", "7a61766b00000000000000000000000000000000000000000000000000000000",
     "30313233343536373839616263646566", "0df2aaee7f31bbf9db4ec9adc49d2dc2"},
};

TEST(Aes256Ecb, MeetsTheKnownAnswersBothWays) {
    for (const AesCase& c : kAesCases) {
        SCOPED_TRACE(c.name);
        std::string cipher;
        ASSERT_TRUE(Aes256Ecb(AesDirection::Encrypt, Key(c.key), Bytes(c.plain), cipher));
        EXPECT_EQ(BytesToHex(cipher), BytesToHex(Bytes(c.cipher)));
        std::string plain;
        ASSERT_TRUE(Aes256Ecb(AesDirection::Decrypt, Key(c.key), Bytes(c.cipher), plain));
        EXPECT_EQ(BytesToHex(plain), BytesToHex(Bytes(c.plain)));
    }
}

TEST(Aes256Ecb, AppendsToWhatIsThereAndRefusesPartBlocks) {
    const Aes256Key key = Key(kAesCases[0].key);
    std::string out = "kept";
    ASSERT_TRUE(Aes256Ecb(AesDirection::Decrypt, key, Bytes(kAesCases[0].cipher), out));
    EXPECT_EQ(out, "kept" + Bytes(kAesCases[0].plain));
    std::string ignored;
    EXPECT_FALSE(Aes256Ecb(AesDirection::Decrypt, key, std::string(15, 'x'), ignored));
}

TEST(HexToBytes, TakesEitherCaseAndALoneLastDigit) {
    std::string bytes;
    ASSERT_TRUE(HexToBytes("00aBcD7f", bytes));
    EXPECT_EQ(bytes, std::string("\x00\xAB\xCD\x7F", 4));
    ASSERT_TRUE(HexToBytes("12F", bytes));
    EXPECT_EQ(bytes, "\x12\x0F");
    ASSERT_TRUE(HexToBytes("", bytes));
    EXPECT_EQ(bytes, "");
    for (const char* bad : {"1g", "g1", "12 34", "0x12", "12\n", "-1", "\xB0\xA1"}) {
        EXPECT_FALSE(HexToBytes(bad, bytes)) << bad;
    }
    EXPECT_EQ(BytesToHex(std::string("\x00\xAB\x0F", 3)), "00AB0F");
}

// Payloads made by an independent AES implementation with the feed password "zavk".
constexpr char kCaptionPayload[] = "0A0000000000000012389C992626454C92F02A30D0ED9FF7";  // 淘宝淘实惠

struct PayloadCase {
    const char* name;
    std::string payload;
    std::string expected;
};

TEST(DecodeFeedText, DeciphersEveryFormOfPayload) {
    const PayloadCase cases[] = {
        {"upper-case hex", kCaptionPayload, "淘宝淘实惠"},
        {"lower-case hex", "0a0000000000000012389c992626454c92f02a30d0ed9ff7", "淘宝淘实惠"},
        {"16 bytes fill one block exactly",
         "10000000000000000DF2AAEE7F31BBF9DB4EC9ADC49D2DC2", "0123456789abcdef"},
        {"17 bytes take a second block",
         "11000000000000000DF2AAEE7F31BBF9DB4EC9ADC49D2DC2D20E24F35FB009EBF72CB3F7E97724B1",
         "0123456789abcdefg"},
        // The last cipher byte is 05, written as the lone digit 5.
        {"lone last digit", "0500000000000000BE8DC9C01081D5DE07738AC41A21E55", "feed1"},
        {"text ends at its first zero byte", "05000000000000000490CFF7952AC8B70CCBC89338D30524", "ab"},
        {"the length header is not used", "FF0000000000000012389C992626454C92F02A30D0ED9FF7", "淘宝淘实惠"},
        {"empty text", "", ""},
        {"not hex", "0A000000000000001238 9C992626454C92F02A30D0ED9FF7", ""},
        {"not hex either", "zavk", ""},
        {"shorter than the header", "0A000000000000", ""},
        {"header alone", "0000000000000000", ""},
        {"not whole blocks", "0A0000000000000012389C992626454C92F02A30D0ED9F", ""},
        {"a block and a byte", "0A0000000000000012389C992626454C92F02A30D0ED9FF700", ""},
    };
    for (const PayloadCase& c : cases) {
        EXPECT_EQ(DecodeFeedText(c.payload), c.expected) << c.name;
    }
}

TEST(DecodeFeedText, ShowsWhyAPayloadCannotBeDeciphered) {
    EXPECT_EQ(CheckFeedPayload(kCaptionPayload), PayloadFault::None);
    EXPECT_EQ(CheckFeedPayload("0A00x0"), PayloadFault::NotHex);
    EXPECT_EQ(CheckFeedPayload("0A00000000000"), PayloadFault::TooShort);
    EXPECT_EQ(CheckFeedPayload("0A00000000000000"), PayloadFault::NoWholeBlocks);
    EXPECT_EQ(CheckFeedPayload("0A0000000000000012"), PayloadFault::NoWholeBlocks);
}

TEST(DecryptHexText, UsesThePasswordItIsGiven) {
    EXPECT_EQ(DecryptHexText(kCaptionPayload, kFeedPassword), "淘宝淘实惠");
    // No integrity check: a wrong password gives whatever bytes come out.
    EXPECT_NE(DecryptHexText(kCaptionPayload, "zavj"), "淘宝淘实惠");
    // At most 32 bytes of the password reach the key.
    const std::string long32(32, 'k');
    EXPECT_EQ(DecryptHexText(EncryptHexText("text", long32 + "ignored"), long32), "text");
}

TEST(EncryptFeedText, WritesWhatTheDecoderReads) {
    EXPECT_EQ(EncryptFeedText("淘宝淘实惠"), kCaptionPayload);
    EXPECT_EQ(EncryptFeedText("0123456789abcdef").size(), (8 + 16) * 2u);
    EXPECT_EQ(EncryptFeedText("0123456789abcdefg").size(), (8 + 32) * 2u);
    // An empty text is the header alone, which decodes to empty text as well.
    EXPECT_EQ(EncryptFeedText(""), "0000000000000000");
    const std::string longText(1000, 'x');
    EXPECT_EQ(DecodeFeedText(EncryptFeedText(longText)), longText);
}

}  // namespace
