#pragma once

#include "ScopedHandle.h"

#include <string>

// Loads a library from the system directory by full path: never a copy found beside the
// program or on the search path. Null when it is not there.
CLibrary LoadSystemLibrary(const char* pszName);

// An entry point of a loaded module as a function pointer of the given type, or null.
template <typename PFN>
PFN GetModuleProc(HMODULE hModule, const char* pszName)
{
    const FARPROC pfn = hModule ? ::GetProcAddress(hModule, pszName) : nullptr;
    return reinterpret_cast<PFN>(reinterpret_cast<void*>(pfn));
}

template <typename PFN>
PFN GetLibraryProc(const CLibrary& library, const char* pszName)
{
    return GetModuleProc<PFN>(library.Get(), pszName);
}

// An entry point of kernel32, which every process has loaded: null where this system lacks it.
template <typename PFN>
PFN GetKernel32Proc(const char* pszName)
{
    return GetModuleProc<PFN>(::GetModuleHandleA("kernel32.dll"), pszName);
}
