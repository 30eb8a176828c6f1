#include "storage/XcCustomAppStorage.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/List.h"
#include "platform/classes/StringList.h"
#include "platform/classes/SyncObjs.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FloatText.h"
#include "platform/rtl/IntText.h"
#include "platform/rtl/StrUtils.h"
#include "platform/win/WinTypes.h"
#include "storage/XcPropertyStore.h"
#include "storage/support/SclMime.h"
#include "storage/support/XcBase64.h"
#include "storage/support/XcTranslateString.h"

#include <QStringList>
#include <cstring>
#include <limits>

ORVO_IMPLEMENT_CLASS(TXcAppSubStorage, TCollectionItem)
ORVO_IMPLEMENT_CLASS(TXcAppSubStorages, TOwnedCollection)
ORVO_IMPLEMENT_CLASS(TXcCustomAppStorage, TXcComponent)

ORVO_PUBLISHED(TXcAppSubStorage) {
    P.Property("RootPath", &TXcAppSubStorage::RootPath, &TXcAppSubStorage::SetRootPath);
    P.Property("AppStorage", &TXcAppSubStorage::AppStorage, &TXcAppSubStorage::SetAppStorage);
}

ORVO_PUBLISHED(TXcCustomAppStorage) {
    using T = TXcCustomAppStorage;
    P.Property("StorageOptions", &T::StorageOptions, &T::SetStorageOptions);
    P.Property("TranslateStringEngine", &T::TranslateStringEngine, &T::SetTranslateStringEngine);
    P.Property("OnTranslatePropertyName", &T::OnTranslatePropertyName);
    P.Property("OnEncryptPropertyValue", &T::OnEncryptPropertyValue);
    P.Property("OnDecryptPropertyValue", &T::OnDecryptPropertyValue);
    P.Property("OnError", &T::OnError);
}

// ---- paths ------------------------------------------------------------------------------

String NormalizePaths(const QStringList& Paths) {
    if (Paths.isEmpty()) return String();
    qsizetype start = 0;
    for (qsizetype i = Paths.size() - 1; i >= 1; --i)
        if (Paths[i].startsWith(u'\\')) {
            start = i;
            break;
        }
    QStringList segments;
    for (qsizetype i = start; i < Paths.size(); ++i) {
        for (const String& seg : Paths[i].split(u'\\', Qt::SkipEmptyParts)) {
            if (seg.count(u'.') == seg.size()) {
                // "." stays, ".." goes one up, "..." two, and so on.
                for (qsizetype n = seg.size() - 1; n > 0 && !segments.isEmpty(); --n)
                    segments.removeLast();
                continue;
            }
            segments << seg;
        }
    }
    return segments.join(u'\\');
}

String NormalizePaths(std::initializer_list<String> Paths) {
    return NormalizePaths(QStringList(Paths));
}

Int64 OrdinalOfValue(const void* Address, int OrdinalKind) {
    switch (OrdinalKind) {
    case otSByte:
        return *static_cast<const std::int8_t*>(Address);
    case otUByte:
        return *static_cast<const std::uint8_t*>(Address);
    case otSWord:
        return *static_cast<const std::int16_t*>(Address);
    case otUWord:
        return *static_cast<const std::uint16_t*>(Address);
    case otSLong:
        return *static_cast<const std::int32_t*>(Address);
    case otULong:
        return *static_cast<const std::uint32_t*>(Address);
    default:
        return -1;
    }
}

namespace {
int OrdinalSize(int OrdinalKind) {
    switch (OrdinalKind) {
    case otSByte:
    case otUByte:
        return 1;
    case otSWord:
    case otUWord:
        return 2;
    case otSLong:
    case otULong:
        return 4;
    default:
        return 0;
    }
}

void StoreOrdinal(Int64 Value, void* Target, int OrdinalKind) {
    switch (OrdinalSize(OrdinalKind)) {
    case 1:
        *static_cast<std::uint8_t*>(Target) = std::uint8_t(Value);
        break;
    case 2:
        *static_cast<std::uint16_t*>(Target) = std::uint16_t(Value);
        break;
    case 4:
        *static_cast<std::uint32_t*>(Target) = std::uint32_t(Value);
        break;
    default:
        break;
    }
}

bool StartsWithFolder(const String& Path, const String& Root) {
    return Path.size() > Root.size() && Path[Root.size()] == u'\\' &&
           Path.startsWith(Root, Qt::CaseInsensitive);
}

bool ContainsSubStorage(TXcCustomAppStorage* S, TXcCustomAppStorage* X) {
    TXcAppSubStorages* links = S->SubStorages();
    for (int i = links->Count() - 1; i >= 0; --i) {
        TXcCustomAppStorage* linked = links->Items(i)->AppStorage();
        if (linked && (linked == X || ContainsSubStorage(linked, X))) return true;
    }
    return false;
}

// Restores an option flag when the scope ends, also when an exception passes.
class TOptionRestore {
public:
    TOptionRestore(TXcCustomAppStorageOptions* o, bool value) : o_(o), old_(o->DefaultIfReadConvertError()) {
        o_->SetDefaultIfReadConvertError(value);
    }
    ~TOptionRestore() { o_->SetDefaultIfReadConvertError(old_); }

private:
    TXcCustomAppStorageOptions* o_;
    bool old_;
};
} // namespace

void CopyOrdinal(const void* Source, void* Target, int OrdinalKind) {
    if (const int n = OrdinalSize(OrdinalKind)) std::memcpy(Target, Source, std::size_t(n));
}

// ---- sub-storage links ------------------------------------------------------------------

TXcCustomAppStorage* TXcAppSubStorage::OwnerStore() const {
    auto* c = dynamic_cast<TXcAppSubStorages*>(Collection());
    return c ? c->OwnerStore() : nullptr;
}

void TXcAppSubStorage::SetRootPath(const String& Value) {
    const String path = NormalizePaths({Value});
    if (path == FRootPath) return;
    if (auto* c = dynamic_cast<TXcAppSubStorages*>(Collection()))
        if (c->FindSubStorage(path + QStringLiteral("\\*"), Index()))
            throw EXCLAppStorageError(QStringLiteral("'%1' is not a unique root path").arg(path));
    FRootPath = path;
}

void TXcAppSubStorage::SetAppStorage(TXcCustomAppStorage* Value) {
    if (Value == FAppStorage) return;
    TXcCustomAppStorage* owner = OwnerStore();
    if (Value && owner && (Value == owner || ContainsSubStorage(Value, owner)))
        throw EXCLAppStorageError(QStringLiteral("Circular reference of storages"));
    if (owner)
        ChangeComponentReference(owner, Value, FAppStorage);
    else
        FAppStorage = Value;
}

String TXcAppSubStorage::GetDisplayName() const {
    if (!FRootPath.isEmpty() && FAppStorage) return u'\\' + FRootPath + u'=' + FAppStorage->Name();
    return TCollectionItem::GetDisplayName();
}

TXcAppSubStorages::TXcAppSubStorages(TXcCustomAppStorage* AOwner)
    : TOwnedCollection(AOwner, TXcAppSubStorage::StaticClass()) {}

TXcCustomAppStorage* TXcAppSubStorages::OwnerStore() const {
    return dynamic_cast<TXcCustomAppStorage*>(GetOwner());
}

TXcAppSubStorage* TXcAppSubStorages::Items(int Index) const {
    return static_cast<TXcAppSubStorage*>(TCollection::Items(Index));
}

TXcAppSubStorage* TXcAppSubStorages::Add(const String& RootPath, TXcCustomAppStorage* AppStorage) {
    auto* item = static_cast<TXcAppSubStorage*>(TCollection::Add());
    try {
        item->SetRootPath(RootPath);
        item->SetAppStorage(AppStorage);
    } catch (...) {
        delete item;
        throw;
    }
    return item;
}

void TXcAppSubStorages::Delete(int Index) {
    TCollection::Delete(Index);
}

void TXcAppSubStorages::Delete(const String& RootPath, bool IncludeSubPaths) {
    const String root = NormalizePaths({RootPath});
    if (root.isEmpty()) return;
    for (int i = Count() - 1; i >= 0; --i) {
        const String& r = Items(i)->RootPath();
        if (SameText(r, root) || (IncludeSubPaths && StartsWithFolder(r, root))) Delete(i);
    }
}

void TXcAppSubStorages::Delete(TXcCustomAppStorage* AppStorage) {
    for (int i = Count() - 1; i >= 0; --i)
        if (Items(i)->AppStorage() == AppStorage) Delete(i);
}

TXcAppSubStorage* TXcAppSubStorages::FindSubStorage(const String& APath, int IgnoreIndex) const {
    const String path = NormalizePaths({APath});
    TXcAppSubStorage* best = nullptr;
    for (int i = 0; i < Count(); ++i) {
        if (i == IgnoreIndex) continue;
        TXcAppSubStorage* link = Items(i);
        if (link->RootPath().isEmpty() || !StartsWithFolder(path, link->RootPath())) continue;
        if (!best || link->RootPath().size() > best->RootPath().size()) best = link;
    }
    return best;
}

