#include "storage/support/XcTranslateString.h"

#include "platform/classes/StringList.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FileUtils.h"
#include "platform/win/MessageBox.h"
#include "platform/win/Process.h"
#include "storage/support/SclFileVersionInfo.h"

#include <QGuiApplication>
#include <QScreen>

ORVO_IMPLEMENT_CLASS(TXcTranslateString, TXcComponent)

ORVO_PUBLISHED(TXcTranslateString) {
    P.Property("DateFormat", &TXcTranslateString::DateFormat, &TXcTranslateString::SetDateFormat);
    P.Property("DateSeparator", &TXcTranslateString::DateSeparator, &TXcTranslateString::SetDateSeparator);
    P.Property("DateTimeFormat", &TXcTranslateString::DateTimeFormat, &TXcTranslateString::SetDateTimeFormat);
    P.Property("LeftDelimiter", &TXcTranslateString::LeftDelimiter, &TXcTranslateString::SetLeftDelimiter);
    P.Property("RightDelimiter", &TXcTranslateString::RightDelimiter, &TXcTranslateString::SetRightDelimiter);
    P.Property("TimeFormat", &TXcTranslateString::TimeFormat, &TXcTranslateString::SetTimeFormat);
    P.Property("TimeSeparator", &TXcTranslateString::TimeSeparator, &TXcTranslateString::SetTimeSeparator);
    P.Property("OnProcessCommand", &TXcTranslateString::OnProcessCommand);
}

namespace {
String ProgramBaseName() {
    return ChangeFileExt(ExtractFileName(ProgramFileName()), String());
}

String SizeText(const QRect& r) {
    return QStringLiteral("%1x%2").arg(r.width()).arg(r.height());
}
} // namespace

TXcTranslateString::TXcTranslateString(TComponent* AOwner) : TXcComponent(AOwner) {}

QChar TXcTranslateString::SeparatorOf(const String& Format) {
    for (QChar c : Format)
        if (!c.isLetterOrNumber()) return c;
    return QChar(NoSeparator);
}

void TXcTranslateString::SetDateFormat(const String& Value) {
    FDateFormat = Value;
    if (FDateSeparator == QChar(NoSeparator)) FDateSeparator = SeparatorOf(Value);
}

void TXcTranslateString::SetTimeFormat(const String& Value) {
    FTimeFormat = Value;
    if (FTimeSeparator == QChar(NoSeparator)) FTimeSeparator = SeparatorOf(Value);
}

String TXcTranslateString::TranslateString(const String& InString) {
    bool changed = false;
    return TranslateString(InString, changed);
}

String TXcTranslateString::TranslateString(const String& InString, bool& Changed) {
    Changed = false;
    if (FLeftDelimiter.isEmpty() || FRightDelimiter.isEmpty()) return InString;
    String result;
    String rest = InString;
    while (!rest.isEmpty()) {
        const auto left = rest.indexOf(FLeftDelimiter);
        if (left < 0) {
            result += rest;
            break;
        }
        result += rest.left(left);
        rest.remove(0, left + FLeftDelimiter.size());
        const auto right = rest.indexOf(FRightDelimiter);
        if (right < 0) {
            // An unterminated macro stays as written.
            result += FLeftDelimiter + rest;
            break;
        }
        const String name = rest.left(right);
        bool known = false;
        const String text = ProcessCommand(name, known);
        if (known) {
            result += text;
            rest.remove(0, right + FRightDelimiter.size());
            Changed = true;
        } else {
            // Not a macro: keep the text and let its right delimiter open the next one.
            result += name;
            rest.remove(0, right);
        }
    }
    return result;
}

String TXcTranslateString::ProcessCommand(const String& Command, bool& Known) {
    const String name = Command.trimmed().toUpper();
    Known = true;
    String text;
    if (name == u"APPL_NAME") {
        text = GetAppName();
        if (text.isEmpty()) text = ProgramBaseName();
    } else if (name == u"COMPANY_NAME") {
        text = GetCompanyName();
    } else if (name == u"FILEVERSION") {
        text = GetFileVersion();
    } else if (name == u"PRODUCTVERSION") {
        text = GetProductVersion();
    } else if (name == u"DATE") {
        text = FormatDateTime(FDateFormat, Now());
    } else if (name == u"TIME") {
        text = FormatDateTime(FTimeFormat, Now());
    } else if (name == u"DATETIME") {
        text = FormatDateTime(FDateTimeFormat, Now());
    } else if (name == u"EXENAME") {
        text = ProgramFileName();
    } else if (name == u"FILENAME") {
        text = ProgramBaseName();
    } else if (name == u"FULLDIREXE") {
        text = ProgramFolder();
    } else if (name == u"FORMNAME") {
        if (TComponent* form = FindForm()) text = form->Name();
    } else if (name == u"FORMCAPTION") {
        if (TComponent* form = FindForm())
            if (GetPropInfo(form, QStringLiteral("Caption")))
                text = GetStrProp(form, QStringLiteral("Caption"));
    } else if (name == u"SCREENSIZE") {
        const QScreen* s = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
        text = SizeText(s ? s->geometry() : QRect());
    } else if (name == u"DESKTOPSIZE") {
        const QScreen* s = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
        text = SizeText(s ? s->virtualGeometry() : QRect());
    } else {
        Known = false;
    }
    if (OnProcessCommand) OnProcessCommand(this, name, text, Known);
    return text;
}

TComponent* TXcTranslateString::FindForm() const {
    for (TComponent* c = Owner(); c; c = c->Owner())
        for (TClass cls = c->ClassType(); cls; cls = cls->Parent)
            if (cls->ClassNameIs(QStringLiteral("TCustomForm"))) return c;
    return nullptr;
}

String TXcTranslateString::VersionValue(bool& Handled, String& Value, const char* Key, const char* Macro,
                                        const char* Fallback) {
    if (Handled) return Value;
    try {
        TSclFileVersionInfo info(ProgramFileName());
        const int i = info.Items()->IndexOfName(QString::fromLatin1(Key));
        Value = i < 0 ? String() : info.Items()->ValueFromIndex(i);
    } catch (const ESclFileVersionInfoError&) {
        Value = QString::fromLatin1(Fallback);
        const String text =
            QStringLiteral("The Default Root Value \"%1\" has been replaced with \"%2\".")
                .arg(QString::fromLatin1(Macro), Value) +
            QString::fromLatin1(sLineBreak) +
            QStringLiteral("Please change the value in the FileVersionInfo Project Properties.");
        MessageBox(nullptr, text, ApplicationTitle(), MB_OK | MB_ICONINFORMATION);
    }
    Handled = true;
    return Value;
}

String TXcTranslateString::GetAppName() {
    return VersionValue(FAppNameHandled, FAppName, "ProductName", "APPL_NAME", "MyXCLApplication");
}

String TXcTranslateString::GetCompanyName() {
    return VersionValue(FCompanyNameHandled, FCompanyName, "CompanyName", "COMPANY_NAME", "MyCompany");
}

String TXcTranslateString::GetFileVersion() {
    return VersionValue(FFileVersionHandled, FFileVersion, "FileVersion", "FILEVERSION", "0.0.0.0");
}

String TXcTranslateString::GetProductVersion() {
    return VersionValue(FProductVersionHandled, FProductVersion, "ProductVersion", "PRODUCTVERSION",
                        "0.0.0.0");
}
