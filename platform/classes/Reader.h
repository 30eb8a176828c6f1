// TReader: reads components and their properties from a binary component stream.
//
// A component record is read into a new component (created by class name with the
// reader's owner) or, for inherited and inline records, into the existing one of that
// name. While a root is read, csLoading and csReading are set on it and on every
// component read; references to components are resolved when the whole root is read,
// then Loaded runs on every component in reading order.
#pragma once

#include "platform/classes/Filer.h"
#include "platform/classes/TypInfo.h"

#include <functional>

class TCollection;

// Error hook: set Handled to skip the failing property and go on.
using TReaderError = TEvent<TReader*, const String& /*Message*/, bool& /*Handled*/>;
// Handler lookup hook: may supply Method, or clear Error to leave the event unassigned.
using TFindMethodEvent = TEvent<TReader*, const String& /*MethodName*/, TMethod& /*Method*/, bool& /*Error*/>;
// Class lookup hook for component records: may set ComponentClass.
using TFindComponentClassEvent = TEvent<TReader*, const String& /*ClassName*/, TClass& /*ComponentClass*/>;

class TReader : public TFiler {
    ORVO_CLASS(TReader, TFiler)
public:
    TReader(TStream* Stream, int BufSize = 4096);
    // Puts the stream's position just after what was read.
    ~TReader() override;

    void DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc WriteData,
                        bool HasData) override;
    void DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc WriteData,
                              bool HasData) override;
    void FlushBuffer() override;

    // Reads a whole root component ("TPF0" first). Into Root when given (its class name
    // in the stream is not checked), else into a new instance of the class named.
    TComponent* ReadRootComponent(TComponent* Root);
    // Reads one component record; Component given: read into it.
    TComponent* ReadComponent(TComponent* Component);
    // Reads the properties and children of Instance (after its record's header).
    void ReadData(TComponent* Instance);
    // Reads one property (name and value) into Instance.
    void ReadProperty(TPersistent* AInstance);
    void ReadCollection(TCollection* Collection);

    // Values.
    TValueType ReadValue();
    TValueType NextValue();
    void CheckValue(TValueType Value);
    bool EndOfList();
    void ReadListBegin();
    void ReadListEnd();
    void ReadSignature();
    void ReadPrefix(TFilerFlags& Flags, int& AChildPos);
    int ReadInteger();
    Int64 ReadInt64();
    bool ReadBoolean();
    QChar ReadChar();
    Extended ReadFloat();
    float ReadSingle();
    double ReadDouble();
    Extended ReadCurrency();
    TDateTime ReadDate();
    // Every string value type: 8-bit (as UTF-8, else Latin-1), UTF-16 and UTF-8 strings.
    String ReadString();
    String ReadWideString() { return ReadString(); }
    // An identifier; False, True, nil and Null come back as their names.
    String ReadIdent();
    // A short string (names of classes, components and properties).
    String ReadStr();
    // The names of a set value's elements.
    std::vector<String> ReadSetNames();
    // The bytes of a binary value.
    std::vector<Byte> ReadBinary();
    void SkipValue();
    void Read(void* Buf, int Count);
    Int64 Position();
    void SetPosition(Int64 Value);

    TComponent* Owner() const { return FOwner; }
    void SetOwner(TComponent* Value) { FOwner = Value; }
    TComponent* Parent() const { return FParent; }
    void SetParent(TComponent* Value) { FParent = Value; }
    // Binds handlers (by their published names) on this object; the root by default.
    TObject* MethodRoot() const;
    void SetMethodRoot(TObject* Value) { FMethodRoot = Value; }
    const String& PropName() const { return FPropName; }

    TReaderError OnError;
    TFindMethodEvent OnFindMethod;
    TFindComponentClassEvent OnFindComponentClass;

protected:
    // Asks OnError; true: skip and go on.
    virtual bool Error(const String& Message);
    virtual TMethod FindMethod(TObject* Root, const String& MethodName);
    virtual TClass FindComponentClass(const String& ClassName);

private:
    struct Fixup {
        TPersistent* Instance;
        PPropInfo Prop;
        String Name;
        TComponent* LookupRoot;
    };
    void readPropValue(TPersistent* Instance, PPropInfo Prop);
    void readDataInner(TComponent* Instance);
    TComponent* readComponentRecord(TComponent* Component);
    void fixupReferences();
    void finishLoading(std::size_t firstLoaded);
    void fill();
    Byte readByte();
    [[noreturn]] void formatError();
    void enter();
    void leave() { --FDepth; }
    int readLength();

    TComponent* FOwner = nullptr;
    TComponent* FParent = nullptr;
    TObject* FMethodRoot = nullptr;
    String FPropName;
    bool FCanHandleExcepts = false;
    int FDepth = 0;
    int FReadingLevel = 0;
    std::vector<Fixup> FFixups;
    std::vector<TComponent*> FLoaded;
};

// Finds a root component by name ("Form1" in a "Form1.Button1" reference); installed by
// the forms layer, which knows the open forms.
using TFindGlobalComponent = std::function<TComponent*(const String& Name)>;
void RegisterFindGlobalComponent(TFindGlobalComponent Fn);
void UnregisterFindGlobalComponent();
TComponent* FindGlobalComponent(const String& Name);
// Resolves a dotted name ("Panel1", "Owner", "Form1.Button1") from Root.
TComponent* FindNestedComponent(TComponent* Root, const String& NamePath);
