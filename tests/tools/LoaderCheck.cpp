// Owning tier of "every shipped program loads on the oldest Windows of its pair": a native
// check of the PE files themselves, since Wine exports every function and ignores a manifest's
// architecture. Usage: loader-check TABLE PROGRAM...
//
// Each import, by name or ordinal, needs a row in TABLE (tab-separated: DLL, name or #ordinal,
// oldest NT, oldest 9x or stub/absent, public source, and a reason in a sixth column when the
// import is refused whatever the version). Its NT version may be no newer than the pair's
// floor, and on x86 its 9x version no newer than 98 (a stub passes: the relay check of the
// end-to-end runs proves the 9x path never calls one), and so may the image's OS and subsystem
// versions; each manifest names the image's
// architecture or "*"; ASLR and DEP (and high-entropy ASLR on x64) are on.
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Version
{
    int m_nMajor = 0;
    int m_nMinor = 0;
    bool operator>(const Version& other) const
    {
        return m_nMajor != other.m_nMajor ? m_nMajor > other.m_nMajor : m_nMinor > other.m_nMinor;
    }
};

std::optional<Version> ParseVersion(const std::string& strText)
{
    Version version;
    char chDot = 0;
    std::istringstream in(strText);
    if (!(in >> version.m_nMajor >> chDot >> version.m_nMinor) || chDot != '.' || !in.eof())
        return std::nullopt;
    return version;
}

std::string VersionText(const Version& version)
{
    return std::to_string(version.m_nMajor) + "." + std::to_string(version.m_nMinor);
}

std::string Lower(std::string strText)
{
    for (char& ch : strText)
        ch = static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    return strText;
}

struct ImportRow
{
    Version m_ntVersion;
    std::string m_str9x;
    std::string m_strRefusal;
};

// Keyed by lower-case DLL name and import ("#410" for an ordinal).
using ImportTable = std::map<std::pair<std::string, std::string>, ImportRow>;

bool ReadTable(const char* pszPath, ImportTable& table)
{
    std::ifstream in(pszPath);
    if (!in) {
        std::fprintf(stderr, "%s: cannot be read\n", pszPath);
        return false;
    }
    std::string strLine;
    for (int nLine = 1; std::getline(in, strLine); ++nLine) {
        if (strLine.empty() || strLine[0] == '#')
            continue;
        std::vector<std::string> fields;
        std::istringstream line(strLine);
        for (std::string strField; std::getline(line, strField, '\t');)
            fields.push_back(strField);
        const std::optional<Version> ntVersion = fields.size() >= 5 ? ParseVersion(fields[2]) : std::nullopt;
        static const char* const kNinexValues[] = {"95", "98", "ME", "stub", "absent"};
        const bool b9xKnown = fields.size() >= 5 && std::find(std::begin(kNinexValues), std::end(kNinexValues),
                                                              fields[3]) != std::end(kNinexValues);
        if (!ntVersion || !b9xKnown || fields[4].empty() || fields.size() > 6) {
            std::fprintf(stderr, "%s:%d: want DLL, import, oldest NT (n.n), oldest 9x (95, 98, ME, stub, absent), source [, refusal]\n",
                         pszPath, nLine);
            return false;
        }
        table[{Lower(fields[0]), fields[1]}] = ImportRow{*ntVersion, fields[3], fields.size() == 6 ? fields[5] : std::string()};
    }
    return true;
}

// A bounds-checked view of a PE file, addressed by file offset or by RVA.
class CPeImage
{
public:
    explicit CPeImage(std::vector<uint8_t> bytes) : m_bytes(std::move(bytes)) {}

    bool Parse(std::string& strError);

    template <typename T>
    T At(uint64_t nOffset) const
    {
        T value = 0;
        if (nOffset + sizeof(T) <= m_bytes.size())
            for (size_t i = 0; i < sizeof(T); ++i)
                value = static_cast<T>(value | static_cast<T>(static_cast<T>(m_bytes[nOffset + i]) << (8 * i)));
        return value;
    }
    std::optional<uint64_t> OffsetOf(uint32_t nRva) const;
    std::string StringAt(uint32_t nRva) const;
    std::string BytesAt(uint32_t nRva, uint32_t nSize) const;

