// Object wrappers over the published type information: one reference-counted wrapper per
// kind of type that answers the questions one can ask of it (ordinal range, enumeration
// names, set elements, class properties, method parameters) and writes a field-by-field
// description and a declaration of it. The storage uses the set wrapper to turn set
// values into element lists and back.
#pragma once

#include "platform/classes/Interfaces.h"
#include "platform/classes/TypInfo.h"
#include "storage/support/SclBase.h"

#include <cstdint>

class TStrings;

ORVO_DECLARE_EXCEPTION(ESclRTTIError, ESclError)

// Kinds of method types and parameter flags of a method's parameters.
enum TMethodKind {
    mkProcedure,
    mkFunction,
    mkConstructor,
    mkDestructor,
    mkClassProcedure,
    mkClassFunction,
    mkClassConstructor,
    mkClassDestructor,
    mkOperatorOverload,
    mkSafeProcedure,
    mkSafeFunction
};
enum TParamFlag { pfVar, pfConst, pfArray, pfAddress, pfReference, pfOut, pfResult };
using TParamFlags = Set<TParamFlag>;
enum TIntfFlag { ifHasGuid, ifDispInterface, ifDispatch };
using TIntfFlagsBase = Set<TIntfFlag>;

// How a property's reader, writer or stored rule is reached.
enum TSclPropSpecKind { pskNone, pskStaticMethod, pskVirtualMethod, pskField, pskConstant };

// The text sink of the descriptions and declarations; supplied by the caller.
class ISclTypeInfoWriter {
public:
    virtual void PutText(const String& Text) = 0;
    virtual void PutLine(const String& Text) = 0;
    virtual void IndentMore() = 0;
    virtual void IndentLess() = 0;

protected:
    virtual ~ISclTypeInfoWriter() = default;
};

class ISclTypeInfo;
class ISclOrdinalTypeInfo;
class ISclPropInfo;
class ISclEventParamInfo;
using ISclTypeInfoPtr = TInterfacePtr<ISclTypeInfo>;

// {7DAD5220-46EA-11D5-B0C0-4854E825F345} and its siblings, differing in the last digit of
// the first group.
constexpr TGUID SclRTTIGuid(std::uint32_t Last) {
    return TGUID{0x7DAD5220u + Last, 0x46EA, 0x11D5, {0xB0, 0xC0, 0x48, 0x54, 0xE8, 0x25, 0xF3, 0x45}};
}

class ISclTypeInfo : public virtual IInterface {
public:
    static constexpr TGUID IID = SclRTTIGuid(0x0);
    virtual void WriteDescription(ISclTypeInfoWriter* Dest) = 0;
    virtual void WriteDeclaration(ISclTypeInfoWriter* Dest) = 0;
    virtual String GetName() const = 0;
    virtual PTypeData GetTypeData() const = 0;
    virtual PTypeInfo GetTypeInfo() const = 0;
    virtual TTypeKind GetTypeKind() const = 0;
};

class ISclOrdinalTypeInfo : public virtual ISclTypeInfo {
public:
    static constexpr TGUID IID = SclRTTIGuid(0x1);
    virtual TOrdType GetOrdinalType() const = 0;
};

class ISclOrdinalRangeTypeInfo : public virtual ISclOrdinalTypeInfo {
public:
    static constexpr TGUID IID = SclRTTIGuid(0x2);
    virtual Int64 GetMinValue() const = 0;
    virtual Int64 GetMaxValue() const = 0;
};

class ISclEnumerationTypeInfo : public virtual ISclOrdinalRangeTypeInfo {
public:
    static constexpr TGUID IID = SclRTTIGuid(0x3);
    virtual TInterfacePtr<ISclEnumerationTypeInfo> GetBaseType() = 0;
    virtual String GetNames(int I) const = 0;
    virtual String GetUnitName() const = 0;
    virtual int IndexOfName(const String& Name) const = 0;
};

class ISclSetTypeInfo : public virtual ISclOrdinalTypeInfo {
public:
    static constexpr TGUID IID = SclRTTIGuid(0x4);
    virtual TInterfacePtr<ISclOrdinalTypeInfo> GetBaseType() const = 0;
    // Value is the set's byte buffer (element e is bit e - Min + Min mod 8).
    virtual void GetAsList(const void* Value, bool WantRanges, TStrings* Strings) const = 0;
    virtual void SetAsList(void* Value, TStrings* Strings) const = 0;
};

