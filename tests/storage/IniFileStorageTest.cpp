#include "platform/classes/MemIniFile.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/win/Folders.h"
#include "platform/win/Process.h"
#include "storage/XcAppIniFileStorage.h"
#include "storage/support/SclPaths.h"
#include "storage/support/XcTranslateString.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

enum TTestColor { tcRed, tcGreen, tcBlue };
ORVO_DECLARE_ENUM_TYPE(TTestColor)
ORVO_IMPLEMENT_ENUM_TYPE(TTestColor, "tcRed", "tcGreen", "tcBlue")
using TTestColors = Set<TTestColor>;
ORVO_DECLARE_SET_TYPE(TTestColors)
ORVO_IMPLEMENT_SET_TYPE(TTestColors, TTestColor)

String ReadFile(const String& name) {
    QFile f(name);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}

std::unique_ptr<TXcAppIniFileStorage> MakeStorage(const String& file) {
    auto s = std::make_unique<TXcAppIniFileStorage>(nullptr);
    s->SetLocation(flCustom);
    s->SetFileName(file);
    s->SetFlushOnDestroy(true);
    return s;
}

TEST(IniFileStorage, ApplicationUseRoundTripsThroughTheFileAndCreatesFolders) {
    QTemporaryDir dir;
    const String file = dir.path() + QStringLiteral("/ORVO Tuning/sub/ORVO Tuning.ini");
    {
        auto s = MakeStorage(file);
        EXPECT_EQ(s->FullFileName(), file);
        TMemIniFile* ini = s->IniFile();
        EXPECT_EQ(ini->ReadString("GUI", "Language", "en"), "en");
        ini->WriteString("GUI", "Language", "pl");
        ini->WriteInteger("Pressure", "Type0", 3);
        ini->WriteFloat("Pressure", "CoeffA0", 1.25);
    }
    ASSERT_TRUE(FileExists(file));
    auto s = MakeStorage(file);
    EXPECT_EQ(s->IniFile()->ReadString("gui", "LANGUAGE", ""), "pl");
    EXPECT_EQ(s->IniFile()->ReadInteger("Pressure", "Type0", 0), 3);
    EXPECT_DOUBLE_EQ(s->IniFile()->ReadFloat("Pressure", "CoeffA0", 0), 1.25);
}

TEST(IniFileStorage, FileNameGetsTheIniExtensionOnlyWhenItHasNone) {
    QTemporaryDir dir;
    const struct {
        const char* given;
        const char* expected;
    } cases[] = {
        {"/settings", "/settings.ini"}, {"/settings.cfg", "/settings.cfg"}, {"/settings.", "/settings."}};
    for (const auto& c : cases) {
        TXcAppIniFileStorage s(nullptr);
        s.SetFlushOnDestroy(false);
        s.SetLocation(flCustom);
        s.SetFileName(dir.path() + c.given);
        EXPECT_EQ(s.FileName(), dir.path() + c.expected) << c.given;
    }
}

TEST(IniFileStorage, AFailedWriteIsReportedAndTheValuesSurvive) {
    QTemporaryDir dir;
    const String blocker = dir.path() + QStringLiteral("/blocker");
    QFile f(blocker);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    auto s = MakeStorage(blocker + QStringLiteral("/inside/settings.ini"));
    String reported;
    s->OnError = TXcAppStorageErrorEvent([&](TObject*, const String& v) { reported = v; });
    s->IniFile()->WriteString("GUI", "Language", "de");
    s->Flush();
    EXPECT_FALSE(reported.isEmpty());
    EXPECT_EQ(s->IniFile()->ReadString("GUI", "Language", ""), "de");
    s->SetFlushOnDestroy(false);
}