    bool m_b64 = false;
    uint16_t m_nMachine = 0;
    uint64_t m_nOptional = 0;

private:
    struct Section
    {
        uint32_t m_nRva, m_nSize, m_nFileOffset;
    };
    std::vector<uint8_t> m_bytes;
    std::vector<Section> m_sections;
};

bool CPeImage::Parse(std::string& strError)
{
    const uint32_t nPe = At<uint32_t>(0x3c);
    if (At<uint16_t>(0) != 0x5a4d || At<uint32_t>(nPe) != 0x4550) {
        strError = "not a PE file";
        return false;
    }
    m_nMachine = At<uint16_t>(nPe + 4);
    const uint16_t nSections = At<uint16_t>(nPe + 6);
    const uint16_t nOptionalSize = At<uint16_t>(nPe + 20);
    m_nOptional = nPe + 24;
    m_b64 = At<uint16_t>(m_nOptional) == 0x20b;
    const uint64_t nTable = m_nOptional + nOptionalSize;
    for (uint16_t i = 0; i < nSections; ++i) {
        const uint64_t nHeader = nTable + 40ull * i;
        m_sections.push_back(
            Section{At<uint32_t>(nHeader + 12), At<uint32_t>(nHeader + 8), At<uint32_t>(nHeader + 20)});
    }
    return true;
}

std::optional<uint64_t> CPeImage::OffsetOf(uint32_t nRva) const
{
    for (const Section& section : m_sections)
        if (nRva >= section.m_nRva && nRva - section.m_nRva < section.m_nSize)
            return uint64_t{section.m_nFileOffset} + (nRva - section.m_nRva);
    return std::nullopt;
}

std::string CPeImage::StringAt(uint32_t nRva) const
{
    std::string strText;
    for (std::optional<uint64_t> nOffset = OffsetOf(nRva); nOffset && *nOffset < m_bytes.size() &&
                                                            m_bytes[*nOffset] != 0 && strText.size() < 512;
         ++*nOffset)
        strText += static_cast<char>(m_bytes[*nOffset]);
    return strText;
}

std::string CPeImage::BytesAt(uint32_t nRva, uint32_t nSize) const
{
    const std::optional<uint64_t> nOffset = OffsetOf(nRva);
    if (!nOffset || *nOffset + nSize > m_bytes.size())
        return std::string();
    return std::string(m_bytes.begin() + static_cast<std::ptrdiff_t>(*nOffset),
                       m_bytes.begin() + static_cast<std::ptrdiff_t>(*nOffset + nSize));
}

struct Pair
{
    const char* m_pszName;
    const char* m_pszManifestArch;
    Version m_floor;
    // Whether the pair also runs on 98 (first edition): every import there or a stub.
    bool m_b98;
    uint16_t m_nCharacteristics;
};

// IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE 0x40, NX_COMPAT 0x100, HIGH_ENTROPY_VA 0x20.
const Pair kI386{"x86", "x86", {4, 0}, true, 0x140};
const Pair kAmd64{"x64", "amd64", {5, 2}, false, 0x160};

struct Import
{
    std::string m_strDll;
    std::string m_strName;
};

