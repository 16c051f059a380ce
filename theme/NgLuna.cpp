#include "theme/NgLuna.h"

#include "framework/ClassBuilder.h"
#include "framework/Stream.h"
#include "resources/resource.h"
#include "theme/KsBitmap.h"
#include "theme/KsHue.h"

IMPLEMENT_CLASS(TNgLuna) {}

namespace {
TNgTheme* CreateLuna()
{
    return Create<TNgLuna>();
}

TOwned<TKsBitmap> LoadAtlas(const char* resourceName)
{
    TOwned<TKsBitmap> atlas = MakeOwned<TKsBitmap>();
    {
        TResourceStream stream(GetModuleHandleA(nullptr), resourceName, RT_RCDATA);
        atlas->LoadFromStream(stream);
    }
    atlas->SetTransparentColor(KsMagentaKey);
    return atlas;
}

// Indexed by TNgMetric.
const int Metrics[] = {3,  2,  29, 19, 10, 21, 21, 14, 14, 4,  4,  3,  3, 3,
                       22, 17, 16, 16, 16, 16, 11, 22, 4,  22, 17, 17, 2, 21};

struct TRgb {
    BYTE R, G, B;
};
// Indexed by TNgColor. ncUnused1 is asked for by no caller; it and indices
// past the table give the fallback.
const TRgb FallbackColor = {0, 0, 0};
const TRgb Colors[] = {
    {255, 255, 255}, FallbackColor,   {255, 255, 255}, {255, 255, 220}, {49, 106, 197},  {128, 128, 128},
    {255, 255, 255}, {49, 106, 197},  {255, 255, 255}, {49, 106, 197},  {0, 0, 0},       {255, 255, 255},
    {0, 0, 0},       {255, 255, 255}, {128, 128, 128}, {0, 0, 0},       {149, 206, 255}, {49, 106, 197},
};

template <class T, size_t N>
constexpr int CountOf(const T (&)[N])
{
    return static_cast<int>(N);
}
static_assert(CountOf(Metrics) == nmCount, "one metric per TNgMetric");
static_assert(CountOf(Colors) == ncCount, "one colour per TNgColor");
}

TNgLuna::TNgLuna() : TNgLuna(RESOURCE_NAME(RES_LUNA_ATLAS), RESOURCE_NAME(RES_LUNA_ATLAS_INACTIVE)) {}

TNgLuna::TNgLuna(const char* activeResource, const char* inactiveResource)
    : FActive(LoadAtlas(activeResource)), FInactive(LoadAtlas(inactiveResource))
{
}

// The inactive atlas goes first, as it was made last.
TNgLuna::~TNgLuna()
{
    FInactive.reset();
    FActive.reset();
}

const TNgThemeClass& TNgLuna::StaticThemeClass()
{
    static const TNgThemeClass themeClass("Luna XP", true, &CreateLuna);
    return themeClass;
}

const TNgThemeClass& TNgLuna::ThemeClass() const
{
    return StaticThemeClass();
}

void TNgLuna::HueChanged()
{
    FActive->ChangeHue(HueDelta());
    FInactive->ChangeHue(HueDelta());
}

int TNgLuna::GetMetric(int index)
{
    return index >= 0 && index < CountOf(Metrics) ? Metrics[index] : 0;
}

TColor TNgLuna::GetColor(int index)
{
    const TRgb& rgb = index >= 0 && index < CountOf(Colors) ? Colors[index] : FallbackColor;
    // Every colour follows the hue setting, even white, which the HSL round
    // trip leaves white.
    return PixelToColor(HueShiftPixel(MakeColor(rgb.R, rgb.G, rgb.B, 255), DeltaHue()));
}

std::string TNgLuna::GetFontName(int index)
{
    // "Tahome" is the stored fallback face; the font mapper substitutes it.
    return index >= nfCaption && index <= nfHeaderBar ? "Tahoma" : "Tahome";
}

int TNgLuna::GetFontSize(int index)
{
    return index == nfCaption ? 10 : 8;
}

TFontStyles TNgLuna::GetFontStyle(int index)
{
    return index == nfCaption || index == nfToolCaption ? TFontStyles{fsBold} : TFontStyles();
}

HRGN TNgLuna::CreateFormRegion(int width, int height, int borderStyle)
{
    HRGN region = CreateRectRgn(0, 0, width, height);
    if (!region || borderStyle != nbsStandard)
        return region;
    // The rounded top corners of the caption, as steps of the curve.
    const RECT steps[] = {{0, 0, 5, 1}, {0, 0, 3, 2}, {0, 0, 2, 3}, {0, 0, 1, 5}};
    for (const RECT& step : steps) {
        const RECT mirrored = {width - step.right, step.top, width - step.left, step.bottom};
        for (const RECT& cut : {step, mirrored}) {
            HRGN piece = CreateRectRgn(cut.left, cut.top, cut.right, cut.bottom);
            if (!piece)
                continue;
            CombineRgn(region, region, piece, RGN_DIFF);
            DeleteObject(piece);
        }
    }
    return region;
}

uint32_t TNgLuna::Pixel(int colorIndex)
{
    return ColorToPixel(GetColor(colorIndex), 255);
}

void TNgLuna::UseFont(TKsBitmap& bitmap, int fontIndex, int colorIndex)
{
    TFont& font = bitmap.Font();
    font.SetName(GetFontName(fontIndex));
    font.SetSize(GetFontSize(fontIndex));
    font.SetStyle(GetFontStyle(fontIndex));
    font.SetColor(GetColor(colorIndex));
}