class ISclFloatTypeInfo : public virtual ISclTypeInfo {
public:
    static constexpr TGUID IID = SclRTTIGuid(0x5);
    virtual TFloatType GetFloatType() const = 0;
};

class ISclStringTypeInfo : public virtual ISclTypeInfo {
public:
    static constexpr TGUID IID = SclRTTIGuid(0x6);
    virtual int GetMaxLength() const = 0;
};

class ISclPropInfo : public virtual IInterface {
public:
    static constexpr TGUID IID = SclRTTIGuid(0x7);
    virtual PPropInfo GetPropInfo() const = 0;
    virtual ISclTypeInfoPtr GetPropType() const = 0;
    virtual NativeUInt GetReader() const = 0;
    virtual NativeUInt GetWriter() const = 0;
    virtual NativeUInt GetStoredProc() const = 0;
    virtual int GetIndex() const = 0;
    virtual Int64 GetDefault() const = 0;
    virtual int GetNameIndex() const = 0;
    virtual String GetName() const = 0;
    virtual TSclPropSpecKind GetReaderType() const = 0;
    virtual TSclPropSpecKind GetWriterType() const = 0;
    virtual TSclPropSpecKind GetStoredType() const = 0;
    virtual NativeUInt GetReaderValue() const = 0;
    virtual NativeUInt GetWriterValue() const = 0;
    virtual NativeUInt GetStoredValue() const = 0;
    virtual bool IsStored(TObject* AInstance) const = 0;
    virtual bool HasDefault() const = 0;
    virtual bool HasIndex() const = 0;
};

class ISclClassTypeInfo : public virtual ISclTypeInfo {
public:
    static constexpr TGUID IID = SclRTTIGuid(0x8);
    virtual TClass GetClassRef() const = 0;
    virtual TInterfacePtr<ISclClassTypeInfo> GetParent() const = 0;
    virtual int GetTotalPropertyCount() const = 0;
    virtual int GetPropertyCount() const = 0;
    virtual TInterfacePtr<ISclPropInfo> GetProperties(int PropIdx) const = 0;
    virtual TInterfacePtr<ISclPropInfo> GetPropNames(const String& Name) const = 0;
    virtual String GetUnitName() const = 0;
};

class ISclEventParamInfo : public virtual IInterface {
public:
    static constexpr TGUID IID = SclRTTIGuid(0x9);
    virtual TParamFlags GetFlags() const = 0;
    virtual String GetName() const = 0;
    virtual int GetRecSize() const = 0;
    virtual String GetTypeName() const = 0;
};

class ISclEventTypeInfo : public virtual ISclTypeInfo {
public:
    static constexpr TGUID IID = SclRTTIGuid(0xA);
    virtual TMethodKind GetMethodKind() const = 0;
    virtual int GetParameterCount() const = 0;
    virtual TInterfacePtr<ISclEventParamInfo> GetParameters(int ParamIdx) const = 0;
    virtual String GetResultTypeName() const = 0;
};

class ISclInterfaceTypeInfo : public virtual ISclTypeInfo {
public:
    static constexpr TGUID IID = SclRTTIGuid(0xB);
    virtual TInterfacePtr<ISclInterfaceTypeInfo> GetParent() const = 0;
    virtual TIntfFlagsBase GetFlags() const = 0;
    virtual TGUID GetGUID() const = 0;
    virtual int GetPropertyCount() const = 0;
    virtual String GetUnitName() const = 0;
};

class ISclInt64TypeInfo : public virtual ISclTypeInfo {
public:
    static constexpr TGUID IID = SclRTTIGuid(0xC);
    virtual Int64 GetMinValue() const = 0;
    virtual Int64 GetMaxValue() const = 0;
};

