#include "SizeBudget.h"

std::string Megabytes(std::uint64_t nBytes)
{
    const std::uint64_t nTenths = (nBytes + 50000) / 100000;
    return std::to_string(nTenths / 10) + "." + std::to_string(nTenths % 10) + " MB";
}

std::string PhotoBudgetFault(std::uint64_t nTotal)
{
    if (nTotal <= kPhotoBudget)
        return std::string();
    return "the photos take " + Megabytes(nTotal) + ", more than the " + Megabytes(kPhotoBudget) +
           " a saver can carry (a 32-bit program maps itself whole into its 2 GB): use fewer photos or a "
           "smaller maxsize";
}
