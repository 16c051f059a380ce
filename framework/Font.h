#pragma once
// A font described by name, height, style, colour and character set, with
// its GDI font made on demand. Height is in pixels (negative: character
// height), Size in points at the screen's resolution.

#include "framework/Colors.h"
#include "framework/EnumInfo.h"
#include "framework/GdiObject.h"
#include "framework/GraphicsObject.h"
#include "framework/Set.h"

#include <string>

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
DECLARE_ENUM_INFO(TFontStyle)
using TFontStyles = TSet<TFontStyle>;

class TFont : public TGraphicsObject {
    DECLARE_CLASS(TFont, TGraphicsObject)
public:
    TFont();

    const std::string& Name() const { return FName; }
    void SetName(const std::string& name);
    int Height() const { return FHeight; }
    void SetHeight(int height);
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    BYTE Charset() const { return FCharset; }
    void SetCharset(BYTE charset);

    // The GDI font, owned by this object; valid until the next change.
    HFONT Handle();
    // Takes name, height, style and character set from a LOGFONT.
    void AssignLogFont(const LOGFONTA& font);
    LOGFONTA LogFont() const;

    void Assign(const TPersistent* source) override;

    // Pixels per logical inch of the screen, read once.
    static int PixelsPerInch();

protected:
    HGDIOBJ DetachHandle() override { return FHandle.Release(); }

private:
    std::string FName = "MS Sans Serif";
    int FHeight = -11;
    TFontStyles FStyle;
    TColor FColor = clWindowText;
    BYTE FCharset = DEFAULT_CHARSET;
    TGdiHandle<HFONT> FHandle;
};
