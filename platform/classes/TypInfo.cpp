#include "platform/classes/TypInfo.h"

#include <QFileInfo>
#include <mutex>

namespace platform::detail {

struct PublishedMethod {
    String Name;
    const std::type_info* Signature = nullptr;
    std::function<TMethod(TObject*)> Make;
};

struct PublishedField {
    String Name;
    TClass FieldClass = nullptr;
    std::function<void(TObject*, TObject*)> Set;
    std::function<TObject*(TObject*)> Get;
};

struct ClassInfo {
    TClass Class = nullptr;
    TTypeInfo* Type = nullptr;
    std::vector<PublishFn> Publishers;
    std::size_t PublishersRun = 0;
    bool Built = false;
    std::vector<std::unique_ptr<TPropInfo>> Own; // never shrinks: PropInfo pointers stay valid
    TPropList All;                               // inherited first, in declaration order
    std::vector<PublishedMethod> Methods;
    std::vector<PublishedField> Fields;
};

namespace {
std::recursive_mutex& typeLock() {
    static std::recursive_mutex m;
    return m;
}
std::vector<ClassInfo*>& allClasses() {
    static std::vector<ClassInfo*> v;
    return v;
}

void ensureBaseClasses() {
    static std::once_flag once;
    std::call_once(once, [] { PublishBaseClasses(); });
}

ClassInfo& infoOf(TClass cls) {
    PTypeInfo t = ClassTypeInfo(cls);
    return *t->Data.Class;
}

void build(ClassInfo& info) {
    if (info.Built) return;
    TTypeInfo* t = info.Type;
    TPropList all;
    if (info.Class->Parent) {
        ClassInfo& parent = infoOf(info.Class->Parent);
        build(parent);
        all = parent.All;
    }
    // Run the publishing functions not run yet (a class may be registered late).
    while (info.PublishersRun < info.Publishers.size()) {
        PublishFn fn = info.Publishers[info.PublishersRun++];
        fn(info);
    }
    for (const auto& own : info.Own) {
        auto it = std::find_if(all.begin(), all.end(), [&](PPropInfo p) {
            return p->Name.compare(own->Name, Qt::CaseInsensitive) == 0;
        });
        if (it != all.end())
            *it = own.get();
        else
            all.push_back(own.get());
    }
    info.All = std::move(all);
    t->Data.PropCount = int(info.All.size());
    info.Built = true;
}

ClassInfo& built(TClass cls) {
    ensureBaseClasses();
    std::lock_guard lock(typeLock());
    ClassInfo& info = infoOf(cls);
    build(info);
    return info;
}

// Every class along the chain, most derived first, with its publishers run.
template <class F> auto walkChain(TClass cls, F f) -> decltype(f(std::declval<ClassInfo&>())) {
    for (TClass c = cls; c; c = c->Parent) {
        ClassInfo& info = built(c);
        if (auto r = f(info)) return r;
    }
    return {};
}

[[noreturn]] void unknownProperty(const String& name) {
    throw EPropertyError::CreateResFmt(&SPropertyDoesNotExist, {name});
}
[[noreturn]] void readOnly(PPropInfo p) {
    throw EPropertyError(QStringLiteral("Property %1 is read-only").arg(p->Name));
}
[[noreturn]] void wrongKind(PPropInfo p) {
    throw EPropertyError(QStringLiteral("Invalid property type: %1").arg(p->Name));
}

// The property's getter of one kind (GetStr, GetFloat, ...); a kind error when it has none.
template <class Getter> const Getter& getterOf(PPropInfo p, Getter TPropInfo::*getter) {
    if (!(p->*getter)) wrongKind(p);
    return p->*getter;
}
// The property's setter of one kind; a read-only error when it has only the getter of that
// kind, a kind error when it has neither.
template <class Setter, class Getter>
const Setter& setterOf(PPropInfo p, Setter TPropInfo::*setter, Getter TPropInfo::*getter) {
    if (!(p->*setter)) {
        if (p->*getter) readOnly(p);
        wrongKind(p);
    }
    return p->*setter;
}

TTypeInfo* newType(TTypeKind kind, const char* name) {
    auto* t = new TTypeInfo; // type information lives as long as the program
    t->Kind = kind;
    t->Name = QString::fromLatin1(name);
    return t;
}
} // namespace

PTypeInfo MakeEnumType(const char* name, std::initializer_list<const char*> names) {
    TTypeInfo* t = newType(tkEnumeration, name);
    for (const char* n : names)
        t->Data.NameList.push_back(QString::fromLatin1(n));
    t->Data.OrdType = names.size() <= 256 ? otUByte : otUWord;
    t->Data.MinValue = 0;
    t->Data.MaxValue = Int64(names.size()) - 1;
    t->Data.BaseType = t;
    return t;
}

PTypeInfo MakeSetType(const char* name, PTypeInfo element) {
    TTypeInfo* t = newType(tkSet, name);
    t->Data.CompType = element;
    const Int64 count = element ? element->Data.MaxValue + 1 : 0;
    t->Data.OrdType = count <= 8 ? otUByte : count <= 16 ? otUWord : otULong;
    return t;
}

PTypeInfo MakeOrdinalType(const char* name, TTypeKind kind, TOrdType ord, Int64 min, Int64 max) {
    TTypeInfo* t = newType(kind, name);
    t->Data.OrdType = ord;
    t->Data.MinValue = min;
    t->Data.MaxValue = max;
    return t;
}

PTypeInfo MakeMethodType(const char* name, const std::type_info& signature, int paramCount) {
    TTypeInfo* t = newType(tkMethod, name);
    t->Data.MethodSignature = &signature;
    t->Data.ParamCount = paramCount;
    return t;
}

void RegisterPublished(TClass cls, PublishFn fn, const char* sourceFile) {
    std::lock_guard lock(typeLock());
    ClassInfo& info = infoOf(cls);
    info.Publishers.push_back(std::move(fn));
    if (sourceFile && *sourceFile)
        info.Type->Data.UnitName = QFileInfo(QString::fromUtf8(sourceFile)).baseName();
    // Lists built before this registration are rebuilt on next use.
    for (ClassInfo* c : allClasses())
        c->Built = false;
}

TPropInfo& AddProperty(ClassInfo& info, const char* name, PTypeInfo type) {
    auto p = std::make_unique<TPropInfo>();
    p->Name = QString::fromLatin1(name);
    p->PropType = type;
    p->DeclaringClass = info.Class;
    // A second declaration in the same class replaces the first.
    for (auto& own : info.Own)
        if (own->Name.compare(p->Name, Qt::CaseInsensitive) == 0) {
            *own = std::move(*p);
            return *own;
        }
    info.Own.push_back(std::move(p));
    return *info.Own.back();
}

void AddMethod(ClassInfo& info, const char* name, const std::type_info& signature,
               std::function<TMethod(TObject*)> make) {
    info.Methods.push_back({QString::fromLatin1(name), &signature, std::move(make)});
}

void AddField(ClassInfo& info, const char* name, TClass fieldClass,
              std::function<void(TObject*, TObject*)> set, std::function<TObject*(TObject*)> get) {
    info.Fields.push_back({QString::fromLatin1(name), fieldClass, std::move(set), std::move(get)});
}

TClass InfoClass(const ClassInfo& info) {
    return info.Class;
}

} // namespace platform::detail

