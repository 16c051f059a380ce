// bench: measures the bitmap toolkit's per-pixel operations and prints one
// line per operation, "<name> <value> <unit>", on standard output; notes go
// to standard error. Blends run on worst-case data (alpha 1..254, every
// pixel blends) unless the name says otherwise; memcpy over the same pixel
// count is the yardstick. Lines named "op/PATH" repeat an operation on each
// blending path the machine has.

#include "controls/NgProgress.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/Label.h"
#include "resources/resource.h"
#include "theme/KsBitmap.h"
#include "theme/KsBlend.h"
#include "theme/KsHue.h"
#include "theme/NgLuna.h"
#include "tools/bench/BenchData.h"
#include "tools/bench/FrameBench.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

// Bitmaps of Side x Side pixels (bench --side N). By default 1024: eight
// targets of 4 MB each, more than the processor's caches hold, so memcpy
// runs at memory speed; the "/cached" lines repeat the key operations on
// 256 x 256 bitmaps, the size of a frame or control, that stay in cache.
int Side = 1024;
size_t Pixels = size_t(1024) * 1024;
constexpr int CachedSide = 256;
// Blends that change their target get a fresh copy each: several targets
// per round, refilled between rounds, so that every round sees the data.
constexpr int Copies = 8;
constexpr int Rounds = 31;

// The time of the fastest round: the one least disturbed by whatever else
// the machine runs. prepare runs before each round, untimed.
double BestSeconds(const std::function<void()>& prepare, const std::function<void()>& round)
{
    double best = 1e30;
    for (int i = 0; i < Rounds; ++i) {
        prepare();
        const double start = Now();
        round();
        best = std::min(best, Now() - start);
    }
    return best;
}

void Print(const std::string& name, double value, const char* unit)
{
    std::printf("%s %.1f %s\n", name.c_str(), value, unit);
    std::fflush(stdout);
    if (std::strcmp(unit, "Mpix/s") == 0)
        RecordRate(name, value);
}

// Each rate over memcpy's in the same run: the "/cached" ones over
// memcpy/cached, the others over memcpy.
void PrintRatios()
{
    auto rateOf = [](const std::string& name) {
        for (const auto& [rateName, rate] : RecordedRates())
            if (rateName == name)
                return rate;
        return 0.0;
    };
    const double memcpyRate = rateOf("memcpy");
    const double cachedRate = rateOf("memcpy/cached");
    for (const auto& [name, rate] : RecordedRates()) {
        const bool cached = name.size() > 7 && name.compare(name.size() - 7, 7, "/cached") == 0;
        const double base = cached ? cachedRate : memcpyRate;
        if (name.compare(0, 6, "memcpy") == 0 || base <= 0)
            continue;
        std::string ratioName = name;
        ratioName.insert(cached ? name.size() - 7 : name.size(), "/memcpy");
        std::printf("%s %.3g ratio\n", ratioName.c_str(), rate / base);
    }
}

double Mpix(double pixels, double seconds)
{
    return pixels / seconds / 1e6;
}

class TBench {
public:
    TBench() : FRandom(2024)
    {
        FSource = MakeBitmap();
        FBackground = MakeBitmap();
        FillWorstCase(FSource->Bits(), Pixels, FRandom);
        FillOpaque(FBackground->Bits(), Pixels, FRandom);
        FWorstTargets.resize(Copies * Pixels);
        FSkinTargets.resize(Copies * Pixels);
        FillWorstCase(FWorstTargets.data(), FWorstTargets.size(), FRandom);
        FillSkinLike(FSkinTargets.data(), FSkinTargets.size(), FRandom);
        for (int k = 0; k < Copies; ++k)
            FTargets.push_back(MakeBitmap());
    }

    double Memcpy()
    {
        const double seconds = BestSeconds([] {},
                                           [&] {
                                               for (int k = 0; k < Copies; ++k)
                                                   std::memcpy(FTargets[k]->Bits(), FBackground->Bits(), Pixels * 4);
                                           });
        return Mpix(Copies * Pixels, seconds);
    }

