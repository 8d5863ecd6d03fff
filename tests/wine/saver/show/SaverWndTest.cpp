// Owning tier: in-process under Wine. The saver window's answer to input and closing as the
// platform sends them (which input ends it is the native tier's), in each mode.
#include "PumpMessages.h"
#include "SaverPlatformFake.h"
#include "SaverWnd.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class CTestSaverWnd : public CSaverWnd
{
public:
    CTestSaverWnd(CSaverPlatform& platform, bool& bDeleted) : CSaverWnd(platform), m_bDeleted(bDeleted) {}
    ~CTestSaverWnd() override { m_bDeleted = true; }

private:
    bool& m_bDeleted;
};

enum class Mode
{
    FullScreen,
    Preview,
    Windowed
};

// One saver window made as the application makes it, with the cursor resting at (500, 500).
struct SaverFixture
{
    explicit SaverFixture(Mode mode, BOOL bWin9x = FALSE, BOOL bVerdict = TRUE, DWORD nUsePassword = 0)
    {
        m_platform.m_bWin9x = bWin9x;
        m_platform.m_bVerdict = bVerdict;
        m_platform.m_nUsePassword = nUsePassword;
        SetCursorPos(500, 500);
        PumpMessages();
        m_pWnd = new CTestSaverWnd(m_platform, m_bDeleted);
        const std::wstring strClass = AfxRegisterWndClass(0);
        if (mode == Mode::Preview) {
            m_hParent = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                                        nullptr, nullptr, nullptr, nullptr);
            RECT rect{};
            GetClientRect(m_hParent, &rect);
            m_pWnd->CreateEx(0, strClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect, m_hParent, 0);
        } else if (mode == Mode::Windowed) {
            m_pWnd->SetPreviewMode();
            m_pWnd->CreateEx(0, strClass, L"ScreenSaver", WS_VISIBLE | WS_OVERLAPPEDWINDOW, RECT{0, 0, 800, 600},
                             nullptr, 0);
        } else {
            const RECT rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
            m_pWnd->CreateEx(WS_EX_TOPMOST, strClass, nullptr,
                             WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, rect, nullptr, 0);
        }
        m_hWnd = m_pWnd->m_hWnd;
        PumpMessages();
    }
    ~SaverFixture()
    {
        if (IsWindow(m_hWnd))
            DestroyWindow(m_hWnd);
        if (m_hParent != nullptr)
            DestroyWindow(m_hParent);
        PumpMessages();
    }

    // Sends the message, handles what it queued, and says whether the window still stands.
    bool StaysAfter(UINT nMsg, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        SendMessageW(m_hWnd, nMsg, wParam, lParam);
        PumpMessages();
        return IsWindow(m_hWnd) != FALSE;
    }
    bool StaysAfterMoveTo(int x, int y)
    {
        SetCursorPos(x, y);
        return StaysAfter(WM_MOUSEMOVE, 0, MAKELPARAM(0, 0));
    }

    CSaverPlatformFake m_platform;
    bool m_bDeleted = false;
    CTestSaverWnd* m_pWnd = nullptr;
    HWND m_hWnd = nullptr;
    HWND m_hParent = nullptr;
};

struct Input
{
    UINT m_nMsg;
    WPARAM m_wParam;
};

const Input kClosingInput[] = {
    {WM_LBUTTONDOWN, MK_LBUTTON}, {WM_MBUTTONDOWN, MK_MBUTTON}, {WM_RBUTTONDOWN, MK_RBUTTON}, {WM_KEYDOWN, 'A'},
    {WM_KEYDOWN, VK_SHIFT},       {WM_KEYDOWN, VK_CONTROL},     {WM_SYSKEYDOWN, VK_MENU},     {WM_SYSKEYDOWN, VK_F10},
    {WM_ACTIVATEAPP, FALSE},
};

const Input kHarmlessInput[] = {
    {WM_LBUTTONUP, 0},
    {WM_RBUTTONUP, 0},
    {WM_MBUTTONUP, 0},
    {WM_MOUSEWHEEL, MAKEWPARAM(0, 120)},
    {WM_CHAR, 'a'},
    {WM_KEYUP, 'A'},
    {WM_ACTIVATEAPP, TRUE},
    {WM_SYSCOMMAND, SC_SCREENSAVE},
    {WM_SYSCOMMAND, SC_NEXTWINDOW},
    {WM_SYSCOMMAND, SC_PREVWINDOW},
    {WM_SHOWWINDOW, FALSE},
};

