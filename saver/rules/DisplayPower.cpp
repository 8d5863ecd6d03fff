#include "DisplayPower.h"

bool IsDisplayOff(uint32_t nState)
{
    return nState == 0;
}
