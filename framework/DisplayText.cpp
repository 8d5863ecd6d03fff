#include "DisplayText.h"

#include "ProductIdentity.h"
#include "SystemSide.h"

std::wstring WideFromProductText(const std::string& strText)
{
    if (strText.empty())
        return std::wstring();
    const int nText = static_cast<int>(strText.size());
    const int nWide = MultiByteToWideChar(ORVANTA_TEXT_CODE_PAGE, 0, strText.data(), nText, nullptr, 0);
    if (nWide <= 0)
        return std::wstring();
    std::wstring strWide(static_cast<size_t>(nWide), L'\0');
    MultiByteToWideChar(ORVANTA_TEXT_CODE_PAGE, 0, strText.data(), nText, &strWide[0], nWide);
    return strWide;
}

std::wstring LoadResourceString(UINT nId)
{
    return SideLoadString(GetModuleHandleA(nullptr), nId);
}
