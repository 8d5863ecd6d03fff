#pragma once

#include <windows.h>

#include <vector>

// A process attribute list that lets a new process inherit exactly the given handles and no
// other inheritable handle of ours. Its calls came with Vista and are bound at run time;
// elsewhere Get() is null and a start inherits every inheritable handle, as it always did.
class CHandleInheritList
{
public:
    explicit CHandleInheritList(std::vector<HANDLE> handles);
    ~CHandleInheritList();
    CHandleInheritList(const CHandleInheritList&) = delete;
    CHandleInheritList& operator=(const CHandleInheritList&) = delete;

    // For STARTUPINFOEX, with EXTENDED_STARTUPINFO_PRESENT; null where the platform has none.
    LPPROC_THREAD_ATTRIBUTE_LIST Get() const { return m_pList; }

private:
    using PfnDelete = VOID(WINAPI*)(LPPROC_THREAD_ATTRIBUTE_LIST);

    // The platform reads the handles from here until the process is started.
    std::vector<HANDLE> m_handles;
    std::vector<char> m_buffer;
    PfnDelete m_pfnDelete = nullptr;
    LPPROC_THREAD_ATTRIBUTE_LIST m_pInitialised = nullptr;
    LPPROC_THREAD_ATTRIBUTE_LIST m_pList = nullptr;
};
