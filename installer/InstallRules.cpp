#include "InstallRules.h"

namespace {

const uint32_t kPlatformWin32Windows = 1;  // VER_PLATFORM_WIN32_WINDOWS: 95, 98, Me

}  // namespace

RegistrationStore ChooseRegistrationStore(bool bVersionKnown, uint32_t nPlatformId)
{
    return bVersionKnown && nPlatformId == kPlatformWin32Windows ? RegistrationStore::SystemIni
                                                                 : RegistrationStore::Registry;
}

int ProgressPosition(size_t nIndex, size_t nCount)
{
    if (nCount == 0)
        return 0;
    return static_cast<int>(static_cast<uint32_t>(nIndex * kProgressComplete) / static_cast<uint32_t>(nCount));
}
