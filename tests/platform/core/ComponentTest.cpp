#include "platform/core/Exceptions.h"
#include "platform/core/TComponent.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Records what it hears in a shared log, and the moment it is deleted.
class TProbe : public TComponent {
public:
    TProbe(TComponent* AOwner, const String& AName, std::vector<std::string>* ALog)
        : TComponent(AOwner), FLog(ALog) {
        SetName(AName);
    }
    ~TProbe() override { FLog->push_back("delete " + Name()); }

    String ClassName() const override { return "TProbe"; }

    void Notification(TComponent* AComponent, TOperation Operation) override {
        FLog->push_back(Name() + (Operation == opInsert ? " +" : " -") +
                        (AComponent == nullptr ? String("?") : AComponent->Name()));
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == FLink) FLink = nullptr;
    }

    void Link(TComponent* Other) {
        FLink = Other;
        Other->FreeNotification(this);
    }

    TComponent* FLink = nullptr;

private:
    std::vector<std::string>* FLog;
};

} // namespace

TEST(ComponentOwnership, OwnerDeletesOwnedComponentsLastFirst) {
    std::vector<std::string> log;
    auto* form = new TProbe(nullptr, "Form1", &log);
    new TProbe(form, "Query1", &log);
    new TProbe(form, "Grid1", &log);
    log.clear();
    delete form;
    const std::vector<std::string> expected{"delete Form1", "delete Grid1", "delete Query1"};
    EXPECT_EQ(expected, log);
}

TEST(ComponentOwnership, DeletedComponentLeavesItsOwner) {
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    auto* b = new TComponent(&owner);
    delete a;
    ASSERT_EQ(1, owner.ComponentCount());
    EXPECT_EQ(b, owner.Components(0));
    EXPECT_EQ(0, b->ComponentIndex());
}

TEST(ComponentOwnership, InsertComponentMovesFromPreviousOwner) {
    TComponent first(nullptr);
    TComponent second(nullptr);
    auto* c = new TComponent(&first);
    second.InsertComponent(c);
    EXPECT_EQ(0, first.ComponentCount());
    EXPECT_EQ(&second, c->Owner());
    second.RemoveComponent(c);
    EXPECT_EQ(nullptr, c->Owner());
    EXPECT_EQ(0, second.ComponentCount());
    delete c;
}

TEST(ComponentOwnership, ComponentsOutOfRangeRaises) {
    TComponent owner(nullptr);
    try {
        owner.Components(0);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_EQ("List index out of bounds (0)", e.Message());
    }
}

TEST(ComponentOwnership, ComponentIndexMovesWithinOwner) {
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    auto* b = new TComponent(&owner);
    auto* c = new TComponent(&owner);
    c->SetComponentIndex(0);
    EXPECT_EQ(c, owner.Components(0));
    EXPECT_EQ(a, owner.Components(1));
    EXPECT_EQ(b, owner.Components(2));
    EXPECT_EQ(-1, owner.ComponentIndex());
}

TEST(ComponentNames, FindComponentIgnoresCase) {
    TComponent owner(nullptr);
    auto* q = new TComponent(&owner);
    q->SetName("Query5");
    EXPECT_EQ(q, owner.FindComponent("QUERY5"));
    EXPECT_EQ(q, owner.FindComponent("query5"));
    EXPECT_EQ(nullptr, owner.FindComponent("Query6"));
    EXPECT_EQ(nullptr, owner.FindComponent(""));
}

TEST(ComponentNames, DuplicateNameRaisesAndKeepsOldName) {
    TComponent owner(nullptr);
    (new TComponent(&owner))->SetName("Query1");
    auto* other = new TComponent(&owner);
    other->SetName("Query2");
    try {
        other->SetName("QUERY1");
        FAIL();
    } catch (const EComponentError& e) {
        EXPECT_EQ("A component named QUERY1 already exists", e.Message());
    }
    EXPECT_EQ("Query2", other->Name());
    // Renaming to a different case of its own name is no clash.
    other->SetName("QUERY2");
    EXPECT_EQ("QUERY2", other->Name());
}

TEST(ComponentNames, InsertingADuplicateLeavesComponentWithOldOwner) {
    TComponent first(nullptr);
    TComponent second(nullptr);
    (new TComponent(&second))->SetName("Button1");
    auto* c = new TComponent(&first);
    c->SetName("Button1");
    try {
        second.InsertComponent(c);
        FAIL();
    } catch (const EComponentError& e) {
        EXPECT_EQ("A component named Button1 already exists", e.Message());
    }
    EXPECT_EQ(&first, c->Owner());
    EXPECT_EQ(1, second.ComponentCount());
}

