#include "platform/classes/Collection.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TCollection, TPersistent)
ORVO_IMPLEMENT_CLASS(TOwnedCollection, TCollection)
ORVO_IMPLEMENT_CLASS(TCollectionItem, TPersistent)

namespace {
// Closes an update bracket however the block is left.
class CollectionUpdate {
public:
    explicit CollectionUpdate(TCollection* c) : c_(c) { c_->BeginUpdate(); }
    ~CollectionUpdate() { c_->EndUpdate(); }
    CollectionUpdate(const CollectionUpdate&) = delete;
    CollectionUpdate& operator=(const CollectionUpdate&) = delete;

private:
    TCollection* c_;
};
} // namespace

// --------------------------------------------------------------------------- TCollection

TCollection::TCollection(TClass ItemClass) : FItemClass(ItemClass) {}

TCollection::~TCollection() {
    // No Update calls while the collection goes.
    FUpdateCount = 1;
    while (!FItems.empty())
        FreeObject(FItems.back());
}

void TCollection::CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

TCollectionItem* TCollection::Add() {
    if (!FItemClass || !FItemClass->CreateItem)
        throw EInvalidOperation(QStringLiteral("Cannot create an item of class %1")
                                    .arg(FItemClass ? FItemClass->ClassName() : QStringLiteral("nil")));
    TObject* made = FItemClass->CreateItem(this);
    auto* item = dynamic_cast<TCollectionItem*>(made);
    if (!item) {
        FreeObject(made);
        throw EInvalidOperation(
            QStringLiteral("Cannot create an item of class %1").arg(FItemClass->ClassName()));
    }
    // An item class whose constructor does not join the given collection still ends up in it.
    if (item->FCollection != this) item->SetCollection(this);
    return item;
}

TCollectionItem* TCollection::Insert(int Index) {
    TCollectionItem* item = Add();
    item->SetIndex(Index);
    return item;
}

void TCollection::Delete(int Index) {
    CheckIndex(Index);
    TCollectionItem* item = FItems[static_cast<size_t>(Index)];
    Notify(item, cnDeleting);
    FreeObject(item);
}

void TCollection::Clear() {
    if (FItems.empty()) return;
    CollectionUpdate update(this);
    while (!FItems.empty())
        FreeObject(FItems.back());
}

void TCollection::Assign(TPersistent* Source) {
    if (auto* src = dynamic_cast<TCollection*>(Source)) {
        // Assigning a collection to itself would free the items it is about to copy.
        if (src == this) return;
        CollectionUpdate update(this);
        Clear();
        for (TCollectionItem* item : src->FItems)
            Add()->Assign(item);
        return;
    }
    TPersistent::Assign(Source);
}

void TCollection::BeginUpdate() {
    ++FUpdateCount;
}

void TCollection::EndUpdate() {
    // An unbalanced EndUpdate is ignored: a negative count would stop all updates.
    if (FUpdateCount > 0) --FUpdateCount;
    Changed();
}

TCollectionItem* TCollection::Items(int Index) const {
    CheckIndex(Index);
    return FItems[static_cast<size_t>(Index)];
}

void TCollection::SetItems(int Index, TCollectionItem* Value) {
    Items(Index)->Assign(Value);
}

String TCollection::GetNamePath() const {
    const TPersistent* owner = GetOwner();
    if (!owner) return ClassName();
    const String ownerPath = owner->GetNamePath();
    if (ownerPath.isEmpty()) return ClassName();
    const String prop = PropName();
    if (prop.isEmpty()) return ClassName();
    return ownerPath + QLatin1Char('.') + prop;
}

String TCollection::PropName() const {
    if (!FPropName.isEmpty() || !GetOwner() || !PropNameResolver) return FPropName;
    return PropNameResolver(this);
}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Changed() {
    if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* Item) {
    FItems.push_back(Item);
    Item->FCollection = this;
    Item->FID = FNextID++;
    Notify(Item, cnAdded);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
    Notify(Item, cnExtracting);
    const auto it = std::find(FItems.rbegin(), FItems.rend(), Item);
    if (it != FItems.rend()) FItems.erase(std::next(it).base());
    Item->FCollection = nullptr;
    Changed();
}

// ------------------------------------------------------------------------ TCollectionItem

TCollectionItem::TCollectionItem(TCollection* Collection) {
    SetCollection(Collection);
}

TCollectionItem::~TCollectionItem() {
    SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection* Value) {
    if (FCollection == Value) return;
    if (FCollection) FCollection->RemoveItem(this);
    if (Value) Value->InsertItem(this);
}

int TCollectionItem::Index() const {
    if (!FCollection) return -1;
    const auto& items = FCollection->FItems;
    const auto it = std::find(items.begin(), items.end(), this);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

void TCollectionItem::SetIndex(int Value) {
    const int current = Index();
    if (current < 0 || current == Value) return;
    FCollection->CheckIndex(Value);
    auto& items = FCollection->FItems;
    items.erase(items.begin() + current);
    items.insert(items.begin() + Value, this);
    Changed(true);
}

void TCollectionItem::SetDisplayName(const String&) {
    Changed(false);
}

String TCollectionItem::GetNamePath() const {
    if (!FCollection) return ClassName();
    return QStringLiteral("%1[%2]").arg(FCollection->GetNamePath()).arg(Index());
}

void TCollectionItem::Changed(bool AllItems) {
    if (FCollection && FCollection->FUpdateCount == 0) FCollection->Update(AllItems ? nullptr : this);
}

String TCollectionItem::GetDisplayName() const {
    return ClassName();
}