class ISclDynArrayTypeInfo : public virtual ISclTypeInfo {
public:
    static constexpr TGUID IID = SclRTTIGuid(0xE);
    virtual int GetElementSize() const = 0;
    virtual ISclTypeInfoPtr GetElementType() const = 0;
    virtual bool GetElementsNeedCleanup() const = 0;
    virtual int GetVarType() const = 0;
    virtual String GetUnitName() const = 0;
};

// ---- the wrapper classes ------------------------------------------------------------------

class TSclTypeInfo : public TInterfacedObject, public virtual ISclTypeInfo {
    ORVO_CLASS(TSclTypeInfo, TInterfacedObject)
public:
    explicit TSclTypeInfo(PTypeInfo ATypeInfo);

    HResult QueryInterface(const TGUID& IID, void** Obj) override;
    int _AddRef() override { return TInterfacedObject::_AddRef(); }
    int _Release() override { return TInterfacedObject::_Release(); }

    void WriteDescription(ISclTypeInfoWriter* Dest) override;
    void WriteDeclaration(ISclTypeInfoWriter* Dest) override;
    String GetName() const override;
    PTypeData GetTypeData() const override { return FTypeData; }
    PTypeInfo GetTypeInfo() const override { return FTypeInfo; }
    TTypeKind GetTypeKind() const override { return FTypeInfo->Kind; }

protected:
    // True for the compiler's names of anonymous types (they begin with ".").
    bool IsAnonymous() const { return GetName().startsWith(u'.'); }

    PTypeInfo FTypeInfo;
    PTypeData FTypeData;
};

class TSclOrdinalTypeInfo : public TSclTypeInfo, public virtual ISclOrdinalTypeInfo {
    ORVO_CLASS(TSclOrdinalTypeInfo, TSclTypeInfo)
public:
    using TSclTypeInfo::TSclTypeInfo;
    void WriteDescription(ISclTypeInfoWriter* Dest) override;
    TOrdType GetOrdinalType() const override { return FTypeData->OrdType; }
};

class TSclOrdinalRangeTypeInfo : public TSclOrdinalTypeInfo, public virtual ISclOrdinalRangeTypeInfo {
    ORVO_CLASS(TSclOrdinalRangeTypeInfo, TSclOrdinalTypeInfo)
public:
    using TSclOrdinalTypeInfo::TSclOrdinalTypeInfo;
    void WriteDescription(ISclTypeInfoWriter* Dest) override;
    void WriteDeclaration(ISclTypeInfoWriter* Dest) override;
    Int64 GetMinValue() const override;
    Int64 GetMaxValue() const override;
};

class TSclEnumerationTypeInfo : public TSclOrdinalRangeTypeInfo, public virtual ISclEnumerationTypeInfo {
    ORVO_CLASS(TSclEnumerationTypeInfo, TSclOrdinalRangeTypeInfo)
public:
    using TSclOrdinalRangeTypeInfo::TSclOrdinalRangeTypeInfo;
    void WriteDescription(ISclTypeInfoWriter* Dest) override;
    void WriteDeclaration(ISclTypeInfoWriter* Dest) override;
    TInterfacePtr<ISclEnumerationTypeInfo> GetBaseType() override;
    String GetNames(int I) const override;
    String GetUnitName() const override;
    int IndexOfName(const String& Name) const override;

private:
    PTypeInfo BaseTypeInfo() const;
};

class TSclSetTypeInfo : public TSclOrdinalTypeInfo, public virtual ISclSetTypeInfo {
    ORVO_CLASS(TSclSetTypeInfo, TSclOrdinalTypeInfo)
public:
    using TSclOrdinalTypeInfo::TSclOrdinalTypeInfo;
    void WriteDescription(ISclTypeInfoWriter* Dest) override;
    void WriteDeclaration(ISclTypeInfoWriter* Dest) override;
    TInterfacePtr<ISclOrdinalTypeInfo> GetBaseType() const override;
    void GetAsList(const void* Value, bool WantRanges, TStrings* Strings) const override;
    void SetAsList(void* Value, TStrings* Strings) const override;
};

class TSclFloatTypeInfo : public TSclTypeInfo, public virtual ISclFloatTypeInfo {
    ORVO_CLASS(TSclFloatTypeInfo, TSclTypeInfo)
public:
    using TSclTypeInfo::TSclTypeInfo;
    void WriteDescription(ISclTypeInfoWriter* Dest) override;
    void WriteDeclaration(ISclTypeInfoWriter* Dest) override;
    TFloatType GetFloatType() const override { return FTypeData->FloatType; }
};

