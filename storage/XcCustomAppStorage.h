// The abstract settings storage: typed values in a tree of folders addressed by paths of
// names separated by "\", routed to linked sub-storages, with the default rules, text
// forms, encryption hook and update nesting every backend inherits. A backend supplies the
// Store... primitives.
#pragma once

#include "platform/classes/Collection.h"
#include "platform/classes/Event.h"
#include "platform/classes/List.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/FormatSettings.h"
#include "storage/XcAppStorageOptions.h"
#include "storage/support/XcComponent.h"

#include <functional>
#include <initializer_list>

class TStrings;
class TXcTranslateString;
class TXcCustomAppStorage;

// Wide strings are the platform's strings: a wide-string list is a string list.
using TWideStrings = TStrings;

ORVO_DECLARE_EXCEPTION(EXCLAppStorageError, EXCLException)

using TXcAppStorageCryptEvent = TEvent<String&>;
using TXcAppStorageErrorEvent = TEvent<TObject*, const String&>;
// Sender, the object whose property is named, the stored name (in and out), reading.
using TXcAppStoragePropTranslateEvent = TEvent<TXcCustomAppStorage*, TPersistent*, String&, bool>;
// Sender, the list's path, the list object, the entry's index, the entries' name.
using TXcAppStorageListItemEvent = TEvent<TXcCustomAppStorage*, const String&, TObject*, int, const String&>;
// Sender, the list's path, the list object, the first and last index to remove, the name.
using TXcAppStorageListDeleteEvent =
    TEvent<TXcCustomAppStorage*, const String&, TObject*, int, int, const String&>;
// Makes the object of a list entry stored at Path: sender, entry path, index.
using TXcAppStorageObjectListItemCreateEvent =
    std::function<TPersistent*(TXcCustomAppStorage*, const String&, int)>;

enum TXcAppStorageEnumOption { aeoFolders, aeoValues, aeoReportListAsValue, aeoReportRelative, aeoRecursive };
using TXcAppStorageEnumOptions = Set<TXcAppStorageEnumOption>;

// An object that stores itself: the storage calls these instead of walking its published
// properties.
class IXcStorageReadWrite {
public:
    virtual void ReadFromStorage(TXcCustomAppStorage* AppStorage, const String& BasePath) = 0;
    virtual void WriteToStorage(TXcCustomAppStorage* AppStorage, const String& BasePath) = 0;

protected:
    virtual ~IXcStorageReadWrite() = default;
};
// Together with IXcStorageReadWrite: the published properties are stored as well.
class IXcStoragePublishedToo {
protected:
    virtual ~IXcStoragePublishedToo() = default;
};

// One link: every path below RootPath lives in AppStorage, at the same path with RootPath
// taken off.
class TXcAppSubStorage : public TCollectionItem {
    ORVO_CLASS(TXcAppSubStorage, TCollectionItem)
public:
    explicit TXcAppSubStorage(TCollection* Collection) : TCollectionItem(Collection) {}

    TXcCustomAppStorage* OwnerStore() const;
    const String& RootPath() const { return FRootPath; }
    // Normalised; "'%s' is not a unique root path" when another link covers it.
    void SetRootPath(const String& Value);
    TXcCustomAppStorage* AppStorage() const { return FAppStorage; }
    // "Circular reference of storages" when the owning storage is reachable from Value.
    void SetAppStorage(TXcCustomAppStorage* Value);

protected:
    String GetDisplayName() const override;

private:
    String FRootPath;
    TXcCustomAppStorage* FAppStorage = nullptr;
};

class TXcAppSubStorages : public TOwnedCollection {
    ORVO_CLASS(TXcAppSubStorages, TOwnedCollection)
public:
    explicit TXcAppSubStorages(TXcCustomAppStorage* AOwner);

