#include "framework/Font.h"

#include "framework/ClassBuilder.h"
#include "framework/GdiObject.h"

#include <cstring>

IMPLEMENT_ENUM_INFO(TFontStyle, "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut")

IMPLEMENT_CLASS(TFont)
{
    Property("Charset", &TFont::Charset, &TFont::SetCharset, BYTE(DEFAULT_CHARSET));
    Property("Color", &TFont::Color, &TFont::SetColor, clWindowText);
    Property("Height", &TFont::Height, &TFont::SetHeight, -11);
    Property("Name", &TFont::Name, &TFont::SetName, std::string("MS Sans Serif"));
    Property("Style", &TFont::Style, &TFont::SetStyle, TFontStyles());
}

TFont::TFont() = default;

int TFont::PixelsPerInch()
{
    static const int pixels = [] {
        TWindowDC screen(nullptr);
        int value = GetDeviceCaps(screen.Get(), LOGPIXELSY);
        return value > 0 ? value : 96;
    }();
    return pixels;
}

void TFont::SetName(const std::string& name)
{
    if (name.empty() || name == FName)
        return;
    FName = name;
    Changed();
}

void TFont::SetHeight(int height)
{
    if (height == FHeight)
        return;
    FHeight = height;
    Changed();
}

int TFont::Size() const
{
    return -MulDiv(FHeight, 72, PixelsPerInch());
}

void TFont::SetSize(int points)
{
    SetHeight(-MulDiv(points, PixelsPerInch(), 72));
}

void TFont::SetStyle(TFontStyles style)
{
    if (style == FStyle)
        return;
    FStyle = style;
    Changed();
}

void TFont::SetColor(TColor color)
{
    if (color == FColor)
        return;
    FColor = color;
    // The colour is not part of the GDI font: keep the handle.
    OnChange(this);
}

void TFont::SetCharset(BYTE charset)
{
    if (charset == FCharset)
        return;
    FCharset = charset;
    Changed();
}

LOGFONTA TFont::LogFont() const
{
    LOGFONTA font{};
    font.lfHeight = FHeight;
    font.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = FStyle.Contains(fsItalic);
    font.lfUnderline = FStyle.Contains(fsUnderline);
    font.lfStrikeOut = FStyle.Contains(fsStrikeOut);
    font.lfCharSet = FCharset;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH;
    std::strncpy(font.lfFaceName, FName.c_str(), LF_FACESIZE - 1);
    return font;
}

HFONT TFont::Handle()
{
    if (!FHandle) {
        LOGFONTA font = LogFont();
        FHandle.Reset(CreateFontIndirectA(&font));
    }
    return FHandle.Get();
}

void TFont::AssignLogFont(const LOGFONTA& font)
{
    FName = font.lfFaceName;
    FHeight = font.lfHeight;
    FStyle = TFontStyles();
    if (font.lfWeight >= FW_BOLD)
        FStyle.Include(fsBold);
    if (font.lfItalic)
        FStyle.Include(fsItalic);
    if (font.lfUnderline)
        FStyle.Include(fsUnderline);
    if (font.lfStrikeOut)
        FStyle.Include(fsStrikeOut);
    FCharset = font.lfCharSet;
    Changed();
}

void TFont::Assign(const TPersistent* source)
{
    if (const TFont* font = dynamic_cast<const TFont*>(source)) {
        // Painters assign the same font before every paint: the GDI font
        // is made again only when the face it describes differs.
        bool sameFace =
            FName == font->FName && FHeight == font->FHeight && FStyle == font->FStyle && FCharset == font->FCharset;
        FName = font->FName;
        FHeight = font->FHeight;
        FStyle = font->FStyle;
        FColor = font->FColor;
        FCharset = font->FCharset;
        if (sameFace)
            OnChange(this);
        else
            Changed();
        return;
    }
    TGraphicsObject::Assign(source);
}
