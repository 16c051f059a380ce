#include "tests/framework/TestComponents.h"

#include "framework/ClassRegistry.h"
#include "framework/PropInfo.h"

#include <doctest/doctest.h>

TEST_CASE("Properties by name")
{
    TGadget* gadget = Create<TGadget>(nullptr);

    SUBCASE("ordinal and string values")
    {
        SetOrdProp(*gadget, "count", 42);
        CHECK(gadget->Count == 42);
        SetStrProp(*gadget, "Caption", "Hello");
        CHECK(GetStrProp(*gadget, "Caption") == "Hello");
    }
    SUBCASE("enumerations by value name")
    {
        SetEnumProp(*gadget, "Shape", "shTriangle");
        CHECK(gadget->Shape == shTriangle);
        CHECK(GetEnumProp(*gadget, "Shape") == "shTriangle");
        CHECK_THROWS_AS(SetEnumProp(*gadget, "Shape", "shHexagon"), EPropertyError);
    }
    SUBCASE("sets as bit masks")
    {
        SetOrdProp(*gadget, "Flags", 0b101);
        CHECK(gadget->Flags == TFlags{flRed, flBlue});
    }
    SUBCASE("unknown names and the wrong kind of access fail")
    {
        CHECK_THROWS_AS(GetOrdProp(*gadget, "Nothing"), EPropertyError);
        CHECK_THROWS_AS(GetStrProp(*gadget, "Count"), EPropertyError);
    }
    SUBCASE("references check the class")
    {
        TTestForm* form = Create<TTestForm>(nullptr);
        CHECK_THROWS_AS(SetComponentProp(*gadget, "Buddy", form), EInvalidCast);
        form->Free();
    }
    gadget->Free();
}

TEST_CASE("Descendants see their ancestors' properties after their own class's")
{
    std::vector<const TPropInfo*> all = TGadget::StaticClass().AllProperties();
    REQUIRE(all.size() == 11);
    CHECK(all.front()->Name() == "Count");
    CHECK(TGadget::StaticClass().FindProperty("onchange") != nullptr);
}

TEST_CASE("The class registry creates components by name")
{
    const TClassInfo* cls = FindClass("tgadget");
    REQUIRE(cls != nullptr);
    TComponent* owner = Create<TComponent>(nullptr);
    TComponent* created = cls->CreateInstance(owner);
    CHECK(dynamic_cast<TGadget*>(created) != nullptr);
    CHECK(created->Owner() == owner);
    CHECK(FindClass("TNoSuchThing") == nullptr);
    CHECK_FALSE(FindClass("TComponent")->IsCreatable());
    owner->Free();
}
