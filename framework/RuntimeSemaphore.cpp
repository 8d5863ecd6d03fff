// libgcc's thread support (its mutexes, the unwinder's frame registry, emulated thread-local
// storage) makes its semaphores through CreateSemaphoreW, which every program reaches at start;
// on the 9x family that is a stub that fails. The import slot is ours instead: it points here,
// and every semaphore goes through CreateSemaphoreA, which all of Windows has. libgcc's are
// unnamed; a name would be converted through the ANSI code page.
#include "SystemSide.h"

#include <windows.h>

namespace {

HANDLE WINAPI CreateSemaphoreThroughAnsi(LPSECURITY_ATTRIBUTES pAttributes, LONG nInitial, LONG nMaximum,
                                         LPCWSTR pszName)
{
    const std::string strName = pszName ? AnsiFromWide(pszName) : std::string();
    return CreateSemaphoreA(pAttributes, nInitial, nMaximum, pszName ? strName.c_str() : nullptr);
}

}  // namespace

// The name the import library would define; defined here, its member is never linked.
#ifdef _WIN64
#define ORV_IMPORT_SLOT "__imp_CreateSemaphoreW"
#else
#define ORV_IMPORT_SLOT "__imp__CreateSemaphoreW@16"
#endif
extern "C" {
extern decltype(&CreateSemaphoreW) const g_pfnCreateSemaphoreW __asm__(ORV_IMPORT_SLOT);
decltype(&CreateSemaphoreW) const g_pfnCreateSemaphoreW = &CreateSemaphoreThroughAnsi;
}
