#include "platform/classes/StringList.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/Messages.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/win/Process.h"
#include "storage/XcAppIniFileStorage.h"
#include "storage/support/SclFileVersionInfo.h"
#include "storage/support/SclMime.h"
#include "storage/support/SclPaths.h"
#include "storage/support/XcBase64.h"
#include "storage/support/XcPersistent.h"
#include "storage/support/XcStrUtils.h"
#include "storage/support/XcTranslateString.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

TEST(StoragePaths, NormalizeAndResolve) {
    EXPECT_EQ(NormalizePaths({"A\\B\\X", "..", "D"}), "A\\B\\D");
    EXPECT_EQ(NormalizePaths({"A", "..", ".."}), "");
    EXPECT_EQ(NormalizePaths({"X", "\\Y\\.\\Z"}), "Y\\Z");
    EXPECT_EQ(NormalizePaths({"A", "...", "X"}), "X");
    EXPECT_EQ(NormalizePaths({"\\\\A\\\\B\\"}), "A\\B");
    EXPECT_EQ(NormalizePaths({"."}), "");

    TXcAppIniFileStorage owner(nullptr), sub(nullptr);
    owner.SetFlushOnDestroy(false);
    sub.SetFlushOnDestroy(false);
    owner.SubStorages()->Add("A\\B", &sub);
    TXcCustomAppStorage* store = nullptr;
    String path;
    owner.ResolvePath("a\\b\\x", store, path);
    EXPECT_EQ(store, &sub);
    EXPECT_EQ(path, "\\x");
    owner.ResolvePath("A\\B", store, path);
    EXPECT_EQ(store, &owner);
    EXPECT_THROW(owner.SubStorages()->Add("A\\B\\C", &sub), EXCLAppStorageError);
    EXPECT_NO_THROW(owner.SubStorages()->Add("A", &sub));
    EXPECT_THROW(sub.SubStorages()->Add("Z", &owner), EXCLAppStorageError); // circular
    owner.SetPath("P");
    EXPECT_EQ(owner.AbsolutePath("Q"), "P\\Q");
    EXPECT_EQ(owner.AbsolutePath("\\Q"), "Q");
}

TEST(StoragePaths, CurrentPathAndTheLongestLinkDecideTheTarget) {
    TXcAppIniFileStorage owner(nullptr), ab(nullptr), a(nullptr);
    for (TXcAppIniFileStorage* s : {&owner, &ab, &a})
        s->SetFlushOnDestroy(false);
    TXcCustomAppStorage* store = nullptr;
    String path;
    owner.SetPath("P");
    owner.ResolvePath("Q", store, path);
    EXPECT_EQ(store, &owner);
    EXPECT_EQ(path, "\\P\\Q");
    owner.SetPath("");

    owner.SubStorages()->Add("A\\B", &ab);
    owner.SubStorages()->Add("A", &a);
    const struct {
        const char* path;
        TXcCustomAppStorage* store;
        const char* target;
    } cases[] = {
        {"A\\B\\X", &ab, "\\X"},
        {"A\\C", &a, "\\C"},
        {"A\\BX\\Y", &a, "\\BX\\Y"},
        {"Z", &owner, "\\Z"},
    };
    for (const auto& c : cases) {
        owner.ResolvePath(c.path, store, path);
        EXPECT_EQ(store, c.store) << c.path;
        EXPECT_EQ(path, c.target) << c.path;
    }
    try {
        a.SubStorages()->Add("X", &owner);
        FAIL();
    } catch (const EXCLAppStorageError& e) {
        EXPECT_EQ(e.Message, "Circular reference of storages");
    }
}

TEST(StoragePaths, EndUpdateWithoutBeginLeavesNoUpdateOpen) {
    TXcAppIniFileStorage s(nullptr);
    s.SetFlushOnDestroy(false);
    s.EndUpdate();
    EXPECT_FALSE(s.IsUpdating());
    s.BeginUpdate();
    EXPECT_TRUE(s.IsUpdating());
    s.EndUpdate();
    EXPECT_FALSE(s.IsUpdating());
}

