#include "PayloadArchive.h"

int CPayloadArchive::AttachResource(HMODULE hModule, HRSRC hResource)
{
    const DWORD nSize = SizeofResource(hModule, hResource);
    const HGLOBAL hData = LoadResource(hModule, hResource);
    const void* pData = hData ? LockResource(hData) : nullptr;
    Attach(pData, pData ? nSize : 0);
    return 0;
}
