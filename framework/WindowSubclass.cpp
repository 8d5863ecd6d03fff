#include "WindowSubclass.h"

#include "SystemLibrary.h"
#include "SystemSide.h"

namespace {

// Where the window procedure is replaced, the subclass object is found through this property.
const char kSubclassProp[] = "Orvanta.Subclass";

template <typename PFN>
PFN GetComctl32Proc(const char* pszName, WORD nOrdinal)
{
    const PFN pfn = GetLinkedProc<PFN>("comctl32.dll", pszName);
    return pfn ? pfn : GetLinkedProc<PFN>("comctl32.dll", MAKEINTRESOURCEA(nOrdinal));
}

}  // namespace

bool CWindowSubclass::BindComctl32()
{
    const auto pfnSet = GetComctl32Proc<PFNSETWINDOWSUBCLASS>("SetWindowSubclass", 410);
    const auto pfnRemove = GetComctl32Proc<PFNREMOVEWINDOWSUBCLASS>("RemoveWindowSubclass", 412);
    const auto pfnDefault = GetComctl32Proc<PFNDEFSUBCLASSPROC>("DefSubclassProc", 413);
    if (!pfnSet || !pfnRemove || !pfnDefault || !pfnSet(m_hWnd, m_pfnProc, 0, m_dwRefData))
        return false;
    m_pfnRemove = pfnRemove;
    m_pfnDefault = pfnDefault;
    return true;
}

bool CWindowSubclass::ReplaceWindowProc()
{
    if (!SideSetProp(m_hWnd, kSubclassProp, this))
        return false;
    m_pfnPrevious = reinterpret_cast<WNDPROC>(
        SideSetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWindowSubclass::ReplacedProc)));
    if (m_pfnPrevious == nullptr)
        SideRemoveProp(m_hWnd, kSubclassProp);
    return m_pfnPrevious != nullptr;
}

bool CWindowSubclass::Install(HWND hWnd, SUBCLASSPROC pfnProc, DWORD_PTR dwRefData)
{
    m_hWnd = hWnd;
    m_pfnProc = pfnProc;
    m_dwRefData = dwRefData;
    if (!BindComctl32() && !ReplaceWindowProc())
        m_hWnd = nullptr;
    return IsInstalled();
}

void CWindowSubclass::Remove()
{
    if (m_pfnRemove) {
        m_pfnRemove(m_hWnd, m_pfnProc, 0);
    } else if (m_pfnPrevious) {
        SideSetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnPrevious));
        SideRemoveProp(m_hWnd, kSubclassProp);
    }
    m_hWnd = nullptr;
    m_pfnRemove = nullptr;
    m_pfnDefault = nullptr;
    m_pfnPrevious = nullptr;
}

LRESULT CWindowSubclass::Default(UINT nMsg, WPARAM wParam, LPARAM lParam) const
{
    return m_pfnDefault ? m_pfnDefault(m_hWnd, nMsg, wParam, lParam)
                        : SideCallWindowProc(m_pfnPrevious, m_hWnd, nMsg, wParam, lParam);
}

LRESULT CALLBACK CWindowSubclass::ReplacedProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    const auto* pSubclass = static_cast<const CWindowSubclass*>(SideGetProp(hWnd, kSubclassProp));
    return pSubclass ? pSubclass->m_pfnProc(hWnd, nMsg, wParam, lParam, 0, pSubclass->m_dwRefData)
                     : SideDefWindowProc(hWnd, nMsg, wParam, lParam);
}