// ---- the storage ------------------------------------------------------------------------

TXcCustomAppStorage::TXcCustomAppStorage(TComponent* AOwner) : TXcComponent(AOwner) {
    FSubStorages = new TXcAppSubStorages(this);
    FInternalTranslateStringEngine = new TXcTranslateString(nullptr);
}

TXcCustomAppStorage::~TXcCustomAppStorage() {
    // A backend flushes in its own destructor, while its data still exists.
    delete FInternalTranslateStringEngine;
    delete FSubStorages;
    delete FStorageOptions;
}

TXcAppStorageOptionsClass TXcCustomAppStorage::StorageOptionsClass() const {
    return TXcAppStorageOptions::StaticClass();
}

TXcCustomAppStorageOptions* TXcCustomAppStorage::StorageOptions() const {
    if (!FStorageOptions) {
        TObject* o = StorageOptionsClass()->CreatePlain ? StorageOptionsClass()->CreatePlain() : nullptr;
        FStorageOptions = dynamic_cast<TXcCustomAppStorageOptions*>(o);
        if (!FStorageOptions) {
            delete o;
            FStorageOptions = new TXcAppStorageOptions();
        }
    }
    return FStorageOptions;
}

void TXcCustomAppStorage::SetStorageOptions(TXcCustomAppStorageOptions* Value) {
    if (Value && Value != StorageOptions()) StorageOptions()->Assign(Value);
}

void TXcCustomAppStorage::SetTranslateStringEngine(TXcTranslateString* Value) {
    if (!ChangeComponentReference(this, Value, FTranslateStringEngine)) FTranslateStringEngine = Value;
}

TXcTranslateString* TXcCustomAppStorage::ActiveTranslateStringEngine() const {
    return FTranslateStringEngine ? FTranslateStringEngine : FInternalTranslateStringEngine;
}

void TXcCustomAppStorage::Loaded() {
    TXcComponent::Loaded();
    if (!IsUpdating()) Reload();
}

void TXcCustomAppStorage::Notification(TComponent* AComponent, TOperation Operation) {
    TXcComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FTranslateStringEngine) FTranslateStringEngine = nullptr;
    if (auto* s = dynamic_cast<TXcCustomAppStorage*>(AComponent); s && FSubStorages) {
        for (int i = FSubStorages->Count() - 1; i >= 0; --i)
            if (FSubStorages->Items(i)->AppStorage() == s) FSubStorages->Delete(i);
    }
}

bool TXcCustomAppStorage::ReadOnly() {
    if (Designing()) return FReadOnly;
    return FReadOnly || StorePhysicalReadOnly();
}

void TXcCustomAppStorage::SplitValuePath(const String& Path, String& FolderPath, String& ValueName) {
    const String a = AbsolutePath(Path);
    const auto i = a.lastIndexOf(u'\\');
    FolderPath = i < 0 ? String() : a.left(i);
    ValueName = i < 0 ? a : a.mid(i + 1);
}

void TXcCustomAppStorage::ResolvePath(const String& InPath, TXcCustomAppStorage*& TargetStore,
                                      String& TargetPath) {
    TargetPath = u'\\' + NormalizePaths({FCurPath, InPath});
    TargetStore = this;
    TXcAppSubStorage* link = FSubStorages->FindSubStorage(TargetPath);
    if (link && link->AppStorage()) {
        TargetStore = link->AppStorage();
        TargetPath = u'\\' + NormalizePaths({TargetPath.mid(link->RootPath().size() + 1)});
        if (TargetPath == u"\\") throw EXCLAppStorageError(QStringLiteral("Invalid path"));
    }
}

TXcCustomAppStorage* TXcCustomAppStorage::ResolvedStore(const String& Path) {
    TXcCustomAppStorage* store = nullptr;
    String target;
    ResolvePath(Path, store, target);
    return store;
}

bool TXcCustomAppStorage::IsListItemName(const String& Name) {
    const String last = Name.mid(Name.lastIndexOf(u'\\') + 1);
    return last.size() >= 5 && last.left(4).compare(QStringLiteral("Item"), Qt::CaseInsensitive) == 0 &&
           last[4].isDigit();
}

String TXcCustomAppStorage::GetCharName(QChar Ch) {
    if (Ch >= u'!' && Ch <= u'z') return QStringLiteral("Char_") + Ch;
    return QStringLiteral("Char#") + QString::number(Ch.unicode());
}

String TXcCustomAppStorage::GetIntName(int Value) {
    return QStringLiteral("Int_") + QString::number(Value);
}

// ---- public path operations -------------------------------------------------------------

#define ORVO_RESOLVE(path)                                                                                   \
    TXcCustomAppStorage* store = nullptr;                                                                    \
    String target;                                                                                           \
    ResolvePath(path, store, target)

bool TXcCustomAppStorage::IsFolder(const String& Path, bool ListIsValue) {
    ORVO_RESOLVE(Path);
    return store->StoreIsFolder(target, ListIsValue);
}
bool TXcCustomAppStorage::PathExists(const String& Path) {
    ORVO_RESOLVE(Path);
    return store->StorePathExists(target);
}
bool TXcCustomAppStorage::ValueStored(const String& Path) {
    ORVO_RESOLVE(Path);
    return store->StoreValueStored(target);
}
bool TXcCustomAppStorage::ListStored(const String& Path, const String& ItemName) {
    ORVO_RESOLVE(Path);
    return store->StoreListStored(target, ItemName);
}
void TXcCustomAppStorage::DeleteValue(const String& Path) {
    ORVO_RESOLVE(Path);
    if (!store->ReadOnly()) store->StoreDeleteValue(target);
}
void TXcCustomAppStorage::DeleteSubTree(const String& Path) {
    ORVO_RESOLVE(Path);
    if (!store->ReadOnly()) store->StoreDeleteSubTree(target);
}
int TXcCustomAppStorage::ReadInteger(const String& Path, int Default) {
    ORVO_RESOLVE(Path);
    return store->ReadIntegerAt(target, Default);
}
void TXcCustomAppStorage::WriteInteger(const String& Path, int Value) {
    ORVO_RESOLVE(Path);
    if (!store->ReadOnly()) store->WriteIntegerAt(target, Value);
}
Extended TXcCustomAppStorage::ReadFloat(const String& Path, Extended Default) {
    ORVO_RESOLVE(Path);
    return store->ReadFloatAt(target, Default);
}
void TXcCustomAppStorage::WriteFloat(const String& Path, Extended Value) {
    ORVO_RESOLVE(Path);
    if (!store->ReadOnly()) store->WriteFloatAt(target, Value);
}
String TXcCustomAppStorage::ReadString(const String& Path, const String& Default) {
    ORVO_RESOLVE(Path);
    return store->ReadStringAt(target, Default);
}
void TXcCustomAppStorage::WriteString(const String& Path, const String& Value) {
    ORVO_RESOLVE(Path);
    if (!store->ReadOnly()) store->WriteStringAt(target, Value);
}
WideString TXcCustomAppStorage::ReadWideString(const String& Path, const WideString& Default) {
    return StoreReadWideString(Path, Default);
}
void TXcCustomAppStorage::WriteWideString(const String& Path, const WideString& Value) {
    StoreWriteWideString(Path, Value);
}
TDateTime TXcCustomAppStorage::ReadDateTime(const String& Path, TDateTime Default) {
    ORVO_RESOLVE(Path);
    return store->ReadDateTimeAt(target, Default);
}
void TXcCustomAppStorage::WriteDateTime(const String& Path, TDateTime Value) {
    ORVO_RESOLVE(Path);
    if (!store->ReadOnly()) store->WriteDateTimeAt(target, Value);
}
int TXcCustomAppStorage::ReadBinary(const String& Path, void* Buf, int BufSize) {
    ORVO_RESOLVE(Path);
    return store->ReadBinaryAt(target, Buf, BufSize);
}
void TXcCustomAppStorage::WriteBinary(const String& Path, const void* Buf, int BufSize) {
    ORVO_RESOLVE(Path);
    if (!store->ReadOnly()) store->WriteBinaryAt(target, Buf, BufSize);
}
bool TXcCustomAppStorage::ReadBoolean(const String& Path, bool Default) {
    ORVO_RESOLVE(Path);
    return store->ReadBooleanAt(target, Default);
}
void TXcCustomAppStorage::WriteBoolean(const String& Path, bool Value) {
    ORVO_RESOLVE(Path);
    if (!store->ReadOnly()) store->WriteBooleanAt(target, Value);
}
void TXcCustomAppStorage::ReadEnumeration(const String& Path, PTypeInfo TypeInfo, const void* Default,
                                          void* Value) {
    ORVO_RESOLVE(Path);
    store->ReadEnumerationAt(target, TypeInfo, Default, Value);
}
void TXcCustomAppStorage::WriteEnumeration(const String& Path, PTypeInfo TypeInfo, const void* Value) {
    ORVO_RESOLVE(Path);
    if (!store->ReadOnly()) store->WriteEnumerationAt(target, TypeInfo, Value);
}
void TXcCustomAppStorage::ReadSet(const String& Path, PTypeInfo ATypeInfo, const void* Default, void* Value) {
    ORVO_RESOLVE(Path);
    store->ReadSetAt(target, ATypeInfo, Default, Value);
}
void TXcCustomAppStorage::WriteSet(const String& Path, PTypeInfo ATypeInfo, const void* Value) {
    ORVO_RESOLVE(Path);
    if (!store->ReadOnly()) store->WriteSetAt(target, ATypeInfo, Value);
}

