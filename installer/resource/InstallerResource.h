#pragma once

// The installer's resource ids, shared by installer.rc and the code. Plain defines only:
// windres reads this file too.

#define IDR_INSTALL_SCRIPT 1  // FILE
#define IDR_PAYLOAD 2         // FILE: the ZIP that carries the saver

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_INSTALLER 102
#define IDD_PROGRESS 103
#define IDS_SWITCHES 110           // the switches a command line may give
#define IDS_UNINSTALL_CONFIRM 111  // behind the product's name
#define IDS_UNINSTALL_DONE 112
#define IDS_UNINSTALL_AT_RESTART 113
#define IDS_UNINSTALL_FAILED 114
#define IDS_NOTHING_INSTALLED 115  // behind the product's name
#define IDS_BUSY 116               // another installer or uninstaller runs
#define IDS_INSTALL_DONE 117
#define IDS_INSTALL_FAILED 118
#define IDS_TITLE_SUFFIX 119  // behind the product's display name in the main dialog's title
#define IDS_PUBLISHER 120     // in the programs list, as the version block credits it
// Another program's saver file or programs-list entry has our name: nothing was done.
#define IDS_INSTALL_REFUSED 121
// Installed, but a policy sets the desktop's saver: the saver it names comes between the two.
#define IDS_POLICY_NAMES_SAVER 122
#define IDS_POLICY_NAMES_SAVER_END 123
// Installed, but a policy turns savers off.
#define IDS_POLICY_SAVERS_OFF 124
#define IDI_PRODUCT 128
#define IDB_PICTURE 129

#define IDC_PROGRESS 1000