using namespace platform::detail;

// ---- type information of the built-in types ----------------------------------------------------

#define ORVO_BUILTIN_ORDINAL(Fn, Name, Kind, Ord, Min, Max)                                                  \
    PTypeInfo Fn() {                                                                                         \
        static const PTypeInfo t = MakeOrdinalType(Name, Kind, Ord, Min, Max);                               \
        return t;                                                                                            \
    }
ORVO_BUILTIN_ORDINAL(TypeInfoInteger, "Integer", tkInteger, otSLong, INT32_MIN, INT32_MAX)
ORVO_BUILTIN_ORDINAL(TypeInfoCardinal, "Cardinal", tkInteger, otULong, 0, UINT32_MAX)
ORVO_BUILTIN_ORDINAL(TypeInfoShortInt, "ShortInt", tkInteger, otSByte, -128, 127)
ORVO_BUILTIN_ORDINAL(TypeInfoByte, "Byte", tkInteger, otUByte, 0, 255)
ORVO_BUILTIN_ORDINAL(TypeInfoSmallInt, "SmallInt", tkInteger, otSWord, -32768, 32767)
ORVO_BUILTIN_ORDINAL(TypeInfoWord, "Word", tkInteger, otUWord, 0, 65535)
ORVO_BUILTIN_ORDINAL(TypeInfoInt64, "Int64", tkInt64, otSLong, INT64_MIN, INT64_MAX)
ORVO_BUILTIN_ORDINAL(TypeInfoChar, "AnsiChar", tkChar, otUByte, 0, 255)
ORVO_BUILTIN_ORDINAL(TypeInfoWideChar, "Char", tkWChar, otUWord, 0, 65535)
ORVO_BUILTIN_ORDINAL(TypeInfoTColor, "TColor", tkInteger, otSLong, INT32_MIN, INT32_MAX)
ORVO_BUILTIN_ORDINAL(TypeInfoTCursor, "TCursor", tkInteger, otSWord, -32768, 32767)
#undef ORVO_BUILTIN_ORDINAL

