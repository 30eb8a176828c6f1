// TWriter: writes components and their properties as a binary component stream.
//
// Properties are written in published order, inherited ones first, each when it is
// stored and differs from its default (or, with an ancestor, from the ancestor's value):
// ordinals and sets unless equal to the default, strings unless empty, floats and Int64
// unless 0, handlers and references unless unassigned. Object properties are written
// as their own properties ("Font.Height"), collections as collection values, string
// lists as "Strings" lists. Integers take the smallest value type that holds them;
// strings are 8-bit when ASCII, else UTF-8.
#pragma once

#include "platform/classes/Filer.h"
#include "platform/classes/TypInfo.h"

class TCollection;

class TWriter : public TFiler {
    ORVO_CLASS(TWriter, TFiler)
public:
    TWriter(TStream* Stream, int BufSize = 4096);
    // Writes what is still buffered.
    ~TWriter() override;

    void DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc WriteData,
                        bool HasData) override;
    void DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc WriteData,
                              bool HasData) override;
    void FlushBuffer() override;
    void SetRoot(TComponent* Value) override;

    // "TPF0", then Root with everything it owns.
    void WriteRootComponent(TComponent* Root);
    // Root, writing only what differs from AAncestor (a component of the same class).
    void WriteDescendent(TComponent* Root, TComponent* AAncestor);
    void WriteComponent(TComponent* Component);
    // A component record after the prefix: class, name, properties and children.
    void WriteData(TComponent* Instance);
    void WriteProperties(TPersistent* Instance);
    void WriteProperty(TPersistent* Instance, PPropInfo PropInfo);
    void WriteCollection(TCollection* Value);

    // Values.
    void WriteSignature();
    void WritePrefix(TFilerFlags Flags, int AChildPos);
    void WriteValue(TValueType Value);
    void WriteListBegin();
    void WriteListEnd();
    void WriteInteger(Int64 Value);
    void WriteBoolean(bool Value);
    void WriteChar(QChar Value);
    void WriteFloat(Extended Value);
    void WriteSingle(float Value);
    void WriteDouble(double Value);
    void WriteCurrency(Extended Value);
    void WriteDate(TDateTime Value);
    void WriteString(const String& Value);
    void WriteWideString(const String& Value) { WriteString(Value); }
    void WriteUTF8Str(const String& Value);
    // An identifier; False, True, nil and Null become their own value types.
    void WriteIdent(const String& Ident);
    // A short string (at most 255 bytes of UTF-8).
    void WriteStr(const String& Value);
    void WritePropName(const String& PropName);
    void WriteSet(const std::vector<String>& Names);
    void WriteBinary(const void* Data, int Count);
    void Write(const void* Buf, int Count);
    Int64 Position();

    // The name a reference to Component is written as, "" when it cannot be named.
    String GetComponentValue(TComponent* Component);

private:
    void writeComponentProc(TComponent* Child);
    void writePropValue(TPersistent* Instance, PPropInfo Prop, TPersistent* AncestorInstance);
    bool isDefaultValue(TPersistent* Instance, PPropInfo Prop, TPersistent* AncestorInstance);

    String FPropPath;
    TComponent* FRootAncestor = nullptr;
    int FDepth = 0;
};
