#pragma once

#include <string>
#include <vector>

class CTempFile;

// The files that one install has put new files in place of, each with a copy of what was
// there. Unless the install succeeds, the copies go back in place when this goes. Copies and
// the leftovers of installs that ended half-way carry our temporary files' names.
class CReplacedFiles
{
public:
    CReplacedFiles() = default;
    ~CReplacedFiles();
    CReplacedFiles(const CReplacedFiles&) = delete;
    CReplacedFiles& operator=(const CReplacedFiles&) = delete;

    // Before the install's first write into the destination's folder: removes the temporary
    // files that earlier installs left there.
    void PrepareFolderOf(const std::string& strDestination);

    // Moves the written file over the destination durably, after copying a file that was
    // there. Throws CFileException and then leaves the destination as it was.
    void Replace(CTempFile& written, const std::string& strDestination);

    // The install succeeded: the copies are removed and nothing goes back.
    void Keep();

private:
    struct Backup
    {
        std::string m_strFile;
        std::string m_strCopy;
    };

    std::vector<Backup> m_backups;
    std::vector<std::string> m_folders;
};
