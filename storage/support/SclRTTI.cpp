#include "storage/support/SclRTTI.h"

#include "platform/classes/StringList.h"
#include "platform/rtl/IntText.h"
#include "platform/rtl/ResStrings.h"
#include "platform/rtl/StrUtils.h"

#include <QStringList>
#include <cstring>
#include <vector>

ORVO_IMPLEMENT_CLASS(TSclTypeInfo, TInterfacedObject)
ORVO_IMPLEMENT_CLASS(TSclOrdinalTypeInfo, TSclTypeInfo)
ORVO_IMPLEMENT_CLASS(TSclOrdinalRangeTypeInfo, TSclOrdinalTypeInfo)
ORVO_IMPLEMENT_CLASS(TSclEnumerationTypeInfo, TSclOrdinalRangeTypeInfo)
ORVO_IMPLEMENT_CLASS(TSclSetTypeInfo, TSclOrdinalTypeInfo)
ORVO_IMPLEMENT_CLASS(TSclFloatTypeInfo, TSclTypeInfo)
ORVO_IMPLEMENT_CLASS(TSclStringTypeInfo, TSclTypeInfo)
ORVO_IMPLEMENT_CLASS(TSclPropInfo, TInterfacedObject)
ORVO_IMPLEMENT_CLASS(TSclClassTypeInfo, TSclTypeInfo)
ORVO_IMPLEMENT_CLASS(TSclEventParamInfo, TInterfacedObject)
ORVO_IMPLEMENT_CLASS(TSclEventTypeInfo, TSclTypeInfo)
ORVO_IMPLEMENT_CLASS(TSclInterfaceTypeInfo, TSclTypeInfo)
ORVO_IMPLEMENT_CLASS(TSclInt64TypeInfo, TSclTypeInfo)
ORVO_IMPLEMENT_CLASS(TSclDynArrayTypeInfo, TSclTypeInfo)

namespace {
// The unit's texts, translatable as resource strings.
const TResStringRec RsRTTIValueOutOfRange{0x5C31, "Value out of range (%s)."};
const TResStringRec RsRTTIOrdinal{0x5C32, "ordinal="};
const TResStringRec RsRTTIUnknownIdentifier{0x5C33, "Unknown identifier '%s'."};
const TResStringRec RsRTTIName{0x5C34, "Name: "};
const TResStringRec RsRTTITypeKind{0x5C35, "Type kind: "};
const TResStringRec RsRTTITypeInfoAt{0x5C36, "Type info: %p"};
const TResStringRec RsRTTIOrdinalType{0x5C37, "Ordinal type: "};
const TResStringRec RsRTTIMinValue{0x5C38, "Min value: "};
const TResStringRec RsRTTIMaxValue{0x5C39, "Max value: "};
const TResStringRec RsRTTIUnitName{0x5C3A, "Unit name: "};
const TResStringRec RsRTTINameList{0x5C3B, "Names: "};
const TResStringRec RsRTTIBasedOn{0x5C3C, "Based on: "};
const TResStringRec RsRTTIFloatType{0x5C3D, "Float type: "};
const TResStringRec RsRTTIMaxLength{0x5C3E, "Max length: "};
const TResStringRec RsRTTIClassName{0x5C3F, "Class name: "};
const TResStringRec RsRTTIParent{0x5C40, "Parent: "};
const TResStringRec RsRTTIPropCount{0x5C41, "Property count: "};
const TResStringRec RsRTTIMethodKind{0x5C42, "Method kind: "};
const TResStringRec RsRTTIParamCount{0x5C43, "Parameter count: "};
const TResStringRec RsRTTIType{0x5C44, "Type: "};
const TResStringRec RsRTTIFlags{0x5C45, "Flags: "};
const TResStringRec RsRTTIReturnType{0x5C46, "Return type: "};
const TResStringRec RsRTTIGUID{0x5C47, "GUID: "};
const TResStringRec RsRTTIElSize{0x5C48, "Element size: "};
const TResStringRec RsRTTIElType{0x5C49, "Element type: "};
const TResStringRec RsRTTIElNeedCleanup{0x5C4A, "Elements need clean up: "};
const TResStringRec RsRTTIVarType{0x5C4B, "Variant type: "};

String Res(const TResStringRec& r) {
    return LoadResString(&r);
}

// "%p": an address as (at least) eight upper-case hexadecimal digits.
String AddressText(const void* p) {
    return QStringLiteral("%1").arg(quintptr(p), 8, 16, QLatin1Char('0')).toUpper();
}
String AddressText(NativeUInt v) {
    return QStringLiteral("%1").arg(quintptr(v), 8, 16, QLatin1Char('0')).toUpper();
}

const char* const TypeKindNames[] = {"tkUnknown",   "tkInteger", "tkChar",     "tkEnumeration", "tkFloat",
                                     "tkString",    "tkSet",     "tkClass",    "tkMethod",      "tkWChar",
                                     "tkLString",   "tkWString", "tkVariant",  "tkArray",       "tkRecord",
                                     "tkInterface", "tkInt64",   "tkDynArray", "tkUString"};
const char* const OrdTypeNames[] = {"otSByte", "otUByte", "otSWord", "otUWord", "otSLong", "otULong"};
const char* const FloatTypeNames[] = {"ftSingle", "ftDouble", "ftExtended", "ftComp", "ftCurr"};
const char* const MethodKindNames[] = {"mkProcedure",        "mkFunction",        "mkConstructor",
                                       "mkDestructor",       "mkClassProcedure",  "mkClassFunction",
                                       "mkClassConstructor", "mkClassDestructor", "mkOperatorOverload",
                                       "mkSafeProcedure",    "mkSafeFunction"};
const char* const ParamFlagNames[] = {"pfVar",       "pfConst", "pfArray", "pfAddress",
                                      "pfReference", "pfOut",   "pfResult"};
const char* const IntfFlagNames[] = {"ifHasGuid", "ifDispInterface", "ifDispatch"};

template <std::size_t N> String NameOf(const char* const (&names)[N], int v) {
    return v >= 0 && std::size_t(v) < N ? QString::fromLatin1(names[v]) : QString::number(v);
}

template <class S, std::size_t N> String FlagsText(S flags, const char* const (&names)[N]) {
    QStringList parts;
    for (std::size_t i = 0; i < N; ++i)
        if (flags.toBits() & (std::uint64_t(1) << i)) parts << QString::fromLatin1(names[i]);
    return u'[' + parts.join(QStringLiteral(", ")) + u']';
}

String GuidText(const TGUID& g) {
    auto hex = [](quint64 v, int digits) {
        return QStringLiteral("%1").arg(v, digits, 16, QLatin1Char('0')).toUpper();
    };
    String s = u'{' + hex(g.D1, 8) + u'-' + hex(g.D2, 4) + u'-' + hex(g.D3, 4) + u'-' + hex(g.D4[0], 2) +
               hex(g.D4[1], 2) + u'-';
    for (int i = 2; i < 8; ++i)
        s += hex(g.D4[i], 2);
    return s + u'}';
}

// Answers the interface IID of Self when Self implements it.
template <class I, class T> bool Answer(T* Self, const TGUID& IID, void** Obj) {
    if (!(IID == I::IID)) return false;
    I* intf = dynamic_cast<I*>(Self);
    if (!intf) return false;
    intf->_AddRef();
    *Obj = intf;
    return true;
}

// Ranges of enumeration types: the base's names are indexed by value.
struct TOrdinalRange {
    Int64 Min = 0;
    Int64 Max = -1;
};

TOrdinalRange RangeOf(PTypeInfo t) {
    if (!t) return {};
    if (t->Kind == tkEnumeration && t->Data.NameList.empty() && t->Data.BaseType && t->Data.BaseType != t)
        return {t->Data.MinValue, t->Data.MaxValue};
    if (t->Kind == tkEnumeration && t->Data.MaxValue < t->Data.MinValue)
        return {0, Int64(t->Data.NameList.size()) - 1};
    return {t->Data.MinValue, t->Data.MaxValue};
}

// Element ranges are counted in whole bytes of the set buffer, which starts at the byte
// holding the minimum.
int FirstBitOffset(Int64 Min) {
    return int(((Min % 8) + 8) % 8);
}

// Splits at every comma; empty pieces are kept, a final empty piece is dropped.
QStringList SplitAtCommas(const String& Text) {
    QStringList parts = Text.split(u',');
    if (!parts.isEmpty() && parts.last().isEmpty()) parts.removeLast();
    return parts;
}
} // namespace

