// The installer's one application object, found by the framework's entry.
#include "app/InstallerApp.h"

CInstallerApp theApp;
