#include "SystemLibrary.h"

FARPROC FindSystemProc(HMODULE hModule, const char* pszName)
{
    return hModule ? ::GetProcAddress(hModule, pszName) : nullptr;
}