#undef ORVO_RESOLVE

// ---- base forms of the primitives -------------------------------------------------------

bool TXcCustomAppStorage::StoreListStored(const String& Path, const String&) {
    String p = Path;
    if (!p.endsWith(u'\\')) p += u'\\';
    return StoreValueStored(p + QStringLiteral("Count"));
}
WideString TXcCustomAppStorage::StoreReadWideString(const String& Path, const WideString& Default) {
    return ReadString(Path, Default);
}
void TXcCustomAppStorage::StoreWriteWideString(const String& Path, const WideString& Value) {
    WriteString(Path, Value);
}
TDateTime TXcCustomAppStorage::StoreReadDateTime(const String& Path, TDateTime Default) {
    return double(StoreReadFloat(Path, Default));
}
void TXcCustomAppStorage::StoreWriteDateTime(const String& Path, TDateTime Value) {
    StoreWriteFloat(Path, Value);
}
bool TXcCustomAppStorage::StoreReadBoolean(const String& Path, bool Default) {
    return StoreReadInteger(Path, Default ? 1 : 0) != 0;
}
void TXcCustomAppStorage::StoreWriteBoolean(const String& Path, bool Value) {
    StoreWriteInteger(Path, Value ? 1 : 0);
}
int TXcCustomAppStorage::ReadListCount(const String& Path, const String&) {
    return ReadInteger(ConcatPaths({Path, QStringLiteral("Count")}), 0);
}
void TXcCustomAppStorage::WriteListCount(const String& Path, int ItemCount, const String&) {
    WriteInteger(ConcatPaths({Path, QStringLiteral("Count")}), ItemCount);
}

// ---- typed values on a resolved path ----------------------------------------------------

template <class T, class F>
T TXcCustomAppStorage::ReadWithDefaults(const String& Path, const T& Default, F read) {
    if (StorageOptions()->DefaultIfValueNotExists() && !StoreValueStored(Path)) return Default;
    try {
        return read();
    } catch (const EConvertError&) {
        if (StorageOptions()->DefaultIfReadConvertError()) return Default;
        throw;
    }
}

int TXcCustomAppStorage::ReadIntegerAt(const String& Path, int Default) {
    return ReadWithDefaults(Path, Default, [&] { return StoreReadInteger(Path, Default); });
}
void TXcCustomAppStorage::WriteIntegerAt(const String& Path, int Value) {
    StoreWriteInteger(Path, Value);
}

String TXcCustomAppStorage::ReadStringAt(const String& Path, const String& Default) {
    return ReadWithDefaults(Path, Default,
                            [&] { return DecryptValue(StoreReadString(Path, EncryptValue(Default))); });
}
void TXcCustomAppStorage::WriteStringAt(const String& Path, const String& Value) {
    StoreWriteString(Path, EncryptValue(Value));
}

int TXcCustomAppStorage::ReadBinaryAt(const String& Path, void* Buf, int BufSize) {
    return StoreReadBinary(Path, Buf, BufSize);
}
void TXcCustomAppStorage::WriteBinaryAt(const String& Path, const void* Buf, int BufSize) {
    StoreWriteBinary(Path, Buf, BufSize);
}

namespace {
// Reads a value the store may hold as text or in its own form: the preferred form first,
// the other one when the first does not convert.
template <class Text, class Native> auto ReadEitherForm(bool TextFirst, Text AsText, Native AsNative) {
    try {
        return TextFirst ? AsText() : AsNative();
    } catch (const EConvertError&) {
        return TextFirst ? AsNative() : AsText();
    }
}
} // namespace

Extended TXcCustomAppStorage::ReadFloatAt(const String& Path, Extended Default) {
    return ReadWithDefaults(Path, Default, [&]() -> Extended {
        auto asText = [&] {
            return StrToFloat(DecryptValue(StoreReadString(Path, EncryptValue(FloatToStr(Default)))));
        };
        return ReadEitherForm(StorageOptions()->FloatAsString(), asText,
                              [&] { return StoreReadFloat(Path, Default); });
    });
}
void TXcCustomAppStorage::WriteFloatAt(const String& Path, Extended Value) {
    if (StorageOptions()->FloatAsString())
        WriteStringAt(Path, FloatToStr(Value));
    else
        StoreWriteFloat(Path, Value);
}

TDateTime TXcCustomAppStorage::ReadDateTimeAt(const String& Path, TDateTime Default) {
    return ReadWithDefaults(Path, Default, [&]() -> TDateTime {
        auto asText = [&] {
            return TextToDateTime(DecryptValue(StoreReadString(Path, EncryptValue(DateTimeToText(Default)))));
        };
        return ReadEitherForm(StorageOptions()->DateTimeAsString(), asText,
                              [&] { return StoreReadDateTime(Path, Default); });
    });
}
void TXcCustomAppStorage::WriteDateTimeAt(const String& Path, TDateTime Value) {
    if (StorageOptions()->DateTimeAsString())
        WriteStringAt(Path, DateTimeToText(Value));
    else
        StoreWriteDateTime(Path, Value);
}

bool TXcCustomAppStorage::ReadBooleanAt(const String& Path, bool Default) {
    return ReadWithDefaults(Path, Default, [&]() -> bool {
        TXcCustomAppStorageOptions* o = StorageOptions();
        if (!o->BooleanAsString()) return StoreReadBoolean(Path, Default);
        try {
            const String def = Default ? o->DefaultTrueString() : o->DefaultFalseString();
            const String t = DecryptValue(StoreReadString(Path, EncryptValue(def)));
            if (o->IsValueTrueString(t)) return true;
            if (o->IsValueFalseString(t)) return false;
            return StoreReadBoolean(Path, Default);
        } catch (const EConvertError&) {
            return StoreReadBoolean(Path, Default);
        }
    });
}
void TXcCustomAppStorage::WriteBooleanAt(const String& Path, bool Value) {
    TXcCustomAppStorageOptions* o = StorageOptions();
    if (o->BooleanAsString())
        WriteStringAt(Path, Value ? o->DefaultTrueString() : o->DefaultFalseString());
    else
        StoreWriteBoolean(Path, Value);
}

namespace {
bool IsBooleanType(PTypeInfo t) {
    if (t == TypeInfoBoolean()) return true;
    if (t->Kind != tkEnumeration) return false;
    const TTypeData& d = t->Data;
    const PTypeInfo base = d.BaseType ? d.BaseType : t;
    return d.IsBoolean || base->Data.MinValue < 0;
}
} // namespace

void TXcCustomAppStorage::WriteEnumerationAt(const String& Path, PTypeInfo TypeInfo, const void* Value) {
    if (!TypeInfo) throw EXCLAppStorageError(QStringLiteral("Invalid type"));
    const int kind = TypeInfo->Data.OrdType;
    const Int64 ordinal = OrdinalOfValue(Value, kind);
    if (IsBooleanType(TypeInfo)) {
        WriteBooleanAt(Path, ordinal != 0);
    } else if (TypeInfo->Kind == tkInteger) {
        String ident;
        TIntToIdent toIdent = FindIntToIdent(TypeInfo);
        if (StorageOptions()->TypedIntegerAsString() && toIdent && toIdent(int(ordinal), ident))
            WriteStringAt(Path, ident);
        else
            WriteIntegerAt(Path, int(ordinal));
    } else if (TypeInfo->Kind == tkChar || TypeInfo->Kind == tkWChar) {
        WriteIntegerAt(Path, int(ordinal));
    } else if (TypeInfo->Kind == tkEnumeration) {
        if (StorageOptions()->EnumerationAsString())
            WriteStringAt(Path, GetEnumName(TypeInfo, int(ordinal)));
        else
            WriteIntegerAt(Path, int(ordinal));
    } else {
        throw EXCLAppStorageError(QStringLiteral("Invalid type"));
    }
}

