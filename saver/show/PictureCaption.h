#pragma once

#include "Gdi.h"

#include <string>

// A picture's caption as the worker draws it into each of the picture's copies: its text, and
// the DPI of the monitors it is shown on.
struct PictureCaption
{
    std::wstring m_strText;
    int m_nDpi = 96;
};

// The text of resource "CAPTION" nId of hModule (null: the program itself): UTF-8 of 1 to 255
// bytes. Empty when there is none, or it is not such a text.
std::wstring LoadCaption(HMODULE hModule, UINT nId);

// Draws the caption at the lower left of a copy (a DIB section of 24 or 32 bits) in the system's
// message font at the caption's DPI: light text in a dark outline, which reads on any picture.
// Nothing when the text is empty or the copy too small for it. Any thread may call it.
void DrawCaption(CBitmap& bmpCopy, const PictureCaption& caption);
