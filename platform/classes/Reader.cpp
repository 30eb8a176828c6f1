#include "platform/classes/Reader.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/Streams.h"

#include <QStringDecoder>
#include <QStringList>
#include <cstring>
#include <mutex>

ORVO_IMPLEMENT_CLASS(TReader, TFiler)

namespace {
// A stream that is not a component stream, or ends early: never skipped by OnError.
ORVO_DECLARE_EXCEPTION(EStreamFormatError, EReadError)
// A property error already reported to OnError: passed on unchanged by enclosing reads.
ORVO_DECLARE_EXCEPTION(EReportedReadError, EReadError)

// Deeper nesting than any real form; stops crafted streams from exhausting the stack.
constexpr int MaxNesting = 256;

String decode8Bit(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    String s = utf8(bytes);
    if (!utf8.hasError()) return s;
    return QString::fromLatin1(bytes);
}

// "Error reading <where>.<property>: <message>"; the point only follows a non-empty where.
String errorReading(const String& Where, const String& PropName, const String& Message) {
    const String dot = Where.isEmpty() ? String() : QStringLiteral(".");
    return Format(LoadResString(&SErrorReading), {Where, dot, PropName, Message});
}

[[noreturn]] void valueError() {
    throw EReadError::CreateRes(&SInvalidPropertyValue);
}

std::mutex& globalLock() {
    static std::mutex m;
    return m;
}
TFindGlobalComponent& globalFinder() {
    static TFindGlobalComponent f;
    return f;
}
} // namespace

void RegisterFindGlobalComponent(TFindGlobalComponent Fn) {
    std::lock_guard lock(globalLock());
    globalFinder() = std::move(Fn);
}
void UnregisterFindGlobalComponent() {
    std::lock_guard lock(globalLock());
    globalFinder() = nullptr;
}
TComponent* FindGlobalComponent(const String& Name) {
    TFindGlobalComponent f;
    {
        std::lock_guard lock(globalLock());
        f = globalFinder();
    }
    return f ? f(Name) : nullptr;
}

TComponent* FindNestedComponent(TComponent* Root, const String& NamePath) {
    if (NamePath.isEmpty()) return nullptr;
    const QStringList parts = NamePath.split(QLatin1Char('.'));
    TComponent* current = nullptr;
    for (int i = 0; i < parts.size(); ++i) {
        const String& seg = parts[i];
        if (seg.isEmpty()) return nullptr;
        // "Owner" names the component reached so far (the root when it comes first).
        if (seg.compare(QLatin1String("Owner"), Qt::CaseInsensitive) == 0) {
            if (i == 0) current = Root;
            if (!current) return nullptr;
            continue;
        }
        if (i == 0) {
            current = Root ? Root->FindComponent(seg) : nullptr;
            if (!current && Root && Root->Name().compare(seg, Qt::CaseInsensitive) == 0 && parts.size() == 1)
                current = Root;
            if (!current) current = FindGlobalComponent(seg);
        } else {
            current = current->FindComponent(seg);
        }
        if (!current) return nullptr;
    }
    return current;
}

TReader::TReader(TStream* Stream, int BufSize) : TFiler(Stream, BufSize) {}

TReader::~TReader() {
    try {
        FlushBuffer();
    } catch (...) {
    }
}

TObject* TReader::MethodRoot() const {
    return FMethodRoot ? FMethodRoot : static_cast<TObject*>(FRoot);
}

// ---- buffered bytes ---------------------------------------------------------------------------

void TReader::FlushBuffer() {
    if (FBufEnd > FBufPos) FStream->Seek(-(FBufEnd - FBufPos), soCurrent);
    FBufPos = FBufEnd = 0;
}

void TReader::fill() {
    FBufPos = 0;
    FBufEnd = FStream->Read(FBuffer.data(), int(FBuffer.size()));
    if (FBufEnd <= 0) {
        FBufEnd = 0;
        throw EStreamFormatError::CreateRes(&SReadError);
    }
}

