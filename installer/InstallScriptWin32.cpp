#include "InstallScript.h"

#include "InstallerResource.h"
#include "ResourceBytes.h"

void CInstallScript::Load()
{
    const ResourceBytes script = FindResourceBytes(nullptr, MAKEINTRESOURCEA(IDR_INSTALL_SCRIPT), "FILE");
    if (script.m_pData)
        Parse(static_cast<const char*>(script.m_pData), script.m_nSize);
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
