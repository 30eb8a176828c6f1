#include "platform/classes/Writer.h"

#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/Streams.h"

#include <cmath>
#include <cstring>

ORVO_IMPLEMENT_CLASS(TWriter, TFiler)

namespace {
// Deeper nesting of object properties than any real class has: a cycle.
constexpr int MaxNesting = 64;

bool isAscii(const String& s) {
    for (QChar c : s)
        if (c.unicode() >= 0x80) return false;
    return true;
}

bool sameCode(const TMethod& a, const TMethod& b) {
    if (a.Assigned() != b.Assigned()) return false;
    if (!a.Assigned()) return true;
    return a.Thunk == b.Thunk && a.Callable == b.Callable && std::memcmp(a.Code, b.Code, sizeof a.Code) == 0;
}

// The bytes a collection is written as, to compare a collection with the ancestor's.
QByteArray collectionBytes(TCollection* c, TComponent* root) {
    TMemoryStream mem;
    {
        TWriter w(&mem, 1024);
        w.SetRoot(root);
        w.WriteCollection(c);
    }
    return QByteArray(static_cast<const char*>(mem.Memory()), int(mem.Size()));
}
} // namespace

TWriter::TWriter(TStream* Stream, int BufSize) : TFiler(Stream, BufSize) {}

TWriter::~TWriter() {
    try {
        FlushBuffer();
    } catch (...) {
    }
}

void TWriter::SetRoot(TComponent* Value) {
    TFiler::SetRoot(Value);
    FLookupRoot = Value;
}

// ---- bytes --------------------------------------------------------------------------------------

void TWriter::FlushBuffer() {
    if (FBufPos > 0) {
        const int n = FBufPos;
        FBufPos = 0;
        FStream->WriteBuffer(FBuffer.data(), n);
    }
}

void TWriter::Write(const void* Buf, int Count) {
    const auto* in = static_cast<const Byte*>(Buf);
    while (Count > 0) {
        if (FBufPos == int(FBuffer.size())) FlushBuffer();
        const int n = std::min(Count, int(FBuffer.size()) - FBufPos);
        std::memcpy(FBuffer.data() + FBufPos, in, std::size_t(n));
        FBufPos += n;
        in += n;
        Count -= n;
    }
}

Int64 TWriter::Position() {
    return FStream->Position() + FBufPos;
}

// ---- values -------------------------------------------------------------------------------------

void TWriter::WriteValue(TValueType Value) {
    const Byte b = Byte(Value);
    Write(&b, 1);
}

void TWriter::WriteSignature() {
    Write(FilerSignature, 4);
}

void TWriter::WritePrefix(TFilerFlags Flags, int AChildPos) {
    if (Flags.empty()) return;
    const Byte b = Byte(0xF0 | Flags.toBits());
    Write(&b, 1);
    if (Flags.Contains(ffChildPos)) WriteInteger(AChildPos);
}

void TWriter::WriteListBegin() {
    WriteValue(vaList);
}
void TWriter::WriteListEnd() {
    WriteValue(vaNull);
}

void TWriter::WriteInteger(Int64 Value) {
    if (Value >= INT8_MIN && Value <= INT8_MAX) {
        WriteValue(vaInt8);
        const std::int8_t v = std::int8_t(Value);
        Write(&v, 1);
    } else if (Value >= INT16_MIN && Value <= INT16_MAX) {
        WriteValue(vaInt16);
        const std::int16_t v = std::int16_t(Value);
        Write(&v, 2);
    } else if (Value >= INT32_MIN && Value <= INT32_MAX) {
        WriteValue(vaInt32);
        const std::int32_t v = std::int32_t(Value);
        Write(&v, 4);
    } else {
        WriteValue(vaInt64);
        const std::int64_t v = Value;
        Write(&v, 8);
    }
}

void TWriter::WriteBoolean(bool Value) {
    WriteValue(Value ? vaTrue : vaFalse);
}

void TWriter::WriteChar(QChar Value) {
    WriteString(String(Value));
}

void TWriter::WriteFloat(Extended Value) {
    WriteValue(vaExtended);
    Byte raw[16] = {};
    std::memcpy(raw, &Value, sizeof Value < 16 ? sizeof Value : 16);
    Write(raw, 10);
}

void TWriter::WriteSingle(float Value) {
    WriteValue(vaSingle);
    Write(&Value, 4);
}

void TWriter::WriteDouble(double Value) {
    WriteValue(vaDouble);
    Write(&Value, 8);
}

void TWriter::WriteCurrency(Extended Value) {
    WriteValue(vaCurrency);
    const std::int64_t v = std::llround(double(Value * 10000));
    Write(&v, 8);
}

