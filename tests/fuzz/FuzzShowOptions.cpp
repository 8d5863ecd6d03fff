// Any bytes as a saver's SHOW resource; whatever it holds, the options are in their ranges.
#include "ShowOptions.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const ShowOptions options = ParseShowOptions(reinterpret_cast<const char*>(pData), nSize);
    if (options.m_nHoldSeconds < 1 || options.m_nHoldSeconds > 3600 || options.m_nOrder < ORDER_LISTED ||
        options.m_nOrder > ORDER_SHUFFLE || options.m_nFit < FIT_FIT || options.m_nFit > FIT_BLUR)
        __builtin_trap();
    return 0;
}
