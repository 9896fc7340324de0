#include "online/aes256.h"

#include <algorithm>
#include <memory>

#include <openssl/evp.h>

namespace {

struct CipherContextFree {
    void operator()(EVP_CIPHER_CTX* ctx) const { EVP_CIPHER_CTX_free(ctx); }
};
using UniqueCipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree>;

// EVP takes lengths as int; a longer text goes through in pieces of whole blocks, which ECB
// allows as every block stands alone.
constexpr std::size_t kPieceBytes = std::size_t{1} << 20;

}  // namespace

bool Aes256Ecb(AesDirection direction, const Aes256Key& key, std::string_view in, std::string& out) {
    if (in.size() % kAesBlockBytes != 0) return false;
    UniqueCipherContext ctx(EVP_CIPHER_CTX_new());
    if (!ctx) return false;
    const int encrypt = direction == AesDirection::Encrypt ? 1 : 0;
    if (EVP_CipherInit_ex(ctx.get(), EVP_aes_256_ecb(), nullptr, key.data(), nullptr, encrypt) != 1) return false;
    // Whole blocks in, whole blocks out: without this the decryption would look for padding.
    if (EVP_CIPHER_CTX_set_padding(ctx.get(), 0) != 1) return false;

    const std::size_t base = out.size();
    out.resize(base + in.size());
    auto* dest = reinterpret_cast<unsigned char*>(out.data() + base);
    const auto* src = reinterpret_cast<const unsigned char*>(in.data());
    std::size_t done = 0;
    while (done < in.size()) {
        const std::size_t piece = std::min(kPieceBytes, in.size() - done);
        int written = 0;
        if (EVP_CipherUpdate(ctx.get(), dest + done, &written, src + done, static_cast<int>(piece)) != 1 ||
            written != static_cast<int>(piece))
            return false;
        done += piece;
    }
    unsigned char rest[kAesBlockBytes];
    int tail = 0;
    return EVP_CipherFinal_ex(ctx.get(), rest, &tail) == 1 && tail == 0;
}
