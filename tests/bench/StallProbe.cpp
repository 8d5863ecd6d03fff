// Measures how long a window keeps its caller waiting: waits up to 40 s for a visible top-level
// window whose class starts with the prefix, then for the given time sends it WM_NULL every
// 2 ms and prints the longest wait in ms, the number of messages sent and when (s from the
// first message) the longest wait began. Exit 1 when the window never came.
//   stall-probe CLASS-PREFIX SECONDS
#include "BenchSupport.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Search
{
    std::wstring m_strPrefix;
    HWND m_hWnd = nullptr;
};

BOOL CALLBACK MatchWindow(HWND hWnd, LPARAM lParam)
{
    Search& search = *reinterpret_cast<Search*>(lParam);
    wchar_t szClass[256] = L"";
    GetClassNameW(hWnd, szClass, 256);
    if (IsWindowVisible(hWnd) && std::wstring(szClass).compare(0, search.m_strPrefix.size(), search.m_strPrefix) == 0) {
        search.m_hWnd = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForWindow(const std::wstring& strPrefix, double dSeconds)
{
    const double dDeadline = Seconds() + dSeconds;
    Search search{strPrefix};
    while (EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search)), search.m_hWnd == nullptr) {
        if (Seconds() > dDeadline)
            return nullptr;
        Sleep(10);
    }
    return search.m_hWnd;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3)
        return 2;
    const HWND hWnd = WaitForWindow(argv[1], 40);
    if (hWnd == nullptr)
        return 1;
    const double dFirst = Seconds();
    const double dEnd = dFirst + _wtof(argv[2]);
    double dLongest = 0, dLongestAt = 0;
    long nSent = 0;
    while (Seconds() < dEnd && IsWindow(hWnd)) {
        const double dStart = Seconds();
        DWORD_PTR nResult = 0;
        SendMessageTimeoutW(hWnd, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &nResult);
        const double dWaited = 1000 * (Seconds() - dStart);
        if (dWaited > dLongest)
            dLongest = dWaited, dLongestAt = dStart - dFirst;
        ++nSent;
        Sleep(2);
    }
    std::printf("%.1f %ld %.1f\n", dLongest, nSent, dLongestAt);
    return 0;
}
