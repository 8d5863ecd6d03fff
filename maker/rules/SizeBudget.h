#pragma once

#include <cstdint>
#include <string>

// How large a made program may be. A 32-bit process has 2 GB of address space and the loader maps
// the whole image in one piece, beside the system's libraries (spread over the upper part on NT,
// 98's shared arena is above it). At 512 MB a program leaves the show well over 1 GB for
// decoding: a 3,840 x 2,160 picture is 32 MB at 32 bits, a photo decoded whole at 8,192 px up to
// 256 MB. The installer carries the saver's photos again (stored, JPEG does not deflate), so
// both programs are about the photos' size.
constexpr std::uint64_t kProgramBudget = std::uint64_t{512} << 20;
// What either program holds besides the photos: code, icons, the dialogs' picture, texts.
constexpr std::uint64_t kProgramReserve = std::uint64_t{16} << 20;
constexpr std::uint64_t kPhotoBudget = kProgramBudget - kProgramReserve;

// Empty when photos of nTotal bytes fit the budget, else why not.
std::string PhotoBudgetFault(std::uint64_t nTotal);

// Bytes as people read them: "12.3 MB" (10^6 bytes).
std::string Megabytes(std::uint64_t nBytes);
