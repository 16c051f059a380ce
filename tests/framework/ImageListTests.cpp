#include "tests/framework/Pixels.h"
#include "tests/support/ChangeCounter.h"
#include "tests/support/GdiCount.h"

#include "framework/Icon.h"
#include "framework/ImageList.h"
#include "framework/LayoutReader.h"
#include "resources/resource.h"

#include <doctest/doctest.h>

namespace {
const COLORREF Magenta = RGB(255, 0, 255);

struct TGauges {
    TBitmap Strip;
    TImageList* List = Create<TImageList>(nullptr);
    TGauges()
    {
        Strip.LoadFromResourceName(GetModuleHandleA(nullptr), RESOURCE_NAME(RES_GAUGES));
        List->AddMasked(Strip, clFuchsia);
    }
    ~TGauges() { List->Free(); }
};
}

TEST_CASE("A strip adds one image per width")
{
    TGauges gauges;
    CHECK(gauges.List->Count() == 13);
    CHECK(gauges.List->Width() == 16);
    // The strip given in is not blackened by the list.
    CHECK(PixelAt(gauges.Strip, 0, 0) == Magenta);
    gauges.List->Delete(12);
    CHECK(gauges.List->Count() == 12);
    gauges.List->Clear();
    CHECK(gauges.List->Count() == 0);
}

TEST_CASE("Image list icons show the image and let the background through")
{
    TGauges gauges;
    for (int index : {0, 1, 6, 12}) {
        CAPTURE(index);
        TIcon icon;
        int changes = 0;
        TChangeCounter counter{&changes};
        icon.OnChange = counter.Event();
        gauges.List->GetIcon(index, icon);
        CHECK(changes == 1);
        CHECK(icon.Width() == 16);
        CHECK(icon.Height() == 16);
        for (TColor back : {clWhite, clBlack}) {
            TBitmap canvas;
            MakeFilled(canvas, 16, 16, back);
            canvas.Canvas().Draw(0, 0, icon);
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) {
                    COLORREF image = PixelAt(gauges.Strip, 16 * index + x, y);
                    COLORREF expected = image == Magenta ? ColorToRGB(back) : image;
                    REQUIRE(PixelAt(canvas, x, y) == expected);
                }
        }
    }
    TIcon icon;
    CHECK_THROWS_AS(gauges.List->GetIcon(13, icon), EInvalidOperation);
}

TEST_CASE("Image lists draw enabled and disabled images")
{
    TGauges gauges;
    TBitmap target;
    MakeFilled(target, 20, 20, clWhite);
    gauges.List->Draw(target.Canvas(), 2, 2, 12, true);
    CHECK(PixelAt(target, 2 + 5, 2 + 5) == RGB(0, 255, 0));
    CHECK(PixelAt(target, 2, 2) == RGB(255, 255, 255));

    MakeFilled(target, 20, 20, clWhite);
    gauges.List->Draw(target.Canvas(), 2, 2, 12, false);
    COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    CHECK(PixelAt(target, 2 + 5, 2 + 5) == shadow);
    CHECK(PixelAt(target, 2, 2) == RGB(255, 255, 255));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            COLORREF p = PixelAt(target, x, y);
            REQUIRE((p == shadow || p == highlight || p == RGB(255, 255, 255)));
        }

    TBitmap image;
    gauges.List->GetBitmap(1, image);
    CHECK(image.Width() == 16);
    CHECK(PixelAt(image, 5, 14) == RGB(255, 0, 0));
    CHECK(PixelAt(image, 5, 13) == RGB(255, 255, 255));
}

TEST_CASE("A layout fills an image list from a bitmap resource")
{
    TComponent* list = CreateFromLayout("object ilIcons: TImageList\n"
                                        "  ResourceName = 'GAUGES'\n"
                                        "  MaskColor = clFuchsia\n"
                                        "end\n",
                                        nullptr, "TEST");
    auto* images = dynamic_cast<TImageList*>(list);
    REQUIRE(images != nullptr);
    CHECK(images->Count() == 13);
    images->SetMaskColor(clDefault);  // reloads, keyed on the bottom-left pixel
    CHECK(images->Count() == 13);
    list->Free();
}

TEST_CASE("Image lists leave no GDI object behind")
{
    auto round = [] {
        TGauges gauges;
        TIcon icon;
        TBitmap target;
        MakeFilled(target, 20, 20, clWhite);
        for (int i = 0; i < 13; ++i) {
            gauges.List->GetIcon(i, icon);
            gauges.List->Draw(target.Canvas(), 0, 0, i, i % 2 == 0);
        }
        gauges.List->GetBitmap(3, target);
    };
    round();
    int before = CountGdiObjects();
    for (int i = 0; i < 30; ++i)
        round();
    CHECK(CountGdiObjects() == before);
}