// ---- factory ------------------------------------------------------------------------------

ISclTypeInfoPtr SclTypeInfoWrapper(PTypeInfo ATypeInfo) {
    if (!ATypeInfo) return nullptr;
    TSclTypeInfo* w = nullptr;
    switch (ATypeInfo->Kind) {
    case tkInteger:
    case tkChar:
    case tkWChar:
        w = new TSclOrdinalRangeTypeInfo(ATypeInfo);
        break;
    case tkEnumeration:
        w = new TSclEnumerationTypeInfo(ATypeInfo);
        break;
    case tkFloat:
        w = new TSclFloatTypeInfo(ATypeInfo);
        break;
    case tkString:
        w = new TSclStringTypeInfo(ATypeInfo);
        break;
    case tkSet:
        w = new TSclSetTypeInfo(ATypeInfo);
        break;
    case tkClass:
        w = new TSclClassTypeInfo(ATypeInfo);
        break;
    case tkMethod:
        w = new TSclEventTypeInfo(ATypeInfo);
        break;
    case tkInterface:
        w = new TSclInterfaceTypeInfo(ATypeInfo);
        break;
    case tkInt64:
        w = new TSclInt64TypeInfo(ATypeInfo);
        break;
    case tkDynArray:
        w = new TSclDynArrayTypeInfo(ATypeInfo);
        break;
    default:
        w = new TSclTypeInfo(ATypeInfo);
        break;
    }
    return ISclTypeInfoPtr(w);
}

namespace {
template <class I> TInterfacePtr<I> WrapperAs(PTypeInfo t) {
    ISclTypeInfoPtr w = SclTypeInfoWrapper(t);
    return TInterfacePtr<I>(w ? dynamic_cast<I*>(w.get()) : nullptr);
}
} // namespace

// ---- base ---------------------------------------------------------------------------------

TSclTypeInfo::TSclTypeInfo(PTypeInfo ATypeInfo) : FTypeInfo(ATypeInfo), FTypeData(::GetTypeData(ATypeInfo)) {}

