#include "tests/tray/ShellRecorder.h"

#include "framework/Application.h"
#include "resources/resource.h"

namespace {
int OpaquePixels(HICON icon)
{
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return -1;
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = 16;
    header.bmiHeader.biHeight = -16;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    DWORD pixels[16 * 16] = {};
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, info.hbmMask, 0, 16, pixels, &header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (rows != 16)
        return -1;
    int opaque = 0;
    for (DWORD pixel : pixels)
        if ((pixel & 0xFFFFFF) == 0)
            ++opaque;
    return opaque;
}

BOOL WINAPI RecordCall(DWORD message, TNotifyIconData* data)
{
    TShellCall call;
    call.Message = message;
    call.Data = *data;
    if (TShellRecorder::ReadGauges())
        call.Gauge = GaugeOfIcon(data->hIcon);
    call.Succeeded = !TShellRecorder::Failures(message).Fails();
    if (call.Succeeded && message == NIM_ADD)
        TShellRecorder::InTray() = true;
    if (call.Succeeded && message == NIM_DELETE)
        TShellRecorder::InTray() = false;
    TShellRecorder::Calls().push_back(call);
    return call.Succeeded;
}

TFailurePlan Plans[3];
}

TFailurePlan& TShellRecorder::Failures(DWORD message)
{
    return Plans[message <= NIM_DELETE ? message : NIM_DELETE];
}

bool& TShellRecorder::InTray()
{
    static bool inTray = false;
    return inTray;
}

std::vector<TShellCall>& TShellRecorder::Calls()
{
    static std::vector<TShellCall> calls;
    return calls;
}

int GaugeOfIcon(HICON icon)
{
    // The frame: rails in two columns, bars in four rows, 14 wide.
    const int framePixels = 2 * 16 + 4 * 12;
    int opaque = OpaquePixels(icon);
    if (opaque < framePixels || (opaque - framePixels) % 12 != 0)
        return -1;
    return (opaque - framePixels) / 12;
}

bool IsIcon(HICON icon)
{
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return false;
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    return true;
}

HICON LoadGauge()
{
    return static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), RESOURCE_NAME(RES_TRAY_GAUGE_EMPTY), IMAGE_ICON, 16, 16, 0));
}

bool& TShellRecorder::ReadGauges()
{
    static bool read = true;
    return read;
}

std::vector<int> TShellRecorder::Gauges()
{
    std::vector<int> gauges;
    for (const TShellCall& call : Calls())
        if (call.Message != NIM_DELETE)
            gauges.push_back(call.Gauge);
    return gauges;
}

TShellRecorder::TShellRecorder(bool readGauges) : FSeam(ShellNotifyIconFunction, RecordCall)
{
    Calls().clear();
    ReadGauges() = readGauges;
    for (TFailurePlan& plan : Plans)
        plan.Reset();
    InTray() = false;
}
