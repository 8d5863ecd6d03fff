#pragma once

#include "Gdi.h"

// Selects an object into a context for one scope and puts back what it replaced, so that no
// context is left holding an object that is about to be deleted.
class CScopedSelect
{
public:
    CScopedSelect(CDC& dc, const CGdiObject& object) : CScopedSelect(dc, object.GetSafeHandle()) {}
    // An object the caller only borrows.
    CScopedSelect(CDC& dc, HGDIOBJ hObject) : m_hDC(dc.GetSafeHdc()), m_hOld(::SelectObject(m_hDC, hObject)) {}
    ~CScopedSelect()
    {
        if (m_hOld != nullptr && m_hOld != HGDI_ERROR)
            ::SelectObject(m_hDC, m_hOld);
    }
    CScopedSelect(const CScopedSelect&) = delete;
    CScopedSelect& operator=(const CScopedSelect&) = delete;

    // FALSE when the object could not be selected: nothing drawn through it would show.
    BOOL IsSelected() const { return m_hOld != nullptr && m_hOld != HGDI_ERROR; }

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};
