#include "storage/XcAppStorageOptions.h"

#include "platform/classes/StringList.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/StrUtils.h"

ORVO_IMPLEMENT_CLASS(TXcCustomAppStorageOptions, TPersistent)
ORVO_IMPLEMENT_CLASS(TXcAppStorageOptions, TXcCustomAppStorageOptions)

ORVO_PUBLISHED(TXcAppStorageOptions) {
    using T = TXcAppStorageOptions;
    P.Property("BooleanAsString", &T::BooleanAsString, &T::SetBooleanAsString).Default(true);
    P.Property("BooleanStringTrueValues", &T::BooleanStringTrueValues, &T::SetBooleanStringTrueValues);
    P.Property("BooleanStringFalseValues", &T::BooleanStringFalseValues, &T::SetBooleanStringFalseValues);
    P.Property("EnumerationAsString", &T::EnumerationAsString, &T::SetEnumerationAsString).Default(true);
    P.Property("TypedIntegerAsString", &T::TypedIntegerAsString, &T::SetTypedIntegerAsString).Default(true);
    P.Property("SetAsString", &T::SetAsString, &T::SetSetAsString).Default(false);
    P.Property("DateTimeAsString", &T::DateTimeAsString, &T::SetDateTimeAsString).Default(true);
    P.Property("FloatAsString", &T::FloatAsString, &T::SetFloatAsString).Default(false);
    P.Property("DefaultIfReadConvertError", &T::DefaultIfReadConvertError, &T::SetDefaultIfReadConvertError)
        .Default(false);
    P.Property("DefaultIfValueNotExists", &T::DefaultIfValueNotExists, &T::SetDefaultIfValueNotExists)
        .Default(true);
    P.Property("StoreDefaultValues", &T::StoreDefaultValues, &T::SetStoreDefaultValues).Default(true);
    P.Property("UseOldItemNameFormat", &T::UseOldItemNameFormat, &T::SetUseOldItemNameFormat).Default(true);
    P.Property("UseTranslateStringEngineDateTimeFormats", &T::UseTranslateStringEngineDateTimeFormats,
               &T::SetUseTranslateStringEngineDateTimeFormats)
        .Default(false);
}

namespace {
String FirstEntry(const String& List) {
    const auto comma = List.indexOf(u',');
    return Trim(comma < 0 ? List : List.left(comma));
}
} // namespace

String TXcCustomAppStorageOptions::DefaultTrueString() const {
    return FirstEntry(FBooleanStringTrueValues);
}

String TXcCustomAppStorageOptions::DefaultFalseString() const {
    return FirstEntry(FBooleanStringFalseValues);
}

bool TXcCustomAppStorageOptions::IsValueListString(const String& Value, const String& List) const {
    TStringList words;
    words.SetCommaText(UpperCase(List));
    return words.IndexOf(UpperCase(Value)) >= 0;
}

void TXcCustomAppStorageOptions::SetBooleanAsString(bool Value) {
    FBooleanAsString = Value && !DefaultTrueString().isEmpty() && !DefaultFalseString().isEmpty();
}

void TXcCustomAppStorageOptions::SetBooleanStringTrueValues(const String& Value) {
    FBooleanStringTrueValues = Value;
    if (DefaultTrueString().isEmpty()) FBooleanAsString = false;
}

void TXcCustomAppStorageOptions::SetBooleanStringFalseValues(const String& Value) {
    FBooleanStringFalseValues = Value;
    if (DefaultFalseString().isEmpty()) FBooleanAsString = false;
}

void TXcCustomAppStorageOptions::Assign(TPersistent* Source) {
    if (Source == this) return;
    auto* s = dynamic_cast<TXcCustomAppStorageOptions*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    SetBooleanStringTrueValues(s->BooleanStringTrueValues());
    SetBooleanStringFalseValues(s->BooleanStringFalseValues());
    SetBooleanAsString(s->BooleanAsString());
    SetEnumerationAsString(s->EnumerationAsString());
    SetTypedIntegerAsString(s->TypedIntegerAsString());
    SetSetAsString(s->SetAsString());
    SetDateTimeAsString(s->DateTimeAsString());
    SetFloatAsString(s->FloatAsString());
    SetDefaultIfReadConvertError(s->DefaultIfReadConvertError());
    SetDefaultIfValueNotExists(s->DefaultIfValueNotExists());
    SetStoreDefaultValues(s->StoreDefaultValues());
    SetStoreStringListAsSingleString(s->StoreStringListAsSingleString());
    SetUseOldItemNameFormat(s->UseOldItemNameFormat());
    SetUseTranslateStringEngineDateTimeFormats(s->UseTranslateStringEngineDateTimeFormats());
}
