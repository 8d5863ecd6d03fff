#pragma once

#include <string>

// What the installer's command line asks for. Every switch may start with '/' or '-' and is
// matched without regard to case; anything else makes the command line not understood.
struct InstallerSwitches
{
    bool m_bUnderstood = true;
    bool m_bSilent = false;     // /S: no window, no message box, no EXECFILE
    bool m_bUninstall = false;  // /uninstall
    // The uninstaller's own clean-up run (/cleanup N): N is the inherited handle of the
    // uninstaller process whose program and folder it removes once that has ended.
    bool m_bCleanup = false;
    unsigned long long m_nCleanupHandle = 0;
};

// The text after the program name of a full command line, which may quote the name.
std::string ArgumentsOf(const std::string& strCommandLine);

// Splits at blanks and tabs; a token in double quotes keeps its blanks.
InstallerSwitches ParseSwitches(const std::string& strArguments);