void TReader::Read(void* Buf, int Count) {
    auto* out = static_cast<Byte*>(Buf);
    while (Count > 0) {
        if (FBufPos == FBufEnd) fill();
        const int n = std::min(Count, FBufEnd - FBufPos);
        std::memcpy(out, FBuffer.data() + FBufPos, std::size_t(n));
        FBufPos += n;
        out += n;
        Count -= n;
    }
}

Byte TReader::readByte() {
    if (FBufPos == FBufEnd) fill();
    return FBuffer[std::size_t(FBufPos++)];
}

Int64 TReader::Position() {
    return FStream->Position() - (FBufEnd - FBufPos);
}

void TReader::SetPosition(Int64 Value) {
    FStream->SetPosition(Value);
    FBufPos = FBufEnd = 0;
}

void TReader::formatError() {
    throw EStreamFormatError(QStringLiteral("Invalid stream format"));
}

void TReader::enter() {
    if (++FDepth > MaxNesting) {
        FDepth = 0;
        formatError();
    }
}

// A 32-bit length that must fit in what is left of the stream.
int TReader::readLength() {
    std::int32_t n = 0;
    Read(&n, 4);
    if (n < 0 || n > FStream->Size() - Position()) formatError();
    return n;
}

// ---- values -------------------------------------------------------------------------------------

TValueType TReader::ReadValue() {
    const Byte b = readByte();
    return TValueType(b);
}

TValueType TReader::NextValue() {
    const TValueType v = ReadValue();
    --FBufPos; // the byte just read is still in the buffer
    return v;
}

void TReader::CheckValue(TValueType Value) {
    if (ReadValue() != Value) {
        --FBufPos;
        valueError();
    }
}

bool TReader::EndOfList() {
    return NextValue() == vaNull;
}

void TReader::ReadListBegin() {
    CheckValue(vaList);
}

void TReader::ReadListEnd() {
    if (ReadValue() != vaNull) formatError();
}

void TReader::ReadSignature() {
    char sig[4];
    Read(sig, 4);
    if (std::memcmp(sig, FilerSignature, 4) != 0) formatError();
}

void TReader::ReadPrefix(TFilerFlags& Flags, int& AChildPos) {
    Flags = {};
    AChildPos = 0;
    const Byte b = Byte(NextValue());
    if ((b & 0xF0) != 0xF0) return;
    ReadValue();
    Flags = TFilerFlags::fromBits(b & 0x07);
    if (Flags.Contains(ffChildPos)) AChildPos = ReadInteger();
}

int TReader::ReadInteger() {
    switch (ReadValue()) {
    case vaInt8: {
        std::int8_t v;
        Read(&v, 1);
        return v;
    }
    case vaInt16: {
        std::int16_t v;
        Read(&v, 2);
        return v;
    }
    case vaInt32: {
        std::int32_t v;
        Read(&v, 4);
        return v;
    }
    default:
        --FBufPos;
        valueError();
    }
}

Int64 TReader::ReadInt64() {
    if (NextValue() == vaInt64) {
        ReadValue();
        std::int64_t v;
        Read(&v, 8);
        return v;
    }
    return ReadInteger();
}

bool TReader::ReadBoolean() {
    const TValueType v = ReadValue();
    if (v == vaTrue) return true;
    if (v == vaFalse) return false;
    --FBufPos;
    valueError();
}

QChar TReader::ReadChar() {
    const String s = ReadString();
    if (s.size() != 1) valueError();
    return s[0];
}

Extended TReader::ReadFloat() {
    switch (ReadValue()) {
    case vaExtended: {
        Extended v = 0;
        Read(&v, 10);
        return v;
    }
    case vaDouble:
    case vaDate: {
        double v;
        Read(&v, 8);
        return v;
    }
    case vaSingle: {
        float v;
        Read(&v, 4);
        return v;
    }
    case vaCurrency: {
        std::int64_t v;
        Read(&v, 8);
        return Extended(v) / 10000;
    }
    default:
        --FBufPos;
        return Extended(ReadInt64());
    }
}

