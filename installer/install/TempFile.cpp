#include "install/TempFile.h"

#include "File.h"
#include "ShiftJisPath.h"
#include "rules/TempFileName.h"

std::string FolderOf(const std::string& strDestination)
{
    const std::string strFolder = DirectoryOf(strDestination);
    return strFolder.empty() ? ".\\" : strFolder;
}

CTempFile::CTempFile(const std::string& strDestination)
{
    char szTemp[MAX_PATH];
    if (GetTempFileNameA(FolderOf(strDestination).c_str(), kTempFilePrefix, 0, szTemp))
        m_strPath = szTemp;
}

CTempFile::~CTempFile()
{
    if (!m_strPath.empty())
        CFile::Remove(m_strPath);
}