class TSclStringTypeInfo : public TSclTypeInfo, public virtual ISclStringTypeInfo {
    ORVO_CLASS(TSclStringTypeInfo, TSclTypeInfo)
public:
    using TSclTypeInfo::TSclTypeInfo;
    void WriteDescription(ISclTypeInfoWriter* Dest) override;
    void WriteDeclaration(ISclTypeInfoWriter* Dest) override;
    // Short strings carry no length of their own in our type information: the largest.
    int GetMaxLength() const override { return 255; }
};

class TSclPropInfo : public TInterfacedObject, public virtual ISclPropInfo {
    ORVO_CLASS(TSclPropInfo, TInterfacedObject)
public:
    explicit TSclPropInfo(PPropInfo APropInfo) : FPropInfo(APropInfo) {}

    HResult QueryInterface(const TGUID& IID, void** Obj) override;
    int _AddRef() override { return TInterfacedObject::_AddRef(); }
    int _Release() override { return TInterfacedObject::_Release(); }

    PPropInfo GetPropInfo() const override { return FPropInfo; }
    ISclTypeInfoPtr GetPropType() const override;
    NativeUInt GetReader() const override;
    NativeUInt GetWriter() const override;
    NativeUInt GetStoredProc() const override;
    int GetIndex() const override { return FPropInfo->Index; }
    Int64 GetDefault() const override { return FPropInfo->Default; }
    int GetNameIndex() const override { return FPropInfo->NameIndex; }
    String GetName() const override { return FPropInfo->Name; }
    TSclPropSpecKind GetReaderType() const override;
    TSclPropSpecKind GetWriterType() const override;
    TSclPropSpecKind GetStoredType() const override;
    NativeUInt GetReaderValue() const override { return GetReader(); }
    NativeUInt GetWriterValue() const override { return GetWriter(); }
    NativeUInt GetStoredValue() const override { return GetStoredProc(); }
    bool IsStored(TObject* AInstance) const override;
    bool HasDefault() const override { return FPropInfo->Default != NoDefault; }
    bool HasIndex() const override { return FPropInfo->Index != int(0x80000000); }

private:
    PPropInfo FPropInfo;
};

class TSclClassTypeInfo : public TSclTypeInfo, public virtual ISclClassTypeInfo {
    ORVO_CLASS(TSclClassTypeInfo, TSclTypeInfo)
public:
    using TSclTypeInfo::TSclTypeInfo;
    void WriteDescription(ISclTypeInfoWriter* Dest) override;
    void WriteDeclaration(ISclTypeInfoWriter* Dest) override;
    TClass GetClassRef() const override { return FTypeData->ClassType; }
    TInterfacePtr<ISclClassTypeInfo> GetParent() const override;
    int GetTotalPropertyCount() const override;
    int GetPropertyCount() const override;
    TInterfacePtr<ISclPropInfo> GetProperties(int PropIdx) const override;
    TInterfacePtr<ISclPropInfo> GetPropNames(const String& Name) const override;
    String GetUnitName() const override { return FTypeData->UnitName; }

private:
    // The properties this class declares itself, in declaration order.
    TPropList OwnProperties() const;
};

class TSclEventParamInfo : public TInterfacedObject, public virtual ISclEventParamInfo {
    ORVO_CLASS(TSclEventParamInfo, TInterfacedObject)
public:
    TSclEventParamInfo(TParamFlags AFlags, const String& AName, const String& ATypeName)
        : FFlags(AFlags), FName(AName), FTypeName(ATypeName) {}

    HResult QueryInterface(const TGUID& IID, void** Obj) override;
    int _AddRef() override { return TInterfacedObject::_AddRef(); }
    int _Release() override { return TInterfacedObject::_Release(); }

    TParamFlags GetFlags() const override { return FFlags; }
    String GetName() const override { return FName; }
    // A flags byte and two short strings.
    int GetRecSize() const override { return int(FName.size() + FTypeName.size()) + 3; }
    String GetTypeName() const override { return FTypeName; }

private:
    TParamFlags FFlags;
    String FName;
    String FTypeName;
};

