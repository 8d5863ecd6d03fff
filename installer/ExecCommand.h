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