HResult TSclTypeInfo::QueryInterface(const TGUID& IID, void** Obj) {
    if (Answer<ISclTypeInfo>(this, IID, Obj) || Answer<ISclOrdinalTypeInfo>(this, IID, Obj) ||
        Answer<ISclOrdinalRangeTypeInfo>(this, IID, Obj) || Answer<ISclEnumerationTypeInfo>(this, IID, Obj) ||
        Answer<ISclSetTypeInfo>(this, IID, Obj) || Answer<ISclFloatTypeInfo>(this, IID, Obj) ||
        Answer<ISclStringTypeInfo>(this, IID, Obj) || Answer<ISclClassTypeInfo>(this, IID, Obj) ||
        Answer<ISclEventTypeInfo>(this, IID, Obj) || Answer<ISclInterfaceTypeInfo>(this, IID, Obj) ||
        Answer<ISclInt64TypeInfo>(this, IID, Obj) || Answer<ISclDynArrayTypeInfo>(this, IID, Obj))
        return S_OK;
    return TInterfacedObject::QueryInterface(IID, Obj);
}

String TSclTypeInfo::GetName() const {
    return FTypeInfo->Name;
}

void TSclTypeInfo::WriteDescription(ISclTypeInfoWriter* Dest) {
    Dest->PutLine(Res(RsRTTIName) + GetName());
    Dest->PutLine(Res(RsRTTITypeKind) + NameOf(TypeKindNames, int(GetTypeKind())));
    Dest->PutLine(Res(RsRTTITypeInfoAt).replace(QStringLiteral("%p"), AddressText(FTypeInfo)));
}

void TSclTypeInfo::WriteDeclaration(ISclTypeInfoWriter* Dest) {
    Dest->PutText(QStringLiteral("// Declaration for '%1' not supported.").arg(GetName()));
}

// ---- ordinals -----------------------------------------------------------------------------

void TSclOrdinalTypeInfo::WriteDescription(ISclTypeInfoWriter* Dest) {
    TSclTypeInfo::WriteDescription(Dest);
    Dest->PutLine(Res(RsRTTIOrdinalType) + NameOf(OrdTypeNames, int(GetOrdinalType())));
}

Int64 TSclOrdinalRangeTypeInfo::GetMinValue() const {
    // The 32-bit range is unsigned only for otULong.
    if (GetOrdinalType() == otULong) return Int64(std::uint32_t(FTypeData->MinValue));
    return Int64(std::int32_t(FTypeData->MinValue));
}

Int64 TSclOrdinalRangeTypeInfo::GetMaxValue() const {
    if (GetOrdinalType() == otULong) return Int64(std::uint32_t(FTypeData->MaxValue));
    return Int64(std::int32_t(FTypeData->MaxValue));
}

void TSclOrdinalRangeTypeInfo::WriteDescription(ISclTypeInfoWriter* Dest) {
    TSclOrdinalTypeInfo::WriteDescription(Dest);
    Dest->PutLine(Res(RsRTTIMinValue) + IntToStr(GetMinValue()));
    Dest->PutLine(Res(RsRTTIMaxValue) + IntToStr(GetMaxValue()));
}

void TSclOrdinalRangeTypeInfo::WriteDeclaration(ISclTypeInfoWriter* Dest) {
    const bool isChar = GetTypeKind() == tkChar || GetTypeKind() == tkWChar;
    auto bound = [isChar](Int64 v) -> String {
        if (!isChar) return IntToStr(v);
        if (v >= 32 && v <= 126) return u'\'' + QChar(char16_t(v)) + u'\'';
        return u'#' + IntToStr(v);
    };
    Dest->PutLine(GetName() + QStringLiteral(" = ") + bound(GetMinValue()) + QStringLiteral("..") +
                  bound(GetMaxValue()) + QStringLiteral("; // ") +
                  NameOf(OrdTypeNames, int(GetOrdinalType())));
}

// ---- enumerations -------------------------------------------------------------------------

PTypeInfo TSclEnumerationTypeInfo::BaseTypeInfo() const {
    return FTypeData->BaseType ? FTypeData->BaseType : FTypeInfo;
}

TInterfacePtr<ISclEnumerationTypeInfo> TSclEnumerationTypeInfo::GetBaseType() {
    if (BaseTypeInfo() == FTypeInfo) return TInterfacePtr<ISclEnumerationTypeInfo>(this);
    return WrapperAs<ISclEnumerationTypeInfo>(BaseTypeInfo());
}

String TSclEnumerationTypeInfo::GetNames(int I) const {
    const auto& names = BaseTypeInfo()->Data.NameList;
    if (I < 0 || std::size_t(I) >= names.size()) return String();
    return names[std::size_t(I)];
}

String TSclEnumerationTypeInfo::GetUnitName() const {
    return BaseTypeInfo()->Data.UnitName;
}

int TSclEnumerationTypeInfo::IndexOfName(const String& Name) const {
    // From the highest value down: the highest matching value wins.
    for (Int64 v = GetMaxValue(); v >= GetMinValue(); --v)
        if (AnsiSameText(GetNames(int(v)), Name)) return int(v);
    return -1;
}

