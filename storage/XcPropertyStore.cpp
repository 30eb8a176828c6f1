#include "storage/XcPropertyStore.h"

#include "platform/classes/SyncObjs.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/StrUtils.h"
#include "platform/win/WinTypes.h"
#include "storage/XcCustomAppStorage.h"
#include "storage/support/XcBase64.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TXcIgnorePropertiesStringList, TStringList)
ORVO_IMPLEMENT_CLASS(TCombinedStrings, TStringList)
ORVO_IMPLEMENT_CLASS(TXcCustomPropertyStore, TXcComponent)
ORVO_IMPLEMENT_CLASS(TXcCustomPropertyListStore, TXcCustomPropertyStore)

// ---- ignore lists -----------------------------------------------------------------------

TXcIgnorePropertiesStringList::TXcIgnorePropertiesStringList() {
    SetSorted(true);
}

void TXcIgnorePropertiesStringList::AddDelete(const String& AItem, bool ADelete) {
    const int i = IndexOf(AItem);
    if (ADelete) {
        if (i >= 0) Delete(i);
    } else if (i < 0) {
        Add(AItem);
    }
}

TCombinedStrings::TCombinedStrings() {
    SetSorted(true);
}

void TCombinedStrings::AddStrings(TStrings* Strings) {
    if (Strings && std::find(FLists.begin(), FLists.end(), Strings) == FLists.end())
        FLists.push_back(Strings);
}

void TCombinedStrings::Clear() {
    FLists.clear();
    TStringList::Clear();
}

TStrings* TCombinedStrings::Locate(int Index, int& Local) const {
    if (Index >= 0) {
        int rest = Index;
        for (TStrings* l : FLists) {
            if (rest < l->Count()) {
                Local = rest;
                return l;
            }
            rest -= l->Count();
        }
    }
    TList::Error(QStringLiteral("List index out of bounds (%d)"), Index);
}

String TCombinedStrings::Get(int Index) const {
    int local = 0;
    return Locate(Index, local)->Strings(local);
}

TObject* TCombinedStrings::GetObject(int Index) const {
    int local = 0;
    return Locate(Index, local)->Objects(local);
}

int TCombinedStrings::GetCount() const {
    int n = 0;
    for (TStrings* l : FLists)
        n += l->Count();
    return n;
}

int TCombinedStrings::IndexOf(const String& S) const {
    int base = 0;
    for (TStrings* l : FLists) {
        for (int i = 0; i < l->Count(); ++i)
            if (SameText(l->Strings(i), S)) return base + i;
        base += l->Count();
    }
    return -1;
}

// ---- the property store -----------------------------------------------------------------

namespace {
const char* const BuiltInIgnoreNames[] = {"AboutXCL",
                                          "AppStorage",
                                          "AppStoragePath",
                                          "AutoLoad",
                                          "ClearBeforeLoad",
                                          "Name",
                                          "Tag",
                                          "Enabled",
                                          "ReadOnly",
                                          "DeleteBeforeStore",
                                          "IgnoreLastLoadTime",
                                          "IgnoreProperties",
                                          "OnBeforeLoadProperties",
                                          "OnAfterLoadProperties",
                                          "OnBeforeStoreProperties",
                                          "OnAfterStoreProperties",
                                          "SynchronizeLoadProperties",
                                          "SynchronizeStoreProperties"};

const String LastSaveTimeName = QStringLiteral("LastSaveTime");

bool Designing(const TComponent* c) {
    return c->ComponentState().Contains(csDesigning);
}
} // namespace

TXcCustomPropertyStore::TXcCustomPropertyStore(TComponent* AOwner) : TXcComponent(AOwner) {
    FIntIgnoreProperties = new TStringList();
    for (const char* n : BuiltInIgnoreNames)
        FIntIgnoreProperties->Add(QString::fromLatin1(n));
    FIgnoreProperties = new TXcIgnorePropertiesStringList();
    FCombinedIgnoreProperties = new TCombinedStrings();
    FLastLoadTime = Now();
}

