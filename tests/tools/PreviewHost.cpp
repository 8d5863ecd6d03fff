// Stands in for the display control panel's preview pane: a window whose client area the
// saver fills as a child. Prints the window's handle, then runs until the window is closed.
//   preview-host WIDTH HEIGHT [unaware]   (the client size; unaware: a window that knows
//                                         nothing of DPI, sized in 96-DPI units)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

LRESULT CALLBACK WindowProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hWnd, nMsg, wParam, lParam);
}

// As a program without DPI awareness would make its window.
void BecomeDpiUnaware()
{
    using PFNSETTHREADDPIAWARENESSCONTEXT = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
    const auto pfnSet = reinterpret_cast<PFNSETTHREADDPIAWARENESSCONTEXT>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext")));
    if (pfnSet)
        pfnSet(DPI_AWARENESS_CONTEXT_UNAWARE);
}

}  // namespace

int main(int argc, char** argv)
{
    const int nWidth = argc > 1 ? atoi(argv[1]) : 152;
    const int nHeight = argc > 2 ? atoi(argv[2]) : 112;
    if (argc > 3 && strcmp(argv[3], "unaware") == 0)
        BecomeDpiUnaware();
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"PreviewHost";
    RegisterClassW(&wc);
    RECT rc = {0, 0, nWidth, nHeight};
    const DWORD dwStyle = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN;
    AdjustWindowRect(&rc, dwStyle, FALSE);
    const HWND hWnd = CreateWindowExW(0, wc.lpszClassName, L"Preview", dwStyle, 100, 100, rc.right - rc.left,
                                      rc.bottom - rc.top, nullptr, nullptr, wc.hInstance, nullptr);
    if (!hWnd)
        return 1;
    printf("%llu\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hWnd)));
    fflush(stdout);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    return 0;
}
