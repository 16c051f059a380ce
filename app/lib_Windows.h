#pragma once
// Small wrappers over Windows calls shared by the program's units: the
// platform check, window placement, shell launch and version resources.
// Callers pass small enumerations and get a boolean back. The resource
// probe belongs to this unit too (app/ResourceProbe.h).

#include "app/ResourceProbe.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

// True on Windows NT-family systems; the platform is read once, at start.
bool IsWindowsNT();

enum ShowCommand {
    scHide,
    scMaximize,
    scMinimize,
    scRestore,
    scShow,
    scShowDefault,
    scShowMaximized,
    scShowMinimized,
    scShowMinNoActive,
    scShowNA,
    scShowNoActivate,
    scShowNormal,
};
// The Windows show command (SW_...) of a position.
int ShowCommandValue(ShowCommand command);

bool BringToFront(HWND window);
bool ShowWindowAs(HWND window, ShowCommand command);
bool SetStayOnTop(HWND window, bool onTop);
bool IsMinimized(HWND window);

enum ShellVerb { svOpen, svPrint, svExplore };
const char* ShellVerbText(ShellVerb verb);

// Opens a document, program or address ("http:", "mailto:") through the
// shell. True when the shell accepted it.
bool ShellRun(const std::string& file, const std::string& parameters, ShellVerb verb, ShowCommand command);

// The file version of a file's version resource. False, with all four
// numbers 0, when the file has none or it can't be read.
bool GetFileVersion(const std::string& fileName, unsigned& major, unsigned& minor, unsigned& release, unsigned& build);
