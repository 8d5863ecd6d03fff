#pragma once

#include "rules/ExecCommand.h"
#include "rules/RegistrationTarget.h"

#include <windows.h>

#include <string>

// The account of a process as a SID string ("S-1-5-21-..."), empty when it cannot be read.
std::string ProcessUserSid(HANDLE hProcess);

// The account that owns the desktop: that of the process behind the shell window. Empty when
// there is no shell or its account cannot be read.
std::string ShellUserSid();

// The user whose settings an install changes: the desktop's, which may not be ours.
RegistrationTarget DesktopUserTarget();

// Starts the command through the desktop's shell, so that it runs as the shell's user with
// the shell's rights. FALSE when no shell answers or the start fails.
bool LaunchThroughDesktopShell(const ExecCommand& command);
