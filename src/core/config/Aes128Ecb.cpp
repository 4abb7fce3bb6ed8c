#include "config/Aes128Ecb.h"

#include <openssl/evp.h>

#include <limits>
#include <memory>

namespace norvane {

namespace {

std::optional<QByteArray> runCipher(const Aes128Key& key, QByteArrayView data, int encrypt)
{
    if (data.size() % kAes128BlockSize != 0 || data.size() > std::numeric_limits<int>::max() - kAes128BlockSize)
        return std::nullopt;
    const std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)> context(EVP_CIPHER_CTX_new(),
                                                                                  &EVP_CIPHER_CTX_free);
    if (!context || EVP_CipherInit_ex(context.get(), EVP_aes_128_ecb(), nullptr, key.data(), nullptr, encrypt) != 1 ||
        EVP_CIPHER_CTX_set_padding(context.get(), 0) != 1)
        return std::nullopt;

    QByteArray out(data.size() + kAes128BlockSize, '\0');
    auto* const outBytes = reinterpret_cast<unsigned char*>(out.data());
    int written = 0;
    int finalWritten = 0;
    if (EVP_CipherUpdate(context.get(), outBytes, &written, reinterpret_cast<const unsigned char*>(data.data()),
                         static_cast<int>(data.size())) != 1 ||
        EVP_CipherFinal_ex(context.get(), outBytes + written, &finalWritten) != 1)
        return std::nullopt;
    out.resize(written + finalWritten);
    return out;
}

} // namespace

std::optional<QByteArray> Aes128EcbEncrypt(const Aes128Key& key, QByteArrayView data)
{
    return runCipher(key, data, 1);
}

std::optional<QByteArray> Aes128EcbDecrypt(const Aes128Key& key, QByteArrayView data)
{
    return runCipher(key, data, 0);
}

} // namespace norvane
