#include "rules/InstallPlan.h"

#include "rules/ProgramsListValues.h"

namespace {

std::string Expanded(std::string strText, const std::string& strSystemDir)
{
    if (strSystemDir.empty())
        return std::string();
    CInstallScript::ExpandMacros(strText, strSystemDir);
    return strText;
}

}  // namespace

InstallPlan ResolveInstallPlan(const CInstallScript& script, const std::string& strSystemDir,
                               const RegistrationTarget& target, RegistrationStore store)
{
    InstallPlan plan;
    for (const FileEntry& entry : script.m_files)
        plan.m_files.push_back(FileEntry{entry.m_strSource, Expanded(entry.m_strDestination, strSystemDir)});
    if (!script.m_strScreenSaver.empty())
        plan.m_strSaverPath = Expanded(script.m_strScreenSaver, strSystemDir);
    plan.m_strDisplayName = script.m_strDisplayName;
    plan.m_strProductName = script.m_strDisplayName.empty() ? std::string(kProductKey) : script.m_strDisplayName;
    if (!script.m_strExecFile.empty()) {
        ExecCommand command = SplitExecFile(script.m_strExecFile);
        command.m_strProgram = ProgramPath(command.m_strProgram, strSystemDir);
        plan.m_execFile = command;
    }
    plan.m_target = target;
    plan.m_store = store;
    return plan;
}