float TReader::ReadSingle() {
    return float(ReadFloat());
}
double TReader::ReadDouble() {
    return double(ReadFloat());
}
Extended TReader::ReadCurrency() {
    return ReadFloat();
}
TDateTime TReader::ReadDate() {
    return TDateTime(ReadFloat());
}

String TReader::ReadString() {
    switch (ReadValue()) {
    case vaString: {
        const int n = readByte();
        QByteArray b(n, Qt::Uninitialized);
        Read(b.data(), n);
        return decode8Bit(b);
    }
    case vaLString: {
        const int n = readLength();
        QByteArray b(n, Qt::Uninitialized);
        Read(b.data(), n);
        return decode8Bit(b);
    }
    case vaWString: {
        std::int32_t n = 0;
        Read(&n, 4);
        if (n < 0 || Int64(n) * 2 > FStream->Size() - Position()) formatError();
        String s(n, Qt::Uninitialized);
        Read(s.data(), n * 2);
        return s;
    }
    case vaUTF8String: {
        const int n = readLength();
        QByteArray b(n, Qt::Uninitialized);
        Read(b.data(), n);
        return QString::fromUtf8(b);
    }
    default:
        --FBufPos;
        valueError();
    }
}

String TReader::ReadStr() {
    const int n = readByte();
    QByteArray b(n, Qt::Uninitialized);
    Read(b.data(), n);
    return QString::fromUtf8(b);
}

String TReader::ReadIdent() {
    switch (ReadValue()) {
    case vaIdent:
        return ReadStr();
    case vaFalse:
        return QStringLiteral("False");
    case vaTrue:
        return QStringLiteral("True");
    case vaNil:
        return QStringLiteral("nil");
    case vaNull:
        return QStringLiteral("Null");
    default:
        --FBufPos;
        valueError();
    }
}

std::vector<String> TReader::ReadSetNames() {
    std::vector<String> names;
    for (;;) {
        String n = ReadStr();
        if (n.isEmpty()) break;
        names.push_back(std::move(n));
    }
    return names;
}

std::vector<Byte> TReader::ReadBinary() {
    CheckValue(vaBinary);
    const int n = readLength();
    std::vector<Byte> data(static_cast<std::size_t>(n));
    if (n) Read(data.data(), n);
    return data;
}

void TReader::SkipValue() {
    auto skip = [this](Int64 n) {
        if (n < 0 || n > FStream->Size() - Position()) formatError();
        // Within the buffer, or by moving the stream.
        if (n <= FBufEnd - FBufPos)
            FBufPos += int(n);
        else
            SetPosition(Position() + n);
    };
    switch (ReadValue()) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil:
        break;
    case vaList:
        enter();
        while (!EndOfList())
            SkipValue();
        ReadListEnd();
        leave();
        break;
    case vaInt8:
        skip(1);
        break;
    case vaInt16:
        skip(2);
        break;
    case vaInt32:
    case vaSingle:
        skip(4);
        break;
    case vaExtended:
        skip(10);
        break;
    case vaInt64:
    case vaDouble:
    case vaDate:
    case vaCurrency:
        skip(8);
        break;
    case vaString:
    case vaIdent:
        skip(readByte());
        break;
    case vaBinary:
    case vaLString:
    case vaUTF8String:
        skip(readLength());
        break;
    case vaWString: {
        std::int32_t n = 0;
        Read(&n, 4);
        skip(Int64(n) * 2);
        break;
    }
    case vaSet:
        while (!ReadStr().isEmpty()) {
        }
        break;
    case vaCollection:
        enter();
        while (!EndOfList()) {
            const TValueType v = NextValue();
            if (v == vaInt8 || v == vaInt16 || v == vaInt32) SkipValue();
            ReadListBegin();
            while (!EndOfList()) {
                ReadStr();
                SkipValue();
            }
            ReadListEnd();
        }
        ReadListEnd();
        leave();
        break;
    default:
        formatError();
    }
}

// ---- properties ---------------------------------------------------------------------------------

