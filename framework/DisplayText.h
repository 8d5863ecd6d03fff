#pragma once

#include <windows.h>

#include <string>

// Texts people read are kept as bytes in the code page of the product's language (932 for
// Japanese, 1252 for English: ProductIdentity.h) and shown through the wide calls, so that they
// read correctly whatever the system's ANSI code page is.
std::wstring WideFromProductText(const std::string& strText);

// String resource nId of the program, empty when there is none.
std::wstring LoadResourceString(UINT nId);
