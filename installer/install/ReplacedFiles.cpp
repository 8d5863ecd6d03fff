#include "install/ReplacedFiles.h"

#include "File.h"
#include "FsRedirection.h"
#include "ScopedHandle.h"
#include "install/TempFile.h"
#include "rules/TempFileName.h"

#include <algorithm>

namespace {

void RemoveLeftovers(const std::string& strFolder)
{
    WIN32_FIND_DATAA data;
    const std::string strPattern = strFolder + kTempFilePrefix + "*.tmp";
    const HANDLE hFirst = FindFirstFileA(strPattern.c_str(), &data);
    if (hFirst == INVALID_HANDLE_VALUE)
        return;
    const CFindHandle find(hFirst);
    do {
        // The pattern also matches short names and longer names: only our own kind goes.
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsInstallTempName(data.cFileName))
            CFile::Remove(strFolder + data.cFileName);
    } while (FindNextFileA(find.Get(), &data));
}

// For the destructor: a copy that cannot go back stays where it is, named as a leftover.
void PutBack(const std::string& strCopy, const std::string& strFile) noexcept
{
    MoveFileReplacing(strCopy, strFile);
}

}  // namespace

// The copies lie beside files that the install wrote where their paths lead the desktop,
// which under WOW64 is the native system directory: they are moved and removed there too.
CReplacedFiles::~CReplacedFiles()
{
    const CFsRedirectionGuard nativeFiles;
    for (auto it = m_backups.rbegin(); it != m_backups.rend(); ++it)
        PutBack(it->m_strCopy, it->m_strFile);
}

void CReplacedFiles::PrepareFolderOf(const std::string& strDestination)
{
    const std::string strFolder = FolderOf(strDestination);
    if (std::find(m_folders.begin(), m_folders.end(), strFolder) != m_folders.end())
        return;
    RemoveLeftovers(strFolder);
    m_folders.push_back(strFolder);
}

void CReplacedFiles::Replace(CTempFile& written, const std::string& strDestination)
{
    if (!FileExists(strDestination)) {
        CFile::Replace(written.Path(), strDestination);
        written.Forget();
        return;
    }
    CTempFile copy(strDestination);
    if (copy.Path().empty() || !CopyFileA(strDestination.c_str(), copy.Path().c_str(), FALSE))
        throw CFileException(GetLastError(), strDestination);
    // Everything that can throw for want of memory happens before the replacement.
    Backup backup{strDestination, copy.Path()};
    m_backups.reserve(m_backups.size() + 1);
    CFile::Replace(written.Path(), strDestination);
    written.Forget();
    m_backups.push_back(std::move(backup));
    copy.Forget();
}

void CReplacedFiles::Keep()
{
    const CFsRedirectionGuard nativeFiles;
    for (const Backup& backup : m_backups)
        CFile::Remove(backup.m_strCopy);
    m_backups.clear();
}
