// Test helper: holds a file open as the loader holds a running program (shared for reading,
// never for deleting) until a release file appears, for at most 120 s.
//   hold-file PATH RELEASE-PATH     prints "held" once the file is open; 1 if it cannot be
#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3)
        return 2;
    const HANDLE hFile = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return 1;
    printf("held\n");
    fflush(stdout);
    for (int i = 0; i < 2400 && GetFileAttributesW(argv[2]) == INVALID_FILE_ATTRIBUTES; ++i)
        Sleep(50);
    CloseHandle(hFile);
    return 0;
}
