// package-codes ID VERSION PAIR DIGEST: prints the codes of the MSI package of product ID,
// VERSION, for PAIR (x86_64 or x86), whose inputs have DIGEST, one key=value line each.
#include "PackageCodes.h"

#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::cerr << "usage: package-codes ID VERSION PAIR DIGEST\n";
        return 2;
    }
    const std::string strId = argv[1], strVersion = argv[2], strPair = argv[3];
    std::cout << "upgrade=" << UpgradeCode(strId) << "\nproduct=" << ProductCode(strId, strVersion, strPair)
              << "\ncomponent=" << ComponentCode(strId, strPair) << "\npackage=" << PackageCode(argv[4]) << "\n";
    return 0;
}
