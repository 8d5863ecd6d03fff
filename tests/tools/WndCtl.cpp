// Test helper run under the same wineserver as the program under test: lists windows with
// their texts (UTF-8, so Japanese survives any locale) and sends or posts messages to them.
//   wndctl list                       hwnd, pid, class, visible, title of each top-level window,
//                                     then "  child" lines: id, class, text
//   wndctl post HWND MSG WPARAM LPARAM
//   wndctl send HWND MSG WPARAM LPARAM   prints the result
//   wndctl rect HWND                  window rectangle and client size
//   wndctl info HWND                  owner, enabled, visible, class
//   wndctl child PARENT CLASS-PREFIX  the first child window whose class starts so
//   wndctl foreground                 the foreground window
//   wndctl picture DIALOG             the dialog's bitmap control: x, y, width, height in
//                                     the client area, the client size, x, y on the screen
//   wndctl monitors                   each monitor's rectangle, then the virtual screen's
//   wndctl hold SECONDS               stays for that long: keeps Wine's own processes up
//   wndctl string FILE ID             string resource ID of program FILE, as the boxes show it
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::string ToUtf8(const std::wstring& text)
{
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0], n, nullptr, nullptr);
    return out;
}

std::string TextOf(HWND hWnd)
{
    wchar_t sz[1024] = L"";
    // WM_GETTEXT rather than GetWindowTextW: it also reads controls of other processes.
    SendMessageTimeoutW(hWnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(sz), SMTO_ABORTIFHUNG, 2000, nullptr);
    std::string text = ToUtf8(sz);
    for (char& c : text)
        if (c == '\n' || c == '\r' || c == '\t')
            c = ' ';
    return text;
}

std::string ClassOf(HWND hWnd)
{
    wchar_t sz[256] = L"";
    GetClassNameW(hWnd, sz, 256);
    return ToUtf8(sz);
}

BOOL CALLBACK PrintChild(HWND hWnd, LPARAM)
{
    printf("  %d\t%s\t%d\t%s\n", GetDlgCtrlID(hWnd), ClassOf(hWnd).c_str(), IsWindowEnabled(hWnd) ? 1 : 0,
           TextOf(hWnd).c_str());
    return TRUE;
}

BOOL CALLBACK PrintTop(HWND hWnd, LPARAM)
{
    DWORD nPid = 0;
    GetWindowThreadProcessId(hWnd, &nPid);
    printf("%llu\t%lu\t%s\t%d\t%s\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hWnd)), nPid,
           ClassOf(hWnd).c_str(), IsWindowVisible(hWnd) ? 1 : 0, TextOf(hWnd).c_str());
    if (IsWindowVisible(hWnd))
        EnumChildWindows(hWnd, PrintChild, 0);
    return TRUE;
}

