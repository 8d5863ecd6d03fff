#pragma once

#include "ScopedHandle.h"

#include <windows.h>

#include <string>
#include <vector>

// A file operation that failed: the platform's error code and the file's name.
class CFileException
{
public:
    CFileException(DWORD nOsError, std::string strFileName)
        : m_nOsError(nOsError)
        , m_strFileName(std::move(strFileName))
    {
    }

    DWORD m_nOsError;
    std::string m_strFileName;
};

// A file opened by byte-string path (the *A calls, so script paths reach the platform as they
// are written). Every failure throws CFileException; the destructor closes quietly.
class CFile
{
public:
    enum OpenFlags : UINT
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeCreate = 0x1000,
    };

    // Opened for reading, shared with other readers, or for writing only, shared with no other
    // opener; modeCreate creates the file or truncates it, otherwise it must exist.
    CFile(const std::string& strFileName, UINT nOpenFlags);

    DWORD GetLength() const;
    // Fills the buffer whole, or throws.
    void ReadWhole(void* pBuffer, UINT nCount);
    void Write(const void* pBuffer, UINT nCount);
    // Returns once what was written is on the disk.
    void Flush();
    void Close();

    // Puts strFrom in place of strTo, replacing a file that is there; returns once the new
    // name is on the disk.
    static void Replace(const std::string& strFrom, const std::string& strTo);
    // Deletes the file; for clean-up paths, so it reports nothing.
    static void Remove(const std::string& strFileName) noexcept;

private:
    CKernelHandle m_hFile;
    std::string m_strFileName;
};

// Whether strPath names a file (not a folder) that is there.
bool FileExists(const std::string& strPath);

// Moves strFrom to strTo, replacing a file there. The 9x family has no MoveFileEx: there the
// old file is deleted first, so a caller that must be able to go back keeps a copy of it.
bool MoveFileReplacing(const std::string& strFrom, const std::string& strTo) noexcept;

// Leaves the file, or on the NT family an empty folder, to be deleted at the next restart:
// MoveFileEx there, a NUL= line in WININIT.INI's [rename] (short names) on the 9x family,
// where a folder cannot be left so and stays.
bool RemoveAtRestart(const std::string& strPath) noexcept;

// Takes back the WININIT.INI deletions of these paths (in their long or short form) that
// RemoveAtRestart left on the 9x family; false when the file could not be read or rewritten.
bool CancelWininitRemovals(const std::vector<std::string>& paths);
