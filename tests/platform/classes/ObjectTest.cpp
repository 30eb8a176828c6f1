#include "platform/classes/Object.h"
#include "platform/classes/Event.h"

#include <gtest/gtest.h>

namespace {
class TBase : public TObject {
    ORVO_CLASS(TBase, TObject)
public:
    int hits = 0;
    void Handler(TObject*) { ++hits; }
    void Other(TObject*) { hits += 10; }
};
class TDerived : public TBase {
    ORVO_CLASS(TDerived, TBase)
};
ORVO_IMPLEMENT_CLASS(TBase, TObject)
ORVO_IMPLEMENT_CLASS(TDerived, TBase)
} // namespace

TEST(ObjectModel, ClassNamesParentsAndInheritance) {
    TDerived d;
    EXPECT_EQ(d.ClassName(), "TDerived");
    EXPECT_EQ(d.ClassParent(), TBase::StaticClass());
    EXPECT_TRUE(d.InheritsFrom(TObject::StaticClass()));
    EXPECT_FALSE(TBase::StaticClass()->InheritsFrom(TDerived::StaticClass()));
    EXPECT_TRUE(d.ClassNameIs("tderived"));
    TObject* made = TDerived::StaticClass()->CreatePlain();
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->ClassType(), TDerived::StaticClass());
    FreeObject(made);
}

TEST(ObjectModel, FailedAsRaisesInvalidCast) {
    TBase b;
    EXPECT_THROW(As<TDerived>(&b), EInvalidCast);
    EXPECT_TRUE(Is<TBase>(&b));
}

TEST(Events, DelegatesCompareByObjectAndMethod) {
    TBase a, b;
    TNotifyEvent e1(&a, &TBase::Handler), e2 = Method(&a, &TBase::Handler);
    EXPECT_EQ(e1, e2);
    EXPECT_FALSE(e1 == TNotifyEvent(&b, &TBase::Handler));
    EXPECT_FALSE(e1 == TNotifyEvent(&a, &TBase::Other));
    e1(nullptr);
    EXPECT_EQ(a.hits, 1);
    TNotifyEvent none;
    EXPECT_FALSE(none.Assigned());
    none(nullptr); // an unassigned handler does nothing
    int calls = 0;
    TNotifyEvent l = [&](TObject*) { ++calls; };
    TNotifyEvent copy = l;
    EXPECT_EQ(l, copy);
    EXPECT_FALSE(l == TNotifyEvent([&](TObject*) { ++calls; }));
    copy(nullptr);
    EXPECT_EQ(calls, 1);
    auto restored = TNotifyEvent::FromMethod(e2.ToMethod());
    EXPECT_EQ(restored, e2);
    restored(nullptr);
    EXPECT_EQ(a.hits, 2);
}
