#pragma once

#include "payload/InstallScript.h"
#include "rules/ExecCommand.h"
#include "rules/RegistrationTarget.h"
#include "rules/SaverPolicy.h"

#include <optional>
#include <string>
#include <vector>

// The install script resolved once for this machine: what the install, the uninstall and the
// dialogs act on. Paths are expanded with the system directory; without one they are empty,
// so that opening them fails rather than writing somewhere nobody asked for.
struct InstallPlan
{
    std::vector<FileEntry> m_files;  // destinations expanded
    std::string m_strSaverPath;      // expanded; empty when the script names no saver
    std::string m_strDisplayName;    // as the script gives it, for the main dialog's title
    std::string m_strProductName;    // the display name, or the product's key without one
    // The command after a successful install, its program resolved; none when the script has none.
    std::optional<ExecCommand> m_execFile;
    RegistrationTarget m_target;
    RegistrationStore m_store = RegistrationStore::Registry;
    // The screen saver policy of the target's desktop, as read at the start.
    SaverPolicy m_policy;
};

InstallPlan ResolveInstallPlan(const CInstallScript& script, const std::string& strSystemDir,
                               const RegistrationTarget& target, RegistrationStore store);
