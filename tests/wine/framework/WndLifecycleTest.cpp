// Window and dialog objects that end their own windows from inside their handlers. Run under
// the guard allocator, any touch of a deleted object ends the test program at that instruction.
// A window whose creation throws is refused.
#include "Dialog.h"
#include "PumpMessages.h"
#include "WinApp.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

namespace {

const UINT kMsgNested = WM_APP + 1;
const UINT kMsgDestroy = WM_APP + 2;
const UINT kFailCreate = WM_APP + 3;  // WM_CREATE returns -1
const UINT_PTR kTimer = 7;
const int kIdDialog = 100;

// A heap window that deletes itself when its window goes, and ends its window from whichever
// handler the test picks.
class CSelfEndingWnd : public CWnd
{
public:
    CSelfEndingWnd(bool& bDeleted, UINT nEndOn) : m_bDeleted(bDeleted), m_nEndOn(nEndOn) {}
    ~CSelfEndingWnd() override { m_bDeleted = true; }

    HWND Create()
    {
        return CreateEx(0, AfxRegisterWndClass(0), L"self-ending", WS_POPUP | WS_VISIBLE, RECT{0, 0, 200, 100}, nullptr,
                        0)
                   ? m_hWnd
                   : nullptr;
    }

protected:
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override
    {
        switch (nMsg) {
        case WM_CREATE:
            return OnCreate();
        case WM_CLOSE:
            // Default processing destroys the window: the object is released after this frame.
            Default();
            return 0;
        case kMsgNested:
            // Two of our frames stand around the one that ends the window.
            SendMessage(kMsgDestroy);
            return 1;
        case kMsgDestroy:
            DestroyWindow(m_hWnd);
            return 1;
        default:
            return CWnd::WindowProc(nMsg, wParam, lParam);
        }
    }
    BOOL OnCommand(WPARAM, LPARAM) override { return EndIf(WM_COMMAND); }
    void OnTimer(UINT_PTR) override { EndIf(WM_TIMER); }
    void OnPaint() override
    {
        ValidateRect(m_hWnd, nullptr);
        EndIf(WM_PAINT);
    }
    void OnSysCommand(UINT nId, LPARAM) override
    {
        if (!EndIf(WM_SYSCOMMAND))
            CWnd::OnSysCommand(nId, 0);
    }
    void PostNcDestroy() override { delete this; }

private:
    LRESULT OnCreate()
    {
        if (m_nEndOn == WM_CREATE)
            DestroyWindow(m_hWnd);
        return m_nEndOn == kFailCreate ? -1 : 0;
    }
    BOOL EndIf(UINT nMsg)
    {
        if (nMsg != m_nEndOn)
            return FALSE;
        DestroyWindow(m_hWnd);
        return TRUE;
    }

    bool& m_bDeleted;
    UINT m_nEndOn;
};

struct Ending
{
    const char* m_pszName;
    UINT m_nEndOn;
    std::function<void(HWND)> m_trigger;
};

}  // namespace

