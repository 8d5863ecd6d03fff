#pragma once

#include "InstallOperations.h"
#include "InstallRules.h"
#include "InstallScript.h"
#include "WinApp.h"

#include <cstdint>
#include <string>

// The installer's application object: holds the install script and performs the install
// operations on it for the worker and the progress dialog.
class CInstallerApp : public CWinApp, public CInstallOperations
{
public:
    BOOL InitInstance() override;

    const std::vector<FileEntry>& Files() const override { return m_script.m_files; }

    // Writes one entry from the payload (resource IDR_PAYLOAD).
    int ExtractFile(const FileEntry& entry, CReplacedFiles& replaced) override;

    int RegisterScreenSaver() override;

    // Starts the script's EXECFILE command.
    void LaunchExecFile() override;

    // Writes entry's member of the ZIP image to the entry's expanded destination, through a
    // temporary file beside it, so that a failure leaves an earlier file in place; a file that
    // it replaces is kept in replaced.
    static int ExtractMember(const void* pImage, uint32_t nSize, const FileEntry& entry, CReplacedFiles& replaced);

    // Writes the registration value to the given store: 0, or 1 when that failed.
    static int WriteRegistration(RegistrationStore store, const std::string& strValue);

    CInstallScript m_script;
};

inline CInstallerApp* GetInstallerApp()
{
    return static_cast<CInstallerApp*>(AfxGetApp());
}
