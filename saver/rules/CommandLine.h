#pragma once

#include <cstdint>

enum SaverMode
{
    MODE_CONFIG_UNOWNED,   // no switch: settings dialog without owner
    MODE_CONFIG,           // c: settings dialog owned by the foreground window
    MODE_SAVER,            // s, or p: the picture window; full screen when m_nWindow is 0
    MODE_WINDOWED,         // l: the 800 x 600 test window
    MODE_CHANGE_PASSWORD,  // a: the platform's password change, owned by m_nWindow
    MODE_NONE,             // an unknown switch: nothing is created
};

struct SaverCommand
{
    SaverMode m_nMode = MODE_CONFIG_UNOWNED;
    int64_t m_nWindow = 0;  // a 32-bit handle as the platform widens it (sign-extended)
};

// Reads the whole command line, program name first. Only the first switch counts.
SaverCommand ParseCommandLine(const char* pszCommandLine);

// The number after a or p, read as atoi reads it but accumulating modulo 2^32.
int64_t ParseWindowNumber(const char* psz);