void TReader::DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc, bool) {
    if (!FPropName.isEmpty() && ReadData.Assigned() && Name.compare(FPropName, Qt::CaseInsensitive) == 0) {
        FPropName.clear();
        ReadData(this);
    }
}

void TReader::DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc, bool) {
    if (!FPropName.isEmpty() && ReadData.Assigned() && Name.compare(FPropName, Qt::CaseInsensitive) == 0) {
        FPropName.clear();
        const std::vector<Byte> data = ReadBinary();
        TMemoryStream mem;
        if (!data.empty()) mem.WriteBuffer(data.data(), int(data.size()));
        mem.SetPosition(0);
        ReadData(&mem);
    }
}

bool TReader::Error(const String& Message) {
    bool handled = false;
    if (OnError.Assigned()) OnError(this, Message, handled);
    return handled;
}

void TReader::ReadProperty(TPersistent* AInstance) {
    const String fullName = ReadStr();
    const Int64 valueStart = Position();
    try {
        TPersistent* instance = AInstance;
        const QStringList parts = fullName.split(QLatin1Char('.'));
        for (int i = 0; i + 1 < parts.size(); ++i) {
            PPropInfo p = GetPropInfo(instance, parts[i]);
            TObject* sub = p && p->PropType->Kind == tkClass ? GetObjectProp(instance, p) : nullptr;
            instance = dynamic_cast<TPersistent*>(sub);
            if (!instance) throw EReadError::CreateResFmt(&SPropertyDoesNotExist, {fullName});
        }
        const String& last = parts.back();
        if (PPropInfo p = GetPropInfo(instance, last)) {
            FPropName = last;
            readPropValue(instance, p);
        } else {
            FPropName = last;
            CallDefineProperties(instance);
            if (!FPropName.isEmpty()) throw EReadError::CreateResFmt(&SPropertyDoesNotExist, {fullName});
        }
        FPropName.clear();
    } catch (const EStreamFormatError&) {
        throw;
    } catch (const EReportedReadError&) {
        throw;
    } catch (const EClassNotFound&) {
        throw;
    } catch (const Exception& e) {
        FPropName.clear();
        const String where = AInstance ? AInstance->GetNamePath() : String();
        const String msg = errorReading(where, fullName, e.Message);
        // Skip the value whatever state the failed read left, so that reading can go on.
        SetPosition(valueStart);
        SkipValue();
        if (!Error(msg)) throw EReportedReadError(msg);
    }
}

TMethod TReader::FindMethod(TObject* Root, const String& MethodName) {
    TMethod m = MethodAddress(Root, MethodName);
    if (m.Assigned()) return m;
    bool error = true;
    if (OnFindMethod.Assigned()) OnFindMethod(this, MethodName, m, error);
    if (!m.Assigned() && error) throw EReadError(QStringLiteral("Method %1 not found").arg(MethodName));
    return m;
}