void TXcCustomPropertyStore::BeforeDestruction() {
    TXcComponent::BeforeDestruction();
    if (FAutoLoad && !Designing(this)) StoreProperties();
}

TXcCustomPropertyStore::~TXcCustomPropertyStore() {
    delete FCombinedIgnoreProperties;
    FCombinedIgnoreProperties = nullptr;
    delete FIgnoreProperties;
    FIgnoreProperties = nullptr;
    delete FIntIgnoreProperties;
    FIntIgnoreProperties = nullptr;
    if (FAppStorage) FAppStorage->RemoveFreeNotification(this);
}

void TXcCustomPropertyStore::Loaded() {
    TXcComponent::Loaded();
    if (FAutoLoad && !Designing(this)) LoadProperties();
}

void TXcCustomPropertyStore::Notification(TComponent* AComponent, TOperation Operation) {
    TXcComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FAppStorage) FAppStorage = nullptr;
}

int TXcCustomPropertyStore::PropertyCount() const {
    return int(GetPropList(this).size());
}

bool TXcCustomPropertyStore::IgnoreProperty(const String& PropertyName) const {
    auto contains = [&PropertyName](const TStrings* l) {
        for (int i = 0; i < l->Count(); ++i)
            if (SameText(l->Strings(i), PropertyName)) return true;
        return false;
    };
    return contains(FIgnoreProperties) || contains(FIntIgnoreProperties);
}

TCombinedStrings* TXcCustomPropertyStore::CombinedIgnoreProperties() {
    FCombinedIgnoreProperties->Clear();
    FCombinedIgnoreProperties->AddStrings(FIntIgnoreProperties);
    FCombinedIgnoreProperties->AddStrings(FIgnoreProperties);
    return FCombinedIgnoreProperties;
}

void TXcCustomPropertyStore::SetIgnoreProperties(TXcIgnorePropertiesStringList* Value) {
    if (Value != FIgnoreProperties) FIgnoreProperties->Assign(Value);
}

void TXcCustomPropertyStore::SetAutoLoad(bool Value) {
    if (!Owner()) return;
    FAutoLoad = dynamic_cast<TXcCustomPropertyStore*>(Owner()) ? false : Value;
}

std::vector<std::pair<String, TXcCustomPropertyStore*>> TXcCustomPropertyStore::ChildStores() const {
    std::vector<std::pair<String, TXcCustomPropertyStore*>> children;
    for (PPropInfo p : GetPropList(this, TTypeKinds{tkClass})) {
        if (IgnoreProperty(p->Name)) continue;
        if (auto* child = dynamic_cast<TXcCustomPropertyStore*>(
                GetObjectProp(const_cast<TXcCustomPropertyStore*>(this), p)))
            children.emplace_back(p->Name, child);
    }
    return children;
}

void TXcCustomPropertyStore::UpdateChildPaths(const String& OldPath) {
    if (!FAppStorage) return;
    const String old = OldPath.isEmpty() ? FAppStoragePath : OldPath;
    for (const auto& [name, child] : ChildStores()) {
        const String k = FAppStorage->TranslatePropertyName(this, name, false);
        if (child->AppStoragePath().isEmpty() ||
            child->AppStoragePath() == TXcCustomAppStorage::ConcatPaths({old, k}))
            child->SetAppStoragePath(TXcCustomAppStorage::ConcatPaths({FAppStoragePath, k}));
    }
}

void TXcCustomPropertyStore::SetAppStoragePath(const String& Value) {
    const String previous = FAppStoragePath;
    if (Value != FAppStoragePath) FAppStoragePath = Value;
    UpdateChildPaths(previous);
}

void TXcCustomPropertyStore::SetAppStorage(TXcCustomAppStorage* Value) {
    if (!ChangeComponentReference(this, Value, FAppStorage)) return;
    for (const auto& child : ChildStores())
        child.second->SetAppStorage(Value);
    UpdateChildPaths();
}

