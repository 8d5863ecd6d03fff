// Attaches arbitrary bytes as an archive image, opens a member and reads it to the end.
// The first byte picks the name; the image lives in a buffer of its exact size, so any read
// past its end is caught.
#include "payload/PayloadArchive.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static const char* const kNames[] = {"Orvanta.scr", "", "a", "b"};
    if (nSize == 0)
        return 0;
    const std::vector<uint8_t> image(pData + 1, pData + nSize);
    CPayloadArchive archive;
    archive.Attach(image.data(), static_cast<uint32_t>(image.size()));
    if (archive.OpenMember(kNames[pData[0] % 4]) != 0)
        return 0;
    uint8_t buffer[1024];
    size_t nTotal = 0;
    unsigned n;
    // Deflate expands at most ~1032:1; the bound only keeps a run short.
    while ((n = archive.Read(buffer, sizeof buffer)) != 0 && nTotal < (64u << 20))
        nTotal += n;
    return 0;
}