    double BlendPixels()
    {
        const uint32_t* src = FSource->Bits();
        const double seconds = BestSeconds([] {},
                                           [&] {
                                               for (int k = 0; k < Copies; ++k) {
                                                   uint32_t* dst = FTargets[k]->Bits();
                                                   for (size_t i = 0; i < Pixels; ++i)
                                                       dst[i] = BlendPixel(src[i], dst[i]);
                                               }
                                           });
        return Mpix(Copies * Pixels, seconds);
    }

    // MergeUnder decides by the target's alpha: targets are refilled.
    double MergeUnder(const std::vector<uint32_t>& data)
    {
        const RECT all{0, 0, Side, Side};
        const double seconds = BestSeconds([&] { Refill(data); },
                                           [&] {
                                               for (int k = 0; k < Copies; ++k)
                                                   FTargets[k]->MergeUnder(*FBackground, 0, 0, all);
                                           });
        return Mpix(Copies * Pixels, seconds);
    }

    double DrawRect()
    {
        const RECT all{0, 0, Side, Side};
        FSource->SetPerPixelAlpha(true);
        const double seconds = BestSeconds([] {},
                                           [&] {
                                               for (int k = 0; k < Copies; ++k)
                                                   FSource->DrawRect(*FTargets[k], 0, 0, all);
                                           });
        FSource->SetPerPixelAlpha(false);
        return Mpix(Copies * Pixels, seconds);
    }

    double FillRect()
    {
        const RECT all{0, 0, Side, Side};
        uint32_t value = 0;
        const double seconds =
            BestSeconds([&] { value = (FRandom.Next() & 0x00FFFFFFu) | FRandom.Between(1, 254) << 24; },
                        [&] {
                            for (int k = 0; k < Copies; ++k) {
                                FTargets[k]->SetPerPixelAlpha(true);
                                FTargets[k]->FillRect(all, value);
                            }
                        });
        return Mpix(Copies * Pixels, seconds);
    }

    double GradientFill(bool vertical)
    {
        const RECT all{0, 0, Side, Side};
        uint32_t from = 0, to = 0;
        const double seconds = BestSeconds(
            [&] {
                from = (FRandom.Next() & 0x00FFFFFFu) | FRandom.Between(1, 254) << 24;
                to = (FRandom.Next() & 0x00FFFFFFu) | FRandom.Between(1, 254) << 24;
            },
            [&] {
                for (int k = 0; k < Copies; ++k) {
                    FTargets[k]->SetPerPixelAlpha(true);
                    FTargets[k]->GradientFill(all, from, to, vertical);
                }
            });
        return Mpix(Copies * Pixels, seconds);
    }

    const std::vector<uint32_t>& WorstCase() const { return FWorstTargets; }
    const std::vector<uint32_t>& SkinLike() const { return FSkinTargets; }

private:
    static TOwned<TKsBitmap> MakeBitmap()
    {
        TOwned<TKsBitmap> bitmap = MakeOwned<TKsBitmap>();
        bitmap->SetSize(Side, Side);
        return bitmap;
    }

    void Refill(const std::vector<uint32_t>& data)
    {
        for (int k = 0; k < Copies; ++k)
            std::memcpy(FTargets[k]->Bits(), data.data() + k * Pixels, Pixels * 4);
    }

    TBenchRandom FRandom;
    TOwned<TKsBitmap> FSource;
    TOwned<TKsBitmap> FBackground;
    std::vector<TOwned<TKsBitmap>> FTargets;
    std::vector<uint32_t> FWorstTargets;
    std::vector<uint32_t> FSkinTargets;
};

