// Test helper: a copy of the installer that carries another install script, for the cases a
// second build would otherwise be needed for.
//   set-script INSTALLER COPY SCRIPT   0 once COPY carries SCRIPT in place of every language of
//                                      the script resource; 1 on any failure, COPY then unusable
#include <windows.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace {

const WORD kScriptId = 1;

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD wLanguage, LONG_PTR lParam)
{
    reinterpret_cast<std::vector<WORD>*>(lParam)->push_back(wLanguage);
    return TRUE;
}

std::vector<WORD> ScriptLanguages(const wchar_t* pszPath)
{
    std::vector<WORD> languages;
    const HMODULE hModule = LoadLibraryExW(pszPath, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (hModule) {
        EnumResourceLanguagesW(hModule, L"FILE", MAKEINTRESOURCEW(kScriptId), AddLanguage,
                               reinterpret_cast<LONG_PTR>(&languages));
        FreeLibrary(hModule);
    }
    return languages;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 4 || !CopyFileW(argv[1], argv[2], FALSE))
        return 1;
    std::ifstream input(argv[3], std::ios::binary);
    std::vector<char> script((std::istreambuf_iterator<char>(input)), std::istreambuf_iterator<char>());
    const std::vector<WORD> languages = ScriptLanguages(argv[2]);
    const HANDLE hUpdate = BeginUpdateResourceW(argv[2], FALSE);
    if (!input || languages.empty() || !hUpdate)
        return 1;
    BOOL bOk = TRUE;
    for (WORD wLanguage : languages)
        bOk = bOk && UpdateResourceW(hUpdate, L"FILE", MAKEINTRESOURCEW(kScriptId), wLanguage, script.data(),
                                     static_cast<DWORD>(script.size()));
    return EndUpdateResourceW(hUpdate, !bOk) && bOk ? 0 : 1;
}
