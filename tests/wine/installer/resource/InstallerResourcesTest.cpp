// The installer's resources as the program sees them: the Shift-JIS sources arrive as the
// intended UTF-16 texts, and the templates, pictures and manifest are where the code looks.
#include "DisplayText.h"
#include "FrameworkResource.h"
#include "ResourceText.h"
#include "resource/InstallerResource.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

std::wstring VersionString(const wchar_t* pszName)
{
    const HRSRC hResource = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16));
    if (!hResource)
        return std::wstring();
    const void* pBlock = LockResource(LoadResource(nullptr, hResource));
    void* pValue = nullptr;
    UINT nLength = 0;
    const std::wstring strPath = std::wstring(L"\\StringFileInfo\\041104B0\\") + pszName;
    if (!VerQueryValueW(pBlock, strPath.c_str(), &pValue, &nLength) || nLength == 0)
        return std::wstring();
    return static_cast<const wchar_t*>(pValue);
}

}  // namespace

TEST(InstallerResources, TextsArriveIntactFromTheShiftJisSource)
{
    EXPECT_EQ(LoadResourceString(IDS_ABOUTBOX),
              L"installer \u306e\uff8a\uff9e\uff70\uff7c\uff9e\uff6e\uff9d\u60c5\u5831(&A)...");
    EXPECT_EQ(LoadResourceString(IDS_APP_TITLE), L"") << "no title string: the file name names the program";
    EXPECT_EQ(VersionString(L"FileDescription"),
              L"installer MFC \uff71\uff8c\uff9f\uff98\uff79\uff70\uff7c\uff6e\uff9d");
    EXPECT_EQ(VersionString(L"OriginalFilename"), L"installer.EXE");
    EXPECT_NE(VersionString(L"LegalCopyright"), L"");
    EXPECT_NE(VersionString(L"Comments").find(L"CC BY 4.0"), std::wstring::npos);
    // The uninstaller's outcome texts and the list of switches.
    EXPECT_EQ(LoadResourceString(IDS_UNINSTALL_DONE),
              L"\u30a2\u30f3\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb\u304c\u5b8c\u4e86\u3057\u307e\u3057\u305f\u3002");
    EXPECT_EQ(LoadResourceString(IDS_UNINSTALL_FAILED),
              L"\u30a2\u30f3\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb\u306b\u5931\u6557\u3057\u307e\u3057\u305f\u3002");
    EXPECT_EQ(LoadResourceString(IDS_NOTHING_INSTALLED),
              L"\u306f\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb\u3055\u308c\u3066\u3044\u307e\u305b\u3093\u3002");
    // The installer's outcome texts, the main dialog's title behind the product's name, and the
    // publisher that the programs list shows.
    EXPECT_EQ(LoadResourceString(IDS_INSTALL_DONE),
              L"\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb\u306b\u6210\u529f\u3057\u307e\u3057\u305f\u3002");
    EXPECT_EQ(LoadResourceString(IDS_INSTALL_FAILED),
              L"\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb\u306b\u5931\u6557\u3057\u307e\u3057\u305f\u3002");
    EXPECT_EQ(LoadResourceString(IDS_TITLE_SUFFIX), L"\u30a4\u30f3\u30b9\u30c8\u30fc\u30e9\u30fc");
    EXPECT_EQ(LoadResourceString(IDS_PUBLISHER), L"Orvanta \u5236\u4f5c\u30b0\u30eb\u30fc\u30d7");
    EXPECT_NE(
        LoadResourceString(IDS_SWITCHES)
            .find(L"\n/uninstall "
                  L"/S\t\u753b\u9762\u3092\u51fa\u3055\u305a\u306b\u30a2\u30f3\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb"),
        std::wstring::npos);
}

TEST(InstallerResources, TemplatesPicturesAndManifestArePresent)
{
    for (int nId : {IDD_ABOUTBOX, IDD_INSTALLER, IDD_PROGRESS})
        EXPECT_NE(FindResourceA(nullptr, MAKEINTRESOURCEA(nId), MAKEINTRESOURCEA(5)), nullptr) << nId;
    const HBITMAP hBitmap = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_PICTURE), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(hBitmap, nullptr);
    BITMAP bitmap{};
    GetObjectW(hBitmap, sizeof(bitmap), &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 400);
    EXPECT_EQ(bitmap.bmHeight, 300);
    EXPECT_EQ(bitmap.bmBitsPixel, 24);
    DeleteObject(hBitmap);
    EXPECT_NE(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PRODUCT)), nullptr);

    const std::string strManifest = ResourceText(MAKEINTRESOURCEA(24), 1);
    EXPECT_NE(strManifest.find("level=\"requireAdministrator\""), std::string::npos);
    EXPECT_NE(strManifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(strManifest.find(">true/pm</dpiAware>"), std::string::npos);
    EXPECT_NE(strManifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
}
