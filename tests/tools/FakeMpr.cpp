// A stand-in for the 9x family's MPR.DLL as the saver's /a uses it: PwdChangePasswordA leaves a
// line "PROVIDER OWNER-IS-WINDOW" in C:\mpr-calls.txt and reports success.
#include <windows.h>

#include <cstdio>

extern "C" __declspec(dllexport) DWORD WINAPI PwdChangePasswordA(LPCSTR pszProvider, HWND hOwner, DWORD, LPVOID)
{
    if (FILE* pFile = fopen("C:\\mpr-calls.txt", "a")) {
        fprintf(pFile, "%s %d\n", pszProvider ? pszProvider : "(null)", IsWindow(hOwner) ? 1 : 0);
        fclose(pFile);
    }
    return 0;
}
