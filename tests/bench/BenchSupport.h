#pragma once

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Wall-clock seconds from the performance counter.
inline double Seconds()
{
    LARGE_INTEGER n, f;
    QueryPerformanceCounter(&n);
    QueryPerformanceFrequency(&f);
    return static_cast<double>(n.QuadPart) / static_cast<double>(f.QuadPart);
}

inline double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// A whole file's bytes; empty when it cannot be read.
inline std::string ReadFileBytes(const char* pszPath)
{
    std::ifstream file(pszPath, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}
