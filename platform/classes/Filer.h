// The common base of the component stream reader and writer: the value types of the
// binary stream, buffering over a TStream, and the definition of properties that are
// not published (DefineProperty, DefineBinaryProperty).
#pragma once

#include "platform/classes/Event.h"
#include "platform/classes/Persistent.h"

#include <vector>

class TStream;
class TComponent;
class TReader;
class TWriter;

// Value types of the binary component stream; the numbers are the bytes in the stream.
enum TValueType : Byte {
    vaNull,
    vaList,
    vaInt8,
    vaInt16,
    vaInt32,
    vaExtended,
    vaString,
    vaIdent,
    vaFalse,
    vaTrue,
    vaBinary,
    vaSet,
    vaLString,
    vaNil,
    vaCollection,
    vaSingle,
    vaCurrency,
    vaDate,
    vaWString,
    vaInt64,
    vaUTF8String,
    vaDouble
};

// Flags of a component record's prefix byte (0xF0 | flags).
enum TFilerFlag { ffInherited, ffChildPos, ffInline };
using TFilerFlags = Set<TFilerFlag>;

using TReaderProc = TEvent<TReader*>;
using TWriterProc = TEvent<TWriter*>;
using TStreamProc = TEvent<TStream*>;

// The signature that opens every binary component stream.
inline constexpr char FilerSignature[4] = {'T', 'P', 'F', '0'};

class TFiler : public TObject {
    ORVO_CLASS(TFiler, TObject)
public:
    TFiler(TStream* Stream, int BufSize);
    ~TFiler() override;

    // Properties a class streams itself (from its DefineProperties). The reader calls
    // ReadData when the property read is Name; the writer writes Name and calls
    // WriteData when HasData.
    virtual void DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc WriteData,
                                bool HasData) = 0;
    // The same for a block of bytes, stored as one binary value.
    virtual void DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc WriteData,
                                      bool HasData) = 0;
    virtual void FlushBuffer() = 0;

    TComponent* Root() const { return FRoot; }
    virtual void SetRoot(TComponent* Value) { FRoot = Value; }
    // The root that names of components and handlers are resolved against.
    TComponent* LookupRoot() const { return FLookupRoot; }
    // Writing: the object whose values are not written again; reading: the object read
    // into is an ancestor's copy.
    TPersistent* Ancestor() const { return FAncestor; }
    void SetAncestor(TPersistent* Value) { FAncestor = Value; }
    bool IgnoreChildren() const { return FIgnoreChildren; }
    void SetIgnoreChildren(bool Value) { FIgnoreChildren = Value; }
    TStream* Stream() const { return FStream; }

protected:
    // Lets the reader and writer call a persistent's protected DefineProperties, and the
    // extra definitions registered for classes whose own code does not define them.
    void CallDefineProperties(TPersistent* Instance);

    TStream* FStream;
    std::vector<Byte> FBuffer;
    int FBufPos = 0;
    int FBufEnd = 0;
    TComponent* FRoot = nullptr;
    TComponent* FLookupRoot = nullptr;
    TPersistent* FAncestor = nullptr;
    bool FIgnoreChildren = false;
};

namespace platform::detail {
// DefineProperties added to a class (and its descendants) from outside the class: the
// base classes' "Strings" list of a TStrings is defined this way.
using DefinePropertiesFn = void (*)(TPersistent* Instance, TFiler* Filer);
void RegisterDefineProperties(TClass cls, DefinePropertiesFn fn);
} // namespace platform::detail
