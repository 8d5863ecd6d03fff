#include "PackageCodes.h"

#include <cstdint>
#include <vector>

namespace {

// The namespace of this project's package codes; changing it would orphan every package shipped.
const unsigned char kPackageNamespace[16] = {0x1f, 0xe7, 0x91, 0x21, 0x69, 0xfd, 0x45, 0x0f,
                                             0x8c, 0x34, 0x02, 0x01, 0x2a, 0x35, 0x0b, 0xfb};

uint32_t RotateLeft(uint32_t n, int nBits)
{
    return (n << nBits) | (n >> (32 - nBits));
}

void Sha1Block(uint32_t (&h)[5], const unsigned char* p)
{
    uint32_t w[80];
    for (int i = 0; i < 16; ++i)
        w[i] = uint32_t(p[4 * i]) << 24 | uint32_t(p[4 * i + 1]) << 16 | uint32_t(p[4 * i + 2]) << 8 | p[4 * i + 3];
    for (int i = 16; i < 80; ++i)
        w[i] = RotateLeft(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
    uint32_t a = h[0], b = h[1], c = h[2], d = h[3], e = h[4];
    for (int i = 0; i < 80; ++i) {
        uint32_t f, k;
        if (i < 20)
            f = (b & c) | (~b & d), k = 0x5a827999;
        else if (i < 40)
            f = b ^ c ^ d, k = 0x6ed9eba1;
        else if (i < 60)
            f = (b & c) | (b & d) | (c & d), k = 0x8f1bbcdc;
        else
            f = b ^ c ^ d, k = 0xca62c1d6;
        const uint32_t t = RotateLeft(a, 5) + f + e + k + w[i];
        e = d, d = c, c = RotateLeft(b, 30), b = a, a = t;
    }
    h[0] += a, h[1] += b, h[2] += c, h[3] += d, h[4] += e;
}

std::vector<unsigned char> Sha1(std::vector<unsigned char> message)
{
    const uint64_t nBits = uint64_t(message.size()) * 8;
    message.push_back(0x80);
    while (message.size() % 64 != 56)
        message.push_back(0);
    for (int i = 7; i >= 0; --i)
        message.push_back(static_cast<unsigned char>(nBits >> (8 * i)));
    uint32_t h[5] = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476, 0xc3d2e1f0};
    for (size_t i = 0; i < message.size(); i += 64)
        Sha1Block(h, &message[i]);
    std::vector<unsigned char> digest;
    for (uint32_t n : h)
        for (int i = 3; i >= 0; --i)
            digest.push_back(static_cast<unsigned char>(n >> (8 * i)));
    return digest;
}

std::string Lower(std::string str)
{
    for (char& ch : str)
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    return str;
}

std::string Code(const std::string& strName)
{
    return NameBasedUuid(kPackageNamespace, strName);
}

}  // namespace

std::string NameBasedUuid(const unsigned char (&namespaceUuid)[16], const std::string& strName)
{
    std::vector<unsigned char> message(namespaceUuid, namespaceUuid + 16);
    message.insert(message.end(), strName.begin(), strName.end());
    std::vector<unsigned char> uuid = Sha1(std::move(message));
    uuid[6] = static_cast<unsigned char>((uuid[6] & 0x0f) | 0x50);
    uuid[8] = static_cast<unsigned char>((uuid[8] & 0x3f) | 0x80);
    static const char kDigits[] = "0123456789ABCDEF";
    std::string str = "{";
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            str += '-';
        str += kDigits[uuid[i] >> 4];
        str += kDigits[uuid[i] & 0x0f];
    }
    return str + "}";
}

std::string UpgradeCode(const std::string& strId)
{
    return Code("upgrade/" + Lower(strId));
}

std::string ProductCode(const std::string& strId, const std::string& strVersion, const std::string& strPair)
{
    return Code("product/" + Lower(strId) + "/" + strVersion + "/" + strPair);
}

std::string ComponentCode(const std::string& strId, const std::string& strPair)
{
    return Code("component/" + Lower(strId) + "/" + strPair);
}

std::string PackageCode(const std::string& strDigest)
{
    return Code("package/" + strDigest);
}
