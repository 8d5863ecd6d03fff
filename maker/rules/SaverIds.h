#pragma once

#include <string>

// Whose an id already is. The id names <id>.scr in the system folder, the programs-list entry,
// Software\<id> and the folder under Program Files: an id that Windows or another maker uses
// there would have the installer overwrite, and the uninstall delete, what is not ours.
enum IdOwner
{
    ID_FREE,
    ID_DEVICE,          // CON, PRN, AUX, NUL, COM1-9, LPT1-9: no file can have the name
    ID_OURS,            // this tree's own saver
    ID_WINDOWS_SAVER,   // a saver that some Windows ships in its system folder
    ID_WELL_KNOWN_NAME  // a key under Software or a folder under Program Files of Windows or a known maker
};

// Compared without regard to case, as Windows compares file names and keys.
IdOwner OwnerOfId(const std::string& strId);