TEST(IniFileStorage, ReadOnlyFlagOrFileSkipsTheFlush) {
    QTemporaryDir dir;
    const String file = dir.path() + QStringLiteral("/ro.ini");
    {
        auto s = MakeStorage(file);
        s->IniFile()->WriteString("A", "k", "1");
    }
    {
        auto s = MakeStorage(file);
        s->SetReadOnly(true);
        s->IniFile()->WriteString("A", "k", "2");
        s->WriteInteger("\\A\\j", 5); // ignored on a read-only storage
        EXPECT_EQ(s->ReadInteger("\\A\\j", -1), -1);
    }
    EXPECT_EQ(MakeStorage(file)->IniFile()->ReadString("A", "k", ""), "1");
    QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup);
    {
        auto s = MakeStorage(file);
        EXPECT_TRUE(s->ReadOnly());
        s->IniFile()->WriteString("A", "k", "3");
    }
    EXPECT_TRUE(ReadFile(file).contains("k=1"));
}

TEST(IniFileStorage, EmptyCustomNameHasNoFileAndMissingFileEmptiesTheIni) {
    TXcAppIniFileStorage s(nullptr);
    s.SetLocation(flCustom);
    EXPECT_TRUE(s.FullFileName().isEmpty());
    s.IniFile()->WriteString("A", "k", "v");
    s.Flush(); // nothing to write to; no error
    QTemporaryDir dir;
    s.SetFileName(dir.path() + QStringLiteral("/none.ini"));
    EXPECT_FALSE(s.IniFile()->SectionExists("A"));
    s.SetFlushOnDestroy(false);
}

TEST(IniFileStorage, LocationDecidesTheFolderOfTheFile) {
    QTemporaryDir dir;
    const struct {
        TFileLocation location;
        String given;
        String expected;
    } cases[] = {
        // Only the file part counts in a fixed folder; the user folder keeps sub-folders.
        {flExeFile, "sub/name.ini", AppendPathDelimiter(ProgramFolder()) + "name.ini"},
        {flTemp, "sub/name.ini", AppendPathDelimiter(TempFolder()) + "name.ini"},
        {flUserFolder, "sub/name.ini", AppendPathDelimiter(UserAppDataFolder()) + "sub/name.ini"},
        {flUserFolder, dir.path() + "/abs/name.ini", AppendPathDelimiter(UserAppDataFolder()) + "name.ini"},
        {flCustom, dir.path() + "/50%off.ini", dir.path() + "/50%off.ini"}, // an unterminated macro stays
        {flCustom, "", ""},
        {flExeFile, "", ""},
    };
    for (const auto& c : cases) {
        TXcAppIniFileStorage s(nullptr);
        s.SetFlushOnDestroy(false);
        s.SetLocation(c.location);
        s.SetFileName(c.given);
        EXPECT_EQ(s.FullFileName(), c.expected) << c.given.toStdString() << " at " << int(c.location);
    }
}

TEST(IniFileStorage, DestroyingWritesTheFileEvenWhenNothingChanged) {
    QTemporaryDir dir;
    const String file = dir.path() + QStringLiteral("/unchanged.ini");
    { MakeStorage(file); }
    EXPECT_TRUE(FileExists(file));
    const String other = dir.path() + QStringLiteral("/kept.ini");
    {
        auto s = MakeStorage(other);
        s->SetFlushOnDestroy(false);
    }
    EXPECT_FALSE(FileExists(other));
}