void TXcCustomAppStorage::ReadEnumerationAt(const String& Path, PTypeInfo TypeInfo, const void* Default,
                                            void* Value) {
    if (!TypeInfo) throw EXCLAppStorageError(QStringLiteral("Invalid type"));
    const int kind = TypeInfo->Data.OrdType;
    if (StorageOptions()->DefaultIfValueNotExists() && !StoreValueStored(Path)) {
        CopyOrdinal(Default, Value, kind);
        return;
    }
    const Int64 def = OrdinalOfValue(Default, kind);
    Int64 r = def;
    try {
        if (IsBooleanType(TypeInfo)) {
            r = ReadBooleanAt(Path, r != 0) ? 1 : 0;
        } else if (TypeInfo->Kind == tkInteger) {
            if (TIdentToInt toInt = FindIdentToInt(TypeInfo)) {
                String t;
                {
                    TOptionRestore keep(StorageOptions(), true);
                    t = ReadStringAt(Path, String());
                }
                int v = 0;
                if (!t.isEmpty() && toInt(t, v))
                    r = v;
                else
                    r = ReadIntegerAt(Path, int(r));
            } else {
                r = ReadIntegerAt(Path, int(r));
            }
        } else if (TypeInfo->Kind == tkChar || TypeInfo->Kind == tkWChar) {
            r = ReadIntegerAt(Path, int(r));
        } else if (TypeInfo->Kind == tkEnumeration) {
            const String t = ReadStringAt(Path, QStringLiteral(" #!@not known@!# "));
            r = GetEnumValue(TypeInfo, t);
            if (r == -1) r = ReadIntegerAt(Path, -1);
            // A number that names no value of the enumeration (a damaged or foreign file) is
            // not stored into the variable: it would hold a value its type does not have.
            if (r < 0 || r >= Int64(TypeInfo->Data.NameList.size())) r = def;
        } else {
            throw EXCLAppStorageError(QStringLiteral("Invalid type"));
        }
    } catch (const EConvertError&) {
        if (!StorageOptions()->DefaultIfReadConvertError()) throw;
        r = def;
    }
    StoreOrdinal(r, Value, kind);
}

// ---- sets -------------------------------------------------------------------------------

namespace {
// The element range of a set type; the elements are bits 0..63 of the set's value.
struct TSetElements {
    PTypeInfo Element = nullptr;
    TTypeKind Kind = tkUnknown;
    Int64 Min = 0, Max = -1;
};

TSetElements ElementsOf(PTypeInfo SetType) {
    if (!SetType || SetType->Kind != tkSet || !SetType->Data.CompType)
        throw EXCLAppStorageError(QStringLiteral("Invalid type"));
    TSetElements e;
    e.Element = SetType->Data.CompType;
    e.Kind = e.Element->Kind;
    if (e.Kind == tkEnumeration) {
        e.Min = 0;
        e.Max = Int64(e.Element->Data.NameList.size()) - 1;
    } else {
        e.Min = e.Element->Data.MinValue;
        e.Max = e.Element->Data.MaxValue;
    }
    // Only the bits a set value has can be addressed.
    e.Min = std::max<Int64>(e.Min, 0);
    e.Max = std::min<Int64>(e.Max, 63);
    return e;
}

String ElementText(const TSetElements& e, Int64 v) {
    if (e.Kind == tkEnumeration) return e.Element->Data.NameList[std::size_t(v)];
    return QString::number(v);
}

String SetText(const TSetElements& e, UInt64 bits) {
    QStringList parts;
    for (Int64 v = e.Min; v <= e.Max; ++v)
        if (bits & (UInt64(1) << v)) parts << ElementText(e, v);
    return u'[' + parts.join(u',') + u']';
}

// The value names of the elements Min..Max when a set is stored as a folder of booleans:
// enumeration elements by name, integers and characters named by IntName and CharName.
QStringList ElementValueNames(const TSetElements& e, String (*IntName)(int), String (*CharName)(QChar)) {
    if (e.Kind != tkInteger && e.Kind != tkChar && e.Kind != tkWChar && e.Kind != tkEnumeration)
        throw EXCLAppStorageError(QStringLiteral("Unknown base type for given set"));
    QStringList names;
    for (Int64 v = e.Min; v <= e.Max; ++v) {
        if (e.Kind == tkEnumeration)
            names << ElementText(e, v);
        else if (e.Kind == tkInteger)
            names << IntName(int(v));
        else
            names << CharName(QChar(char16_t(v)));
    }
    return names;
}

// "[a,b]" or "a,b"; an unknown element raises EConvertError, a number outside the
// element range is ignored.
UInt64 TextToSetBits(const TSetElements& e, const String& Text) {
    String t = Trim(Text);
    if (t.startsWith(u'[')) t.remove(0, 1);
    if (t.endsWith(u']')) t.chop(1);
    UInt64 bits = 0;
    for (const String& raw : t.split(u',', Qt::SkipEmptyParts)) {
        const String item = Trim(raw);
        if (item.isEmpty()) continue;
        Int64 v = -1;
        if (e.Kind == tkEnumeration) v = GetEnumValue(e.Element, item);
        if (v < 0) {
            bool ok = false;
            v = item.toLongLong(&ok);
            if (!ok) throw EConvertError(QStringLiteral("Invalid set element: %1").arg(item));
        }
        if (v >= e.Min && v <= e.Max) bits |= UInt64(1) << v;
    }
    return bits;
}
} // namespace

void TXcCustomAppStorage::WriteSetAt(const String& Path, PTypeInfo ATypeInfo, const void* Value) {
    const TSetElements e = ElementsOf(ATypeInfo);
    UInt64 bits = 0;
    std::memcpy(&bits, Value, sizeof bits);
    if (StorageOptions()->SetAsString()) {
        WriteStringAt(Path, SetText(e, bits));
        return;
    }
    const QStringList names = ElementValueNames(e, &GetIntName, &GetCharName);
    for (Int64 v = e.Min; v <= e.Max; ++v)
        WriteBooleanAt(ConcatPaths({Path, names[v - e.Min]}), (bits & (UInt64(1) << v)) != 0);
}

void TXcCustomAppStorage::ReadSetAt(const String& Path, PTypeInfo ATypeInfo, const void* Default,
                                    void* Value) {
    const TSetElements e = ElementsOf(ATypeInfo);
    UInt64 def = 0;
    std::memcpy(&def, Default, sizeof def);
    UInt64 bits = 0;
    if (StoreIsFolder(Path, true)) {
        const QStringList names = ElementValueNames(e, &GetIntName, &GetCharName);
        for (Int64 v = e.Min; v <= e.Max; ++v)
            if (ReadBooleanAt(ConcatPaths({Path, names[v - e.Min]}), false)) bits |= UInt64(1) << v;
    } else {
        bits = TextToSetBits(e, ReadStringAt(Path, SetText(e, def)));
    }
    std::memcpy(Value, &bits, sizeof bits);
}

// ---- encryption, date-time texts, updates -----------------------------------------------

String TXcCustomAppStorage::EncryptValue(const String& Value) {
    if (!OnEncryptPropertyValue || !IsPropertyValueCryptEnabled()) return Value;
    String t = Value;
    OnEncryptPropertyValue(t);
    return AnsiToString(EncodeBase64Text(StringToAnsi(t)));
}

String TXcCustomAppStorage::DecryptValue(const String& Value) {
    if (!OnDecryptPropertyValue || !IsPropertyValueCryptEnabled()) return Value;
    String t = AnsiToString(DecodeBase64Text(StringToAnsi(Value)));
    OnDecryptPropertyValue(t);
    return t;
}

const TFormatSettings& TXcCustomAppStorage::StorageFormatSettings() {
    if (IsUpdating()) return CachedFormatSettings;
    CachedFormatSettings = TFormatSettings::Create(DWORD(0x0800));
    TXcTranslateString* engine = ActiveTranslateStringEngine();
    const QChar notSet(TXcTranslateString::NoSeparator);
    if (!engine->DateFormat().isEmpty()) {
        CachedFormatSettings.ShortDateFormat = engine->DateFormat();
        CachedFormatSettings.LongDateFormat = engine->DateFormat();
    }
    // A separator the engine has not set is the one its format writes, so that a date-time
    // written in the engine's formats reads back.
    QChar dateSeparator = engine->DateSeparator();
    if (dateSeparator == notSet) dateSeparator = TXcTranslateString::SeparatorOf(engine->DateFormat());
    if (dateSeparator != notSet) CachedFormatSettings.DateSeparator = dateSeparator;
    if (!engine->TimeFormat().isEmpty()) {
        CachedFormatSettings.ShortTimeFormat = engine->TimeFormat();
        CachedFormatSettings.LongTimeFormat = engine->TimeFormat();
    }
    QChar timeSeparator = engine->TimeSeparator();
    if (timeSeparator == notSet) timeSeparator = TXcTranslateString::SeparatorOf(engine->TimeFormat());
    if (timeSeparator != notSet) CachedFormatSettings.TimeSeparator = timeSeparator;
    return CachedFormatSettings;
}

