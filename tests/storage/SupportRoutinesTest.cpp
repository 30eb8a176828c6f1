#include "platform/classes/StringList.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Gdi.h"
#include "platform/rtl/DateTime.h"
#include "platform/win/LastError.h"
#include "platform/win/Process.h"
#include "storage/support/SclBase.h"
#include "storage/support/SclLogic.h"
#include "storage/support/SclModuleVersionInfo.h"
#include "storage/support/SclShell.h"
#include "storage/support/SclStrings.h"
#include "storage/support/SclSynch.h"
#include "storage/support/SclSysInfo.h"
#include "storage/support/SclSysUtils.h"
#include "storage/support/SclUnitVersioning.h"
#include "storage/support/SclUnitVersions.h"
#include "storage/support/SclWin32.h"
#include "storage/support/XcStrUtils.h"

#include <QTemporaryDir>
#include <atomic>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// ---- Text routines

TEST(SclStrings, PrefixesSuffixesAndParts) {
    struct Case {
        String got, expected;
    };
    const Case cases[] = {
        {RemoveLeadingText("ab", "abc"), "c"},
        {RemoveLeadingText("AB", "abc"), "abc"}, // exact
        {EnsureLeadingText("\\", "x"), "\\x"},
        {EnsureLeadingText("\\", "\\x"), "\\x"},
        {EnsureTrailingText("\\", "x"), "x\\"},
        {EnsureTrailingText("\\", "x\\"), "x\\"},
        {ReplaceCharacter("a/b/c", u'/', u'\\'), "a\\b\\c"},
        {UpperCaseText(QString::fromUtf8("straße äö")), QString::fromUtf8("STRAßE ÄÖ")},
        {TextBefore("=", "name=value"), "name"},
        {TextBefore("KEY", "a key b"), "a "}, // letter case ignored
        {TextBefore("#", "no separator"), "no separator"},
        {LeftPart("abcdef", 2), "ab"},
        {LeftPart("abc", -1), ""},
        {MiddlePart("abcdef", 2, 3), "bcd"},
        {MiddlePart("abcdef", 5, 9), "ef"},
        {MiddlePart("abcdef", 0, 2), "a"},
        {RestFrom("abcdef", 4), "def"},
        {RestFrom("abc", 9), ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.expected);

    String s = QString::fromUtf8("AbÄ1");
    MapCharacters(s, cmSwap);
    EXPECT_EQ(s, QString::fromUtf8("aBä1"));
    MapCharacters(s, cmLower);
    EXPECT_EQ(s, QString::fromUtf8("abä1"));
    String nul = QStringLiteral("ab") + QChar(u'\0') + QStringLiteral("cd");
    CutAtNul(nul);
    EXPECT_EQ(nul, "ab");
    EXPECT_EQ(CountCharOccurrences("a\\b\\c", u'\\'), 2);
}

TEST(SclStrings, PositionsCountFromOneAndRespectTheirStart) {
    struct Case {
        int got, expected;
        const char* what;
    };
    const Case cases[] = {
        {CaseInsensitivePos("KEY", "a key"), 3, "found regardless of case"},
        {CaseInsensitivePos("", "abc"), 0, "empty sub"},
        {CaseInsensitivePos("x", "abc"), 0, "absent"},
        {CaseInsensitivePosFrom("a", "abca", 2), 4, "from start, as a position in s"},
        {CaseInsensitivePosFrom("a", "", 1), 0, "empty text"},
        {CaseInsensitivePosFrom("a", "abca", 5), 0, "start beyond the text"},
        {CharPosFrom("a.b.c", u'.', 1), 2, "first"},
        {CharPosFrom("a.b.c", u'.', 3), 4, "at or after start"},
        {CharPosFrom("a.b.c", u'.', 5), 0, "none after start"},
        {CharPosFrom("a.b.c", u'.', 6), 0, "start beyond the text"},
        {CharPosFrom("a.b.c", u'.', 0), 0, "start before the text"},
        {LastCharPosFrom("a.b.c", u'.', 1), 4, "last"},
        {LastCharPosFrom("a.b.c", u'.', 5), 0, "last lies before start"},
        {LastCharPosFrom("a.b.c", u'.', 6), 0, "start beyond the text"},
        {LastCharPosFrom("", u'.', 1), 0, "empty text"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.expected) << c.what;
}

TEST(SclStrings, CharacterClasses) {
    EXPECT_TRUE(IsDigitChar(u'7'));
    EXPECT_TRUE(IsDigitChar(QChar(0x0663))); // an Arabic-Indic digit
    EXPECT_FALSE(IsDigitChar(u'x'));
    EXPECT_TRUE(IsUpperChar(QChar(0x00C4)));
    EXPECT_TRUE(IsLowerChar(QChar(0x00E4)));
    EXPECT_FALSE(IsUpperChar(u'1'));
    for (QChar c : QStringLiteral("09afAF"))
        EXPECT_TRUE(IsHexDigitChar(c)) << int(c.unicode());
    for (QChar c : QStringLiteral("gG-"))
        EXPECT_FALSE(IsHexDigitChar(c)) << int(c.unicode());
}

TEST(SclStrings, SplitText) {
    struct Case {
        const char* text;
        const char* sep;
        bool keepEmpty;
        const char* lines; // the pieces joined by "|"
        int count;
    };
    const Case cases[] = {
        {"a,,b", ",", false, "a|b", 2}, {"a,,b", ",", true, "a||b", 3},       {"a,b,", ",", true, "a|b", 2},
        {",a", ",", true, "|a", 2},     {"a::b::c", "::", false, "a|b|c", 3}, {"", ",", true, "", 0},
        {"abc", "", true, "abc", 1},
    };
    TStringList list;
    list.Add("stale");
    for (const Case& c : cases) {
        SplitText(c.text, c.sep, &list, c.keepEmpty);
        EXPECT_EQ(list.Count(), c.count) << c.text;
        QStringList pieces;
        for (int i = 0; i < list.Count(); ++i)
            pieces << list.Strings(i);
        EXPECT_EQ(pieces.join(u'|'), c.lines) << c.text;
    }
}

TEST(SclSysUtils, GuidTextAndZeroFill) {
    EXPECT_EQ(GuidToText(IID_IInterface), "{00000000-0000-0000-c000-000000000046}");
    const TGUID g{0x7DAD5220, 0x46EA, 0x11D5, {0xB0, 0xC0, 0x48, 0x54, 0xE8, 0x25, 0xF3, 0x45}};
    EXPECT_EQ(GuidToText(g), "{7dad5220-46ea-11d5-b0c0-4854e825f345}");
    char b[4] = {1, 2, 3, 4};
    ZeroFill(b, -1);
    EXPECT_EQ(b[0], 1);
    ZeroFill(b, 3);
    EXPECT_EQ(QByteArray(b, 4), QByteArray("\0\0\0\4", 4));
}

TEST(SclSysUtils, FreeModuleHandleEmptiesTheHandle) {
    HMODULE none = nullptr;
    FreeModuleHandle(none);
    EXPECT_EQ(none, nullptr);
    HMODULE lib = LoadLibraryA("gdi32.dll");
    ASSERT_NE(lib, nullptr);
    FreeModuleHandle(lib);
    EXPECT_EQ(lib, nullptr);
}

// ---- Bits

TEST(SclLogic, BitsOfWordBuffer) {
    DWORD buffer[2] = {0, 0};
    SetBufferBit(buffer, 33);
    EXPECT_TRUE(TestBufferBit(buffer, 33));
    EXPECT_EQ(buffer[0], 0u);
    EXPECT_EQ(buffer[1], 2u);
    SetBufferBit(buffer, 0);
    SetBufferBit(buffer, 31);
    EXPECT_EQ(buffer[0], 0x80000001u);
    EXPECT_FALSE(TestBufferBit(buffer, 32));
    // A negative bit lies before the buffer: nothing is written or read there.
    SetBufferBit(buffer + 1, -1);
    EXPECT_EQ(buffer[0], 0x80000001u);
    EXPECT_FALSE(TestBufferBit(buffer + 1, -1));
}

// ---- Synchronisation

String UniqueName(const char* base) {
    static int serial = 0;
    return QStringLiteral("%1_%2_%3").arg(base).arg(::getpid()).arg(++serial);
}

TEST(SclMutex, CreateOpenAcquireRelease) {
    const String name = UniqueName("SclMutexTest");
    TSclMutex first(nullptr, false, name);
    EXPECT_FALSE(first.Existed());
    EXPECT_EQ(first.Name(), name);
    TSclMutex second(nullptr, false, name);
    EXPECT_TRUE(second.Existed());
    std::unique_ptr<TSclMutex> opened(TSclMutex::Open(0, false, name));
    EXPECT_TRUE(opened->Existed());

    try {
        delete TSclMutex::Open(0, false, UniqueName("SclMutexMissing"));
        ADD_FAILURE() << "opening a missing mutex succeeded";
    } catch (const ESclMutexError& e) {
        EXPECT_EQ(e.LastError, ERROR_FILE_NOT_FOUND);
        EXPECT_TRUE(e.Message.endsWith("\r\nFailed to open mutex")) << e.Message.toStdString();
    }

    ASSERT_TRUE(first.Acquire(0));
    TSclWaitResult other = TSclWaitResult::wrSignaled;
    bool otherReleased = true;
    std::thread([&] {
        other = second.WaitFor(20);
        otherReleased = second.Release();
    }).join();
    EXPECT_EQ(other, TSclWaitResult::wrTimeout);
    EXPECT_FALSE(otherReleased); // not the owner
    EXPECT_TRUE(first.Release());

    // Two unnamed mutexes are two mutexes.
    TSclMutex a(nullptr, true, ""), b(nullptr, false, "");
    bool got = false;
    std::thread([&] { got = b.Acquire(0) && b.Release(); }).join();
    EXPECT_TRUE(got);
    EXPECT_TRUE(a.Release());
}

// The owner of a mutex ends without releasing it: the next waiter owns it and says so.
TEST(SclMutex, AbandonedByItsOwnerIsAcquired) {
    const String name = UniqueName("SclMutexAbandoned");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        TSclMutex m(nullptr, true, name);
        const char c = 'x';
        (void)!::write(ready[1], &c, 1);
        ::_exit(0); // ends as owner
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(ready[0]);
    ::close(ready[1]);

    TSclMutex m(nullptr, false, name);
    EXPECT_TRUE(m.Acquire(2000));
    EXPECT_TRUE(m.Release());
}

TEST(SclCriticalSection, CreateAndEnterInstallsOneSectionUnderRace) {
    TSclCriticalSection* cs = nullptr;
    constexpr int kThreads = 8, kRounds = 200;
    std::atomic<int> go{0};
    std::vector<TSclCriticalSection*> seen(kThreads);
    int counter = 0; // guarded by cs
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            while (!go.load())
                std::this_thread::yield();
            TSclCriticalSection::CreateAndEnter(cs);
            seen[std::size_t(t)] = cs;
            for (int i = 0; i < kRounds; ++i) {
                const int v = counter;
                std::this_thread::yield();
                counter = v + 1;
            }
            cs->Leave();
        });
    go = 1;
    for (auto& t : threads)
        t.join();
    ASSERT_NE(cs, nullptr);
    for (TSclCriticalSection* s : seen)
        EXPECT_EQ(s, cs);
    EXPECT_EQ(counter, kThreads * kRounds);
    delete cs;
}

