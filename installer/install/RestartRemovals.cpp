#include "install/RestartRemovals.h"

#include "File.h"
#include "Registry.h"
#include "SystemInfo.h"
#include "SystemSide.h"
#include "rules/PendingRemovals.h"

namespace {

const char kSessionManagerKey[] = "System\\CurrentControlSet\\Control\\Session Manager";
const wchar_t kPendingValue[] = L"PendingFileRenameOperations";

}  // namespace

int CancelRestartRemovals(const std::vector<std::string>& paths)
{
    // The 9x family keeps its restart work in WININIT.INI, and has no wide registry calls.
    if (IsWin9xFamily())
        return CancelWininitRemovals(paths) ? 0 : 1;
    const CRegistryKey key = OpenRegistryKey(HKEY_LOCAL_MACHINE, kSessionManagerKey, KEY_QUERY_VALUE | KEY_SET_VALUE);
    const std::optional<std::wstring> operations = ReadRegistryMultiString(key, kPendingValue);
    if (!operations)
        return 0;
    std::vector<std::wstring> widePaths;
    // As the A calls that scheduled them read the paths: through the system's code page.
    for (const std::string& strPath : paths)
        widePaths.push_back(WideFromAnsi(strPath));
    const std::wstring strKept = WithoutDeletionsOf(*operations, widePaths);
    if (strKept == *operations)
        return 0;
    const bool bWritten = strKept.empty() ? DeleteRegistryValue(key, kPendingValue)
                                          : WriteRegistryMultiString(key, kPendingValue, strKept);
    return bWritten ? 0 : 1;
}
