#include "HandleInheritList.h"

#include "SystemLibrary.h"

namespace {

using PfnInitialize = BOOL(WINAPI*)(LPPROC_THREAD_ATTRIBUTE_LIST, DWORD, DWORD, PSIZE_T);
using PfnUpdate = BOOL(WINAPI*)(LPPROC_THREAD_ATTRIBUTE_LIST, DWORD, DWORD_PTR, PVOID, SIZE_T, PVOID, PSIZE_T);

}  // namespace

CHandleInheritList::CHandleInheritList(std::vector<HANDLE> handles) : m_handles(std::move(handles))
{
    const auto pfnInitialize = GetKernel32Proc<PfnInitialize>("InitializeProcThreadAttributeList");
    const auto pfnUpdate = GetKernel32Proc<PfnUpdate>("UpdateProcThreadAttribute");
    m_pfnDelete = GetKernel32Proc<PfnDelete>("DeleteProcThreadAttributeList");
    if (!pfnInitialize || !pfnUpdate || !m_pfnDelete || m_handles.empty())
        return;
    SIZE_T nSize = 0;
    pfnInitialize(nullptr, 1, 0, &nSize);
    m_buffer.resize(nSize);
    const auto pList = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(m_buffer.data());
    if (nSize == 0 || !pfnInitialize(pList, 1, 0, &nSize))
        return;
    m_pInitialised = pList;
    if (pfnUpdate(pList, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, m_handles.data(), m_handles.size() * sizeof(HANDLE),
                  nullptr, nullptr))
        m_pList = pList;
}

CHandleInheritList::~CHandleInheritList()
{
    if (m_pInitialised)
        m_pfnDelete(m_pInitialised);
}