TEST(SclIntfCriticalSection, ReferenceHoldsTheLockForItsScope) {
    TSclIntfCriticalSection section;
    std::atomic<bool> entered{false};
    std::thread other;
    {
        TInterfacePtr<IInterface> lock(&section);
        other = std::thread([&] {
            TInterfacePtr<IInterface> l(&section);
            entered = true;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_FALSE(entered.load());
    }
    other.join();
    EXPECT_TRUE(entered.load());
    void* intf = nullptr;
    EXPECT_EQ(section.QueryInterface(TGUID{1, 2, 3, {}}, &intf), E_NOINTERFACE);
    EXPECT_EQ(intf, nullptr);
}

// ---- Shared blocks

TEST(SharedBlocks, MappedTwiceReleasedTwice) {
    const String name = UniqueName("ShmTest");
    void* p1 = nullptr;
    void* p2 = nullptr;
    EXPECT_EQ(MapSharedBlock(p1, name, sizeof(void*)), 0u);
    ASSERT_NE(p1, nullptr);
    *static_cast<int*>(p1) = 42;
    EXPECT_EQ(MapSharedBlock(p2, name.toUpper(), 0), ERROR_ALREADY_EXISTS); // letter case ignored
    EXPECT_EQ(p2, p1);
    void* copy = p1;
    EXPECT_TRUE(ReleaseSharedBlock(p1));
    EXPECT_EQ(p1, nullptr);
    EXPECT_EQ(*static_cast<int*>(copy), 42); // still mapped by the second reference
    EXPECT_TRUE(ReleaseSharedBlock(p2));
    EXPECT_TRUE(ReleaseSharedBlock(p2)); // empty pointer
    int notABlock = 0;
    void* p3 = &notABlock;
    EXPECT_FALSE(ReleaseSharedBlock(p3));
    EXPECT_EQ(p3, &notABlock);

    // Fully released, the name exists nowhere and cannot be made empty.
    void* p4 = nullptr;
    try {
        MapSharedBlock(p4, name, 0);
        ADD_FAILURE() << "an empty block was made";
    } catch (const ESharedMemError& e) {
        EXPECT_EQ(e.Message, QStringLiteral("The MMF named \"%1\" cannot be created empty").arg(name));
    }
    EXPECT_EQ(p4, nullptr);
}

TEST(SharedBlocks, BlockOpenedElsewhereInTheProcessExists) {
    const String name = UniqueName("ShmPlatform");
    void* platformView = OpenSharedBlock(name, 16);
    void* p = nullptr;
    EXPECT_EQ(MapSharedBlock(p, name, 0), ERROR_ALREADY_EXISTS);
    EXPECT_EQ(p, platformView);
    EXPECT_TRUE(ReleaseSharedBlock(p));
    EXPECT_TRUE(CloseSharedBlock(platformView));
}

// ---- Unit version registry

TUnitVersionInfo Record(const char16_t* file, const char16_t* rev, const char16_t* date,
                        const char16_t* path) {
    return TUnitVersionInfo{file, rev, date, path, u"", nullptr};
}

TEST(UnitVersion, KeywordsAreTakenOff) {
    struct Case {
        const char16_t* file;
        const char16_t* revision;
        const char16_t* date;
        const char* rcsFile;
        const char* rev;
        const char* dateText;
        TDateTime dateTime;
    };
    const Case cases[] = {
        {u"$URL: x/y/SclBase.pas $", u"$Revision: 3391 $",
         u"$Date: 2010-09-20 21:18:26 +0200 (Mon, 20 Sep 2010) $", "SclBase.pas", "3391",
         "2010-09-20 21:18:26 +0200 (Mon, 20 Sep 2010)", EncodeDate(2010, 9, 20) + EncodeTime(21, 18, 26, 0)},
        {u" $RCSfile: SclBase.pas,v $ ", u"3391", u"09/20/2010 07:05:04", "SclBase.pas", "3391",
         "09/20/2010 07:05:04", EncodeDate(2010, 9, 20) + EncodeTime(7, 5, 4, 0)},
        {u"Plain.pas", u"$Revision: $", u"20.09.2010 01:02:03", "Plain.pas", "", "20.09.2010 01:02:03",
         EncodeDate(2010, 9, 20) + EncodeTime(1, 2, 3, 0)},
        {u"Plain.pas", u"", u"2010/09/20 01/02/03", "Plain.pas", "", "2010/09/20 01/02/03",
         EncodeDate(2010, 9, 20) + EncodeTime(1, 2, 3, 0)},
        {u"$URL: $", u"", u"no date", "", "", "no date", 0},
        {u"", u"", u"$Date: 2010-13-45 $", "", "", "2010-13-45", 0}, // not a date
    };
    for (const Case& c : cases) {
        const TUnitVersionInfo info = Record(c.file, c.revision, c.date, u" SCL\\source\\common ");
        const TUnitVersion v(&info);
        EXPECT_EQ(v.RCSfile(), c.rcsFile);
        EXPECT_EQ(v.Revision(), c.rev);
        EXPECT_EQ(v.Date(), c.dateText);
        EXPECT_DOUBLE_EQ(v.DateTime(), c.dateTime) << c.rcsFile;
        EXPECT_EQ(v.LogPath(), "SCL\\source\\common");
    }
}

class TTestVersioningProvider : public TCustomUnitVersioningProvider {
    ORVO_CLASS(TTestVersioningProvider, TCustomUnitVersioningProvider)
public:
    static inline int Made = 0;
    static inline std::vector<void*> Released;
    TTestVersioningProvider() { ++Made; }
    void ReleaseModuleUnitVersioningInfo(void* Instance) override { Released.push_back(Instance); }
};

} // namespace
ORVO_IMPLEMENT_CLASS(TTestVersioningProvider, TCustomUnitVersioningProvider)
namespace {

TEST(UnitVersioning, RecordsPerModule) {
    const TUnitVersionInfo a = Record(u"$URL: s/A.pas $", u"$Revision: 1 $", u"", u"SCL\\source\\common");
    const TUnitVersionInfo b = Record(u"$URL: s/B.pas $", u"$Revision: 2 $", u"", u"SCL\\source\\windows");
    TUnitVersioning r;
    r.NoteRecord(nullptr, &a);
    r.NoteRecord(nullptr, &a); // the same record again is held once
    r.NoteRecord(nullptr, &b);
    EXPECT_EQ(r.Count(), 2);
    EXPECT_EQ(r.ModuleCount(), 1);
    EXPECT_EQ(r.IndexOf("b.pas", "*"), 1);
    EXPECT_EQ(r.IndexOf("B.pas", "scl\\SOURCE\\windows"), 1);
    EXPECT_EQ(r.IndexOf("B.pas", "SCL\\source\\common"), -1);
    EXPECT_EQ(r.FindUnit("A.pas")->Revision(), "1");
    EXPECT_EQ(r.FindUnit("C.pas"), nullptr);

    // A module that can no longer be named was unloaded: its records go on the next count.
    void* unloaded = reinterpret_cast<void*>(0x1000);
    r.NoteRecord(unloaded, &a);
    EXPECT_EQ(r.ModuleCount(), 1);
    EXPECT_EQ(r.Count(), 2);

    r.RegisterProvider(TTestVersioningProvider::StaticClass());
    r.RegisterProvider(TTestVersioningProvider::StaticClass());
    EXPECT_EQ(TTestVersioningProvider::Made, 1);
    r.DropModule(nullptr);
    EXPECT_EQ(r.Count(), 0);
    ASSERT_EQ(TTestVersioningProvider::Released.size(), 1u);
    EXPECT_EQ(TTestVersioningProvider::Released[0], nullptr);
}

TEST(UnitVersioning, SupportUnitsRegisterAtStartUp) {
    TUnitVersioning* r = GetUnitVersioning();
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r, GetUnitVersioning()); // one registry per process
    for (const char* unit : {"SclBase.pas", "SclLogic.pas", "SclStrings.pas", "SclSynch.pas", "SclWin32.pas"})
        EXPECT_GE(r->IndexOf(unit), 0) << unit;
    for (const TUnitVersionInfo& info : RegistrationOnlyUnitVersions())
        EXPECT_GE(r->IndexOf(TUnitVersion(&info).RCSfile()), 0);
    const TUnitVersion* base = r->FindUnit("SclBase.pas", "SCL\\source\\common");
    ASSERT_NE(base, nullptr);
    EXPECT_EQ(base->Revision(), "3344");
    EXPECT_DOUBLE_EQ(base->DateTime(), EncodeDate(2010, 9, 20) + EncodeTime(21, 18, 26, 0));
    EXPECT_EQ(AnsiReplacementChar(), '?');
}

// ---- Errors, system information, version sources

TEST(SclWin32Error, CarriesTheLastError) {
    SetLastError(ERROR_ACCESS_DENIED);
    const ESclWin32Error e("Opening the port");
    EXPECT_EQ(e.LastError, ERROR_ACCESS_DENIED);
    EXPECT_FALSE(e.LastErrorMsg.isEmpty());
    EXPECT_EQ(e.Message, QStringLiteral("Win32 error: %1 (5)\r\nOpening the port").arg(e.LastErrorMsg));
}

TEST(SclSysInfo, AnswersForThisSystem) {
    EXPECT_EQ(WindowsVersionClass(), 0);
    SYSTEM_INFO info;
    EXPECT_TRUE(ReadNativeSystemInfo(info));
    EXPECT_EQ(info.dwPageSize, DWORD(::sysconf(_SC_PAGESIZE)));
    EXPECT_GE(info.dwNumberOfProcessors, 1u);
    EXPECT_NE(info.wProcessorArchitecture, PROCESSOR_ARCHITECTURE_UNKNOWN);
    EXPECT_EQ(LocaleAnsiCodePage(0x0415), 65001u);

    QTemporaryDir dir;
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    EXPECT_EQ(SpecialFolderPath(CSIDL_APPDATA), dir.path());
    EXPECT_EQ(SpecialFolderPath(CSIDL_APPDATA), UserAppDataFolder());
    EXPECT_EQ(SpecialFolderPath(0x0005), ""); // a folder this system does not have
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8() + '/' + QByteArray(300, 'x'));
    EXPECT_EQ(SpecialFolderPath(CSIDL_APPDATA), ""); // too long for the shell's buffer
    if (saved.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", saved);
}

TEST(VersionSources, WindowsAndModulesGiveTheProgramsBlock) {
    HWND window = reinterpret_cast<HWND>(0x10);
    EXPECT_EQ(WindowProcessFileName(window), ProgramFileName());
    EXPECT_EQ(FileVersionInfoOfWindow(window)->FileVersion(), "1.2.0.16");
    EXPECT_EQ(FileVersionInfoOfModule(nullptr)->FileVersion(), "1.2.0.16");
    struct Case {
        std::function<void()> call;
        const char* message;
    };
    const Case failures[] = {
        {[] { WindowProcessFileName(nullptr); }, "The window with handle 0 is not valid"},
        {[] { FileVersionInfoOfModule(reinterpret_cast<void*>(7)); },
         "The Module with handle 7 is not valid"},
    };
    for (const Case& c : failures) {
        try {
            c.call();
            ADD_FAILURE() << c.message;
        } catch (const ESclError& e) {
            EXPECT_EQ(e.Message, c.message);
        }
    }
}

TEST(VersionSources, LanguageNames) {
    struct Case {
        Word id;
        const char* name;
    };
    const Case cases[] = {
        {0x0409, "English (United States)"}, {0x0415, "Polish (Poland)"},
        {0x0807, "German (Switzerland)"},    {0x0C07, "German (Austria)"}, // known id
        {0x1407, "German (Germany)"}, // other sub-language: the primary language's main country
        {0x0000, "Language Neutral"},        {0x03FF, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(VersionLanguageName(c.id), c.name) << c.id;
    TSclFileVersionInfo v(ProgramFileName());
    ASSERT_GE(v.LanguageCount(), 1);
    EXPECT_FALSE(VersionLanguageName(v.Languages(0).LangId).isEmpty());
}

// ---- Drawing through a canvas

TEST(CanvasFunctions, DrawTextAndBlit) {
    TBitmap src(8, 8), dst(8, 8);
    src.Canvas()->Brush()->SetColor(clRed);
    src.Canvas()->FillRect(TRect{0, 0, 8, 8});
    dst.Canvas()->Brush()->SetColor(clWhite);
    dst.Canvas()->FillRect(TRect{0, 0, 8, 8});
    EXPECT_TRUE(DoBitBlt(dst.Canvas()->Handle(), 2, 2, 3, 3, src.Canvas()->Handle(), 0, 0, SRCCOPY));
    EXPECT_EQ(dst.Canvas()->Pixels(3, 3), clRed);
    EXPECT_EQ(dst.Canvas()->Pixels(5, 5), clWhite);

    // DT_CALCRECT gives the extent; DT_MODIFYSTRING changes nothing in what is measured.
    TBitmap b(100, 40);
    TRect plain{0, 0, 20, 20}, modify{0, 0, 20, 20};
    const int h1 = DrawTextOnCanvas(b.Canvas(), "Pressure 1", -1, plain, DT_CALCRECT | DT_SINGLELINE);
    const int h2 =
        DrawTextOnCanvas(b.Canvas(), "Pressure 1", -1, modify, DT_CALCRECT | DT_SINGLELINE | DT_MODIFYSTRING);
    EXPECT_GT(h1, 0);
    EXPECT_EQ(h1, h2);
    EXPECT_GT(plain.Right, 20);
    EXPECT_EQ(plain, modify);

    // Without DT_CALCRECT the text is drawn inside the rectangle only.
    b.Canvas()->Brush()->SetColor(clWhite);
    b.Canvas()->FillRect(TRect{0, 0, 100, 40});
    TRect box{0, 0, 100, 20};
    DrawTextOnCanvas(b.Canvas(), "WWWW", -1, box, DT_SINGLELINE | DT_MODIFYSTRING);
    int inked = 0, below = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x)
            if (b.Canvas()->Pixels(x, y) != clWhite) ++(y < 20 ? inked : below);
    EXPECT_GT(inked, 0);
    EXPECT_EQ(below, 0);
}

} // namespace
