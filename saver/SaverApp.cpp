#include <windows.h>

// Placeholder entry point until the run modes exist: the program starts and ends at once.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return 0;
}
