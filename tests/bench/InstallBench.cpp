// Unpacking the shipped member through the installer's own extraction (the archive reader, a
// flushed temporary file, the copy of the file it replaces, the replace) into a folder. Prints
// the median time of 21 runs in ms; the script sets it against unzip in the same run.
//   install-bench ZIP DIR   (Wine maps Z: to the Unix root)
#include "BenchSupport.h"
#include "install/MemberWriter.h"
#include "install/ReplacedFiles.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    const std::string image = ReadFileBytes(argv[1]);
    const FileEntry entry{"Orvanta.scr", std::string(argv[2]) + "\\Orvanta.scr"};
    std::vector<double> times;
    for (int i = 0; i < 21; ++i) {
        const double t = Seconds();
        CReplacedFiles replaced;
        if (ExtractMember(image.data(), static_cast<uint32_t>(image.size()), entry, replaced) != 0)
            return 1;
        replaced.Keep();
        times.push_back(Seconds() - t);
    }
    printf("%.3f\n", Median(times) * 1e3);
    return 0;
}
