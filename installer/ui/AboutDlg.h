#pragma once

#include "Dialog.h"
#include "resource/InstallerResource.h"

// The About box: the dialog manager's OK and Close end it.
class CAboutDlg : public CDialog
{
public:
    CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
};
