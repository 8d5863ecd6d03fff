#include "rules/PendingRemovals.h"

#include "ShiftJisPath.h"

#include <algorithm>

namespace {

std::wstring Normalised(std::wstring strPath)
{
    if (strPath.compare(0, 4, L"\\??\\") == 0)
        strPath.erase(0, 4);
    while (!strPath.empty() && strPath.back() == L'\\')
        strPath.pop_back();
    for (wchar_t& c : strPath)
        c = AsciiLower(c);
    return strPath;
}

// The NUL-terminated string at nPos; nPos moves past its NUL (or to the end).
std::wstring NextString(const std::wstring& strList, size_t& nPos)
{
    const size_t nEnd = std::min(strList.find(L'\0', nPos), strList.size());
    std::wstring strText = strList.substr(nPos, nEnd - nPos);
    nPos = std::min(nEnd + 1, strList.size());
    return strText;
}

}  // namespace

std::wstring WithoutDeletionsOf(const std::wstring& strOperations, const std::vector<std::wstring>& paths)
{
    std::vector<std::wstring> targets;
    for (const std::wstring& strPath : paths)
        targets.push_back(Normalised(strPath));
    std::wstring strKept;
    size_t nPos = 0;
    while (nPos < strOperations.size() && strOperations[nPos] != L'\0') {
        const std::wstring strSource = NextString(strOperations, nPos);
        const std::wstring strTarget = NextString(strOperations, nPos);
        bool bOurs = false;
        for (const std::wstring& strOurs : targets)
            bOurs = bOurs || (strTarget.empty() && Normalised(strSource) == strOurs);
        if (!bOurs)
            strKept += strSource + L'\0' + strTarget + L'\0';
    }
    return strKept.empty() ? strKept : strKept + L'\0';
}