    TXcCustomAppStorage* OwnerStore() const;
    TXcAppSubStorage* Items(int Index) const;
    // A new link; freed again when either setting raises.
    TXcAppSubStorage* Add(const String& RootPath, TXcCustomAppStorage* AppStorage);
    void Delete(int Index);
    void Delete(const String& RootPath, bool IncludeSubPaths = false);
    void Delete(TXcCustomAppStorage* AppStorage);
    // The link whose root lies above APath (not at it), the longest first; IgnoreIndex is
    // left out.
    TXcAppSubStorage* FindSubStorage(const String& APath, int IgnoreIndex = -1) const;
};

// Paths joined and normalised: "." and ".." segments applied, no leading, trailing or
// doubled "\"; an element that starts with "\" restarts from the top.
String NormalizePaths(std::initializer_list<String> Paths);
String NormalizePaths(const QStringList& Paths);
// Reads or copies an ordinal of the given kind (otSByte ... otULong): -1 / nothing for others.
Int64 OrdinalOfValue(const void* Address, int OrdinalKind);
void CopyOrdinal(const void* Source, void* Target, int OrdinalKind);

class TXcCustomAppStorage : public TXcComponent {
    ORVO_CLASS(TXcCustomAppStorage, TXcComponent)
public:
    explicit TXcCustomAppStorage(TComponent* AOwner);
    ~TXcCustomAppStorage() override;

    static String ConcatPaths(std::initializer_list<String> Paths) { return NormalizePaths(Paths); }
    void ResolvePath(const String& InPath, TXcCustomAppStorage*& TargetStore, String& TargetPath);

    bool IsFolder(const String& Path, bool ListIsValue = true);
    bool PathExists(const String& Path);
    bool ValueStored(const String& Path);
    bool ListStored(const String& Path, const String& ItemName = QStringLiteral("Item"));
    void DeleteValue(const String& Path);
    void DeleteSubTree(const String& Path);

    int ReadInteger(const String& Path, int Default = 0);
    void WriteInteger(const String& Path, int Value);
    Extended ReadFloat(const String& Path, Extended Default = 0);
    void WriteFloat(const String& Path, Extended Value);
    String ReadString(const String& Path, const String& Default = String());
    void WriteString(const String& Path, const String& Value);
    WideString ReadWideString(const String& Path, const WideString& Default = WideString());
    void WriteWideString(const String& Path, const WideString& Value);
    TDateTime ReadDateTime(const String& Path, TDateTime Default);
    void WriteDateTime(const String& Path, TDateTime Value);
    int ReadBinary(const String& Path, void* Buf, int BufSize);
    void WriteBinary(const String& Path, const void* Buf, int BufSize);
    bool ReadBoolean(const String& Path, bool Default);
    void WriteBoolean(const String& Path, bool Value);
    // An ordinal variable of the type TypeInfo describes, in its storage size.
    void ReadEnumeration(const String& Path, PTypeInfo TypeInfo, const void* Default, void* Value);
    void WriteEnumeration(const String& Path, PTypeInfo TypeInfo, const void* Value);
    // A set variable (Set<E>) of the set type ATypeInfo describes.
    void ReadSet(const String& Path, PTypeInfo ATypeInfo, const void* Default, void* Value);
    void WriteSet(const String& Path, PTypeInfo ATypeInfo, const void* Value);

    template <class E> E ReadEnumeration(const String& Path, E Default) {
        static_assert(sizeof(E) == 4, "enumerations are stored in 32 bits");
        E v = Default;
        ReadEnumeration(Path, TypeInfoOf(static_cast<E*>(nullptr)), &Default, &v);
        return v;
    }
    template <class E> void WriteEnumeration(const String& Path, E Value) {
        static_assert(sizeof(E) == 4, "enumerations are stored in 32 bits");
        WriteEnumeration(Path, TypeInfoOf(static_cast<E*>(nullptr)), &Value);
    }

    void EnablePropertyValueCrypt() { ++FCryptEnabledStatus; }
    void DisablePropertyValueCrypt() { --FCryptEnabledStatus; }
    bool IsPropertyValueCryptEnabled() const { return FCryptEnabledStatus > 0; }

