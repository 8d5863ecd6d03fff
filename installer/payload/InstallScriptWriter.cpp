// Apart from the reader: the maker writes scripts, the installer only reads them.
#include "payload/InstallScript.h"

namespace {

bool IsOneLine(const std::string& str)
{
    return str.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

}  // namespace

bool CInstallScript::Write(std::string& strText) const
{
    if (!IsOneLine(m_strDisplayName) || !IsOneLine(m_strExecFile) || !IsOneLine(m_strScreenSaver))
        return false;
    strText = "[CONFIG]\r\nDISPLAYNAME=" + m_strDisplayName + "\r\nEXECFILE=" + m_strExecFile +
              "\r\nSCRNSAVE.EXE=" + m_strScreenSaver + "\r\n\r\n[FILES]\r\n";
    for (const FileEntry& entry : m_files) {
        const std::string& strSource = entry.m_strSource;
        if (!IsOneLine(strSource) || !IsOneLine(entry.m_strDestination) || strSource.find(',') != std::string::npos ||
            (!strSource.empty() && strSource[0] == '['))
            return false;
        strText += strSource + "," + entry.m_strDestination + "\r\n";
    }
    return true;
}
