#pragma once

#include "ScopedHandle.h"

// A thread that its owner waits for before it goes, so that whatever the thread works on
// outlives it.
class CThread
{
public:
    CThread() = default;
    ~CThread() { Join(); }
    CThread(const CThread&) = delete;
    CThread& operator=(const CThread&) = delete;

    // FALSE when the thread could not be started. A thread started before is waited for first.
    BOOL Start(LPTHREAD_START_ROUTINE pfnStart, LPVOID pParam, SIZE_T nStackSize = 0)
    {
        Join();
        DWORD nThreadId = 0;
        m_hThread.Reset(CreateThread(nullptr, nStackSize, pfnStart, pParam, 0, &nThreadId));
        return m_hThread ? TRUE : FALSE;
    }

    BOOL IsStarted() const { return m_hThread ? TRUE : FALSE; }

    // Returns once the thread has ended; at once when there is none.
    void Join()
    {
        if (m_hThread)
            WaitForSingleObject(m_hThread.Get(), INFINITE);
        m_hThread.Reset();
    }

private:
    CKernelHandle m_hThread;
};
