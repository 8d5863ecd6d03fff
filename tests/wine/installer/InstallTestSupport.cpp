#include "InstallTestSupport.h"

#include "PathQuery.h"
#include "ScopedHandle.h"
#include "WinApp.h"
#include "install/MemberWriter.h"
#include "registration/DesktopUser.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

const DWORD kDeadline = 20000;

CWinApp s_app;

}  // namespace

InstallPlan TestPlan(const CInstallScript& script, const std::optional<std::string>& shellSid)
{
    const RegistrationTarget target =
        shellSid ? ChooseRegistrationTarget(ProcessUserSid(GetCurrentProcess()), *shellSid) : DesktopUserTarget();
    return ResolveInstallPlan(script, QuerySystemDirectory(), target, RegistrationStore::Registry);
}

int CInstallOperationsFake::ExtractFile(const FileEntry& entry, CReplacedFiles& replaced)
{
    ++m_nExtracts;
    if (m_onExtract)
        m_onExtract();
    if (m_hGate && WaitForSingleObject(m_hGate, kDeadline) != WAIT_OBJECT_0)
        return 1;
    return ExtractMember(m_strImage.data(), static_cast<uint32_t>(m_strImage.size()), entry, replaced);
}

int CInstallOperationsFake::RegisterScreenSaver()
{
    ++m_nRegistrations;
    return m_nRegisterResult;
}

HWND WaitForWindow(const std::function<HWND()>& find)
{
    const DWORD nStart = GetTickCount();
    HWND hWnd = nullptr;
    while (!(hWnd = find()) && GetTickCount() - nStart < kDeadline)
        Sleep(20);
    return hWnd;
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
    const HANDLE hFirst = FindFirstFileA((strDir + "*").c_str(), &data);
    if (hFirst == INVALID_HANDLE_VALUE)
        return names;
    const CFindHandle find(hFirst);
    do {
        const std::string strName = data.cFileName;
        if (strName != "." && strName != "..")
            names.push_back(strName);
    } while (FindNextFileA(find.Get(), &data));
    std::sort(names.begin(), names.end());
    return names;
}
