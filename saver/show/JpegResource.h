#pragma once

#include <windows.h>

// Decodes resource "JPEG" nId of hModule (null: the program itself) into a top-down 32-bit DIB
// section that the caller owns and deletes. Null when the resource is missing or does not decode; no object
// of the decoder outlives the call.
HBITMAP LoadJpegResource(HMODULE hModule, UINT nId);
