#include "SystemSide.h"

#include "PathQuery.h"
#include "SystemInfo.h"

#include <vector>

#if !defined(_WIN64) || defined(ORVANTA_ANSI_SIDE)
bool UsesAnsiCalls()
{
    // No guarded static: threads that race here all store the same answer.
    static volatile LONG s_nSide = 0;
    if (s_nSide == 0)
        s_nSide = IsWin9xFamily() ? 1 : 2;
    return s_nSide == 1;
}
#endif

std::string AnsiFromWide(const std::wstring& strText)
{
    const int nText = static_cast<int>(strText.size());
    const int nAnsi =
        nText ? WideCharToMultiByte(CP_ACP, 0, strText.data(), nText, nullptr, 0, nullptr, nullptr) : 0;
    if (nAnsi <= 0)
        return std::string();
    std::string strAnsi(static_cast<size_t>(nAnsi), '\0');
    WideCharToMultiByte(CP_ACP, 0, strText.data(), nText, &strAnsi[0], nAnsi, nullptr, nullptr);
    return strAnsi;
}

std::wstring WideFromAnsi(const std::string& strText)
{
    const int nText = static_cast<int>(strText.size());
    const int nWide = nText ? MultiByteToWideChar(CP_ACP, 0, strText.data(), nText, nullptr, 0) : 0;
    if (nWide <= 0)
        return std::wstring();
    std::wstring strWide(static_cast<size_t>(nWide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, strText.data(), nText, &strWide[0], nWide);
    return strWide;
}

namespace {

// A null text stays null.
struct CAnsiText
{
    explicit CAnsiText(const wchar_t* pszText) : m_bNull(pszText == nullptr), m_str(pszText ? AnsiFromWide(pszText) : "")
    {
    }
    const char* Get() const { return m_bNull ? nullptr : m_str.c_str(); }
    bool m_bNull;
    std::string m_str;
};

}  // namespace

ATOM SideRegisterClass(const WNDCLASSW& wc)
{
    if (!UsesAnsiCalls())
        return RegisterClassW(&wc);
    const CAnsiText menuName(IS_INTRESOURCE(wc.lpszMenuName) ? nullptr : wc.lpszMenuName);
    const CAnsiText className(wc.lpszClassName);
    WNDCLASSA wca{wc.style, wc.lpfnWndProc, wc.cbClsExtra, wc.cbWndExtra, wc.hInstance, wc.hIcon, wc.hCursor,
                  wc.hbrBackground, IS_INTRESOURCE(wc.lpszMenuName) ? reinterpret_cast<LPCSTR>(wc.lpszMenuName)
                                                                    : menuName.Get(),
                  className.Get()};
    return RegisterClassA(&wca);
}

bool SideIsClassRegistered(HINSTANCE hInstance, const wchar_t* pszClassName)
{
    if (!UsesAnsiCalls()) {
        WNDCLASSW wc{};
        return GetClassInfoW(hInstance, pszClassName, &wc) != FALSE;
    }
    WNDCLASSA wc{};
    return GetClassInfoA(hInstance, CAnsiText(pszClassName).Get(), &wc) != FALSE;
}

HWND SideCreateWindowEx(DWORD dwExStyle, const wchar_t* pszClassName, const wchar_t* pszWindowName, DWORD dwStyle,
                        const RECT& rect, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, void* pParam)
{
    const int cx = rect.right - rect.left;
    const int cy = rect.bottom - rect.top;
    if (!UsesAnsiCalls())
        return CreateWindowExW(dwExStyle, pszClassName, pszWindowName, dwStyle, rect.left, rect.top, cx, cy,
                               hWndParent, hMenu, hInstance, pParam);
    return CreateWindowExA(dwExStyle, CAnsiText(pszClassName).Get(), CAnsiText(pszWindowName).Get(), dwStyle,
                           rect.left, rect.top, cx, cy, hWndParent, hMenu, hInstance, pParam);
}

INT_PTR SideDialogBoxParam(HINSTANCE hInstance, UINT nIdTemplate, HWND hOwner, DLGPROC pfnProc, LPARAM lParam)
{
    // DialogBoxParamA converts the template's texts through the ANSI code page itself.
    return UsesAnsiCalls()
               ? DialogBoxParamA(hInstance, MAKEINTRESOURCEA(nIdTemplate), hOwner, pfnProc, lParam)
               : DialogBoxParamW(hInstance, MAKEINTRESOURCEW(nIdTemplate), hOwner, pfnProc, lParam);
}

LRESULT SideDefWindowProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return UsesAnsiCalls() ? DefWindowProcA(hWnd, nMsg, wParam, lParam) : DefWindowProcW(hWnd, nMsg, wParam, lParam);
}

