// Pointer lists: TList with its change hook, TObjectList that may own its objects, and
// TThreadList, a list behind a re-entrant lock.
#pragma once

#include "platform/classes/Object.h"

#include <functional>
#include <mutex>
#include <vector>

enum TListNotification { lnAdded, lnExtracted, lnDeleted };
enum TDuplicates { dupIgnore, dupAccept, dupError };

// Orders two items: negative, zero or positive.
using TListSortCompare = std::function<int(void* Item1, void* Item2)>;

namespace platform::detail {
// Walks a list by index, as the runtime's enumerator does: the count is read at every
// step, so removing the current item in the loop body never runs past the end.
template <class L, class T> class ListIterator {
public:
    struct Sentinel {};
    ListIterator(const L* list, int index) : list_(list), index_(index) {}
    T operator*() const { return static_cast<T>(list_->Items(index_)); }
    ListIterator& operator++() {
        ++index_;
        return *this;
    }
    bool operator!=(Sentinel) const { return index_ < list_->Count(); }

private:
    const L* list_;
    int index_;
};
} // namespace platform::detail

class TList : public TObject {
    ORVO_CLASS(TList, TObject)
public:
    TList();
    ~TList() override;

    int Add(void* Item);
    void Insert(int Index, void* Item);
    void Delete(int Index);
    int Remove(void* Item);
    // Takes Item out of the list without deleting it (notified as lnExtracted).
    void* Extract(void* Item);
    // Empties the list; every item is notified as lnDeleted, last first.
    virtual void Clear();
    int IndexOf(void* Item) const;
    void Exchange(int Index1, int Index2);
    void Move(int CurIndex, int NewIndex);
    // Removes the null entries.
    void Pack();
    void Sort(const TListSortCompare& Compare);

    void* First() const;
    void* Last() const;
    void* Items(int Index) const;
    void SetItems(int Index, void* Item);
    void* operator[](int Index) const { return Items(Index); }

    int Count() const { return static_cast<int>(FList.size()); }
    // Shrinking deletes the items past the new end; growing appends null entries.
    void SetCount(int NewCount);
    int Capacity() const { return static_cast<int>(FList.capacity()); }
    void SetCapacity(int NewCapacity);

    platform::detail::ListIterator<TList, void*> begin() const { return {this, 0}; }
    platform::detail::ListIterator<TList, void*>::Sentinel end() const { return {}; }

    // Raises EListError with Msg formatted with Data ("List index out of bounds (%d)").
    [[noreturn]] static void Error(const String& Msg, NativeInt Data);

protected:
    // Called for every non-null item added to or removed from the list.
    virtual void Notify(void* Ptr, TListNotification Action);

private:
    void CheckIndex(int Index) const;
    std::vector<void*> FList;
};

// A list of objects that, with OwnsObjects (the default), frees the objects it deletes.
class TObjectList : public TList {
    ORVO_CLASS(TObjectList, TList)
public:
    TObjectList() = default;
    // TObjectList(false): a list that does not own its objects. Only a real bool selects
    // this constructor, so a pointer never converts into an ownership flag.
    template <class B, std::enable_if_t<std::is_same_v<B, bool>, int> = 0>
    explicit TObjectList(B AOwnsObjects) : FOwnsObjects(AOwnsObjects) {}
    ~TObjectList() override;

    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }

    int Add(TObject* AObject) { return TList::Add(AObject); }
    void Insert(int Index, TObject* AObject) { TList::Insert(Index, AObject); }
    int Remove(TObject* AObject) { return TList::Remove(AObject); }
    TObject* Extract(TObject* Item) { return static_cast<TObject*>(TList::Extract(Item)); }
    int IndexOf(TObject* AObject) const { return TList::IndexOf(AObject); }
    TObject* First() const { return static_cast<TObject*>(TList::First()); }
    TObject* Last() const { return static_cast<TObject*>(TList::Last()); }
    TObject* Items(int Index) const { return static_cast<TObject*>(TList::Items(Index)); }
    void SetItems(int Index, TObject* AObject) { TList::SetItems(Index, AObject); }
    TObject* operator[](int Index) const { return Items(Index); }

    platform::detail::ListIterator<TObjectList, TObject*> begin() const { return {this, 0}; }
    platform::detail::ListIterator<TObjectList, TObject*>::Sentinel end() const { return {}; }

protected:
    void Notify(void* Ptr, TListNotification Action) override;

private:
    bool FOwnsObjects = true;
};

// A TList shared between threads: LockList enters the (re-entrant) lock and gives the
// list, UnlockList leaves it. Add ignores an item already present unless Duplicates says
// otherwise.
class TThreadList : public TObject {
    ORVO_CLASS(TThreadList, TObject)
public:
    TThreadList();
    ~TThreadList() override;

    void Add(void* Item);
    void Remove(void* Item);
    void Clear();
    TList* LockList();
    void UnlockList();

    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }

private:
    TList* FList;
    std::recursive_mutex FLock;
    TDuplicates FDuplicates = dupIgnore;
};
