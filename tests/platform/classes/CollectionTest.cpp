#include "platform/classes/Collection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
class TNamedItem : public TCollectionItem {
    ORVO_CLASS(TNamedItem, TCollectionItem)
public:
    explicit TNamedItem(TCollection* Collection) : TCollectionItem(Collection) {}
    String Caption;
    void Assign(TPersistent* Source) override {
        if (auto* src = dynamic_cast<TNamedItem*>(Source)) {
            Caption = src->Caption;
            Changed(false);
            return;
        }
        TCollectionItem::Assign(Source);
    }
    void SetCaption(const String& Value) {
        Caption = Value;
        Changed(false);
    }

protected:
    String GetDisplayName() const override {
        return Caption.isEmpty() ? TCollectionItem::GetDisplayName() : Caption;
    }
};
ORVO_IMPLEMENT_CLASS(TNamedItem, TCollectionItem)

// Records the Update and Notify calls.
class TLoggedCollection : public TCollection {
    ORVO_CLASS(TLoggedCollection, TCollection)
public:
    TLoggedCollection() : TCollection(TNamedItem::StaticClass()) {}
    std::vector<std::string> log;

protected:
    void Update(TCollectionItem* Item) override {
        log.push_back("update " + (Item ? Item->DisplayName().toStdString() : std::string("all")));
    }
    void Notify(TCollectionItem* Item, TCollectionNotification Action) override {
        static const char* const names[] = {"added", "extracting", "deleting"};
        log.push_back(std::string(names[Action]) + " #" + std::to_string(Item->ID()));
    }
};
ORVO_IMPLEMENT_CLASS(TLoggedCollection, TCollection)

class TOwnerThing : public TPersistent {
    ORVO_CLASS(TOwnerThing, TPersistent)
public:
    String GetNamePath() const override { return "Chart1"; }
};
ORVO_IMPLEMENT_CLASS(TOwnerThing, TPersistent)

std::string captions(const TCollection& c) {
    std::string r;
    for (int i = 0; i < c.Count(); ++i)
        r += (i ? "," : "") + c.Items(i)->DisplayName().toStdString();
    return r;
}

TNamedItem* addNamed(TCollection& c, const char* caption) {
    auto* item = As<TNamedItem>(c.Add());
    item->Caption = caption;
    return item;
}
} // namespace

TEST(Collection, AddCreatesItemsOfTheItemClassWithIdsAndPositions) {
    TCollection c(TNamedItem::StaticClass());
    EXPECT_EQ(c.ItemClass(), TNamedItem::StaticClass());
    TCollectionItem* first = c.Add();
    TCollectionItem* second = c.Add();
    EXPECT_EQ(first->ClassName(), "TNamedItem");
    EXPECT_EQ(first->Collection(), &c);
    EXPECT_EQ(second->Index(), 1);
    EXPECT_EQ(second->ID(), 1);
    c.Delete(0);
    EXPECT_EQ(second->Index(), 0);
    EXPECT_EQ(c.Add()->ID(), 2) << "IDs are not reused";
    EXPECT_EQ(second->DisplayName(), "TNamedItem");
    EXPECT_THROW(c.Items(2), EListError);
    EXPECT_THROW(c.Delete(-1), EListError);

    TCollection plain(TCollectionItem::StaticClass());
    EXPECT_EQ(plain.Add()->ClassName(), "TCollectionItem");
    TCollection wrong(TPersistent::StaticClass());
    EXPECT_THROW(wrong.Add(), EInvalidOperation);
    EXPECT_EQ(wrong.Count(), 0);
}

TEST(Collection, SettingIndexMovesTheItem) {
    TCollection c(TNamedItem::StaticClass());
    for (const char* n : {"a", "b", "c", "d"})
        addNamed(c, n);
    c.Items(0)->SetIndex(2);
    EXPECT_EQ(captions(c), "b,c,a,d");
    c.Items(3)->SetIndex(0);
    EXPECT_EQ(captions(c), "d,b,c,a");
    EXPECT_THROW(c.Items(0)->SetIndex(4), EListError);
    EXPECT_EQ(captions(c), "d,b,c,a") << "a refused move changes nothing";
    As<TNamedItem>(c.Insert(1))->Caption = "new";
    EXPECT_EQ(captions(c), "d,new,b,c,a");
}

