// Run-time type information of published properties, events and fields.
//
// C++ has no published section, so every streamable class declares what it publishes in
// its own .cpp, next to the class, through TPublisher:
//
//   ORVO_PUBLISHED(TPanel) {
//       P.Property("Align", &TPanel::GetAlign, &TPanel::SetAlign).Default(alNone);
//       P.Property("Font", &TPanel::GetFont, &TPanel::SetFont);
//       P.Property("OnClick", &TPanel::GetOnClick, &TPanel::SetOnClick);
//   }
//
// Properties are kept in declaration order, inherited ones first; a class that declares
// a property its parent already publishes replaces it in place (new default, new stored
// rule). Forms and frames also publish their event handlers (P.Method) and their
// component fields (P.Field), which the form reader binds by name.
//
// Enumerations and sets get their type information from an overload of TypeInfoOf found
// by argument-dependent lookup: declare it next to the enumeration with
// ORVO_DECLARE_ENUM_TYPE(TAlign) and define it in a .cpp with
// ORVO_IMPLEMENT_ENUM_TYPE(TAlign, "alNone", "alTop", ...).
#pragma once

#include "platform/classes/Event.h"
#include "platform/classes/Object.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <typeinfo>
#include <vector>

class TComponent;
struct TPropInfo;

enum TTypeKind {
    tkUnknown,
    tkInteger,
    tkChar,
    tkEnumeration,
    tkFloat,
    tkString,
    tkSet,
    tkClass,
    tkMethod,
    tkWChar,
    tkLString,
    tkWString,
    tkVariant,
    tkArray,
    tkRecord,
    tkInterface,
    tkInt64,
    tkDynArray,
    tkUString
};
using TTypeKinds = Set<TTypeKind>;
enum TOrdType { otSByte, otUByte, otSWord, otUWord, otSLong, otULong };
enum TFloatType { ftSingle, ftDouble, ftExtended, ftComp, ftCurr };

inline constexpr TTypeKinds tkAny{tkUnknown,   tkInteger, tkChar,     tkEnumeration, tkFloat,
                                  tkString,    tkSet,     tkClass,    tkMethod,      tkWChar,
                                  tkLString,   tkWString, tkVariant,  tkArray,       tkRecord,
                                  tkInterface, tkInt64,   tkDynArray, tkUString};
inline constexpr TTypeKinds tkProperties =
    tkAny - TTypeKinds{tkArray, tkRecord, tkInterface, tkDynArray, tkUnknown};
inline constexpr TTypeKinds tkStrings{tkString, tkLString, tkWString, tkUString};

// Default value of an ordinal property that has none: it is always written.
inline constexpr Int64 NoDefault = Int64(int32_t(0x80000000));

namespace platform::detail {
struct ClassInfo;
}

struct TTypeInfo;
using PTypeInfo = const TTypeInfo*;

struct TTypeData {
    // Ordinal types (integers, characters, enumerations, sets use CompType).
    TOrdType OrdType = otSLong;
    Int64 MinValue = 0;
    Int64 MaxValue = 0;
    // Enumerations: the value names, the base type (itself) and whether it is Boolean.
    PTypeInfo BaseType = nullptr;
    std::vector<String> NameList;
    bool IsBoolean = false;
    // Sets: the element type.
    PTypeInfo CompType = nullptr;
    // Floats.
    TFloatType FloatType = ftExtended;
    // Classes.
    TClass ClassType = nullptr;
    PTypeInfo ParentInfo = nullptr;
    int PropCount = 0;
    String UnitName;
    platform::detail::ClassInfo* Class = nullptr;
    // Methods (event types): the delegate type and its parameter count.
    const std::type_info* MethodSignature = nullptr;
    int ParamCount = 0;
};
using PTypeData = const TTypeData*;

struct TTypeInfo {
    TTypeKind Kind = tkUnknown;
    String Name;
    TTypeData Data;
};