String TXcCustomAppStorage::DateTimeToText(TDateTime Value) {
    if (StorageOptions()->UseTranslateStringEngineDateTimeFormats())
        return DateTimeToStr(Value, StorageFormatSettings());
    return DateTimeToStr(Value);
}

TDateTime TXcCustomAppStorage::TextToDateTime(const String& Text) {
    if (StorageOptions()->UseTranslateStringEngineDateTimeFormats()) {
        try {
            return StrToDateTime(Text, StorageFormatSettings());
        } catch (const EConvertError&) {
            return StrToDateTime(Text);
        }
    }
    return StrToDateTime(Text);
}

void TXcCustomAppStorage::BeginUpdate() {
    if (!IsUpdating()) StorageFormatSettings();
    ReloadIfNeeded();
    ++FUpdateCount;
    for (int i = 0; i < FSubStorages->Count(); ++i)
        if (TXcCustomAppStorage* s = FSubStorages->Items(i)->AppStorage()) s->BeginUpdate();
}

void TXcCustomAppStorage::EndUpdate() {
    for (int i = 0; i < FSubStorages->Count(); ++i)
        if (TXcCustomAppStorage* s = FSubStorages->Items(i)->AppStorage()) s->EndUpdate();
    --FUpdateCount;
    FlushIfNeeded();
    if (FUpdateCount < 0) FUpdateCount = 0;
}

bool TXcCustomAppStorage::FlushNeeded() {
    return FAutoFlush && !IsUpdating();
}

bool TXcCustomAppStorage::ReloadNeeded() {
    return FAutoReload && !IsUpdating();
}

void TXcCustomAppStorage::FlushIfNeeded() {
    if (FlushNeeded()) Flush();
}

void TXcCustomAppStorage::ReloadIfNeeded() {
    if (ReloadNeeded()) Reload();
}

void TXcCustomAppStorage::Synchronize(const String& Name, const TNotifyEvent& Method) {
    if (!Method) return;
    const String prefix = QStringLiteral("TXcCustomAppStorage.Synchronize:");
    // Base64 keeps any file name usable as a mutex name; "/" is not allowed in one.
    String mutexName = AnsiToString(Base64Encode(StringToAnsi(prefix + Name)));
    mutexName.replace(u'/', u'_');
    TNamedMutex mutex(mutexName, false);
    const DWORD r = mutex.WaitFor(INFINITE);
    // An abandoned mutex is owned by this thread now: that counts as acquired.
    if (r != WAIT_OBJECT_0 && r != WAIT_ABANDONED)
        throw Exception(QStringLiteral("%1: Mutex Timeout").arg(prefix + Name));
    try {
        Method(this);
    } catch (...) {
        mutex.Release();
        throw;
    }
    mutex.Release();
}

// ---- lists ------------------------------------------------------------------------------

namespace {
TCombinedStrings* CombinedIgnoreListOf(TObject* Object) {
    auto* store = dynamic_cast<TXcCustomPropertyStore*>(Object);
    return store ? store->CombinedIgnoreProperties() : nullptr;
}

// Runs EndUpdate of a string list or collection when the scope ends.
template <class L> class TUpdateScope {
public:
    explicit TUpdateScope(L* l) : l_(l) { l_->BeginUpdate(); }
    ~TUpdateScope() { l_->EndUpdate(); }
    TUpdateScope(const TUpdateScope&) = delete;
    TUpdateScope& operator=(const TUpdateScope&) = delete;

private:
    L* l_;
};
} // namespace

String TXcCustomAppStorage::ItemNameIndexPath(const String& ItemName, int Index) {
    if (StorageOptions()->UseOldItemNameFormat()) return ItemName + QString::number(Index);
    return ItemName + u'[' + QString::number(Index) + u']';
}

int TXcCustomAppStorage::HeldListCount(const String& Path, const String& ItemName) {
    TXcCustomAppStorage* store = nullptr;
    String target;
    ResolvePath(Path, store, target);
    TStringList names, folders;
    store->StoreEnumValues(target, &names, false);
    store->StoreEnumFolders(target, &folders, false);
    names.AddStrings(&folders);
    // Entries are named ItemName0 or ItemName[0] (values, or folders of objects); a gap
    // below the highest index reads as a default entry.
    int held = 0;
    for (int i = 0; i < names.Count(); ++i) {
        const String& name = names.Strings(i);
        if (!name.startsWith(ItemName, Qt::CaseInsensitive)) continue;
        String index = name.mid(ItemName.size());
        if (index.startsWith(u'[') && index.endsWith(u']')) index = index.mid(1, index.size() - 2);
        bool ok = false;
        const int at = index.toInt(&ok);
        if (ok && at >= 0 && at < std::numeric_limits<int>::max() && !index.startsWith(u'+'))
            held = std::max(held, at + 1);
    }
    return std::clamp(ReadListCount(Path, ItemName), 0, held);
}

int TXcCustomAppStorage::ReadList(const String& Path, TObject* List,
                                  const TXcAppStorageListItemEvent& OnReadItem, const String& ItemName) {
    const int n = HeldListCount(Path, ItemName);
    if (OnReadItem)
        for (int i = 0; i < n; ++i)
            OnReadItem(this, Path, List, i, ItemName);
    return n;
}

void TXcCustomAppStorage::WriteList(const String& Path, TObject* List, int ItemCount,
                                    const TXcAppStorageListItemEvent& OnWriteItem,
                                    const TXcAppStorageListDeleteEvent& OnDeleteItems,
                                    const String& ItemName) {
    TXcCustomAppStorage* store = ResolvedStore(ConcatPaths({Path, QStringLiteral("*")}));
    if (store->ReadOnly()) return;
    const int old = HeldListCount(Path, ItemName);
    if (OnWriteItem)
        for (int i = 0; i < ItemCount; ++i)
            OnWriteItem(this, Path, List, i, ItemName);
    if (ItemCount < old && OnDeleteItems) OnDeleteItems(this, Path, List, ItemCount, old - 1, ItemName);
    WriteListCount(Path, ItemCount, ItemName);
}

// String lists.

void TXcCustomAppStorage::ReadStringListItem(TXcCustomAppStorage*, const String& Path, TObject* List,
                                             int Index, const String& ItemName) {
    if (auto* sl = dynamic_cast<TStrings*>(List))
        sl->Add(ReadString(ConcatPaths({Path, ItemNameIndexPath(ItemName, Index)}), String()));
}

void TXcCustomAppStorage::WriteStringListItem(TXcCustomAppStorage*, const String& Path, TObject* List,
                                              int Index, const String& ItemName) {
    if (auto* sl = dynamic_cast<TStrings*>(List))
        WriteString(ConcatPaths({Path, ItemNameIndexPath(ItemName, Index)}), sl->Strings(Index));
}

void TXcCustomAppStorage::DeleteListItems(TXcCustomAppStorage*, const String& Path, TObject*, int First,
                                          int Last, const String& ItemName) {
    for (int i = First; i <= Last; ++i)
        DeleteValue(ConcatPaths({Path, ItemNameIndexPath(ItemName, i)}));
}

int TXcCustomAppStorage::ReadStringList(const String& Path, TStrings* SL, bool ClearFirst,
                                        const String& ItemName) {
    if (ClearFirst) SL->Clear();
    if (ListStored(Path, ItemName)) {
        TUpdateScope<TStrings> update(SL);
        ReadPersistent(Path, SL, true, false);
        return ReadList(Path, SL, TXcAppStorageListItemEvent(this, &TXcCustomAppStorage::ReadStringListItem),
                        ItemName);
    }
    if (ValueStored(Path)) SL->SetText(ReadString(Path, String()));
    return SL->Count();
}

void TXcCustomAppStorage::WriteStringList(const String& Path, TStrings* SL, const String& ItemName) {
    if (StorageOptions()->StoreStringListAsSingleString()) {
        if (ListStored(Path, ItemName)) DeleteSubTree(Path);
        WriteString(Path, SL->Text());
        return;
    }
    WriteList(Path, SL, SL->Count(),
              TXcAppStorageListItemEvent(this, &TXcCustomAppStorage::WriteStringListItem),
              TXcAppStorageListDeleteEvent(this, &TXcCustomAppStorage::DeleteListItems), ItemName);
    WritePersistent(Path, SL, true);
}

// Wide-string lists: entries are always named ItemName followed by the index.

void TXcCustomAppStorage::ReadWideStringListItem(TXcCustomAppStorage*, const String& Path, TObject* List,
                                                 int Index, const String& ItemName) {
    if (auto* sl = dynamic_cast<TWideStrings*>(List))
        sl->Add(ReadWideString(ConcatPaths({Path, ItemName + QString::number(Index)})));
}