    void BeginUpdate();
    void EndUpdate();
    bool IsUpdating() const { return FUpdateCount > 0; }
    virtual void Flush() {}
    virtual void Reload() {}
    void FlushIfNeeded();
    void ReloadIfNeeded();
    virtual bool FlushNeeded();
    virtual bool ReloadNeeded();

    const String& Path() const { return FCurPath; }
    void SetPath(const String& Value) { FCurPath = NormalizePaths({Value}); }
    bool AutoFlush() const { return FAutoFlush; }
    void SetAutoFlush(bool Value) { FAutoFlush = Value; }
    bool AutoReload() const { return FAutoReload; }
    void SetAutoReload(bool Value) { FAutoReload = Value; }
    // The flag, or a read-only backing store (the flag alone while designing).
    bool ReadOnly();
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    bool FlushOnDestroy() const { return FFlushOnDestroy; }
    virtual void SetFlushOnDestroy(bool Value) { FFlushOnDestroy = Value; }
    bool SynchronizeFlushReload() const { return FSynchronizeFlushReload; }
    void SetSynchronizeFlushReload(bool Value) { FSynchronizeFlushReload = Value; }

    // Made on first use from StorageOptionsClass, so that a backend's class is used.
    TXcCustomAppStorageOptions* StorageOptions() const;
    // Copies Value (nil is ignored).
    void SetStorageOptions(TXcCustomAppStorageOptions* Value);
    TXcAppSubStorages* SubStorages() const { return FSubStorages; }
    void SetSubStorages(TXcAppSubStorages*) {}
    TXcTranslateString* TranslateStringEngine() const { return FTranslateStringEngine; }
    void SetTranslateStringEngine(TXcTranslateString* Value);
    TXcTranslateString* ActiveTranslateStringEngine() const;

    TXcAppStoragePropTranslateEvent OnTranslatePropertyName;
    TXcAppStorageCryptEvent OnEncryptPropertyValue;
    TXcAppStorageCryptEvent OnDecryptPropertyValue;
    TXcAppStorageErrorEvent OnError;

    // For backends.
    String AbsolutePath(const String& Path) const { return NormalizePaths({FCurPath, Path}); }
    virtual void SplitValuePath(const String& Path, String& FolderPath, String& ValueName);
    // Runs Method under a named mutex shared with every process that uses Name.
    void Synchronize(const String& Name, const TNotifyEvent& Method);
    static bool IsListItemName(const String& Name);

    virtual TDateTime TextToDateTime(const String& Text);
    virtual String DateTimeToText(TDateTime Value);
    // The date and time formats of date-time texts (cached while an update runs).
    const TFormatSettings& StorageFormatSettings();

    virtual int ReadListCount(const String& Path, const String& ItemName = QStringLiteral("Item"));
    // The stored count, bounded by the entries the list's folder really holds (values and
    // sub-folders): a damaged file's count costs no more than its entries.
    int HeldListCount(const String& Path, const String& ItemName);
    virtual void WriteListCount(const String& Path, int ItemCount,
                                const String& ItemName = QStringLiteral("Item"));

    // Resolved-path operations (no sub-storage routing).
    virtual int ReadIntegerAt(const String& Path, int Default);
    virtual void WriteIntegerAt(const String& Path, int Value);
    virtual Extended ReadFloatAt(const String& Path, Extended Default);
    virtual void WriteFloatAt(const String& Path, Extended Value);
    virtual String ReadStringAt(const String& Path, const String& Default);
    virtual void WriteStringAt(const String& Path, const String& Value);
    virtual int ReadBinaryAt(const String& Path, void* Buf, int BufSize);
    virtual void WriteBinaryAt(const String& Path, const void* Buf, int BufSize);
    virtual TDateTime ReadDateTimeAt(const String& Path, TDateTime Default);
    virtual void WriteDateTimeAt(const String& Path, TDateTime Value);
    virtual bool ReadBooleanAt(const String& Path, bool Default);
    virtual void WriteBooleanAt(const String& Path, bool Value);
    virtual void ReadEnumerationAt(const String& Path, PTypeInfo TypeInfo, const void* Default, void* Value);
    virtual void WriteEnumerationAt(const String& Path, PTypeInfo TypeInfo, const void* Value);
    virtual void ReadSetAt(const String& Path, PTypeInfo ATypeInfo, const void* Default, void* Value);
    virtual void WriteSetAt(const String& Path, PTypeInfo ATypeInfo, const void* Value);

