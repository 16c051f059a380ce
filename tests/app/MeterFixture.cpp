#include "tests/app/MeterFixture.h"
#include "tests/support/MessagePump.h"

#include "app/ResourceProbe.h"
#include "app/frm_Details.h"
#include "app/lib_Registry.h"
#include "framework/Application.h"
#include "framework/MenuItem.h"
#include "tray/VxTrayIcon.h"

#include <aclapi.h>

int32_t TProbeFeed::System = -1;
int32_t TProbeFeed::GDI = -1;
int32_t TProbeFeed::User = -1;
int TProbeFeed::Queries = 0;
int TMeterFixture::Beeps = 0;
int TMeterFixture::Sleeps = 0;

const char TestExePath[] = "C:\\Program Files\\Quorvel\\Quorvel.exe";
const char TestRunName[] = "Quorvel.exe";

namespace {

int32_t FeedProbe(uint16_t selector)
{
    ++TProbeFeed::Queries;
    switch (selector) {
    case rkSystem: return TProbeFeed::System;
    case rkGDI: return TProbeFeed::GDI;
    default: return TProbeFeed::User;
    }
}

BOOL WINAPI CountBeep(UINT)
{
    ++TMeterFixture::Beeps;
    return TRUE;
}

void WINAPI CountSleep(DWORD)
{
    ++TMeterFixture::Sleeps;
}

}  // namespace

std::string SettingsPath()
{
    return &SettingsKey[1];
}

std::string RunPath()
{
    return &RunKey[1];
}

TMeterFixture::TMeterFixture()
    : ProbeSeam(ResourceQueryOverride, FeedProbe), BeepSeam(WarningBeepFunction, CountBeep),
      SleepSeam(FillSleepFunction, CountSleep), PathSeam(ExecutablePathOverride, TestExePath)
{
    TProbeFeed::Set(-1, -1, -1);
    TProbeFeed::Queries = 0;
    Beeps = 0;
    Sleeps = 0;
    FreeSystem = FreeUser = FreeGDI = -1;
    WarningShown = false;
    WarningBusy = false;
    DeleteKeyTree(HKEY_CURRENT_USER, SettingsPath());
    DeleteValue(RunPath(), TestRunName);
}

TMeterFixture::~TMeterFixture()
{
    FreeForm();
    DeleteKeyTree(HKEY_CURRENT_USER, SettingsPath());
    DeleteValue(RunPath(), TestRunName);
}

void TMeterFixture::CreateForm()
{
    Form = Create<TfrmQuorvel>(Application);
    frmQuorvel = Form;
}

void TMeterFixture::FreeForm()
{
    // The details window belongs to the application, as in the program;
    // each test starts without one.
    FreeAndNil(frmDetails);
    if (Form)
        FreeAndNil(Form);
    frmQuorvel = nullptr;
}

void OpenTrayMenu(TfrmQuorvel* form, UINT closeAfterMs)
{
    CloseMenuAfter(closeAfterMs);
    SendMessageA(form->VxTrayIcon->WindowHandle(), TrayCallbackMessage, 0, WM_RBUTTONUP);
}

namespace {
std::function<void()> ModalAction;

void CALLBACK RunModalAction(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    std::function<void()> action = std::move(ModalAction);
    action();
}
}  // namespace

void ChooseAbout(TfrmQuorvel* form, std::function<void()> action)
{
    ModalAction = std::move(action);
    SetTimer(nullptr, 0, 10, RunModalAction);
    form->pmiAbout->Click();
}

namespace {
bool Query(const std::string& keyPath, const std::string& name, DWORD& type, std::string& data)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    char buffer[1024] = {};
    DWORD size = sizeof buffer;
    LONG result = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return false;
    data.assign(buffer, size);
    return true;
}

void Set(const std::string& keyPath, const std::string& name, DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}
}  // namespace

bool ReadDword(const std::string& key, const std::string& name, DWORD& value)
{
    DWORD type = 0;
    std::string data;
    if (!Query(key, name, type, data) || type != REG_DWORD || data.size() != 4)
        return false;
    value = *reinterpret_cast<const DWORD*>(data.data());
    return true;
}

bool ReadString(const std::string& key, const std::string& name, std::string& value)
{
    DWORD type = 0;
    std::string data;
    if (!Query(key, name, type, data) || type != REG_SZ)
        return false;
    value = data.c_str();
    return true;
}

DWORD ValueType(const std::string& key, const std::string& name)
{
    DWORD type = REG_NONE;
    std::string data;
    if (!Query(key, name, type, data))
        return REG_NONE;
    return type;
}

void WriteDword(const std::string& key, const std::string& name, DWORD value)
{
    Set(key, name, REG_DWORD, &value, sizeof value);
}

void WriteString(const std::string& key, const std::string& name, const std::string& value)
{
    Set(key, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

void DeleteValue(const std::string& keyPath, const std::string& name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
}

// Lets everybody read the key and nobody write to it; or gives full
// access back. Windows 9x mode opens keys with all the access there is, so
// the write to the opened key is what fails.
bool SetKeyWritable(const std::string& path, bool writable)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, READ_CONTROL | WRITE_DAC, &key) != ERROR_SUCCESS)
        return false;
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    EXPLICIT_ACCESSA access{};
    access.grfAccessPermissions = writable ? KEY_ALL_ACCESS : KEY_READ | READ_CONTROL | WRITE_DAC;
    access.grfAccessMode = SET_ACCESS;
    access.grfInheritance = NO_INHERITANCE;
    access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    access.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    access.Trustee.ptstrName = static_cast<LPSTR>(everyone);
    PACL acl = nullptr;
    SetEntriesInAclA(1, &access, nullptr, &acl);
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE);
    LONG result = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor);
    LocalFree(acl);
    FreeSid(everyone);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}
