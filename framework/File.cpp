#include "File.h"

#include "SystemInfo.h"
#include "WininitRename.h"

#include <vector>

CFile::CFile(const std::string& strFileName, UINT nOpenFlags) : m_strFileName(strFileName)
{
    const DWORD nAccess = (nOpenFlags & modeWrite) ? GENERIC_WRITE : GENERIC_READ;
    const DWORD nCreation = (nOpenFlags & modeCreate) ? CREATE_ALWAYS : OPEN_EXISTING;
    const HANDLE hFile =
        CreateFileA(strFileName.c_str(), nAccess, 0, nullptr, nCreation, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        throw CFileException(GetLastError(), strFileName);
    m_hFile.Reset(hFile);
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

bool MoveFileReplacing(const std::string& strFrom, const std::string& strTo) noexcept
{
    if (!IsWin9xFamily())
        return MoveFileExA(strFrom.c_str(), strTo.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!DeleteFileA(strTo.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND)
        return false;
    return MoveFileA(strFrom.c_str(), strTo.c_str()) != FALSE;
}

namespace {

bool AddToWininit(const std::string& strPath)
{
    char szShort[MAX_PATH];
    const DWORD nShort = GetShortPathNameA(strPath.c_str(), szShort, MAX_PATH);
    char szWindowsDir[MAX_PATH];
    const UINT nWindowsDir = GetWindowsDirectoryA(szWindowsDir, MAX_PATH);
    if (nShort == 0 || nShort >= MAX_PATH || nWindowsDir == 0 || nWindowsDir >= MAX_PATH)
        return false;
    // Only a root folder ("C:\") ends in a backslash; a last byte 0x5C may be a trail byte.
    const std::string strIniPath =
        std::string(szWindowsDir, nWindowsDir) + (nWindowsDir == 3 ? "" : "\\") + "WININIT.INI";

    std::string strIni;
    const HANDLE hRead = CreateFileA(strIniPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hRead != INVALID_HANDLE_VALUE) {
        const CKernelHandle file(hRead);
        const DWORD nSize = GetFileSize(hRead, nullptr);
        if (nSize == INVALID_FILE_SIZE || nSize > (1u << 20))
            return false;
        std::vector<char> bytes(nSize);
        DWORD nRead = 0;
        if (nSize && (!ReadFile(hRead, bytes.data(), nSize, &nRead, nullptr) || nRead != nSize))
            return false;
        strIni.assign(bytes.begin(), bytes.end());
    } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
        return false;
    }
    try {
        const std::string strText = AddWininitRename(strIni, "NUL=" + std::string(szShort, nShort));
        CFile file(strIniPath, CFile::modeWrite | CFile::modeCreate);
        file.Write(strText.data(), static_cast<UINT>(strText.size()));
        file.Flush();
        file.Close();
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace

bool RemoveAtRestart(const std::string& strPath) noexcept
{
    if (!IsWin9xFamily())
        return MoveFileExA(strPath.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != FALSE;
    const DWORD nAttributes = GetFileAttributesA(strPath.c_str());
    return nAttributes != INVALID_FILE_ATTRIBUTES && !(nAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
           AddToWininit(strPath);
}
