#pragma once

#include <unknwn.h>

// Owns one reference to a COM object and releases it on every path.
template <class T>
class CComPtr
{
public:
    CComPtr() = default;
    ~CComPtr()
    {
        if (m_p)
            m_p->Release();
    }
    CComPtr(const CComPtr&) = delete;
    CComPtr& operator=(const CComPtr&) = delete;

    T* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }

    // For calls that hand out a new reference; whatever was held is released first.
    T** Receive()
    {
        if (m_p)
            m_p->Release();
        m_p = nullptr;
        return &m_p;
    }
    void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }

private:
    T* m_p = nullptr;
};
