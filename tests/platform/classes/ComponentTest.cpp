#include "platform/classes/Component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
// Logs its destruction (with the state its destructor saw) and the notifications it gets.
class TProbe : public TComponent {
    ORVO_CLASS(TProbe, TComponent)
public:
    TProbe(TComponent* AOwner, std::vector<std::string>* log = nullptr, const char* name = "")
        : TComponent(AOwner), log_(log) {
        if (*name) SetName(name);
    }
    ~TProbe() override {
        if (log_)
            log_->push_back("~" + Name().toStdString() +
                            (ComponentState().Contains(csDestroying) ? " destroying" : ""));
    }
    std::vector<std::string> notices;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        notices.push_back((Operation == opInsert ? "+" : "-") + AComponent->Name().toStdString());
    }

private:
    std::vector<std::string>* log_;
};
ORVO_IMPLEMENT_CLASS(TProbe, TComponent)

// Refers to another component through a property and forgets it when it dies.
class TRefHolder : public TComponent {
    ORVO_CLASS(TRefHolder, TComponent)
public:
    using TComponent::TComponent;
    ~TRefHolder() override {
        if (heldAtDeath) *heldAtDeath = FTarget;
    }
    TComponent** heldAtDeath = nullptr;
    TComponent* Target() const { return FTarget; }
    void SetTarget(TComponent* Value) {
        if (FTarget) FTarget->RemoveFreeNotification(this);
        FTarget = Value;
        if (FTarget) FTarget->FreeNotification(this);
    }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        TComponent::Notification(AComponent, Operation);
        if (Operation == opRemove && AComponent == FTarget) FTarget = nullptr;
    }

private:
    TComponent* FTarget = nullptr;
};
ORVO_IMPLEMENT_CLASS(TRefHolder, TComponent)

// Forgets its target without calling the inherited Notification.
class TRudeHolder : public TComponent {
    ORVO_CLASS(TRudeHolder, TComponent)
public:
    using TComponent::TComponent;
    TComponent* target = nullptr;
    int told = 0;

protected:
    void Notification(TComponent* AComponent, TOperation) override {
        ++told;
        if (AComponent == target) target = nullptr;
    }
};
ORVO_IMPLEMENT_CLASS(TRudeHolder, TComponent)

std::string names(const TComponent& owner) {
    std::string r;
    for (int i = 0; i < owner.ComponentCount(); ++i)
        r += (i ? "," : "") + owner.Components(i)->Name().toStdString();
    return r;
}
} // namespace

TEST(Component, OwnerDestroysOwnedComponentsLastFirstAfterMarkingThemDestroying) {
    std::vector<std::string> log;
    auto* form = new TProbe(nullptr, &log, "Form");
    new TProbe(form, &log, "A");
    auto* b = new TProbe(form, &log, "B");
    new TProbe(b, &log, "B1");
    new TProbe(form, &log, "C");
    EXPECT_EQ(names(*form), "A,B,C");
    EXPECT_EQ(b->Owner(), form);
    FreeObject(form);
    EXPECT_EQ(log, (std::vector<std::string>{"~Form destroying", "~C destroying", "~B destroying",
                                             "~B1 destroying", "~A destroying"}));
}

TEST(Component, DeletingAnOwnedComponentRemovesItFromItsOwnerAndTellsTheOthers) {
    TProbe form(nullptr, nullptr, "Form");
    auto* a = new TProbe(&form, nullptr, "A");
    auto* b = new TProbe(&form, nullptr, "B");
    // A is told of B's insertion, which happens in B's constructor, before B is named.
    EXPECT_EQ(a->notices, (std::vector<std::string>{"+"}));
    delete b;
    EXPECT_EQ(names(form), "A");
    EXPECT_EQ(form.notices.back(), "-B");
    EXPECT_EQ(a->notices.back(), "-B");
    EXPECT_EQ(form.FindComponent("b"), nullptr);
    EXPECT_EQ(a->ComponentIndex(), 0);
}

TEST(Component, NamesAreIdentifiersUniqueInTheOwnerIgnoringCase) {
    TComponent form(nullptr);
    auto* a = new TComponent(&form);
    auto* b = new TComponent(&form);
    struct Case {
        const char* name;
        bool valid;
    };
    const Case cases[] = {{"Button1", true}, {"_x", true},   {"a_1", true},    {"1a", false},
                          {"a b", false},    {"a.b", false}, {"Grüße", false}, {"-", false}};
    for (const Case& c : cases) {
        try {
            a->SetName(QString::fromUtf8(c.name));
            EXPECT_TRUE(c.valid) << c.name << " accepted";
        } catch (const EComponentError& e) {
            EXPECT_FALSE(c.valid) << c.name << " refused";
            EXPECT_EQ(e.Message,
                      QStringLiteral("'%1' is not a valid component name").arg(QString::fromUtf8(c.name)));
        }
    }
    a->SetName("Chart1");
    EXPECT_EQ(form.FindComponent("CHART1"), a);
    try {
        b->SetName("chart1");
        ADD_FAILURE() << "duplicate name accepted";
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message, "A component named chart1 already exists");
    }
    EXPECT_EQ(b->Name(), "");
    a->SetName("CHART1"); // its own name in another case
    EXPECT_EQ(a->Name(), "CHART1");
    a->SetName("");
    b->SetName(""); // unnamed components may be many
    EXPECT_EQ(form.FindComponent(""), nullptr);

    TComponent loose1(nullptr), loose2(nullptr);
    loose1.SetName("Same");
    loose2.SetName("Same"); // no owner, nothing to clash with
    EXPECT_EQ(loose2.GetNamePath(), "Same");
}