// One published property. The accessors are type-erased; a property whose setter is
// missing is read-only (a class-typed one is still streamed into its existing object).
struct TPropInfo {
    String Name;
    PTypeInfo PropType = nullptr;
    TClass DeclaringClass = nullptr;
    int Index = int(0x80000000); // the index passed to shared accessors, or none
    Int64 Default = NoDefault;   // ordinal and set properties only
    bool HasDefault = false;     // explicit default for the other kinds (Int64, floats)
    int NameIndex = 0;           // position in the class's full property list
    bool StoredConst = true;
    std::function<bool(TObject*)> StoredProc;  // empty: StoredConst decides
    std::function<bool(TObject*)> PresentProc; // objects created on first read: present without creating?

    std::function<Int64(TObject*)> GetOrd;
    std::function<void(TObject*, Int64)> SetOrd;
    std::function<String(TObject*)> GetStr;
    std::function<void(TObject*, const String&)> SetStr;
    std::function<Extended(TObject*)> GetFloat;
    std::function<void(TObject*, Extended)> SetFloat;
    std::function<TObject*(TObject*)> GetObj;
    std::function<void(TObject*, TObject*)> SetObj;
    std::function<TMethod(TObject*)> GetMeth;
    std::function<void(TObject*, const TMethod&)> SetMeth;

    bool Writable() const { return SetOrd || SetStr || SetFloat || SetObj || SetMeth; }
};
using PPropInfo = const TPropInfo*;
using TPropList = std::vector<PPropInfo>;

// ---- type information of the built-in types ------------------------------------------------

PTypeInfo TypeInfoInteger();  // Integer (signed 32-bit)
PTypeInfo TypeInfoCardinal(); // Cardinal (unsigned 32-bit)
PTypeInfo TypeInfoShortInt();
PTypeInfo TypeInfoByte();
PTypeInfo TypeInfoSmallInt();
PTypeInfo TypeInfoWord();
PTypeInfo TypeInfoInt64();
PTypeInfo TypeInfoBoolean();
PTypeInfo TypeInfoChar();
PTypeInfo TypeInfoWideChar();
PTypeInfo TypeInfoSingle();
PTypeInfo TypeInfoDouble();
PTypeInfo TypeInfoExtended();
PTypeInfo TypeInfoCurrency();
PTypeInfo TypeInfoTDateTime(); // a Double that streams as a date
PTypeInfo TypeInfoString();    // UnicodeString
PTypeInfo TypeInfoAnsiString();
// Integer types shown by name in streams and editors; the graphics floor registers
// their identifier maps.
PTypeInfo TypeInfoTColor();
PTypeInfo TypeInfoTCursor();

// The type information of a class (its published properties, methods and fields).
PTypeInfo ClassTypeInfo(TClass cls);
PTypeData GetTypeData(PTypeInfo TypeInfo);

namespace platform::detail {
PTypeInfo MakeEnumType(const char* name, std::initializer_list<const char*> names);
PTypeInfo MakeSetType(const char* name, PTypeInfo element);
PTypeInfo MakeOrdinalType(const char* name, TTypeKind kind, TOrdType ord, Int64 min, Int64 max);
PTypeInfo MakeMethodType(const char* name, const std::type_info& signature, int paramCount);
} // namespace platform::detail

