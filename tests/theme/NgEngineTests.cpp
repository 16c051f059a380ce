#include "tests/theme/ThemeTestSupport.h"

#include "framework/Form.h"
#include "framework/LayoutReader.h"
#include "framework/LayoutWriter.h"
#include "framework/Stream.h"
#include "framework/Strings.h"

#include <doctest/doctest.h>

namespace {
void RegisterCountingTheme()
{
    if (!IsThemeClassRegistered(TCountingTheme::StaticThemeClass()))
        RegisterThemeClass(TCountingTheme::StaticThemeClass());
}

// The stored form of a theme class name: 32-bit little-endian length, then
// the bytes.
std::string ThemeClassValue(const std::string& name)
{
    std::string hex = Format("%02X%02X%02X%02X", name.size() & 0xFF, (name.size() >> 8) & 0xFF,
                             (name.size() >> 16) & 0xFF, (name.size() >> 24) & 0xFF);
    for (unsigned char c : name)
        hex += Format("%02X", c);
    return "{" + hex + "}";
}

std::string EngineLayout(const std::string& properties)
{
    return "object Form1: TThemeTestForm\n"
           "  object Engine: TNgThemeEngine\n" +
           properties +
           "  end\n"
           "end\n";
}

TThemeTestForm* ReadEngineForm(const std::string& properties)
{
    TThemeTestForm* form = Create<TThemeTestForm>(nullptr);
    try {
        ReadLayout(form, EngineLayout(properties), "TESTENGINE");
    } catch (...) {
        form->Free();
        throw;
    }
    return form;
}

// Hands the engine a stored ThemeClass value as the layout reader would.
void FeedThemeClass(TNgThemeEngine& engine, const std::string& name)
{
    struct TCapture : TFiler {
        TBinaryRead Read;
        void DefineBinaryProperty(const std::string& property, TBinaryRead read, TBinaryWrite, bool) override
        {
            if (property == "ThemeClass")
                Read = read;
        }
    } filer;
    engine.DefineProperties(filer);
    REQUIRE(filer.Read);
    TMemoryStream stream;
    stream.WriteInt32(static_cast<int32_t>(name.size()));
    stream.WriteBuffer(name.data(), name.size());
    stream.SetPosition(0);
    filer.Read(stream);
}

struct TFreeForm {
    TThemeTestForm* Form;
    ~TFreeForm() { Form->Free(); }
};
}

TEST_CASE("A theme records each hue change and applies only the difference")
{
    TOwned<TCountingTheme> theme = MakeOwned<TCountingTheme>();
    theme->SetDeltaHue(0);
    CHECK(theme->Deltas.empty());
    theme->SetDeltaHue(30);
    CHECK(theme->HueDelta() == 30);
    theme->SetDeltaHue(30);
    theme->SetDeltaHue(10);
    CHECK(theme->DeltaHue() == 10);
    CHECK(theme->HueDelta() == -20);
    CHECK(theme->Deltas == std::vector<int>{30, -20});
}

TEST_CASE("The base theme is the unavailable No Theme, registered first")
{
    REQUIRE(ThemeClassCount() >= 1);
    CHECK(&ThemeClasses(0) == &TNgTheme::StaticThemeClass());
    CHECK(TNgTheme::StaticThemeClass().GetName() == "No Theme");
    CHECK_FALSE(TNgTheme::StaticThemeClass().IsAvailable());
    TOwned<TNgTheme> theme(TNgTheme::StaticThemeClass().Create());
    CHECK(&theme->ThemeClass() == &TNgTheme::StaticThemeClass());
    CHECK(theme->CreateFormRegion(200, 100, 1) == nullptr);
    CHECK(FindThemeClass("No Theme") == &TNgTheme::StaticThemeClass());
    CHECK(FindThemeClass("no theme") == nullptr);
}

