#pragma once

#include "ResourceBytes.h"

#include <string>

// A resource of the test program as a byte string; empty when it is missing.
inline std::string ResourceText(LPCSTR pszType, int nId)
{
    const ResourceBytes bytes = FindResourceBytes(nullptr, MAKEINTRESOURCEA(nId), pszType);
    return bytes.m_pData ? std::string(static_cast<const char*>(bytes.m_pData), bytes.m_nSize) : std::string();
}
