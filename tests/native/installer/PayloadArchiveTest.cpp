#include "PayloadArchive.h"
#include "ZipBuilder.h"

#include <gtest/gtest.h>

TEST(PayloadArchive, ReadsAMember)
{
    const std::string image = ZipBuilder().Add("a", "hello").Build();
    CPayloadArchive archive;
    archive.Attach(image.data(), static_cast<uint32_t>(image.size()));
    ASSERT_EQ(archive.OpenMember("a"), 0);
    char buffer[16];
    EXPECT_EQ(archive.Read(buffer, sizeof buffer), 5u);
}