TEST_CASE("Reading ThemeClass from a layout")
{
    RegisterCountingTheme();

    SUBCASE("the exact name selects the class and applies the stored hue")
    {
        TFreeForm holder{ReadEngineForm(
            "    DeltaHue = 25\n    Version = '2.1'\n    ThemeClass = " + ThemeClassValue("Counting") + "\n")};
        TNgThemeEngine* engine = holder.Form->Engine;
        REQUIRE(engine);
        auto* theme = dynamic_cast<TCountingTheme*>(engine->Theme());
        REQUIRE(theme);
        CHECK(engine->DeltaHue() == 25);
        CHECK(theme->DeltaHue() == 25);
        CHECK(theme->Deltas == std::vector<int>{25});
    }
    SUBCASE("names are case-sensitive")
    {
        TFreeForm holder{ReadEngineForm("    ThemeClass = " + ThemeClassValue("COUNTING") + "\n")};
        CHECK(&holder.Form->Engine->Theme()->ThemeClass() == &TNgTheme::StaticThemeClass());
    }
    SUBCASE("an unknown name keeps the base theme")
    {
        TFreeForm holder{ReadEngineForm("    ThemeClass = " + ThemeClassValue("Luna 2000") + "\n")};
        CHECK(&holder.Form->Engine->Theme()->ThemeClass() == &TNgTheme::StaticThemeClass());
    }
    SUBCASE("malformed values are swallowed and the layout loads on")
    {
        const char* malformed[] = {"{}", "{0700}", "{070000004C756E61}", "{FFFFFFFF4C756E61}", "{FFFFFF7F4C756E61}"};
        for (const char* value : malformed) {
            CAPTURE(value);
            TFreeForm holder{ReadEngineForm(std::string("    ThemeClass = ") + value + "\n    DeltaHue = 7\n")};
            CHECK(&holder.Form->Engine->Theme()->ThemeClass() == &TNgTheme::StaticThemeClass());
            CHECK(holder.Form->Engine->DeltaHue() == 7);
        }
    }
}

TEST_CASE("\"No Theme\" in a stream replaces the theme by a fresh base theme and refreshes the forms")
{
    TOwned<TThemeTestForm> form = MakeOwned<TThemeTestForm>(nullptr);
    form->SetName("Form1");
    TNgThemeEngine* engine = Create<TNgThemeEngine>(form.get());
    auto* bound = Create<TThemedFormStandIn>(form.get());
    bound->SetName("frame");
    bound->Engine = engine;
    TFormListStandIn screen;
    screen.List = {form.get()};

    engine->SelectThemeClass(TNgTheme::StaticThemeClass());
    TNgTheme* before = engine->Theme();
    ThemeWalkLog.clear();
    FeedThemeClass(*engine, "No Theme");
    CHECK(engine->Theme() != before);
    CHECK(&engine->Theme()->ThemeClass() == &TNgTheme::StaticThemeClass());
    CHECK(ThemeWalkLog == std::vector<std::string>{"replaced frame", "invalidate Form1"});
}

TEST_CASE("Writing an engine stores DeltaHue, Version and ThemeClass")
{
    RegisterCountingTheme();
    TOwned<TThemeTestForm> form = MakeOwned<TThemeTestForm>(nullptr);
    form->SetName("Form1");
    TNgThemeEngine* engine = Create<TNgThemeEngine>(form.get());
    engine->SetName("Engine");
    CHECK(WriteLayout(form.get()) == EngineLayout("    DeltaHue = 0\n"
                                                  "    Version = '2.1'\n"
                                                  "    ThemeClass = {080000004E6F205468656D65}\n"));

    engine->SelectThemeClass(TCountingTheme::StaticThemeClass());
    engine->SetDeltaHue(-12);
    engine->SetVersion("9.9");
    std::string text = WriteLayout(form.get());
    CHECK(text == EngineLayout("    DeltaHue = -12\n"
                               "    Version = '2.1'\n"
                               "    ThemeClass = " +
                               ThemeClassValue("Counting") + "\n"));

    // And back: the same text reads into the same state.
    TFreeForm holder{Create<TThemeTestForm>(nullptr)};
    ReadLayout(holder.Form, text, "TESTENGINE");
    REQUIRE(holder.Form->Engine);
    CHECK(holder.Form->Engine->DeltaHue() == -12);
    CHECK(holder.Form->Engine->Theme()->DeltaHue() == -12);
    CHECK(WriteLayout(holder.Form) == text);
}