TEST(StorageOptions, BooleanStringsControlBooleanAsString) {
    TXcAppStorageOptions o;
    o.SetBooleanStringTrueValues("");
    EXPECT_FALSE(o.BooleanAsString());
    o.SetBooleanAsString(true);
    EXPECT_FALSE(o.BooleanAsString());
    o.SetBooleanStringTrueValues("ON, 1");
    o.SetBooleanAsString(true);
    EXPECT_TRUE(o.BooleanAsString());
    EXPECT_EQ(o.DefaultTrueString(), "ON");
}

TEST(Base64, LineBreakingAndPadding) {
    EXPECT_EQ(EncodeBase64Text("abc"), "YWJj");
    EXPECT_EQ(EncodeBase64Text(AnsiString(1, '\0')), "AA==");
    EXPECT_EQ(EncodeBase64Text(AnsiString(57, 'x')).size(), 76u);
    const AnsiString two = EncodeBase64Text(AnsiString(58, 'x'));
    ASSERT_EQ(two.size(), 82u);
    EXPECT_EQ(two.substr(76, 2), "\r\n");
    EXPECT_EQ(DecodeBase64Text("YW\r\nJj"), "abc");
    EXPECT_EQ(DecodeBase64Text("="), "");
    EXPECT_EQ(DecodeBase64Text(EncodeBase64Text(AnsiString(200, 'q'))), AnsiString(200, 'q'));
    EXPECT_EQ(Base64Encode("a"), "YQ==");
    EXPECT_EQ(Base64Encode("ab"), "YWI=");
    EXPECT_EQ(Base64Encode("abc"), "YWJj");
}

TFormatSettings CommaBlank() {
    TFormatSettings s = TFormatSettings::Invariant();
    s.DecimalSeparator = u',';
    s.ThousandSeparator = u' ';
    return s;
}

