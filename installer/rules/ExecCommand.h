#pragma once

#include <string>

// The command started after a successful install, split into program and parameters.
struct ExecCommand
{
    std::string m_strProgram;
    std::string m_strParameters;
};

// The program is the text before the first blank; the parameters start at the first
// non-blank after it. Without a blank the whole text is the program.
ExecCommand SplitExecFile(const std::string& strExecFile);

// The program as it is started: a name without folder or drive is the one in the system
// directory, so that neither the current folder nor a per-user registered path can supply
// another. Without a system directory such a name gives nothing to start.
std::string ProgramPath(const std::string& strProgram, const std::string& strSystemDir);
