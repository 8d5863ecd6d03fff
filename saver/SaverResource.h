#pragma once

// The saver's resource ids, shared by its .rc files and the code. Plain defines only:
// windres reads this file too.

#include "FrameworkResource.h"

// JPEG: the pictures in the order they are listed, from 1 up to the first id missing.
#define IDR_PICTURE1 1
#define IDR_PICTURE2 2
#define IDR_PICTURE3 3
#define IDR_PICTURE4 4
#define IDR_PICTURE_LAST 9999

// SHOW: the show's options as text; the shipped saver has none and shows with the defaults.
#define IDR_SHOW_OPTIONS 1

#define IDI_PRODUCT 128
#define IDD_SETTINGS 141
#define IDB_SETTINGS 142
