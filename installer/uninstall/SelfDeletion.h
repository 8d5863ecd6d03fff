#pragma once

// A running program cannot delete its own file. The uninstaller, run from our folder, hands
// that last step to a temporary copy of itself: the copy is opened delete-on-close and started
// with that handle and a handle to the uninstaller inherited, waits for the uninstaller to
// end, removes its program and the folder, and ends; the platform deletes the copy as the last
// handle to it closes with the copy's end. Nothing is left once it has ended.
class CSelfDeletion
{
public:
    // In the uninstaller, as its last act. Where no copy can be started, the program and the
    // folder are left to the next restart.
    static void Start();

    // In the copy (/cleanup N): N is the uninstaller's process handle. Always 0.
    static int Run(unsigned long long nProcessHandle);

private:
    static bool StartCopy();
};
