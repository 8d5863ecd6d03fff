// The main dialog when its monitor changes scale (WM_DPICHANGED, which Wine itself never
// sends): it takes the suggested rectangle and shows its picture scaled, and back, freeing
// each picture it replaces. A helper thread plays the system; the test thread runs the dialog.
#include "InstallerDlg.h"
#include "TestInstallerApp.h"

#include <gtest/gtest.h>

#include <string>
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

HGDIOBJ ShownBitmap(HWND hDlg)
{
    return reinterpret_cast<HGDIOBJ>(SendMessageW(PictureControl(hDlg), STM_GETIMAGE, IMAGE_BITMAP, 0));
}

// "WxH" of the picture control, and whether the dialog stands at rcExpected.
std::string Describe(HWND hDlg, const RECT& rcExpected)
{
    RECT rcPicture{}, rcDlg{};
    GetWindowRect(PictureControl(hDlg), &rcPicture);
    GetWindowRect(hDlg, &rcDlg);
    return std::to_string(rcPicture.right - rcPicture.left) + "x" + std::to_string(rcPicture.bottom - rcPicture.top) +
           (EqualRect(&rcDlg, &rcExpected) ? " placed; " : " misplaced; ");
}

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

void PlaySystem(std::string& strObserved)
{
    const HWND hDlg = WaitForDialog();
    if (!hDlg)
        return;
    RECT rcAt96{};
    GetWindowRect(hDlg, &rcAt96);
    const RECT rcAt144 = {rcAt96.left, rcAt96.top, rcAt96.left + (rcAt96.right - rcAt96.left) * 3 / 2,
                          rcAt96.top + (rcAt96.bottom - rcAt96.top) * 3 / 2};
    strObserved = Describe(hDlg, rcAt96);
    const HGDIOBJ hTemplatePicture = ShownBitmap(hDlg);
    ChangeDpi(hDlg, 144, rcAt144);
    strObserved += Describe(hDlg, rcAt144);
    const HGDIOBJ hScaledPicture = ShownBitmap(hDlg);
    ChangeDpi(hDlg, 96, rcAt96);
    strObserved += Describe(hDlg, rcAt96);
    // Wine counts no GDI objects per process: look at the handles themselves.
    strObserved += std::to_string(GetObjectType(hTemplatePicture)) + std::to_string(GetObjectType(hScaledPicture)) +
                   std::to_string(GetObjectType(ShownBitmap(hDlg)) == OBJ_BITMAP);
    PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

}  // namespace

TEST(InstallerDlg, FollowsDpiChangesWithItsPictureAndFreesTheOldOnes)
{
    TestApp().Reset();
    std::string strObserved;
    std::thread system(PlaySystem, std::ref(strObserved));
    CInstallerDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    system.join();
    // The last three: the template's picture and the scaled one are gone (type 0), a live
    // bitmap is shown (1).
    EXPECT_EQ(strObserved, "400x300 placed; 600x450 placed; 400x300 placed; 001");
}