    // The backend's primitives.
    virtual void StoreEnumFolders(const String& Path, TStrings* Strings, bool ReportListAsValue = true) = 0;
    virtual void StoreEnumValues(const String& Path, TStrings* Strings, bool ReportListAsValue = true) = 0;
    virtual bool StoreIsFolder(const String& Path, bool ListIsValue = true) = 0;
    virtual bool StorePathExists(const String& Path) = 0;
    virtual bool StoreValueStored(const String& Path) = 0;
    virtual bool StoreListStored(const String& Path, const String& ItemName);
    virtual void StoreDeleteValue(const String& Path) = 0;
    virtual void StoreDeleteSubTree(const String& Path) = 0;
    virtual int StoreReadInteger(const String& Path, int Default) = 0;
    virtual void StoreWriteInteger(const String& Path, int Value) = 0;
    virtual Extended StoreReadFloat(const String& Path, Extended Default) = 0;
    virtual void StoreWriteFloat(const String& Path, Extended Value) = 0;
    virtual String StoreReadString(const String& Path, const String& Default) = 0;
    virtual void StoreWriteString(const String& Path, const String& Value) = 0;
    virtual WideString StoreReadWideString(const String& Path, const WideString& Default);
    virtual void StoreWriteWideString(const String& Path, const WideString& Value);
    virtual int StoreReadBinary(const String& Path, void* Buf, int BufSize) = 0;
    virtual void StoreWriteBinary(const String& Path, const void* Buf, int BufSize) = 0;
    virtual TDateTime StoreReadDateTime(const String& Path, TDateTime Default);
    virtual void StoreWriteDateTime(const String& Path, TDateTime Value);
    virtual bool StoreReadBoolean(const String& Path, bool Default);
    virtual void StoreWriteBoolean(const String& Path, bool Value);
    virtual bool StorePhysicalReadOnly() { return false; }

    static String GetCharName(QChar Ch);
    static String GetIntName(int Value);
    // The stored name of list entry Index: ItemName and the index, or ItemName[index]
    // without the old item-name format.
    virtual String ItemNameIndexPath(const String& ItemName, int Index);

