#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Component.h"

#include <gtest/gtest.h>

namespace {
class TRegA : public TComponent {
    ORVO_CLASS(TRegA, TComponent)
public:
    using TComponent::TComponent;
};
class TRegB : public TRegA {
    ORVO_CLASS(TRegB, TRegA)
public:
    using TRegA::TRegA;
};
ORVO_IMPLEMENT_CLASS(TRegA, TComponent)
ORVO_IMPLEMENT_CLASS(TRegB, TRegA)

// Another class that calls itself TRegA.
struct TRegAImpostor {
    static TClass Meta() {
        static const TMetaClass meta{"TRegA", TComponent::StaticClass(), nullptr, nullptr, nullptr, nullptr};
        return &meta;
    }
};
} // namespace

TEST(ClassRegistry, RegistersClassesWithTheirAncestorsAndFindsThemByName) {
    RegisterClass(TRegB::StaticClass());
    EXPECT_EQ(GetClass("tregb"), TRegB::StaticClass());
    EXPECT_EQ(FindClass("TRegA"), TRegA::StaticClass());
    EXPECT_EQ(GetClass("TComponent"), TComponent::StaticClass());
    EXPECT_EQ(GetClass("TObject"), nullptr);                       // registration stops at TPersistent
    RegisterClasses({TRegA::StaticClass(), TRegB::StaticClass()}); // again: harmless
    const auto all = RegisteredClasses();
    EXPECT_EQ(std::count(all.begin(), all.end(), TRegB::StaticClass()), 1);

    UnRegisterClass(TRegB::StaticClass());
    EXPECT_EQ(GetClass("TRegB"), nullptr);
    try {
        FindClass("TRegB");
        FAIL();
    } catch (const EClassNotFound& e) {
        EXPECT_EQ(e.Message, "Class TRegB not found");
    }
}

TEST(ClassRegistry, AnotherClassUnderATakenNameIsRefused) {
    RegisterClass(TRegA::StaticClass());
    try {
        RegisterClass(TRegAImpostor::Meta());
        FAIL();
    } catch (const EFilerError& e) {
        EXPECT_EQ(e.Message, "A class named TRegA already exists");
    }
    EXPECT_EQ(GetClass("TRegA"), TRegA::StaticClass());
    RegisterClassAlias(TRegA::StaticClass(), "TOldRegA");
    EXPECT_EQ(GetClass("TOLDREGA"), TRegA::StaticClass());
    // One group for all classes.
    StartClassGroup(TRegA::StaticClass());
    GroupDescendentsWith(TRegB::StaticClass(), TRegA::StaticClass());
    EXPECT_EQ(ActivateClassGroup(TRegA::StaticClass()), TRegA::StaticClass());
    EXPECT_EQ(GetClass("TRegA"), TRegA::StaticClass());
}