PTypeInfo TypeInfoBoolean() {
    static const PTypeInfo t = [] {
        auto* b = const_cast<TTypeInfo*>(MakeEnumType("Boolean", {"False", "True"}));
        b->Data.IsBoolean = true;
        return b;
    }();
    return t;
}

static PTypeInfo floatType(const char* name, TFloatType ft) {
    TTypeInfo* t = new TTypeInfo;
    t->Kind = tkFloat;
    t->Name = QString::fromLatin1(name);
    t->Data.FloatType = ft;
    return t;
}
PTypeInfo TypeInfoSingle() {
    static const PTypeInfo t = floatType("Single", ftSingle);
    return t;
}
PTypeInfo TypeInfoDouble() {
    static const PTypeInfo t = floatType("Double", ftDouble);
    return t;
}
PTypeInfo TypeInfoExtended() {
    static const PTypeInfo t = floatType("Extended", ftExtended);
    return t;
}
PTypeInfo TypeInfoCurrency() {
    static const PTypeInfo t = floatType("Currency", ftCurr);
    return t;
}
PTypeInfo TypeInfoTDateTime() {
    static const PTypeInfo t = floatType("TDateTime", ftDouble);
    return t;
}
PTypeInfo TypeInfoString() {
    static const PTypeInfo t = MakeOrdinalType("string", tkUString, otSLong, 0, 0);
    return t;
}
PTypeInfo TypeInfoAnsiString() {
    static const PTypeInfo t = MakeOrdinalType("AnsiString", tkLString, otSLong, 0, 0);
    return t;
}
PTypeInfo TypeInfoOf(TNotifyEvent*) {
    static const PTypeInfo t = MakeMethodType("TNotifyEvent", typeid(TNotifyEvent), 1);
    return t;
}

PTypeInfo ClassTypeInfo(TClass cls) {
    if (!cls) return nullptr;
    std::lock_guard lock(typeLock());
    if (!cls->TypeInfo) {
        TTypeInfo* t = new TTypeInfo;
        t->Kind = tkClass;
        t->Name = cls->ClassName();
        t->Data.ClassType = cls;
        auto* info = new ClassInfo;
        info->Class = cls;
        info->Type = t;
        t->Data.Class = info;
        allClasses().push_back(info);
        cls->TypeInfo = t;
        t->Data.ParentInfo = ClassTypeInfo(cls->Parent);
    }
    return cls->TypeInfo;
}

PTypeData GetTypeData(PTypeInfo TypeInfo) {
    if (!TypeInfo) return nullptr;
    if (TypeInfo->Kind == tkClass) built(TypeInfo->Data.ClassType);
    return &TypeInfo->Data;
}

// ---- property lists ------------------------------------------------------------------------------

TPropList GetPropList(TClass cls, TTypeKinds Kinds) {
    if (!cls) return {};
    ClassInfo& info = built(cls);
    std::lock_guard lock(typeLock());
    if (Kinds == tkAny) return info.All;
    TPropList out;
    for (PPropInfo p : info.All)
        if (Kinds.Contains(p->PropType->Kind)) out.push_back(p);
    return out;
}

