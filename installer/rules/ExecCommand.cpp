#include "rules/ExecCommand.h"

#include "ShiftJisPath.h"

ExecCommand SplitExecFile(const std::string& strExecFile)
{
    const size_t nSpace = strExecFile.find(' ');
    if (nSpace == std::string::npos)
        return ExecCommand{strExecFile, std::string()};
    const size_t nParameters = strExecFile.find_first_not_of(' ', nSpace + 1);
    return ExecCommand{strExecFile.substr(0, nSpace),
                       nParameters == std::string::npos ? std::string() : strExecFile.substr(nParameters)};
}

std::string ProgramPath(const std::string& strProgram, const std::string& strSystemDir)
{
    const bool bNamesPlace = !DirectoryOf(strProgram).empty() || strProgram.find(':') != std::string::npos;
    if (strProgram.empty() || bNamesPlace)
        return strProgram;
    if (strSystemDir.empty())
        return std::string();
    return JoinPath(strSystemDir, strProgram);
}
