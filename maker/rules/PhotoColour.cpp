#include "PhotoColour.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr RgbSpace kSrgb = {
    {0.3127, 0.3290, 0.64, 0.33, 0.30, 0.60, 0.15, 0.06}, {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045}, false};

uint32_t BigEndian(const std::string& s, size_t nAt, size_t nBytes)
{
    uint32_t n = 0;
    for (size_t i = 0; i < nBytes; ++i)
        n = n << 8 | static_cast<unsigned char>(s[nAt + i]);
    return n;
}

bool Near(double a, double b, double tolerance)
{
    return std::fabs(a - b) <= tolerance;
}

bool IsSrgb(const RgbSpace& space)
{
    for (int i = 0; i < 8; ++i)
        if (!Near(space.m_xy[i], kSrgb.m_xy[i], 0.002))
            return false;
    // gAMA 45455 (2.2) is taken for the sRGB curve it stands for in practice.
    const double g = space.m_curve[0];
    const bool bPlainGamma = space.m_curve[1] == 1 && space.m_curve[2] == 0 && space.m_curve[4] == 0;
    return (bPlainGamma && Near(g, 2.2, 0.05)) ||
           (Near(g, kSrgb.m_curve[0], 1e-6) && Near(space.m_curve[4], kSrgb.m_curve[4], 1e-6));
}

void SetGamma(RgbSpace& space, double g)
{
    space.m_curve[0] = g;
    space.m_curve[1] = 1;
    space.m_curve[2] = space.m_curve[3] = space.m_curve[4] = 0;
}

// ISO/IEC 23091-2 colour primaries; false for those not known here (unspecified among them).
bool SetPrimaries(RgbSpace& space, uint32_t nCode)
{
    struct Row
    {
        uint32_t nCode;
        double xy[8];
    };
    static const Row rows[] = {
        {4, {0.310, 0.316, 0.67, 0.33, 0.21, 0.71, 0.14, 0.08}},
        {5, {0.3127, 0.3290, 0.64, 0.33, 0.29, 0.60, 0.15, 0.06}},
        {6, {0.3127, 0.3290, 0.630, 0.340, 0.310, 0.595, 0.155, 0.070}},
        {7, {0.3127, 0.3290, 0.630, 0.340, 0.310, 0.595, 0.155, 0.070}},
        {9, {0.3127, 0.3290, 0.708, 0.292, 0.170, 0.797, 0.131, 0.046}},
        {11, {0.314, 0.351, 0.680, 0.320, 0.265, 0.690, 0.150, 0.060}},
        {12, {0.3127, 0.3290, 0.680, 0.320, 0.265, 0.690, 0.150, 0.060}},
        {22, {0.3127, 0.3290, 0.630, 0.340, 0.295, 0.605, 0.155, 0.077}},
    };
    if (nCode == 1)
        return true;
    for (const Row& row : rows)
        if (row.nCode == nCode) {
            std::copy(row.xy, row.xy + 8, space.m_xy);
            return true;
        }
    return false;
}

// ISO/IEC 23091-2 transfer characteristics; the HDR ones (PQ, HLG) are not known here.
bool SetTransfer(RgbSpace& space, uint32_t nCode)
{
    switch (nCode) {
    case 13:
        return true;
    case 1:
    case 6:
    case 14:
    case 15: {
        const double curve[5] = {1 / 0.45, 1 / 1.099, 0.099 / 1.099, 1 / 4.5, 0.081};
        std::copy(curve, curve + 5, space.m_curve);
        return true;
    }
    case 4:
        SetGamma(space, 2.2);
        return true;
    case 5:
        SetGamma(space, 2.8);
        return true;
    case 8:
        SetGamma(space, 1);
        return true;
    default:
        return false;
    }
}

struct Box
{
    std::string m_strType;
    size_t m_nBody;
    size_t m_nEnd;
};

// The boxes directly within [nFrom, nTo); a box running past the bytes ends the list.
std::vector<Box> Children(const std::string& s, size_t nFrom, size_t nTo)
{
    std::vector<Box> boxes;
    while (nFrom + 8 <= nTo) {
        const uint32_t nSize = BigEndian(s, nFrom, 4);
        if (nSize < 8 || nSize > nTo - nFrom)
            break;
        boxes.push_back({s.substr(nFrom + 4, 4), nFrom + 8, nFrom + nSize});
        nFrom += nSize;
    }
    return boxes;
}

const Box* Find(const std::vector<Box>& boxes, const char* pszType)
{
    for (const Box& box : boxes)
        if (box.m_strType == pszType)
            return &box;
    return nullptr;
}

