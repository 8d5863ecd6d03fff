// Test helper: a copy of the saver that carries other pictures and show options, for the cases
// a second build would otherwise be needed for.
//   set-pictures SAVER COPY OPTIONS PICTURE...   0 once COPY carries the PICTUREs as its JPEG
//                                                1, 2, ... in place of its own, and the file
//                                                OPTIONS as SHOW 1 ("-": none); 1 on any
//                                                failure, COPY then unusable
#include <windows.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace {

const WORD kJapanese = 1041;  // the saver's one resource language

std::vector<char> ReadFile(const wchar_t* pszPath, bool& bOk)
{
    std::ifstream input(pszPath, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(input)), std::istreambuf_iterator<char>());
    bOk = bOk && static_cast<bool>(input.is_open());
    return bytes;
}

BOOL CALLBACK AddName(HMODULE, LPCWSTR, LPWSTR pszName, LONG_PTR lParam)
{
    if (IS_INTRESOURCE(pszName))
        reinterpret_cast<std::vector<WORD>*>(lParam)->push_back(LOWORD(reinterpret_cast<ULONG_PTR>(pszName)));
    return TRUE;
}

std::vector<WORD> ResourceIds(const wchar_t* pszPath, const wchar_t* pszType)
{
    std::vector<WORD> ids;
    const HMODULE hModule = LoadLibraryExW(pszPath, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (hModule) {
        EnumResourceNamesW(hModule, pszType, AddName, reinterpret_cast<LONG_PTR>(&ids));
        FreeLibrary(hModule);
    }
    return ids;
}

bool Put(HANDLE hUpdate, const wchar_t* pszType, WORD nId, std::vector<char>* pBytes)
{
    return UpdateResourceW(hUpdate, pszType, MAKEINTRESOURCEW(nId), kJapanese, pBytes ? pBytes->data() : nullptr,
                           pBytes ? static_cast<DWORD>(pBytes->size()) : 0) != FALSE;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 5 || !CopyFileW(argv[1], argv[2], FALSE))
        return 1;
    const std::vector<WORD> oldPictures = ResourceIds(argv[2], L"JPEG");
    const std::vector<WORD> oldOptions = ResourceIds(argv[2], L"SHOW");
    bool bOk = true;
    std::vector<std::vector<char>> pictures;
    for (int i = 4; i < argc; ++i)
        pictures.push_back(ReadFile(argv[i], bOk));
    const bool bOptions = wcscmp(argv[3], L"-") != 0;
    std::vector<char> options = bOptions ? ReadFile(argv[3], bOk) : std::vector<char>{};
    const HANDLE hUpdate = BeginUpdateResourceW(argv[2], FALSE);
    if (!bOk || !hUpdate)
        return 1;
    for (WORD nId : oldPictures)
        bOk = bOk && Put(hUpdate, L"JPEG", nId, nullptr);
    for (WORD nId : oldOptions)
        bOk = bOk && Put(hUpdate, L"SHOW", nId, nullptr);
    for (size_t i = 0; i < pictures.size(); ++i)
        bOk = bOk && Put(hUpdate, L"JPEG", static_cast<WORD>(i + 1), &pictures[i]);
    if (bOptions)
        bOk = bOk && Put(hUpdate, L"SHOW", 1, &options);
    return EndUpdateResourceW(hUpdate, !bOk) && bOk ? 0 : 1;
}
