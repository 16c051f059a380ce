#include "app/Seams.h"

TBeepFunction WarningBeepFunction = MessageBeep;
TSleepFunction FillSleepFunction = Sleep;
std::string ExecutablePathOverride;
TShellExecute ShellExecuteFunction = ShellExecuteExA;
TResourceQuery ResourceQueryOverride = nullptr;
