// Quorvel's entry: the start-up sequence, then the clean-up of the units.

#include "app/Startup.h"
#include "framework/Application.h"
#include "framework/Finalization.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    int exitCode = 0;
    try {
        exitCode = RunQuorvel();
    } catch (...) {
        if (Application)
            Application->HandleException(nullptr);
        exitCode = 1;
    }
    RunFinalizers();
    return exitCode;
}
