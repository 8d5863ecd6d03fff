#include "DpiScale.h"

#include <climits>

int ScaleToDpi(int nPixels, unsigned nDpi)
{
    if (nDpi == 0)
        return nPixels;
    const long long nProduct = static_cast<long long>(nPixels) * (nDpi > 0xFFFF ? 0xFFFF : nDpi);
    const long long nHalf = kDefaultDpi / 2;
    const long long nScaled = nProduct >= 0 ? (nProduct + nHalf) / kDefaultDpi : (nProduct - nHalf) / kDefaultDpi;
    return nScaled > INT_MAX ? INT_MAX : nScaled < INT_MIN ? INT_MIN : static_cast<int>(nScaled);
}
