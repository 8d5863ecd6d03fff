#pragma once

#include "ShowOptions.h"

#include <windows.h>

// What a saver is built to show: how many pictures, and how.
struct ShowProgram
{
    int m_nPictures = 0;
    ShowOptions m_options;
};

// Read from hModule's resources (null: the program itself): "JPEG" 1, 2, ... up to the first id
// missing, at most IDR_PICTURE_LAST of them, and the options of "SHOW" IDR_SHOW_OPTIONS (the
// defaults without it). Whether each picture decodes is learnt when it is prepared.
ShowProgram LoadShowProgram(HMODULE hModule);
