#include "platform/classes/List.h"

#include "CountedObject.h"

#include <gtest/gtest.h>

#include <thread>
#include <utility>
#include <vector>

namespace {
// Records every notification of the list.
class TRecordingList : public TList {
    ORVO_CLASS(TRecordingList, TList)
public:
    ~TRecordingList() override { Clear(); }
    std::vector<std::pair<void*, TListNotification>> log;

protected:
    void Notify(void* Ptr, TListNotification Action) override { log.emplace_back(Ptr, Action); }
};

ORVO_IMPLEMENT_CLASS(TRecordingList, TList)

int a = 1, b = 2, c = 3, d = 4;
} // namespace

TEST(List, NotifiesAdditionsAndRemovalsButNotMovesOrNullItems) {
    TRecordingList list;
    list.Add(&a);
    list.Add(nullptr);
    list.Insert(0, &b);
    list.Exchange(0, 2);
    list.Move(0, 1);
    EXPECT_EQ(list.Extract(&b), &b);
    list.SetItems(0, &c); // replaces &a
    list.Add(&d);
    list.Remove(&c);
    EXPECT_EQ(list.Extract(&a), nullptr); // no longer there: no notification
    list.Add(&a);
    list.Clear(); // last first
    const std::vector<std::pair<void*, TListNotification>> expected{
        {&a, lnAdded}, {&b, lnAdded},   {&b, lnExtracted}, {&a, lnDeleted}, {&c, lnAdded},
        {&d, lnAdded}, {&c, lnDeleted}, {&a, lnAdded},     {&a, lnDeleted}, {&d, lnDeleted},
    };
    EXPECT_EQ(list.log, expected);
    EXPECT_EQ(list.Count(), 0);
}

TEST(List, IndexErrorsRaiseListErrorWithTheIndex) {
    TList list;
    list.Add(&a);
    list.Add(&b);
    struct Case {
        const char* what;
        std::function<void()> call;
        const char* message;
    };
    const std::vector<Case> cases{
        {"Items(-1)", [&] { list.Items(-1); }, "List index out of bounds (-1)"},
        {"Items(2)", [&] { list.Items(2); }, "List index out of bounds (2)"},
        {"Delete(2)", [&] { list.Delete(2); }, "List index out of bounds (2)"},
        {"Insert(3)", [&] { list.Insert(3, &c); }, "List index out of bounds (3)"},
        {"Move to 5", [&] { list.Move(0, 5); }, "List index out of bounds (5)"},
        {"Exchange", [&] { list.Exchange(1, 7); }, "List index out of bounds (7)"},
        {"SetItems", [&] { list.SetItems(9, &c); }, "List index out of bounds (9)"},
        {"SetCount", [&] { list.SetCount(-1); }, "List count out of bounds (-1)"},
    };
    for (const Case& k : cases) {
        try {
            k.call();
            ADD_FAILURE() << k.what << " did not raise";
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message, k.message) << k.what;
        }
    }
    EXPECT_EQ(list.Count(), 2) << "a refused operation changes nothing";
    TList empty;
    EXPECT_THROW(empty.First(), EListError);
    EXPECT_THROW(empty.Last(), EListError);
}

TEST(List, SortIsStableAndPackDropsNullEntries) {
    struct Item {
        int key;
        char tag;
    };
    Item items[] = {{2, 'a'}, {1, 'b'}, {2, 'c'}, {1, 'd'}, {0, 'e'}};
    TList list;
    for (Item& i : items)
        list.Add(&i);
    list.Sort([](void* x, void* y) { return static_cast<Item*>(x)->key - static_cast<Item*>(y)->key; });
    std::string order;
    for (void* p : list)
        order += static_cast<Item*>(p)->tag;
    EXPECT_EQ(order, "ebdac");

    list.SetCount(7);
    EXPECT_EQ(list.Items(6), nullptr);
    list.SetItems(1, nullptr);
    list.Pack();
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.First(), &items[4]);
    EXPECT_EQ(list.Last(), &items[2]);
}

TEST(List, EnumerationStopsAtTheEndWhenTheBodyRemovesItems) {
    TList list;
    for (int* p : {&a, &b, &c, &d})
        list.Add(p);
    int visits = 0;
    for (void* p : list) {
        ++visits;
        list.Remove(p); // the next item shifts into this position and is skipped
    }
    EXPECT_EQ(visits, 2);
    EXPECT_EQ(list.Count(), 2);
}

TEST(ObjectList, FreesOwnedObjectsOnDeletionButNotOnExtraction) {
    int deaths = 0;
    auto* kept = new TCounted(&deaths);
    {
        TObjectList list;
        EXPECT_TRUE(list.OwnsObjects());
        list.Add(new TCounted(&deaths));
        list.Add(kept);
        list.Add(new TCounted(&deaths));
        list.Add(new TCounted(&deaths));
        list.Delete(0);
        EXPECT_EQ(deaths, 1);
        EXPECT_EQ(list.Extract(kept), kept);
        EXPECT_EQ(deaths, 1);
        list.SetItems(0, new TCounted(&deaths)); // the replaced object is freed
        EXPECT_EQ(deaths, 2);
        list.Remove(list.Last());
        EXPECT_EQ(deaths, 3);
    } // the last one goes with the list
    EXPECT_EQ(deaths, 4);
    delete kept;

    deaths = 0;
    TCounted x(&deaths), y(&deaths);
    {
        TObjectList list(false);
        list.Add(&x);
        list.Add(&y);
        list.Delete(0);
        list.Clear();
    }
    EXPECT_EQ(deaths, 0);
}

TEST(ThreadList, DuplicatesAndConcurrentAdds) {
    TThreadList list;
    list.Add(&a);
    list.Add(&a); // ignored by default
    EXPECT_EQ(list.LockList()->Count(), 1);
    list.UnlockList();
    list.SetDuplicates(dupError);
    EXPECT_THROW(list.Add(&a), EListError);
    list.SetDuplicates(dupAccept);
    list.Add(&a);

    // The lock is re-entrant: a holder of the list may call Add.
    TList* held = list.LockList();
    list.Add(&b);
    EXPECT_EQ(held->Count(), 3);
    list.UnlockList();

    static char cells[2][500];
    auto worker = [&](int t) {
        for (char& s : cells[t])
            list.Add(&s);
    };
    std::thread t0(worker, 0), t1(worker, 1);
    t0.join();
    t1.join();
    EXPECT_EQ(list.LockList()->Count(), 1003);
    list.UnlockList();
    list.Remove(&b);
    list.Clear();
    EXPECT_EQ(list.LockList()->Count(), 0);
    list.UnlockList();
}
