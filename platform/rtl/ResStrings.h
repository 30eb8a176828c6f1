// Resource strings: texts the layer and the libraries show to the user, each with a
// process-wide identifier and its English text compiled into the program. They are read
// through LoadResString, LoadStr and FmtLoadStr, which pass them through the translation
// hook when one is installed.
//
// Translation happens only on the thread that installed the hook (the user-interface
// thread); every other thread gets the English text, so no worker ever runs the translator
// concurrently with the user interface.
//
// A library with resource strings of its own declares them as TResStringRec constants and
// calls RegisterResStrings from its registration function at start-up (and
// UnregisterResStrings when it shuts down), so that LoadStr finds them by identifier. The
// layer's own strings below need no registration.
#pragma once

#include "platform/rtl/Format.h"
#include "platform/rtl/Types.h"

#include <initializer_list>

struct TResStringRec {
    int Identifier;
    const char* Text; // English, UTF-8
};

// The text of Rec, translated when called on the translating thread; "" for a null Rec.
String LoadResString(const TResStringRec* Rec);
// The text of the resource string with this identifier ("" when there is none), translated
// as by LoadResString.
String LoadStr(int Ident);
// The resource string with this identifier, translated as by LoadStr, used as the format of
// Format with Args. The format is translated, not the finished text, so texts with
// arguments are translated too.
String FmtLoadStr(int Ident, std::initializer_list<TVarRec> Args);

// Makes the strings known to LoadStr. An identifier already taken by another string is not
// registered again and makes the result false.
bool RegisterResStrings(std::initializer_list<const TResStringRec*> Strings);
void UnregisterResStrings(std::initializer_list<const TResStringRec*> Strings);

// The translation engine's entry for resource texts: the translation of Text, or Text.
using TResourceTextHook = String (*)(const String& Text);
// Installs the hook; the calling thread becomes the one on which resource strings are
// translated. The engine removes the hook before it destroys its translator.
void InstallResourceTextHook(TResourceTextHook Hook);
void RemoveResourceTextHook();

// ---- The layer's own texts --------------------------------------------------------------

// Conversion and formatting.
inline constexpr TResStringRec SInvalidInteger{64000, "'%s' is not a valid integer value"};
inline constexpr TResStringRec SInvalidFloat{64001, "'%s' is not a valid floating point value"};
inline constexpr TResStringRec SInvalidFormat{64002, "Format '%s' invalid or incompatible with argument"};
inline constexpr TResStringRec SInvalidDate{64003, "'%s' is not a valid date"};
inline constexpr TResStringRec SInvalidTime{64004, "'%s' is not a valid time"};
inline constexpr TResStringRec SInvalidDateTime{64005, "'%s' is not a valid date and time"};
inline constexpr TResStringRec SAssignError{64006, "Cannot assign a %s to a %s"};
// Lists.
inline constexpr TResStringRec SListIndexError{64010, "List index out of bounds (%d)"};
inline constexpr TResStringRec SListCapacityError{64011, "List capacity out of bounds (%d)"};
inline constexpr TResStringRec SDuplicateString{64012, "String list does not allow duplicates"};
inline constexpr TResStringRec SSortedListError{64013, "Operation not allowed on sorted list"};
inline constexpr TResStringRec SListCountError{64014, "List count out of bounds (%d)"};
inline constexpr TResStringRec SDuplicateItem{64015, "List does not allow duplicates ($0%x)"};
// Objects, components and streaming.
inline constexpr TResStringRec SInvalidCast{64020, "Invalid class typecast"};
inline constexpr TResStringRec SParentRequired{64021, "Control '%s' has no parent window"};
inline constexpr TResStringRec SDuplicateName{64022, "A component named %s already exists"};
inline constexpr TResStringRec SInvalidName{64023, "'%s' is not a valid component name"};
inline constexpr TResStringRec SUnknownProperty{64024, "Unknown property: '%s'"};
inline constexpr TResStringRec SClassNotFound{64025, "Class %s not found"};
inline constexpr TResStringRec SResNotFound{64026, "Resource %s not found"};
inline constexpr TResStringRec SReadError{64027, "Stream read error"};
inline constexpr TResStringRec SWriteError{64028, "Stream write error"};
inline constexpr TResStringRec SPropertyDoesNotExist{64029, "Property %s does not exist"};
inline constexpr TResStringRec SInvalidPropertyValue{64030, "Invalid property value"};
inline constexpr TResStringRec SErrorReading{64031, "Error reading %s%s%s: %s"};
inline constexpr TResStringRec SFOpenErrorEx{64032, "Cannot open file \"%s\". %s"};
inline constexpr TResStringRec SFCreateErrorEx{64033, "Cannot create file \"%s\". %s"};
inline constexpr TResStringRec SAbstractError{64034, "Abstract Error"};
inline constexpr TResStringRec SThreadStartError{64035, "Cannot call Start on a running or suspended thread"};
inline constexpr TResStringRec SDuplicateClass{64036, "A class named %s already exists"};
// Operating system and assertions.
inline constexpr TResStringRec SOSError{64040, "System Error.  Code: %d.\n%s"};
inline constexpr TResStringRec SUnkOSError{64041, "A call to an OS function failed"};
inline constexpr TResStringRec SAssertionFailed{64042, "Assertion failed"};
inline constexpr TResStringRec SAssertError{64043, "%s (%s, line %d)"};
inline constexpr TResStringRec SOperationAborted{64044, "Operation aborted"};
// Printing.
inline constexpr TResStringRec SNotPrinting{64050, "Printer is not currently printing"};
inline constexpr TResStringRec SNoDefaultPrinter{64051, "There is no default printer currently selected"};
// The application's exception box and the message dialogs.
inline constexpr TResStringRec SApplicationError{64060, "Application Error"};
inline constexpr TResStringRec SMsgDlgWarning{64061, "Warning"};
inline constexpr TResStringRec SMsgDlgError{64062, "Error"};
inline constexpr TResStringRec SMsgDlgInformation{64063, "Information"};
inline constexpr TResStringRec SMsgDlgConfirm{64064, "Confirm"};
inline constexpr TResStringRec SMsgDlgYes{64065, "&Yes"};
inline constexpr TResStringRec SMsgDlgNo{64066, "&No"};
inline constexpr TResStringRec SMsgDlgOK{64067, "OK"};
inline constexpr TResStringRec SMsgDlgCancel{64068, "Cancel"};
inline constexpr TResStringRec SMsgDlgAbort{64069, "&Abort"};
inline constexpr TResStringRec SMsgDlgRetry{64070, "&Retry"};
inline constexpr TResStringRec SMsgDlgIgnore{64071, "&Ignore"};
inline constexpr TResStringRec SMsgDlgAll{64072, "&All"};
inline constexpr TResStringRec SMsgDlgNoToAll{64073, "N&o to All"};
inline constexpr TResStringRec SMsgDlgYesToAll{64074, "Yes to &All"};
inline constexpr TResStringRec SMsgDlgHelp{64075, "&Help"};
inline constexpr TResStringRec SMsgDlgClose{64076, "&Close"};