TEST_CASE("The engine's hue reaches only an available theme")
{
    RegisterCountingTheme();
    TOwned<TThemeTestForm> form = MakeOwned<TThemeTestForm>(nullptr);
    form->SetName("Form1");
    TNgThemeEngine* engine = Create<TNgThemeEngine>(form.get());
    auto* frame = Create<TThemedFormStandIn>(form.get());
    frame->SetName("frame");
    frame->Engine = engine;
    TFormListStandIn screen;
    screen.List = {form.get()};
    ThemeWalkLog.clear();

    engine->SetDeltaHue(40);
    CHECK(engine->DeltaHue() == 40);
    CHECK(engine->Theme()->DeltaHue() == 0);
    CHECK(ThemeWalkLog.empty());

    engine->SelectThemeClass(TCountingTheme::StaticThemeClass());
    auto* theme = dynamic_cast<TCountingTheme*>(engine->Theme());
    REQUIRE(theme);
    CHECK(theme->Deltas == std::vector<int>{40});
    CHECK(ThemeWalkLog == std::vector<std::string>{"replaced frame", "invalidate Form1"});

    ThemeWalkLog.clear();
    engine->SetDeltaHue(40);
    CHECK(ThemeWalkLog.empty());
    engine->SetDeltaHue(50);
    CHECK(theme->Deltas == std::vector<int>{40, 10});
    CHECK(ThemeWalkLog == std::vector<std::string>{"hue frame"});

    // Selecting the base again: it gets no hue.
    engine->SelectThemeClass(TNgTheme::StaticThemeClass());
    CHECK(engine->Theme()->DeltaHue() == 0);
    CHECK_FALSE(engine->IsThemeAvailable());
}

TEST_CASE("The walks reach the themed forms on screen")
{
    TOwned<TThemeTestForm> first = MakeOwned<TThemeTestForm>(nullptr);
    first->SetName("First");
    TOwned<TThemeTestForm> second = MakeOwned<TThemeTestForm>(nullptr);
    second->SetName("Second");
    TNgThemeEngine* engine = Create<TNgThemeEngine>(first.get());
    TNgThemeEngine* other = Create<TNgThemeEngine>(second.get());

    auto themed = [](TComponent* owner, const char* name, TNgThemeEngine* bound) {
        auto* frame = Create<TThemedFormStandIn>(owner);
        frame->SetName(name);
        frame->Engine = bound;
    };
    themed(first.get(), "a", engine);
    themed(first.get(), "b", other);
    themed(second.get(), "c", nullptr);
    themed(second.get(), "d", engine);

    TFormListStandIn screen;
    screen.List = {first.get(), second.get()};

    SUBCASE("a replaced theme re-lays the frames bound to this engine and invalidates every form")
    {
        ThemeWalkLog.clear();
        engine->UpdateForms();
        CHECK(ThemeWalkLog ==
              std::vector<std::string>{"replaced a", "invalidate First", "replaced d", "invalidate Second"});
    }
    SUBCASE("a hue change repaints every themed form, whatever its engine")
    {
        ThemeWalkLog.clear();
        engine->UpdateHue();
        CHECK(ThemeWalkLog == std::vector<std::string>{"hue a", "hue b", "hue c", "hue d"});
    }
    SUBCASE("SetTheme takes ownership and refreshes")
    {
        ThemeWalkLog.clear();
        engine->SetTheme(Create<TCountingTheme>());
        CHECK(engine->IsThemeAvailable());
        CHECK(ThemeWalkLog.size() == 4);
    }
    SUBCASE("forms that are not on screen are not reached")
    {
        screen.List = {second.get()};
        ThemeWalkLog.clear();
        engine->UpdateForms();
        engine->UpdateHue();
        CHECK(ThemeWalkLog == std::vector<std::string>{"replaced d", "invalidate Second", "hue c", "hue d"});
    }
}

TEST_CASE("By default the walks go over the screen's forms")
{
    TOwned<TForm> form(Create<TForm>(nullptr));
    TNgThemeEngine* engine = Create<TNgThemeEngine>(form.get());
    auto* frame = Create<TThemedFormStandIn>(form.get());
    frame->SetName("frame");
    frame->Engine = engine;
    REQUIRE(ThemedFormList() != nullptr);
    ThemeWalkLog.clear();
    engine->UpdateForms();
    engine->UpdateHue();
    CHECK(ThemeWalkLog == std::vector<std::string>{"replaced frame", "hue frame"});
}