void TXcCustomAppStorage::WriteWideStringListItem(TXcCustomAppStorage*, const String& Path, TObject* List,
                                                  int Index, const String& ItemName) {
    if (auto* sl = dynamic_cast<TWideStrings*>(List))
        WriteWideString(ConcatPaths({Path, ItemName + QString::number(Index)}), sl->Strings(Index));
}

void TXcCustomAppStorage::DeleteWideStringListItems(TXcCustomAppStorage*, const String& Path, TObject*,
                                                    int First, int Last, const String& ItemName) {
    for (int i = First; i <= Last; ++i)
        DeleteValue(ConcatPaths({Path, ItemName + QString::number(i)}));
}

int TXcCustomAppStorage::ReadWideStringList(const String& Path, TWideStrings* SL, bool ClearFirst,
                                            const String& ItemName) {
    if (!ListStored(Path, ItemName) && StorageOptions()->DefaultIfValueNotExists()) return SL->Count();
    TUpdateScope<TStrings> update(SL);
    if (ClearFirst) SL->Clear();
    ReadPersistent(Path, SL, true, false);
    return ReadList(Path, SL, TXcAppStorageListItemEvent(this, &TXcCustomAppStorage::ReadWideStringListItem),
                    ItemName);
}

void TXcCustomAppStorage::WriteWideStringList(const String& Path, TWideStrings* SL, const String& ItemName) {
    WriteList(Path, SL, SL->Count(),
              TXcAppStorageListItemEvent(this, &TXcCustomAppStorage::WriteWideStringListItem),
              TXcAppStorageListDeleteEvent(this, &TXcCustomAppStorage::DeleteWideStringListItems), ItemName);
    WritePersistent(Path, SL, true);
}

// Object lists.

TPersistent* TXcCustomAppStorage::DefaultObjectListItemCreate(const String& Path) {
    const String name = ReadString(ConcatPaths({Path, QStringLiteral("Classname")}), String());
    const TClass cls = name.isEmpty() ? nullptr : GetClass(name);
    TObject* o = cls && cls->InheritsFrom(TPersistent::StaticClass()) && cls->CreatePlain ? cls->CreatePlain()
                                                                                          : nullptr;
    auto* p = dynamic_cast<TPersistent*>(o);
    if (!p) {
        delete o;
        throw EXCLAppStorageError(
            QStringLiteral("Cannot create a list entry of class '%1' at '%2'").arg(name, Path));
    }
    return p;
}

TPersistent* TXcCustomAppStorage::CreateListItemObject(const String& Entry, const String& ObjectPath,
                                                       int Index) {
    TXcCustomAppStorage* store = ResolvedStore(Entry);
    return store->FCurrentInstanceCreateEvent ? store->FCurrentInstanceCreateEvent(this, ObjectPath, Index)
                                              : DefaultObjectListItemCreate(ObjectPath);
}

namespace {
// Swaps a store's entry creator for the time of a list read.
class TCreatorScope {
public:
    TCreatorScope(TXcAppStorageObjectListItemCreateEvent& slot,
                  const TXcAppStorageObjectListItemCreateEvent& now)
        : slot_(slot), saved_(slot) {
        slot_ = now;
    }
    ~TCreatorScope() { slot_ = saved_; }
    TCreatorScope(const TCreatorScope&) = delete;
    TCreatorScope& operator=(const TCreatorScope&) = delete;

private:
    TXcAppStorageObjectListItemCreateEvent& slot_;
    TXcAppStorageObjectListItemCreateEvent saved_;
};
} // namespace

void TXcCustomAppStorage::ReadObjectListItem(TXcCustomAppStorage*, const String& Path, TObject* List,
                                             int Index, const String& ItemName) {
    auto* list = dynamic_cast<TList*>(List);
    if (!list) return;
    const String entry = ConcatPaths({Path, ItemNameIndexPath(ItemName, Index)});
    TPersistent* obj = CreateListItemObject(entry, entry, Index);
    list->Add(obj);
    ReadPersistent(entry, obj, true, true);
}

void TXcCustomAppStorage::WriteObjectListItem(TXcCustomAppStorage*, const String& Path, TObject* List,
                                              int Index, const String& ItemName) {
    auto* list = dynamic_cast<TList*>(List);
    if (!list) return;
    if (auto* obj = dynamic_cast<TPersistent*>(static_cast<TObject*>(list->Items(Index))))
        WritePersistent(ConcatPaths({Path, ItemNameIndexPath(ItemName, Index)}), obj, true);
}

int TXcCustomAppStorage::ReadObjectList(const String& Path, TList* List, bool ClearFirst,
                                        const String& ItemName) {
    return ReadObjectList(Path, List, nullptr, ClearFirst, ItemName);
}

int TXcCustomAppStorage::ReadObjectList(const String& Path, TList* List,
                                        const TXcAppStorageObjectListItemCreateEvent& ItemCreator,
                                        bool ClearFirst, const String& ItemName) {
    if (!ListStored(Path, ItemName) && StorageOptions()->DefaultIfValueNotExists()) return List->Count();
    // A list that owns its objects frees them as it is cleared; a plain list only forgets them.
    if (ClearFirst) List->Clear();
    TXcCustomAppStorage* store = ResolvedStore(ConcatPaths({Path, QStringLiteral("*")}));
    TCreatorScope creator(store->FCurrentInstanceCreateEvent, ItemCreator);
    return ReadList(Path, List, TXcAppStorageListItemEvent(this, &TXcCustomAppStorage::ReadObjectListItem),
                    ItemName);
}

void TXcCustomAppStorage::WriteObjectList(const String& Path, TList* List, const String& ItemName) {
    WriteList(Path, List, List->Count(),
              TXcAppStorageListItemEvent(this, &TXcCustomAppStorage::WriteObjectListItem),
              TXcAppStorageListDeleteEvent(this, &TXcCustomAppStorage::DeleteListItems), ItemName);
}

// Strings with objects.

void TXcCustomAppStorage::ReadStringObjectListItem(TXcCustomAppStorage*, const String& Path, TObject* List,
                                                   int Index, const String& ItemName) {
    auto* sl = dynamic_cast<TStrings*>(List);
    if (!sl) return;
    const String entry = ConcatPaths({Path, ItemNameIndexPath(ItemName, Index)});
    const String objectPath = ConcatPaths({entry, QStringLiteral("Object")});
    TPersistent* obj = CreateListItemObject(entry, objectPath, Index);
    sl->AddObject(ReadString(ConcatPaths({entry, QStringLiteral("Itemname")}), String()), obj);
    ReadPersistent(objectPath, obj, true, true, CombinedIgnoreListOf(obj));
}

void TXcCustomAppStorage::WriteStringObjectListItem(TXcCustomAppStorage*, const String& Path, TObject* List,
                                                    int Index, const String& ItemName) {
    auto* sl = dynamic_cast<TStrings*>(List);
    if (!sl) return;
    const String entry = ConcatPaths({Path, ItemNameIndexPath(ItemName, Index)});
    WriteString(ConcatPaths({entry, QStringLiteral("Itemname")}), sl->Strings(Index));
    TObject* obj = sl->Objects(Index);
    const String objectPath = ConcatPaths({entry, QStringLiteral("Object")});
    if (auto* store = dynamic_cast<TXcCustomPropertyStore*>(obj)) {
        if (!store->ReadOnly()) WritePersistent(objectPath, store, true, store->CombinedIgnoreProperties());
    } else if (auto* p = dynamic_cast<TPersistent*>(obj)) {
        WritePersistent(objectPath, p, true);
    }
}

int TXcCustomAppStorage::ReadStringObjectList(const String& Path, TStrings* SL, bool ClearFirst,
                                              const String& ItemName) {
    return ReadStringObjectList(Path, SL, nullptr, ClearFirst, ItemName);
}

int TXcCustomAppStorage::ReadStringObjectList(const String& Path, TStrings* SL,
                                              const TXcAppStorageObjectListItemCreateEvent& ItemCreator,
                                              bool ClearFirst, const String& ItemName) {
    if (!ListStored(Path, ItemName) && StorageOptions()->DefaultIfValueNotExists()) return SL->Count();
    TUpdateScope<TStrings> update(SL);
    TXcCustomAppStorage* store = ResolvedStore(ConcatPaths({Path, QStringLiteral("*")}));
    if (ClearFirst) SL->Clear();
    ReadPersistent(Path, SL, true, false);
    TCreatorScope creator(store->FCurrentInstanceCreateEvent, ItemCreator);
    return ReadList(
        Path, SL, TXcAppStorageListItemEvent(this, &TXcCustomAppStorage::ReadStringObjectListItem), ItemName);
}

void TXcCustomAppStorage::WriteStringObjectList(const String& Path, TStrings* SL, const String& ItemName) {
    WriteList(Path, SL, SL->Count(),
              TXcAppStorageListItemEvent(this, &TXcCustomAppStorage::WriteStringObjectListItem),
              TXcAppStorageListDeleteEvent(this, &TXcCustomAppStorage::DeleteListItems), ItemName);
    WritePersistent(Path, SL, true);
}

