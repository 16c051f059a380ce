#include "tests/menus/XPMenuFixture.h"

#include "framework/Canvas.h"
#include "framework/Colors.h"
#include "framework/LayoutReader.h"
#include "framework/Strings.h"
#include "menus/XPColors.h"

#include <algorithm>

namespace {

const char* const Layout = R"(object frmXPTest: TForm
  object pmTest: TPopupMenu
    object pmiPlain: TMenuItem
      Caption = 'Warn on low resources'
    end
    object pmiExit: TMenuItem
      Caption = 'E&xit'
    end
    object pmiSave: TMenuItem
      Caption = 'Save'
      ShortCut = 16467
    end
    object pmiSeparator: TMenuItem
      Caption = '-'
    end
    object pmiChecked: TMenuItem
      Caption = 'Checked'
      Checked = True
    end
    object pmiRadio: TMenuItem
      Caption = 'Radio'
      Checked = True
      RadioItem = True
    end
    object pmiDisabled: TMenuItem
      Caption = 'Disabled'
      Enabled = False
    end
    object pmiDefault: TMenuItem
      Caption = 'Default'
      Default = True
    end
    object pmiSub: TMenuItem
      Caption = 'More'
      object pmiSubOne: TMenuItem
        Caption = 'One'
      end
    end
  end
  object mmTest: TMainMenu
    object mmiFile: TMenuItem
      Caption = '&File'
      object mmiOpen: TMenuItem
        Caption = '&Open'
      end
    end
  end
end
)";

}

COLORREF Rgb(TColor color)
{
    return ColorToRGB(color) & 0xFFFFFF;
}

COLORREF Lightened(COLORREF color, int percent)
{
    auto lift = [percent](int value) { return value + (2 * (255 - value) * percent + 100) / 200; };
    return RGB(lift(GetRValue(color)), lift(GetGValue(color)), lift(GetBValue(color)));
}

COLORREF Darkened(COLORREF color, int amount)
{
    auto clamp = [](int value) { return std::min(255, std::max(0, value)); };
    return RGB(clamp(GetRValue(color) - amount), clamp(GetGValue(color) - amount + 2),
               clamp(GetBValue(color) - amount));
}

std::string Hex(COLORREF color)
{
    return Format("RGB(%d,%d,%d)", GetRValue(color), GetGValue(color), GetBValue(color));
}

TXPMenuFixture::TXPMenuFixture()
{
    Form = Create<TForm>(nullptr);
    ReadLayout(Form, Layout, "XPTEST");
    Painter = Create<TXPMenu>(Form);
    Painter->SetActive(true);
    Canvas.SetPixelFormat(pf32bit);
}

TXPMenuFixture::~TXPMenuFixture()
{
    Form->Free();
}

TMenuItem* TXPMenuFixture::Item(const std::string& name) const
{
    return As<TMenuItem>(Form->FindComponent(name));
}

SIZE TXPMenuFixture::Measure(TMenuItem* item, int width, int height)
{
    // As the menus do: a screen canvas with the system's menu font.
    TWindowDC screen(nullptr);
    TCanvas canvas(screen.Get());
    item->MeasureItem(canvas, width, height);
    return SIZE{width, height};
}

RECT TXPMenuFixture::Render(TMenuItem* item, bool selected, int width)
{
    SIZE size = Measure(item);
    RECT rect{0, 0, std::max<int>(width, size.cx), size.cy};
    // Room for the extra row and columns the look paints beyond the item.
    Canvas.SetSize(rect.right + 4, rect.bottom + 2);
    Canvas.Canvas().Brush().SetStyle(bsSolid);
    Canvas.Canvas().Brush().SetColor(static_cast<TColor>(Untouched));
    Canvas.Canvas().FillRect(RECT{0, 0, Canvas.Width(), Canvas.Height()});
    {
        TSavedDC saved(Canvas.Canvas().Handle());
        TCanvas canvas(Canvas.Canvas().Handle());
        item->DrawItem(canvas, rect, selected);
    }
    return rect;
}

COLORREF TXPMenuFixture::Pixel(int x, int y)
{
    return Canvas.Canvas().Pixel(x, y) & 0xFFFFFF;
}

bool TXPMenuFixture::Contains(const RECT& area, COLORREF color)
{
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (Pixel(x, y) == color)
                return true;
    return false;
}

TForcedColorDepth::TForcedColorDepth(int bits) : FSaved(ForcedDisplayBitsPerPixel)
{
    ForcedDisplayBitsPerPixel = bits;
}

TForcedColorDepth::~TForcedColorDepth()
{
    ForcedDisplayBitsPerPixel = FSaved;
}
