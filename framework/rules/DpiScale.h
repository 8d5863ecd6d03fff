#pragma once

// The DPI that layouts and pictures are made for: 100 %.
const unsigned kDefaultDpi = 96;

// A length in pixels made for 96 DPI, at nDpi: rounded to the nearest pixel, halves away from
// zero, as the platform's own scaling rounds. A DPI of 0 (none known) leaves the length as it
// is; DPIs beyond 16 bits, which no system reports, count as 65535.
int ScaleToDpi(int nPixels, unsigned nDpi);
