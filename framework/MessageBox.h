#pragma once

#include <windows.h>

#include <string>

// A message box owned by the main window (or its active popup), captioned with the
// application's name. The text is bytes in the product's code page, shown through the wide call.
int AfxMessageBox(const std::string& strText, UINT nType = MB_OK);

// The same for a text that is wide already (a string resource).
int AfxMessageBox(const std::wstring& strText, UINT nType = MB_OK);
