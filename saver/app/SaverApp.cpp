#include "SaverApp.h"

#include "CommandLine.h"
#include "Dpi.h"
#include "PasswordChange.h"
#include "RunSeed.h"
#include "SaverDlg.h"
#include "SaverPlatform.h"
#include "SlideShowWnd.h"

#include <cstdlib>

namespace {

const DWORD kFullScreenExStyle = WS_EX_TOPMOST;
const DWORD kFullScreenStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
const DWORD kPreviewStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
const DWORD kWindowedStyle = WS_VISIBLE | WS_OVERLAPPEDWINDOW;

std::wstring SaverWindowClass()
{
    // No cursor (the saver hides it), no brush (the show paints everything), no double clicks.
    return AfxRegisterWndClass(0);
}

// The number is a 32-bit handle sign-extended (see ParseWindowNumber): INT_PTR holds it whole
// on either width, and the platform widens handles the same way.
static_assert(sizeof(INT_PTR) == sizeof(HWND) && sizeof(INT_PTR) >= sizeof(int32_t), "handle width");

HWND WindowFromNumber(int64_t nWindow)
{
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(nWindow));
}

// Once a run, on the thread that draws every random number of the show (the C library keeps
// one sequence a thread): a shuffled show then starts somewhere else each time.
void SeedShow()
{
    RunStart start;
    LARGE_INTEGER nCounter{};
    start.m_bCounter = ::QueryPerformanceCounter(&nCounter) != FALSE;
    start.m_nCounter = static_cast<uint64_t>(nCounter.QuadPart);
    start.m_nTicks = ::GetTickCount();
    start.m_nProcessId = ::GetCurrentProcessId();
    std::srand(MixRunSeed(start));
}

}  // namespace

CSaverApp theApp;

BOOL CSaverApp::InitInstance()
{
    // Only the dialogs have common controls: the show and its preview do without comctl32.
    const SaverCommand command = ParseCommandLine(GetCommandLineA());
    SeedShow();
    switch (command.m_nMode) {
    case MODE_CONFIG_UNOWNED:
        Enable3dControls();
        DoConfig(nullptr);
        return FALSE;
    case MODE_CONFIG:
        Enable3dControls();
        DoConfig(GetForegroundWindow());
        return FALSE;
    case MODE_SAVER:
        DoSaver(WindowFromNumber(command.m_nWindow));
        return TRUE;
    case MODE_WINDOWED:
        DoWindowed();
        return TRUE;
    case MODE_CHANGE_PASSWORD:
        Enable3dControls();
        DoChangePassword(WindowFromNumber(command.m_nWindow));
        return FALSE;
    case MODE_NONE:
        break;
    }
    return TRUE;
}

int CSaverApp::Run()
{
    const int nCode = CWinApp::Run();
    // The show's worker may still be decoding a picture its window let go of: the process ends
    // here, without waiting for it and before any static object is destroyed under it.
    ::ExitProcess(static_cast<UINT>(nCode));
}

BOOL CSaverApp::DoSaver(HWND hParent)
{
    CSlideShowWnd* pWnd = new CSlideShowWnd;
    m_pMainWnd = pWnd;
    // Full screen is every monitor: the virtual screen, whose origin may be negative.
    RECT rect = CSaverPlatform::System().VirtualScreen();
    // A number that names no window fails the creation below, and the program ends at once.
    if (hParent) {
        // In the parent's DPI awareness, so that a host of another awareness keeps its preview.
        const CThreadDpiAwareness awareness(hParent);
        ::GetClientRect(hParent, &rect);
        return pWnd->CreateEx(0, SaverWindowClass(), nullptr, kPreviewStyle, rect, hParent, 0);
    }
    return pWnd->CreateEx(kFullScreenExStyle, SaverWindowClass(), nullptr, kFullScreenStyle, rect, nullptr, 0);
}

BOOL CSaverApp::DoWindowed()
{
    CSlideShowWnd* pWnd = new CSlideShowWnd;
    m_pMainWnd = pWnd;
    pWnd->SetPreviewMode();
    return pWnd->CreateEx(0, SaverWindowClass(), L"ScreenSaver", kWindowedStyle, RECT{0, 0, 800, 600}, nullptr, 0);
}

void CSaverApp::DoConfig(HWND hOwner)
{
    CWnd owner(hOwner);
    CSaverDlg dlg(hOwner ? &owner : nullptr);
    dlg.DoModal();
}

void CSaverApp::DoChangePassword(HWND hWnd)
{
    ChangePassword(hWnd);
}