TEST(NumberText, HexBuffersAndNumberNormalisation) {
    const Byte b[] = {0x0A, 0xFF};
    EXPECT_EQ(BufferToHexText(b, 2), "0AFF");
    Byte out[4] = {};
    EXPECT_EQ(HexTextToBuffer("ABC", out, 4), 2);
    EXPECT_EQ(out[0], 0x0A);
    EXPECT_EQ(out[1], 0xBC);
    EXPECT_EQ(HexTextToBuffer("ABC", out, 1), 1);
    EXPECT_THROW(HexTextToBuffer("ZZ", out, 4), EConvertError);
    EXPECT_EQ(ReplaceAllText("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(StripChar("1 234", u' '), "1234");

    auto old = SetFormatSettingsSource(&CommaBlank);
    GetFormatSettings();
    EXPECT_EQ(TextToNumberText(" 1 234.5 "), "1234,5");
    SetFormatSettingsSource([] { return TFormatSettings::Invariant(); });
    GetFormatSettings();
    EXPECT_EQ(TextToNumberText("1,234.5"), "1234.5");
    EXPECT_EQ(TextToNumberText("abc"), "0");
    EXPECT_EQ(TextToNumberText("-"), "-0");
    SetFormatSettingsSource(old);
    GetFormatSettings();
}

TEST(PathRoutines, AbsolutePathsAndExtensions) {
    for (const char* p : {"C:\\x", "\\\\.\\C:\\x", "\\\\server\\share\\x", "/etc/x"})
        EXPECT_TRUE(IsAbsolutePath(p)) << p;
    for (const char* p : {"C:x", "x\\y", "\\\\\\share", ""})
        EXPECT_FALSE(IsAbsolutePath(p)) << p;
    EXPECT_EQ(AddFileExtension("a.INI", "ini"), "a.INI");
    EXPECT_EQ(AddFileExtension("a.", "ini"), "a.ini");
    EXPECT_EQ(AddFileExtension("a", ".cfg"), "a.cfg");
}

TEST(TranslateString, MacrosAndSeparators) {
    TXcTranslateString t(nullptr);
    EXPECT_EQ(t.TranslateString(""), "");
    EXPECT_EQ(t.TranslateString("50% off"), "50% off");
    const String base = QStringLiteral("%1.ini").arg(ChangeFileExt(ExtractFileName(ProgramFileName()), ""));
    EXPECT_EQ(t.TranslateString("%FILENAME%.ini"), base);
    EXPECT_EQ(t.TranslateString("% filename %.ini"), base);
    EXPECT_EQ(t.TranslateString("%FILEVERSION%"), "1.2.0.16");
    EXPECT_EQ(t.TranslateString("%APPL_NAME%"), "ORVO Tuning");
    EXPECT_TRUE(QRegularExpression("^\\d\\d_\\d\\d_\\d{4}$").match(t.TranslateString("%DATE%")).hasMatch());
}

TEST(TranslateString, SeparatorsComeFromTheFirstNonAlphanumericCharacterUntilSet) {
    const struct {
        const char* format;
        char16_t preset; // a separator set before the format, or none
        QChar expected;
    } cases[] = {
        {"dd.mm.yyyy", 0, u'.'},    {"yyyy-mm-dd", 0, u'-'},
        {"dd_mm_yyyy", 0, u'_'},    {"ddmmyyyy", 0, QChar(TXcTranslateString::NoSeparator)},
        {"dd.mm.yyyy", u'/', u'/'},
    };
    for (const auto& c : cases) {
        TXcTranslateString date(nullptr), time(nullptr);
        EXPECT_EQ(date.DateSeparator(), QChar(TXcTranslateString::NoSeparator));
        if (c.preset) {
            date.SetDateSeparator(c.preset);
            time.SetTimeSeparator(c.preset);
        }
        date.SetDateFormat(c.format);
        time.SetTimeFormat(c.format);
        EXPECT_EQ(date.DateSeparator(), c.expected) << c.format;
        EXPECT_EQ(time.TimeSeparator(), c.expected) << c.format;
    }
    TXcTranslateString t(nullptr);
    t.SetDateTimeFormat("dd.mm.yyyy hh:nn");
    EXPECT_EQ(t.DateSeparator(), QChar(TXcTranslateString::NoSeparator));
    EXPECT_EQ(t.TimeSeparator(), QChar(TXcTranslateString::NoSeparator));
}

TEST(VersionInfo, ProgramBlockIsParsed) {
    TSclFileVersionInfo v(ProgramFileName());
    EXPECT_EQ(v.FileVersion(), "1.2.0.16");
    EXPECT_EQ(v.FileVersionBuild(), "16");
    EXPECT_EQ(v.BinFileVersion(), "1.2.0.16");
    EXPECT_EQ(v.ProductName(), v.GetCustomFieldValue("ProductName"));
    EXPECT_EQ(v.CompanyName(), "");
    EXPECT_THROW(v.GetCustomFieldValue("CompanyName"), ESclFileVersionInfoError);
    EXPECT_THROW(TSclFileVersionInfo("/nonexistent/file"), ESclFileVersionInfoError);
    EXPECT_THROW(TSclFileVersionInfo("/etc/hostname"), ESclFileVersionInfoError);
    const Byte junk[] = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_THROW(TSclFileVersionInfo(junk, 8), ESclFileVersionInfoError);
}

TEST(XcPersistentProperty, NestedUpdatesFireOnce) {
    TXcPersistentProperty p(nullptr);
    int changing = 0, changed = 0;
    p.OnChanging = TNotifyEvent([&](TObject*) { ++changing; });
    p.OnChanged = TNotifyEvent([&](TObject*) { ++changed; });
    p.BeginUpdate();
    p.BeginUpdate();
    p.EndUpdate();
    EXPECT_EQ(changed, 0);
    p.EndUpdate();
    EXPECT_EQ(changing, 1);
    EXPECT_EQ(changed, 1);
}

} // namespace

// One queued message of the given id is removed; a removed quit request is queued again.
TEST(QueuedMessages, DiscardRemovesOneAndKeepsQuit) {
    auto* form = new TForm(nullptr, 0);
    HWND wnd = form->Handle();
    const UINT msg = WM_USER + 7;
    ASSERT_TRUE(PostMessage(wnd, msg, 1, 0));
    ASSERT_TRUE(PostMessage(wnd, msg, 2, 0));
    DiscardQueuedMessage(wnd, msg);
    MSG m;
    ASSERT_TRUE(PeekMessage(&m, wnd, msg, msg, PM_REMOVE));
    EXPECT_EQ(m.wParam, 2u);
    EXPECT_FALSE(PeekMessage(&m, wnd, msg, msg, PM_NOREMOVE));

    PostQuitMessage(3);
    DiscardQueuedMessage(nullptr, WM_QUIT);
    ASSERT_TRUE(PeekMessage(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(m.wParam, 3u);
    FreeObject(form);
}
