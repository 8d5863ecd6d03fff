#pragma once

#include "WinApp.h"

// The saver's application object: the first switch of the command line picks the run mode.
class CSaverApp : public CWinApp
{
public:
    BOOL InitInstance() override;
    int Run() override;

private:
    // The picture window: full screen without a parent, else a child filling its client area.
    BOOL DoSaver(HWND hParent);
    // The 800 x 600 test window, which input does not close.
    BOOL DoWindowed();
    void DoConfig(HWND hOwner);
    void DoChangePassword(HWND hWnd);
};
