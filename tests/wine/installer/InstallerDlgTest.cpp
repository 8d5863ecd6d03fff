// The main dialog when its monitor changes scale (WM_DPICHANGED, which Wine itself never
// sends): it takes the suggested rectangle and shows its picture scaled, and back, freeing
// each picture it replaces. A helper thread plays the system; the test thread runs the dialog.
#include "InstallerDlg.h"
#include "TestInstallerApp.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

const wchar_t kTitle[] = L"\u30a4\u30f3\u30b9\u30c8\u30fc\u30e9\u30fc";  // インストーラー

HWND PictureControl(HWND hDlg)
{
    for (HWND hChild = GetWindow(hDlg, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT))
        if ((GetWindowLongW(hChild, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
            return hChild;
    return nullptr;
}

SIZE PictureSize(HWND hDlg)
{
    RECT rc{};
    GetWindowRect(PictureControl(hDlg), &rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

HGDIOBJ ShownBitmap(HWND hDlg)
{
    return reinterpret_cast<HGDIOBJ>(SendMessageW(PictureControl(hDlg), STM_GETIMAGE, IMAGE_BITMAP, 0));
}

RECT WindowRect(HWND hDlg)
{
    RECT rc{};
    GetWindowRect(hDlg, &rc);
    return rc;
}

bool operator==(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != 0;
}

struct Observed
{
    SIZE m_sizeAt96{}, m_sizeAt144{}, m_sizeBack{};
    bool m_bTookSuggested = false, m_bTookOriginalBack = false;
    bool m_bTemplatePictureFreed = false, m_bScaledPictureFreed = false, m_bShowsLiveBitmap = false;
};

void ChangeDpi(HWND hDlg, UINT nDpi, const RECT& rcSuggested)
{
    SendMessageW(hDlg, WM_DPICHANGED, MAKEWPARAM(nDpi, nDpi), reinterpret_cast<LPARAM>(&rcSuggested));
}

// The dialog once it is shown: its controls are there and initialised by then.
HWND WaitForDialog()
{
    for (const DWORD nDeadline = GetTickCount() + 20000; GetTickCount() < nDeadline; Sleep(20)) {
        const HWND hDlg = FindWindowW(L"#32770", kTitle);
        if (hDlg && IsWindowVisible(hDlg))
            return hDlg;
    }
    return nullptr;
}

void PlaySystem(Observed& observed)
{
    const HWND hDlg = WaitForDialog();
    if (!hDlg)
        return;
    const RECT rcAt96 = WindowRect(hDlg);
    const RECT rcAt144 = {rcAt96.left, rcAt96.top, rcAt96.left + (rcAt96.right - rcAt96.left) * 3 / 2,
                          rcAt96.top + (rcAt96.bottom - rcAt96.top) * 3 / 2};
    observed.m_sizeAt96 = PictureSize(hDlg);
    const HGDIOBJ hTemplatePicture = ShownBitmap(hDlg);
    ChangeDpi(hDlg, 144, rcAt144);
    observed.m_sizeAt144 = PictureSize(hDlg);
    observed.m_bTookSuggested = WindowRect(hDlg) == rcAt144;
    const HGDIOBJ hScaledPicture = ShownBitmap(hDlg);
    ChangeDpi(hDlg, 96, rcAt96);
    observed.m_sizeBack = PictureSize(hDlg);
    observed.m_bTookOriginalBack = WindowRect(hDlg) == rcAt96;
    // Wine counts no GDI objects per process: look at the handles themselves.
    observed.m_bTemplatePictureFreed = GetObjectType(hTemplatePicture) == 0;
    observed.m_bScaledPictureFreed = GetObjectType(hScaledPicture) == 0;
    observed.m_bShowsLiveBitmap = GetObjectType(ShownBitmap(hDlg)) == OBJ_BITMAP;
    PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

}  // namespace

TEST(InstallerDlg, FollowsDpiChangesWithItsPictureAndFreesTheOldOnes)
{
    TestApp().Reset();
    Observed observed;
    std::thread system(PlaySystem, std::ref(observed));
    CInstallerDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    system.join();

    EXPECT_EQ(observed.m_sizeAt96.cx, 400);
    EXPECT_EQ(observed.m_sizeAt96.cy, 300);
    EXPECT_EQ(observed.m_sizeAt144.cx, 600);
    EXPECT_EQ(observed.m_sizeAt144.cy, 450);
    EXPECT_TRUE(observed.m_bTookSuggested);
    EXPECT_EQ(observed.m_sizeBack.cx, 400);
    EXPECT_EQ(observed.m_sizeBack.cy, 300);
    EXPECT_TRUE(observed.m_bTookOriginalBack);
    EXPECT_TRUE(observed.m_bTemplatePictureFreed);
    EXPECT_TRUE(observed.m_bScaledPictureFreed);
    EXPECT_TRUE(observed.m_bShowsLiveBitmap);
}
