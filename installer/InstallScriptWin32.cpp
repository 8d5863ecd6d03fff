#include "InstallScript.h"

#include "InstallerResource.h"
#include "ResourceBytes.h"
#include "SystemInfo.h"

void CInstallScript::Load()
{
    const ResourceBytes script = FindResourceBytes(nullptr, MAKEINTRESOURCEA(IDR_INSTALL_SCRIPT), "FILE");
    if (script.m_pData)
        Parse(static_cast<const char*>(script.m_pData), script.m_nSize);
}

void CInstallScript::ExpandMacros(std::string& text)
{
    const std::string strSystemDir = QuerySystemDirectory();
    // Without a system directory the path is emptied: opening it fails, rather than writing
    // somewhere nobody asked for.
    if (strSystemDir.empty()) {
        text.clear();
        return;
    }
    ExpandMacros(text, strSystemDir);
}