// Collections.

void TXcCustomAppStorage::ReadCollectionItem(TXcCustomAppStorage*, const String& Path, TObject* List,
                                             int Index, const String& ItemName) {
    auto* c = dynamic_cast<TCollection*>(List);
    if (!c) return;
    TCollectionItem* item = c->Add();
    ReadPersistent(ConcatPaths({Path, ItemNameIndexPath(ItemName, Index)}), item, true, true,
                   CombinedIgnoreListOf(item));
}

void TXcCustomAppStorage::WriteCollectionItem(TXcCustomAppStorage*, const String& Path, TObject* List,
                                              int Index, const String& ItemName) {
    auto* c = dynamic_cast<TCollection*>(List);
    if (!c) return;
    TCollectionItem* item = c->Items(Index);
    if (!item) return;
    const String entry = ConcatPaths({Path, ItemNameIndexPath(ItemName, Index)});
    if (auto* store = dynamic_cast<TXcCustomPropertyStore*>(static_cast<TObject*>(item))) {
        if (!store->ReadOnly()) WritePersistent(entry, item, true, store->CombinedIgnoreProperties());
    } else {
        WritePersistent(entry, item, true);
    }
}

int TXcCustomAppStorage::ReadCollection(const String& Path, TCollection* List, bool ClearFirst,
                                        const String& ItemName) {
    if (!ListStored(Path, ItemName) && StorageOptions()->DefaultIfValueNotExists()) return List->Count();
    TUpdateScope<TCollection> update(List);
    if (ClearFirst) List->Clear();
    ReadPersistent(Path, List, true, false);
    return ReadList(Path, List, TXcAppStorageListItemEvent(this, &TXcCustomAppStorage::ReadCollectionItem),
                    ItemName);
}

void TXcCustomAppStorage::WriteCollection(const String& Path, TCollection* List, const String& ItemName) {
    WriteList(Path, List, List->Count(),
              TXcAppStorageListItemEvent(this, &TXcCustomAppStorage::WriteCollectionItem),
              TXcAppStorageListDeleteEvent(this, &TXcCustomAppStorage::DeleteListItems), ItemName);
    WritePersistent(Path, List, true);
}

// ---- published properties ---------------------------------------------------------------

String TXcCustomAppStorage::TranslatePropertyName(TPersistent* Instance, const String& AName, bool Reading) {
    if (auto* store = dynamic_cast<TXcCustomPropertyStore*>(Instance))
        return store->TranslatePropertyName(AName);
    String name = AName;
    if (OnTranslatePropertyName) OnTranslatePropertyName(this, Instance, name, Reading);
    return name;
}

void TXcCustomAppStorage::ReadPersistent(const String& Path, TPersistent* PersObj, bool Recursive,
                                         bool ClearFirst, TStrings* IgnoreProperties) {
    if (!PersObj) return;
    auto* self = dynamic_cast<IXcStorageReadWrite*>(static_cast<TObject*>(PersObj));
    if (self) self->ReadFromStorage(this, Path);
    if (self && !dynamic_cast<IXcStoragePublishedToo*>(static_cast<TObject*>(PersObj))) return;
    for (PPropInfo p : GetPropList(PersObj)) {
        const String stored = TranslatePropertyName(PersObj, p->Name, false);
        if (!IgnoreProperties || IgnoreProperties->IndexOf(p->Name) < 0)
            ReadProperty(ConcatPaths({Path, stored}), PersObj, p->Name, Recursive, ClearFirst);
    }
}

void TXcCustomAppStorage::WritePersistent(const String& Path, TPersistent* PersObj, bool Recursive,
                                          TStrings* IgnoreProperties) {
    if (!PersObj) return;
    auto* self = dynamic_cast<IXcStorageReadWrite*>(static_cast<TObject*>(PersObj));
    if (self) self->WriteToStorage(this, Path);
    if (self && !dynamic_cast<IXcStoragePublishedToo*>(static_cast<TObject*>(PersObj))) return;
    for (PPropInfo p : GetPropList(PersObj)) {
        const String stored = TranslatePropertyName(PersObj, p->Name, false);
        if (!IgnoreProperties || IgnoreProperties->IndexOf(p->Name) < 0)
            WriteProperty(ConcatPaths({Path, stored}), PersObj, p->Name, Recursive);
    }
}

namespace {
PPropInfo PropertyOf(TPersistent* PersObj, const String& PropName) {
    PPropInfo p = GetPropInfo(PersObj, PropName);
    if (!p) throw EPropertyError(QStringLiteral("Property %1 does not exist").arg(PropName));
    return p;
}

bool IsDateTimeType(PTypeInfo t) {
    return t == TypeInfoTDateTime() || t->Name.compare(QStringLiteral("TDateTime"), Qt::CaseInsensitive) == 0;
}
} // namespace

void TXcCustomAppStorage::ReadProperty(const String& Path, TPersistent* PersObj, const String& PropName,
                                       bool Recursive, bool ClearFirst) {
    if (!PersObj) return;
    PPropInfo p = PropertyOf(PersObj, PropName);
    const PTypeInfo type = p->PropType;
    switch (type->Kind) {
    case tkInteger:
    case tkChar:
    case tkWChar:
    case tkEnumeration: {
        // The value in its storage size, as the ordinal reads expect it (little-endian).
        const Int64 current = GetOrdProp(PersObj, p);
        Int64 value = current;
        ReadEnumeration(Path, type, &current, &value);
        if (p->SetOrd) SetOrdProp(PersObj, p, OrdinalOfValue(&value, type->Data.OrdType));
        break;
    }
    case tkFloat: {
        const Extended current = GetFloatProp(PersObj, p);
        const Extended value = IsDateTimeType(type) ? Extended(ReadDateTime(Path, TDateTime(current)))
                                                    : ReadFloat(Path, current);
        if (p->SetFloat) SetFloatProp(PersObj, p, value);
        break;
    }
    case tkString:
    case tkLString:
    case tkUString:
        if (p->SetStr) SetStrProp(PersObj, p, ReadString(Path, GetStrProp(PersObj, p)));
        break;
    case tkWString:
        if (p->SetStr) SetWideStrProp(PersObj, p, ReadWideString(Path, GetWideStrProp(PersObj, p)));
        break;
    case tkSet: {
        const UInt64 current = UInt64(GetOrdProp(PersObj, p));
        UInt64 value = current;
        ReadSet(Path, type, &current, &value);
        if (p->SetOrd) SetOrdProp(PersObj, p, Int64(value));
        break;
    }
    case tkInt64: {
        const String text = ReadString(Path, IntToStr(GetInt64Prop(PersObj, p)));
        bool ok = false;
        const Int64 value = Trim(text).toLongLong(&ok);
        if (!ok) throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
        if (p->SetOrd) SetInt64Prop(PersObj, p, value);
        break;
    }
    case tkClass: {
        TObject* o = GetObjectProp(PersObj, p);
        if (!o) break;
        if (Recursive && StoragePropertyEngines() &&
            StoragePropertyEngines()->ReadProperty(this, Path, PersObj, o, Recursive, ClearFirst))
            break;
        if (auto* sl = dynamic_cast<TStrings*>(o)) {
            ReadStringList(Path, sl, ClearFirst);
        } else if (Recursive) {
            if (auto* store = dynamic_cast<TXcCustomPropertyStore*>(o)) {
                store->SetAppStoragePath(Path);
                store->SetAppStorage(this);
                store->LoadProperties();
            } else if (auto* c = dynamic_cast<TCollection*>(o)) {
                ReadCollection(Path, c, ClearFirst);
            } else if (auto* po = dynamic_cast<TPersistent*>(o)) {
                ReadPersistent(Path, po, true, ClearFirst);
            }
        }
        break;
    }
    default:
        break;
    }
}