void TSclEnumerationTypeInfo::WriteDescription(ISclTypeInfoWriter* Dest) {
    TSclOrdinalRangeTypeInfo::WriteDescription(Dest);
    Dest->PutLine(Res(RsRTTIUnitName) + GetUnitName());
    QStringList names;
    for (Int64 v = GetMinValue(); v <= GetMaxValue(); ++v)
        names << GetNames(int(v));
    Dest->PutLine(Res(RsRTTINameList) + u'(' + names.join(QStringLiteral(", ")) + u')');
}

void TSclEnumerationTypeInfo::WriteDeclaration(ISclTypeInfoWriter* Dest) {
    const bool anonymous = IsAnonymous();
    if (!anonymous) Dest->PutText(GetName() + QStringLiteral(" = "));
    if (BaseTypeInfo() == FTypeInfo) {
        QStringList names;
        for (Int64 v = GetMinValue(); v <= GetMaxValue(); ++v)
            names << GetNames(int(v));
        Dest->PutText(u'(' + names.join(QStringLiteral(", ")) + u')');
    } else {
        Dest->PutText(GetNames(int(GetMinValue())) + QStringLiteral(" .. ") + GetNames(int(GetMaxValue())));
    }
    if (!anonymous) Dest->PutLine(QStringLiteral("; // ") + NameOf(OrdTypeNames, int(GetOrdinalType())));
}

// ---- sets ---------------------------------------------------------------------------------

TInterfacePtr<ISclOrdinalTypeInfo> TSclSetTypeInfo::GetBaseType() const {
    return WrapperAs<ISclOrdinalTypeInfo>(FTypeData->CompType);
}

void TSclSetTypeInfo::GetAsList(const void* Value, bool WantRanges, TStrings* Strings) const {
    const PTypeInfo element = FTypeData->CompType;
    const TOrdinalRange r = RangeOf(element);
    const int f = FirstBitOffset(r.Min);
    const auto* bytes = static_cast<const std::uint8_t*>(Value);
    auto bitSet = [bytes](Int64 bit) { return (bytes[bit / 8] >> (bit % 8)) & 1; };
    auto text = [&](Int64 e) -> String {
        if (element->Kind == tkEnumeration) {
            const PTypeInfo base = element->Data.BaseType ? element->Data.BaseType : element;
            const auto& names = base->Data.NameList;
            return e >= 0 && std::size_t(e) < names.size() ? names[std::size_t(e)] : IntToStr(e);
        }
        return IntToStr(e);
    };
    Strings->BeginUpdate();
    try {
        const Int64 last = f + r.Max - r.Min;
        for (Int64 a = f; a <= last; ++a) {
            if (!bitSet(a)) continue;
            Int64 b = a;
            while (b + 1 <= last && bitSet(b + 1))
                ++b;
            const Int64 first = r.Min + a - f;
            const Int64 end = r.Min + b - f;
            if (WantRanges && end > first) {
                Strings->Add(text(first) + QStringLiteral(" .. ") + text(end));
            } else {
                for (Int64 e = first; e <= end; ++e)
                    Strings->Add(text(e));
            }
            a = b;
        }
    } catch (...) {
        Strings->EndUpdate();
        throw;
    }
    Strings->EndUpdate();
}

void TSclSetTypeInfo::SetAsList(void* Value, TStrings* Strings) const {
    const PTypeInfo element = FTypeData->CompType;
    const TOrdinalRange r = RangeOf(element);
    const int f = FirstBitOffset(r.Min);
    auto* bytes = static_cast<std::uint8_t*>(Value);
    std::memset(bytes, 0, std::size_t((f + (r.Max - r.Min + 1) + 7) / 8));
    TInterfacePtr<ISclEnumerationTypeInfo> enumType;
    if (element->Kind == tkEnumeration) enumType = WrapperAs<ISclEnumerationTypeInfo>(element);
    auto valueOf = [&](const String& name) -> Int64 {
        if (enumType) {
            const int v = enumType->IndexOfName(name);
            if (v < 0) throw ESclRTTIError(Res(RsRTTIUnknownIdentifier).replace(QStringLiteral("%s"), name));
            return v;
        }
        return StrToInt(name);
    };
    for (int i = 0; i < Strings->Count(); ++i) {
        const String item = Trim(Strings->Strings(i));
        if (item.isEmpty()) continue;
        String firstText = item;
        String lastText = item;
        if (const auto dots = item.indexOf(QStringLiteral("..")); dots >= 0) {
            firstText = Trim(item.left(dots));
            lastText = Trim(item.mid(dots + 2));
        }
        const Int64 first = valueOf(firstText);
        const Int64 last = valueOf(lastText);
        // Numbers outside the element range have no bit in the buffer: they are ignored.
        for (Int64 e = std::max(first, r.Min); e <= std::min(last, r.Max); ++e) {
            const Int64 bit = e - r.Min + f;
            bytes[bit / 8] |= std::uint8_t(1u << (bit % 8));
        }
    }
}

void TSclSetTypeInfo::WriteDescription(ISclTypeInfoWriter* Dest) {
    TSclOrdinalTypeInfo::WriteDescription(Dest);
    Dest->PutLine(Res(RsRTTIBasedOn));
    Dest->IndentMore();
    try {
        if (ISclTypeInfoPtr base = SclTypeInfoWrapper(FTypeData->CompType)) base->WriteDescription(Dest);
    } catch (...) {
        Dest->IndentLess();
        throw;
    }
    Dest->IndentLess();
}

