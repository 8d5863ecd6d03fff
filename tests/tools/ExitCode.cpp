// Test helper: runs a command line and prints its program's whole exit code, which a Unix
// exit status would cut to its low byte (3010, say).
//   exit-code ARGS...    the command line is ARGS joined by spaces as they are, so the caller
//                        writes the quotes it wants (as the desktop quotes a saver's path)
#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t** argv)
{
    std::wstring strCommand;
    for (int i = 1; i < argc; ++i)
        strCommand += (i > 1 ? L" " : L"") + std::wstring(argv[i]);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (strCommand.empty() ||
        !CreateProcessW(nullptr, &strCommand[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD nCode = 0;
    GetExitCodeProcess(process.hProcess, &nCode);
    printf("%lu\n", static_cast<unsigned long>(nCode));
    return 0;
}
