#pragma once

#include "Dialog.h"

// The About box (template 100): the dialog manager's OK and Close end it.
class CAboutDlg : public CDialog
{
public:
    CAboutDlg() : CDialog(kIdTemplate) {}

private:
    static const UINT kIdTemplate = 100;
};