void TReader::readPropValue(TPersistent* Instance, PPropInfo Prop) {
    const TTypeKind kind = Prop->PropType->Kind;
    if (kind != tkClass && !Prop->Writable()) throw EReadError(QStringLiteral("Property is read-only"));
    switch (kind) {
    case tkInteger:
        if (NextValue() == vaIdent) {
            const String ident = ReadIdent();
            int v = 0;
            TIdentToInt toInt = FindIdentToInt(Prop->PropType);
            if (!toInt || !toInt(ident, v)) valueError();
            SetOrdProp(Instance, Prop, v);
        } else {
            SetOrdProp(Instance, Prop, ReadInt64());
        }
        break;
    case tkChar:
    case tkWChar:
        SetOrdProp(Instance, Prop, ReadChar().unicode());
        break;
    case tkEnumeration: {
        const int v = GetEnumValue(Prop->PropType, ReadIdent());
        if (v < 0) valueError();
        SetOrdProp(Instance, Prop, v);
        break;
    }
    case tkSet: {
        CheckValue(vaSet);
        PTypeInfo elem = Prop->PropType->Data.CompType;
        std::uint64_t bits = 0;
        for (const String& n : ReadSetNames()) {
            const int v = GetEnumValue(elem, n);
            if (v < 0 || v >= 64) valueError();
            bits |= std::uint64_t(1) << v;
        }
        SetOrdProp(Instance, Prop, Int64(bits));
        break;
    }
    case tkFloat:
        SetFloatProp(Instance, Prop, ReadFloat());
        break;
    case tkString:
    case tkLString:
    case tkWString:
    case tkUString:
        SetStrProp(Instance, Prop, ReadString());
        break;
    case tkInt64:
        SetInt64Prop(Instance, Prop, ReadInt64());
        break;
    case tkMethod: {
        if (NextValue() == vaNil) {
            ReadValue();
            SetMethodProp(Instance, Prop, TMethod{});
            break;
        }
        const String name = ReadIdent();
        const std::type_info* sig = nullptr;
        TMethod m = MethodAddress(MethodRoot(), name, &sig);
        if (!m.Assigned())
            m = FindMethod(MethodRoot(), name);
        else if (sig && Prop->PropType->Data.MethodSignature && *sig != *Prop->PropType->Data.MethodSignature)
            throw EReadError(QStringLiteral("Handler %1 does not fit event %2").arg(name, Prop->Name));
        if (m.Assigned()) SetMethodProp(Instance, Prop, m);
        break;
    }
    case tkClass: {
        switch (NextValue()) {
        case vaNil:
            ReadValue();
            SetObjectProp(Instance, Prop, nullptr);
            break;
        case vaCollection: {
            ReadValue();
            auto* c = dynamic_cast<TCollection*>(GetObjectProp(Instance, Prop));
            if (!c) valueError();
            ReadCollection(c);
            break;
        }
        case vaIdent: {
            const String name = ReadIdent();
            if (!Prop->SetObj) throw EReadError(QStringLiteral("Property is read-only"));
            FFixups.push_back({Instance, Prop, name, FLookupRoot ? FLookupRoot : FRoot});
            break;
        }
        default:
            valueError();
        }
        break;
    }
    default:
        throw EReadError(QStringLiteral("Unsupported property type"));
    }
}

void TReader::ReadCollection(TCollection* Collection) {
    enter();
    Collection->BeginUpdate();
    try {
        // The stream holds the whole collection: items made by the constructor go too.
        Collection->Clear();
        while (!EndOfList()) {
            const TValueType v = NextValue();
            if (v == vaInt8 || v == vaInt16 || v == vaInt32) ReadInteger(); // an item index: not used
            TCollectionItem* item = Collection->Add();
            ReadListBegin();
            while (!EndOfList())
                ReadProperty(item);
            ReadListEnd();
        }
        ReadListEnd();
    } catch (...) {
        Collection->EndUpdate();
        leave();
        throw;
    }
    Collection->EndUpdate();
    leave();
}

// ---- components ---------------------------------------------------------------------------------

TClass TReader::FindComponentClass(const String& ClassName) {
    // The hook first, then the registry; a class that the root (or one of its ancestors)
    // declares a published field or class property of needs no registration.
    TClass cls = nullptr;
    if (OnFindComponentClass.Assigned()) OnFindComponentClass(this, ClassName, cls);
    if (!cls) cls = GetClass(ClassName);
    if (!cls && FRoot) cls = GetFieldClass(FRoot->ClassType(), ClassName);
    if (FRoot)
        for (TClass c = FRoot->ClassType(); c && !cls; c = c->Parent) {
            for (PPropInfo p : GetPropList(c, TTypeKinds{tkClass}))
                if (p->PropType->Data.ClassType && p->PropType->Data.ClassType->ClassNameIs(ClassName)) {
                    cls = p->PropType->Data.ClassType;
                    break;
                }
        }
    // Found nowhere: raises EClassNotFound.
    if (!cls) cls = FindClass(ClassName);
    if (!cls->InheritsFrom(TComponent::StaticClass()) || !cls->CreateComponent)
        throw EReadError(QStringLiteral("Invalid class type %1").arg(ClassName));
    return cls;
}

