// check-budget FOLDER: totals a product folder's photos (1.jpg, 2.jpg, ... as the maker numbers
// them) and refuses, one line on stderr and exit status 1, above what a program can carry.
#include "SizeBudget.h"

#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: check-budget FOLDER\n";
        return 2;
    }
    std::uint64_t nTotal = 0;
    int nPhotos = 0;
    std::error_code ec;
    for (;;) {
        const fs::path photo = fs::path(argv[1]) / (std::to_string(nPhotos + 1) + ".jpg");
        const std::uintmax_t nSize = fs::file_size(photo, ec);
        if (ec)
            break;
        nTotal += nSize;
        ++nPhotos;
    }
    const std::string strFault = PhotoBudgetFault(nTotal);
    if (!strFault.empty()) {
        std::cerr << "make-saver: " << strFault << "\n";
        return 1;
    }
    std::cout << "make-saver: " << nPhotos << " photos, " << Megabytes(nTotal) << " of " << Megabytes(kPhotoBudget)
              << "\n";
    return 0;
}