// Both atlases re-tinted, as every hue change does; in milliseconds. The
// reference line runs the direct per-pixel shift for comparison.
void BenchChangeHue()
{
    TOwned<TKsBitmap> active = MakeOwned<TKsBitmap>();
    TOwned<TKsBitmap> inactive = MakeOwned<TKsBitmap>();
    const bool real = LoadAtlas(*active, RESOURCE_NAME(RES_LUNA_ATLAS), 190, 372) &
                      LoadAtlas(*inactive, RESOURCE_NAME(RES_LUNA_ATLAS_INACTIVE), 196, 435);
    if (!real)
        std::fprintf(stderr, "note: atlas resources missing, ChangeHue runs on synthetic atlases of their sizes\n");
    const std::vector<uint32_t> first(active->Bits(), active->Bits() + active->Width() * active->Height());
    const std::vector<uint32_t> second(inactive->Bits(), inactive->Bits() + inactive->Width() * inactive->Height());
    auto restore = [&] {
        std::copy(first.begin(), first.end(), active->Bits());
        std::copy(second.begin(), second.end(), inactive->Bits());
    };
    const double fast = BestSeconds(restore, [&] {
        active->ChangeHue(30);
        inactive->ChangeHue(30);
    });
    Print("ChangeHue", fast * 1000, "ms");
    const double pixels = double(active->Width()) * active->Height() + double(inactive->Width()) * inactive->Height();
    RecordRate("ChangeHue", Mpix(pixels, fast));

    auto direct = [](TKsBitmap& atlas) {
        uint32_t* bits = atlas.Bits();
        for (int i = 0; i < atlas.Width() * atlas.Height(); ++i)
            if (bits[i] >> 24)
                bits[i] = HueShiftPixel(bits[i], 30);
    };
    const double reference = BestSeconds(restore, [&] {
        direct(*active);
        direct(*inactive);
    });
    Print("ChangeHueReference", reference * 1000, "ms");
}

void BenchFormFrame()
{
    try {
        TOwned<TNgLuna> luna = MakeOwned<TNgLuna>();
        TOwned<TKsBitmap> frame = MakeOwned<TKsBitmap>();
        frame->SetSize(306, 209);
        const RECT rect{0, 0, 306, 209};
        constexpr int Calls = 200;
        const double seconds = BestSeconds([] {},
                                           [&] {
                                               for (int i = 0; i < Calls; ++i)
                                                   luna->DrawFormFrame(*frame, 306, 209, rect, (i & 1) != 0, 1);
                                           });
        Print("DrawFormFrame", seconds / Calls * 1e6, "us");
        RecordRate("DrawFormFrame", Mpix(306.0 * 209 * Calls, seconds));
    } catch (const Exception& error) {
        std::fprintf(stderr, "note: DrawFormFrame unavailable: %s\n", error.what());
        std::printf("DrawFormFrame unavailable -\n");
    }
}

// A position change of the details window's bar (273 x 16, themed), from
// the setter until its window shows the new picture; and the same on a
// hidden bar, which only marks itself for drawing when next shown.
void BenchProgressBar()
{
    TOwned<TForm> form(Create<TForm>(nullptr));
    form->SetBorderStyle(bsNone);
    form->SetBounds(10, 10, 300, 60);
    TNgThemeEngine* engine = Create<TNgThemeEngine>(form.get());
    engine->SelectThemeClass(TNgLuna::StaticThemeClass());
    auto* bar = Create<TNgProgressBar>(form.get());
    bar->SetBounds(10, 10, 273, 16);
    bar->SetParent(form.get());
    bar->SetThemeEngine(engine);
    form->Show();
    Application->ProcessMessages();
    if (!IsWindowVisible(bar->Handle())) {
        std::printf("ProgressPosition unavailable -\n");
        return;
    }
    constexpr int Calls = 200;
    // 40 and 60 alternate: every call changes the blocks drawn.
    const double shown = BestSeconds([] {},
                                     [&] {
                                         for (int i = 0; i < Calls; ++i) {
                                             bar->SetPosition(i & 1 ? 60 : 40);
                                             GdiFlush();
                                         }
                                     });
    Print("ProgressPosition", shown / Calls * 1e6, "us");
    RecordRate("ProgressPosition", Mpix(273.0 * 16 * Calls, shown));
    bar->Hide();
    const double hidden = BestSeconds([] {},
                                      [&] {
                                          for (int i = 0; i < Calls; ++i)
                                              bar->SetPosition(i & 1 ? 60 : 40);
                                      });
    Print("ProgressPositionHidden", hidden / Calls * 1e6, "us");
}

