#include "File.h"

#include "PathQuery.h"
#include "ShiftJisPath.h"
#include "SystemInfo.h"
#include "WininitRename.h"

#include <optional>

CFile::CFile(const std::string& strFileName, UINT nOpenFlags) : m_strFileName(strFileName)
{
    const bool bWrite = (nOpenFlags & modeWrite) != 0;
    const DWORD nCreation = (nOpenFlags & modeCreate) ? CREATE_ALWAYS : OPEN_EXISTING;
    const HANDLE hFile = CreateFileA(strFileName.c_str(), bWrite ? GENERIC_WRITE : GENERIC_READ,
                                     bWrite ? 0 : FILE_SHARE_READ, nullptr, nCreation, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        throw CFileException(GetLastError(), strFileName);
    m_hFile.Reset(hFile);
}

DWORD CFile::GetLength() const
{
    const DWORD nSize = m_hFile ? GetFileSize(m_hFile.Get(), nullptr) : INVALID_FILE_SIZE;
    if (nSize == INVALID_FILE_SIZE)
        throw CFileException(m_hFile ? GetLastError() : ERROR_INVALID_HANDLE, m_strFileName);
    return nSize;
}

void CFile::ReadWhole(void* pBuffer, UINT nCount)
{
    DWORD nRead = 0;
    if (!m_hFile || !ReadFile(m_hFile.Get(), pBuffer, nCount, &nRead, nullptr))
        throw CFileException(m_hFile ? GetLastError() : ERROR_INVALID_HANDLE, m_strFileName);
    if (nRead != nCount)
        throw CFileException(ERROR_HANDLE_EOF, m_strFileName);
}

void CFile::Write(const void* pBuffer, UINT nCount)
{
    DWORD nWritten = 0;
    if (!m_hFile || !WriteFile(m_hFile.Get(), pBuffer, nCount, &nWritten, nullptr))
        throw CFileException(m_hFile ? GetLastError() : ERROR_INVALID_HANDLE, m_strFileName);
    if (nWritten != nCount)
        throw CFileException(ERROR_DISK_FULL, m_strFileName);
}

void CFile::Flush()
{
    if (!m_hFile || !FlushFileBuffers(m_hFile.Get()))
        throw CFileException(m_hFile ? GetLastError() : ERROR_INVALID_HANDLE, m_strFileName);
}

void CFile::Close()
{
    if (m_hFile && !CloseHandle(m_hFile.Release()))
        throw CFileException(GetLastError(), m_strFileName);
}

void CFile::Replace(const std::string& strFrom, const std::string& strTo)
{
    if (!MoveFileReplacing(strFrom, strTo))
        throw CFileException(GetLastError(), strTo);
}

void CFile::Remove(const std::string& strFileName) noexcept
{
    DeleteFileA(strFileName.c_str());
}

bool FileExists(const std::string& strPath)
{
    const DWORD nAttributes = GetFileAttributesA(strPath.c_str());
    return nAttributes != INVALID_FILE_ATTRIBUTES && !(nAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool MoveFileReplacing(const std::string& strFrom, const std::string& strTo) noexcept
{
    if (!IsWin9xFamily())
        return MoveFileExA(strFrom.c_str(), strTo.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!DeleteFileA(strTo.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND)
        return false;
    return MoveFileA(strFrom.c_str(), strTo.c_str()) != FALSE;
}

namespace {

const DWORD kMaxWininitSize = 1u << 20;

// The file's text, empty when there is none yet; nothing when it cannot be read.
std::optional<std::string> ReadWininit(const std::string& strIniPath)
{
    try {
        CFile file(strIniPath, CFile::modeRead);
        const DWORD nSize = file.GetLength();
        if (nSize > kMaxWininitSize)
            return std::nullopt;
        std::string strIni(nSize, '\0');
        if (nSize)
            file.ReadWhole(&strIni[0], nSize);
        return strIni;
    } catch (const CFileException& e) {
        return e.m_nOsError == ERROR_FILE_NOT_FOUND ? std::optional<std::string>(std::string()) : std::nullopt;
    }
}

std::string WininitPath()
{
    const std::string strWindowsDir = QueryWindowsDirectory();
    return strWindowsDir.empty() ? std::string() : JoinPath(strWindowsDir, "WININIT.INI");
}

bool WriteWininit(const std::string& strIniPath, const std::string& strText)
{
    try {
        CFile file(strIniPath, CFile::modeWrite | CFile::modeCreate);
        file.Write(strText.data(), static_cast<UINT>(strText.size()));
        file.Flush();
        file.Close();
        return true;
    } catch (...) {
        return false;
    }
}

bool AddToWininit(const std::string& strPath)
{
    const std::string strShort = QueryShortPath(strPath);
    const std::string strIniPath = WininitPath();
    if (strShort.empty() || strIniPath.empty())
        return false;
    const std::optional<std::string> ini = ReadWininit(strIniPath);
    return ini && WriteWininit(strIniPath, AddWininitRename(*ini, "NUL=" + strShort));
}

}  // namespace

bool RemoveAtRestart(const std::string& strPath) noexcept
{
    if (!IsWin9xFamily())
        return MoveFileExA(strPath.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
    return FileExists(strPath) && AddToWininit(strPath);
}

bool CancelWininitRemovals(const std::vector<std::string>& paths)
{
    const std::string strIniPath = WininitPath();
    const std::optional<std::string> ini = strIniPath.empty() ? std::nullopt : ReadWininit(strIniPath);
    if (!ini)
        return false;
    // Ours name short paths; another program may have named a long one.
    std::vector<std::string> forms = paths;
    for (const std::string& strPath : paths) {
        const std::string strShort = QueryShortPath(strPath);
        if (!strShort.empty())
            forms.push_back(strShort);
    }
    const std::string strKept = WithoutWininitDeletionsOf(*ini, forms);
    return strKept == *ini || WriteWininit(strIniPath, strKept);
}
