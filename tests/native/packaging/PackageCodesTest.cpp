// Owning tier: native. The codes of a saver's MSI packages: name-based UUIDs as RFC 4122 gives
// them, each pinned, since a changed derivation would stop every shipped package from upgrading.
#include "PackageCodes.h"

#include <gtest/gtest.h>

namespace {

const unsigned char kDnsNamespace[16] = {0x6b, 0xa7, 0xb8, 0x10, 0x9d, 0xad, 0x11, 0xd1,
                                         0x80, 0xb4, 0x00, 0xc0, 0x4f, 0xd4, 0x30, 0xc8};

struct Row
{
    std::string m_strCode;
    std::string m_strExpect;
};

}  // namespace

TEST(PackageCodes, DeriveEachCodeFromItsNames)
{
    const Row rows[] = {
        {NameBasedUuid(kDnsNamespace, "python.org"), "{886313E1-3B8A-5372-9B90-0C9AEE199E5D}"},
        {NameBasedUuid(kDnsNamespace, ""), "{4EBD0208-8328-5D69-8C44-EC50939C0967}"},
        {UpgradeCode("Orvanta"), "{3F607C25-029B-565B-89A4-47EEE7D78657}"},
        {UpgradeCode("ORVANTA"), "{3F607C25-029B-565B-89A4-47EEE7D78657}"},
        {UpgradeCode("SummerLake"), "{75025FA1-9A71-5BC9-96C8-B582369D3BE0}"},
        {ProductCode("Orvanta", "1.0.0.1", "x86_64"), "{F0B6E7F2-3C35-5088-9E86-D7360A9F0ED5}"},
        {ProductCode("Orvanta", "1.0.0.1", "x86"), "{2099C9C4-AC09-5D7E-8517-0A432016995C}"},
        {ProductCode("orvanta", "1.0.1.0", "x86_64"), "{2458778C-ECAC-576A-9C8D-991C6AACA831}"},
        {ComponentCode("Orvanta", "x86_64"), "{EE13A049-F5EC-5AD0-9BF8-3740726E2F0D}"},
        {ComponentCode("Orvanta", "x86"), "{3C414C2D-97C5-5B2D-B3D2-F58E12D26F26}"},
        // Longer than one SHA-1 block.
        {PackageCode("abababababababababababababababababababababababababababababababab"),
         "{C8873147-C2D8-51F5-BA71-0229B7440444}"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.m_strCode, row.m_strExpect);
}
