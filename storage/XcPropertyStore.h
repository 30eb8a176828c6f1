// Components whose published properties are their settings: they load them from an
// application storage below a path of their own and store them back, leaving out their
// own administrative properties and any names on an ignore list. A published property that
// holds another property store makes it a child stored below this store's path.
#pragma once

#include "platform/classes/StringList.h"
#include "platform/rtl/DateTime.h"
#include "storage/support/XcComponent.h"

#include <vector>

class TXcCustomAppStorage;

// A sorted list of property names to leave out.
class TXcIgnorePropertiesStringList : public TStringList {
    ORVO_CLASS(TXcIgnorePropertiesStringList, TStringList)
public:
    TXcIgnorePropertiesStringList();
    // With ADelete removes AItem when present, otherwise adds it when absent.
    void AddDelete(const String& AItem, bool ADelete);
};

// A read-only view of several string lists one after the other, registered without
// copying; IndexOf finds a line in any of them, ignoring case.
class TCombinedStrings : public TStringList {
    ORVO_CLASS(TCombinedStrings, TStringList)
public:
    TCombinedStrings();
    // Registers Strings once; its lines follow those of the lists registered before.
    void AddStrings(TStrings* Strings) override;
    // Forgets the registered lists.
    void Clear() override;
    void Delete(int) override {}
    void Insert(int, const String&) override {}
    int IndexOf(const String& S) const override;

protected:
    String Get(int Index) const override;
    int GetCount() const override;
    TObject* GetObject(int Index) const override;

private:
    // The registered list and the index within it of combined line Index.
    TStrings* Locate(int Index, int& Local) const;
    std::vector<TStrings*> FLists;
};

// Editors of settings objects ask a store for captions and hints through this interface.
class IXcPropertyEditIntf {
public:
    virtual String EditIntf_GetVisibleObjectName() = 0;
    virtual String EditIntf_TranslatePropertyName(const String& PropertyName) = 0;
    virtual String EditIntf_GetObjectHint() = 0;
    virtual String EditIntf_GetPropertyHint(const String& PropertyName) = 0;
    virtual bool EditIntf_DisplayProperty(const String& PropertyName) = 0;
    virtual bool EditIntf_IsPropertySimple(const String& PropertyName) = 0;

protected:
    virtual ~IXcPropertyEditIntf() = default;
};

class IXcPropertyListEditIntf {
public:
    virtual int ListCount() = 0;
    virtual TPersistent* ListObject(int Index) = 0;
    virtual int ListIndexOfObject(TPersistent* AObject) = 0;
    virtual void ListMove(int FromIndex, int ToIndex) = 0;
    virtual void ListSort(bool Ascending = true) = 0;
    virtual TPersistent* ListAddNew() = 0;
    virtual TPersistent* ListClone(int Index) = 0;
    virtual void ListDelete(int Index) = 0;

protected:
    virtual ~IXcPropertyListEditIntf() = default;
};

class TXcCustomPropertyStore : public TXcComponent, public IXcPropertyEditIntf {
    ORVO_CLASS(TXcCustomPropertyStore, TXcComponent)
public:
    explicit TXcCustomPropertyStore(TComponent* AOwner);
    ~TXcCustomPropertyStore() override;
    // Stores the settings of an auto-loading store while the object is still whole.
    void BeforeDestruction() override;

    void Assign(TPersistent* Source) override;
    virtual void LoadProperties();
    virtual void StoreProperties();
    virtual void Clear();
    virtual bool StorePropertiesNow() { return true; }
    virtual String TranslatePropertyName(const String& AName) { return AName; }
    virtual TXcCustomPropertyStore* Clone(TComponent* AOwner);
    virtual bool ValidateData();
    bool IgnoreProperty(const String& PropertyName) const;

    String EditIntf_GetVisibleObjectName() override { return String(); }
    String EditIntf_TranslatePropertyName(const String& PropertyName) override;
    String EditIntf_GetObjectHint() override { return String(); }
    String EditIntf_GetPropertyHint(const String&) override { return String(); }
    bool EditIntf_DisplayProperty(const String& PropertyName) override {
        return !IgnoreProperty(PropertyName);
    }
    bool EditIntf_IsPropertySimple(const String& PropertyName) override;

