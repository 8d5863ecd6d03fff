#pragma once

#include "install/InstallOperations.h"

#include <string>

// What an install's outcome box says for the worker's result, and what a silent install writes
// in its place.
std::wstring InstallOutcomeText(int nResult, const CInstallOperations& operations);
