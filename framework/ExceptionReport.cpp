#include "ExceptionReport.h"

#include "SystemSide.h"

#include <windows.h>

#include <cwchar>
#include <exception>

void ReportSwallowedException(const wchar_t* pszWhere) noexcept
{
    wchar_t szWhat[256] = L"an exception of unknown type";
    try {
        throw;
    } catch (const std::exception& e) {
        if (MultiByteToWideChar(CP_ACP, 0, e.what(), -1, szWhat, 256) == 0)
            wcscpy(szWhat, L"std::exception");
        szWhat[255] = L'\0';
    } catch (...) {
    }
    wchar_t szReport[400];
    swprintf(szReport, 400, L"%ls swallowed %ls\n", pszWhere, szWhat);
    SideOutputDebugString(szReport);
}