void TSclSetTypeInfo::WriteDeclaration(ISclTypeInfoWriter* Dest) {
    const bool anonymous = IsAnonymous();
    if (!anonymous) Dest->PutText(GetName() + QStringLiteral(" = "));
    Dest->PutText(QStringLiteral("set of "));
    const PTypeInfo element = FTypeData->CompType;
    if (element && !element->Name.startsWith(u'.'))
        Dest->PutText(element->Name);
    else if (element && element->Kind == tkEnumeration)
        SclTypeInfoWrapper(element)->WriteDeclaration(Dest);
    else
        Dest->PutText(QStringLiteral("???"));
    if (!anonymous) Dest->PutLine(QStringLiteral("; // ") + NameOf(OrdTypeNames, int(GetOrdinalType())));
}

// ---- floats and short strings -------------------------------------------------------------

void TSclFloatTypeInfo::WriteDescription(ISclTypeInfoWriter* Dest) {
    TSclTypeInfo::WriteDescription(Dest);
    Dest->PutLine(Res(RsRTTIFloatType) + NameOf(FloatTypeNames, int(GetFloatType())));
}

void TSclFloatTypeInfo::WriteDeclaration(ISclTypeInfoWriter* Dest) {
    Dest->PutText(GetName() + QStringLiteral(" = type ") +
                  NameOf(FloatTypeNames, int(GetFloatType())).mid(2) + u';');
}

void TSclStringTypeInfo::WriteDescription(ISclTypeInfoWriter* Dest) {
    TSclTypeInfo::WriteDescription(Dest);
    Dest->PutLine(Res(RsRTTIMaxLength) + IntToStr(GetMaxLength()));
}

void TSclStringTypeInfo::WriteDeclaration(ISclTypeInfoWriter* Dest) {
    const bool anonymous = IsAnonymous();
    if (!anonymous) Dest->PutText(GetName() + QStringLiteral(" = "));
    Dest->PutText(QStringLiteral("string[") + IntToStr(GetMaxLength()) + u']');
    if (!anonymous) Dest->PutText(QStringLiteral(";"));
}

// ---- properties ---------------------------------------------------------------------------

HResult TSclPropInfo::QueryInterface(const TGUID& IID, void** Obj) {
    if (Answer<ISclPropInfo>(this, IID, Obj)) return S_OK;
    return TInterfacedObject::QueryInterface(IID, Obj);
}

ISclTypeInfoPtr TSclPropInfo::GetPropType() const {
    return SclTypeInfoWrapper(FPropInfo->PropType);
}

// Our accessors are functions bound to the class; their address stands for the code
// address of a static method.
NativeUInt TSclPropInfo::GetReader() const {
    const TPropInfo& p = *FPropInfo;
    if (p.GetOrd) return NativeUInt(&p.GetOrd);
    if (p.GetStr) return NativeUInt(&p.GetStr);
    if (p.GetFloat) return NativeUInt(&p.GetFloat);
    if (p.GetObj) return NativeUInt(&p.GetObj);
    if (p.GetMeth) return NativeUInt(&p.GetMeth);
    return 0;
}

NativeUInt TSclPropInfo::GetWriter() const {
    const TPropInfo& p = *FPropInfo;
    if (p.SetOrd) return NativeUInt(&p.SetOrd);
    if (p.SetStr) return NativeUInt(&p.SetStr);
    if (p.SetFloat) return NativeUInt(&p.SetFloat);
    if (p.SetObj) return NativeUInt(&p.SetObj);
    if (p.SetMeth) return NativeUInt(&p.SetMeth);
    return 0;
}

NativeUInt TSclPropInfo::GetStoredProc() const {
    if (FPropInfo->StoredProc) return NativeUInt(&FPropInfo->StoredProc);
    return FPropInfo->StoredConst ? 1 : 0;
}

TSclPropSpecKind TSclPropInfo::GetReaderType() const {
    return GetReader() ? pskStaticMethod : pskNone;
}

TSclPropSpecKind TSclPropInfo::GetWriterType() const {
    return GetWriter() ? pskStaticMethod : pskNone;
}

TSclPropSpecKind TSclPropInfo::GetStoredType() const {
    return FPropInfo->StoredProc ? pskStaticMethod : pskConstant;
}

bool TSclPropInfo::IsStored(TObject* AInstance) const {
    return IsStoredProp(AInstance, FPropInfo);
}

// ---- classes ------------------------------------------------------------------------------

namespace {
String SpecKindText(TSclPropSpecKind k) {
    switch (k) {
    case pskStaticMethod:
        return QStringLiteral("static method");
    case pskVirtualMethod:
        return QStringLiteral("virtual method");
    case pskField:
        return QStringLiteral("field");
    default:
        return String();
    }
}
} // namespace

TPropList TSclClassTypeInfo::OwnProperties() const {
    TPropList own;
    for (PPropInfo p : GetPropList(FTypeInfo))
        if (p->DeclaringClass == FTypeData->ClassType) own.push_back(p);
    return own;
}

TInterfacePtr<ISclClassTypeInfo> TSclClassTypeInfo::GetParent() const {
    if (!FTypeData->ParentInfo) return nullptr;
    return WrapperAs<ISclClassTypeInfo>(FTypeData->ParentInfo);
}

int TSclClassTypeInfo::GetTotalPropertyCount() const {
    return int(GetPropList(FTypeInfo).size());
}