    // ---- lists, collections and objects ----
    int ReadList(const String& Path, TObject* List, const TXcAppStorageListItemEvent& OnReadItem,
                 const String& ItemName = QStringLiteral("Item"));
    void WriteList(const String& Path, TObject* List, int ItemCount,
                   const TXcAppStorageListItemEvent& OnWriteItem,
                   const TXcAppStorageListDeleteEvent& OnDeleteItems = nullptr,
                   const String& ItemName = QStringLiteral("Item"));
    int ReadStringList(const String& Path, TStrings* SL, bool ClearFirst = true,
                       const String& ItemName = QStringLiteral("Item"));
    void WriteStringList(const String& Path, TStrings* SL, const String& ItemName = QStringLiteral("Item"));
    int ReadWideStringList(const String& Path, TWideStrings* SL, bool ClearFirst = true,
                           const String& ItemName = QStringLiteral("Item"));
    void WriteWideStringList(const String& Path, TWideStrings* SL,
                             const String& ItemName = QStringLiteral("Item"));
    // Entries are made from their stored class name (a registered class) unless ItemCreator
    // makes them. With ClearFirst the list is emptied first; a list that owns its objects
    // frees them.
    int ReadObjectList(const String& Path, TList* List, bool ClearFirst = true,
                       const String& ItemName = QStringLiteral("Item"));
    int ReadObjectList(const String& Path, TList* List,
                       const TXcAppStorageObjectListItemCreateEvent& ItemCreator, bool ClearFirst = true,
                       const String& ItemName = QStringLiteral("Item"));
    void WriteObjectList(const String& Path, TList* List, const String& ItemName = QStringLiteral("Item"));
    int ReadStringObjectList(const String& Path, TStrings* SL, bool ClearFirst = true,
                             const String& ItemName = QStringLiteral("Item"));
    int ReadStringObjectList(const String& Path, TStrings* SL,
                             const TXcAppStorageObjectListItemCreateEvent& ItemCreator,
                             bool ClearFirst = true, const String& ItemName = QStringLiteral("Item"));
    void WriteStringObjectList(const String& Path, TStrings* SL,
                               const String& ItemName = QStringLiteral("Item"));
    int ReadCollection(const String& Path, TCollection* List, bool ClearFirst = true,
                       const String& ItemName = QStringLiteral("Item"));
    void WriteCollection(const String& Path, TCollection* List,
                         const String& ItemName = QStringLiteral("Item"));
    void ReadProperty(const String& Path, TPersistent* PersObj, const String& PropName, bool Recursive,
                      bool ClearFirst);
    void WriteProperty(const String& Path, TPersistent* PersObj, const String& PropName, bool Recursive);
    void ReadPersistent(const String& Path, TPersistent* PersObj, bool Recursive = true,
                        bool ClearFirst = true, TStrings* IgnoreProperties = nullptr);
    void WritePersistent(const String& Path, TPersistent* PersObj, bool Recursive = true,
                         TStrings* IgnoreProperties = nullptr);
    String TranslatePropertyName(TPersistent* Instance, const String& AName, bool Reading);
    // The names stored below Path; each name's object value is 1 for a folder, 2 for a
    // value, 3 for both.
    void GetStoredValues(const String& Path, TStrings* Strings,
                         TXcAppStorageEnumOptions Options = {aeoFolders, aeoValues, aeoReportListAsValue,
                                                             aeoRecursive});
    void CheckDeletePathByVersion(const String& Path, int VersionNumber, bool DeleteIfNotEqual = false,
                                  bool WriteVersionNumber = true,
                                  const String& VersionName = QStringLiteral("Version"));

protected:
    virtual TXcAppStorageOptionsClass StorageOptionsClass() const;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    String EncryptValue(const String& Value);
    String DecryptValue(const String& Value);
    bool Designing() const { return ComponentState().Contains(csDesigning); }

private:
    // The store that holds Path: this one or the sub-storage mounted over it.
    TXcCustomAppStorage* ResolvedStore(const String& Path);
    TPersistent* DefaultObjectListItemCreate(const String& Path);
    // The object of a list entry: made by the creator that Entry's store holds for the list
    // being read, else from the class name stored at ObjectPath.
    TPersistent* CreateListItemObject(const String& Entry, const String& ObjectPath, int Index);
    // Deletes the entries First..Last of a list whose entries are named by ItemNameIndexPath.
    void DeleteListItems(TXcCustomAppStorage* Sender, const String& Path, TObject* List, int First, int Last,
                         const String& ItemName);
    void ReadStringListItem(TXcCustomAppStorage* Sender, const String& Path, TObject* List, int Index,
                            const String& ItemName);
    void WriteStringListItem(TXcCustomAppStorage* Sender, const String& Path, TObject* List, int Index,
                             const String& ItemName);
    void ReadWideStringListItem(TXcCustomAppStorage* Sender, const String& Path, TObject* List, int Index,
                                const String& ItemName);
    void WriteWideStringListItem(TXcCustomAppStorage* Sender, const String& Path, TObject* List, int Index,
                                 const String& ItemName);
    void DeleteWideStringListItems(TXcCustomAppStorage* Sender, const String& Path, TObject* List, int First,
                                   int Last, const String& ItemName);
    void ReadObjectListItem(TXcCustomAppStorage* Sender, const String& Path, TObject* List, int Index,
                            const String& ItemName);
    void WriteObjectListItem(TXcCustomAppStorage* Sender, const String& Path, TObject* List, int Index,
                             const String& ItemName);
    void ReadStringObjectListItem(TXcCustomAppStorage* Sender, const String& Path, TObject* List, int Index,
                                  const String& ItemName);
    void WriteStringObjectListItem(TXcCustomAppStorage* Sender, const String& Path, TObject* List, int Index,
                                   const String& ItemName);
    void ReadCollectionItem(TXcCustomAppStorage* Sender, const String& Path, TObject* List, int Index,
                            const String& ItemName);
    void WriteCollectionItem(TXcCustomAppStorage* Sender, const String& Path, TObject* List, int Index,
                             const String& ItemName);
    void CollectStoredValues(const String& Prefix, const String& SearchPath, TStrings* Strings,
                             TXcAppStorageEnumOptions Options);

