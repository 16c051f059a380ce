#include "tests/framework/TestComponents.h"

#include "framework/LayoutReader.h"
#include "framework/LayoutWriter.h"

#include <doctest/doctest.h>

namespace {
const char* const FullLayout = "object Form1: TTestForm\n"
                               "  object First: TGadget\n"
                               "    Count = -7\n"
                               "    Caption = 'It''s'#13#10'two lines'\n"
                               "    Enabled = False\n"
                               "    Shape = shSquare\n"
                               "    Flags = [flRed, flBlue]\n"
                               "    Color = clHighlight\n"
                               "    Ratio = 8.25\n"
                               "    Tag = 0\n"
                               "    Buddy = Second\n"
                               "    Font.Name = 'Tahoma'\n"
                               "    OnChange = GadgetChanged\n"
                               "    Blob = {070000004C756E61205850}\n"
                               "    object Inner: TGadget\n"
                               "      Tag = 3\n"
                               "      Color = 255\n"
                               "    end\n"
                               "  end\n"
                               "  object Second: TGadget\n"
                               "    Tag = 0\n"
                               "    Font.Height = -16\n"
                               "  end\n"
                               "end\n";

TTestForm* ReadForm(const char* text)
{
    TTestForm* form = Create<TTestForm>(nullptr);
    try {
        ReadLayout(form, text, "TESTLAYOUT");
    } catch (...) {
        form->Free();
        throw;
    }
    return form;
}
}

TEST_CASE("Reading a layout")
{
    TestLog.clear();
    TTestForm* form = ReadForm(FullLayout);
    REQUIRE(form->First != nullptr);
    REQUIRE(form->Second != nullptr);
    TGadget& first = *form->First;

    SUBCASE("sets every kind of value")
    {
        CHECK(form->Name() == "Form1");
        CHECK(first.Count == -7);
        CHECK(first.Caption == "It's\r\ntwo lines");
        CHECK_FALSE(first.Enabled);
        CHECK(first.Shape == shSquare);
        CHECK(first.Flags == TFlags{flRed, flBlue});
        CHECK(first.Color == clHighlight);
        CHECK(first.Ratio == 8.25L);
        CHECK(first.Font()->Name == "Tahoma");
        CHECK(form->Second->Font()->Height == -16);
        CHECK(first.Blob == "Luna XP");
    }
    SUBCASE("resolves references and binds events")
    {
        CHECK(first.Buddy() == form->Second);
        first.OnChange(&first);
        CHECK(form->Changes == 1);
    }
    SUBCASE("nests components and calls Loaded on each, root last")
    {
        REQUIRE(first.Kids.size() == 1);
        CHECK(first.Kids[0]->Name() == "Inner");
        CHECK(first.Kids[0]->Owner() == form);
        std::vector<std::string> loaded;
        for (const std::string& entry : TestLog)
            if (entry.rfind("loaded ", 0) == 0)
                loaded.push_back(entry);
        CHECK(loaded == std::vector<std::string>{"loaded First", "loaded Inner", "loaded Second"});
        CHECK_FALSE(first.IsLoading());
        CHECK_FALSE(form->IsLoading());
    }
    form->Free();
}

TEST_CASE("A written layout reads back to the same text")
{
    TTestForm* form = ReadForm(FullLayout);
    std::string written = WriteLayout(form);

    // Defaults are left out; Tag is always stored.
    CHECK(written.find("Count = -7") != std::string::npos);
    CHECK(written.find("Ratio = 8.25") != std::string::npos);
    CHECK(written.find("Blob = {070000004C756E61205850}") != std::string::npos);
    CHECK(written.find("Font.Height = -16") != std::string::npos);
    CHECK(written.find("Font.Name = 'Arial'") == std::string::npos);
    CHECK(written.find("Inner: TGadget\n      Color = clRed") != std::string::npos);
    CHECK(written.find("    Tag = 0\n") != std::string::npos);

    TTestForm* copy = ReadForm(written.c_str());
    CHECK(WriteLayout(copy) == written);
    copy->Free();
    form->Free();
}