void TXcCustomPropertyStore::DisableChildAutoLoad() {
    for (const auto& child : ChildStores())
        child.second->SetAutoLoad(false);
}

template <class F>
void TXcCustomPropertyStore::Synchronized(const String& Prefix, const String& MessagePrefix, F Work) {
    String name = AnsiToString(Base64Encode(StringToAnsi(Prefix + FAppStoragePath)));
    // "/" cannot be part of a mutex name.
    name.replace(u'/', u'_');
    TNamedMutex mutex(name, false);
    const DWORD r = mutex.WaitFor(INFINITE);
    if (r != WAIT_OBJECT_0 && r != WAIT_ABANDONED)
        throw Exception(QStringLiteral("%1: Mutex Timeout").arg(MessagePrefix));
    try {
        Work();
    } catch (...) {
        mutex.Release();
        throw;
    }
    mutex.Release();
}

void TXcCustomPropertyStore::LoadProperties() {
    if (!FEnabled || !FAppStorage) return;
    if (!FSynchronizeLoadProperties) {
        DoLoadProperties();
        return;
    }
    const String prefix = FSynchronizeStoreProperties
                              ? QStringLiteral("TXcCustomPropertyStore.LoadStoreProperties:")
                              : QStringLiteral("TXcCustomPropertyStore.LoadProperties:");
    Synchronized(prefix, QStringLiteral("TXcCustomPropertyStore.LoadProperties:"),
                 [this] { DoLoadProperties(); });
}

void TXcCustomPropertyStore::DoLoadProperties() {
    TXcCustomAppStorage* storage = FAppStorage;
    storage->BeginUpdate();
    try {
        UpdateChildPaths();
        FLastLoadTime = Now();
        if (FClearBeforeLoad) Clear();
        if (OnBeforeLoadProperties) OnBeforeLoadProperties(this);
        LoadExtraData();
        storage->ReadPersistent(FAppStoragePath, this, true, true, CombinedIgnoreProperties());
        if (OnAfterLoadProperties) OnAfterLoadProperties(this);
    } catch (...) {
        storage->EndUpdate();
        throw;
    }
    storage->EndUpdate();
}

TDateTime TXcCustomPropertyStore::StoredSaveTime() {
    if (!FEnabled || FAppStoragePath.isEmpty() || !FAppStorage) return 0;
    try {
        const String path = TXcCustomAppStorage::ConcatPaths({FAppStoragePath, LastSaveTimeName});
        if (!FAppStorage->ValueStored(path)) return 0;
        return FAppStorage->ReadDateTime(path, 0);
    } catch (...) {
        return 0;
    }
}

void TXcCustomPropertyStore::StoreProperties() {
    if (!FEnabled || FReadOnly || !FAppStorage) return;
    if (!FSynchronizeStoreProperties) {
        DoStoreProperties();
        return;
    }
    const String prefix = FSynchronizeLoadProperties
                              ? QStringLiteral("TXcCustomPropertyStore.LoadStoreProperties:")
                              : QStringLiteral("TXcCustomPropertyStore.StoreProperties:");
    Synchronized(prefix, QStringLiteral("TXcCustomPropertyStore.StoreProperties:"),
                 [this] { DoStoreProperties(); });
}

