#include "install/MemberWriter.h"

#include "File.h"
#include "FsRedirection.h"
#include "install/ReplacedFiles.h"
#include "install/TempFile.h"
#include "payload/PayloadArchive.h"

namespace {

const unsigned kChunkSize = 1024;

void WriteWhole(CPayloadArchive& archive, const std::string& strPath)
{
    CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
    char buffer[kChunkSize];
    for (unsigned nRead; (nRead = archive.Read(buffer, kChunkSize)) != 0;)
        file.Write(buffer, nRead);
    // On the disk before its name replaces the old file's.
    file.Flush();
    file.Close();
}

int WriteMember(CPayloadArchive& archive, const std::string& strDestination, CReplacedFiles& replaced)
{
    replaced.PrepareFolderOf(strDestination);
    CTempFile temp(strDestination);
    if (temp.Path().empty())
        return 1;
    try {
        WriteWhole(archive, temp.Path());
        if (!archive.IsComplete())
            return 1;
        replaced.Replace(temp, strDestination);
        return 0;
    } catch (const CFileException&) {
        return 1;
    }
}

}  // namespace

int ExtractMember(const void* pImage, uint32_t nSize, const FileEntry& entry, CReplacedFiles& replaced)
{
    CPayloadArchive archive;
    archive.Attach(pImage, nSize);
    if (archive.OpenMember(entry.m_strSource.c_str()) != 0)
        return 1;
    // The file must be where the destination's path leads the desktop that reads it.
    const CFsRedirectionGuard nativeFiles;
    if (!nativeFiles.SeesNativeFiles())
        return 1;
    return WriteMember(archive, entry.m_strDestination, replaced);
}
