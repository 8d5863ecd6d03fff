#pragma once

#include <cstdint>

// The display's state as the platform reports it: 0 off, 1 on, 2 dimmed. Dimmed is still seen,
// so it counts as on; so does any state the platform may add, so that the show never stops
// unasked.
bool IsDisplayOff(uint32_t nState);