class TSclEventTypeInfo : public TSclTypeInfo, public virtual ISclEventTypeInfo {
    ORVO_CLASS(TSclEventTypeInfo, TSclTypeInfo)
public:
    using TSclTypeInfo::TSclTypeInfo;
    void WriteDescription(ISclTypeInfoWriter* Dest) override;
    void WriteDeclaration(ISclTypeInfoWriter* Dest) override;
    // Event handlers are procedures of an object.
    TMethodKind GetMethodKind() const override { return mkProcedure; }
    int GetParameterCount() const override { return FTypeData->ParamCount; }
    // Our method types record the number of parameters only, not their names and types:
    // there is no parameter record to hand out.
    TInterfacePtr<ISclEventParamInfo> GetParameters(int) const override { return nullptr; }
    String GetResultTypeName() const override { return String(); }
};

class TSclInterfaceTypeInfo : public TSclTypeInfo, public virtual ISclInterfaceTypeInfo {
    ORVO_CLASS(TSclInterfaceTypeInfo, TSclTypeInfo)
public:
    using TSclTypeInfo::TSclTypeInfo;
    void WriteDescription(ISclTypeInfoWriter* Dest) override;
    void WriteDeclaration(ISclTypeInfoWriter* Dest) override;
    // Interfaces are not published in our type information: no parent, flags or identity.
    TInterfacePtr<ISclInterfaceTypeInfo> GetParent() const override { return nullptr; }
    TIntfFlagsBase GetFlags() const override { return {}; }
    TGUID GetGUID() const override { return TGUID{}; }
    int GetPropertyCount() const override { return 0; }
    String GetUnitName() const override { return FTypeData->UnitName; }
};

class TSclInt64TypeInfo : public TSclTypeInfo, public virtual ISclInt64TypeInfo {
    ORVO_CLASS(TSclInt64TypeInfo, TSclTypeInfo)
public:
    using TSclTypeInfo::TSclTypeInfo;
    void WriteDescription(ISclTypeInfoWriter* Dest) override;
    void WriteDeclaration(ISclTypeInfoWriter* Dest) override;
    Int64 GetMinValue() const override { return FTypeData->MinValue; }
    Int64 GetMaxValue() const override { return FTypeData->MaxValue; }
};

class TSclDynArrayTypeInfo : public TSclTypeInfo, public virtual ISclDynArrayTypeInfo {
    ORVO_CLASS(TSclDynArrayTypeInfo, TSclTypeInfo)
public:
    using TSclTypeInfo::TSclTypeInfo;
    void WriteDescription(ISclTypeInfoWriter* Dest) override;
    void WriteDeclaration(ISclTypeInfoWriter* Dest) override;
    // Dynamic arrays are not published in our type information: no element type.
    int GetElementSize() const override { return 0; }
    ISclTypeInfoPtr GetElementType() const override { return nullptr; }
    bool GetElementsNeedCleanup() const override { return false; }
    int GetVarType() const override { return 0; }
    String GetUnitName() const override { return FTypeData->UnitName; }
};

// ---- free functions -----------------------------------------------------------------------

// The wrapper of a type, of the class that fits its kind.
ISclTypeInfoPtr SclTypeInfoWrapper(PTypeInfo ATypeInfo);
// The name of the enumeration value at Value (held in the enumeration's storage size), or
// "Value out of range (ordinal=N)." when it lies outside the type's range.
String SclOrdinalValueName(PTypeInfo EnumType, const void* Value);
// The elements of a set value joined by ", ", in brackets with Brackets; runs as one item
// "a .. b" with WantRanges. The second form collects the items in WorkList, keeping its
// earlier items out of the text.
String SclSetToText(PTypeInfo SetType, const void* Value, bool WantBrackets = false, bool WantRanges = false);
String SclSetToText(PTypeInfo SetType, const void* Value, TStrings* WorkList, bool WantBrackets = false,
                    bool WantRanges = false);
// Fills Value from element texts separated by commas, with or without brackets.
void SclTextToSet(PTypeInfo SetType, void* Value, const String& Text);