void SetUsePassword(const void* pValue, DWORD nSize, DWORD nType)
{
    HKEY hKey = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey,
                    nullptr);
    if (pValue != nullptr)
        RegSetValueExA(hKey, "ScreenSaveUsePassword", 0, nType, static_cast<const BYTE*>(pValue), nSize);
    else
        RegDeleteValueA(hKey, "ScreenSaveUsePassword");
    RegCloseKey(hKey);
}

}  // namespace

TEST(SaverWnd, FullScreenClosesOnEveryInputRow)
{
    for (const Input& input : kClosingInput) {
        SCOPED_TRACE(testing::Message() << std::hex << input.m_nMsg << " " << input.m_wParam);
        SaverFixture saver(Mode::FullScreen);
        ASSERT_TRUE(IsWindow(saver.m_hWnd));
        EXPECT_FALSE(saver.StaysAfter(input.m_nMsg, input.m_wParam));
        EXPECT_TRUE(saver.m_bDeleted);  // the object goes with its window
    }
}

TEST(SaverWnd, FullScreenIgnoresReleasesWheelCharactersAndSwallowedCommands)
{
    SaverFixture saver(Mode::FullScreen);
    for (const Input& input : kHarmlessInput)
        EXPECT_TRUE(saver.StaysAfter(input.m_nMsg, input.m_wParam)) << std::hex << input.m_nMsg;
    // Other system commands get default processing; SC_CLOSE goes through WM_CLOSE.
    EXPECT_TRUE(saver.StaysAfter(WM_SYSCOMMAND, SC_MINIMIZE));
    EXPECT_TRUE(IsIconic(saver.m_hWnd));
    EXPECT_FALSE(saver.StaysAfter(WM_SYSCOMMAND, SC_CLOSE));
}

TEST(SaverWnd, CursorIsHiddenInFullScreenOnly)
{
    {
        SaverFixture saver(Mode::FullScreen);
        EXPECT_EQ(GetCursor(), nullptr);
        SetCursor(LoadCursor(nullptr, IDC_ARROW));
        EXPECT_TRUE(saver.StaysAfter(WM_SHOWWINDOW, TRUE));
        EXPECT_EQ(GetCursor(), nullptr);
    }
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    SaverFixture preview(Mode::Preview);
    EXPECT_TRUE(preview.StaysAfter(WM_SHOWWINDOW, TRUE));
    EXPECT_NE(GetCursor(), nullptr);
}

TEST(SaverWnd, MouseThresholdCountsFromTheReferencePoint)
{
    // From (500, 500), where the cursor rested when the window was made.
    SaverFixture saver(Mode::FullScreen);
    EXPECT_TRUE(saver.StaysAfterMoveTo(503, 501));  // d = 4
    EXPECT_TRUE(saver.StaysAfterMoveTo(503, 500));  // 3 right
    EXPECT_TRUE(saver.StaysAfterMoveTo(500, 500));  // and 3 back
    EXPECT_TRUE(saver.StaysAfterMoveTo(498, 502));
    EXPECT_FALSE(saver.StaysAfterMoveTo(503, 502));  // d = 5
}

TEST(SaverWnd, PreviewAndWindowedTestIgnoreAllInput)
{
    for (Mode mode : {Mode::Preview, Mode::Windowed}) {
        SaverFixture saver(mode, TRUE);
        ASSERT_TRUE(IsWindow(saver.m_hWnd));
        for (const Input& input : kClosingInput)
            EXPECT_TRUE(saver.StaysAfter(input.m_nMsg, input.m_wParam)) << std::hex << input.m_nMsg;
        EXPECT_TRUE(saver.StaysAfterMoveTo(900, 900));
        if (mode == Mode::Windowed) {
            // Closed like any window, and asking no password even on the 9x family.
            EXPECT_FALSE(saver.StaysAfter(WM_SYSCOMMAND, SC_CLOSE));
            EXPECT_EQ(saver.m_platform.m_nVerifyCalls, 0);
        } else {
            DestroyWindow(saver.m_hParent);
            saver.m_hParent = nullptr;
            PumpMessages();
            EXPECT_FALSE(IsWindow(saver.m_hWnd));
        }
        EXPECT_TRUE(saver.m_bDeleted);
    }
}

