#include "registration/InstalledNames.h"

#include "FsRedirection.h"
#include "ProductIdentity.h"
#include "SystemLibrary.h"
#include "registration/ProgramsListEntry.h"

#include <algorithm>
#include <vector>

namespace {

// The types as the platform's headers declare them; no import of them is made.
using PFNGETFILEVERSIONINFOSIZEA = decltype(&::GetFileVersionInfoSizeA);
using PFNGETFILEVERSIONINFOA = decltype(&::GetFileVersionInfoA);
using PFNVERQUERYVALUEA = decltype(&::VerQueryValueA);

// The version block's reader, from the system directory: an import would be looked for beside
// the installer first, where a downloaded folder may hold anything.
class CVersionReader
{
public:
    CVersionReader()
        : m_library(LoadSystemLibrary("VERSION.DLL"))
        , m_pfnSize(GetLibraryProc<PFNGETFILEVERSIONINFOSIZEA>(m_library, "GetFileVersionInfoSizeA"))
        , m_pfnInfo(GetLibraryProc<PFNGETFILEVERSIONINFOA>(m_library, "GetFileVersionInfoA"))
        , m_pfnQuery(GetLibraryProc<PFNVERQUERYVALUEA>(m_library, "VerQueryValueA"))
    {
    }

    // The file's version block; empty without one.
    std::vector<char> Block(const std::string& strPath) const
    {
        DWORD nHandle = 0;
        const DWORD nSize = m_pfnSize && m_pfnInfo && m_pfnQuery ? m_pfnSize(strPath.c_str(), &nHandle) : 0;
        std::vector<char> block(nSize);
        if (nSize != 0 && !m_pfnInfo(strPath.c_str(), 0, nSize, block.data()))
            block.clear();
        return block;
    }

    // The data of a value in the block, as the A reader gives it; false when it is not there.
    bool Query(const std::vector<char>& block, const std::string& strSubBlock, const char*& pData, UINT& nLength) const
    {
        void* pValue = nullptr;
        nLength = 0;
        if (!m_pfnQuery(block.data(), strSubBlock.c_str(), &pValue, &nLength) || !pValue)
            return false;
        pData = static_cast<const char*>(pValue);
        return true;
    }

private:
    CLibrary m_library;
    PFNGETFILEVERSIONINFOSIZEA m_pfnSize;
    PFNGETFILEVERSIONINFOA m_pfnInfo;
    PFNVERQUERYVALUEA m_pfnQuery;
};

std::optional<std::string> VersionText(const CVersionReader& reader, const std::vector<char>& block,
                                       const std::string& strSubBlock)
{
    const char* pszValue = nullptr;
    UINT nLength = 0;
    if (!reader.Query(block, strSubBlock, pszValue, nLength))
        return std::nullopt;
    return std::string(pszValue, std::find(pszValue, pszValue + nLength, '\0'));
}

// The block of strings in a translation's language and code page: "\StringFileInfo\041104b0\".
std::string StringBlock(const WORD* pTranslation)
{
    const char kDigits[] = "0123456789abcdef";
    std::string strBlock = "\\StringFileInfo\\";
    for (int i = 0; i < 2; ++i) {
        for (int nShift = 12; nShift >= 0; nShift -= 4)
            strBlock += kDigits[(pTranslation[i] >> nShift) & 0xF];
    }
    return strBlock + "\\";
}

}  // namespace

FoundSaverFile FindSaverFile(const std::string& strPath)
{
    FoundSaverFile found;
    // Loaded before the guard, which would show a 32-bit program the native library.
    const CVersionReader reader;
    const CFsRedirectionGuard nativeFiles;
    // A folder of that name is no program's saver: an install fails on it as on any write.
    const DWORD nAttributes = strPath.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(strPath.c_str());
    found.m_bPresent = nAttributes != INVALID_FILE_ATTRIBUTES && !(nAttributes & FILE_ATTRIBUTE_DIRECTORY);
    const std::vector<char> block = found.m_bPresent ? reader.Block(strPath) : std::vector<char>();
    const char* pTranslation = nullptr;
    UINT nLength = 0;
    if (block.empty() || !reader.Query(block, "\\VarFileInfo\\Translation", pTranslation, nLength) || nLength < 4)
        return found;
    // The first translation is the one that the version block's own reader shows.
    const std::string strBlock = StringBlock(reinterpret_cast<const WORD*>(pTranslation));
    found.m_strOriginalFilename = VersionText(reader, block, strBlock + "OriginalFilename");
    found.m_strCompanyName = VersionText(reader, block, strBlock + "CompanyName");
    return found;
}

InstalledOwnership FindInstalledOwnership(const InstallPlan& plan)
{
    const OurPlaces ours{ORVANTA_PRODUCT_ID, CProgramsListEntry::UninstallerPath(), plan.m_strSaverPath};
    return JudgeOwnership(FindSaverFile(plan.m_strSaverPath), CProgramsListEntry::Find(), ours);
}
