#pragma once

// The installer's resource ids, shared by installer.rc and the code. Plain defines only:
// windres reads this file too.

#define IDR_INSTALL_SCRIPT 1  // FILE
#define IDR_PAYLOAD 2         // FILE: the ZIP that carries the saver

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_INSTALLER 102
#define IDD_PROGRESS 103
#define IDI_PRODUCT 128
#define IDB_PICTURE 129

#define IDC_PROGRESS 1000