    TXcCustomAppStorage* AppStorage() const { return FAppStorage; }
    virtual void SetAppStorage(TXcCustomAppStorage* Value);
    const String& AppStoragePath() const { return FAppStoragePath; }
    virtual void SetAppStoragePath(const String& Value);
    // The built-in names and those of IgnoreProperties, as they are now.
    TCombinedStrings* CombinedIgnoreProperties();
    TXcIgnorePropertiesStringList* IgnoreProperties() const { return FIgnoreProperties; }
    void SetIgnoreProperties(TXcIgnorePropertiesStringList* Value);
    bool AutoLoad() const { return FAutoLoad; }
    void SetAutoLoad(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    bool DeleteBeforeStore() const { return FDeleteBeforeStore; }
    void SetDeleteBeforeStore(bool Value) { FDeleteBeforeStore = Value; }
    bool ClearBeforeLoad() const { return FClearBeforeLoad; }
    void SetClearBeforeLoad(bool Value) { FClearBeforeLoad = Value; }
    bool IgnoreLastLoadTime() const { return FIgnoreLastLoadTime; }
    void SetIgnoreLastLoadTime(bool Value) { FIgnoreLastLoadTime = Value; }
    bool SynchronizeStoreProperties() const { return FSynchronizeStoreProperties; }
    void SetSynchronizeStoreProperties(bool Value) { FSynchronizeStoreProperties = Value; }
    bool SynchronizeLoadProperties() const { return FSynchronizeLoadProperties; }
    void SetSynchronizeLoadProperties(bool Value) { FSynchronizeLoadProperties = Value; }
    // The number of published properties of the class.
    int PropertyCount() const;

    TNotifyEvent OnBeforeLoadProperties;
    TNotifyEvent OnAfterLoadProperties;
    TNotifyEvent OnBeforeStoreProperties;
    TNotifyEvent OnAfterStoreProperties;

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual void CopyPublishedProperties(TPersistent* Source, TPersistent* Target);
    virtual void UpdateChildPaths(const String& OldPath = String());
    virtual void LoadExtraData() {}
    virtual void StoreExtraData() {}
    // The stored time of the last store at this path, 0 when there is none or it is unreadable.
    TDateTime StoredSaveTime();
    TStringList* IntIgnoreProperties() const { return FIntIgnoreProperties; }

private:
    // The child stores held by published properties that are not ignored, with the names.
    std::vector<std::pair<String, TXcCustomPropertyStore*>> ChildStores() const;
    void DisableChildAutoLoad();
    void DoLoadProperties();
    void DoStoreProperties();
    // Runs Work under the named mutex of Prefix and the path.
    template <class F> void Synchronized(const String& Prefix, const String& MessagePrefix, F Work);

    String FAppStoragePath;
    TXcCustomAppStorage* FAppStorage = nullptr;
    bool FEnabled = true;
    bool FReadOnly = false;
    bool FDeleteBeforeStore = false;
    bool FClearBeforeLoad = false;
    TStringList* FIntIgnoreProperties = nullptr;
    TXcIgnorePropertiesStringList* FIgnoreProperties = nullptr;
    bool FAutoLoad = false;
    TDateTime FLastLoadTime = 0;
    // The save time this store itself last wrote, as read back: storing again after an own
    // store is not taken for another writer's store.
    TDateTime FLastOwnSaveTime = 0;
    bool FIgnoreLastLoadTime = false;
    TCombinedStrings* FCombinedIgnoreProperties = nullptr;
    bool FSynchronizeStoreProperties = false;
    bool FSynchronizeLoadProperties = false;
};

// A property store with a list of entries (texts with optional objects) stored as a
// counted list below its path.
class TXcCustomPropertyListStore : public TXcCustomPropertyStore, public IXcPropertyListEditIntf {
    ORVO_CLASS(TXcCustomPropertyListStore, TXcCustomPropertyStore)
public:
    explicit TXcCustomPropertyListStore(TComponent* AOwner);
    ~TXcCustomPropertyListStore() override;

    void Clear() override;
    bool ValidateData() override;

    TStringList* Items() const { return FItems; }
    int Count() const { return FItems ? FItems->Count() : -1; }
    String Strings(int Index) const { return FItems->Strings(Index); }
    void SetStrings(int Index, const String& Value) { FItems->SetStrings(Index, Value); }
    TObject* Objects(int Index) const { return FItems->Objects(Index); }
    void SetObjects(int Index, TObject* Value) { FItems->SetObjects(Index, Value); }
    bool FreeObjects() const { return FFreeObjects; }
    void SetFreeObjects(bool Value) { FFreeObjects = Value; }
    bool CreateListEntries() const { return FCreateListEntries; }
    void SetCreateListEntries(bool Value) { FCreateListEntries = Value; }
    const String& ItemName() const { return FItemName; }
    void SetItemName(const String& Value) { FItemName = Value; }
    const String& ItemsObjectName() const { return FItemsObjectName; }
    void SetItemsObjectName(const String& Value) { FItemsObjectName = Value; }
    bool Sorted() const { return FItems->Sorted(); }
    void SetSorted(bool Value) { FItems->SetSorted(Value); }

    int IndexOf(const String& S) const { return FItems->IndexOf(S); }
    int IndexOfObject(TObject* AObject) const { return FItems->IndexOfObject(AObject); }
    TPersistent* CreateAddObject(const String& aObjectName);

    int ListCount() override { return Count(); }
    TPersistent* ListObject(int Index) override;
    int ListIndexOfObject(TPersistent* AObject) override { return FItems->IndexOfObject(AObject); }
    void ListMove(int FromIndex, int ToIndex) override;
    void ListSort(bool Ascending = true) override;
    TPersistent* ListAddNew() override;
    TPersistent* ListClone(int Index) override;
    void ListDelete(int Index) override;

protected:
    virtual TStringList* NewItemList() { return new TStringList(); }
    // The object of a new entry; none makes entries of text alone.
    virtual TPersistent* NewListObject() = 0;
    void LoadExtraData() override;
    void StoreExtraData() override;

private:
    void ReadEntry(TXcCustomAppStorage* Sender, const String& Path, TObject* List, int Index,
                   const String& ItemName);
    void WriteEntry(TXcCustomAppStorage* Sender, const String& Path, TObject* List, int Index,
                    const String& ItemName);
    void DeleteEntries(TXcCustomAppStorage* Sender, const String& Path, TObject* List, int First, int Last,
                       const String& ItemName);
    void LoadEntryObject(TXcCustomAppStorage* Storage, const String& Entry, TObject* Object);

    TStringList* FItems = nullptr;
    bool FFreeObjects = true;
    bool FCreateListEntries = true;
    String FItemName = QStringLiteral("Item");
    String FItemsObjectName = QStringLiteral("ItemName");
};
