// Inflating one member through CPayloadArchive in 1024-byte reads against inflating the same
// deflate stream in one call, in one run. Prints one table row.
//   archive-bench FILE   (the member's bytes; Wine maps Z: to the Unix root)
#include "BenchSupport.h"
#include "ZipBuilder.h"
#include "payload/PayloadArchive.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

size_t ThroughReader(const std::string& image)
{
    CPayloadArchive archive;
    archive.Attach(image.data(), static_cast<uint32_t>(image.size()));
    archive.OpenMember("m");
    char buffer[1024];
    size_t nTotal = 0;
    unsigned n;
    while ((n = archive.Read(buffer, sizeof buffer)) != 0)
        nTotal += n;
    return nTotal;
}

size_t InOneCall(const std::string& packed, std::string& out)
{
    z_stream stream{};
    inflateInit2(&stream, -15);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    stream.next_out = reinterpret_cast<Bytef*>(&out[0]);
    stream.avail_out = static_cast<uInt>(out.size());
    inflate(&stream, Z_FINISH);
    const size_t nTotal = stream.total_out;
    inflateEnd(&stream);
    return nTotal;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const std::string data = ReadFileBytes(argv[1]);
    if (data.empty())
        return 1;
    const std::string image = ZipBuilder().Add("m", data).Build();
    const std::string packed = ZipBuilder::Deflate(data);
    std::string out(data.size(), '\0');

    std::vector<double> reader, whole;
    for (int i = 0; i < 31; ++i) {  // interleaved, so drift hits both alike
        double t = Seconds();
        if (ThroughReader(image) != data.size())
            return 1;
        reader.push_back(Seconds() - t);
        t = Seconds();
        if (InOneCall(packed, out) != data.size())
            return 1;
        whole.push_back(Seconds() - t);
    }
    const double r = Median(reader), w = Median(whole);
    printf(
        "| inflate %.2f MB member, 1024-byte reads vs one call (median of 31) | %.2f ms | %.2f ms | %.3f | <= 1.1 |\n",
        data.size() / 1e6, r * 1e3, w * 1e3, r / w);
    return 0;
}
