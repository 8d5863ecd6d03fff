#pragma once

#include "payload/InstallScript.h"

#include <cstdint>

class CReplacedFiles;

// Writes entry's member of the ZIP image to the entry's destination, through a temporary file
// beside it, so that a failure leaves an earlier file in place; a file that it replaces is kept
// in replaced. 0, or 1 on failure.
int ExtractMember(const void* pImage, uint32_t nSize, const FileEntry& entry, CReplacedFiles& replaced);