TPropList GetPropList(PTypeInfo TypeInfo, TTypeKinds Kinds) {
    if (!TypeInfo || TypeInfo->Kind != tkClass) return {};
    return GetPropList(TypeInfo->Data.ClassType, Kinds);
}

TPropList GetPropList(const TObject* Instance, TTypeKinds Kinds) {
    return Instance ? GetPropList(Instance->ClassType(), Kinds) : TPropList{};
}

PPropInfo GetPropInfo(TClass cls, const String& PropName) {
    if (!cls) return nullptr;
    ClassInfo& info = built(cls);
    std::lock_guard lock(typeLock());
    for (PPropInfo p : info.All)
        if (p->Name.compare(PropName, Qt::CaseInsensitive) == 0) return p;
    return nullptr;
}

PPropInfo GetPropInfo(PTypeInfo TypeInfo, const String& PropName) {
    if (!TypeInfo || TypeInfo->Kind != tkClass) return nullptr;
    return GetPropInfo(TypeInfo->Data.ClassType, PropName);
}

PPropInfo GetPropInfo(const TObject* Instance, const String& PropName, TTypeKinds AKinds) {
    if (!Instance) return nullptr;
    PPropInfo p = GetPropInfo(Instance->ClassType(), PropName);
    if (p && !AKinds.Contains(p->PropType->Kind)) return nullptr;
    return p;
}

bool IsPublishedProp(const TObject* Instance, const String& PropName) {
    return GetPropInfo(Instance, PropName) != nullptr;
}
bool IsPublishedProp(TClass cls, const String& PropName) {
    return GetPropInfo(cls, PropName) != nullptr;
}

static PPropInfo findProp(const TObject* Instance, const String& PropName) {
    PPropInfo p = GetPropInfo(Instance, PropName);
    if (!p) unknownProperty(PropName);
    return p;
}

PTypeInfo PropType(const TObject* Instance, const String& PropName) {
    return findProp(Instance, PropName)->PropType;
}
bool PropIsType(const TObject* Instance, const String& PropName, TTypeKind TypeKind) {
    return PropType(Instance, PropName)->Kind == TypeKind;
}

bool IsStoredProp(TObject* Instance, PPropInfo PropInfo) {
    if (PropInfo->StoredProc) return PropInfo->StoredProc(Instance);
    return PropInfo->StoredConst;
}
bool IsStoredProp(TObject* Instance, const String& PropName) {
    return IsStoredProp(Instance, findProp(Instance, PropName));
}

bool IsPropPresent(TObject* Instance, PPropInfo PropInfo) {
    return !PropInfo->PresentProc || PropInfo->PresentProc(Instance);
}

// ---- ordinal, enumeration and set properties -----------------------------------------------------

Int64 GetOrdProp(TObject* Instance, PPropInfo PropInfo) {
    if (PropInfo->GetOrd) return PropInfo->GetOrd(Instance);
    if (PropInfo->GetObj) return Int64(reinterpret_cast<NativeInt>(PropInfo->GetObj(Instance)));
    wrongKind(PropInfo);
}
Int64 GetOrdProp(TObject* Instance, const String& PropName) {
    return GetOrdProp(Instance, findProp(Instance, PropName));
}

void SetOrdProp(TObject* Instance, PPropInfo PropInfo, Int64 Value) {
    if (PropInfo->SetOrd) return PropInfo->SetOrd(Instance, Value);
    if (PropInfo->GetOrd) readOnly(PropInfo);
    if (PropInfo->SetObj) return PropInfo->SetObj(Instance, reinterpret_cast<TObject*>(NativeInt(Value)));
    wrongKind(PropInfo);
}
void SetOrdProp(TObject* Instance, const String& PropName, Int64 Value) {
    SetOrdProp(Instance, findProp(Instance, PropName), Value);
}

String GetEnumName(PTypeInfo TypeInfo, int Value) {
    if (!TypeInfo) return {};
    if (TypeInfo->Kind == tkInteger || TypeInfo->Kind == tkInt64) return QString::number(Value);
    const auto& names = TypeInfo->Data.NameList;
    if (Value < 0 || std::size_t(Value) >= names.size()) return {};
    return names[std::size_t(Value)];
}