LRESULT SideCallWindowProc(WNDPROC pfnProc, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return UsesAnsiCalls() ? CallWindowProcA(pfnProc, hWnd, nMsg, wParam, lParam)
                           : CallWindowProcW(pfnProc, hWnd, nMsg, wParam, lParam);
}

LONG_PTR SideGetWindowLongPtr(HWND hWnd, int nIndex)
{
    return UsesAnsiCalls() ? GetWindowLongPtrA(hWnd, nIndex) : GetWindowLongPtrW(hWnd, nIndex);
}

LONG_PTR SideSetWindowLongPtr(HWND hWnd, int nIndex, LONG_PTR nValue)
{
    return UsesAnsiCalls() ? SetWindowLongPtrA(hWnd, nIndex, nValue) : SetWindowLongPtrW(hWnd, nIndex, nValue);
}

// Property names are ASCII: converting them is not needed, only choosing the side.
BOOL SideSetProp(HWND hWnd, const char* pszName, HANDLE hData)
{
    return UsesAnsiCalls() ? SetPropA(hWnd, pszName, hData) : SetPropW(hWnd, WideFromAnsi(pszName).c_str(), hData);
}

HANDLE SideGetProp(HWND hWnd, const char* pszName)
{
    return UsesAnsiCalls() ? GetPropA(hWnd, pszName) : GetPropW(hWnd, WideFromAnsi(pszName).c_str());
}

HANDLE SideRemoveProp(HWND hWnd, const char* pszName)
{
    return UsesAnsiCalls() ? RemovePropA(hWnd, pszName) : RemovePropW(hWnd, WideFromAnsi(pszName).c_str());
}

std::wstring SideGetClassName(HWND hWnd)
{
    if (!UsesAnsiCalls()) {
        wchar_t szClass[256] = L"";
        const int nLength = GetClassNameW(hWnd, szClass, 256);
        return std::wstring(szClass, nLength > 0 ? static_cast<size_t>(nLength) : 0);
    }
    char szClass[256] = "";
    const int nLength = GetClassNameA(hWnd, szClass, 256);
    return WideFromAnsi(std::string(szClass, nLength > 0 ? static_cast<size_t>(nLength) : 0));
}

BOOL SideGetMessage(MSG* pMsg)
{
    return UsesAnsiCalls() ? GetMessageA(pMsg, nullptr, 0, 0) : GetMessageW(pMsg, nullptr, 0, 0);
}

LRESULT SideDispatchMessage(const MSG* pMsg)
{
    return UsesAnsiCalls() ? DispatchMessageA(pMsg) : DispatchMessageW(pMsg);
}

BOOL SidePeekMessage(MSG* pMsg, HWND hWnd, UINT nFirst, UINT nLast, UINT nRemove)
{
    return UsesAnsiCalls() ? PeekMessageA(pMsg, hWnd, nFirst, nLast, nRemove)
                           : PeekMessageW(pMsg, hWnd, nFirst, nLast, nRemove);
}

BOOL SidePostMessage(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return UsesAnsiCalls() ? PostMessageA(hWnd, nMsg, wParam, lParam) : PostMessageW(hWnd, nMsg, wParam, lParam);
}

LRESULT SideSendMessage(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return UsesAnsiCalls() ? SendMessageA(hWnd, nMsg, wParam, lParam) : SendMessageW(hWnd, nMsg, wParam, lParam);
}

BOOL SideSetWindowText(HWND hWnd, const std::wstring& strText)
{
    return UsesAnsiCalls() ? SetWindowTextA(hWnd, AnsiFromWide(strText).c_str()) : SetWindowTextW(hWnd, strText.c_str());
}

