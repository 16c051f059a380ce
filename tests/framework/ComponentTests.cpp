#include "tests/framework/TestComponents.h"

#include <doctest/doctest.h>

TEST_CASE("An owner frees its components last created first")
{
    TestLog.clear();
    TComponent* owner = Create<TComponent>(nullptr);
    Create<TGadget>(owner)->SetName("A");
    Create<TGadget>(owner)->SetName("B");
    Create<TGadget>(owner)->SetName("C");
    TestLog.clear();
    owner->Free();
    CHECK(TestLog == std::vector<std::string>{"free C", "free B", "free A"});
}

TEST_CASE("Inserting a component tells the owner's components what arrived")
{
    TestLog.clear();
    TComponent* owner = Create<TComponent>(nullptr);
    TGadget* watcher = Create<TGadget>(owner);
    watcher->SetName("Watcher");
    Create<TGadget>(owner);
    // The notification comes after construction, so the new gadget is seen
    // as a gadget and not as a bare component.
    CHECK(TestLog == std::vector<std::string>{"Watcher sees gadget inserted"});
    owner->Free();
}

TEST_CASE("Component names")
{
    TComponent* owner = Create<TComponent>(nullptr);
    TGadget* a = Create<TGadget>(owner);
    TGadget* b = Create<TGadget>(owner);
    a->SetName("Same");
    SUBCASE("are unique within the owner, without case")
    {
        CHECK_THROWS_AS(b->SetName("SAME"), EComponentError);
    }
    SUBCASE("must be identifiers")
    {
        CHECK_THROWS_AS(b->SetName("1st"), EComponentError);
        CHECK_THROWS_AS(b->SetName("a b"), EComponentError);
    }
    SUBCASE("find the component")
    {
        CHECK(owner->FindComponent("same") == a);
        CHECK(owner->FindComponent("") == nullptr);
    }
    owner->Free();
}

TEST_CASE("A reference that is not owned is dropped when its target is freed")
{
    TComponent* left = Create<TComponent>(nullptr);
    TComponent* right = Create<TComponent>(nullptr);
    TGadget* holder = Create<TGadget>(left);
    TGadget* target = Create<TGadget>(right);
    holder->SetBuddy(target);
    target->FreeNotification(holder);
    target->Free();
    CHECK(holder->Buddy() == nullptr);

    SUBCASE("and a freed holder is no longer told anything")
    {
        TGadget* second = Create<TGadget>(right);
        holder->SetBuddy(second);
        second->FreeNotification(holder);
        left->Free();    // frees holder
        second->Free();  // must not reach the freed holder
        left = nullptr;
    }
    if (left)
        left->Free();
    right->Free();
}

TEST_CASE("Destroying marks the component and everything it owns")
{
    TComponent* owner = Create<TComponent>(nullptr);
    TGadget* child = Create<TGadget>(owner);
    owner->Destroying();
    CHECK(owner->IsDestroying());
    CHECK(child->IsDestroying());
    owner->Free();
}

TEST_CASE("Checked downcasts")
{
    TComponent* owner = Create<TComponent>(nullptr);
    TObject* gadget = Create<TGadget>(owner);
    CHECK(As<TGadget>(gadget) != nullptr);
    CHECK_THROWS_AS(As<TTestForm>(gadget), EInvalidCast);
    CHECK(gadget->InheritsFrom(TComponent::StaticClass()));
    CHECK(gadget->ClassName() == "TGadget");
    owner->Free();
}
