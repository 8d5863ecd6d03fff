#include "WinApp.h"

#include "DisplayText.h"
#include "FrameworkResource.h"
#include "SystemLibrary.h"
#include "SystemSide.h"

#include <commctrl.h>

namespace {

CWinApp* s_pApp = nullptr;

std::wstring ModuleStem()
{
    const std::wstring strPath = SideGetModuleFileName(nullptr);
    const size_t nSlash = strPath.find_last_of(L"\\/");
    std::wstring strName = nSlash == std::wstring::npos ? strPath : strPath.substr(nSlash + 1);
    const size_t nDot = strName.rfind(L'.');
    if (nDot != std::wstring::npos && nDot > 0)
        strName.erase(nDot);
    return strName;
}

}  // namespace

CWinApp* AfxGetApp()
{
    return s_pApp;
}

CWinApp::CWinApp() : m_hInstance(GetModuleHandleA(nullptr)), m_strAppName(LoadResourceString(IDS_APP_TITLE))
{
    if (m_strAppName.empty())
        m_strAppName = ModuleStem();
    s_pApp = this;
}

CWinApp::~CWinApp()
{
    if (s_pApp == this)
        s_pApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return FALSE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

int CWinApp::Run()
{
    // Nothing to wait for: the window could not be made, or the mode makes none.
    if (!m_pMainWnd)
        return 0;
    MSG msg{};
    while (SideGetMessage(&msg) > 0) {
        TranslateMessage(&msg);
        SideDispatchMessage(&msg);
    }
    return static_cast<int>(msg.wParam);
}

void CWinApp::OnWindowDestroyed(const CWnd* pWnd)
{
    if (pWnd == nullptr || pWnd != m_pMainWnd)
        return;
    m_pMainWnd = nullptr;
    PostQuitMessage(0);
}

BOOL CWinApp::Enable3dControls()
{
    if (!m_comctl32)
        m_comctl32 = LoadCommonControls();
    // InitCommonControlsEx came with comctl32 4.70; before it every class is registered at once.
    using PFNINITCOMMONCONTROLSEX = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    using PFNINITCOMMONCONTROLS = void(WINAPI*)();
    const auto pfnInitEx = GetLibraryProc<PFNINITCOMMONCONTROLSEX>(m_comctl32, "InitCommonControlsEx");
    if (pfnInitEx) {
        INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        return pfnInitEx(&init);
    }
    const auto pfnInit = GetLibraryProc<PFNINITCOMMONCONTROLS>(m_comctl32, "InitCommonControls");
    if (!pfnInit)
        return FALSE;
    pfnInit();
    return TRUE;
}
