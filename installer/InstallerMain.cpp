// The installer's one application object, found by the framework's entry.
#include "InstallerApp.h"

CInstallerApp theApp;