int GetEnumValue(PTypeInfo TypeInfo, const String& Name) {
    if (!TypeInfo) return -1;
    if (TypeInfo->Kind == tkInteger) {
        bool ok = false;
        int v = Name.toInt(&ok);
        return ok ? v : -1;
    }
    const auto& names = TypeInfo->Data.NameList;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i].compare(Name, Qt::CaseInsensitive) == 0) return int(i);
    return -1;
}

String GetEnumProp(TObject* Instance, PPropInfo PropInfo) {
    return GetEnumName(PropInfo->PropType, int(GetOrdProp(Instance, PropInfo)));
}
String GetEnumProp(TObject* Instance, const String& PropName) {
    return GetEnumProp(Instance, findProp(Instance, PropName));
}
void SetEnumProp(TObject* Instance, PPropInfo PropInfo, const String& Value) {
    const int v = GetEnumValue(PropInfo->PropType, Value);
    if (v < 0) throw EPropertyError(QStringLiteral("Invalid property element: %1").arg(Value));
    SetOrdProp(Instance, PropInfo, v);
}
void SetEnumProp(TObject* Instance, const String& PropName, const String& Value) {
    SetEnumProp(Instance, findProp(Instance, PropName), Value);
}

String SetToString(PTypeInfo SetType, Int64 Value, bool Brackets) {
    String out;
    PTypeInfo elem = SetType ? SetType->Data.CompType : nullptr;
    if (elem)
        for (Int64 e = elem->Data.MinValue; e <= elem->Data.MaxValue && e < 64; ++e)
            if (std::uint64_t(Value) & (std::uint64_t(1) << e)) {
                if (!out.isEmpty()) out += QLatin1Char(',');
                out += GetEnumName(elem, int(e));
            }
    return Brackets ? QLatin1Char('[') + out + QLatin1Char(']') : out;
}
String SetToString(PPropInfo PropInfo, Int64 Value, bool Brackets) {
    return SetToString(PropInfo->PropType, Value, Brackets);
}

Int64 StringToSet(PTypeInfo SetType, const String& Value) {
    PTypeInfo elem = SetType ? SetType->Data.CompType : nullptr;
    String text = Value.trimmed();
    if (text.startsWith(QLatin1Char('['))) text.remove(0, 1);
    if (text.endsWith(QLatin1Char(']'))) text.chop(1);
    std::uint64_t bits = 0;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const String name = part.trimmed();
        if (name.isEmpty()) continue;
        const int v = GetEnumValue(elem, name);
        if (v < 0 || v >= 64) throw EPropertyError(QStringLiteral("Invalid property element: %1").arg(name));
        bits |= std::uint64_t(1) << v;
    }
    return Int64(bits);
}

String GetSetProp(TObject* Instance, PPropInfo PropInfo, bool Brackets) {
    return SetToString(PropInfo, GetOrdProp(Instance, PropInfo), Brackets);
}
String GetSetProp(TObject* Instance, const String& PropName, bool Brackets) {
    return GetSetProp(Instance, findProp(Instance, PropName), Brackets);
}
void SetSetProp(TObject* Instance, PPropInfo PropInfo, const String& Value) {
    SetOrdProp(Instance, PropInfo, StringToSet(PropInfo->PropType, Value));
}
void SetSetProp(TObject* Instance, const String& PropName, const String& Value) {
    SetSetProp(Instance, findProp(Instance, PropName), Value);
}

// ---- strings, floats, Int64 --------------------------------------------------------------------

String GetStrProp(TObject* Instance, PPropInfo PropInfo) {
    return getterOf(PropInfo, &TPropInfo::GetStr)(Instance);
}
String GetStrProp(TObject* Instance, const String& PropName) {
    return GetStrProp(Instance, findProp(Instance, PropName));
}
void SetStrProp(TObject* Instance, PPropInfo PropInfo, const String& Value) {
    setterOf(PropInfo, &TPropInfo::SetStr, &TPropInfo::GetStr)(Instance, Value);
}
void SetStrProp(TObject* Instance, const String& PropName, const String& Value) {
    SetStrProp(Instance, findProp(Instance, PropName), Value);
}