TEST(SaverWnd, RefusedPasswordKeepsTheSaverAndMovesTheReferencePoint)
{
    SaverFixture saver(Mode::FullScreen, TRUE, FALSE);
    EXPECT_TRUE(saver.StaysAfterMoveTo(510, 500));
    EXPECT_EQ(saver.m_platform.m_nVerifyCalls, 1);
    // 4 from (510, 500), where the refusal left the reference; 14 from where it was.
    EXPECT_TRUE(saver.StaysAfterMoveTo(513, 501));
    EXPECT_EQ(saver.m_platform.m_nVerifyCalls, 1);
    saver.m_platform.m_bVerdict = TRUE;
    EXPECT_FALSE(saver.StaysAfterMoveTo(515, 500));
    EXPECT_EQ(saver.m_platform.m_nVerifyCalls, 2);
}

TEST(SaverWnd, NestedCloseRequestIsRefusedWithoutASecondCall)
{
    SaverFixture saver(Mode::FullScreen, TRUE, TRUE);
    bool bNestedHandled = false;
    // The service's dialog runs its own loop, in which a further close request arrives.
    saver.m_platform.m_onVerify = [&](HWND hWnd) {
        PostMessageW(hWnd, WM_CLOSE, 0, 0);
        PumpMessages();
        bNestedHandled = IsWindow(hWnd) != FALSE;
    };
    EXPECT_FALSE(saver.StaysAfter(WM_KEYDOWN, 'A'));
    EXPECT_TRUE(bNestedHandled);
    EXPECT_EQ(saver.m_platform.m_nVerifyCalls, 1);
}

TEST(SaverWnd, OutsideThe9xFamilyNoPasswordAndNoFlag)
{
    SaverFixture saver(Mode::FullScreen, FALSE, FALSE, 1);
    EXPECT_FALSE(saver.StaysAfter(WM_KEYDOWN, 'A'));
    EXPECT_EQ(saver.m_platform.m_nVerifyCalls, 0);
    EXPECT_EQ(saver.m_platform.m_nQueries, 0);
    EXPECT_TRUE(saver.m_platform.m_running.empty());
}

TEST(SaverWnd, RunningFlagFollowsThePasswordSettingOnThe9xFamily)
{
    for (DWORD nUsePassword : {0u, 1u}) {
        for (Mode mode : {Mode::FullScreen, Mode::Preview, Mode::Windowed}) {
            SaverFixture saver(mode, TRUE, TRUE, nUsePassword);
            EXPECT_EQ(saver.m_platform.m_running, nUsePassword ? std::vector<BOOL>{TRUE} : std::vector<BOOL>{});
            DestroyWindow(saver.m_hWnd);
            PumpMessages();
            // Lowered when the window object goes, raised or not.
            EXPECT_TRUE(saver.m_bDeleted);
            ASSERT_FALSE(saver.m_platform.m_running.empty());
            EXPECT_EQ(saver.m_platform.m_running.back(), FALSE);
        }
    }
}

// The one reader of the setting: any four bytes that are not all zero ask for the password.
TEST(SaverPlatform, ReadsThePasswordSettingAsFourBytes)
{
    struct Setting
    {
        const char* m_pszName;
        std::string m_strValue;
        DWORD m_nType;
        DWORD m_nExpected;
    };
    const Setting settings[] = {
        {"missing", std::string(), REG_NONE, 0},
        {"dword 1", std::string("\1\0\0\0", 4), REG_DWORD, 1},
        {"dword 0", std::string("\0\0\0\0", 4), REG_DWORD, 0},
        {"text 0", std::string("0\0", 2), REG_SZ, '0'},
        {"five bytes", std::string("\1\0\0\0\0", 5), REG_BINARY, 0},
    };
    for (const Setting& setting : settings) {
        SCOPED_TRACE(setting.m_pszName);
        SetUsePassword(setting.m_nType == REG_NONE ? nullptr : setting.m_strValue.data(),
                       static_cast<DWORD>(setting.m_strValue.size()), setting.m_nType);
        EXPECT_EQ(CSaverPlatform::System().QueryUsePassword(), setting.m_nExpected);
    }
    SetUsePassword(nullptr, 0, 0);
}

TEST(SaverWnd, MissingPasswordLibraryLetsTheSaverClose)
{
    EXPECT_TRUE(CSaverPlatform::System().VerifyScreenSavePwd(nullptr));
    EXPECT_FALSE(CSaverPlatform::System().IsWin9x());
}
