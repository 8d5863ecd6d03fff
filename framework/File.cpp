#include "File.h"

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
    if (!MoveFileExA(strFrom.c_str(), strTo.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        throw CFileException(GetLastError(), strTo);
}

void CFile::Remove(const std::string& strFileName) noexcept
{
    DeleteFileA(strFileName.c_str());
}
