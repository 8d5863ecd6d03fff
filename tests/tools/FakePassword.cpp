// A stand-in for the 9x family's PASSWORD.CPL: refuses the first close of a run of the saver
// and allows every later one. Each call leaves a line in C:\password-calls.txt.
#include <windows.h>

#include <cstdio>

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND)
{
    // The saver loads and frees the library for every call, so the count lives in the file.
    FILE* pFile = fopen("C:\\password-calls.txt", "a+");
    if (!pFile)
        return TRUE;
    int nCalls = 0;
    fseek(pFile, 0, SEEK_SET);
    for (int c; (c = fgetc(pFile)) != EOF;)
        nCalls += c == '\n';
    fseek(pFile, 0, SEEK_END);
    fputs("call\n", pFile);
    fclose(pFile);
    return nCalls > 0;
}
