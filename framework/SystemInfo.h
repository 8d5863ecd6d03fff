#pragma once

// True on 95, 98 and Me; false on the NT family and when the platform does not say.
bool IsWin9xFamily();

// True on the NT family from version nMajor.nMinor on (6.2 is Windows 8).
bool IsNtVersionOrLater(unsigned long nMajor, unsigned long nMinor);

// True when this is a 32-bit program on 64-bit Windows. IsWow64Process is looked up at run
// time: older systems do not have it, and they run no 32-bit programs under WOW64 either.
bool IsRunningUnderWow64();