Extended GetFloatProp(TObject* Instance, PPropInfo PropInfo) {
    return getterOf(PropInfo, &TPropInfo::GetFloat)(Instance);
}
Extended GetFloatProp(TObject* Instance, const String& PropName) {
    return GetFloatProp(Instance, findProp(Instance, PropName));
}
void SetFloatProp(TObject* Instance, PPropInfo PropInfo, Extended Value) {
    setterOf(PropInfo, &TPropInfo::SetFloat, &TPropInfo::GetFloat)(Instance, Value);
}
void SetFloatProp(TObject* Instance, const String& PropName, Extended Value) {
    SetFloatProp(Instance, findProp(Instance, PropName), Value);
}

Int64 GetInt64Prop(TObject* Instance, PPropInfo PropInfo) {
    return getterOf(PropInfo, &TPropInfo::GetOrd)(Instance);
}
Int64 GetInt64Prop(TObject* Instance, const String& PropName) {
    return GetInt64Prop(Instance, findProp(Instance, PropName));
}
void SetInt64Prop(TObject* Instance, PPropInfo PropInfo, Int64 Value) {
    SetOrdProp(Instance, PropInfo, Value);
}
void SetInt64Prop(TObject* Instance, const String& PropName, Int64 Value) {
    SetOrdProp(Instance, findProp(Instance, PropName), Value);
}

// ---- methods and objects -------------------------------------------------------------------------

TMethod GetMethodProp(TObject* Instance, PPropInfo PropInfo) {
    return getterOf(PropInfo, &TPropInfo::GetMeth)(Instance);
}
TMethod GetMethodProp(TObject* Instance, const String& PropName) {
    return GetMethodProp(Instance, findProp(Instance, PropName));
}
void SetMethodProp(TObject* Instance, PPropInfo PropInfo, const TMethod& Value) {
    setterOf(PropInfo, &TPropInfo::SetMeth, &TPropInfo::GetMeth)(Instance, Value);
}
void SetMethodProp(TObject* Instance, const String& PropName, const TMethod& Value) {
    SetMethodProp(Instance, findProp(Instance, PropName), Value);
}

TClass GetObjectPropClass(PPropInfo PropInfo) {
    return PropInfo && PropInfo->PropType->Kind == tkClass ? PropInfo->PropType->Data.ClassType : nullptr;
}

TObject* GetObjectProp(TObject* Instance, PPropInfo PropInfo, TClass MinClass) {
    TObject* o = getterOf(PropInfo, &TPropInfo::GetObj)(Instance);
    if (o && MinClass && !o->InheritsFrom(MinClass)) return nullptr;
    return o;
}
TObject* GetObjectProp(TObject* Instance, const String& PropName, TClass MinClass) {
    return GetObjectProp(Instance, findProp(Instance, PropName), MinClass);
}
void SetObjectProp(TObject* Instance, PPropInfo PropInfo, TObject* Value) {
    setterOf(PropInfo, &TPropInfo::SetObj, &TPropInfo::GetObj)(Instance, Value);
}
void SetObjectProp(TObject* Instance, const String& PropName, TObject* Value) {
    SetObjectProp(Instance, findProp(Instance, PropName), Value);
}

// ---- published methods and fields ----------------------------------------------------------------

TMethod MethodAddress(TObject* Instance, const String& Name, const std::type_info** Signature) {
    if (!Instance || Name.isEmpty()) return {};
    const PublishedMethod* found =
        walkChain(Instance->ClassType(), [&](ClassInfo& info) -> const PublishedMethod* {
            for (const auto& m : info.Methods)
                if (m.Name.compare(Name, Qt::CaseInsensitive) == 0) return &m;
            return nullptr;
        });
    if (!found) return {};
    if (Signature) *Signature = found->Signature;
    return found->Make(Instance);
}

String MethodName(TObject* Instance, const TMethod& Method) {
    if (!Instance || !Method.Assigned() || Method.Data != static_cast<void*>(Instance)) return {};
    const PublishedMethod* found =
        walkChain(Instance->ClassType(), [&](ClassInfo& info) -> const PublishedMethod* {
            for (const auto& m : info.Methods) {
                // Compare object and member function only: the same handler bound through a
                // base or a derived class pointer has a different caller.
                const TMethod made = m.Make(Instance);
                if (made.Data == Method.Data && std::memcmp(made.Code, Method.Code, sizeof made.Code) == 0)
                    return &m;
            }
            return nullptr;
        });
    return found ? found->Name : String();
}