HWND FindBitmapControl(HWND hDlg)
{
    for (HWND hChild = GetWindow(hDlg, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT))
        if (ClassOf(hChild) == "Static" && (GetWindowLongW(hChild, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
            return hChild;
    return nullptr;
}

UINT_PTR Number(const wchar_t* psz)
{
    return static_cast<UINT_PTR>(wcstoull(psz, nullptr, 0));
}

BOOL CALLBACK PrintMonitor(HMONITOR, HDC, LPRECT pRect, LPARAM)
{
    printf("%ld %ld %ld %ld\n", pRect->left, pRect->top, pRect->right, pRect->bottom);
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc >= 2 && wcscmp(argv[1], L"list") == 0) {
        EnumWindows(PrintTop, 0);
        return 0;
    }
    if (argc == 6 && (wcscmp(argv[1], L"post") == 0 || wcscmp(argv[1], L"send") == 0)) {
        const HWND hWnd = reinterpret_cast<HWND>(Number(argv[2]));
        const UINT nMsg = static_cast<UINT>(Number(argv[3]));
        const WPARAM wParam = Number(argv[4]);
        const LPARAM lParam = static_cast<LPARAM>(Number(argv[5]));
        if (argv[1][0] == L'p')
            return PostMessageW(hWnd, nMsg, wParam, lParam) ? 0 : 1;
        DWORD_PTR nResult = 0;
        if (!SendMessageTimeoutW(hWnd, nMsg, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &nResult))
            return 1;
        printf("%llu\n", static_cast<unsigned long long>(nResult));
        return 0;
    }
    if (argc == 3 && wcscmp(argv[1], L"rect") == 0) {
        const HWND hWnd = reinterpret_cast<HWND>(Number(argv[2]));
        RECT rc, rcClient;
        if (!GetWindowRect(hWnd, &rc) || !GetClientRect(hWnd, &rcClient))
            return 1;
        printf("%ld %ld %ld %ld %ld %ld\n", rc.left, rc.top, rc.right, rc.bottom, rcClient.right, rcClient.bottom);
        return 0;
    }
    if (argc == 2 && wcscmp(argv[1], L"foreground") == 0) {
        printf("%llu\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(GetForegroundWindow())));
        return 0;
    }
    if (argc == 3 && wcscmp(argv[1], L"info") == 0) {
        const HWND hWnd = reinterpret_cast<HWND>(Number(argv[2]));
        if (!IsWindow(hWnd))
            return 1;
        printf("%llu\t%d\t%d\t%s\n",
               static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(GetWindow(hWnd, GW_OWNER))),
               IsWindowEnabled(hWnd) ? 1 : 0, IsWindowVisible(hWnd) ? 1 : 0, ClassOf(hWnd).c_str());
        return 0;
    }
    if (argc == 4 && wcscmp(argv[1], L"child") == 0) {
        const HWND hParent = reinterpret_cast<HWND>(Number(argv[2]));
        const std::string strPrefix = ToUtf8(argv[3]);
        for (HWND hChild = GetWindow(hParent, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
            if (ClassOf(hChild).compare(0, strPrefix.size(), strPrefix) == 0) {
                printf("%llu\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hChild)));
                return 0;
            }
        }
        return 1;
    }
    if (argc == 3 && wcscmp(argv[1], L"picture") == 0) {
        const HWND hDlg = reinterpret_cast<HWND>(Number(argv[2]));
        const HWND hPicture = FindBitmapControl(hDlg);
        RECT rcScreen, rc, rcClient;
        if (!hPicture || !GetWindowRect(hPicture, &rcScreen) || !GetClientRect(hDlg, &rcClient))
            return 1;
        rc = rcScreen;
        MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
        printf("%ld %ld %ld %ld %ld %ld %ld %ld\n", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
               rcClient.right, rcClient.bottom, rcScreen.left, rcScreen.top);
        return 0;
    }
    if (argc == 2 && wcscmp(argv[1], L"monitors") == 0) {
        EnumDisplayMonitors(nullptr, nullptr, PrintMonitor, 0);
        const int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
        printf("%d %d %d %d\n", x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN),
               y + GetSystemMetrics(SM_CYVIRTUALSCREEN));
        return 0;
    }
    if (argc == 4 && wcscmp(argv[1], L"string") == 0) {
        const HMODULE hModule = LoadLibraryExW(argv[2], nullptr, LOAD_LIBRARY_AS_DATAFILE);
        wchar_t sz[1024] = L"";
        if (!hModule || LoadStringW(hModule, static_cast<UINT>(Number(argv[3])), sz, 1024) == 0)
            return 1;
        printf("%s\n", ToUtf8(sz).c_str());
        return 0;
    }
    if (argc == 3 && wcscmp(argv[1], L"hold") == 0) {
        Sleep(static_cast<DWORD>(Number(argv[2])) * 1000);
        return 0;
    }
    fprintf(stderr, "usage: wndctl list | post|send HWND MSG WPARAM LPARAM | rect|info HWND | child PARENT "
                    "CLASS-PREFIX | foreground | picture DIALOG | monitors | hold SECONDS | string FILE ID\n");
    return 2;
}
