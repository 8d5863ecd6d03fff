#include "registration/DesktopUser.h"

#include "ComApartment.h"
#include "ComPtr.h"
#include "DisplayText.h"
#include "ScopedHandle.h"
#include "SystemInfo.h"
#include "SystemLibrary.h"

#include <exdisp.h>
#include <sddl.h>
#include <servprov.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

#include <vector>

namespace {

// A VARIANT holding a string (VT_BSTR), a number (VT_I4) or nothing, cleared on every path.
class CVariant
{
public:
    CVariant() { VariantInit(&m_v); }
    explicit CVariant(const std::wstring& strText) : CVariant()
    {
        m_v.vt = VT_BSTR;
        m_v.bstrVal = SysAllocStringLen(strText.data(), static_cast<UINT>(strText.size()));
    }
    explicit CVariant(long nNumber) : CVariant()
    {
        m_v.vt = VT_I4;
        m_v.lVal = nNumber;
    }
    ~CVariant() { VariantClear(&m_v); }
    CVariant(const CVariant&) = delete;
    CVariant& operator=(const CVariant&) = delete;

    VARIANT m_v;
};

// The shell's automation object for the desktop window: ShellWindows finds the desktop's
// view, whose background object leads to the shell application.
bool FindDesktopShellDispatch(CComPtr<IShellDispatch2>& shell)
{
    CComPtr<IShellWindows> windows;
    if (FAILED(CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_IShellWindows,
                                windows.ReceiveVoid())))
        return false;
    CVariant location(static_cast<long>(CSIDL_DESKTOP));
    CVariant empty;
    long nWindow = 0;
    CComPtr<IDispatch> desktop;
    if (windows->FindWindowSW(&location.m_v, &empty.m_v, SWC_DESKTOP, &nWindow, SWFO_NEEDDISPATCH, desktop.Receive()) !=
            S_OK ||
        !desktop)
        return false;
    CComPtr<IServiceProvider> services;
    CComPtr<IShellBrowser> browser;
    CComPtr<IShellView> view;
    CComPtr<IDispatch> background;
    CComPtr<IShellFolderViewDual> folderView;
    CComPtr<IDispatch> application;
    return SUCCEEDED(desktop->QueryInterface(IID_IServiceProvider, services.ReceiveVoid())) &&
           SUCCEEDED(services->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, browser.ReceiveVoid())) &&
           SUCCEEDED(browser->QueryActiveShellView(view.Receive())) &&
           SUCCEEDED(view->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, background.ReceiveVoid())) &&
           SUCCEEDED(background->QueryInterface(IID_IShellFolderViewDual, folderView.ReceiveVoid())) &&
           SUCCEEDED(folderView->get_Application(application.Receive())) &&
           SUCCEEDED(application->QueryInterface(IID_IShellDispatch2, shell.ReceiveVoid()));
}

}  // namespace

std::string ProcessUserSid(HANDLE hProcess)
{
    HANDLE hToken = nullptr;
    if (!OpenProcessToken(hProcess, TOKEN_QUERY, &hToken))
        return std::string();
    const CKernelHandle token(hToken);
    DWORD nSize = 0;
    GetTokenInformation(token.Get(), TokenUser, nullptr, 0, &nSize);
    if (nSize == 0)
        return std::string();
    std::vector<BYTE> buffer(nSize);
    if (!GetTokenInformation(token.Get(), TokenUser, buffer.data(), nSize, &nSize))
        return std::string();
    // Without the conversion (before Windows 2000) no other account can own the desktop either:
    // no SID, and the installer registers for its own account.
    using PFNCONVERTSIDTOSTRINGSIDA = BOOL(WINAPI*)(PSID, LPSTR*);
    const auto pfnConvert = GetLinkedProc<PFNCONVERTSIDTOSTRINGSIDA>("advapi32.dll", "ConvertSidToStringSidA");
    char* pszSid = nullptr;
    if (!pfnConvert || !pfnConvert(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &pszSid))
        return std::string();
    const CLocalMemory sid(pszSid);
    return pszSid;
}

std::string ShellUserSid()
{
    using PFNGETSHELLWINDOW = HWND(WINAPI*)();
    const auto pfnGetShellWindow = GetLinkedProc<PFNGETSHELLWINDOW>("user32.dll", "GetShellWindow");
    const HWND hShell = pfnGetShellWindow ? pfnGetShellWindow() : nullptr;
    DWORD nProcessId = 0;
    if (!hShell || !GetWindowThreadProcessId(hShell, &nProcessId) || nProcessId == 0)
        return std::string();
    // XP and Server 2003 refuse the limited right, which came with Vista.
    HANDLE hProcess = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, nProcessId);
    if (!hProcess)
        hProcess = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, nProcessId);
    const CKernelHandle process(hProcess);
    return process ? ProcessUserSid(process.Get()) : std::string();
}

RegistrationTarget DesktopUserTarget()
{
    // No accounts on the 9x family: the one user is the installer's.
    if (IsWin9xFamily())
        return RegistrationTarget();
    return ChooseRegistrationTarget(ProcessUserSid(GetCurrentProcess()), ShellUserSid());
}

bool LaunchThroughDesktopShell(const ExecCommand& command)
{
    const CComApartment com;
    CComPtr<IShellDispatch2> shell;
    if (!FindDesktopShellDispatch(shell))
        return false;
    const std::wstring strProgram = WideFromProductText(command.m_strProgram);
    BSTR bstrProgram = SysAllocStringLen(strProgram.data(), static_cast<UINT>(strProgram.size()));
    CVariant parameters(WideFromProductText(command.m_strParameters));
    CVariant directory;
    CVariant verb(std::wstring(L"open"));
    CVariant show(static_cast<long>(SW_SHOWNA));
    const HRESULT hr = shell->ShellExecute(bstrProgram, parameters.m_v, directory.m_v, verb.m_v, show.m_v);
    SysFreeString(bstrProgram);
    return SUCCEEDED(hr);
}
