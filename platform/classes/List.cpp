#include "platform/classes/List.h"

#include "platform/rtl/ResStrings.h"

#include <algorithm>
#include <numeric>

ORVO_IMPLEMENT_CLASS(TList, TObject)
ORVO_IMPLEMENT_CLASS(TObjectList, TList)
ORVO_IMPLEMENT_CLASS(TThreadList, TObject)

// ---------------------------------------------------------------------------------- TList

TList::TList() = default;

// A derived list that frees its items in Notify must call Clear in its own destructor:
// here the derived Notify no longer runs.
TList::~TList() {
    TList::Clear();
}

void TList::Error(const String& Msg, NativeInt Data) {
    String text = Msg;
    const int d = text.indexOf(QLatin1String("%d"));
    if (d >= 0) text.replace(d, 2, QString::number(Data));
    throw EListError(text);
}

void TList::CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count()) Error(LoadResString(&SListIndexError), Index);
}

int TList::Add(void* Item) {
    const int index = Count();
    FList.push_back(Item);
    if (Item) Notify(Item, lnAdded);
    return index;
}

void TList::Insert(int Index, void* Item) {
    if (Index < 0 || Index > Count()) Error(LoadResString(&SListIndexError), Index);
    FList.insert(FList.begin() + Index, Item);
    if (Item) Notify(Item, lnAdded);
}

void TList::Delete(int Index) {
    CheckIndex(Index);
    void* item = FList[static_cast<size_t>(Index)];
    FList.erase(FList.begin() + Index);
    if (item) Notify(item, lnDeleted);
}

int TList::Remove(void* Item) {
    const int index = IndexOf(Item);
    if (index >= 0) Delete(index);
    return index;
}

void* TList::Extract(void* Item) {
    const int index = IndexOf(Item);
    if (index < 0) return nullptr;
    FList.erase(FList.begin() + index);
    Notify(Item, lnExtracted);
    return Item;
}

void TList::Clear() {
    SetCount(0);
    SetCapacity(0);
}

int TList::IndexOf(void* Item) const {
    const auto it = std::find(FList.begin(), FList.end(), Item);
    return it == FList.end() ? -1 : static_cast<int>(it - FList.begin());
}

void TList::Exchange(int Index1, int Index2) {
    CheckIndex(Index1);
    CheckIndex(Index2);
    std::swap(FList[static_cast<size_t>(Index1)], FList[static_cast<size_t>(Index2)]);
}

void TList::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    void* item = FList[static_cast<size_t>(CurIndex)];
    FList.erase(FList.begin() + CurIndex);
    FList.insert(FList.begin() + NewIndex, item);
}

void TList::Pack() {
    for (int i = Count() - 1; i >= 0; --i)
        if (!FList[static_cast<size_t>(i)]) FList.erase(FList.begin() + i);
}

void TList::Sort(const TListSortCompare& Compare) {
    if (Count() < 2 || !Compare) return;
    std::stable_sort(FList.begin(), FList.end(), [&](void* a, void* b) { return Compare(a, b) < 0; });
}

void* TList::First() const {
    return Items(0);
}

void* TList::Last() const {
    return Items(Count() - 1);
}

void* TList::Items(int Index) const {
    CheckIndex(Index);
    return FList[static_cast<size_t>(Index)];
}

void TList::SetItems(int Index, void* Item) {
    CheckIndex(Index);
    void* old = FList[static_cast<size_t>(Index)];
    if (old == Item) return;
    FList[static_cast<size_t>(Index)] = Item;
    if (old) Notify(old, lnDeleted);
    if (Item) Notify(Item, lnAdded);
}

void TList::SetCount(int NewCount) {
    if (NewCount < 0) Error(LoadResString(&SListCountError), NewCount);
    if (NewCount > Count()) {
        FList.resize(static_cast<size_t>(NewCount), nullptr);
        return;
    }
    // Deleted one at a time, last first, so that each item is notified.
    for (int i = Count() - 1; i >= NewCount; --i)
        Delete(i);
}

void TList::SetCapacity(int NewCapacity) {
    if (NewCapacity < Count()) Error(LoadResString(&SListCapacityError), NewCapacity);
    if (static_cast<size_t>(NewCapacity) > FList.capacity()) {
        FList.reserve(static_cast<size_t>(NewCapacity));
    } else if (static_cast<size_t>(NewCapacity) < FList.capacity()) {
        std::vector<void*> shrunk;
        shrunk.reserve(static_cast<size_t>(NewCapacity));
        shrunk.assign(FList.begin(), FList.end());
        FList.swap(shrunk);
    }
}

void TList::Notify(void*, TListNotification) {}

// ---------------------------------------------------------------------------- TObjectList

TObjectList::~TObjectList() {
    Clear();
}

void TObjectList::Notify(void* Ptr, TListNotification Action) {
    if (FOwnsObjects && Action == lnDeleted) FreeObject(static_cast<TObject*>(Ptr));
    TList::Notify(Ptr, Action);
}

// ---------------------------------------------------------------------------- TThreadList

TThreadList::TThreadList() : FList(new TList) {}

TThreadList::~TThreadList() {
    std::lock_guard<std::recursive_mutex> lock(FLock);
    delete FList;
    FList = nullptr;
}

void TThreadList::Add(void* Item) {
    std::lock_guard<std::recursive_mutex> lock(FLock);
    if (FDuplicates == dupAccept || FList->IndexOf(Item) < 0) {
        FList->Add(Item);
    } else if (FDuplicates == dupError) {
        String msg = LoadResString(&SDuplicateItem);
        msg.replace(
            QLatin1String("%x"),
            QString::number(static_cast<qulonglong>(reinterpret_cast<NativeUInt>(Item)), 16).toUpper());
        throw EListError(msg);
    }
}

void TThreadList::Remove(void* Item) {
    std::lock_guard<std::recursive_mutex> lock(FLock);
    FList->Remove(Item);
}

void TThreadList::Clear() {
    std::lock_guard<std::recursive_mutex> lock(FLock);
    FList->Clear();
}

TList* TThreadList::LockList() {
    FLock.lock();
    return FList;
}

void TThreadList::UnlockList() {
    FLock.unlock();
}