TEST(WndLifecycle, AWindowEndsItselfFromEachKindOfHandler)
{
    const Ending endings[] = {
        {"command", WM_COMMAND, [](HWND h) { SendMessageW(h, WM_COMMAND, 1, 0); }},
        {"timer", WM_TIMER, [](HWND h) { SetTimer(h, kTimer, 1, nullptr); }},
        {"paint", WM_PAINT, [](HWND h) { InvalidateRect(h, nullptr, FALSE); }},
        {"system command", WM_SYSCOMMAND, [](HWND h) { SendMessageW(h, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"close through Default", WM_CLOSE, [](HWND h) { PostMessageW(h, WM_CLOSE, 0, 0); }},
        {"nested dispatch", kMsgNested, [](HWND h) { EXPECT_EQ(SendMessageW(h, kMsgNested, 0, 0), 1); }},
    };
    for (const Ending& ending : endings) {
        SCOPED_TRACE(ending.m_pszName);
        bool bDeleted = false;
        const HWND hWnd = (new CSelfEndingWnd(bDeleted, ending.m_nEndOn))->Create();
        ASSERT_NE(hWnd, nullptr);
        ending.m_trigger(hWnd);
        const DWORD nDeadline = GetTickCount() + 5000;
        while (!bDeleted && GetTickCount() < nDeadline) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            PumpMessages();
        }
        EXPECT_TRUE(bDeleted);
        EXPECT_FALSE(IsWindow(hWnd));
    }
}

TEST(WndLifecycle, AWindowThatEndsDuringItsCreationIsReleasedOnce)
{
    for (UINT nEndOn : {UINT(WM_CREATE), kFailCreate}) {
        bool bDeleted = false;
        EXPECT_EQ((new CSelfEndingWnd(bDeleted, nEndOn))->Create(), nullptr);
        EXPECT_TRUE(bDeleted);
    }
}

TEST(WndLifecycle, TheMainWindowsEndIsTheApplicationsToDecide)
{
    CWinApp app;
    bool bDeleted = false;
    CSelfEndingWnd* pWnd = new CSelfEndingWnd(bDeleted, WM_COMMAND);
    app.m_pMainWnd = pWnd;
    const HWND hWnd = pWnd->Create();
    ASSERT_NE(hWnd, nullptr);
    SendMessageW(hWnd, WM_COMMAND, 1, 0);
    EXPECT_TRUE(bDeleted);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    MSG msg{};
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(WndLifecycle, AViewNeitherReadsNorDestroysTheWindowItWraps)
{
    const HWND hWnd =
        CreateWindowExW(0, L"STATIC", L"other", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    {
        CWnd view(hWnd);
        // Whatever the window's owner keeps there, even a pointer that looks like the view.
        SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&view));
    }
    EXPECT_TRUE(IsWindow(hWnd));
    DestroyWindow(hWnd);
}

namespace {

// A dialog whose OK runs a nested modal dialog; that one's start asks this one to end.
class CNestingDlg : public CDialog
{
public:
    explicit CNestingDlg(CWnd* pParent = nullptr, bool bInner = false) : CDialog(kIdDialog, pParent), m_bInner(bInner)
    {
    }

    INT_PTR m_nInnerResult = 0;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (m_bInner) {
            ::PostMessageW(GetWindow(m_hWnd, GW_OWNER), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        } else {
            PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }
        return TRUE;
    }
    void OnOK() override
    {
        if (m_bInner) {
            EndDialog(IDOK);
            return;
        }
        CNestingDlg inner(this, true);
        m_nInnerResult = inner.DoModal();
    }

private:
    bool m_bInner;
};

}  // namespace

TEST(DialogLifecycle, ADialogEndsFromInsideANestedModalLoopAndRunsAgain)
{
    CNestingDlg dlg;
    for (int nRun = 0; nRun < 2; ++nRun) {
        dlg.m_nInnerResult = 0;
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_EQ(dlg.m_nInnerResult, IDOK);
        EXPECT_EQ(dlg.m_hWnd, nullptr);
    }
}

namespace {

// What OutputDebugString said while one of these stands: it raises an exception that a
// vectored handler sees before any debugger would.
class CDebugOutput
{
public:
    CDebugOutput() : m_pHandler(AddVectoredExceptionHandler(1, &CDebugOutput::OnException)) { s_strText.clear(); }
    ~CDebugOutput() { RemoveVectoredExceptionHandler(m_pHandler); }
    CDebugOutput(const CDebugOutput&) = delete;
    CDebugOutput& operator=(const CDebugOutput&) = delete;

    static std::string s_strText;

private:
    static LONG CALLBACK OnException(EXCEPTION_POINTERS* pInfo)
    {
        const EXCEPTION_RECORD& record = *pInfo->ExceptionRecord;
        if (record.ExceptionCode == DBG_PRINTEXCEPTION_C && record.NumberParameters >= 2)
            s_strText += reinterpret_cast<const char*>(record.ExceptionInformation[1]);
        return EXCEPTION_CONTINUE_SEARCH;
    }

    PVOID m_pHandler;
};

std::string CDebugOutput::s_strText;

class CThrowingWnd : public CWnd
{
public:
    explicit CThrowingWnd(UINT nThrowOn) : m_nThrowOn(nThrowOn) {}

protected:
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override
    {
        if (nMsg == m_nThrowOn)
            throw std::runtime_error("no room for the picture");
        return CWnd::WindowProc(nMsg, wParam, lParam);
    }

private:
    UINT m_nThrowOn;
};

}  // namespace

TEST(WndLifecycle, AHandlersExceptionStopsAtTheWindowAndIsReported)
{
    CThrowingWnd wnd(WM_COMMAND);
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), L"throwing", WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0));
    CDebugOutput output;
    EXPECT_EQ(wnd.SendMessage(WM_COMMAND, 1, 0), 0);
    EXPECT_TRUE(IsWindow(wnd.m_hWnd));
    EXPECT_NE(output.s_strText.find("CWnd::WindowProc swallowed no room for the picture"), std::string::npos)
        << output.s_strText;
}

TEST(WndLifecycle, AnExceptionWhileCreatingRefusesTheWindow)
{
    for (const UINT nMsg : {WM_NCCREATE, WM_CREATE}) {
        CThrowingWnd wnd(nMsg);
        EXPECT_FALSE(wnd.CreateEx(0, AfxRegisterWndClass(0), L"half made", WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0))
            << nMsg;
        EXPECT_EQ(FindWindowW(nullptr, L"half made"), nullptr) << nMsg;
    }
}
