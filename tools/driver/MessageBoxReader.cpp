#include "MessageBoxReader.h"

#include "Windows.h"

#include <cstdint>

namespace {

std::string WithoutAmpersands(const std::string& text)
{
    std::string result;
    for (char c : text)
        if (c != '&')
            result += c;
    return result;
}

struct TChildren {
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM data)
{
    reinterpret_cast<TChildren*>(data)->windows.push_back(window);
    return TRUE;
}

std::vector<HWND> Children(HWND parent)
{
    TChildren children;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children.windows;
}

bool IsIconStatic(HWND window)
{
    return WindowClass(window) == "Static" && (GetWindowLongA(window, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

// A 32-bit top-down bitmap of the given size with a memory DC.
class TPixels {
public:
    TPixels(int width, int height) : FWidth(width), FHeight(height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        FDC = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        FBitmap = CreateDIBSection(FDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        FBits = static_cast<uint32_t*>(bits);
        FOld = SelectObject(FDC, FBitmap);
    }
    ~TPixels()
    {
        SelectObject(FDC, FOld);
        DeleteObject(FBitmap);
        DeleteDC(FDC);
    }
    TPixels(const TPixels&) = delete;
    TPixels& operator=(const TPixels&) = delete;

    HDC Dc() const { return FDC; }
    uint32_t At(int x, int y) const { return FBits[y * FWidth + x] & 0xFFFFFF; }
    void Fill(uint32_t pixel)
    {
        GdiFlush();
        for (int i = 0; i < FWidth * FHeight; ++i)
            FBits[i] = pixel;
    }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

private:
    int FWidth;
    int FHeight;
    HDC FDC;
    HBITMAP FBitmap;
    HGDIOBJ FOld;
    uint32_t* FBits;
};

// Which standard icon the control shows, by comparing what is on screen
// with each candidate drawn on the control's background.
std::string IdentifyIcon(HWND iconControl)
{
    RECT rect;
    GetWindowRect(iconControl, &rect);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return "unknown";
    TPixels screen(width, height);
    HDC screenDc = GetDC(nullptr);
    BitBlt(screen.Dc(), 0, 0, width, height, screenDc, rect.left, rect.top, SRCCOPY);
    ReleaseDC(nullptr, screenDc);
    GdiFlush();
    uint32_t background = screen.At(0, 0);

    struct TCandidate {
        const char* name;
        LPCSTR id;
    };
    const TCandidate candidates[] = {
        {"stop", IDI_HAND},
        {"exclamation", IDI_EXCLAMATION},
        {"information", IDI_ASTERISK},
        {"question", IDI_QUESTION},
    };
    std::string best = "unknown";
    int fewest = width * height / 20 + 1;
    for (const TCandidate& candidate : candidates) {
        TPixels drawn(width, height);
        drawn.Fill(background);
        DrawIconEx(drawn.Dc(), 0, 0, LoadIconA(nullptr, candidate.id), 0, 0, 0, nullptr, DI_NORMAL);
        GdiFlush();
        int different = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (drawn.At(x, y) != screen.At(x, y))
                    ++different;
        if (different < fewest) {
            fewest = different;
            best = candidate.name;
        }
    }
    return best;
}

}  // namespace

TMessageBoxContents ReadMessageBox(HWND box)
{
    TMessageBoxContents contents;
    contents.title = WindowText(box);
    contents.icon = "none";
    for (HWND child : Children(box)) {
        if (!IsWindowVisible(child))
            continue;
        std::string className = WindowClass(child);
        if (IsIconStatic(child))
            contents.icon = IdentifyIcon(child);
        else if (className == "Static" && contents.text.empty())
            contents.text = WindowText(child);
        else if (className == "Button")
            contents.buttons.push_back(WithoutAmpersands(WindowText(child)));
    }
    return contents;
}

bool PressButton(HWND box, const std::string& caption)
{
    for (HWND child : Children(box)) {
        if (WindowClass(child) != "Button" || !IsWindowVisible(child) ||
            WithoutAmpersands(WindowText(child)) != caption)
            continue;
        // As a click would: the box gets the button's command.
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), BN_CLICKED), reinterpret_cast<LPARAM>(child));
        return true;
    }
    return false;
}