TEST(IniFileStorage, DateTimeFormatsUseTheEnginesSeparatorsOrTheirOwn) {
    auto previous = SetFormatSettingsSource([] {
        TFormatSettings f = TFormatSettings::Invariant();
        f.DateSeparator = u'/';
        f.TimeSeparator = u':';
        return f;
    });
    const struct {
        const char* dateFormat; // "" keeps the engine's default
        const char* timeFormat;
        char16_t dateSeparator; // set by hand when not 0
        QChar expectedDate;
        QChar expectedTime;
        const char* written; // the stored text when it reads back, else ""
    } cases[] = {
        // The engine's default formats write "_": reading takes the same separator.
        {"", "", 0, u'_', u'_', "09_03_2024 12_00_00"},
        {"dd.mm.yyyy", "hh:nn:ss", 0, u'.', u':', "09.03.2024 12:00:00"},
        // A separator set by hand wins, even where the format writes another one.
        {"yyyy-mm-dd", "", u'_', u'_', u'_', ""},
    };
    for (const auto& c : cases) {
        TXcAppIniFileStorage s(nullptr);
        s.SetFlushOnDestroy(false);
        TXcTranslateString* engine = s.ActiveTranslateStringEngine();
        if (c.dateSeparator) engine->SetDateSeparator(c.dateSeparator);
        if (*c.dateFormat) engine->SetDateFormat(c.dateFormat);
        if (*c.timeFormat) engine->SetTimeFormat(c.timeFormat);
        const TFormatSettings& f = s.StorageFormatSettings();
        EXPECT_EQ(f.DateSeparator, c.expectedDate) << c.dateFormat;
        EXPECT_EQ(f.TimeSeparator, c.expectedTime) << c.dateFormat;
        if (!*c.written) continue;
        s.StorageOptions()->SetUseTranslateStringEngineDateTimeFormats(true);
        s.StorageOptions()->SetDateTimeAsString(true);
        const TDateTime when = EncodeDate(2024, 3, 9) + 0.5;
        s.WriteDateTime("D\\when", when);
        EXPECT_EQ(s.IniFile()->ReadString("D", "when", ""), c.written);
        EXPECT_NEAR(s.ReadDateTime("D\\when", 0), when, 1e-6) << c.dateFormat;
    }
    SetFormatSettingsSource(previous);
}

TEST(IniFileStorage, SetsOfCharactersAndNumbersInFolderForm) {
    // Element types built by hand: the platform's own sets are of enumerations only.
    TTypeInfo digit{tkChar, "TDigitChar", {}};
    digit.Data.OrdType = otUByte;
    digit.Data.MinValue = '0';
    digit.Data.MaxValue = '9';
    TTypeInfo digits{tkSet, "TDigitChars", {}};
    digits.Data.CompType = &digit;
    TTypeInfo small{tkInteger, "TSmall", {}};
    small.Data.OrdType = otUByte;
    small.Data.MinValue = 3;
    small.Data.MaxValue = 7;
    TTypeInfo smalls{tkSet, "TSmalls", {}};
    smalls.Data.CompType = &small;

    const struct {
        PTypeInfo type;
        UInt64 value;
        const char* inName;
        const char* outName;
    } cases[] = {
        {&digits, (UInt64(1) << '1') | (UInt64(1) << '5'), "Char_5", "Char_2"},
        {&smalls, (UInt64(1) << 3) | (UInt64(1) << 7), "Int_7", "Int_4"},
    };
    for (const auto& c : cases) {
        TXcAppIniFileStorage s(nullptr);
        s.SetFlushOnDestroy(false);
        s.WriteSet("S\\set", c.type, &c.value);
        EXPECT_EQ(s.IniFile()->ReadString("S\\set", c.inName, ""), "TRUE") << c.type->Name.toStdString();
        EXPECT_EQ(s.IniFile()->ReadString("S\\set", c.outName, ""), "FALSE") << c.type->Name.toStdString();
        const UInt64 none = 0;
        UInt64 back = ~UInt64(0);
        s.ReadSet("S\\set", c.type, &none, &back);
        EXPECT_EQ(back, c.value) << c.type->Name.toStdString();
    }

    TTypeInfo real{tkFloat, "Double", {}};
    TTypeInfo reals{tkSet, "TReals", {}};
    reals.Data.CompType = &real;
    TXcAppIniFileStorage s(nullptr);
    s.SetFlushOnDestroy(false);
    const UInt64 v = 0;
    try {
        s.WriteSet("S\\bad", &reals, &v);
        FAIL();
    } catch (const EXCLAppStorageError& e) {
        EXPECT_EQ(e.Message, "Unknown base type for given set");
    }
}

