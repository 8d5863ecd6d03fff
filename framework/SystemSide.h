#pragma once

#include <windows.h>

#include <string>

// The calls whose wide form is a failing stub on 95, 98 and Me. On that family each goes to its
// A form, texts converted through the ANSI code page (that of the editions of the programs'
// language: 932 for Japanese, 1252 for English); on the NT family to its W form, as before. The
// side is chosen once, from IsWin9xFamily(). Every window class and window of ours, and every
// dialog, stays on that one side, so nothing above the framework sees which side is in use.

// True when the A forms are in use: on the 9x family, which runs no 64-bit program. A test build
// of the 64-bit programs keeps the A side (ORVANTA_ANSI_SIDE), so that a machine that runs no
// 32-bit code can still run the 9x family's calls.
#if defined(_WIN64) && !defined(ORVANTA_ANSI_SIDE)
inline bool UsesAnsiCalls()
{
    return false;
}
#else
bool UsesAnsiCalls();
#endif

// Texts through the ANSI code page; empty for an empty or unconvertible text.
std::string AnsiFromWide(const std::wstring& strText);
std::wstring WideFromAnsi(const std::string& strText);

ATOM SideRegisterClass(const WNDCLASSW& wc);
bool SideIsClassRegistered(HINSTANCE hInstance, const wchar_t* pszClassName);
HWND SideCreateWindowEx(DWORD dwExStyle, const wchar_t* pszClassName, const wchar_t* pszWindowName, DWORD dwStyle,
                        const RECT& rect, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, void* pParam);
INT_PTR SideDialogBoxParam(HINSTANCE hInstance, UINT nIdTemplate, HWND hOwner, DLGPROC pfnProc, LPARAM lParam);
LRESULT SideDefWindowProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
LRESULT SideCallWindowProc(WNDPROC pfnProc, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
LONG_PTR SideGetWindowLongPtr(HWND hWnd, int nIndex);
LONG_PTR SideSetWindowLongPtr(HWND hWnd, int nIndex, LONG_PTR nValue);
BOOL SideSetProp(HWND hWnd, const char* pszName, HANDLE hData);
HANDLE SideGetProp(HWND hWnd, const char* pszName);
HANDLE SideRemoveProp(HWND hWnd, const char* pszName);
std::wstring SideGetClassName(HWND hWnd);

// The message loop's calls. Messages sent or posted through these carry no text: the only text
// of ours that reaches a window goes through SideSetWindowText.
BOOL SideGetMessage(MSG* pMsg);
LRESULT SideDispatchMessage(const MSG* pMsg);
BOOL SidePeekMessage(MSG* pMsg, HWND hWnd, UINT nFirst, UINT nLast, UINT nRemove);
BOOL SidePostMessage(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
LRESULT SideSendMessage(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
BOOL SideSetWindowText(HWND hWnd, const std::wstring& strText);

std::wstring SideLoadString(HINSTANCE hInstance, UINT nId);
HANDLE SideLoadImage(HINSTANCE hInstance, UINT nId, UINT nType, int cx, int cy, UINT nFlags);
HICON SideLoadIcon(HINSTANCE hInstance, UINT nId);
BOOL SideAppendMenu(HMENU hMenu, UINT nFlags, UINT_PTR nIdNewItem, const std::wstring& strNewItem);
// Only for actions whose parameter holds no text.
BOOL SideSystemParametersInfo(UINT nAction, UINT nParam, void* pParam, UINT nWinIni);
std::wstring SideGetModuleFileName(HMODULE hModule);
void SideOutputDebugString(const std::wstring& strText);

LONG SideRegSetString(HKEY hKey, const wchar_t* pszName, const std::wstring& strValue);
LONG SideRegSetNumber(HKEY hKey, const wchar_t* pszName, DWORD nValue);