std::wstring SideLoadString(HINSTANCE hInstance, UINT nId)
{
    if (!UsesAnsiCalls()) {
        // With a zero buffer size LoadStringW hands out the resource's own read-only text.
        const wchar_t* pszText = nullptr;
        const int nLength = LoadStringW(hInstance, nId, reinterpret_cast<LPWSTR>(&pszText), 0);
        return nLength > 0 && pszText ? std::wstring(pszText, static_cast<size_t>(nLength)) : std::wstring();
    }
    // A string resource holds at most 65535 UTF-16 units, two bytes each at most once converted.
    std::vector<char> text(2 * 65536);
    const int nLength = LoadStringA(hInstance, nId, text.data(), static_cast<int>(text.size()));
    return nLength > 0 ? WideFromAnsi(std::string(text.data(), static_cast<size_t>(nLength))) : std::wstring();
}

HANDLE SideLoadImage(HINSTANCE hInstance, UINT nId, UINT nType, int cx, int cy, UINT nFlags)
{
    return UsesAnsiCalls() ? LoadImageA(hInstance, MAKEINTRESOURCEA(nId), nType, cx, cy, nFlags)
                           : LoadImageW(hInstance, MAKEINTRESOURCEW(nId), nType, cx, cy, nFlags);
}

HICON SideLoadIcon(HINSTANCE hInstance, UINT nId)
{
    return UsesAnsiCalls() ? LoadIconA(hInstance, MAKEINTRESOURCEA(nId)) : LoadIconW(hInstance, MAKEINTRESOURCEW(nId));
}

BOOL SideAppendMenu(HMENU hMenu, UINT nFlags, UINT_PTR nIdNewItem, const std::wstring& strNewItem)
{
    if (!UsesAnsiCalls())
        return AppendMenuW(hMenu, nFlags, nIdNewItem, strNewItem.empty() ? nullptr : strNewItem.c_str());
    const std::string strAnsi = AnsiFromWide(strNewItem);
    return AppendMenuA(hMenu, nFlags, nIdNewItem, strAnsi.empty() ? nullptr : strAnsi.c_str());
}

BOOL SideSystemParametersInfo(UINT nAction, UINT nParam, void* pParam, UINT nWinIni)
{
    return UsesAnsiCalls() ? SystemParametersInfoA(nAction, nParam, pParam, nWinIni)
                           : SystemParametersInfoW(nAction, nParam, pParam, nWinIni);
}

std::wstring SideGetModuleFileName(HMODULE hModule)
{
    if (UsesAnsiCalls())
        return WideFromAnsi(QueryModulePath(hModule));
    return QueryPath<wchar_t>([=](wchar_t* psz, DWORD n) { return GetModuleFileNameW(hModule, psz, n); });
}

void SideOutputDebugString(const std::wstring& strText)
{
    if (UsesAnsiCalls())
        OutputDebugStringA(AnsiFromWide(strText).c_str());
    else
        OutputDebugStringW(strText.c_str());
}

LONG SideRegSetString(HKEY hKey, const wchar_t* pszName, const std::wstring& strValue)
{
    if (!UsesAnsiCalls())
        return RegSetValueExW(hKey, pszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(strValue.c_str()),
                              static_cast<DWORD>((strValue.size() + 1) * sizeof(wchar_t)));
    const std::string strAnsi = AnsiFromWide(strValue);
    return RegSetValueExA(hKey, CAnsiText(pszName).Get(), 0, REG_SZ, reinterpret_cast<const BYTE*>(strAnsi.c_str()),
                          static_cast<DWORD>(strAnsi.size() + 1));
}

LONG SideRegSetNumber(HKEY hKey, const wchar_t* pszName, DWORD nValue)
{
    const BYTE* pData = reinterpret_cast<const BYTE*>(&nValue);
    return UsesAnsiCalls() ? RegSetValueExA(hKey, CAnsiText(pszName).Get(), 0, REG_DWORD, pData, sizeof nValue)
                           : RegSetValueExW(hKey, pszName, 0, REG_DWORD, pData, sizeof nValue);
}