TEST(IniFileStorage, PathsMapToSectionsAndKeys) {
    TXcAppIniFileStorage s(nullptr);
    s.SetFlushOnDestroy(false);
    s.WriteString("Pressure\\CoeffA0", "x");
    s.WriteInteger("A\\B\\n", 7);
    EXPECT_EQ(s.IniFile()->ReadString("Pressure", "CoeffA0", ""), "x");
    EXPECT_EQ(s.IniFile()->ReadString("A\\B", "n", ""), "7");
    EXPECT_THROW(s.ReadString("value", ""), EXCLAppStorageError);
    s.SetDefaultSection("Main");
    s.WriteString("value", "m");
    EXPECT_EQ(s.IniFile()->ReadString("Main", "value", ""), "m");

    s.WriteString("AB\\k", "1");
    s.DeleteSubTree("A");
    EXPECT_FALSE(s.IniFile()->SectionExists("A\\B"));
    EXPECT_TRUE(s.IniFile()->SectionExists("AB"));
}

TEST(IniFileStorage, TypedValuesRoundTrip) {
    TXcAppIniFileStorage s(nullptr);
    s.SetFlushOnDestroy(false);
    const Extended x = 1.0L / 3.0L;
    s.WriteFloat("F\\native", x);
    EXPECT_EQ(s.ReadFloat("F\\native", 0), x); // bit-identical
    s.StorageOptions()->SetFloatAsString(true);
    EXPECT_EQ(s.ReadFloat("F\\native", 0), x); // text form fails, native form read
    s.WriteFloat("F\\text", 2.5);
    s.StorageOptions()->SetFloatAsString(false);
    EXPECT_EQ(s.ReadFloat("F\\text", 0), 2.5L);
    s.IniFile()->WriteString("F", "junk", "12Z");
    EXPECT_EQ(s.ReadFloat("F\\junk", 9), 9.0L);

    s.WriteBoolean("B\\t", true);
    EXPECT_EQ(s.IniFile()->ReadString("B", "t", ""), "TRUE");
    for (const char* text : {"y", "Yes", "1"}) {
        s.IniFile()->WriteString("B", "v", text);
        EXPECT_TRUE(s.ReadBoolean("B\\v", false)) << text;
    }
    s.IniFile()->WriteString("B", "v", "no");
    EXPECT_FALSE(s.ReadBoolean("B\\v", true));
    s.IniFile()->WriteString("B", "v", "maybe");
    EXPECT_THROW(s.ReadBoolean("B\\v", true), EConvertError);
    s.StorageOptions()->SetDefaultIfReadConvertError(true);
    EXPECT_TRUE(s.ReadBoolean("B\\v", true));
    s.StorageOptions()->SetDefaultIfReadConvertError(false);

    s.WriteEnumeration("E\\c", tcBlue);
    EXPECT_EQ(s.IniFile()->ReadString("E", "c", ""), "tcBlue");
    s.IniFile()->WriteString("E", "c", "TCGREEN");
    EXPECT_EQ(s.ReadEnumeration("E\\c", tcRed), tcGreen);
    s.IniFile()->WriteString("E", "c", "2");
    EXPECT_EQ(s.ReadEnumeration("E\\c", tcRed), tcBlue);
    for (const char* outside : {"3", "-7", "249"}) {
        s.IniFile()->WriteString("E", "c", outside);
        EXPECT_EQ(s.ReadEnumeration("E\\c", tcGreen), tcGreen) << outside;
    }

    const Byte bytes[] = {0x0A, 0xFF, 0x00};
    s.WriteBinary("Bin\\b", bytes, 3);
    EXPECT_EQ(s.IniFile()->ReadString("Bin", "b", ""), "0AFF00");
    Byte back[3] = {};
    EXPECT_EQ(s.ReadBinary("Bin\\b", back, 3), 3);
    EXPECT_EQ(back[1], 0xFF);

    const TDateTime when = 45000.5;
    s.WriteDateTime("D\\when", when);
    EXPECT_NEAR(s.ReadDateTime("D\\when", 0), when, 1e-6);
}

