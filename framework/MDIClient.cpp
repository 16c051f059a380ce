#include "framework/MDIClient.h"

#include "framework/Exceptions.h"

namespace {

// Menu identifiers of the children, should a window menu ever list them:
// far above any command identifier of the program's own menus.
const UINT FirstChildId = 0xFF00;

bool IsMDIChildWindow(HWND window)
{
    return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
}

}  // namespace

TMDIClient::TMDIClient(HWND frame) : FFrame(frame)
{
    RECT client{0, 0, 0, 0};
    GetClientRect(frame, &client);
    CLIENTCREATESTRUCT create{};
    create.hWindowMenu = nullptr;
    create.idFirstChild = FirstChildId;
    // The children keep the styles their forms give them: without
    // MDIS_ALLCHILDSTYLES the system would give each a standard frame and
    // show it as soon as it is made.
    FHandle = CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                              WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VISIBLE | MDIS_ALLCHILDSTYLES, 0, 0,
                              client.right, client.bottom, frame, nullptr, GetModuleHandleA(nullptr), &create);
    if (!FHandle)
        throw EOutOfResources("Error creating the MDI client window");
}

TMDIClient::~TMDIClient()
{
    // The frame's destruction may have taken the window already; a handle
    // value the system has given to another window is not ours to destroy.
    if (IsWindow(FHandle) && GetParent(FHandle) == FFrame)
        DestroyWindow(FHandle);
}

std::vector<HWND> TMDIClient::Children() const
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(FHandle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsMDIChildWindow(child))
            children.push_back(child);
    return children;
}

HWND TMDIClient::ActiveChild() const
{
    return reinterpret_cast<HWND>(SendMessageA(FHandle, WM_MDIGETACTIVE, 0, 0));
}

void TMDIClient::Activate(HWND child) const
{
    SendMessageA(FHandle, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
}

void TMDIClient::DestroyChild(HWND child) const
{
    SendMessageA(FHandle, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
}
