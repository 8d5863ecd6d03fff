#include "InstallScript.h"

#include <windows.h>

void CInstallScript::Load()
{
    const HRSRC hResource = FindResourceA(nullptr, MAKEINTRESOURCEA(1), "FILE");
    if (!hResource)
        return;
    const HGLOBAL hData = LoadResource(nullptr, hResource);
    const void* pData = hData ? LockResource(hData) : nullptr;
    if (!pData)
        return;
    Parse(static_cast<const char*>(pData), SizeofResource(nullptr, hResource));
}

void CInstallScript::ExpandMacros(std::string& text)
{
    char szSystemDir[MAX_PATH];
    const UINT nLength = GetSystemDirectoryA(szSystemDir, MAX_PATH);
    // The backslash and the terminator must fit beside it. Without a system directory the
    // path is emptied: opening it fails, rather than writing somewhere nobody asked for.
    if (nLength == 0 || nLength >= MAX_PATH - 1) {
        text.clear();
        return;
    }
    ExpandMacros(text, std::string(szSystemDir, nLength));
}