void TWriter::WriteDate(TDateTime Value) {
    WriteValue(vaDate);
    const double v = Value;
    Write(&v, 8);
}

void TWriter::WriteString(const String& Value) {
    if (!isAscii(Value)) {
        WriteUTF8Str(Value);
        return;
    }
    const QByteArray bytes = Value.toUtf8();
    if (bytes.size() <= 255) {
        WriteValue(vaString);
        const Byte n = Byte(bytes.size());
        Write(&n, 1);
    } else {
        WriteValue(vaLString);
        const std::int32_t n = std::int32_t(bytes.size());
        Write(&n, 4);
    }
    Write(bytes.constData(), int(bytes.size()));
}

void TWriter::WriteUTF8Str(const String& Value) {
    const QByteArray bytes = Value.toUtf8();
    WriteValue(vaUTF8String);
    const std::int32_t n = std::int32_t(bytes.size());
    Write(&n, 4);
    Write(bytes.constData(), int(bytes.size()));
}

void TWriter::WriteStr(const String& Value) {
    const QByteArray bytes = Value.toUtf8();
    // A longer name would be cut and read back as another name.
    if (bytes.size() > 255) throw EWriteError(QStringLiteral("Name too long: %1").arg(Value.left(40)));
    const Byte n = Byte(bytes.size());
    Write(&n, 1);
    Write(bytes.constData(), int(bytes.size()));
}

