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
//   wndctl record DIR MAX-MS STILL-MS captures the screen over and over, saving each frame that
//                                     differs from the one before as DIR\NNNN.bmp, until the
//                                     screen has changed and then stood still for STILL-MS, or
//                                     MAX-MS have passed; prints the frame count, exit 1 if
//                                     nothing changed. Short phases are seen that a screenshot
//                                     taken per poll would miss.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

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

UINT_PTR Number(const wchar_t* psz)
{
    return static_cast<UINT_PTR>(wcstoull(psz, nullptr, 0));
}

// The screen as it was captured, top-down 32-bit, written in one piece: a frame's save must
// not take the time of the steps it records.
bool SaveBmp(const std::wstring& strPath, const BITMAPINFOHEADER& info, const void* pPixels, size_t nBytes)
{
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + nBytes);
    FILE* pFile = _wfopen(strPath.c_str(), L"wb");
    if (!pFile)
        return false;
    const bool bWritten = fwrite(&file, sizeof file, 1, pFile) == 1 && fwrite(&info, sizeof info, 1, pFile) == 1 &&
                          fwrite(pPixels, 1, nBytes, pFile) == nBytes;
    return fclose(pFile) == 0 && bWritten;
}

int Record(const std::wstring& strDir, DWORD nMaxMs, DWORD nStillMs)
{
    const int cx = GetSystemMetrics(SM_CXSCREEN);
    const int cy = GetSystemMetrics(SM_CYSCREEN);
    BITMAPINFO bmi{};
    bmi.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), cx, -cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    const HDC hScreen = GetDC(nullptr);
    const HDC hMem = CreateCompatibleDC(hScreen);
    void* pBits = nullptr;
    const HBITMAP hDib = CreateDIBSection(hScreen, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (!hDib)
        return 2;
    const HGDIOBJ hOld = SelectObject(hMem, hDib);
    const size_t nPixels = static_cast<size_t>(cx) * cy;
    std::vector<uint32_t> previous;
    const DWORD nStart = GetTickCount();
    DWORD nLastChange = nStart;
    int nFrames = 0;
    bool bChanged = false;
    for (DWORD nNow = nStart; nNow - nStart < nMaxMs; nNow = GetTickCount()) {
        BitBlt(hMem, 0, 0, cx, cy, hScreen, 0, 0, SRCCOPY);
        GdiFlush();
        const uint32_t* pPixels = static_cast<const uint32_t*>(pBits);
        if (!previous.empty() && std::equal(previous.begin(), previous.end(), pPixels)) {
            if (bChanged && nNow - nLastChange >= nStillMs)
                break;
            continue;
        }
        bChanged = !previous.empty();
        nLastChange = nNow;
        previous.assign(pPixels, pPixels + nPixels);
        wchar_t szName[16];
        swprintf(szName, 16, L"\\%04d.bmp", nFrames++);
        if (!SaveBmp(strDir + szName, bmi.bmiHeader, pPixels, nPixels * sizeof(uint32_t)))
            return 2;
    }
    SelectObject(hMem, hOld);
    DeleteObject(hDib);
    DeleteDC(hMem);
    ReleaseDC(nullptr, hScreen);
    printf("%d\n", nFrames);
    return bChanged ? 0 : 1;
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
    if (argc == 5 && wcscmp(argv[1], L"record") == 0)
        return Record(argv[2], static_cast<DWORD>(Number(argv[3])), static_cast<DWORD>(Number(argv[4])));
    fprintf(stderr, "usage: wndctl list | post|send HWND MSG WPARAM LPARAM | rect|info HWND | child PARENT "
                    "CLASS-PREFIX | foreground | record DIR MAX-MS STILL-MS\n");
    return 2;
}
