// Test helper: runs a command line and prints its program's whole exit code, which a Unix
// exit status would cut to its low byte (3010, say).
//   exit-code PROGRAM [ARGS...]
#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain(int, wchar_t**)
{
    // Our own command line without our program's name, as it was given.
    const wchar_t* pszCommand = GetCommandLineW();
    const bool bQuoted = *pszCommand == L'"';
    for (++pszCommand; *pszCommand && *pszCommand != (bQuoted ? L'"' : L' '); ++pszCommand) {
    }
    if (*pszCommand == L'"')
        ++pszCommand;
    while (*pszCommand == L' ')
        ++pszCommand;
    wchar_t szCommand[4096];
    wcsncpy(szCommand, pszCommand, 4095);
    szCommand[4095] = L'\0';
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, szCommand, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD nCode = 0;
    GetExitCodeProcess(process.hProcess, &nCode);
    printf("%lu\n", static_cast<unsigned long>(nCode));
    return 0;
}
