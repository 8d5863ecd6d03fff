#pragma once

#include "InstallRules.h"
#include "InstallScript.h"
#include "WinApp.h"

#include <cstdint>
#include <string>

// The installer's application object: holds the install script and performs the install
// operations that the worker and the progress dialog call.
class CInstallerApp : public CWinApp
{
public:
    BOOL InitInstance() override;

    // Writes one entry from the payload (resource IDR_PAYLOAD): 0 when written, 1 on failure.
    // Virtual so that tests can hand ExtractMember payloads of their own.
    virtual int ExtractFile(const FileEntry& entry);

    // Names the installed saver as the desktop's screen saver: 0, or 1 when that failed.
    int RegisterScreenSaver();

    // Starts the script's EXECFILE command; a failure passes silently.
    void LaunchExecFile();

    // Writes entry's member of the ZIP image to the entry's expanded destination, through a
    // temporary file beside it, so that a failure leaves an earlier file in place.
    static int ExtractMember(const void* pImage, uint32_t nSize, const FileEntry& entry);

    // Writes the registration value to the given store: 0, or 1 when that failed.
    static int WriteRegistration(RegistrationStore store, const std::string& strValue);

    CInstallScript m_script;
};

inline CInstallerApp* GetInstallerApp()
{
    return static_cast<CInstallerApp*>(AfxGetApp());
}