    TXcAppStorageObjectListItemCreateEvent FCurrentInstanceCreateEvent;

    // Common default rules of the typed reads: missing value, conversion errors.
    template <class T, class F> T ReadWithDefaults(const String& Path, const T& Default, F read);

    TFormatSettings CachedFormatSettings;
    String FCurPath;
    mutable TXcCustomAppStorageOptions* FStorageOptions = nullptr;
    TXcAppSubStorages* FSubStorages = nullptr;
    int FCryptEnabledStatus = 0;
    bool FAutoFlush = false;
    int FUpdateCount = 0;
    bool FAutoReload = false;
    TXcTranslateString* FInternalTranslateStringEngine = nullptr;
    bool FReadOnly = false;
    TXcTranslateString* FTranslateStringEngine = nullptr;
    bool FSynchronizeFlushReload = false;
    bool FFlushOnDestroy = true;
};

// Handles class-typed properties of objects it supports in place of the storage's own way.
class TXcAppStoragePropertyBaseEngine : public TObject {
    ORVO_CLASS(TXcAppStoragePropertyBaseEngine, TObject)
public:
    TXcAppStoragePropertyBaseEngine() = default;
    virtual bool Supports(TObject* AObject, TObject* AProperty);
    virtual void ReadProperty(TXcCustomAppStorage* AStorage, const String& APath, TObject* AObject,
                              TObject* AProperty, bool Recursive, bool ClearFirst);
    virtual void WriteProperty(TXcCustomAppStorage* AStorage, const String& APath, TObject* AObject,
                               TObject* AProperty, bool Recursive);
};
using TXcAppStoragePropertyEngineClass = TClass;

// The registered property engines, owned by the list.
class TXcAppStoragePropertyEngineList : public TList {
    ORVO_CLASS(TXcAppStoragePropertyEngineList, TList)
public:
    TXcAppStoragePropertyEngineList() = default;
    ~TXcAppStoragePropertyEngineList() override;
    void RegisterEngine(TXcAppStoragePropertyEngineClass AEngineClass);
    void UnregisterEngine(TXcAppStoragePropertyEngineClass AEngineClass);
    TXcAppStoragePropertyBaseEngine* GetEngine(TObject* AObject, TObject* AProperty) const;
    bool ReadProperty(TXcCustomAppStorage* AStorage, const String& APath, TObject* AObject,
                      TObject* AProperty, bool Recursive, bool ClearFirst);
    bool WriteProperty(TXcCustomAppStorage* AStorage, const String& APath, TObject* AObject,
                       TObject* AProperty, bool Recursive);
};

// Made on first request; none once the program has begun shutting down.
TXcAppStoragePropertyEngineList* StoragePropertyEngines();