TEST(IniFileStorage, SetsInBothForms) {
    TXcAppIniFileStorage s(nullptr);
    s.SetFlushOnDestroy(false);
    const TTestColors value{tcRed, tcBlue}, none;
    s.WriteSet("S\\folder", TypeInfoOf(static_cast<TTestColors*>(nullptr)), &value);
    EXPECT_EQ(s.IniFile()->ReadString("S\\folder", "tcBlue", ""), "TRUE");
    TTestColors back;
    s.ReadSet("S\\folder", TypeInfoOf(static_cast<TTestColors*>(nullptr)), &none, &back);
    EXPECT_EQ(back, value);

    s.StorageOptions()->SetSetAsString(true);
    s.WriteSet("S\\text", TypeInfoOf(static_cast<TTestColors*>(nullptr)), &value);
    EXPECT_EQ(s.IniFile()->ReadString("S", "text", ""), "[tcRed,tcBlue]");
    for (const char* text : {"[tcRed,tcBlue,7]", "", "["}) {
        s.IniFile()->WriteString("S", "text", text);
        TTestColors r;
        s.ReadSet("S\\text", TypeInfoOf(static_cast<TTestColors*>(nullptr)), &none, &r);
        EXPECT_TRUE(r <= value) << text;
    }
}

TEST(IniFileStorage, LineBreaksAndBlanksAreKeptWithTheirOptions) {
    TXcAppIniFileStorage s(nullptr);
    s.SetFlushOnDestroy(false);
    s.StorageOptions()->SetReplaceCRLF(true);
    s.StorageOptions()->SetPreserveLeadingTrailingBlanks(true);
    s.WriteString("T\\two", "a\r\nb\\c");
    EXPECT_EQ(s.IniFile()->ReadString("T", "two", ""), "a\\nb\\\\c");
    EXPECT_EQ(s.ReadString("T\\two", ""), "a\r\nb\\c");
    s.WriteString("T\\slash", "x\\y");
    EXPECT_EQ(s.IniFile()->ReadString("T", "slash", ""), "x\\y");
    s.WriteString("T\\blank", " a ");
    EXPECT_EQ(s.IniFile()->ReadString("T", "blank", ""), "\" a \"");
    EXPECT_EQ(s.ReadString("T\\blank", ""), " a ");
}

TEST(IniFileStorage, MalformedTextLoadsAndKeepsReadableValues) {
    TXcAppIniFileStorage s(nullptr);
    s.SetFlushOnDestroy(false);
    String junk = QStringLiteral("garbage\n[Good]\n key = value \n[missing\n; comment\n") +
                  String(100000, u'x') + QStringLiteral("\n\x01\x02=\x03\n[Good]\nother=1\n");
    s.SetAsString(junk);
    EXPECT_EQ(s.IniFile()->ReadString("good", "KEY", ""), "value");
    EXPECT_EQ(s.IniFile()->ReadString("Good", "other", ""), "1");
}

TEST(IniFileStorage, EncryptedValuesReadBackUnchanged) {
    TXcAppIniFileStorage s(nullptr);
    s.SetFlushOnDestroy(false);
    s.OnEncryptPropertyValue = TXcAppStorageCryptEvent([](String& v) { std::reverse(v.begin(), v.end()); });
    s.OnDecryptPropertyValue = TXcAppStorageCryptEvent([](String& v) { std::reverse(v.begin(), v.end()); });
    s.WriteString("C\\plain", "secret");
    s.EnablePropertyValueCrypt();
    s.WriteString("C\\crypt", "secret");
    EXPECT_NE(s.IniFile()->ReadString("C", "crypt", ""), "secret");
    EXPECT_EQ(s.ReadString("C\\crypt", ""), "secret");
    EXPECT_NE(s.ReadString("C\\plain", ""), "secret");
}

} // namespace