void TXcCustomPropertyStore::DoStoreProperties() {
    TXcCustomAppStorage* storage = FAppStorage;
    storage->BeginUpdate();
    try {
        UpdateChildPaths();
        DisableChildAutoLoad();
        bool skip = false;
        if (!FIgnoreLastLoadTime) {
            // Another writer has stored after this store loaded; a save time this store
            // wrote itself does not count.
            const TDateTime saved = StoredSaveTime();
            skip = saved >= FLastLoadTime && !(FLastOwnSaveTime != 0 && saved == FLastOwnSaveTime);
        }
        if (!skip) {
            if (FDeleteBeforeStore) storage->DeleteSubTree(FAppStoragePath);
            if (StorePropertiesNow()) {
                if (!FIgnoreLastLoadTime) {
                    storage->WriteString(
                        TXcCustomAppStorage::ConcatPaths({FAppStoragePath, LastSaveTimeName}),
                        DateTimeToStr(Now()));
                    FLastOwnSaveTime = StoredSaveTime();
                }
                if (OnBeforeStoreProperties) OnBeforeStoreProperties(this);
                StoreExtraData();
                storage->WritePersistent(FAppStoragePath, this, true, CombinedIgnoreProperties());
                if (OnAfterStoreProperties) OnAfterStoreProperties(this);
            }
        }
    } catch (...) {
        storage->EndUpdate();
        throw;
    }
    storage->EndUpdate();
}

void TXcCustomPropertyStore::Clear() {}

bool TXcCustomPropertyStore::ValidateData() {
    for (const auto& child : ChildStores())
        if (!child.second->ValidateData()) return false;
    return true;
}

String TXcCustomPropertyStore::EditIntf_TranslatePropertyName(const String& PropertyName) {
    String caption;
    for (qsizetype i = 0; i < PropertyName.size(); ++i) {
        const QChar c = PropertyName[i];
        if (c == u'_' || c == u'.' || c == u' ') {
            caption += u' ';
            continue;
        }
        const bool lower = c >= u'a' && c <= u'z';
        const bool afterLower = i > 0 && PropertyName[i - 1] >= u'a' && PropertyName[i - 1] <= u'z';
        if (!lower && afterLower) caption += u' ';
        caption += c;
    }
    return caption;
}

bool TXcCustomPropertyStore::EditIntf_IsPropertySimple(const String& PropertyName) {
    if (PropertyName.isEmpty()) {
        for (PPropInfo p : GetPropList(this)) {
            if (!EditIntf_DisplayProperty(p->Name)) break;
            if (!EditIntf_IsPropertySimple(p->Name)) return false;
        }
        return true;
    }
    PPropInfo p = GetPropInfo(this, PropertyName);
    if (!p) return true;
    auto* child = p->PropType->Kind == tkClass ? dynamic_cast<TXcCustomPropertyStore*>(GetObjectProp(this, p))
                                               : nullptr;
    if (!child) return true;
    if (dynamic_cast<TXcCustomPropertyListStore*>(child)) return false;
    return child->EditIntf_IsPropertySimple(String());
}

void TXcCustomPropertyStore::Assign(TPersistent* Source) {
    if (Source && Source->InheritsFrom(ClassType()))
        CopyPublishedProperties(Source, this);
    else
        TXcComponent::Assign(Source);
}

void TXcCustomPropertyStore::CopyPublishedProperties(TPersistent* Source, TPersistent* Target) {
    for (PPropInfo sp : GetPropList(Source)) {
        if (SameText(sp->Name, QStringLiteral("Name"))) continue;
        PPropInfo tp = GetPropInfo(Target, sp->Name);
        if (!tp || tp->PropType->Kind != sp->PropType->Kind) continue;
        switch (sp->PropType->Kind) {
        case tkInteger:
        case tkChar:
        case tkEnumeration:
        case tkSet:
            if (tp->SetOrd) SetOrdProp(Target, tp, GetOrdProp(Source, sp));
            break;
        case tkFloat:
            if (tp->SetFloat) SetFloatProp(Target, tp, GetFloatProp(Source, sp));
            break;
        case tkString:
        case tkLString:
        case tkUString:
            if (tp->SetStr) SetStrProp(Target, tp, GetStrProp(Source, sp));
            break;
        case tkMethod:
            if (tp->SetMeth) SetMethodProp(Target, tp, GetMethodProp(Source, sp));
            break;
        case tkClass: {
            auto* from = dynamic_cast<TPersistent*>(GetObjectProp(Source, sp));
            auto* to = dynamic_cast<TPersistent*>(GetObjectProp(Target, tp));
            if (from && to) to->Assign(from);
            break;
        }
        default:
            break;
        }
    }
}

