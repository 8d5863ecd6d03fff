#pragma once

#include "ScopedHandle.h"

#include <windows.h>

#include <string>

class CWnd;

// The program's one application object. The entry (AppEntry.cpp) finds it through AfxGetApp,
// calls InitInstance and, when that returns TRUE, runs the message loop until the main
// window has been destroyed; when it returns FALSE, ExitInstance gives the exit code.
class CWinApp
{
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();

    // Told of every window of ours as it goes. The main window's going ends the message loop.
    void OnWindowDestroyed(const CWnd* pWnd);

    // Common controls initialisation, the present-day form of 3-D dialog controls. comctl32 is
    // loaded here, not imported, so that a program that shows none (the show) never loads it.
    BOOL Enable3dControls();

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
    // String IDS_APP_TITLE if the program has one, else its file name without extension: the
    // caption of message boxes.
    std::wstring m_strAppName;

private:
    CLibrary m_comctl32;
};

CWinApp* AfxGetApp();
