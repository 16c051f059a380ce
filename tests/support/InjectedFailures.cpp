#include "tests/support/InjectedFailures.h"

#include <map>

namespace {

UINT_PTR WINAPI FailingSetTimer(HWND window, UINT_PTR id, UINT ms, TIMERPROC proc)
{
    return TFailingSetTimer::Plan().Fails() ? 0 : SetTimer(window, id, ms, proc);
}

HICON WINAPI FailingGetIcon(HIMAGELIST list, int index, UINT flags)
{
    return TFailingGetIcon::Plan().Fails() ? nullptr : ImageList_GetIcon(list, index, flags);
}

// What each key handle of the registry class was opened for.
std::map<HKEY, REGSAM>& Granted()
{
    static std::map<HKEY, REGSAM> granted;
    return granted;
}

bool Allows(HKEY key, REGSAM right)
{
    if (!TFailingRegistry::EnforceAccess)
        return true;
    auto found = Granted().find(key);
    return found == Granted().end() || (found->second & right) == right;
}

LONG WINAPI OpenKey(HKEY root, LPCSTR path, DWORD options, REGSAM access, PHKEY key)
{
    LONG status = RegOpenKeyExA(root, path, options, access, key);
    if (status == ERROR_SUCCESS)
        Granted()[*key] = access;
    return status;
}

LONG WINAPI CreateKey(HKEY root, LPCSTR path, DWORD reserved, LPSTR keyClass, DWORD options, REGSAM access,
                      LPSECURITY_ATTRIBUTES security, PHKEY key, LPDWORD disposition)
{
    LONG status = RegCreateKeyExA(root, path, reserved, keyClass, options, access, security, key, disposition);
    if (status == ERROR_SUCCESS)
        Granted()[*key] = access;
    return status;
}

LONG WINAPI QueryValue(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size)
{
    if (!Allows(key, KEY_QUERY_VALUE))
        return ERROR_ACCESS_DENIED;
    return RegQueryValueExA(key, name, reserved, type, data, size);
}

LONG WINAPI SetValue(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size)
{
    if (TFailingRegistry::Writes().Fails() || !Allows(key, KEY_SET_VALUE))
        return ERROR_ACCESS_DENIED;
    return RegSetValueExA(key, name, reserved, type, data, size);
}

LONG WINAPI DeleteValue(HKEY key, LPCSTR name)
{
    if (TFailingRegistry::Deletes().Fails() || !Allows(key, KEY_SET_VALUE))
        return ERROR_ACCESS_DENIED;
    return RegDeleteValueA(key, name);
}

}  // namespace

TFailingSetTimer::TFailingSetTimer() : FSeam(SetTimerFunction, FailingSetTimer)
{
    Plan().Reset();
}

TFailurePlan& TFailingSetTimer::Plan()
{
    static TFailurePlan plan;
    return plan;
}

TFailingGetIcon::TFailingGetIcon() : FSeam(ImageListGetIconFunction, FailingGetIcon)
{
    Plan().Reset();
}

TFailurePlan& TFailingGetIcon::Plan()
{
    static TFailurePlan plan;
    return plan;
}

bool TFailingRegistry::EnforceAccess = false;

TFailingRegistry::TFailingRegistry()
    : FSeam(RegistryCalls, TRegistryCalls{OpenKey, CreateKey, QueryValue, SetValue, DeleteValue})
{
    Writes().Reset();
    Deletes().Reset();
    EnforceAccess = false;
    Granted().clear();
}

TFailingRegistry::~TFailingRegistry()
{
    EnforceAccess = false;
}

TFailurePlan& TFailingRegistry::Writes()
{
    static TFailurePlan plan;
    return plan;
}

TFailurePlan& TFailingRegistry::Deletes()
{
    static TFailurePlan plan;
    return plan;
}
