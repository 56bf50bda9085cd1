#include "content/decipher.hpp"

#include <openssl/evp.h>

#include <array>
#include <cstdint>
#include <memory>

#include "content/key_text.hpp"

// The stored addresses are kept out of the plain constants of the binary, not
// made secret: the key text ships inside the same binary. The cipher is
// AES-256 in counter mode, a stream mode, so a ciphertext is exactly as long
// as its address. Key and counter block are derived from the key text:
//   key = SHA-256(key text)
//   iv  = first 16 bytes of SHA-256(key)
// Both addresses share the key stream; that is acceptable for obfuscation.

namespace quillo {
namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";
constexpr std::size_t kKeyBytes = 32;
constexpr std::size_t kIvBytes = 16;

using Digest = std::array<unsigned char, kKeyBytes>;

struct CipherContextFree {
    void operator()(EVP_CIPHER_CTX* ctx) const { EVP_CIPHER_CTX_free(ctx); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree>;

int digitValue(char c) {
    const char upper = (c >= 'a' && c <= 'f') ? static_cast<char>(c - 'a' + 'A') : c;
    const std::size_t position = kHexDigits.find(upper);
    return position == std::string_view::npos ? 0 : static_cast<int>(position);
}

bool sha256(std::string_view data, Digest& out) {
    unsigned int length = 0;
    return EVP_Digest(data.data(), data.size(), out.data(), &length, EVP_sha256(), nullptr) == 1 &&
           length == out.size();
}

// Runs the cipher over the bytes. Counter mode is its own inverse, so the same
// routine enciphers and deciphers. Gives the empty string if OpenSSL fails.
std::string applyCipher(std::string_view bytes) {
    const Text keyText = decipherKeyText();
    Digest key{};
    Digest ivSource{};
    if (!sha256(keyText, key) ||
        !sha256(std::string_view(reinterpret_cast<const char*>(key.data()), key.size()),
                ivSource)) {
        return {};
    }
    static_assert(kIvBytes <= std::tuple_size_v<Digest>);

    CipherContext ctx(EVP_CIPHER_CTX_new());
    if (!ctx || EVP_EncryptInit_ex(ctx.get(), EVP_aes_256_ctr(), nullptr, key.data(),
                                   ivSource.data()) != 1) {
        return {};
    }
    std::string out(bytes.size(), '\0');
    int written = 0;
    if (!bytes.empty() &&
        EVP_EncryptUpdate(ctx.get(), reinterpret_cast<unsigned char*>(out.data()), &written,
                          reinterpret_cast<const unsigned char*>(bytes.data()),
                          static_cast<int>(bytes.size())) != 1) {
        return {};
    }
    int finalWritten = 0;
    if (EVP_EncryptFinal_ex(ctx.get(), reinterpret_cast<unsigned char*>(out.data()) + written,
                            &finalWritten) != 1) {
        return {};
    }
    out.resize(static_cast<std::size_t>(written + finalWritten));
    return out;
}

}  // namespace

int hexPairValue(std::string_view digits) {
    // Horner's rule gives the same sum of digit x 16^(m-k) as long as it fits;
    // unsigned arithmetic keeps longer runs defined (they wrap).
    std::uint32_t accumulator = 0;
    for (const char c : digits) {
        accumulator = accumulator * 16U + static_cast<std::uint32_t>(digitValue(c));
    }
    return static_cast<int>(accumulator);
}

Text decipherText(std::string_view cipherHex) {
    const std::size_t n = cipherHex.size() / 2;
    std::string bytes(n, '\0');
    for (std::size_t i = 0; i < n; ++i) {
        bytes[i] = static_cast<char>(hexPairValue(cipherHex.substr(2 * i, 2)) & 0xFF);
    }
    return textFromBytes(applyCipher(bytes));
}

std::string encipherText(std::string_view plain) {
    const std::string bytes = applyCipher(plain);
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        hex.push_back(kHexDigits[value >> 4]);
        hex.push_back(kHexDigits[value & 0x0F]);
    }
    return hex;
}

}  // namespace quillo
