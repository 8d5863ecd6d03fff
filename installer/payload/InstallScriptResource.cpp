#include "payload/InstallScript.h"

#include "ResourceBytes.h"
#include "resource/InstallerResource.h"

void CInstallScript::Load()
{
    const ResourceBytes script = FindResourceBytes(nullptr, MAKEINTRESOURCEA(IDR_INSTALL_SCRIPT), "FILE");
    if (script.m_pData)
        Parse(static_cast<const char*>(script.m_pData), script.m_nSize);
}
