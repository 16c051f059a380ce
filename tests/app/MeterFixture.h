#pragma once
// A controller window over a fed probe, a recorded shell, counted beeps and
// boxes, and a settings key and Run entry that start and end absent.

#include "tests/support/BoxRecorder.h"
#include "tests/support/RegistryTree.h"
#include "tests/tray/ShellRecorder.h"

#include "app/Seams.h"
#include "app/frm_Quorvel.h"
#include "framework/ScopeGuard.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

// What the probe answers; every query is counted.
struct TProbeFeed {
    static int32_t System;
    static int32_t GDI;
    static int32_t User;
    static int Queries;
    static void Set(int32_t system, int32_t user, int32_t gdi)
    {
        System = system;
        User = user;
        GDI = gdi;
    }
};

// The path the controller believes it runs from: its Run entry is named
// "Quorvel.exe" and the path has a space, so the entry is quoted.
extern const char TestExePath[];
extern const char TestRunName[];

struct TMeterFixture {
    TMeterFixture();
    ~TMeterFixture();
    TMeterFixture(const TMeterFixture&) = delete;
    TMeterFixture& operator=(const TMeterFixture&) = delete;

    // Creates the controller from its layout (FormCreate runs).
    void CreateForm();
    void FreeForm();

    TShellRecorder Shell;
    TBoxRecorder Boxes;
    TScopedOverride<TResourceQuery> ProbeSeam;
    TScopedOverride<TBeepFunction> BeepSeam;
    TScopedOverride<TSleepFunction> SleepSeam;
    TScopedOverride<std::string> PathSeam;
    TfrmQuorvel* Form = nullptr;
    static int Beeps;
    static int Sleeps;
};

// Right-click on the controller's tray icon; the menu closes itself after
// closeAfterMs.
void OpenTrayMenu(TfrmQuorvel* form, UINT closeAfterMs = 30);

// Chooses "About..." and runs action once from inside the box's modal
// loop; returns when that loop has ended.
void ChooseAbout(TfrmQuorvel* form, std::function<void()> action);

// Registry helpers of the tests, under HKEY_CURRENT_USER.
bool ReadDword(const std::string& key, const std::string& name, DWORD& value);
bool ReadString(const std::string& key, const std::string& name, std::string& value);
// REG_NONE when missing.
DWORD ValueType(const std::string& key, const std::string& name);
void WriteDword(const std::string& key, const std::string& name, DWORD value);
void WriteString(const std::string& key, const std::string& name, const std::string& value);
void DeleteValue(const std::string& key, const std::string& name);

// Lets everybody read the key and nobody write to it; or gives full access
// back. False when the key can't be opened.
bool SetKeyWritable(const std::string& path, bool writable);

// The settings key path without its leading backslash.
std::string SettingsPath();
std::string RunPath();
