#pragma once

#include <cstddef>

// The progress bar position (0 to 256) after entry nIndex of nCount has been written: the
// index, not the count, so one entry leaves the bar at 0 until the install completes.
int ProgressPosition(size_t nIndex, size_t nCount);

// The position once every entry is written and the saver registered.
const int kProgressComplete = 256;