std::vector<Import> ReadImports(const CPeImage& image, uint32_t nDirectory)
{
    std::vector<Import> imports;
    const std::optional<uint64_t> nOffset = nDirectory ? image.OffsetOf(nDirectory) : std::nullopt;
    for (uint64_t nDescriptor = nOffset.value_or(0); nOffset; nDescriptor += 20) {
        const uint32_t nLookup = image.At<uint32_t>(nDescriptor);
        const uint32_t nName = image.At<uint32_t>(nDescriptor + 12);
        const uint32_t nThunks = nLookup ? nLookup : image.At<uint32_t>(nDescriptor + 16);
        if (nName == 0)
            break;
        const std::string strDll = image.StringAt(nName);
        const std::optional<uint64_t> nThunk = image.OffsetOf(nThunks);
        const uint64_t nStep = image.m_b64 ? 8 : 4;
        for (uint64_t nEntry = nThunk.value_or(0); nThunk; nEntry += nStep) {
            const uint64_t nValue = image.m_b64 ? image.At<uint64_t>(nEntry) : image.At<uint32_t>(nEntry);
            if (nValue == 0)
                break;
            const bool bOrdinal = (nValue >> (image.m_b64 ? 63 : 31)) & 1;
            imports.push_back(Import{strDll, bOrdinal ? "#" + std::to_string(nValue & 0xffff)
                                                      : image.StringAt(static_cast<uint32_t>(nValue) + 2)});
        }
    }
    return imports;
}

// The data of every RT_MANIFEST resource (type 24), whatever its name and language.
std::vector<std::string> ReadManifests(const CPeImage& image, uint32_t nDirectory)
{
    std::vector<std::string> manifests;
    const std::optional<uint64_t> nRoot = nDirectory ? image.OffsetOf(nDirectory) : std::nullopt;
    if (!nRoot)
        return manifests;
    // Entries of a directory: the named ones first, then those with an id.
    auto forEach = [&](uint64_t nDir, auto&& visit) {
        const unsigned nEntries = image.At<uint16_t>(nDir + 12) + image.At<uint16_t>(nDir + 14);
        for (unsigned i = 0; i < nEntries && i < 4096; ++i)
            visit(image.At<uint32_t>(nDir + 16 + 8 * i), image.At<uint32_t>(nDir + 20 + 8 * i));
    };
    forEach(*nRoot, [&](uint32_t nType, uint32_t nTypeTarget) {
        if (nType != 24 || !(nTypeTarget & 0x80000000u))
            return;
        forEach(*nRoot + (nTypeTarget & 0x7fffffffu), [&](uint32_t, uint32_t nNameTarget) {
            if (!(nNameTarget & 0x80000000u))
                return;
            forEach(*nRoot + (nNameTarget & 0x7fffffffu), [&](uint32_t, uint32_t nLeaf) {
                if (nLeaf & 0x80000000u)
                    return;
                const uint64_t nData = *nRoot + nLeaf;
                manifests.push_back(image.BytesAt(image.At<uint32_t>(nData), image.At<uint32_t>(nData + 4)));
            });
        });
    });
    return manifests;
}

// The processorArchitecture of every assemblyIdentity element.
std::vector<std::string> ManifestArchitectures(const std::string& strManifest)
{
    std::vector<std::string> architectures;
    for (size_t nAt = strManifest.find("<assemblyIdentity"); nAt != std::string::npos;
         nAt = strManifest.find("<assemblyIdentity", nAt + 1)) {
        const size_t nEnd = strManifest.find('>', nAt);
        const std::string strElement = strManifest.substr(nAt, nEnd == std::string::npos ? nEnd : nEnd - nAt);
        const size_t nAttribute = strElement.find("processorArchitecture=");
        if (nAttribute == std::string::npos || nAttribute + 23 > strElement.size())
            continue;
        const char chQuote = strElement[nAttribute + 22];
        const size_t nClose = strElement.find(chQuote, nAttribute + 23);
        architectures.push_back(strElement.substr(nAttribute + 23, nClose - (nAttribute + 23)));
    }
    return architectures;
}