void TWriter::WriteIdent(const String& Ident) {
    if (Ident.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        WriteValue(vaFalse);
    else if (Ident.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        WriteValue(vaTrue);
    else if (Ident.compare(QLatin1String("nil"), Qt::CaseInsensitive) == 0)
        WriteValue(vaNil);
    else if (Ident.compare(QLatin1String("Null"), Qt::CaseInsensitive) == 0)
        WriteValue(vaNull);
    else {
        WriteValue(vaIdent);
        WriteStr(Ident);
    }
}

void TWriter::WritePropName(const String& PropName) {
    WriteStr(FPropPath + PropName);
}

void TWriter::WriteSet(const std::vector<String>& Names) {
    WriteValue(vaSet);
    for (const String& n : Names)
        WriteStr(n);
    WriteStr(String());
}

void TWriter::WriteBinary(const void* Data, int Count) {
    WriteValue(vaBinary);
    const std::int32_t n = Count;
    Write(&n, 4);
    if (Count) Write(Data, Count);
}

// ---- defined properties -------------------------------------------------------------------------

void TWriter::DefineProperty(const String& Name, TReaderProc, TWriterProc WriteData, bool HasData) {
    if (!HasData || !WriteData.Assigned()) return;
    WritePropName(Name);
    WriteData(this);
}

void TWriter::DefineBinaryProperty(const String& Name, TStreamProc, TStreamProc WriteData, bool HasData) {
    if (!HasData || !WriteData.Assigned()) return;
    WritePropName(Name);
    TMemoryStream mem;
    WriteData(&mem);
    WriteBinary(mem.Memory(), int(mem.Size()));
}

// ---- properties ---------------------------------------------------------------------------------

String TWriter::GetComponentValue(TComponent* Component) {
    if (!Component) return {};
    TComponent* lookup = FLookupRoot ? FLookupRoot : FRoot;
    if (Component->Owner() && Component->Owner() == lookup) return Component->Name();
    if (Component == lookup) return QStringLiteral("Owner");
    if (Component->Owner() && !Component->Owner()->Name().isEmpty() && !Component->Name().isEmpty())
        return Component->Owner()->Name() + QLatin1Char('.') + Component->Name();
    if (!Component->Name().isEmpty()) return Component->Name() + QStringLiteral(".Owner");
    return {};
}

void TWriter::WriteProperties(TPersistent* Instance) {
    if (++FDepth > MaxNesting) {
        FDepth = 0;
        throw EWriteError(QStringLiteral("Properties of %1 nest too deep").arg(Instance->ClassName()));
    }
    for (PPropInfo p : GetPropList(Instance, tkProperties))
        if (IsStoredProp(Instance, p)) WriteProperty(Instance, p);
    CallDefineProperties(Instance);
    --FDepth;
}

bool TWriter::isDefaultValue(TPersistent* Instance, PPropInfo Prop, TPersistent* Anc) {
    switch (Prop->PropType->Kind) {
    case tkInteger:
    case tkChar:
    case tkWChar:
    case tkEnumeration:
    case tkSet: {
        const Int64 v = GetOrdProp(Instance, Prop);
        if (Anc) return v == GetOrdProp(Anc, Prop);
        return Prop->Default != NoDefault && v == Prop->Default;
    }
    case tkInt64: {
        const Int64 v = GetInt64Prop(Instance, Prop);
        if (Anc) return v == GetInt64Prop(Anc, Prop);
        return v == (Prop->HasDefault ? Prop->Default : 0);
    }
    case tkFloat: {
        const Extended v = GetFloatProp(Instance, Prop);
        if (Anc) return v == GetFloatProp(Anc, Prop);
        return v == (Prop->HasDefault ? Extended(Prop->Default) : 0);
    }
    case tkString:
    case tkLString:
    case tkWString:
    case tkUString: {
        const String v = GetStrProp(Instance, Prop);
        if (Anc) return v == GetStrProp(Anc, Prop);
        return v.isEmpty();
    }
    case tkMethod: {
        const TMethod v = GetMethodProp(Instance, Prop);
        if (Anc) return sameCode(v, GetMethodProp(Anc, Prop));
        return !v.Assigned();
    }
    default:
        return false;
    }
}

void TWriter::WriteProperty(TPersistent* Instance, PPropInfo Prop) {
    const TTypeKind kind = Prop->PropType->Kind;
    if (kind != tkClass && !Prop->Writable()) return;
    TPersistent* anc = FAncestor && FAncestor->InheritsFrom(Prop->DeclaringClass) ? FAncestor : nullptr;
    if (kind != tkClass && isDefaultValue(Instance, Prop, anc)) return;
    writePropValue(Instance, Prop, anc);
}

void TWriter::writePropValue(TPersistent* Instance, PPropInfo Prop, TPersistent* Anc) {
    PTypeInfo type = Prop->PropType;
    switch (type->Kind) {
    case tkInteger: {
        const Int64 v = GetOrdProp(Instance, Prop);
        String ident;
        TIntToIdent toIdent = FindIntToIdent(type);
        WritePropName(Prop->Name);
        if (toIdent && v >= INT32_MIN && v <= INT32_MAX && toIdent(int(v), ident))
            WriteIdent(ident);
        else
            WriteInteger(v);
        break;
    }
    case tkChar:
    case tkWChar:
        WritePropName(Prop->Name);
        WriteChar(QChar(char16_t(GetOrdProp(Instance, Prop))));
        break;
    case tkEnumeration: {
        const Int64 v = GetOrdProp(Instance, Prop);
        WritePropName(Prop->Name);
        if (type->Data.IsBoolean)
            WriteBoolean(v != 0);
        else
            WriteIdent(GetEnumName(type, int(v)));
        break;
    }
    case tkSet: {
        const std::uint64_t bits = std::uint64_t(GetOrdProp(Instance, Prop));
        std::vector<String> names;
        PTypeInfo elem = type->Data.CompType;
        if (elem)
            for (Int64 e = elem->Data.MinValue; e <= elem->Data.MaxValue && e < 64; ++e)
                if (bits & (std::uint64_t(1) << e)) names.push_back(GetEnumName(elem, int(e)));
        WritePropName(Prop->Name);
        WriteSet(names);
        break;
    }
    case tkFloat: {
        const Extended v = GetFloatProp(Instance, Prop);
        WritePropName(Prop->Name);
        if (type == TypeInfoTDateTime())
            WriteDate(TDateTime(v));
        else if (type->Data.FloatType == ftSingle)
            WriteSingle(float(v));
        else if (type->Data.FloatType == ftCurr)
            WriteCurrency(v);
        else
            WriteFloat(v);
        break;
    }
    case tkString:
    case tkLString:
    case tkWString:
    case tkUString:
        WritePropName(Prop->Name);
        WriteString(GetStrProp(Instance, Prop));
        break;
    case tkInt64:
        WritePropName(Prop->Name);
        WriteInteger(GetInt64Prop(Instance, Prop));
        break;
    case tkMethod: {
        const TMethod m = GetMethodProp(Instance, Prop);
        if (!m.Assigned()) {
            // Only reached with an ancestor that has a handler: clear it.
            WritePropName(Prop->Name);
            WriteValue(vaNil);
            break;
        }
        // A handler that is not a published method of the root cannot be named, and a
        // stream naming nothing could not be read back: it is left out.
        TObject* root = FLookupRoot ? static_cast<TObject*>(FLookupRoot) : static_cast<TObject*>(FRoot);
        const String name = MethodName(root, m);
        if (name.isEmpty()) break;
        WritePropName(Prop->Name);
        WriteIdent(name);
        break;
    }
    case tkClass: {
        if (!IsPropPresent(Instance, Prop)) break;
        TObject* obj = GetObjectProp(Instance, Prop);
        TObject* ancObj = Anc && IsPropPresent(Anc, Prop) ? GetObjectProp(Anc, Prop) : nullptr;
        auto* comp = dynamic_cast<TComponent*>(obj);
        const bool declaredComponent =
            type->Data.ClassType && type->Data.ClassType->InheritsFrom(TComponent::StaticClass());
        const bool isReference =
            comp ? !comp->ComponentStyle().Contains(csSubComponent) : (!obj && declaredComponent);
        if (isReference) {
            if (!Prop->Writable()) break;
            auto* ancComp = dynamic_cast<TComponent*>(ancObj);
            if (!comp) {
                if (ancComp) {
                    WritePropName(Prop->Name);
                    WriteValue(vaNil);
                }
                break;
            }
            if (ancComp && ancComp->Name().compare(comp->Name(), Qt::CaseInsensitive) == 0) break;
            const String name = GetComponentValue(comp);
            if (name.isEmpty()) break;
            WritePropName(Prop->Name);
            WriteIdent(name);
            break;
        }
        auto* pers = dynamic_cast<TPersistent*>(obj);
        if (!pers) break;
        if (auto* coll = dynamic_cast<TCollection*>(pers)) {
            if (auto* ancColl = dynamic_cast<TCollection*>(ancObj))
                if (collectionBytes(coll, FRoot) == collectionBytes(ancColl, FRoot)) break;
            WritePropName(Prop->Name);
            WriteCollection(coll);
            break;
        }
        const String oldPath = FPropPath;
        TPersistent* oldAncestor = FAncestor;
        auto* ancPers = dynamic_cast<TPersistent*>(ancObj);
        FPropPath = FPropPath + Prop->Name + QLatin1Char('.');
        FAncestor = ancPers && ancPers->ClassType() == pers->ClassType() ? ancPers : nullptr;
        try {
            WriteProperties(pers);
        } catch (...) {
            FPropPath = oldPath;
            FAncestor = oldAncestor;
            throw;
        }
        FPropPath = oldPath;
        FAncestor = oldAncestor;
        break;
    }
    default:
        break;
    }
}

void TWriter::WriteCollection(TCollection* Value) {
    WriteValue(vaCollection);
    const String oldPath = FPropPath;
    TPersistent* oldAncestor = FAncestor;
    FPropPath.clear();
    FAncestor = nullptr;
    try {
        if (Value)
            for (int i = 0; i < Value->Count(); ++i) {
                WriteListBegin();
                WriteProperties(Value->Items(i));
                WriteListEnd();
            }
    } catch (...) {
        FPropPath = oldPath;
        FAncestor = oldAncestor;
        throw;
    }
    FPropPath = oldPath;
    FAncestor = oldAncestor;
    WriteListEnd();
}

// ---- components ---------------------------------------------------------------------------------

void TWriter::WriteRootComponent(TComponent* Root) {
    WriteDescendent(Root, nullptr);
}

void TWriter::WriteDescendent(TComponent* Root, TComponent* AAncestor) {
    FRoot = Root;
    FLookupRoot = Root;
    FRootAncestor = AAncestor;
    FAncestor = AAncestor;
    WriteSignature();
    WriteComponent(Root);
}

void TWriter::writeComponentProc(TComponent* Child) {
    TPersistent* oldAncestor = FAncestor;
    TComponent* anc =
        FRootAncestor && !Child->Name().isEmpty() ? FRootAncestor->FindComponent(Child->Name()) : nullptr;
    FAncestor = anc && anc->ClassType() == Child->ClassType() ? anc : nullptr;
    try {
        WriteComponent(Child);
    } catch (...) {
        FAncestor = oldAncestor;
        throw;
    }
    FAncestor = oldAncestor;
}

void TWriter::WriteComponent(TComponent* Component) {
    Component->FComponentState << csWriting;
    try {
        Component->WriteState(this);
        WriteData(Component);
    } catch (...) {
        Component->FComponentState >> csWriting;
        throw;
    }
    Component->FComponentState >> csWriting;
}

void TWriter::WriteData(TComponent* Instance) {
    TFilerFlags flags;
    if (FAncestor) flags << ffInherited;
    if (Instance->ComponentState().Contains(csInline)) flags << ffInline;
    WritePrefix(flags, 0);
    WriteStr(Instance->ClassName());
    WriteStr(Instance->Name());
    WriteProperties(Instance);
    WriteListEnd();
    if (!FIgnoreChildren) Instance->GetChildren(TGetChildProc(this, &TWriter::writeComponentProc), FRoot);
    WriteListEnd();
}
