#pragma once

#include <string>

// Where the screen saver is named: system.ini on the 9x family, the user's registry elsewhere.
enum class RegistrationStore
{
    SystemIni,
    Registry,
};

// Whose desktop settings an install changes, and how the command after it is started. The
// screen saver belongs to the user who owns the desktop (the account of its shell), even when
// the installer runs elevated as another account.
struct RegistrationTarget
{
    // Empty: our own HKEY_CURRENT_USER. Otherwise the shell user's hive, HKEY_USERS\<SID>.
    std::string m_strUserSid;
    // Start EXECFILE through the desktop's shell, so that it runs as that user, unelevated.
    bool m_bLaunchThroughShell = false;
};

// strShellSid is empty when no shell answers or its account cannot be read; the installer's
// own hive is then the only one it knows.
RegistrationTarget ChooseRegistrationTarget(const std::string& strOwnSid, const std::string& strShellSid);

// A key of the target user's hive as a path below the root that UnderAllUsers picks.
std::string TargetKeyPath(const RegistrationTarget& target, const std::string& strSubKey);

// Whether the target's keys lie under HKEY_USERS (else HKEY_CURRENT_USER).
bool UnderAllUsers(const RegistrationTarget& target);
