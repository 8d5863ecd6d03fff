#pragma once

#include <cstdint>

typedef struct z_stream_s z_stream;

// Reads one member of the payload archive (resource IDR_PAYLOAD), a ZIP whose local headers stand
// end to end from its first byte, inflating it chunk by chunk. The image is never copied.
class CPayloadArchive
{
public:
    CPayloadArchive() = default;
    CPayloadArchive(const CPayloadArchive&) = delete;
    CPayloadArchive& operator=(const CPayloadArchive&) = delete;
    ~CPayloadArchive();

    // The image stays where it is (a locked resource) and must outlive the reading.
    void Attach(const void* pData, uint32_t nSize);

    // 0 when the member was found and the inflater is ready, 1 otherwise.
    int OpenMember(const char* pszName);

    // Bytes placed in the buffer by this call; 0 once nothing more comes (end or error).
    unsigned Read(void* pBuffer, unsigned nSize);

    // After Read has returned 0: whether the member ended cleanly (stream end reached and,
    // unless the header defers them to a data descriptor, its size and CRC-32 matched).
    bool IsComplete() const { return m_bComplete; }

private:
    const uint8_t* FindMember(const char* pszName) const;
    void CloseStream();
    void CheckEnd();

    z_stream* m_pStream = nullptr;
    const uint8_t* m_pMember = nullptr;
    const uint8_t* m_pData = nullptr;
    uint32_t m_nSize = 0;

    uint32_t m_nCrc = 0;
    uint32_t m_nOut = 0;
    bool m_bComplete = false;
};