// The drawing of one meter tick with the details window shown: three
// labels and three themed bars as that window lays them out, every figure
// moving, until all of it is on the screen (the labels paint with the
// window's paint message). The 32-bit tick.exe times the whole tick on
// the real controller; this is the part that runs on either build.
void BenchTickDrawing()
{
    TOwned<TForm> form(Create<TForm>(nullptr));
    form->SetBorderStyle(bsNone);
    form->SetBounds(10, 100, 300, 180);
    TNgThemeEngine* engine = Create<TNgThemeEngine>(form.get());
    engine->SelectThemeClass(TNgLuna::StaticThemeClass());
    TLabel* labels[3];
    TNgProgressBar* bars[3];
    for (int k = 0; k < 3; ++k) {
        labels[k] = Create<TLabel>(form.get());
        labels[k]->SetBounds(14, 11 + 40 * k, 200, 13);
        labels[k]->SetParent(form.get());
        bars[k] = Create<TNgProgressBar>(form.get());
        bars[k]->SetBounds(14, 27 + 40 * k, 273, 16);
        bars[k]->SetParent(form.get());
        bars[k]->SetThemeEngine(engine);
    }
    form->Show();
    Application->ProcessMessages();
    if (!IsWindowVisible(form->Handle())) {
        std::printf("TickDrawing unavailable -\n");
        return;
    }
    static const char* const Words[3] = {"System", "User", "GDI"};
    constexpr int Calls = 100;
    const double seconds =
        BestSeconds([] {},
                    [&] {
                        for (int i = 0; i < Calls; ++i) {
                            const int value = i & 1 ? 60 : 50;
                            for (int k = 0; k < 3; ++k) {
                                char caption[64];
                                std::snprintf(caption, sizeof caption, "%d%% %s resources free", value, Words[k]);
                                labels[k]->SetCaption(caption);
                                bars[k]->SetPosition(value);
                            }
                            UpdateWindow(form->Handle());
                            GdiFlush();
                        }
                    });
    Print("TickDrawing", seconds / Calls * 1e6, "us");
    RecordRate("TickDrawing", Mpix(3 * (273.0 * 16 + 200.0 * 13) * Calls, seconds));
}

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--side") == 0 && std::atoi(argv[i + 1]) > 0) {
            Side = std::atoi(argv[i + 1]);
            Pixels = size_t(Side) * Side;
        }
    try {
        StartFramework();
        std::fprintf(stderr, "note: %dx%d pixels x %d bitmaps per round, fastest of %d rounds\n", Side, Side, Copies,
                     Rounds);
        std::printf("kernel %s chosen\n", KsSimdName(KsBlendPath()));
        {
            const int side = Side;
            Side = CachedSide;
            Pixels = size_t(Side) * Side;
            TBench cached;
            Print("memcpy/cached", cached.Memcpy(), "Mpix/s");
            Print("MergeUnder/cached", cached.MergeUnder(cached.WorstCase()), "Mpix/s");
            Print("MergeUnderMix/cached", cached.MergeUnder(cached.SkinLike()), "Mpix/s");
            Print("DrawRect/cached", cached.DrawRect(), "Mpix/s");
            Side = side;
            Pixels = size_t(Side) * Side;
        }
        TBench bench;
        Print("memcpy", bench.Memcpy(), "Mpix/s");
        Print("BlendPixel", bench.BlendPixels(), "Mpix/s");
        Print("MergeUnder", bench.MergeUnder(bench.WorstCase()), "Mpix/s");
        Print("DrawRect", bench.DrawRect(), "Mpix/s");
        Print("FillRect", bench.FillRect(), "Mpix/s");
        Print("GradientFill", bench.GradientFill(false), "Mpix/s");
        Print("GradientFillVertical", bench.GradientFill(true), "Mpix/s");
        Print("MergeUnderMix", bench.MergeUnder(bench.SkinLike()), "Mpix/s");
        BenchChangeHue();
        BenchFormFrame();
        BenchProgressBar();
        BenchTickDrawing();
        BenchSkinnedFrame();

        const TKsSimd chosen = KsBlendPath();
        for (TKsSimd simd : {TKsSimd::Scalar, TKsSimd::Mmx, TKsSimd::Sse2}) {
            if (!KsSetBlendPath(simd))
                continue;
            const std::string path = std::string("/") + KsSimdName(simd);
            Print("MergeUnder" + path, bench.MergeUnder(bench.WorstCase()), "Mpix/s");
            Print("MergeUnderMix" + path, bench.MergeUnder(bench.SkinLike()), "Mpix/s");
            Print("DrawRect" + path, bench.DrawRect(), "Mpix/s");
            Print("FillRect" + path, bench.FillRect(), "Mpix/s");
        }
        KsSetBlendPath(chosen);
        PrintRatios();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
