#include "ShowProgram.h"

#include "ResourceBytes.h"
#include "SaverResource.h"

ShowProgram LoadShowProgram(HMODULE hModule)
{
    ShowProgram program;
    while (program.m_nPictures < IDR_PICTURE_LAST &&
           ::FindResourceA(hModule, MAKEINTRESOURCEA(IDR_PICTURE1 + program.m_nPictures), "JPEG") != nullptr)
        ++program.m_nPictures;
    const ResourceBytes options = FindResourceBytes(hModule, MAKEINTRESOURCEA(IDR_SHOW_OPTIONS), "SHOW");
    program.m_options = ParseShowOptions(static_cast<const char*>(options.m_pData), options.m_nSize);
    return program;
}
