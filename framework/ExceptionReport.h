#pragma once

// Writes to the debugger's channel what a catch-all swallowed and where (seen under Wine with
// WINEDEBUG=+debugstr). Call it only from inside a catch block; it allocates nothing, so it
// also reports an exhausted heap.
void ReportSwallowedException(const wchar_t* pszWhere) noexcept;