TEST(Component, ReowningMovesTheComponentAndRefusesANameClash) {
    TProbe first(nullptr, nullptr, "First"), second(nullptr, nullptr, "Second");
    auto* x = new TProbe(&first, nullptr, "X");
    new TProbe(&second, nullptr, "Y");
    auto* clash = new TProbe(&second, nullptr, "X2");

    second.InsertComponent(x);
    EXPECT_EQ(x->Owner(), &second);
    EXPECT_EQ(first.ComponentCount(), 0);
    EXPECT_EQ(first.notices.back(), "-X");
    EXPECT_EQ(second.notices.back(), "+X");

    auto* other = new TProbe(&first, nullptr, "Z");
    other->SetName("Y");
    EXPECT_THROW(second.InsertComponent(other), EComponentError);
    EXPECT_EQ(other->Owner(), &first) << "a refused insertion leaves the component where it was";

    second.RemoveComponent(clash);
    EXPECT_EQ(clash->Owner(), nullptr);
    first.RemoveComponent(x); // not first's: ignored
    EXPECT_EQ(x->Owner(), &second);
    delete clash;
}

TEST(Component, ComponentIndexReordersAndIsClamped) {
    TComponent form(nullptr);
    std::vector<TComponent*> c;
    for (const char* n : {"A", "B", "C", "D"}) {
        c.push_back(new TComponent(&form));
        c.back()->SetName(n);
    }
    c[0]->SetComponentIndex(2);
    EXPECT_EQ(names(form), "B,C,A,D");
    c[3]->SetComponentIndex(-5);
    EXPECT_EQ(names(form), "D,B,C,A");
    c[1]->SetComponentIndex(99);
    EXPECT_EQ(names(form), "D,C,A,B");
    EXPECT_EQ(c[1]->ComponentIndex(), 3);
    EXPECT_THROW(form.Components(4), EListError);
    TComponent loose(nullptr);
    EXPECT_EQ(loose.ComponentIndex(), -1);
    loose.SetComponentIndex(0);
}

TEST(Component, FreeNotificationClearsReferencesAcrossOwnersAndWithinOne) {
    struct Case {
        const char* what;
        bool sameOwner;
        bool viaOwner; // the target dies with its owner rather than alone
    };
    const Case cases[] = {{"other owner, target deleted", false, false},
                          {"other owner, target dies with its owner", false, true},
                          {"same owner, target deleted", true, false},
                          {"same owner, owner destroyed", true, true}};
    for (const Case& c : cases) {
        auto* holderOwner = new TComponent(nullptr);
        auto* targetOwner = c.sameOwner ? holderOwner : new TComponent(nullptr);
        auto* holder = new TRefHolder(holderOwner);
        // Created after the holder, so a shared owner destroys the target first.
        auto* target = new TComponent(targetOwner);
        TRefHolder watcher(nullptr);
        holder->SetTarget(target);
        watcher.SetTarget(target);
        TComponent* heldAtDeath = target;
        holder->heldAtDeath = &heldAtDeath;

        if (c.viaOwner)
            FreeObject(targetOwner);
        else
            FreeObject(target);
        if (!(c.sameOwner && c.viaOwner)) {
            EXPECT_EQ(holder->Target(), nullptr) << c.what;
            FreeObject(holderOwner);
        }
        if (!c.sameOwner && !c.viaOwner) FreeObject(targetOwner);
        EXPECT_EQ(heldAtDeath, nullptr) << c.what;
        EXPECT_EQ(watcher.Target(), nullptr) << c.what;
    }
}

TEST(Component, RemovedOrOutlivedFreeNotificationsAreNotSent) {
    auto* target = new TComponent(nullptr);
    TRefHolder holder(nullptr);
    holder.SetTarget(target);
    holder.SetTarget(nullptr);
    TRudeHolder rude(nullptr);
    rude.target = target;
    target->FreeNotification(&rude);
    FreeObject(target); // terminates although rude does not call the inherited Notification
    EXPECT_EQ(rude.target, nullptr);
    EXPECT_EQ(rude.told, 1);

    // A watcher that dies first is forgotten by its target.
    auto* target2 = new TComponent(nullptr);
    auto* watcher = new TRefHolder(nullptr);
    watcher->SetTarget(target2);
    FreeObject(watcher);
    FreeObject(target2); // must not notify the freed watcher
    SUCCEED();
}

TEST(Component, StateStyleTagAndMetaclass) {
    TProbe form(nullptr);
    EXPECT_TRUE(form.ComponentState().empty());
    form.SetTag(reinterpret_cast<NativeInt>(&form));
    EXPECT_EQ(reinterpret_cast<TProbe*>(form.Tag()), &form);
    form.SetSubComponent(true);
    EXPECT_TRUE(form.ComponentStyle().Contains(csSubComponent));
    EXPECT_TRUE(form.ComponentStyle().Contains(csInheritable));
    form.SetSubComponent(false);
    EXPECT_FALSE(form.ComponentStyle().Contains(csSubComponent));

    TObject* made = TProbe::StaticClass()->CreateComponent(&form);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(As<TComponent>(made)->Owner(), &form);
    EXPECT_EQ(made->ClassName(), "TProbe");
    EXPECT_EQ(form.ClassParent(), TComponent::StaticClass());
    EXPECT_EQ(form.GetOwner(), nullptr);
}