TEST(Collection, ItemsMayLiveWithoutACollectionAndJoinLater) {
    TNamedItem loose(nullptr);
    EXPECT_EQ(loose.Collection(), nullptr);
    EXPECT_EQ(loose.Index(), -1);
    EXPECT_EQ(loose.GetNamePath(), "TNamedItem");
    loose.SetIndex(3); // nothing to move in

    TCollection c(TNamedItem::StaticClass());
    auto* item = new TNamedItem(nullptr);
    item->SetCollection(&c);
    EXPECT_EQ(c.Count(), 1);
    EXPECT_EQ(item->GetOwner(), &c);
    item->SetCollection(nullptr);
    EXPECT_EQ(c.Count(), 0);
    delete item;
}

TEST(Collection, UpdatesWaitForTheOuterEndUpdate) {
    TLoggedCollection c;
    auto* a = addNamed(c, "a");
    a->SetCaption("A");
    EXPECT_EQ(c.log, (std::vector<std::string>{"added #0", "update all", "update A"}));
    c.log.clear();

    c.BeginUpdate();
    c.BeginUpdate();
    addNamed(c, "b");
    a->SetCaption("A2");
    c.Items(1)->SetIndex(0);
    c.EndUpdate();
    EXPECT_EQ(c.log, (std::vector<std::string>{"added #1"}));
    c.EndUpdate();
    EXPECT_EQ(c.log, (std::vector<std::string>{"added #1", "update all"}));
    c.log.clear();

    c.EndUpdate(); // unbalanced: ignored, updates go on
    c.log.clear();
    a->SetCaption("A3");
    EXPECT_EQ(c.log, (std::vector<std::string>{"update A3"}));
}

TEST(Collection, DeletionClearingAndDestructionNotify) {
    std::vector<std::string> expected;
    TLoggedCollection c;
    for (const char* n : {"a", "b", "c"})
        addNamed(c, n);
    c.log.clear();
    c.Delete(1);
    EXPECT_EQ(c.log, (std::vector<std::string>{"deleting #1", "extracting #1", "update all"}));
    c.log.clear();
    c.Clear();
    EXPECT_EQ(c.log, (std::vector<std::string>{"extracting #2", "extracting #0", "update all"}));
    EXPECT_EQ(c.Count(), 0);
    c.log.clear();
    delete addNamed(c, "d");
    EXPECT_EQ(c.log, (std::vector<std::string>{"added #3", "update all", "extracting #3", "update all"}));
}

TEST(Collection, AssignCopiesItemByItemInOneUpdate) {
    TCollection source(TNamedItem::StaticClass());
    for (const char* n : {"x", "y"})
        addNamed(source, n);
    TLoggedCollection target;
    addNamed(target, "old");
    target.log.clear();
    target.Assign(&source);
    EXPECT_EQ(captions(target), "x,y");
    EXPECT_NE(target.Items(0), source.Items(0));
    EXPECT_EQ(target.log.back(), "update all");
    EXPECT_EQ(std::count(target.log.begin(), target.log.end(), "update all"), 1);

    target.Assign(&target);
    EXPECT_EQ(captions(target), "x,y") << "assigning a collection to itself keeps it";

    TOwnerThing notACollection;
    EXPECT_THROW(target.Assign(&notACollection), EConvertError);

    target.SetItems(1, source.Items(0));
    EXPECT_EQ(captions(target), "x,x");
}

TEST(Collection, NamePathsFollowTheOwnerAndPropertyName) {
    TOwnerThing chart;
    TOwnedCollection axes(&chart, TNamedItem::StaticClass());
    TCollectionItem* item = axes.Add();
    axes.Add();
    EXPECT_EQ(axes.Owner(), &chart);
    EXPECT_EQ(axes.GetNamePath(), "TOwnedCollection") << "no property name yet";
    axes.SetPropName("CustomAxes");
    EXPECT_EQ(axes.GetNamePath(), "Chart1.CustomAxes");
    EXPECT_EQ(axes.Items(1)->GetNamePath(), "Chart1.CustomAxes[1]");
    EXPECT_EQ(item->GetOwner(), &axes);

    TOwnedCollection other(&chart, TNamedItem::StaticClass());
    TCollection::PropNameResolver = [](const TCollection*) { return String("Found"); };
    EXPECT_EQ(other.PropName(), "Found");
    TCollection::PropNameResolver = nullptr;
    TCollection unowned(TNamedItem::StaticClass());
    EXPECT_EQ(unowned.GetNamePath(), "TCollection");
}
