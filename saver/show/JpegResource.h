#pragma once

#include <windows.h>

// Decodes resource "JPEG" nId of hModule (null: the program itself) into a top-down DIB section of
// 24 bits (32 where the system has no WIC) that the caller owns and deletes. Null when the
// resource is missing, is not a JPEG or does not decode; no object of the decoder outlives the
// call. Any thread may call it.
HBITMAP LoadJpegResource(HMODULE hModule, UINT nId);
