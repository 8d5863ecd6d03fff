#include "TestInstallerApp.h"

#include <fstream>
#include <iterator>

namespace {

CTestInstallerApp s_app;

}  // namespace

CTestInstallerApp& TestApp()
{
    return s_app;
}

int CTestInstallerApp::ExtractFile(const FileEntry& entry)
{
    if (m_hGate)
        WaitForSingleObject(m_hGate, INFINITE);
    return ExtractMember(m_strImage.data(), static_cast<uint32_t>(m_strImage.size()), entry);
}

std::string CTestInstallerApp::ShellUserSid() const
{
    return m_shellSid ? *m_shellSid : CInstallerApp::ShellUserSid();
}

void CTestInstallerApp::Reset()
{
    m_script = CInstallScript();
    m_strImage.clear();
    m_hGate = nullptr;
    m_shellSid.reset();
}

std::string ScratchDir(const std::string& strName)
{
    CreateDirectoryA("C:\\scratch", nullptr);
    const std::string strDir = "C:\\scratch\\" + strName;
    CreateDirectoryA(strDir.c_str(), nullptr);
    return strDir + "\\";
}

std::string ReadWholeFile(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& strPath, const std::string& strData)
{
    std::ofstream(strPath, std::ios::binary) << strData;
}

bool PathExists(const std::string& strPath)
{
    return GetFileAttributesA(strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> FolderEntries(const std::string& strDir)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    const HANDLE hFind = FindFirstFileA((strDir + "*").c_str(), &data);
    if (hFind == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string strName = data.cFileName;
        if (strName != "." && strName != "..")
            names.push_back(strName);
    } while (FindNextFileA(hFind, &data));
    FindClose(hFind);
    return names;
}
