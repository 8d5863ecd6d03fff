#pragma once

#include "ShowLayout.h"

// Where a caption goes in a picture's copy: its text's box at the lower left, a margin in from
// both edges, cut to the picture's width less both margins; and how far its shadow falls.
// m_nWidth 0: the picture is too small to hold the text, which is then not drawn.
struct CaptionPlace
{
    int m_nLeft;
    int m_nTop;
    int m_nWidth;
    int m_nHeight;
    int m_nShadow;
};

// For a picture copy of that size, text measuring text in its font, drawn at nDpi.
CaptionPlace PlaceCaption(const ShowSize& picture, const ShowSize& text, int nDpi);

// The caption font's height for a monitor of nMonitorDpi, from the system's message font, whose
// height (lfHeight, negative for the character height) is for nSystemDpi.
int ScaleCaptionFontHeight(int nHeight, int nSystemDpi, int nMonitorDpi);
