// The options of a settings storage: how booleans, enumerations, sets, floats and
// date-times are stored, and the default rules of reads.
#pragma once

#include "platform/classes/Persistent.h"

class TXcCustomAppStorageOptions : public TPersistent {
    ORVO_CLASS(TXcCustomAppStorageOptions, TPersistent)
public:
    TXcCustomAppStorageOptions() = default;

    void Assign(TPersistent* Source) override;

    // The first entry of the list (up to its first comma), trimmed.
    String DefaultTrueString() const;
    String DefaultFalseString() const;
    // Whether Value is one of the comma-separated list's words, letter case ignored.
    bool IsValueTrueString(const String& Value) const {
        return IsValueListString(Value, FBooleanStringTrueValues);
    }
    bool IsValueFalseString(const String& Value) const {
        return IsValueListString(Value, FBooleanStringFalseValues);
    }

    bool BooleanAsString() const { return FBooleanAsString; }
    // Stays off while either default string is empty.
    virtual void SetBooleanAsString(bool Value);
    const String& BooleanStringTrueValues() const { return FBooleanStringTrueValues; }
    virtual void SetBooleanStringTrueValues(const String& Value);
    const String& BooleanStringFalseValues() const { return FBooleanStringFalseValues; }
    virtual void SetBooleanStringFalseValues(const String& Value);
    bool EnumerationAsString() const { return FEnumAsStr; }
    virtual void SetEnumerationAsString(bool Value) { FEnumAsStr = Value; }
    bool TypedIntegerAsString() const { return FIntAsStr; }
    virtual void SetTypedIntegerAsString(bool Value) { FIntAsStr = Value; }
    bool SetAsString() const { return FSetAsStr; }
    virtual void SetSetAsString(bool Value) { FSetAsStr = Value; }
    bool DateTimeAsString() const { return FDateTimeAsString; }
    virtual void SetDateTimeAsString(bool Value) { FDateTimeAsString = Value; }
    bool FloatAsString() const { return FFloatAsString; }
    virtual void SetFloatAsString(bool Value) { FFloatAsString = Value; }
    bool DefaultIfReadConvertError() const { return FDefaultIfReadConvertError; }
    virtual void SetDefaultIfReadConvertError(bool Value) { FDefaultIfReadConvertError = Value; }
    bool DefaultIfValueNotExists() const { return FDefaultIfValueNotExists; }
    virtual void SetDefaultIfValueNotExists(bool Value) { FDefaultIfValueNotExists = Value; }
    bool StoreStringListAsSingleString() const { return FStoreStringListAsSingleString; }
    virtual void SetStoreStringListAsSingleString(bool Value) { FStoreStringListAsSingleString = Value; }
    bool UseOldItemNameFormat() const { return FUseOldItemNameFormat; }
    virtual void SetUseOldItemNameFormat(bool Value) { FUseOldItemNameFormat = Value; }
    bool StoreDefaultValues() const { return FStoreDefaultValues; }
    virtual void SetStoreDefaultValues(bool Value) { FStoreDefaultValues = Value; }
    bool UseTranslateStringEngineDateTimeFormats() const { return FUseTranslateStringEngineDateTimeFormats; }
    void SetUseTranslateStringEngineDateTimeFormats(bool Value) {
        FUseTranslateStringEngineDateTimeFormats = Value;
    }

protected:
    virtual bool IsValueListString(const String& Value, const String& List) const;

private:
    bool FBooleanAsString = true;
    String FBooleanStringTrueValues = QStringLiteral("TRUE, YES, Y");
    String FBooleanStringFalseValues = QStringLiteral("FALSE, NO, N");
    bool FEnumAsStr = true;
    bool FIntAsStr = true;
    bool FSetAsStr = false;
    bool FDateTimeAsString = true;
    bool FFloatAsString = false;
    bool FDefaultIfReadConvertError = false;
    bool FDefaultIfValueNotExists = true;
    bool FStoreDefaultValues = true;
    bool FStoreStringListAsSingleString = false;
    bool FUseOldItemNameFormat = true;
    bool FUseTranslateStringEngineDateTimeFormats = false;
};

// The options class a storage creates; it publishes the options.
class TXcAppStorageOptions : public TXcCustomAppStorageOptions {
    ORVO_CLASS(TXcAppStorageOptions, TXcCustomAppStorageOptions)
public:
    TXcAppStorageOptions() = default;
};

using TXcAppStorageOptionsClass = TClass;