#define ORVO_DECLARE_ENUM_TYPE(E) PTypeInfo TypeInfoOf(E*);
#define ORVO_IMPLEMENT_ENUM_TYPE(E, ...)                                                                     \
    PTypeInfo TypeInfoOf(E*) {                                                                               \
        static const PTypeInfo info = platform::detail::MakeEnumType(#E, {__VA_ARGS__});                     \
        return info;                                                                                         \
    }
// A set type: ORVO_IMPLEMENT_SET_TYPE(TFontStyles, TFontStyle) for TFontStyles = Set<TFontStyle>.
#define ORVO_DECLARE_SET_TYPE(S) PTypeInfo TypeInfoOf(S*);
#define ORVO_IMPLEMENT_SET_TYPE(S, E)                                                                        \
    PTypeInfo TypeInfoOf(S*) {                                                                               \
        static const PTypeInfo info =                                                                        \
            platform::detail::MakeSetType(#S, TypeInfoOf(static_cast<E*>(nullptr)));                         \
        return info;                                                                                         \
    }
// An event type with its own name ("TMouseEvent"); other delegates are typed "TMethod".
#define ORVO_DECLARE_EVENT_TYPE(Ev) PTypeInfo TypeInfoOf(Ev*);
#define ORVO_IMPLEMENT_EVENT_TYPE(Ev)                                                                        \
    PTypeInfo TypeInfoOf(Ev*) {                                                                              \
        static const PTypeInfo info =                                                                        \
            platform::detail::MakeMethodType(#Ev, typeid(Ev), platform::detail::EventArity<Ev>::value);      \
        return info;                                                                                         \
    }
namespace platform::detail {
template <class V> struct EventArity;
template <class... A> struct EventArity<TEvent<A...>> { static constexpr int value = int(sizeof...(A)); };
template <class... A> PTypeInfo GenericEventType() {
    static const PTypeInfo info = MakeMethodType("TMethod", typeid(TEvent<A...>), int(sizeof...(A)));
    return info;
}
} // namespace platform::detail
PTypeInfo TypeInfoOf(TNotifyEvent*);
template <class... A> PTypeInfo TypeInfoOf(TEvent<A...>*) {
    return platform::detail::GenericEventType<A...>();
}

// ---- accessors ------------------------------------------------------------------------------

PPropInfo GetPropInfo(TClass cls, const String& PropName);
PPropInfo GetPropInfo(PTypeInfo TypeInfo, const String& PropName);
PPropInfo GetPropInfo(const TObject* Instance, const String& PropName, TTypeKinds AKinds = tkAny);
TPropList GetPropList(TClass cls, TTypeKinds Kinds = tkAny);
TPropList GetPropList(PTypeInfo TypeInfo, TTypeKinds Kinds = tkAny);
TPropList GetPropList(const TObject* Instance, TTypeKinds Kinds = tkAny);
bool IsPublishedProp(const TObject* Instance, const String& PropName);
bool IsPublishedProp(TClass cls, const String& PropName);
inline PTypeInfo PropType(PPropInfo PropInfo) {
    return PropInfo->PropType;
}
PTypeInfo PropType(const TObject* Instance, const String& PropName);
bool PropIsType(const TObject* Instance, const String& PropName, TTypeKind TypeKind);

bool IsStoredProp(TObject* Instance, PPropInfo PropInfo);
bool IsStoredProp(TObject* Instance, const String& PropName);
// False for a property whose object is created on first read and does not exist yet;
// asking never creates it.
bool IsPropPresent(TObject* Instance, PPropInfo PropInfo);

Int64 GetOrdProp(TObject* Instance, PPropInfo PropInfo);
Int64 GetOrdProp(TObject* Instance, const String& PropName);
void SetOrdProp(TObject* Instance, PPropInfo PropInfo, Int64 Value);
void SetOrdProp(TObject* Instance, const String& PropName, Int64 Value);
String GetEnumProp(TObject* Instance, PPropInfo PropInfo);
String GetEnumProp(TObject* Instance, const String& PropName);
void SetEnumProp(TObject* Instance, PPropInfo PropInfo, const String& Value);
void SetEnumProp(TObject* Instance, const String& PropName, const String& Value);
// Sets as text: "a,b", or "[a,b]" with Brackets.
String GetSetProp(TObject* Instance, PPropInfo PropInfo, bool Brackets = false);
String GetSetProp(TObject* Instance, const String& PropName, bool Brackets = false);
void SetSetProp(TObject* Instance, PPropInfo PropInfo, const String& Value);
void SetSetProp(TObject* Instance, const String& PropName, const String& Value);
String SetToString(PPropInfo PropInfo, Int64 Value, bool Brackets = false);
String SetToString(PTypeInfo SetType, Int64 Value, bool Brackets = false);
Int64 StringToSet(PTypeInfo SetType, const String& Value);
String GetStrProp(TObject* Instance, PPropInfo PropInfo);
String GetStrProp(TObject* Instance, const String& PropName);
void SetStrProp(TObject* Instance, PPropInfo PropInfo, const String& Value);
void SetStrProp(TObject* Instance, const String& PropName, const String& Value);
inline String GetWideStrProp(TObject* Instance, PPropInfo PropInfo) {
    return GetStrProp(Instance, PropInfo);
}
inline void SetWideStrProp(TObject* Instance, PPropInfo PropInfo, const String& Value) {
    SetStrProp(Instance, PropInfo, Value);
}
Extended GetFloatProp(TObject* Instance, PPropInfo PropInfo);
Extended GetFloatProp(TObject* Instance, const String& PropName);
void SetFloatProp(TObject* Instance, PPropInfo PropInfo, Extended Value);
void SetFloatProp(TObject* Instance, const String& PropName, Extended Value);
Int64 GetInt64Prop(TObject* Instance, PPropInfo PropInfo);
Int64 GetInt64Prop(TObject* Instance, const String& PropName);
void SetInt64Prop(TObject* Instance, PPropInfo PropInfo, Int64 Value);
void SetInt64Prop(TObject* Instance, const String& PropName, Int64 Value);
TMethod GetMethodProp(TObject* Instance, PPropInfo PropInfo);
TMethod GetMethodProp(TObject* Instance, const String& PropName);
// Raises EPropertyError when the handler's signature is not the property's.
void SetMethodProp(TObject* Instance, PPropInfo PropInfo, const TMethod& Value);
void SetMethodProp(TObject* Instance, const String& PropName, const TMethod& Value);
TObject* GetObjectProp(TObject* Instance, PPropInfo PropInfo, TClass MinClass = nullptr);
TObject* GetObjectProp(TObject* Instance, const String& PropName, TClass MinClass = nullptr);
TClass GetObjectPropClass(PPropInfo PropInfo);
void SetObjectProp(TObject* Instance, PPropInfo PropInfo, TObject* Value);
void SetObjectProp(TObject* Instance, const String& PropName, TObject* Value);

String GetEnumName(PTypeInfo TypeInfo, int Value);
// -1 when the name is not one of the type's values (compared without letter case).
int GetEnumValue(PTypeInfo TypeInfo, const String& Name);

// ---- published methods and fields of forms and frames --------------------------------------

// The published handler of that name bound to Instance, unassigned when there is none.
TMethod MethodAddress(TObject* Instance, const String& Name, const std::type_info** Signature = nullptr);
// The published name of a handler bound to Instance, "" when it is not one of them.
String MethodName(TObject* Instance, const TMethod& Method);
// Sets the published field called Name to Component; false when Instance has no such
// field. Raises EPropertyError when the component is not of the field's class.
bool SetPublishedField(TObject* Instance, const String& Name, TObject* Component);
TObject* GetPublishedField(TObject* Instance, const String& Name, bool* Found = nullptr);
// The class of a published field that cls or one of its ancestors declares, found by the
// class's name (compared without letter case); nullptr when no field is of that class.
TClass GetFieldClass(TClass cls, const String& ClassName);

// ---- identifier maps for integer types ("clRed", "crDefault") ------------------------------

using TIdentToInt = std::function<bool(const String& Ident, int& Int)>;
using TIntToIdent = std::function<bool(int Int, String& Ident)>;
struct TIdentMapEntry {
    int Value;
    const char* Name;
};
void RegisterIntegerConsts(PTypeInfo IntegerType, TIdentToInt IdentToIntFn, TIntToIdent IntToIdentFn);
void UnregisterIntegerConsts(PTypeInfo IntegerType);
TIdentToInt FindIdentToInt(PTypeInfo IntegerType);
TIntToIdent FindIntToIdent(PTypeInfo IntegerType);
bool IdentToInt(const String& Ident, int& Int, const TIdentMapEntry* Map, std::size_t Count);
bool IntToIdent(int Int, String& Ident, const TIdentMapEntry* Map, std::size_t Count);
template <std::size_t N> bool IdentToInt(const String& Ident, int& Int, const TIdentMapEntry (&Map)[N]) {
    return IdentToInt(Ident, Int, Map, N);
}
template <std::size_t N> bool IntToIdent(int Int, String& Ident, const TIdentMapEntry (&Map)[N]) {
    return IntToIdent(Int, Ident, Map, N);
}

// ---- the publishing builder -----------------------------------------------------------------

namespace platform::detail {
using PublishFn = std::function<void(ClassInfo&)>;
// Attaches a class's publishing function; it runs the first time the class's type
// information is asked for.
// The unit name is the base name of the declaring source file.
void RegisterPublished(TClass cls, PublishFn fn, const char* sourceFile = "");
TPropInfo& AddProperty(ClassInfo& info, const char* name, PTypeInfo type);
void AddMethod(ClassInfo& info, const char* name, const std::type_info& signature,
               std::function<TMethod(TObject*)> make);
void AddField(ClassInfo& info, const char* name, TClass fieldClass,
              std::function<void(TObject*, TObject*)> set, std::function<TObject*(TObject*)> get);
TClass InfoClass(const ClassInfo& info);
// The base classes' declarations (components, string lists, collections); run once
// before the first look at any class.
void PublishBaseClasses();

template <class V> struct IsSet : std::false_type {};
template <class E, int B> struct IsSet<Set<E, B>> : std::true_type {};
template <class V> struct IsEvent : std::false_type {};
template <class... A> struct IsEvent<TEvent<A...>> : std::true_type {};
// The type information of a property's value type.
template <class V> PTypeInfo TypeOfValue() {
    if constexpr (std::is_same_v<V, bool>)
        return TypeInfoBoolean();
    else if constexpr (std::is_same_v<V, char>)
        return TypeInfoChar();
    else if constexpr (std::is_same_v<V, QChar>)
        return TypeInfoWideChar();
    else if constexpr (std::is_integral_v<V> && sizeof(V) == 8)
        return TypeInfoInt64();
    else if constexpr (std::is_integral_v<V> && std::is_signed_v<V> && sizeof(V) == 1)
        return TypeInfoShortInt();
    else if constexpr (std::is_integral_v<V> && sizeof(V) == 1)
        return TypeInfoByte();
    else if constexpr (std::is_integral_v<V> && std::is_signed_v<V> && sizeof(V) == 2)
        return TypeInfoSmallInt();
    else if constexpr (std::is_integral_v<V> && sizeof(V) == 2)
        return TypeInfoWord();
    else if constexpr (std::is_integral_v<V> && std::is_signed_v<V>)
        return TypeInfoInteger();
    else if constexpr (std::is_integral_v<V>)
        return TypeInfoCardinal();
    else if constexpr (std::is_same_v<V, float>)
        return TypeInfoSingle();
    else if constexpr (std::is_same_v<V, double>)
        return TypeInfoDouble();
    else if constexpr (std::is_same_v<V, long double>)
        return TypeInfoExtended();
    else if constexpr (std::is_same_v<V, String>)
        return TypeInfoString();
    else if constexpr (std::is_same_v<V, AnsiString>)
        return TypeInfoAnsiString();
    else if constexpr (std::is_pointer_v<V>)
        return ClassTypeInfo(std::remove_cv_t<std::remove_pointer_t<V>>::StaticClass());
    else
        return TypeInfoOf(static_cast<V*>(nullptr)); // enumerations and sets: found by ADL
}

template <class T, class V, class G, class S> void BindAccessors(TPropInfo& p, G get, S set, bool hasSet) {
    auto self = [](TObject* o) { return static_cast<T*>(o); };
    if constexpr (std::is_same_v<V, bool> || std::is_integral_v<V> || std::is_enum_v<V> ||
                  std::is_same_v<V, QChar>) {
        p.GetOrd = [get, self](TObject* o) -> Int64 {
            if constexpr (std::is_same_v<V, QChar>)
                return std::invoke(get, self(o)).unicode();
            else
                return static_cast<Int64>(std::invoke(get, self(o)));
        };
        if (hasSet)
            p.SetOrd = [set, self](TObject* o, Int64 v) {
                if constexpr (std::is_same_v<V, QChar>)
                    std::invoke(set, self(o), QChar(char16_t(v)));
                else if constexpr (std::is_same_v<V, bool>)
                    std::invoke(set, self(o), v != 0);
                else
                    std::invoke(set, self(o), static_cast<V>(v));
            };
    } else if constexpr (IsSet<V>::value) {
        p.GetOrd = [get, self](TObject* o) -> Int64 { return Int64(std::invoke(get, self(o)).toBits()); };
        if (hasSet)
            p.SetOrd = [set, self](TObject* o, Int64 v) {
                std::invoke(set, self(o), V::fromBits(std::uint64_t(v)));
            };
    } else if constexpr (std::is_floating_point_v<V>) {
        p.GetFloat = [get, self](TObject* o) -> Extended {
            return static_cast<Extended>(std::invoke(get, self(o)));
        };
        if (hasSet)
            p.SetFloat = [set, self](TObject* o, Extended v) {
                std::invoke(set, self(o), static_cast<V>(v));
            };
    } else if constexpr (std::is_same_v<V, String>) {
        p.GetStr = [get, self](TObject* o) -> String { return std::invoke(get, self(o)); };
        if (hasSet) p.SetStr = [set, self](TObject* o, const String& v) { std::invoke(set, self(o), v); };
    } else if constexpr (std::is_same_v<V, AnsiString>) {
        p.GetStr = [get, self](TObject* o) -> String {
            return QString::fromStdString(std::invoke(get, self(o)));
        };
        if (hasSet)
            p.SetStr = [set, self](TObject* o, const String& v) {
                std::invoke(set, self(o), v.toStdString());
            };
    } else if constexpr (std::is_pointer_v<V>) {
        using C = std::remove_cv_t<std::remove_pointer_t<V>>;
        p.GetObj = [get, self](TObject* o) -> TObject* { return const_cast<C*>(std::invoke(get, self(o))); };
        if (hasSet)
            p.SetObj = [set, self](TObject* o, TObject* v) {
                C* c = v ? dynamic_cast<C*>(v) : nullptr;
                if (v && !c)
                    throw EPropertyError(QStringLiteral("Invalid property value: %1 is not a %2")
                                             .arg(v->ClassName(), C::StaticClass()->ClassName()));
                std::invoke(set, self(o), c);
            };
    } else if constexpr (IsEvent<V>::value) {
        p.GetMeth = [get, self](TObject* o) -> TMethod { return std::invoke(get, self(o)).ToMethod(); };
        if (hasSet)
            p.SetMeth = [set, self](TObject* o, const TMethod& m) {
                std::invoke(set, self(o), V::FromMethod(m));
            };
    } else {
        static_assert(sizeof(V) == 0, "unsupported published property type");
    }
}
} // namespace platform::detail

// Refines a property just declared: default, stored rule, "present" test, type.
template <class T> class TPropBuilder {
public:
    explicit TPropBuilder(TPropInfo& p) : p_(p) {}
    template <class V> TPropBuilder& Default(V v) {
        if constexpr (platform::detail::IsSet<V>::value)
            p_.Default = Int64(v.toBits());
        else
            p_.Default = static_cast<Int64>(v);
        p_.HasDefault = true;
        return *this;
    }
    TPropBuilder& NoDefault() {
        p_.Default = ::NoDefault;
        p_.HasDefault = false;
        return *this;
    }
    TPropBuilder& Stored(bool s) {
        p_.StoredConst = s;
        p_.StoredProc = nullptr;
        return *this;
    }
    template <class F, class = std::enable_if_t<!std::is_same_v<F, bool>>> TPropBuilder& Stored(F f) {
        p_.StoredProc = [f](TObject* o) { return bool(std::invoke(f, static_cast<T*>(o))); };
        return *this;
    }
    template <class F> TPropBuilder& Present(F f) {
        p_.PresentProc = [f](TObject* o) { return bool(std::invoke(f, static_cast<T*>(o))); };
        return *this;
    }
    // Overrides the type information deduced from the value type (TColor, TDateTime).
    TPropBuilder& Type(PTypeInfo t) {
        p_.PropType = t;
        return *this;
    }
    TPropBuilder& Index(int i) {
        p_.Index = i;
        return *this;
    }

private:
    TPropInfo& p_;
};

template <class T> class TPublisher {
public:
    explicit TPublisher(platform::detail::ClassInfo& info) : info_(info) {}

    // A property over a field: P.Property("Caption", &T::FCaption).
    template <class C, class V, class = std::enable_if_t<!std::is_function_v<V> && std::is_base_of_v<C, T>>>
    TPropBuilder<T> Property(const char* name, V C::*field) {
        auto get = [field](T* t) -> const V& { return t->*field; };
        auto set = [field](T* t, const V& v) { t->*field = v; };
        return add<V>(name, get, set, true);
    }
    // A property with getter and setter (member functions or callables taking T*).
    template <class G, class S> TPropBuilder<T> Property(const char* name, G get, S set) {
        using V = std::remove_cv_t<std::remove_reference_t<std::invoke_result_t<G, T*>>>;
        return add<V>(name, get, set, true);
    }
    // A read-only property (class-typed ones are streamed into the existing object).
    template <class G> TPropBuilder<T> Property(const char* name, G get) {
        using V = std::remove_cv_t<std::remove_reference_t<std::invoke_result_t<G, T*>>>;
        auto none = [](T*, const V&) {};
        return add<V>(name, get, none, false);
    }
    // Properties that share accessors taking an index: get(i), set(i, v).
    template <class G, class S> TPropBuilder<T> Indexed(const char* name, int index, G get, S set) {
        using V = std::remove_cv_t<std::remove_reference_t<std::invoke_result_t<G, T*, int>>>;
        auto g = [get, index](T* t) -> V { return std::invoke(get, t, index); };
        auto s = [set, index](T* t, const V& v) { std::invoke(set, t, index, v); };
        return add<V>(name, g, s, true).Index(index);
    }
    // A published event handler (a form's "btnSendClick").
    template <class C, class R, class... A> void Method(const char* name, R (C::*m)(A...)) {
        static_assert(std::is_base_of_v<C, T>);
        platform::detail::AddMethod(info_, name, typeid(TEvent<A...>), [m](TObject* o) {
            return TEvent<A...>(static_cast<C*>(static_cast<T*>(o)), m).ToMethod();
        });
    }
    // A published component field (a form's "Chart1"), set when the component is read.
    template <class C, class V> void Field(const char* name, V* C::*field) {
        static_assert(std::is_base_of_v<C, T>);
        platform::detail::AddField(
            info_, name, V::StaticClass(),
            [field](TObject* o, TObject* c) { static_cast<T*>(o)->*field = static_cast<V*>(c); },
            [field](TObject* o) -> TObject* { return static_cast<T*>(o)->*field; });
    }

private:
    template <class V, class G, class S> TPropBuilder<T> add(const char* name, G get, S set, bool hasSet) {
        TPropInfo& p = platform::detail::AddProperty(info_, name, platform::detail::TypeOfValue<V>());
        platform::detail::BindAccessors<T, V>(p, get, set, hasSet);
        return TPropBuilder<T>(p);
    }
    platform::detail::ClassInfo& info_;
};

namespace platform::detail {
template <class T> struct PublishedRegistrar {
    PublishedRegistrar(void (*fn)(TPublisher<T>&), const char* file) {
        RegisterPublished(
            T::StaticClass(),
            [fn](ClassInfo& info) {
                TPublisher<T> p(info);
                fn(p);
            },
            file);
    }
};
} // namespace platform::detail

// Declares the published members of a class; the body uses the builder P.
#define ORVO_PUBLISHED(Name)                                                                                 \
    static void orvoPublish_##Name(TPublisher<Name>& P);                                                     \
    static const platform::detail::PublishedRegistrar<Name> orvoPublishedRegistrar_##Name(                   \
        &orvoPublish_##Name, __FILE__);                                                                      \
    static void orvoPublish_##Name([[maybe_unused]] TPublisher<Name>& P)
