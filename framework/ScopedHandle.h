#pragma once

#include <windows.h>

// Owns one platform handle and closes it on every path. Handles that the platform reports as
// INVALID_HANDLE_VALUE are stored as null by their owners, so null alone means "none".
template <typename T, auto pfnClose>
class CScopedHandle
{
public:
    CScopedHandle() = default;
    explicit CScopedHandle(T h) : m_h(h) {}
    ~CScopedHandle() { Reset(); }

    CScopedHandle(const CScopedHandle&) = delete;
    CScopedHandle& operator=(const CScopedHandle&) = delete;
    CScopedHandle(CScopedHandle&& other) noexcept : m_h(other.Release()) {}
    CScopedHandle& operator=(CScopedHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    T Get() const { return m_h; }
    explicit operator bool() const { return m_h != T(); }

    T Release()
    {
        const T h = m_h;
        m_h = T();
        return h;
    }

    void Reset(T h = T())
    {
        if (m_h != T())
            pfnClose(m_h);
        m_h = h;
    }

private:
    T m_h = T();
};

using CKernelHandle = CScopedHandle<HANDLE, &CloseHandle>;
using CRegistryKey = CScopedHandle<HKEY, &RegCloseKey>;
using CLibrary = CScopedHandle<HMODULE, &FreeLibrary>;
using CFindHandle = CScopedHandle<HANDLE, &FindClose>;
using CLocalMemory = CScopedHandle<HLOCAL, &LocalFree>;
