#include "MessageBox.h"

#include "DisplayText.h"
#include "WinApp.h"
#include "Wnd.h"

int AfxMessageBox(const std::string& strText, UINT nType)
{
    return AfxMessageBox(WideFromProductText(strText), nType);
}

int AfxMessageBox(const std::wstring& strText, UINT nType)
{
    const CWinApp* pApp = AfxGetApp();
    const std::wstring strCaption = pApp ? pApp->m_strAppName : std::wstring();
    return MessageBoxW(CWnd::GetSafeOwner(), strText.c_str(), strCaption.c_str(), nType);
}