// The 1-based property indices of the item in an ipma box.
std::vector<uint32_t> PropertiesOf(const std::string& s, const Box& ipma, uint32_t nItem)
{
    if (ipma.m_nBody + 8 > ipma.m_nEnd)
        return {};
    const uint32_t nVersion = BigEndian(s, ipma.m_nBody, 1);
    const bool bWide = (BigEndian(s, ipma.m_nBody, 4) & 1) != 0;
    size_t nAt = ipma.m_nBody + 8;
    const size_t nItemBytes = nVersion < 1 ? 2 : 4;
    const size_t nIndexBytes = bWide ? 2 : 1;
    for (uint32_t n = BigEndian(s, ipma.m_nBody + 4, 4); n > 0; --n) {
        if (nAt + nItemBytes + 1 > ipma.m_nEnd)
            break;
        const uint32_t nId = BigEndian(s, nAt, nItemBytes);
        const uint32_t nCount = BigEndian(s, nAt + nItemBytes, 1);
        nAt += nItemBytes + 1;
        if (nAt + nCount * nIndexBytes > ipma.m_nEnd)
            break;
        std::vector<uint32_t> indices;
        for (uint32_t i = 0; i < nCount; ++i, nAt += nIndexBytes)
            indices.push_back(BigEndian(s, nAt, nIndexBytes) & (bWide ? 0x7fff : 0x7f));
        if (nId == nItem)
            return indices;
    }
    return {};
}

}  // namespace

bool ReadPngSpace(const std::string& s, RgbSpace& space)
{
    if (s.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0)
        return false;
    space = kSrgb;
    // IHDR's colour type: 0 grey, 4 grey with alpha.
    space.m_bGrey = s.size() > 25 && (s[25] == 0 || s[25] == 4);
    bool bSaid = false;
    for (size_t nAt = 8; nAt + 8 <= s.size();) {
        const uint32_t nLength = BigEndian(s, nAt, 4);
        const std::string strType = s.substr(nAt + 4, 4);
        const size_t nData = nAt + 8;
        // Either says more than gAMA and cHRM.
        if (strType == "iCCP" || strType == "sRGB")
            return false;
        if (strType == "IDAT" || strType == "IEND" || nLength > s.size() - nData)
            break;
        if (strType == "gAMA" && nLength == 4 && BigEndian(s, nData, 4) != 0) {
            SetGamma(space, 100000.0 / BigEndian(s, nData, 4));
            bSaid = true;
        } else if (strType == "cHRM" && nLength == 32) {
            for (int i = 0; i < 8; ++i)
                space.m_xy[i] = BigEndian(s, nData + 4 * i, 4) / 100000.0;
            bSaid = true;
        }
        nAt = nData + nLength + 4;
    }
    return bSaid && !IsSrgb(space);
}

bool ReadHeifSpace(const std::string& s, RgbSpace& space)
{
    const std::vector<Box> top = Children(s, 0, s.size());
    const Box* pMeta = Find(top, "meta");
    if (pMeta == nullptr)
        return false;
    const std::vector<Box> inMeta = Children(s, pMeta->m_nBody + 4, pMeta->m_nEnd);
    const Box* pPitm = Find(inMeta, "pitm");
    const Box* pIprp = Find(inMeta, "iprp");
    if (pPitm == nullptr || pIprp == nullptr || pPitm->m_nBody + 6 > pPitm->m_nEnd)
        return false;
    const size_t nIdBytes = BigEndian(s, pPitm->m_nBody, 1) == 0 ? 2 : 4;
    if (pPitm->m_nBody + 4 + nIdBytes > pPitm->m_nEnd)
        return false;
    const uint32_t nPrimary = BigEndian(s, pPitm->m_nBody + 4, nIdBytes);
    const std::vector<Box> inIprp = Children(s, pIprp->m_nBody, pIprp->m_nEnd);
    const Box* pIpco = Find(inIprp, "ipco");
    const Box* pIpma = Find(inIprp, "ipma");
    if (pIpco == nullptr || pIpma == nullptr)
        return false;
    const std::vector<Box> properties = Children(s, pIpco->m_nBody, pIpco->m_nEnd);
    bool bSaid = false;
    space = kSrgb;
    for (uint32_t nIndex : PropertiesOf(s, *pIpma, nPrimary)) {
        if (nIndex == 0 || nIndex > properties.size() || properties[nIndex - 1].m_strType != "colr")
            continue;
        const Box& colr = properties[nIndex - 1];
        const std::string strKind = s.substr(colr.m_nBody, 4);
        if (strKind == "prof" || strKind == "rICC")
            return false;
        if (strKind == "nclx" && colr.m_nBody + 8 <= colr.m_nEnd)
            bSaid = SetPrimaries(space, BigEndian(s, colr.m_nBody + 4, 2)) &&
                    SetTransfer(space, BigEndian(s, colr.m_nBody + 6, 2));
    }
    return bSaid && !IsSrgb(space);
}
