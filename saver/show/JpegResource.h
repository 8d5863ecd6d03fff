#pragma once

#include "DecodeScale.h"

#include <windows.h>

// Decodes resource "JPEG" nId of hModule (null: the program itself) into a top-down DIB section of
// 24 bits (32 where the system has no WIC) that the caller owns and deletes, reduced as it is
// decoded as far as the areas it is needed for allow (ChooseDecodeDivisor; whole without areas).
// Null when the resource is missing, is not a JPEG or does not decode; no object of the decoder
// outlives the call. Any thread may call it.
HBITMAP LoadJpegResource(HMODULE hModule, UINT nId, const PictureNeed& need = PictureNeed{});
