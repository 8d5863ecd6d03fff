#include "install/InstallOutcome.h"

#include "DisplayText.h"
#include "resource/InstallerResource.h"

std::wstring InstallOutcomeText(int nResult, const CInstallOperations& operations)
{
    if (nResult == kInstallRefused)
        return LoadResourceString(IDS_INSTALL_REFUSED);
    if (nResult != 0)
        return LoadResourceString(IDS_INSTALL_FAILED);
    const std::wstring strNotice = operations.SuccessNotice();
    return strNotice.empty() ? LoadResourceString(IDS_INSTALL_DONE) : strNotice;
}
