#pragma once

#include <optional>
#include <string>

// The desktop's screen saver as Group Policy sets it, in the machine's and the user's hive
// (Software\Policies\Microsoft\Windows\Control Panel\Desktop). A policy that names a saver
// or turns savers off overrides the user's own values: an install then leaves those alone and
// says so. A timeout or a password alone changes nothing of what an install does.

// The four values of one hive, as text; none where the value or the key is missing.
struct PolicyValues
{
    std::optional<std::string> m_strSaver;    // SCRNSAVE.EXE
    std::optional<std::string> m_strActive;   // ScreenSaveActive
    std::optional<std::string> m_strSecure;   // ScreenSaverIsSecure
    std::optional<std::string> m_strTimeout;  // ScreenSaveTimeOut
};

enum class PolicyChoice
{
    None,        // the user's own values decide
    NamesSaver,  // the policy names the desktop's saver: m_strSaver
    SaversOff,   // the policy turns the screen saver off
};

struct SaverPolicy
{
    PolicyChoice m_choice = PolicyChoice::None;
    std::string m_strSaver;  // as the policy spells it
};

// The machine's value comes before the user's, value by value, as policies take precedence.
// "Off" wins over a named saver: the desktop then shows none.
SaverPolicy ReadSaverPolicy(const PolicyValues& machine, const PolicyValues& user);

// Whether the user's own saver values are the policy's to decide.
bool PolicyDecides(const SaverPolicy& policy);
