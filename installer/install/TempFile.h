#pragma once

#include <string>

// A new, empty file that the platform names with our prefix in a destination's folder. It is
// removed on every path, unless it has been moved into place and forgotten.
class CTempFile
{
public:
    // Path() is empty when no file could be made there.
    explicit CTempFile(const std::string& strDestination);
    ~CTempFile();
    CTempFile(const CTempFile&) = delete;
    CTempFile& operator=(const CTempFile&) = delete;

    const std::string& Path() const { return m_strPath; }

    // The file now lives under another name: nothing to remove.
    void Forget() { m_strPath.clear(); }

private:
    std::string m_strPath;
};

// The folder that holds the destination, as the platform's file calls take it.
std::string FolderOf(const std::string& strDestination);
