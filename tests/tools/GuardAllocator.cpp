// Linked into every in-process Windows test program in place of the global operator new and
// delete, because no address sanitiser runs there. Each block ends against a page that is
// never committed, and a freed block's pages are decommitted but stay reserved, never handed
// out again. A read or write into freed memory or past the end of a block then faults at the
// instruction that does it, and the test program ends with a report naming that instruction.
// The bytes between a block's end and the 16-byte alignment are checked at delete instead.
//
// Blocks come from one arena reserved at the first allocation, a page of address space for
// the guard plus whole pages per block, with no reuse. When the arena is used up (a 32-bit
// program has room for about 64 K small blocks) or a page cannot be committed, the remaining
// allocations come from the C heap without a guard and a note says so once.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr size_t kPage = 4096;
constexpr size_t kAlign = 16;
constexpr size_t kHeaderRoom = 32;
constexpr unsigned char kSlackByte = 0xAB;
#ifdef _WIN64
constexpr size_t kArenaWanted = size_t(64) << 30;
#else
constexpr size_t kArenaWanted = size_t(512) << 20;
#endif
constexpr DWORD kExitFault = 3;

// Stands just before each block, on its first page.
struct BlockHeader
{
    char* m_pStart;
    size_t m_nPages;
    size_t m_nSize;
};

LONG CALLBACK OnAccessViolation(EXCEPTION_POINTERS* pInfo);

struct Arena
{
    Arena()
    {
        for (size_t nSize = kArenaWanted; nSize >= (size_t(64) << 20) && !m_pBase; nSize /= 2) {
            m_pBase = static_cast<char*>(VirtualAlloc(nullptr, nSize, MEM_RESERVE, PAGE_NOACCESS));
            m_nSize = m_pBase ? nSize : 0;
        }
        AddVectoredExceptionHandler(1, &OnAccessViolation);
    }

    char* m_pBase = nullptr;
    size_t m_nSize = 0;
    std::atomic<size_t> m_nNext{0};
    std::atomic<bool> m_bNoted{false};
};

void WriteError(const char* pszText)
{
    DWORD nWritten = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), pszText, static_cast<DWORD>(strlen(pszText)), &nWritten, nullptr);
}

[[noreturn]] void EndWithReport(const char* pszText)
{
    WriteError(pszText);
    TerminateProcess(GetCurrentProcess(), kExitFault);
    abort();
}

Arena& TheArena();

bool InArena(const void* p)
{
    const Arena& arena = TheArena();
    const char* pc = static_cast<const char*>(p);
    return pc >= arena.m_pBase && pc < arena.m_pBase + arena.m_nSize;
}

// Where the faulting instruction is, as module+offset for addr2line.
void DescribeCode(const void* pCode, char* pszOut, size_t nOut)
{
    HMODULE hModule = nullptr;
    char szPath[MAX_PATH] = "?";
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           static_cast<LPCSTR>(pCode), &hModule))
        GetModuleFileNameA(hModule, szPath, MAX_PATH);
    const char* pszName = strrchr(szPath, '\\');
    snprintf(pszOut, nOut, "%p (%s+0x%llx)", pCode, pszName ? pszName + 1 : szPath,
             static_cast<unsigned long long>(static_cast<const char*>(pCode) - reinterpret_cast<char*>(hModule)));
}

LONG CALLBACK OnAccessViolation(EXCEPTION_POINTERS* pInfo)
{
    const EXCEPTION_RECORD& record = *pInfo->ExceptionRecord;
    if (record.ExceptionCode != EXCEPTION_ACCESS_VIOLATION || record.NumberParameters < 2)
        return EXCEPTION_CONTINUE_SEARCH;
    const char* pData = reinterpret_cast<const char*>(record.ExceptionInformation[1]);
    if (!InArena(pData))
        return EXCEPTION_CONTINUE_SEARCH;
    // The page before a guard page belongs to a live block; otherwise the block was freed.
    MEMORY_BASIC_INFORMATION before{};
    const char* pPage = reinterpret_cast<const char*>(reinterpret_cast<uintptr_t>(pData) & ~(kPage - 1));
    const bool bPastLiveBlock = VirtualQuery(pPage - kPage, &before, sizeof before) != 0 && before.State == MEM_COMMIT;
    char szCode[MAX_PATH + 64];
    DescribeCode(record.ExceptionAddress, szCode, sizeof szCode);
    char szReport[MAX_PATH + 256];
    snprintf(szReport, sizeof szReport, "guard allocator: %s %p, %s, by the instruction at %s\n",
             record.ExceptionInformation[0] == 1 ? "write to" : "read of", static_cast<const void*>(pData),
             bPastLiveBlock ? "past the end of a block" : "inside a freed block", szCode);
    EndWithReport(szReport);
}

Arena& TheArena()
{
    static Arena arena;
    return arena;
}