TXcCustomPropertyStore* TXcCustomPropertyStore::Clone(TComponent* AOwner) {
    TObject* o = ClassType()->CreateComponent ? ClassType()->CreateComponent(AOwner) : nullptr;
    auto* copy = dynamic_cast<TXcCustomPropertyStore*>(o);
    if (!copy) {
        delete o;
        throw EXCLException(QStringLiteral("Cannot create a copy of %1").arg(ClassName()));
    }
    copy->Assign(this);
    return copy;
}

// ---- the list store ---------------------------------------------------------------------

TXcCustomPropertyListStore::TXcCustomPropertyListStore(TComponent* AOwner) : TXcCustomPropertyStore(AOwner) {
    FItems = NewItemList();
    IntIgnoreProperties()->Add(QStringLiteral("ItemName"));
    IntIgnoreProperties()->Add(QStringLiteral("FreeObjects"));
    IntIgnoreProperties()->Add(QStringLiteral("CreateListEntries"));
}

TXcCustomPropertyListStore::~TXcCustomPropertyListStore() {
    Clear();
    delete FItems;
    FItems = nullptr;
}

void TXcCustomPropertyListStore::Clear() {
    if (!FItems) return;
    if (FFreeObjects)
        for (int i = FItems->Count() - 1; i >= 0; --i) {
            TObject* o = FItems->Objects(i);
            FItems->SetObjects(i, nullptr);
            FreeObject(o);
        }
    FItems->Clear();
}

bool TXcCustomPropertyListStore::ValidateData() {
    if (!TXcCustomPropertyStore::ValidateData()) return false;
    for (int i = 0; i < FItems->Count(); ++i)
        if (auto* s = dynamic_cast<TXcCustomPropertyStore*>(FItems->Objects(i)); s && !s->ValidateData())
            return false;
    return true;
}

void TXcCustomPropertyListStore::LoadExtraData() {
    AppStorage()->ReadList(AppStoragePath(), nullptr,
                           TXcAppStorageListItemEvent(this, &TXcCustomPropertyListStore::ReadEntry),
                           FItemName);
}

void TXcCustomPropertyListStore::StoreExtraData() {
    AppStorage()->WriteList(AppStoragePath(), nullptr, Count(),
                            TXcAppStorageListItemEvent(this, &TXcCustomPropertyListStore::WriteEntry),
                            TXcAppStorageListDeleteEvent(this, &TXcCustomPropertyListStore::DeleteEntries),
                            FItemName);
}

void TXcCustomPropertyListStore::LoadEntryObject(TXcCustomAppStorage* Storage, const String& Entry,
                                                 TObject* Object) {
    if (auto* store = dynamic_cast<TXcCustomPropertyStore*>(Object)) {
        store->SetAppStoragePath(Entry);
        store->SetAppStorage(Storage);
        store->LoadProperties();
    } else if (auto* p = dynamic_cast<TPersistent*>(Object)) {
        Storage->ReadPersistent(Entry, p, true, true, CombinedIgnoreProperties());
    }
}

void TXcCustomPropertyListStore::ReadEntry(TXcCustomAppStorage* Sender, const String& Path, TObject*,
                                           int Index, const String& ItemName) {
    const String entry = TXcCustomAppStorage::ConcatPaths({Path, Sender->ItemNameIndexPath(ItemName, Index)});
    const String textPath = TXcCustomAppStorage::ConcatPaths({entry, FItemsObjectName});
    auto objectText = [&] { return Sender->ValueStored(textPath) ? Sender->ReadString(textPath) : String(); };
    if (Index < Count()) {
        if (TObject* o = FItems->Objects(Index)) {
            LoadEntryObject(Sender, entry, o);
            FItems->SetStrings(Index, objectText());
        } else {
            FItems->SetStrings(Index, Sender->ReadString(entry));
        }
    } else if (FCreateListEntries) {
        if (TPersistent* o = NewListObject()) {
            LoadEntryObject(Sender, entry, o);
            FItems->AddObject(objectText(), o);
        } else {
            FItems->Add(Sender->ReadString(entry));
        }
    }
}