int TSclClassTypeInfo::GetPropertyCount() const {
    return int(OwnProperties().size());
}

TInterfacePtr<ISclPropInfo> TSclClassTypeInfo::GetProperties(int PropIdx) const {
    const TPropList own = OwnProperties();
    if (PropIdx >= 0 && std::size_t(PropIdx) < own.size())
        return TInterfacePtr<ISclPropInfo>(new TSclPropInfo(own[std::size_t(PropIdx)]));
    if (PropIdx < 0) return nullptr;
    if (TInterfacePtr<ISclClassTypeInfo> parent = GetParent())
        return parent->GetProperties(PropIdx - int(own.size()));
    return nullptr;
}

TInterfacePtr<ISclPropInfo> TSclClassTypeInfo::GetPropNames(const String& Name) const {
    PPropInfo p = ::GetPropInfo(FTypeInfo, Name);
    return p ? TInterfacePtr<ISclPropInfo>(new TSclPropInfo(p)) : nullptr;
}

void TSclClassTypeInfo::WriteDescription(ISclTypeInfoWriter* Dest) {
    TSclTypeInfo::WriteDescription(Dest);
    const TClass cls = GetClassRef();
    Dest->PutLine(Res(RsRTTIClassName) + (cls ? cls->ClassName() : String()));
    // A parent without type information is named by its class.
    String parent;
    if (FTypeData->ParentInfo)
        parent = FTypeData->ParentInfo->Name;
    else if (cls && cls->Parent)
        parent = cls->Parent->ClassName();
    Dest->PutLine(Res(RsRTTIParent) + parent);
    Dest->PutLine(Res(RsRTTIUnitName) + GetUnitName());
    Dest->PutLine(Res(RsRTTIPropCount) + IntToStr(GetPropertyCount()) + QStringLiteral(" (") +
                  IntToStr(GetTotalPropertyCount()) + u')');
    Dest->IndentMore();
    try {
        for (int i = 0; i < GetPropertyCount(); ++i) {
            TInterfacePtr<ISclPropInfo> p = GetProperties(i);
            ISclTypeInfoPtr type = p->GetPropType();
            Dest->PutLine(p->GetName() + QStringLiteral(": ") + (type ? type->GetName() : String()));
            Dest->IndentMore();
            try {
                if (p->HasIndex()) Dest->PutLine(QStringLiteral("[index %1]").arg(p->GetIndex()));
                if (p->HasDefault()) Dest->PutLine(QStringLiteral("[default %1]").arg(p->GetDefault()));
                if (p->GetReaderType() != pskNone)
                    Dest->PutLine(
                        QStringLiteral("[read %1 $%2]")
                            .arg(SpecKindText(p->GetReaderType()), AddressText(p->GetReaderValue())));
                if (p->GetWriterType() != pskNone)
                    Dest->PutLine(
                        QStringLiteral("[write %1 $%2]")
                            .arg(SpecKindText(p->GetWriterType()), AddressText(p->GetWriterValue())));
                if (p->GetStoredType() == pskConstant)
                    Dest->PutLine(
                        QStringLiteral("[stored=%1]")
                            .arg(p->GetStoredValue() ? QStringLiteral("True") : QStringLiteral("False")));
                else
                    Dest->PutLine(
                        QStringLiteral("[stored=%1 $%2]")
                            .arg(SpecKindText(p->GetStoredType()), AddressText(p->GetStoredValue())));
            } catch (...) {
                Dest->IndentLess();
                throw;
            }
            Dest->IndentLess();
        }
    } catch (...) {
        Dest->IndentLess();
        throw;
    }
    Dest->IndentLess();
}

void TSclClassTypeInfo::WriteDeclaration(ISclTypeInfoWriter* Dest) {
    TInterfacePtr<ISclClassTypeInfo> parent = GetParent();
    if (parent && !SameText(parent->GetName(), QStringLiteral("TObject")))
        Dest->PutLine(GetName() + QStringLiteral(" = class(") + parent->GetName() +
                      QStringLiteral(") // unit ") + GetUnitName());
    else
        Dest->PutLine(GetName() + QStringLiteral(" = class // unit ") + GetUnitName());
    if (GetPropertyCount() > 0) {
        Dest->PutLine(QStringLiteral("published"));
        Dest->IndentMore();
        for (int i = 0; i < GetPropertyCount(); ++i) {
            TInterfacePtr<ISclPropInfo> p = GetProperties(i);
            ISclTypeInfoPtr type = p->GetPropType();
            String line = QStringLiteral("property ") + p->GetName() + QStringLiteral(": ") +
                          (type ? type->GetName() : String());
            if (p->HasIndex()) line += QStringLiteral(" index %1").arg(p->GetIndex());
            if (p->GetReaderType() != pskNone)
                line += QStringLiteral(" read [%1 $%2]")
                            .arg(SpecKindText(p->GetReaderType()), AddressText(p->GetReaderValue()));
            if (p->GetWriterType() != pskNone)
                line += QStringLiteral(" write [%1 $%2]")
                            .arg(SpecKindText(p->GetWriterType()), AddressText(p->GetWriterValue()));
            if (p->GetStoredType() == pskConstant)
                line += p->GetStoredValue() ? QStringLiteral(" stored = True")
                                            : QStringLiteral(" stored = False");
            else
                line += QStringLiteral(" stored = [%1 $%2]")
                            .arg(SpecKindText(p->GetStoredType()), AddressText(p->GetStoredValue()));
            if (p->HasDefault()) line += QStringLiteral(" default %1").arg(p->GetDefault());
            Dest->PutLine(line + u';');
        }
        Dest->IndentLess();
    }
    Dest->PutLine(QStringLiteral("end;"));
}

