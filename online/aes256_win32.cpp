#include "online/aes256.h"

#include <algorithm>

#include "win32/handles_win32.h"
#include "win32/windows_h_win32.h"

#include <bcrypt.h>

namespace {

struct AlgorithmTraits {
    static BCRYPT_ALG_HANDLE Invalid() { return nullptr; }
    static void Close(BCRYPT_ALG_HANDLE h) { BCryptCloseAlgorithmProvider(h, 0); }
};
struct KeyTraits {
    static BCRYPT_KEY_HANDLE Invalid() { return nullptr; }
    static void Close(BCRYPT_KEY_HANDLE h) { BCryptDestroyKey(h); }
};
using UniqueAlgorithm = UniqueHandle<BCRYPT_ALG_HANDLE, AlgorithmTraits>;
using UniqueKey = UniqueHandle<BCRYPT_KEY_HANDLE, KeyTraits>;

// BCrypt takes lengths as ULONG; a longer text goes through in pieces of whole blocks, which
// ECB allows as every block stands alone.
constexpr std::size_t kPieceBytes = std::size_t{1} << 20;

// BCrypt has no ANSI variants: algorithm and property names are wide strings only.
UniqueAlgorithm OpenAesEcb() {
    BCRYPT_ALG_HANDLE h = nullptr;
    if (!BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&h, BCRYPT_AES_ALGORITHM, nullptr, 0))) return {};
    UniqueAlgorithm algorithm(h);
    // The property value is the mode's name with its terminating zero, counted in bytes.
    auto* mode = reinterpret_cast<PUCHAR>(const_cast<wchar_t*>(BCRYPT_CHAIN_MODE_ECB));
    if (!BCRYPT_SUCCESS(BCryptSetProperty(algorithm.Get(), BCRYPT_CHAINING_MODE, mode,
                                          sizeof(BCRYPT_CHAIN_MODE_ECB), 0)))
        return {};
    return algorithm;
}

}  // namespace

bool Aes256Ecb(AesDirection direction, const Aes256Key& key, std::string_view in, std::string& out) {
    if (in.size() % kAesBlockBytes != 0) return false;
    const UniqueAlgorithm algorithm = OpenAesEcb();
    if (!algorithm) return false;
    BCRYPT_KEY_HANDLE k = nullptr;
    // The key object's memory is left to BCrypt (nullptr, 0), which frees it with the key.
    if (!BCRYPT_SUCCESS(BCryptGenerateSymmetricKey(algorithm.Get(), &k, nullptr, 0,
                                                   const_cast<PUCHAR>(key.data()),
                                                   static_cast<ULONG>(key.size()), 0)))
        return false;
    const UniqueKey cipherKey(k);

    const std::size_t base = out.size();
    out.resize(base + in.size());
    auto* dest = reinterpret_cast<PUCHAR>(out.data() + base);
    auto* src = reinterpret_cast<PUCHAR>(const_cast<char*>(in.data()));
    std::size_t done = 0;
    while (done < in.size()) {
        const auto piece = static_cast<ULONG>(std::min(kPieceBytes, in.size() - done));
        ULONG written = 0;
        // No padding flag: whole blocks in, whole blocks out.
        const NTSTATUS status =
            direction == AesDirection::Encrypt
                ? BCryptEncrypt(cipherKey.Get(), src + done, piece, nullptr, nullptr, 0, dest + done, piece, &written, 0)
                : BCryptDecrypt(cipherKey.Get(), src + done, piece, nullptr, nullptr, 0, dest + done, piece, &written, 0);
        if (!BCRYPT_SUCCESS(status) || written != piece) return false;
        done += piece;
    }
    return true;
}