void TXcCustomPropertyListStore::WriteEntry(TXcCustomAppStorage* Sender, const String& Path, TObject*,
                                            int Index, const String& ItemName) {
    const String entry = TXcCustomAppStorage::ConcatPaths({Path, Sender->ItemNameIndexPath(ItemName, Index)});
    if (TObject* o = FItems->Objects(Index)) {
        if (auto* store = dynamic_cast<TXcCustomPropertyStore*>(o)) {
            store->SetAppStoragePath(entry);
            store->SetAppStorage(Sender);
            store->StoreProperties();
        } else if (auto* p = dynamic_cast<TPersistent*>(o)) {
            Sender->WritePersistent(entry, p, true, CombinedIgnoreProperties());
        }
        if (!FItems->Strings(Index).isEmpty())
            Sender->WriteString(TXcCustomAppStorage::ConcatPaths({entry, FItemsObjectName}),
                                FItems->Strings(Index));
    } else {
        Sender->WriteString(entry, FItems->Strings(Index));
    }
}

void TXcCustomPropertyListStore::DeleteEntries(TXcCustomAppStorage* Sender, const String&, TObject*,
                                               int First, int Last, const String& ItemName) {
    for (int i = Last; i >= First; --i)
        Sender->DeleteValue(
            TXcCustomAppStorage::ConcatPaths({AppStoragePath(), Sender->ItemNameIndexPath(ItemName, i)}));
}

TPersistent* TXcCustomPropertyListStore::CreateAddObject(const String& aObjectName) {
    TPersistent* o = NewListObject();
    FItems->AddObject(aObjectName, o);
    return o;
}

TPersistent* TXcCustomPropertyListStore::ListObject(int Index) {
    if (Index < 0 || Index >= FItems->Count()) return nullptr;
    return dynamic_cast<TPersistent*>(FItems->Objects(Index));
}

void TXcCustomPropertyListStore::ListMove(int FromIndex, int ToIndex) {
    const int n = FItems->Count();
    if (FromIndex < 0 || FromIndex >= n || ToIndex < 0 || ToIndex >= n) return;
    FItems->Move(FromIndex, ToIndex);
}

void TXcCustomPropertyListStore::ListSort(bool Ascending) {
    if (Ascending) {
        FItems->Sort();
        return;
    }
    // Greater texts first, by the ordinal comparison of the texts.
    FItems->CustomSort([](TStringList* L, int A, int B) {
        const int c = L->Strings(A).compare(L->Strings(B));
        return c == 0 ? 0 : c < 0 ? 1 : -1;
    });
}

TPersistent* TXcCustomPropertyListStore::ListAddNew() {
    TPersistent* o = NewListObject();
    FItems->AddObject(QStringLiteral("New ") + FItemName, o);
    return o;
}

TPersistent* TXcCustomPropertyListStore::ListClone(int Index) {
    if (Index < 0 || Index >= FItems->Count() || !FItems->Objects(Index)) return nullptr;
    TObject* old = FItems->Objects(Index);
    if (auto* store = dynamic_cast<TXcCustomPropertyStore*>(old)) {
        TXcCustomPropertyStore* copy = store->Clone(this);
        FItems->AddObject(QStringLiteral("New ") + FItemName, copy);
        return copy;
    }
    TPersistent* o = ListAddNew();
    if (auto* p = dynamic_cast<TPersistent*>(old); p && o) o->Assign(p);
    return o;
}

void TXcCustomPropertyListStore::ListDelete(int Index) {
    if (Index < 0 || Index >= FItems->Count()) return;
    TObject* o = FItems->Objects(Index);
    FItems->SetObjects(Index, nullptr);
    FreeObject(o);
    FItems->Delete(Index);
}
