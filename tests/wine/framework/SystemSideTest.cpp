// Owning tier of "windows and dialogs of ours stay on the side the framework chose, with their
// Japanese texts whole": in process under Wine, run as the NT family and, on the x86 tier, in
// win98 mode (ORVANTA_WIN98), where the A side converts through code page 932.
#include "Dialog.h"
#include "SystemSide.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// "スクリーン表示": 表 is 0x95 0x5C in code page 932, a trail byte that reads as a backslash.
const std::wstring kText = L"\u30b9\u30af\u30ea\u30fc\u30f3\u8868\u793a";

std::wstring WindowText(HWND hWnd)
{
    wchar_t szText[64] = L"";
    GetWindowTextW(hWnd, szText, 64);
    return szText;
}

class CSideDlg : public CDialog
{
public:
    CSideDlg() : CDialog(100) {}
    bool m_bUnicode = false;
    std::wstring m_strText;

protected:
    BOOL OnInitDialog() override
    {
        m_bUnicode = IsWindowUnicode(m_hWnd) != FALSE;
        SetWindowText(kText);
        m_strText = WindowText(m_hWnd);
        EndDialog(IDOK);
        return TRUE;
    }
};

}  // namespace

TEST(SystemSide, WindowsAndDialogsStayOnTheChosenSideWithTheirTexts)
{
    ASSERT_EQ(UsesAnsiCalls(), std::getenv("ORVANTA_WIN98") != nullptr);

    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), kText.c_str(), WS_POPUP, RECT{0, 0, 100, 50}, nullptr, 0));
    EXPECT_EQ(IsWindowUnicode(wnd.m_hWnd) != FALSE, !UsesAnsiCalls());
    EXPECT_EQ(WindowText(wnd.m_hWnd), kText);
    wnd.SetWindowText(kText + L"2");
    EXPECT_EQ(WindowText(wnd.m_hWnd), kText + L"2");

    CSideDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_bUnicode, !UsesAnsiCalls());
    EXPECT_EQ(dlg.m_strText, kText);
}
