#include "rules/InstallProgress.h"

#include <cstdint>

int ProgressPosition(size_t nIndex, size_t nCount)
{
    if (nCount == 0)
        return 0;
    return static_cast<int>(static_cast<uint32_t>(nIndex * kProgressComplete) / static_cast<uint32_t>(nCount));
}
