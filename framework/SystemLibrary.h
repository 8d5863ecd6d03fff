#pragma once

#include "ScopedHandle.h"

#include <string>

// Loads a library from the system directory by full path: never a copy found beside the
// program or on the search path. Null when it is not there.
CLibrary LoadSystemLibrary(const char* pszName);

// comctl32 as an import would load it: the version the program's manifest names where the
// system redirects it (XP on), else the system directory's. Null when it is not there.
CLibrary LoadCommonControls();

// Every run-time lookup of an entry point, by name or by ordinal (MAKEINTRESOURCEA), passes
// here; null where the module lacks it. Defined alone in SystemProc.cpp: the in-process tests
// link their own, which makes chosen exports look missing as on an older Windows.
FARPROC FindSystemProc(HMODULE hModule, const char* pszName);

// An entry point of a loaded module as a function pointer of the given type, or null.
template <typename PFN>
PFN GetModuleProc(HMODULE hModule, const char* pszName)
{
    return reinterpret_cast<PFN>(reinterpret_cast<void*>(FindSystemProc(hModule, pszName)));
}

template <typename PFN>
PFN GetLibraryProc(const CLibrary& library, const char* pszName)
{
    return GetModuleProc<PFN>(library.Get(), pszName);
}

// An entry point of a system DLL that the program links, and so has loaded (comctl32 in the
// version its manifest chose): null where this system lacks it.
template <typename PFN>
PFN GetLinkedProc(const char* pszModule, const char* pszName)
{
    return GetModuleProc<PFN>(::GetModuleHandleA(pszModule), pszName);
}

// An entry point of kernel32, which every process has loaded: null where this system lacks it.
template <typename PFN>
PFN GetKernel32Proc(const char* pszName)
{
    return GetLinkedProc<PFN>("kernel32.dll", pszName);
}
