#include "ExecCommand.h"

ExecCommand SplitExecFile(const std::string& strExecFile)
{
    const size_t nSpace = strExecFile.find(' ');
    if (nSpace == std::string::npos)
        return ExecCommand{strExecFile, std::string()};
    const size_t nParameters = strExecFile.find_first_not_of(' ', nSpace + 1);
    return ExecCommand{strExecFile.substr(0, nSpace),
                       nParameters == std::string::npos ? std::string() : strExecFile.substr(nParameters)};
}
