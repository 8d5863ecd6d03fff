#pragma once

#include "Gdi.h"
#include "SaverWnd.h"
#include "ShowGeometry.h"
#include "ShowStep.h"

// The show: each picture slides in from the right, stands, and dissolves to black through a
// random 8 x 8 pattern; then the next one comes. Input and closing are the base class's.
class CSlideShowWnd : public CSaverWnd
{
public:
    explicit CSlideShowWnd(CSaverPlatform& platform = CSaverPlatform::System());

    // Draws the show as it stands: the whole client area on a repaint, else what a timer
    // step changes. A null context draws nothing.
    void DrawShow(CDC* pDC, BOOL bRepaint);

protected:
    int OnCreate(LPCREATESTRUCTW pCreate) override;
    void OnTimer(UINT_PTR nIdEvent) override;
    void OnPaint() override;

    void DrawFrame(CDC& dc, const ShowState& frame, BOOL bRepaint);
    // Drops the current picture and its scaled copy, then decodes picture m_show.m_nPicture.
    void LoadPicture();
    virtual HBITMAP LoadPictureBitmap(UINT nId);

    ShowState m_show;
    CBitmap m_bmpPicture;
    // The picture scaled once to the size it is drawn at, so that each step is a 1:1 copy
    // and every step shows the same pixels, only moved.
    CBitmap m_bmpScaled;
    SIZE m_sizeScaled{};

private:
    void DrawPicture(CDC& dc, const ShowGeometry& geometry, int x);
    BOOL PrepareScaled(CDC& dc, const ShowGeometry& geometry);
    void FillBands(CDC& dc, const ShowGeometry& geometry, int x, int nClientWidth, int nClientHeight);
    void ApplyPattern(CDC& dc, const PatternRows& wPattern, int nClientWidth, int nClientHeight);
};