void* FallbackAlloc(Arena& arena, size_t nSize, size_t nAlign)
{
    if (!arena.m_bNoted.exchange(true))
        WriteError("guard allocator: from here on some blocks come unguarded from the C heap (arena used up, "
                   "no page to commit, or an alignment over a page)\n");
    return nAlign > kAlign ? _aligned_malloc(nSize, nAlign) : malloc(nSize);
}

void* GuardAlloc(size_t nSize, size_t nAlign)
{
    Arena& arena = TheArena();
    nSize = nSize ? nSize : 1;
    if (nAlign > kPage || nSize > arena.m_nSize)
        return FallbackAlloc(arena, nSize, nAlign);
    nAlign = nAlign < kAlign ? kAlign : nAlign;
    const size_t nBody = (nSize + nAlign - 1) / nAlign * nAlign;
    const size_t nPages = (nBody + kHeaderRoom + kPage - 1) / kPage;
    const size_t nSpan = (nPages + 1) * kPage;
    const size_t nOffset = arena.m_nNext.fetch_add(nSpan);
    char* pStart = arena.m_pBase + nOffset;
    if (nOffset + nSpan > arena.m_nSize || !VirtualAlloc(pStart, nPages * kPage, MEM_COMMIT, PAGE_READWRITE))
        return FallbackAlloc(arena, nSize, nAlign);
    char* pBody = pStart + nPages * kPage - nBody;
    memset(pBody + nSize, kSlackByte, nBody - nSize);
    *reinterpret_cast<BlockHeader*>(pBody - kHeaderRoom) = BlockHeader{pStart, nPages, nSize};
    return pBody;
}

void GuardFree(void* p, bool bAligned)
{
    if (!p)
        return;
    if (!InArena(p)) {
        bAligned ? _aligned_free(p) : free(p);
        return;
    }
    // A second delete of the block faults here, reading a header that is no longer committed.
    char* pBody = static_cast<char*>(p);
    const BlockHeader header = *reinterpret_cast<const BlockHeader*>(pBody - kHeaderRoom);
    const char* pEnd = header.m_pStart + header.m_nPages * kPage;
    for (const char* pc = pBody + header.m_nSize; pc < pEnd; ++pc)
        if (static_cast<unsigned char>(*pc) != kSlackByte) {
            char szReport[160];
            snprintf(szReport, sizeof szReport, "guard allocator: the %llu-byte block at %p was written past its end\n",
                     static_cast<unsigned long long>(header.m_nSize), p);
            EndWithReport(szReport);
        }
    VirtualFree(header.m_pStart, header.m_nPages * kPage, MEM_DECOMMIT);
}

void* NewOrThrow(size_t nSize, size_t nAlign)
{
    void* p = GuardAlloc(nSize, nAlign);
    if (!p)
        throw std::bad_alloc();
    return p;
}

}  // namespace

void* operator new(size_t nSize)
{
    return NewOrThrow(nSize, kAlign);
}

void* operator new[](size_t nSize)
{
    return NewOrThrow(nSize, kAlign);
}

void* operator new(size_t nSize, const std::nothrow_t&) noexcept
{
    return GuardAlloc(nSize, kAlign);
}

void* operator new[](size_t nSize, const std::nothrow_t&) noexcept
{
    return GuardAlloc(nSize, kAlign);
}

void* operator new(size_t nSize, std::align_val_t nAlign)
{
    return NewOrThrow(nSize, static_cast<size_t>(nAlign));
}

void* operator new[](size_t nSize, std::align_val_t nAlign)
{
    return NewOrThrow(nSize, static_cast<size_t>(nAlign));
}

void operator delete(void* p) noexcept
{
    GuardFree(p, false);
}

void operator delete[](void* p) noexcept
{
    GuardFree(p, false);
}

void operator delete(void* p, size_t) noexcept
{
    GuardFree(p, false);
}

void operator delete[](void* p, size_t) noexcept
{
    GuardFree(p, false);
}

void operator delete(void* p, const std::nothrow_t&) noexcept
{
    GuardFree(p, false);
}

void operator delete[](void* p, const std::nothrow_t&) noexcept
{
    GuardFree(p, false);
}

void operator delete(void* p, std::align_val_t nAlign) noexcept
{
    GuardFree(p, static_cast<size_t>(nAlign) > kAlign);
}

void operator delete[](void* p, std::align_val_t nAlign) noexcept
{
    GuardFree(p, static_cast<size_t>(nAlign) > kAlign);
}

void operator delete(void* p, size_t, std::align_val_t nAlign) noexcept
{
    GuardFree(p, static_cast<size_t>(nAlign) > kAlign);
}

void operator delete[](void* p, size_t, std::align_val_t nAlign) noexcept
{
    GuardFree(p, static_cast<size_t>(nAlign) > kAlign);
}
