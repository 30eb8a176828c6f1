// Macros in texts such as file names: "%APPL_NAME%", "%DATE%", "%FILENAME%" and the rest
// of ProcessCommand's table, between configurable delimiters.
#pragma once

#include "platform/classes/Event.h"
#include "storage/support/XcComponent.h"

// Sender, the upper-cased macro name, its text (in and out) and whether it is known (in
// and out).
using TProcessCommandEvent = TEvent<TObject*, const String&, String&, bool&>;

class TXcTranslateString : public TXcComponent {
    ORVO_CLASS(TXcTranslateString, TXcComponent)
public:
    // A separator that is not set.
    static constexpr char16_t NoSeparator = 255;
    // The first character of a date or time format that can separate its fields: neither a
    // letter nor a digit ("dd.mm.yyyy" gives "."); NoSeparator when there is none.
    static QChar SeparatorOf(const String& Format);

    explicit TXcTranslateString(TComponent* AOwner);

    String TranslateString(const String& InString);
    String TranslateString(const String& InString, bool& Changed);
    // The text of one macro; Known tells whether the name is a macro.
    String ProcessCommand(const String& Command, bool& Known);

    const String& DateFormat() const { return FDateFormat; }
    void SetDateFormat(const String& Value);
    const String& TimeFormat() const { return FTimeFormat; }
    void SetTimeFormat(const String& Value);
    const String& DateTimeFormat() const { return FDateTimeFormat; }
    void SetDateTimeFormat(const String& Value) { FDateTimeFormat = Value; }
    QChar DateSeparator() const { return FDateSeparator; }
    void SetDateSeparator(QChar Value) { FDateSeparator = Value; }
    QChar TimeSeparator() const { return FTimeSeparator; }
    void SetTimeSeparator(QChar Value) { FTimeSeparator = Value; }
    const String& LeftDelimiter() const { return FLeftDelimiter; }
    void SetLeftDelimiter(const String& Value) { FLeftDelimiter = Value; }
    const String& RightDelimiter() const { return FRightDelimiter; }
    void SetRightDelimiter(const String& Value) { FRightDelimiter = Value; }

    TProcessCommandEvent OnProcessCommand;

protected:
    String GetAppName();
    String GetCompanyName();
    String GetFileVersion();
    String GetProductVersion();

private:
    // One version value, read once from the program's version information.
    String VersionValue(bool& Handled, String& Value, const char* Key, const char* Macro,
                        const char* Fallback);
    TComponent* FindForm() const;

    bool FAppNameHandled = false, FCompanyNameHandled = false;
    bool FFileVersionHandled = false, FProductVersionHandled = false;
    String FAppName, FCompanyName, FFileVersion, FProductVersion;
    String FDateFormat = QStringLiteral("dd_mm_yyyy");
    String FTimeFormat = QStringLiteral("hh_nn_ss");
    String FDateTimeFormat = QStringLiteral("dd_mm_yyyy hh_nn_ss");
    QChar FDateSeparator{NoSeparator};
    QChar FTimeSeparator{NoSeparator};
    String FLeftDelimiter = QStringLiteral("%");
    String FRightDelimiter = QStringLiteral("%");
};
