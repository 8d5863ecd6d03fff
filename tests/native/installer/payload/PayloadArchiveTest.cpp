#include "ZipBuilder.h"
#include "payload/PayloadArchive.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Outcome
{
    bool bOpened = false;
    std::string data;
    bool bComplete = false;
};

// Opens NAME in IMAGE and reads it to the end in chunks of nChunk bytes.
Outcome ReadMember(const std::string& image, const char* pszName, unsigned nChunk = 1024)
{
    Outcome outcome;
    CPayloadArchive archive;
    archive.Attach(image.data(), static_cast<uint32_t>(image.size()));
    if (archive.OpenMember(pszName) != 0)
        return outcome;
    outcome.bOpened = true;
    std::string buffer(nChunk, '\0');
    unsigned n;
    while ((n = archive.Read(&buffer[0], nChunk)) != 0) {
        EXPECT_LE(n, nChunk);
        outcome.data.append(buffer, 0, n);
    }
    EXPECT_EQ(archive.Read(&buffer[0], nChunk), 0u) << "a read after the end returns 0 again";
    outcome.bComplete = archive.IsComplete();
    return outcome;
}

std::string Noise(size_t nSize, uint32_t nSeed = 1)
{
    std::string out(nSize, '\0');
    for (char& c : out) {
        nSeed = nSeed * 1103515245u + 12345u;
        c = static_cast<char>(nSeed >> 24);
    }
    return out;
}

ZipBuilder::Member MemberOf(const std::string& name, const std::string& data)
{
    ZipBuilder::Member member;
    member.name = name;
    member.data = data;
    return member;
}

}  // namespace

TEST(PayloadArchiveFind, NamesMatchExactlyAndTheFirstWins)
{
    const std::string image = ZipBuilder()
                                  .Add("Orvanta.scr", "first")
                                  .Add("readme.txt", "text")
                                  .Add("Orvanta.scr", "second")
                                  .Add("", "empty name")
                                  .Build();
    EXPECT_EQ(ReadMember(image, "Orvanta.scr").data, "first");
    EXPECT_EQ(ReadMember(image, "readme.txt").data, "text");
    EXPECT_EQ(ReadMember(image, "").data, "empty name");
    for (const char* name : {"Orvanta", "Orvanta.sc", "orvanta.scr", "ORVANTA.SCR", "Orvanta.scr ", "x"})
        EXPECT_FALSE(ReadMember(image, name).bOpened) << name;
}

TEST(PayloadArchiveFind, ExtraFieldsAreSkipped)
{
    ZipBuilder::Member first = MemberOf("a", "alpha");
    first.extra = std::string(9, 'E');
    const std::string image = ZipBuilder().Add(first).Add("b", "beta").Build();
    EXPECT_EQ(ReadMember(image, "a").data, "alpha");
    EXPECT_EQ(ReadMember(image, "b").data, "beta");
}

TEST(PayloadArchiveFind, WalkEndsAtAnythingButALocalHeader)
{
    const std::string image = ZipBuilder().Add("a", "alpha").Build();
    EXPECT_FALSE(ReadMember("MZ" + image, "a").bOpened);
    EXPECT_FALSE(ReadMember("PK\x07\x08" + image.substr(4), "a").bOpened);
    EXPECT_FALSE(ReadMember("", "a").bOpened);
    EXPECT_FALSE(ReadMember(image.substr(0, 30), "").bOpened) << "30 bytes hold no header";
}

TEST(PayloadArchiveFind, DataDescriptorMemberReadsEmptyAndHidesLaterMembers)
{
    ZipBuilder::Member streamed = MemberOf("a", "alpha");
    streamed.flags = 0x0008;
    streamed.bOverrideCompressed = true;
    streamed.nCompressed = 0;
    const std::string image = ZipBuilder().Add(streamed).Add("b", "beta").Build();
    const Outcome a = ReadMember(image, "a");
    EXPECT_TRUE(a.bOpened);
    EXPECT_EQ(a.data, "");
    EXPECT_FALSE(a.bComplete) << "no input means the stream never ended";
    EXPECT_FALSE(ReadMember(image, "b").bOpened);
}

TEST(PayloadArchiveFind, HostileSizesNeverReachPastTheImage)
{
    const std::string good = ZipBuilder().Add("a", "alpha").Add("b", "beta").Build(false);
    for (uint32_t nCompressed : {0xFFFFFFFFu, 0xFFFFFFF0u, 0x7FFFFFFFu, 1000u}) {
        ZipBuilder::Member hostile = MemberOf("a", "alpha");
        hostile.bOverrideCompressed = true;
        hostile.nCompressed = nCompressed;
        const std::string image = ZipBuilder().Add(hostile).Add("b", "beta").Build(false);
        EXPECT_FALSE(ReadMember(image, "a").bOpened) << nCompressed;
        EXPECT_FALSE(ReadMember(image, "b").bOpened) << nCompressed;
    }
    // Name and extra lengths that run past the end.
    std::string image = good;
    image[26] = '\xFF';
    image[27] = '\xFF';
    EXPECT_FALSE(ReadMember(image, "a").bOpened);
    image = good;
    image[28] = '\xFF';
    EXPECT_FALSE(ReadMember(image, "a").bOpened);
    // Every truncation of a valid image: no read past its end (ASan watches), no false success.
    for (size_t n = 0; n < good.size(); ++n) {
        const Outcome b = ReadMember(good.substr(0, n), "b");
        EXPECT_FALSE(b.bComplete && b.data != "beta") << n;
    }
}

