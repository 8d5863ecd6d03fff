#pragma once

#include "SaverPlatform.h"
#include "Wnd.h"

// The saver's base window: it decides when the saver ends. Full screen, input, movement
// beyond the slack and deactivation post close requests; on the 9x family the password
// service has the last word. As a preview or the windowed test it leaves everything to
// default processing.
class CSaverWnd : public CWnd
{
public:
    explicit CSaverWnd(CSaverPlatform& platform = CSaverPlatform::System());
    ~CSaverWnd() override;

    // Before creation: the windowed test window, which input does not close.
    void SetPreviewMode() { m_bPreview = TRUE; }

protected:
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

    virtual int OnCreate(LPCREATESTRUCTW pCreate);
    void OnClose();
    void OnDestroy();
    void OnSysCommand(UINT nId, LPARAM lParam) override;
    // Every input row of the message table goes through one decision.
    LRESULT OnInput(UINT nMsg, WPARAM wParam);
    void PostNcDestroy() override;

    BOOL m_bPreview = FALSE;
    CSaverPlatform& m_platform;

private:
    void PostCloseRequest();
    // The platform's, on the 9x family only.
    BOOL VerifyPassword();
    void SetScreenSaverRunning(BOOL bRunning);
    DWORD QueryUsePassword();

    BOOL m_bWin9x = FALSE;
    BOOL m_bVerifying = FALSE;
    POINT m_ptCursor{};
};