void TReader::readDataInner(TComponent* Instance) {
    while (!EndOfList())
        ReadProperty(Instance);
    ReadListEnd();
    TComponent* oldParent = FParent;
    TComponent* oldOwner = FOwner;
    TComponent* oldLookup = FLookupRoot;
    FParent = Instance->GetChildParent();
    FOwner = Instance->GetChildOwner();
    // The records inside an inline frame name the frame's own components.
    if (Instance->ComponentState().Contains(csInline) && Instance != FRoot) {
        if (!FOwner) FOwner = Instance;
        FLookupRoot = Instance;
    }
    if (!FOwner) FOwner = FRoot;
    try {
        while (!EndOfList())
            readComponentRecord(nullptr);
        ReadListEnd();
    } catch (...) {
        FParent = oldParent;
        FOwner = oldOwner;
        FLookupRoot = oldLookup;
        throw;
    }
    FParent = oldParent;
    FOwner = oldOwner;
    FLookupRoot = oldLookup;
}

void TReader::ReadData(TComponent* Instance) {
    if (FReadingLevel > 0) return readDataInner(Instance);
    ++FReadingLevel;
    const std::size_t first = FLoaded.size();
    try {
        readDataInner(Instance);
        fixupReferences();
    } catch (...) {
        --FReadingLevel;
        FFixups.clear();
        FLoaded.resize(first);
        throw;
    }
    --FReadingLevel;
    finishLoading(first);
}

TComponent* TReader::readComponentRecord(TComponent* Component) {
    enter();
    TFilerFlags flags;
    int childPos = 0;
    ReadPrefix(flags, childPos);
    const String className = ReadStr();
    const String name = ReadStr();
    TComponent* result = Component;
    bool created = false;
    if (!result) {
        if (flags.Contains(ffInherited)) {
            result = FOwner ? FOwner->FindComponent(name) : nullptr;
            if (!result && FLookupRoot && FLookupRoot != FOwner) result = FLookupRoot->FindComponent(name);
            if (!result) throw EReadError(QStringLiteral("Ancestor for '%1' not found").arg(name));
        } else {
            TClass cls = FindComponentClass(className);
            result = dynamic_cast<TComponent*>(cls->CreateComponent(FOwner));
            if (!result) throw EReadError(QStringLiteral("Invalid class type %1").arg(className));
            created = true;
        }
    }
    // A record that fails frees the component it created and leaves the reading level.
    // Freeing it also frees the components it owns and the controls it parents, which may have
    // been read into the loaded list already: they leave the list with it.
    auto abandon = [&] {
        if (created) {
            auto goesWithResult = [result](TComponent* c) {
                for (TComponent* p = c; p; p = p->HasParent() ? p->GetParentComponent() : nullptr)
                    if (p == result) return true;
                for (TComponent* o = c; o; o = o->Owner())
                    if (o == result) return true;
                return false;
            };
            FLoaded.erase(std::remove_if(FLoaded.begin(), FLoaded.end(), goesWithResult), FLoaded.end());
            FreeObject(result);
        }
        leave();
    };
    try {
        result->FComponentState << csLoading << csReading;
        if (flags.Contains(ffInline)) result->SetInline(true);
        if (created) {
            result->SetName(name);
            if (FOwner) SetPublishedField(FOwner, name, result);
        }
        if (std::find(FLoaded.begin(), FLoaded.end(), result) == FLoaded.end()) FLoaded.push_back(result);
        if (FParent && result->HasParent()) result->SetParentComponent(FParent);
        result->ReadState(this);
        readDataInner(result);
        result->FComponentState >> csReading;
    } catch (const EFilerError&) {
        abandon();
        throw;
    } catch (const Exception& e) {
        // Renaming, parenting and the like fail on a bad stream: report a reading error.
        abandon();
        throw EReadError(QStringLiteral("Error reading %1: %2").arg(name, e.Message));
    }
    leave();
    return result;
}