void TXcCustomAppStorage::WriteProperty(const String& Path, TPersistent* PersObj, const String& PropName,
                                        bool Recursive) {
    if (!PersObj) return;
    PPropInfo p = PropertyOf(PersObj, PropName);
    const bool storeDefaults = StorageOptions()->StoreDefaultValues();
    const bool hasGetter = p->GetOrd || p->GetStr || p->GetFloat || p->GetObj || p->GetMeth;
    if (!storeDefaults && !(hasGetter && p->Writable() && IsStoredProp(PersObj, p))) return;
    const PTypeInfo type = p->PropType;
    switch (type->Kind) {
    case tkInteger:
    case tkChar:
    case tkWChar:
    case tkEnumeration: {
        const Int64 value = GetOrdProp(PersObj, p);
        if (!storeDefaults && p->Default != NoDefault && value == p->Default) return;
        WriteEnumeration(Path, type, &value);
        break;
    }
    case tkFloat: {
        const Extended value = GetFloatProp(PersObj, p);
        if (!storeDefaults && value == 0) return;
        if (IsDateTimeType(type))
            WriteDateTime(Path, TDateTime(value));
        else
            WriteFloat(Path, value);
        break;
    }
    case tkString:
    case tkLString:
    case tkUString: {
        const String value = GetStrProp(PersObj, p);
        if (!storeDefaults && value.isEmpty()) return;
        WriteString(Path, value);
        break;
    }
    case tkWString: {
        const String value = GetWideStrProp(PersObj, p);
        if (!storeDefaults && value.isEmpty()) return;
        WriteWideString(Path, value);
        break;
    }
    case tkSet: {
        const UInt64 value = UInt64(GetOrdProp(PersObj, p));
        if (!storeDefaults && p->Default != NoDefault && Int64(value) == p->Default) return;
        WriteSet(Path, type, &value);
        break;
    }
    case tkInt64: {
        const Int64 value = GetInt64Prop(PersObj, p);
        if (!storeDefaults && value == 0) return;
        WriteString(Path, IntToStr(value));
        break;
    }
    case tkClass: {
        TObject* o = GetObjectProp(PersObj, p);
        if (!o) break;
        if (Recursive && StoragePropertyEngines() &&
            StoragePropertyEngines()->WriteProperty(this, Path, PersObj, o, Recursive))
            break;
        if (auto* sl = dynamic_cast<TStrings*>(o)) {
            WriteStringList(Path, sl);
        } else if (Recursive) {
            if (auto* store = dynamic_cast<TXcCustomPropertyStore*>(o)) {
                store->SetAppStoragePath(Path);
                store->SetAppStorage(this);
                store->StoreProperties();
            } else if (auto* c = dynamic_cast<TCollection*>(o)) {
                WriteCollection(Path, c);
            } else if (auto* po = dynamic_cast<TPersistent*>(o)) {
                WritePersistent(Path, po, Recursive);
            }
        }
        break;
    }
    default:
        break;
    }
}

// ---- enumeration of stored names, version check -----------------------------------------

namespace {
void Report(TStrings* Strings, const String& Name, int Kind) {
    const int i = Strings->IndexOf(Name);
    if (i < 0)
        Strings->AddObject(Name, reinterpret_cast<TObject*>(quintptr(Kind)));
    else
        Strings->SetObjects(i, reinterpret_cast<TObject*>(quintptr(Kind) | quintptr(Strings->Objects(i))));
}
} // namespace

void TXcCustomAppStorage::CollectStoredValues(const String& Prefix, const String& SearchPath,
                                              TStrings* Strings, TXcAppStorageEnumOptions Options) {
    const String x = Prefix == QStringLiteral("\\") ? String() : Prefix;
    TStringList names;
    if (Options.Contains(aeoValues)) {
        StoreEnumValues(SearchPath, &names, Options.Contains(aeoReportListAsValue));
        for (int i = 0; i < names.Count(); ++i) {
            const String n = names.Strings(i);
            Report(Strings, n.isEmpty() ? Prefix.left(Prefix.size() - 1) : x + n, 2);
        }
    }
    if (Options.Contains(aeoFolders) || Options.Contains(aeoRecursive)) {
        names.Clear();
        StoreEnumFolders(SearchPath, &names, false);
        for (int i = 0; i < names.Count(); ++i) {
            const String f = names.Strings(i);
            const String sub = SearchPath.isEmpty() ? f : SearchPath + u'\\' + f;
            if (Options.Contains(aeoFolders) && StoreIsFolder(sub, Options.Contains(aeoReportListAsValue)))
                Report(Strings, x + f, 1);
            if (Options.Contains(aeoRecursive))
                CollectStoredValues(NormalizePaths({Prefix, f}) + u'\\', sub, Strings, Options);
        }
    }
}

void TXcCustomAppStorage::GetStoredValues(const String& Path, TStrings* Strings,
                                          TXcAppStorageEnumOptions Options) {
    TUpdateScope<TStrings> update(Strings);
    Strings->Clear();
    const String p = NormalizePaths({Path});
    if (Options.Contains(aeoReportRelative)) {
        CollectStoredValues(String(), p, Strings, Options);
    } else {
        const String a = NormalizePaths({FCurPath, p});
        CollectStoredValues(a + u'\\', a, Strings, Options);
        if (const int i = Strings->IndexOf(a); i >= 0) Strings->Delete(i);
    }
}

void TXcCustomAppStorage::CheckDeletePathByVersion(const String& Path, int VersionNumber,
                                                   bool DeleteIfNotEqual, bool WriteVersionNumber,
                                                   const String& VersionName) {
    TXcCustomAppStorage* store = ResolvedStore(Path);
    if (store->ReadOnly() || VersionName.isEmpty()) return;
    store->BeginUpdate();
    try {
        const String versionPath = ConcatPaths({Path, VersionName});
        const int v = ReadInteger(versionPath, 0);
        if ((DeleteIfNotEqual && v != VersionNumber) || v < VersionNumber) DeleteSubTree(Path);
        if (v != VersionNumber && WriteVersionNumber) WriteInteger(versionPath, VersionNumber);
    } catch (...) {
        store->EndUpdate();
        throw;
    }
    store->EndUpdate();
}

// ---- property engines -------------------------------------------------------------------

ORVO_IMPLEMENT_CLASS(TXcAppStoragePropertyBaseEngine, TObject)
ORVO_IMPLEMENT_CLASS(TXcAppStoragePropertyEngineList, TList)

bool TXcAppStoragePropertyBaseEngine::Supports(TObject*, TObject*) {
    return false;
}
void TXcAppStoragePropertyBaseEngine::ReadProperty(TXcCustomAppStorage*, const String&, TObject*, TObject*,
                                                   bool, bool) {}
void TXcAppStoragePropertyBaseEngine::WriteProperty(TXcCustomAppStorage*, const String&, TObject*, TObject*,
                                                    bool) {}

TXcAppStoragePropertyEngineList::~TXcAppStoragePropertyEngineList() {
    for (int i = Count() - 1; i >= 0; --i) {
        auto* e = static_cast<TXcAppStoragePropertyBaseEngine*>(Items(i));
        Delete(i);
        delete e;
    }
}

void TXcAppStoragePropertyEngineList::RegisterEngine(TXcAppStoragePropertyEngineClass AEngineClass) {
    TObject* o = AEngineClass && AEngineClass->CreatePlain ? AEngineClass->CreatePlain() : nullptr;
    if (auto* e = dynamic_cast<TXcAppStoragePropertyBaseEngine*>(o))
        Add(e);
    else
        delete o;
}

void TXcAppStoragePropertyEngineList::UnregisterEngine(TXcAppStoragePropertyEngineClass AEngineClass) {
    for (int i = 0; i < Count(); ++i) {
        auto* e = static_cast<TXcAppStoragePropertyBaseEngine*>(Items(i));
        if (e->ClassType() == AEngineClass) {
            Delete(i);
            delete e;
            return;
        }
    }
}

TXcAppStoragePropertyBaseEngine* TXcAppStoragePropertyEngineList::GetEngine(TObject* AObject,
                                                                            TObject* AProperty) const {
    for (int i = 0; i < Count(); ++i) {
        auto* e = static_cast<TXcAppStoragePropertyBaseEngine*>(Items(i));
        if (e->Supports(AObject, AProperty)) return e;
    }
    return nullptr;
}

bool TXcAppStoragePropertyEngineList::ReadProperty(TXcCustomAppStorage* AStorage, const String& APath,
                                                   TObject* AObject, TObject* AProperty, bool Recursive,
                                                   bool ClearFirst) {
    TXcAppStoragePropertyBaseEngine* e = GetEngine(AObject, AProperty);
    if (e) e->ReadProperty(AStorage, APath, AObject, AProperty, Recursive, ClearFirst);
    return e != nullptr;
}

bool TXcAppStoragePropertyEngineList::WriteProperty(TXcCustomAppStorage* AStorage, const String& APath,
                                                    TObject* AObject, TObject* AProperty, bool Recursive) {
    TXcAppStoragePropertyBaseEngine* e = GetEngine(AObject, AProperty);
    if (e) e->WriteProperty(AStorage, APath, AObject, AProperty, Recursive);
    return e != nullptr;
}

namespace {
struct TEngineListHolder {
    TXcAppStoragePropertyEngineList* List = nullptr;
    bool Finalized = false;
    ~TEngineListHolder() {
        Finalized = true;
        delete List;
        List = nullptr;
    }
};
TEngineListHolder& EngineHolder() {
    static TEngineListHolder holder;
    return holder;
}
} // namespace

TXcAppStoragePropertyEngineList* StoragePropertyEngines() {
    TEngineListHolder& h = EngineHolder();
    if (h.Finalized) return nullptr;
    if (!h.List) h.List = new TXcAppStoragePropertyEngineList();
    return h.List;
}
