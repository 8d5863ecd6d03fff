// The program entry: every program built on the framework starts here and hands over to its
// one application object.
#include "ExceptionReport.h"
#include "WinApp.h"

namespace {

// Run-time library loads then come from the system directory only, so that a program started
// from a downloads folder cannot be made to load a DLL planted beside it. Bound at run time:
// systems without the call keep their default search.
void RestrictLibrarySearch()
{
    using PFNSETDEFAULTDLLDIRECTORIES = BOOL(WINAPI*)(DWORD);
    const HMODULE hKernel = GetModuleHandleA("kernel32.dll");
    const FARPROC pfn = hKernel ? GetProcAddress(hKernel, "SetDefaultDllDirectories") : nullptr;
    if (pfn)
        reinterpret_cast<PFNSETDEFAULTDLLDIRECTORIES>(reinterpret_cast<void*>(pfn))(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

int RunApp(CWinApp& app)
{
    if (!app.InitInstance())
        return app.ExitInstance();
    return app.Run();
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    RestrictLibrarySearch();
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return 1;
    pApp->m_hInstance = hInstance;
    try {
        return RunApp(*pApp);
    } catch (...) {
        ReportSwallowedException(L"WinMain");
        return 1;
    }
}