TEST_CASE("Long double values survive a round trip exactly")
{
    TTestForm* form = Create<TTestForm>(nullptr);
    form->SetName("Form1");
    TGadget* gadget = Create<TGadget>(form);
    gadget->SetName("G");
    gadget->Ratio = 1.0L / 3.0L;
    // The form's fields are bound to components of their own.
    Create<TGadget>(form)->SetName("First");
    Create<TGadget>(form)->SetName("Second");
    TTestForm* copy = ReadForm(WriteLayout(form).c_str());
    TGadget* read = dynamic_cast<TGadget*>(copy->FindComponent("G"));
    REQUIRE(read != nullptr);
    CHECK(read->Ratio == 1.0L / 3.0L);
    copy->Free();
    form->Free();
}

TEST_CASE("A reference to a component of another form")
{
    TTestForm* main = ReadForm("object MainForm: TTestForm\n"
                               "  object Engine: TGadget\n"
                               "  end\n"
                               "  object First: TGadget\n"
                               "  end\n"
                               "  object Second: TGadget\n"
                               "  end\n"
                               "end\n");
    TTestForm* other = ReadForm("object OtherForm: TTestForm\n"
                                "  object First: TGadget\n"
                                "    Buddy = MainForm.Engine\n"
                                "  end\n"
                                "  object Second: TGadget\n"
                                "  end\n"
                                "end\n");
    TComponent* engine = main->FindComponent("Engine");
    CHECK(other->First->Buddy() == engine);
    CHECK(WriteLayout(other).find("Buddy = MainForm.Engine") != std::string::npos);

    engine->Free();
    CHECK(other->First->Buddy() == nullptr);
    other->Free();
    main->Free();
}

TEST_CASE("A malformed layout names the layout, the line and the property")
{
    auto failure = [](const char* text) {
        try {
            ReadForm(text)->Free();
        } catch (const ELayoutError& error) {
            return std::string(error.what());
        }
        return std::string("no error");
    };
    CHECK(failure("object F: TTestForm\n  object G: TGadget\n    Count = 'x'\n  end\nend\n") ==
          "Layout 'TESTLAYOUT', line 3, property 'Count': integer expected");
    CHECK(failure("object F: TTestForm\n  object G: TGadget\n\n    Colour = clRed\n  end\nend\n") ==
          "Layout 'TESTLAYOUT', line 4, property 'Colour': unknown property");
    CHECK(failure("object F: TTestForm\n  object G: TGadget\n    Shape = shOval\n  end\nend\n") ==
          "Layout 'TESTLAYOUT', line 3, property 'Shape': invalid value 'shOval'");
    CHECK(failure("object F: TTestForm\n  object G: TGadget\n    Buddy = Nobody\n  end\nend\n") ==
          "Layout 'TESTLAYOUT', line 3, property 'Buddy': unresolved reference 'Nobody'");
    CHECK(failure("object F: TTestForm\n  object G: TGadget\n    OnChange = WrongShape\n  end\nend\n") ==
          "Layout 'TESTLAYOUT', line 3, property 'OnChange': method WrongShape does not fit the event");
    CHECK(failure("object F: TTestForm\n  object G: TWidget\n  end\nend\n") ==
          "Layout 'TESTLAYOUT', line 2: class TWidget not found");
    CHECK(failure("object F: TTestForm\n  object G: TGadget\n    Caption = 'open\n") ==
          "Layout 'TESTLAYOUT', line 3: unterminated string");
    CHECK(failure("object F: TTestForm\n  object G: TGadget\n  object G: TGadget\n  end\n  end\nend\n") ==
          "Layout 'TESTLAYOUT', line 3: A component named G already exists");
    // A field of the form that the layout gives no component would stay null.
    CHECK(failure("object F: TTestForm\n  object First: TGadget\n  end\nend\n") ==
          "Layout 'TESTLAYOUT', line 1, property 'Second': field without a component in the layout");
}
