// Owning tier: native. Which colour descriptions without a profile make a space to convert
// from, and which say sRGB or leave it to an ICC profile; the conversion itself is the maker's,
// end to end.
#include "PhotoColour.h"

#include <gtest/gtest.h>

namespace {

std::string Be(uint32_t n, int nBytes)
{
    std::string s;
    for (int i = nBytes - 1; i >= 0; --i)
        s += static_cast<char>(n >> (8 * i) & 0xff);
    return s;
}

std::string Chunk(const std::string& strType, const std::string& strData)
{
    return Be(static_cast<uint32_t>(strData.size()), 4) + strType + strData + "CRC!";
}

// An RGB PNG, or a grey one (colour type 0).
std::string Png(const std::string& strChunks, char nColourType = 2)
{
    std::string strHeader(13, '\0');
    strHeader[9] = nColourType;
    return "\x89PNG\r\n\x1a\n" + Chunk("IHDR", strHeader) + strChunks + Chunk("IDAT", "x");
}

std::string Gamma(uint32_t n)
{
    return Chunk("gAMA", Be(n, 4));
}

std::string Chromaticities(std::initializer_list<uint32_t> values)
{
    std::string s;
    for (uint32_t n : values)
        s += Be(n, 4);
    return Chunk("cHRM", s);
}

const std::string kSrgbPoints = Chromaticities({31270, 32900, 64000, 33000, 30000, 60000, 15000, 6000});
const std::string kP3Points = Chromaticities({31270, 32900, 68000, 32000, 26500, 69000, 15000, 6000});

std::string Box(const std::string& strType, const std::string& strBody)
{
    return Be(static_cast<uint32_t>(strBody.size() + 8), 4) + strType + strBody;
}

// A HEIF's meta box: primary item 1 with the given properties, all of them its own.
std::string Heif(const std::string& strProperties, int nProperties)
{
    std::string strAssociations;
    for (int i = 1; i <= nProperties; ++i)
        strAssociations += static_cast<char>(0x80 | i);
    const std::string strIpma = Be(0, 4) + Be(1, 4) + Be(1, 2) + Be(nProperties, 1) + strAssociations;
    return Box("ftyp", "heic") + Box("meta", Be(0, 4) + Box("pitm", Be(0, 4) + Be(1, 2)) +
                                                 Box("iprp", Box("ipco", strProperties) + Box("ipma", strIpma)));
}

std::string Nclx(uint32_t nPrimaries, uint32_t nTransfer)
{
    return Box("colr", "nclx" + Be(nPrimaries, 2) + Be(nTransfer, 2) + Be(6, 2) + Be(0x80, 1));
}

TEST(PhotoColour, SaysASpaceOnlyWhereNoProfileDoesAndItIsNotSrgb)
{
    const std::string kIspe = Box("ispe", std::string(12, '\0'));
    const struct
    {
        std::string m_strBytes;
        bool m_bSpace;
        double m_redX;  // of the space said
        double m_gamma;
        bool m_bGrey = false;
    } rows[] = {
        {Png(""), false, 0, 0},
        {Png(Gamma(100000)), true, 0.64, 1.0},
        {Png(Gamma(100000), 0), true, 0.64, 1.0, true},
        {Png(Gamma(45455)), false, 0, 0},
        {Png(Gamma(45455) + kSrgbPoints), false, 0, 0},
        {Png(Gamma(55556) + kSrgbPoints), true, 0.64, 1.8},
        {Png(kP3Points), true, 0.68, 2.4},
        {Png(Chunk("sRGB", "\0") + Gamma(100000)), false, 0, 0},
        {Png(Chunk("iCCP", "p\0\0") + kP3Points), false, 0, 0},
        {Png(Gamma(0)), false, 0, 0},
        {Png(Gamma(100000)).substr(0, 40), false, 0, 0},
        {Heif(kIspe + Nclx(12, 13), 2), true, 0.68, 2.4},
        {Heif(Nclx(9, 1), 1), true, 0.708, 1 / 0.45},
        {Heif(kIspe + Nclx(1, 13), 2), false, 0, 0},
        {Heif(Nclx(2, 2), 1), false, 0, 0},
        {Heif(Nclx(9, 16), 1), false, 0, 0},
        {Heif(Box("colr", "prof") + Nclx(12, 13), 2), false, 0, 0},
        {Heif(Nclx(12, 13), 0), false, 0, 0},
        {Heif(Nclx(12, 13), 1).substr(0, 60), false, 0, 0},
        {"GIF89a", false, 0, 0},
    };
    int nRow = 0;
    for (const auto& row : rows) {
        RgbSpace space = {};
        const bool bSpace = ReadPngSpace(row.m_strBytes, space) || ReadHeifSpace(row.m_strBytes, space);
        EXPECT_EQ(bSpace, row.m_bSpace) << "row " << nRow;
        if (bSpace && row.m_bSpace) {
            EXPECT_NEAR(space.m_xy[2], row.m_redX, 1e-4) << "row " << nRow;
            EXPECT_NEAR(space.m_curve[0], row.m_gamma, 1e-3) << "row " << nRow;
            EXPECT_EQ(space.m_bGrey, row.m_bGrey) << "row " << nRow;
        }
        ++nRow;
    }
}

}  // namespace
