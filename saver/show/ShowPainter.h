#pragma once

#include "Gdi.h"
#include "PreparedPicture.h"
#include "ShowStep.h"

#include <vector>

// What a frame is drawn over: the window's areas, the current picture as prepared for them
// (null before the first) and the size of the client area.
struct ShowScene
{
    const std::vector<ShowArea>& m_areas;
    PreparedPicture* m_pPicture;
    SIZE m_sizeClient;
};

// Draws the show's frames into the window's context: each area's picture in its fit between
// black bands, and the dissolve's cells aligned with the window. It keeps what the window shows
// after each timer step, so that a dissolve step copies only the rows that gain a cell.
class CShowPainter
{
public:
    // The whole client area on a repaint, else what a timer step changes.
    void Draw(CDC& dc, const ShowState& frame, BOOL bRepaint, const ShowScene& scene);
    // What the window shows is no longer known: after a new layout, or a step drawn nowhere.
    void Forget() { m_bOutsideBlack = m_bPicturesShown = FALSE; }
    // A repaint's context may hold anything outside the pictures.
    void ForgetOutside() { m_bOutsideBlack = FALSE; }

private:
    void DrawDissolveStep(CDC& dc, const PatternRows& wPattern, const ShowScene& scene);

    // Whether everything outside the pictures is black on the window, as each dissolve leaves
    // it: a dissolve step then has nothing to do there.
    BOOL m_bOutsideBlack = FALSE;
    // Whether the window shows each area's picture whole, with the cells m_wShownCells black, as
    // the last timer step drew it.
    BOOL m_bPicturesShown = FALSE;
    PatternRows m_wShownCells{};
};