static const PublishedField* findField(TObject* Instance, const String& Name) {
    if (!Instance || Name.isEmpty()) return nullptr;
    return walkChain(Instance->ClassType(), [&](ClassInfo& info) -> const PublishedField* {
        for (const auto& f : info.Fields)
            if (f.Name.compare(Name, Qt::CaseInsensitive) == 0) return &f;
        return nullptr;
    });
}

bool SetPublishedField(TObject* Instance, const String& Name, TObject* Component) {
    const PublishedField* f = findField(Instance, Name);
    if (!f) return false;
    if (Component && !Component->InheritsFrom(f->FieldClass))
        throw EPropertyError(QStringLiteral("Field %1 of %2 cannot hold a %3")
                                 .arg(f->Name, Instance->ClassName(), Component->ClassName()));
    f->Set(Instance, Component);
    return true;
}

TObject* GetPublishedField(TObject* Instance, const String& Name, bool* Found) {
    const PublishedField* f = findField(Instance, Name);
    if (Found) *Found = f != nullptr;
    return f ? f->Get(Instance) : nullptr;
}

TClass GetFieldClass(TClass cls, const String& ClassName) {
    if (!cls || ClassName.isEmpty()) return nullptr;
    return walkChain(cls, [&](ClassInfo& info) -> TClass {
        for (const auto& f : info.Fields)
            if (f.FieldClass && f.FieldClass->ClassNameIs(ClassName)) return f.FieldClass;
        return nullptr;
    });
}

// ---- identifier maps -----------------------------------------------------------------------------

namespace {
struct IdentMap {
    PTypeInfo Type;
    TIdentToInt ToInt;
    TIntToIdent ToIdent;
};
std::mutex& identLock() {
    static std::mutex m;
    return m;
}
std::vector<IdentMap>& identMaps() {
    static std::vector<IdentMap> v;
    return v;
}
} // namespace

void RegisterIntegerConsts(PTypeInfo IntegerType, TIdentToInt IdentToIntFn, TIntToIdent IntToIdentFn) {
    std::lock_guard lock(identLock());
    auto& maps = identMaps();
    for (auto& m : maps)
        if (m.Type == IntegerType) {
            m.ToInt = std::move(IdentToIntFn);
            m.ToIdent = std::move(IntToIdentFn);
            return;
        }
    maps.push_back({IntegerType, std::move(IdentToIntFn), std::move(IntToIdentFn)});
}

void UnregisterIntegerConsts(PTypeInfo IntegerType) {
    std::lock_guard lock(identLock());
    auto& maps = identMaps();
    maps.erase(
        std::remove_if(maps.begin(), maps.end(), [&](const IdentMap& m) { return m.Type == IntegerType; }),
        maps.end());
}

TIdentToInt FindIdentToInt(PTypeInfo IntegerType) {
    std::lock_guard lock(identLock());
    for (const auto& m : identMaps())
        if (m.Type == IntegerType) return m.ToInt;
    return {};
}

TIntToIdent FindIntToIdent(PTypeInfo IntegerType) {
    std::lock_guard lock(identLock());
    for (const auto& m : identMaps())
        if (m.Type == IntegerType) return m.ToIdent;
    return {};
}

bool IdentToInt(const String& Ident, int& Int, const TIdentMapEntry* Map, std::size_t Count) {
    for (std::size_t i = 0; i < Count; ++i)
        if (Ident.compare(QLatin1String(Map[i].Name), Qt::CaseInsensitive) == 0) {
            Int = Map[i].Value;
            return true;
        }
    return false;
}

bool IntToIdent(int Int, String& Ident, const TIdentMapEntry* Map, std::size_t Count) {
    for (std::size_t i = 0; i < Count; ++i)
        if (Map[i].Value == Int) {
            Ident = QString::fromLatin1(Map[i].Name);
            return true;
        }
    return false;
}
