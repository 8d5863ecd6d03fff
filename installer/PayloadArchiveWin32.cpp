#include "PayloadArchive.h"

#include "ResourceBytes.h"

int CPayloadArchive::AttachResource(HMODULE hModule, HRSRC hResource)
{
    const ResourceBytes image = LockResourceBytes(hModule, hResource);
    Attach(image.m_pData, image.m_nSize);
    return 0;
}
