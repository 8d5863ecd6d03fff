#pragma once

#include "SystemSide.h"

#include <windows.h>

#include <string>

// A menu that the platform owns (a window's system menu): nothing to release.
class CMenu
{
public:
    explicit CMenu(HMENU hMenu = nullptr) : m_hMenu(hMenu) {}

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIdNewItem = 0, const std::wstring& strNewItem = std::wstring())
    {
        return SideAppendMenu(m_hMenu, nFlags, nIdNewItem, strNewItem);
    }

    UINT EnableMenuItem(UINT nIdEnableItem, UINT nEnable) { return ::EnableMenuItem(m_hMenu, nIdEnableItem, nEnable); }

    HMENU m_hMenu;
};
