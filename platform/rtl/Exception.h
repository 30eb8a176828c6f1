// The exception family of the runtime layer. Every exception the system raises derives
// from Exception; the class of an exception, not its text, is what callers test.
#pragma once

#include "platform/rtl/ResStrings.h"
#include "platform/rtl/Types.h"

#include <exception>
#include <initializer_list>
#include <string>

// The runtime's named constructors, for every exception class E:
//   E::CreateFmt(Msg, Args)       the message is Format(Msg, Args);
//   E::CreateRes(Rec or Ident)    the message is the resource string, translated;
//   E::CreateResFmt(Rec or Ident, Args)  the translated resource string formatted with Args.
// Each returns the exception, to be thrown: throw EConvertError::CreateFmt("%d", {1}).
// ORVO_DECLARE_EXCEPTION adds them; a class written out by hand adds
// ORVO_EXCEPTION_FACTORIES(itself), or the inherited ones would build its parent class.
#define ORVO_EXCEPTION_FACTORIES(Name)                                                                       \
    static Name CreateFmt(const String& Msg, std::initializer_list<TVarRec> Args) {                          \
        return Name(Format(Msg, Args));                                                                      \
    }                                                                                                        \
    static Name CreateRes(const TResStringRec* ResStringRec) {                                               \
        return Name(LoadResString(ResStringRec));                                                            \
    }                                                                                                        \
    static Name CreateRes(int Ident) {                                                                       \
        return Name(LoadStr(Ident));                                                                         \
    }                                                                                                        \
    static Name CreateResFmt(const TResStringRec* ResStringRec, std::initializer_list<TVarRec> Args) {       \
        return Name(Format(LoadResString(ResStringRec), Args));                                              \
    }                                                                                                        \
    static Name CreateResFmt(int Ident, std::initializer_list<TVarRec> Args) {                               \
        return Name(FmtLoadStr(Ident, Args));                                                                \
    }

class Exception : public std::exception {
public:
    explicit Exception(const String& msg = String());
    ~Exception() override;

    String Message;
    int HelpContext = 0;

    const char* what() const noexcept override;
    // The class name, as the runtime reports it ("EConvertError").
    virtual const char* ClassName() const { return "Exception"; }

    ORVO_EXCEPTION_FACTORIES(Exception)

private:
    mutable std::string what_;
};

#define ORVO_DECLARE_EXCEPTION(Name, Base)                                                                   \
    class Name : public Base {                                                                               \
    public:                                                                                                  \
        using Base::Base;                                                                                    \
        const char* ClassName() const override { return #Name; }                                             \
        ORVO_EXCEPTION_FACTORIES(Name)                                                                       \
    };

ORVO_DECLARE_EXCEPTION(EAbort, Exception)
ORVO_DECLARE_EXCEPTION(EConvertError, Exception)
ORVO_DECLARE_EXCEPTION(EListError, Exception)
ORVO_DECLARE_EXCEPTION(EStringListError, EListError)
ORVO_DECLARE_EXCEPTION(EInvalidCast, Exception)
ORVO_DECLARE_EXCEPTION(EInvalidOperation, Exception)
ORVO_DECLARE_EXCEPTION(EComponentError, Exception)
ORVO_DECLARE_EXCEPTION(EPropertyError, Exception)
ORVO_DECLARE_EXCEPTION(EStreamError, Exception)
ORVO_DECLARE_EXCEPTION(EFilerError, EStreamError)
ORVO_DECLARE_EXCEPTION(EReadError, EFilerError)
ORVO_DECLARE_EXCEPTION(EWriteError, EFilerError)
ORVO_DECLARE_EXCEPTION(EClassNotFound, EFilerError)
ORVO_DECLARE_EXCEPTION(EFOpenError, EStreamError)
ORVO_DECLARE_EXCEPTION(EFCreateError, EStreamError)
ORVO_DECLARE_EXCEPTION(EResNotFound, Exception)
ORVO_DECLARE_EXCEPTION(EAssertionFailed, Exception)
ORVO_DECLARE_EXCEPTION(EAbstractError, Exception)
ORVO_DECLARE_EXCEPTION(ERangeError, Exception)
ORVO_DECLARE_EXCEPTION(EPrinter, Exception)
ORVO_DECLARE_EXCEPTION(EThread, Exception)
ORVO_DECLARE_EXCEPTION(EOutOfMemory, Exception)
ORVO_DECLARE_EXCEPTION(EIntError, Exception)
ORVO_DECLARE_EXCEPTION(EMathError, Exception)
ORVO_DECLARE_EXCEPTION(EZeroDivide, EMathError)
ORVO_DECLARE_EXCEPTION(EInvalidOp, EMathError)
ORVO_DECLARE_EXCEPTION(EOverflow, EMathError)

class EOSError : public Exception {
public:
    using Exception::Exception;
    const char* ClassName() const override { return "EOSError"; }
    ORVO_EXCEPTION_FACTORIES(EOSError)
    DWORD ErrorCode = 0;
};

// Raises the silent exception that ends an operation without a message.
[[noreturn]] void Abort();