// ---- method types -------------------------------------------------------------------------

HResult TSclEventParamInfo::QueryInterface(const TGUID& IID, void** Obj) {
    if (Answer<ISclEventParamInfo>(this, IID, Obj)) return S_OK;
    return TInterfacedObject::QueryInterface(IID, Obj);
}

void TSclEventTypeInfo::WriteDescription(ISclTypeInfoWriter* Dest) {
    TSclTypeInfo::WriteDescription(Dest);
    Dest->PutLine(Res(RsRTTIMethodKind) + NameOf(MethodKindNames, int(GetMethodKind())));
    Dest->PutLine(Res(RsRTTIParamCount) + IntToStr(GetParameterCount()));
    Dest->IndentMore();
    try {
        bool first = true;
        for (int i = 0; i < GetParameterCount(); ++i) {
            TInterfacePtr<ISclEventParamInfo> p = GetParameters(i);
            if (!p) continue;
            if (!first) Dest->PutLine(String());
            first = false;
            Dest->PutLine(Res(RsRTTIName) + p->GetName());
            Dest->PutLine(Res(RsRTTIType) + p->GetTypeName());
            Dest->PutLine(Res(RsRTTIFlags) + FlagsText(p->GetFlags(), ParamFlagNames));
        }
    } catch (...) {
        Dest->IndentLess();
        throw;
    }
    Dest->IndentLess();
    if (GetMethodKind() == mkFunction) Dest->PutLine(Res(RsRTTIReturnType) + GetResultTypeName());
}

void TSclEventTypeInfo::WriteDeclaration(ISclTypeInfoWriter* Dest) {
    const bool isFunction = GetMethodKind() == mkFunction;
    Dest->PutText(GetName() + QStringLiteral(" = ") +
                  (isFunction ? QStringLiteral("function") : QStringLiteral("procedure")));
    int written = 0;
    for (int i = 0; i < GetParameterCount(); ++i) {
        TInterfacePtr<ISclEventParamInfo> p = GetParameters(i);
        if (!p) continue;
        Dest->PutText(written++ == 0 ? QStringLiteral("(") : QStringLiteral("; "));
        const TParamFlags flags = p->GetFlags();
        if (flags.Contains(pfVar))
            Dest->PutText(QStringLiteral("var "));
        else if (flags.Contains(pfConst))
            Dest->PutText(QStringLiteral("const "));
        else if (flags.Contains(pfOut))
            Dest->PutText(QStringLiteral("out "));
        Dest->PutText(p->GetName());
        if (!p->GetTypeName().isEmpty()) {
            Dest->PutText(QStringLiteral(": "));
            if (flags.Contains(pfArray)) {
                Dest->PutText(QStringLiteral("array of "));
                Dest->PutText(SameText(p->GetTypeName(), QStringLiteral("TVarRec")) ? QStringLiteral("const")
                                                                                    : p->GetTypeName());
            } else {
                Dest->PutText(p->GetTypeName());
            }
        }
    }
    if (written > 0) Dest->PutText(QStringLiteral(")"));
    if (isFunction) Dest->PutText(QStringLiteral(": ") + GetResultTypeName());
    Dest->PutLine(QStringLiteral(" of object;"));
}

// ---- interfaces, 64-bit integers, dynamic arrays ------------------------------------------

void TSclInterfaceTypeInfo::WriteDescription(ISclTypeInfoWriter* Dest) {
    TSclTypeInfo::WriteDescription(Dest);
    if (GetFlags().Contains(ifHasGuid)) Dest->PutLine(Res(RsRTTIGUID) + GuidText(GetGUID()));
    Dest->PutLine(Res(RsRTTIFlags) + FlagsText(GetFlags(), IntfFlagNames));
    Dest->PutLine(Res(RsRTTIUnitName) + GetUnitName());
    if (TInterfacePtr<ISclInterfaceTypeInfo> parent = GetParent())
        Dest->PutLine(Res(RsRTTIParent) + parent->GetName());
    Dest->PutLine(Res(RsRTTIPropCount) + IntToStr(GetPropertyCount()));
}

void TSclInterfaceTypeInfo::WriteDeclaration(ISclTypeInfoWriter* Dest) {
    const bool disp = GetFlags().Contains(ifDispInterface);
    Dest->PutText(GetName() + QStringLiteral(" = ") +
                  (disp ? QStringLiteral("dispinterface") : QStringLiteral("interface")));
    TInterfacePtr<ISclInterfaceTypeInfo> parent = GetParent();
    if (parent && !disp && !SameText(parent->GetName(), QStringLiteral("IUnknown")))
        Dest->PutText(u'(' + parent->GetName() + u')');
    Dest->PutLine(QStringLiteral(" // unit ") + GetUnitName());
    Dest->IndentMore();
    try {
        if (GetFlags().Contains(ifHasGuid))
            Dest->PutLine(QStringLiteral("['") + GuidText(GetGUID()) + QStringLiteral("']"));
    } catch (...) {
        Dest->IndentLess();
        Dest->PutLine(QStringLiteral("end;"));
        throw;
    }
    Dest->IndentLess();
    Dest->PutLine(QStringLiteral("end;"));
}