TEST(PayloadArchiveRead, LargeMemberInSmallAndLargeChunks)
{
    const std::string data = Noise(300000) + std::string(300000, 'z');
    const std::string image = ZipBuilder().Add("big", data).Build();
    for (unsigned nChunk : {1u, 7u, 1024u, 65536u, 1u << 20}) {
        const Outcome outcome = ReadMember(image, "big", nChunk);
        EXPECT_EQ(outcome.data.size(), data.size()) << nChunk;
        EXPECT_TRUE(outcome.data == data) << nChunk;
        EXPECT_TRUE(outcome.bComplete) << nChunk;
    }
}

TEST(PayloadArchiveRead, EmptyMember)
{
    const Outcome outcome = ReadMember(ZipBuilder().Add("e", "").Build(), "e");
    EXPECT_TRUE(outcome.bOpened);
    EXPECT_EQ(outcome.data, "");
    EXPECT_TRUE(outcome.bComplete);
}

TEST(PayloadArchiveRead, TruncatedDataIsNotComplete)
{
    const std::string data = Noise(5000);
    const std::string packed = ZipBuilder::Deflate(data);
    ZipBuilder::Member cut = MemberOf("a", data);
    cut.bOverrideCompressed = true;
    cut.nCompressed = static_cast<uint32_t>(packed.size() / 2);
    // Without the central directory the image ends inside the member's data.
    const Outcome outcome = ReadMember(ZipBuilder().Add(cut).Build(false).substr(0, 31 + packed.size() / 2), "a");
    EXPECT_TRUE(outcome.bOpened);
    EXPECT_LT(outcome.data.size(), data.size());
    EXPECT_EQ(outcome.data, data.substr(0, outcome.data.size()));
    EXPECT_FALSE(outcome.bComplete);
}

TEST(PayloadArchiveRead, CorruptDataGivesWhatCameBeforeTheFault)
{
    const std::string data = Noise(2000) + std::string(4000, 'q');
    std::string image = ZipBuilder().Add("a", data).Build();
    const size_t nData = 30 + 1;
    const size_t nPacked = ZipBuilder::Deflate(data).size();
    for (size_t i = nData + nPacked / 2; i < nData + nPacked; ++i)
        image[i] = '\xFF';
    const Outcome outcome = ReadMember(image, "a");
    EXPECT_TRUE(outcome.bOpened);
    EXPECT_FALSE(outcome.bComplete);
    ASSERT_GE(outcome.data.size(), 100u);
    EXPECT_EQ(outcome.data.substr(0, 100), data.substr(0, 100));
}

TEST(PayloadArchiveRead, SizeOrCrcMismatchIsNotComplete)
{
    ZipBuilder::Member badCrc = MemberOf("a", "alpha");
    badCrc.bOverrideCrc = true;
    badCrc.nCrc = 1;
    ZipBuilder::Member badSize = MemberOf("b", "beta");
    badSize.bOverrideSize = true;
    badSize.nSize = 3;
    ZipBuilder::Member deferred = badCrc;
    deferred.name = "c";
    deferred.flags = 0x0008;  // sizes and CRC in a data descriptor: nothing to compare
    const std::string image = ZipBuilder().Add(badCrc).Add(badSize).Add(deferred).Build();

    const Outcome a = ReadMember(image, "a");
    EXPECT_EQ(a.data, "alpha");
    EXPECT_FALSE(a.bComplete);
    const Outcome b = ReadMember(image, "b");
    EXPECT_EQ(b.data, "beta");
    EXPECT_FALSE(b.bComplete);
    EXPECT_TRUE(ReadMember(image, "c").bComplete);
}

TEST(PayloadArchiveRead, ReadBeforeOpenOrAfterFailedOpenGivesNothing)
{
    const std::string image = ZipBuilder().Add("a", "alpha").Build();
    CPayloadArchive archive;
    archive.Attach(image.data(), static_cast<uint32_t>(image.size()));
    char buffer[8];
    EXPECT_EQ(archive.Read(buffer, sizeof buffer), 0u);
    EXPECT_EQ(archive.OpenMember("missing"), 1);
    EXPECT_EQ(archive.Read(buffer, sizeof buffer), 0u);
    EXPECT_FALSE(archive.IsComplete());
}
