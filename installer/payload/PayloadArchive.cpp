#include "payload/PayloadArchive.h"

#include <zlib.h>

#include <cstring>
#include <new>

namespace {

const uint32_t kLocalHeaderSize = 30;

#ifdef _WIN32
// inflateInit2_ compares the size it is handed with its own: both must come from this target's
// header, whose z_stream is 56 bytes wide on 32-bit Windows and 88 on 64-bit Windows.
static_assert(sizeof(z_stream) == (sizeof(void*) == 4 ? 56 : 88), "z_stream of the wrong width");
#endif
const uint16_t kFlagDataDescriptor = 0x0008;

uint16_t ReadU16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t ReadU32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}

bool IsLocalHeader(const uint8_t* p)
{
    return p[0] == 0x50 && p[1] == 0x4B && p[2] == 0x03 && p[3] == 0x04;
}

// Offset of the member's data, or 0 when its name and extra field run past the image.
uint64_t DataOffset(const uint8_t* pHeader, uint64_t nOffset)
{
    return nOffset + kLocalHeaderSize + ReadU16(pHeader + 26) + ReadU16(pHeader + 28);
}

}  // namespace

CPayloadArchive::~CPayloadArchive()
{
    CloseStream();
}

void CPayloadArchive::CloseStream()
{
    // Only a stream whose initialisation succeeded is ever kept, so inflateEnd sees no garbage.
    if (m_pStream) {
        inflateEnd(m_pStream);
        delete m_pStream;
        m_pStream = nullptr;
    }
}

void CPayloadArchive::Attach(const void* pData, uint32_t nSize)
{
    m_pData = static_cast<const uint8_t*>(pData);
    m_nSize = nSize;
}

const uint8_t* CPayloadArchive::FindMember(const char* pszName) const
{
    const size_t nName = strlen(pszName);
    // 64-bit offsets: a hostile size can neither wrap the walk nor reach past the image.
    uint64_t nOffset = 0;
    while (m_nSize > nOffset + kLocalHeaderSize) {
        const uint8_t* pHeader = m_pData + nOffset;
        if (!IsLocalHeader(pHeader))
            return nullptr;
        const uint64_t nData = DataOffset(pHeader, nOffset);
        const uint64_t nNext = nData + ReadU32(pHeader + 18);
        if (nNext > m_nSize || nNext > UINT32_MAX)
            return nullptr;
        const uint16_t nNameLength = ReadU16(pHeader + 26);
        if (nNameLength == nName && memcmp(pHeader + kLocalHeaderSize, pszName, nName) == 0)
            return pHeader;
        nOffset = nNext;
    }
    return nullptr;
}

int CPayloadArchive::OpenMember(const char* pszName)
{
    CloseStream();
    m_nOut = 0;
    m_bComplete = false;
    m_pMember = FindMember(pszName);
    if (!m_pMember)
        return 1;

    z_stream* pStream = new (std::nothrow) z_stream{};
    if (!pStream)
        return 1;
    if (inflateInit2(pStream, -15) != Z_OK) {
        delete pStream;
        return 1;
    }
    m_pStream = pStream;

    const uint64_t nData = DataOffset(m_pMember, static_cast<uint64_t>(m_pMember - m_pData));
    m_pStream->next_in = const_cast<Bytef*>(m_pData + nData);
    m_pStream->avail_in = ReadU32(m_pMember + 18);
    m_nCrc = crc32(0, nullptr, 0);
    return 0;
}

unsigned CPayloadArchive::Read(void* pBuffer, unsigned nSize)
{
    if (!m_pStream)
        return 0;
    m_pStream->next_out = static_cast<Bytef*>(pBuffer);
    m_pStream->avail_out = nSize;
    m_pStream->total_out = 0;
    const int nResult = inflate(m_pStream, Z_NO_FLUSH);
    if (nResult != Z_OK && nResult != Z_STREAM_END)
        return 0;
    const unsigned nOut = static_cast<unsigned>(m_pStream->total_out);
    m_nCrc = crc32(m_nCrc, static_cast<const Bytef*>(pBuffer), nOut);
    m_nOut += nOut;
    if (nResult == Z_STREAM_END)
        CheckEnd();
    return nOut;
}

void CPayloadArchive::CheckEnd()
{
    const uint16_t nFlags = ReadU16(m_pMember + 6);
    m_bComplete =
        (nFlags & kFlagDataDescriptor) || (m_nCrc == ReadU32(m_pMember + 14) && m_nOut == ReadU32(m_pMember + 22));
}