// Prints every fault of one program; the number of faults.
int CheckProgram(const char* pszPath, const ImportTable& table, const char* pszTable)
{
    std::ifstream in(pszPath, std::ios::binary);
    if (!in) {
        std::printf("FAIL %s: cannot be read\n", pszPath);
        return 1;
    }
    CPeImage image{std::vector<uint8_t>{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}};
    std::string strError;
    if (!image.Parse(strError)) {
        std::printf("FAIL %s: %s\n", pszPath, strError.c_str());
        return 1;
    }
    if (image.m_nMachine != 0x14c && image.m_nMachine != 0x8664) {
        std::printf("FAIL %s: machine 0x%x is neither i386 nor amd64\n", pszPath, image.m_nMachine);
        return 1;
    }
    const Pair& pair = image.m_nMachine == 0x14c ? kI386 : kAmd64;
    const std::string strFloor = VersionText(pair.m_floor);
    int nFaults = 0;
    auto fail = [&](const std::string& strWhat) {
        std::printf("FAIL %s: %s\n", pszPath, strWhat.c_str());
        ++nFaults;
    };

    // The version fields stand at the same offsets in PE32 and PE32+.
    const uint64_t nOpt = image.m_nOptional;
    const std::pair<const char*, uint64_t> fields[] = {{"OS", nOpt + 40}, {"subsystem", nOpt + 48}};
    for (const auto& [pszField, nOffset] : fields) {
        const Version version{image.At<uint16_t>(nOffset), image.At<uint16_t>(nOffset + 2)};
        if (version > pair.m_floor)
            fail(std::string(pszField) + " version " + VersionText(version) + " is newer than " + strFloor);
    }
    const uint16_t nCharacteristics = image.At<uint16_t>(nOpt + 70);
    if ((nCharacteristics & pair.m_nCharacteristics) != pair.m_nCharacteristics) {
        char szFlags[64];
        std::snprintf(szFlags, sizeof szFlags, "DllCharacteristics 0x%04x lacks 0x%04x", nCharacteristics,
                      pair.m_nCharacteristics & ~nCharacteristics & 0xffff);
        fail(std::string(szFlags) + " (ASLR, DEP, high-entropy ASLR on x64)");
    }

    const uint64_t nDirectories = nOpt + (image.m_b64 ? 112 : 96);
    const std::vector<Import> imports = ReadImports(image, image.At<uint32_t>(nDirectories + 8));
    for (const Import& import : imports) {
        const std::string strImport = import.m_strDll + "!" + import.m_strName;
        const auto row = table.find({Lower(import.m_strDll), import.m_strName});
        if (row == table.end())
            fail(strImport + " is not in the table: add a row with its oldest NT and 9x versions and a public source to " +
                 pszTable);
        else if (!row->second.m_strRefusal.empty())
            fail(strImport + " is refused: " + row->second.m_strRefusal);
        else if (row->second.m_ntVersion > pair.m_floor)
            fail(strImport + " needs NT " + VersionText(row->second.m_ntVersion) + ", newer than the " + pair.m_pszName +
                 " floor " + strFloor + ": bind it at run time with a fallback");
        else if (pair.m_b98 && (row->second.m_str9x == "absent" || row->second.m_str9x == "ME"))
            fail(strImport + " is " + (row->second.m_str9x == "ME" ? "new in ME" : "absent") +
                 " on the 9x family, so Windows 98 refuses the program: bind it at run time with a fallback");
    }

    const std::vector<std::string> manifests = ReadManifests(image, image.At<uint32_t>(nDirectories + 16));
    for (const std::string& strManifest : manifests)
        for (const std::string& strArch : ManifestArchitectures(strManifest))
            if (strArch != "*" && strArch != pair.m_pszManifestArch)
                fail("manifest names processorArchitecture \"" + strArch + "\", not \"" + pair.m_pszManifestArch +
                     "\" or \"*\"");

    std::printf("%s %s: %s, floor NT %s%s, %zu imports, %zu manifest(s)\n", nFaults ? "FAIL" : "ok  ", pszPath,
                pair.m_pszName, strFloor.c_str(), pair.m_b98 ? " and 98" : "", imports.size(), manifests.size());
    return nFaults;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: loader-check TABLE PROGRAM...\n");
        return 2;
    }
    ImportTable table;
    if (!ReadTable(argv[1], table))
        return 2;
    int nFaults = 0;
    for (int i = 2; i < argc; ++i)
        nFaults += CheckProgram(argv[i], table, argv[1]);
    std::printf("loader check: %s\n", nFaults ? (std::to_string(nFaults) + " fault(s)").c_str() : "every program loads");
    return nFaults ? 1 : 0;
}