void TSclInt64TypeInfo::WriteDescription(ISclTypeInfoWriter* Dest) {
    TSclTypeInfo::WriteDescription(Dest);
    Dest->PutLine(Res(RsRTTIMinValue) + IntToStr(GetMinValue()));
    Dest->PutLine(Res(RsRTTIMaxValue) + IntToStr(GetMaxValue()));
}

void TSclInt64TypeInfo::WriteDeclaration(ISclTypeInfoWriter* Dest) {
    Dest->PutText(GetName() + QStringLiteral(" = ") + IntToStr(GetMinValue()) + QStringLiteral(" .. ") +
                  IntToStr(GetMaxValue()) + u';');
}

void TSclDynArrayTypeInfo::WriteDescription(ISclTypeInfoWriter* Dest) {
    TSclTypeInfo::WriteDescription(Dest);
    Dest->PutLine(Res(RsRTTIElSize) + IntToStr(GetElementSize()));
    ISclTypeInfoPtr element = GetElementType();
    if (!element) {
        Dest->PutLine(Res(RsRTTIElType) + QStringLiteral("???"));
    } else if (element->GetName().startsWith(u'.')) {
        Dest->PutLine(Res(RsRTTIElType));
        Dest->IndentMore();
        try {
            element->WriteDescription(Dest);
        } catch (...) {
            Dest->IndentLess();
            throw;
        }
        Dest->IndentLess();
    } else {
        Dest->PutLine(Res(RsRTTIElType) + element->GetName());
    }
    Dest->PutLine(Res(RsRTTIElNeedCleanup) +
                  (GetElementsNeedCleanup() ? QStringLiteral("True") : QStringLiteral("False")));
    Dest->PutLine(Res(RsRTTIVarType) + IntToStr(GetVarType()));
    Dest->PutLine(Res(RsRTTIUnitName) + GetUnitName());
}

void TSclDynArrayTypeInfo::WriteDeclaration(ISclTypeInfoWriter* Dest) {
    const bool anonymous = IsAnonymous();
    if (!anonymous) Dest->PutText(GetName() + QStringLiteral(" = "));
    Dest->PutText(QStringLiteral("array of "));
    ISclTypeInfoPtr element = GetElementType();
    if (!element)
        Dest->PutText(QStringLiteral("???"));
    else if (element->GetName().startsWith(u'.'))
        element->WriteDeclaration(Dest);
    else
        Dest->PutText(element->GetName());
    if (!anonymous) Dest->PutLine(QStringLiteral("; // Unit ") + GetUnitName());
}

// ---- free functions -----------------------------------------------------------------------

String SclOrdinalValueName(PTypeInfo EnumType, const void* Value) {
    const TTypeData& d = EnumType->Data;
    Int64 v = 0;
    switch (d.OrdType) {
    case otSByte:
        v = *static_cast<const std::int8_t*>(Value);
        break;
    case otUByte:
        v = *static_cast<const std::uint8_t*>(Value);
        break;
    case otSWord:
        v = *static_cast<const std::int16_t*>(Value);
        break;
    case otUWord:
        v = *static_cast<const std::uint16_t*>(Value);
        break;
    case otSLong:
        v = *static_cast<const std::int32_t*>(Value);
        break;
    case otULong:
        v = *static_cast<const std::uint32_t*>(Value);
        break;
    }
    const TOrdinalRange r = RangeOf(EnumType);
    if (v < r.Min || v > r.Max)
        return Res(RsRTTIValueOutOfRange).replace(QStringLiteral("%s"), Res(RsRTTIOrdinal) + IntToStr(v));
    return GetEnumName(EnumType, int(v));
}

namespace {
TInterfacePtr<ISclSetTypeInfo> SetWrapper(PTypeInfo SetType) {
    TInterfacePtr<ISclSetTypeInfo> w = WrapperAs<ISclSetTypeInfo>(SetType);
    if (!w) throw ESclRTTIError(QStringLiteral("Invalid set type"));
    return w;
}
} // namespace

String SclSetToText(PTypeInfo SetType, const void* Value, TStrings* WorkList, bool WantBrackets,
                    bool WantRanges) {
    const int kept = WorkList->Count();
    SetWrapper(SetType)->GetAsList(Value, WantRanges, WorkList);
    QStringList parts;
    for (int i = kept; i < WorkList->Count(); ++i)
        parts << WorkList->Strings(i);
    String text = parts.join(QStringLiteral(", "));
    if (WantBrackets) text = u'[' + text + u']';
    return text;
}

String SclSetToText(PTypeInfo SetType, const void* Value, bool WantBrackets, bool WantRanges) {
    TStringList list;
    return SclSetToText(SetType, Value, &list, WantBrackets, WantRanges);
}

void SclTextToSet(PTypeInfo SetType, void* Value, const String& Text) {
    TStringList list;
    QStringList parts = SplitAtCommas(Text);
    if (!parts.isEmpty() && parts.first().startsWith(u'[')) {
        parts.first().remove(0, 1);
        parts.last().chop(1);
    }
    for (const String& p : parts)
        list.Add(p);
    SetWrapper(SetType)->SetAsList(Value, &list);
}
