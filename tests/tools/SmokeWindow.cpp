// The smallest window program of ours: proves that the harness can start a program on the
// virtual display, find its window and reach it with a key press. A key closes it.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg) {
    case WM_KEYDOWN:
        PostMessageW(hWnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hWnd, nMsg, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = hInstance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"SmokeWindow";
    RegisterClassW(&wc);
    const HWND hWnd = CreateWindowExW(0, wc.lpszClassName, L"Smoke", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 320, 200,
                                      nullptr, nullptr, hInstance, nullptr);
    if (!hWnd)
        return 1;
    SetForegroundWindow(hWnd);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