TComponent* TReader::ReadComponent(TComponent* Component) {
    if (FReadingLevel > 0) return readComponentRecord(Component);
    ++FReadingLevel;
    const std::size_t first = FLoaded.size();
    TComponent* result = nullptr;
    try {
        if (!FOwner) FOwner = FRoot;
        result = readComponentRecord(Component);
        fixupReferences();
    } catch (...) {
        --FReadingLevel;
        for (std::size_t i = first; i < FLoaded.size(); ++i)
            FLoaded[i]->FComponentState >> csLoading >> csReading;
        FFixups.clear();
        FLoaded.resize(first);
        throw;
    }
    --FReadingLevel;
    finishLoading(first);
    return result;
}

TComponent* TReader::ReadRootComponent(TComponent* Root) {
    ReadSignature();
    TFilerFlags flags;
    int childPos = 0;
    ReadPrefix(flags, childPos);
    const String className = ReadStr();
    String name = ReadStr();
    TComponent* result = Root;
    bool created = false;
    if (!result) {
        TClass cls = FindClass(className);
        if (!cls->InheritsFrom(TComponent::StaticClass()) || !cls->CreateComponent)
            throw EReadError(QStringLiteral("Invalid class type %1").arg(className));
        result = dynamic_cast<TComponent*>(cls->CreateComponent(nullptr));
        if (!result) throw EReadError(QStringLiteral("Invalid class type %1").arg(className));
        created = true;
    }
    ++FReadingLevel;
    const std::size_t first = FLoaded.size();
    try {
        // A second instance of a form under the same owner gets "Name_1", "Name_2" ...
        if (!result->ComponentState().Contains(csDesigning) && !name.isEmpty() && result->Owner()) {
            const String base = name;
            for (int i = 1;; ++i) {
                TComponent* other = result->Owner()->FindComponent(name);
                if (!other || other == result) break;
                name = QStringLiteral("%1_%2").arg(base).arg(i);
            }
        }
        try {
            result->SetName(name);
        } catch (const EFilerError&) {
            throw;
        } catch (const Exception& e) {
            throw EReadError(e.Message);
        }
        FRoot = result;
        FLookupRoot = result;
        FOwner = result;
        FParent = nullptr;
        result->FComponentState << csLoading << csReading;
        FLoaded.push_back(result);
        result->ReadState(this);
        readDataInner(result);
        result->FComponentState >> csReading;
        fixupReferences();
    } catch (...) {
        --FReadingLevel;
        FFixups.clear();
        if (created) {
            FLoaded.resize(first);
            FreeObject(result);
        } else {
            for (std::size_t i = first; i < FLoaded.size(); ++i)
                FLoaded[i]->FComponentState >> csLoading >> csReading;
            FLoaded.resize(first);
        }
        throw;
    }
    --FReadingLevel;
    finishLoading(first);
    return result;
}

void TReader::fixupReferences() {
    std::vector<Fixup> fixups;
    fixups.swap(FFixups);
    for (const Fixup& f : fixups) {
        TComponent* c = FindNestedComponent(f.LookupRoot, f.Name);
        if (!c && f.LookupRoot != FRoot) c = FindNestedComponent(FRoot, f.Name);
        String msg;
        if (!c) {
            msg = QStringLiteral("Unresolved component reference %1 in %2.%3")
                      .arg(f.Name, f.Instance->GetNamePath(), f.Prop->Name);
        } else {
            try {
                SetObjectProp(f.Instance, f.Prop, c);
            } catch (const Exception& e) {
                msg = errorReading(f.Instance->GetNamePath(), f.Prop->Name, e.Message);
            }
        }
        if (!msg.isEmpty() && !Error(msg)) throw EReportedReadError(msg);
    }
}

void TReader::finishLoading(std::size_t firstLoaded) {
    std::vector<TComponent*> loaded(FLoaded.begin() + std::ptrdiff_t(firstLoaded), FLoaded.end());
    FLoaded.resize(firstLoaded);
    for (TComponent* c : loaded) {
        c->Loaded();
        c->FComponentState >> csLoading;
    }
}
