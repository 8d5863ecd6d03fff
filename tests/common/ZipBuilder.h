#pragma once

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

// Builds ZIP images in memory for tests: local headers end to end, raw deflate data,
// optionally a central directory and end record after them.
class ZipBuilder
{
public:
    struct Member
    {
        std::string name;
        std::string data;
        uint16_t flags = 0x0002;
        std::string extra;
        // Overrides of the header fields, for corrupt and hostile archives.
        bool bOverrideCompressed = false;
        uint32_t nCompressed = 0;
        bool bOverrideCrc = false;
        uint32_t nCrc = 0;
        bool bOverrideSize = false;
        uint32_t nSize = 0;
    };

    static std::string Deflate(const std::string& data, int nLevel = 9)
    {
        z_stream stream{};
        deflateInit2(&stream, nLevel, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
        std::string out(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
        stream.avail_in = static_cast<uInt>(data.size());
        stream.next_out = reinterpret_cast<Bytef*>(&out[0]);
        stream.avail_out = static_cast<uInt>(out.size());
        deflate(&stream, Z_FINISH);
        out.resize(stream.total_out);
        deflateEnd(&stream);
        return out;
    }

    static uint32_t Crc(const std::string& data)
    {
        return static_cast<uint32_t>(
            crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
    }

    ZipBuilder& Add(const Member& member)
    {
        m_members.push_back(member);
        return *this;
    }

    ZipBuilder& Add(const std::string& name, const std::string& data)
    {
        Member member;
        member.name = name;
        member.data = data;
        return Add(member);
    }

    // The image; with bCentral the central directory and end record follow the data.
    std::string Build(bool bCentral = true) const
    {
        std::string image, central;
        for (const Member& m : m_members) {
            const std::string packed = Deflate(m.data);
            const uint32_t nOffset = static_cast<uint32_t>(image.size());
            const uint32_t nCrc = m.bOverrideCrc ? m.nCrc : Crc(m.data);
            const uint32_t nPacked = m.bOverrideCompressed ? m.nCompressed : static_cast<uint32_t>(packed.size());
            const uint32_t nSize = m.bOverrideSize ? m.nSize : static_cast<uint32_t>(m.data.size());
            image += "PK\x03\x04";
            Put16(image, 20);
            Put16(image, m.flags);
            Put16(image, 8);
            Put16(image, 0);
            Put16(image, 0x2821);
            Put32(image, nCrc);
            Put32(image, nPacked);
            Put32(image, nSize);
            Put16(image, static_cast<uint16_t>(m.name.size()));
            Put16(image, static_cast<uint16_t>(m.extra.size()));
            image += m.name + m.extra + packed;

            central += "PK\x01\x02";
            Put16(central, 20);
            Put16(central, 20);
            Put16(central, m.flags);
            Put16(central, 8);
            Put16(central, 0);
            Put16(central, 0x2821);
            Put32(central, nCrc);
            Put32(central, nPacked);
            Put32(central, nSize);
            Put16(central, static_cast<uint16_t>(m.name.size()));
            Put16(central, 0);
            Put16(central, 0);
            Put16(central, 0);
            Put16(central, 0);
            Put32(central, 0);
            Put32(central, nOffset);
            central += m.name;
        }
        if (!bCentral)
            return image;
        const uint32_t nCentralOffset = static_cast<uint32_t>(image.size());
        image += central;
        image += "PK\x05\x06";
        Put16(image, 0);
        Put16(image, 0);
        Put16(image, static_cast<uint16_t>(m_members.size()));
        Put16(image, static_cast<uint16_t>(m_members.size()));
        Put32(image, static_cast<uint32_t>(central.size()));
        Put32(image, nCentralOffset);
        Put16(image, 0);
        return image;
    }

private:
    static void Put16(std::string& out, uint16_t n)
    {
        out += static_cast<char>(n & 0xFF);
        out += static_cast<char>(n >> 8);
    }

    static void Put32(std::string& out, uint32_t n)
    {
        Put16(out, static_cast<uint16_t>(n & 0xFFFF));
        Put16(out, static_cast<uint16_t>(n >> 16));
    }

    std::vector<Member> m_members;
};