TEST(ComponentNames, InvalidNameRaises) {
    TComponent c(nullptr);
    for (const char* bad : {"1abc", "a b", "név", "a-b"}) {
        try {
            c.SetName(bad);
            FAIL() << bad;
        } catch (const EComponentError& e) {
            EXPECT_EQ(std::string("'") + bad + "' is not a valid component name", e.Message());
        }
    }
    c.SetName("_ok1");
    c.SetName("");
    EXPECT_EQ("", c.Name());
}

TEST(ComponentNotification, OwnerTellsEveryOwnedComponentOfInsertAndRemove) {
    std::vector<std::string> log;
    TProbe form(nullptr, "Form1", &log);
    auto* a = new TProbe(&form, "A", &log);
    log.clear();
    auto* b = new TProbe(nullptr, "B", &log);
    form.InsertComponent(b);
    // The owner hears first, then its components from the last to the first.
    const std::vector<std::string> inserted{"Form1 +B", "B +B", "A +B"};
    EXPECT_EQ(inserted, log);
    log.clear();
    delete a;
    const std::vector<std::string> removed{"delete A", "Form1 -A", "B -A"};
    EXPECT_EQ(removed, log);
}

TEST(ComponentNotification, FreeNotificationClearsPointerAcrossOwners) {
    std::vector<std::string> log;
    TProbe user(nullptr, "Source", &log);
    auto* target = new TProbe(nullptr, "Data", &log);
    user.Link(target);
    EXPECT_TRUE(user.ComponentState().Contains(csFreeNotification));
    delete target;
    EXPECT_EQ(nullptr, user.FLink);
    EXPECT_FALSE(user.ComponentState().Contains(csFreeNotification));
}

TEST(ComponentNotification, FreeNotificationWorksBetweenSiblingsWhileOwnerIsDeleted) {
    // The first sibling is deleted last; without the link it would still point at
    // the already deleted second one.
    std::vector<std::string> log;
    auto* form = new TProbe(nullptr, "Form1", &log);
    auto* source = new TProbe(form, "Source", &log);
    auto* data = new TProbe(form, "Data", &log);
    source->Link(data);
    delete form;
    // "Source -Data" must come before "delete Source".
    auto heard = std::find(log.begin(), log.end(), "Source -Data");
    auto gone = std::find(log.begin(), log.end(), "delete Source");
    ASSERT_NE(log.end(), heard);
    EXPECT_LT(heard - log.begin(), gone - log.begin());
}

TEST(ComponentNotification, RemoveFreeNotificationUnlinksBothWays) {
    std::vector<std::string> log;
    TProbe a(nullptr, "A", &log);
    auto* b = new TProbe(nullptr, "B", &log);
    a.Link(b);
    a.RemoveFreeNotification(b);
    log.clear();
    delete b;
    const std::vector<std::string> expected{"delete B"};
    EXPECT_EQ(expected, log);
}

TEST(ComponentState, DestroyingMarksOwnedComponents) {
    TComponent owner(nullptr);
    auto* child = new TComponent(&owner);
    owner.Destroying();
    EXPECT_TRUE(owner.ComponentState().Contains(csDestroying));
    EXPECT_TRUE(child->ComponentState().Contains(csDestroying));
}

TEST(ComponentState, LoadedClearsLoadingAndDesigningSpreads) {
    TComponent owner(nullptr);
    owner.SetComponentState({csLoading, csReading});
    owner.Loaded();
    EXPECT_EQ(TComponentState{csReading}, owner.ComponentState());
    owner.SetDesigning(true);
    auto* child = new TComponent(&owner);
    EXPECT_TRUE(child->ComponentState().Contains(csDesigning));
}

TEST(ComponentState, DestroyComponentsEmptiesOwner) {
    std::vector<std::string> log;
    TProbe owner(nullptr, "Owner", &log);
    new TProbe(&owner, "A", &log);
    new TProbe(&owner, "B", &log);
    log.clear();
    owner.DestroyComponents();
    EXPECT_EQ(0, owner.ComponentCount());
    const std::vector<std::string> expected{"delete B", "delete A"};
    EXPECT_EQ(expected, log);
}
