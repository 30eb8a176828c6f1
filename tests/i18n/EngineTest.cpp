// Catalogue cache, embedded catalogues, domains and the translation instance.
#include "MoFixture.h"
#include "i18n/Domain.h"
#include "i18n/FileLocator.h"
#include "i18n/Gettext.h"
#include "i18n/GettextExceptions.h"
#include "i18n/MoFile.h"
#include "platform/classes/StringList.h"
#include "platform/win/Locale.h"
#include "platform/win/MessageBox.h"
#include "platform/win/Process.h"
#include "tests/support/Fifo.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <thread>

using fixture::BuildMo;

namespace {

struct Box {
    String text, caption;
};

// Records message boxes while alive.
class BoxRecorder {
public:
    BoxRecorder() {
        previous_ = SetMessageBoxHook([this](void*, const String& text, const String& caption, unsigned) {
            boxes.push_back({text, caption});
            return IDOK;
        });
    }
    ~BoxRecorder() { SetMessageBoxHook(previous_); }
    std::vector<Box> boxes;

private:
    TMessageBoxHook previous_;
};

class FakeLocale : public ILocaleProvider {
public:
    std::map<std::string, String> env;
    String system = QStringLiteral("pl_PL");
    String Environment(const char* name) override { return env.count(name) ? env[name] : String(); }
    String SystemLocaleName() override { return system; }
    QChar DecimalSeparator() override { return QLatin1Char('.'); }
    QChar ThousandSeparator() override { return QLatin1Char(','); }
    String ShortDateFormat() override { return QStringLiteral("dd/mm/yyyy"); }
    String LongTimeFormat() override { return QStringLiteral("hh:nn:ss"); }
};

// A program folder of its own with a "locale" folder, and an instance that reads it.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        SetProgramFileName(dir.filePath(QStringLiteral("orvo-tuning")));
        previousLocale = SetLocaleProvider(&locale);
        locale.env["LANG"] = QStringLiteral("en_US.UTF-8");
    }
    void TearDown() override {
        delete instance;
        SetLocaleProvider(previousLocale);
        SetProgramFileName(String());
    }
    QString localeDir() const { return dir.filePath(QStringLiteral("locale")); }
    void copyCatalogue(const QString& lang, const QString& folder) {
        fixture::PutCatalogue(localeDir(), folder, fixture::ReadFile(fixture::TestCatalogue(lang)));
    }
    TGettextInstance* make() {
        delete instance;
        instance = new TGettextInstance();
        return instance;
    }

    QTemporaryDir dir;
    FakeLocale locale;
    ILocaleProvider* previousLocale = nullptr;
    TGettextInstance* instance = nullptr;
};

TEST_F(EngineTest, LanguageFolderIsBesideTheProgramAndAGivenCodeIsKept) {
    locale.env["LANG"] = QStringLiteral("de_DE.UTF-8");
    EXPECT_EQ(make()->GetCurrentLanguage(), QStringLiteral("de_DE"));
    // A code given by the caller is used unchanged.
    instance->UseLanguage(QStringLiteral("de.x"));
    EXPECT_EQ(instance->GetCurrentLanguage(), QStringLiteral("de.x"));
    EXPECT_EQ(instance->DefaultDomainDirectory(), localeDir());
}

// The language comes from the setting passed to UseLanguage; without one, from the
// environment in the POSIX order for messages (LC_ALL, LC_MESSAGES, LANG, each cut at "."),
// then from the system's locale. The environment is asked again each time.
TEST_F(EngineTest, LanguageChoiceFollowsSettingThenPosixOrder) {
    const struct {
        const char* setting;
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        const char* system;
        const char* expected;
    } cases[] = {
        {"fr", "sv_SE.UTF-8", "it_IT", "de_DE", "pl_PL", "fr"},
        {"pt_BR.x", "", "", "", "pl_PL", "pt_BR.x"},
        {"", "sv_SE.ISO-8859-1", "it_IT.UTF-8", "de_DE.UTF-8", "pl_PL", "sv_SE"},
        {"", "sv_SE", "", "de_DE", "pl_PL", "sv_SE"},
        {"", "sv_SE", "it_IT", "", "pl_PL", "sv_SE"},
        {"", "", "pl_PL.UTF-8", "de_DE.UTF-8", "el_GR", "pl_PL"},
        {"", "", "it_IT.UTF-8", "", "pl_PL", "it_IT"},
        {"", "", "", "de_DE.UTF-8", "pl_PL", "de_DE"},
        {"", "", "", "pt_BR", "C", "pt_BR"},
        {"", "", "", "", "el_GR", "el_GR"},
        {"", "", "", "", "C", "C"},
    };
    TGettextInstance* t = make();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "setting '" << c.setting << "' LC_ALL '" << c.lcAll
                                        << "' LC_MESSAGES '" << c.lcMessages << "' LANG '" << c.lang << "'");
        t->UseLanguage(QStringLiteral("xx"));
        locale.env.clear();
        locale.env["LC_ALL"] = QString::fromLatin1(c.lcAll);
        locale.env["LC_MESSAGES"] = QString::fromLatin1(c.lcMessages);
        locale.env["LANG"] = QString::fromLatin1(c.lang);
        locale.system = QString::fromLatin1(c.system);
        t->UseLanguage(QString::fromLatin1(c.setting));
        EXPECT_EQ(t->GetCurrentLanguage(), QString::fromLatin1(c.expected));
    }
}

// The three notifications come after the change they report, with its values.
TEST_F(EngineTest, DescendantsAreToldOfLanguageDomainAndFolderChanges) {
    class TRecordingInstance : public TGettextInstance {
    public:
        std::vector<String> calls;

    protected:
        void LanguageChanged(const String& LanguageCode) override {
            calls.push_back(QStringLiteral("language ") + LanguageCode + QLatin1Char(' ') +
                            GetCurrentLanguage());
        }
        void DomainChanged(const String& TextDomain) override {
            calls.push_back(QStringLiteral("domain ") + TextDomain + QLatin1Char(' ') +
                            getcurrenttextdomain());
        }
        void DomainDirectoryChanged(const String& TextDomain, const String& Directory) override {
            calls.push_back(QStringLiteral("folder ") + TextDomain + QLatin1Char(' ') + Directory);
        }
    };
    TRecordingInstance t;
    t.calls.clear();
    locale.env["LANG"] = QStringLiteral("nl_NL.UTF-8");
    t.UseLanguage(String());
    t.UseLanguage(QStringLiteral("de"));
    t.textdomain(QStringLiteral("extra"));
    t.bindtextdomain(QStringLiteral("extra"), QStringLiteral("/opt/x"));
    t.bindtextdomainToFile(QStringLiteral("extra"), QStringLiteral("/opt/x/extra.mo"));
    EXPECT_EQ(t.calls, (std::vector<String>{
                           QStringLiteral("language nl_NL nl_NL"), QStringLiteral("language de de"),
                           QStringLiteral("domain extra extra"), QStringLiteral("folder extra /opt/x")}));
    EXPECT_EQ(t.DomainByName(QStringLiteral("extra"), String(), String())->Directory(), String());
}

// 8-bit ids: the system's code page (UTF-8) by default, else the design-time code page; a
// code page that cannot convert raises with the text.
TEST_F(EngineTest, EightBitIdsFollowTheDesignTimeCodePage) {
    fixture::PutCatalogue(localeDir(), QStringLiteral("de"),
                          BuildMo({{"Gr\xC3\xBC\xC3\x9F"
                                    "e",
                                    "Greetings"}}));
    TGettextInstance* t = make();
    t->UseLanguage(QStringLiteral("de"));
    EXPECT_EQ(t->gettext(AnsiString("Gr\xC3\xBC\xC3\x9F"
                                    "e")),
              QStringLiteral("Greetings"));
    t->DesignTimeCodePage = 1252;
    EXPECT_EQ(t->ansi2wide("Gr\xFC\xDF"
                           "e"),
              QStringLiteral("Gr\u00fc\u00dfe"));
    EXPECT_EQ(t->gettext(AnsiString("Gr\xFC\xDF"
                                    "e")),
              QStringLiteral("Greetings"));
    EXPECT_EQ(t->ngettext(AnsiString("Gr\xFC\xDF"
                                     "e"),
                          AnsiString("x"), 1),
              QStringLiteral("Gr\u00fc\u00dfe"));
    t->DesignTimeCodePage = 12345;
    EXPECT_EQ(t->ansi2wide(AnsiString()), String());
    try {
        t->gettext(AnsiString("abc"));
        ADD_FAILURE() << "no exception";
    } catch (const EGGAnsi2WideConvError& e) {
        EXPECT_EQ(e.Message, QStringLiteral("Cannot convert AnsiString to UnicodeString:\r\nabc"));
    }
}

// The debug log collects lines in memory until a file is named, then writes to the file;
// the handler may drop lines, pausing drops them all, and a memory log that grows too much
// ends with a notice.
TEST_F(EngineTest, DebugLogGoesToMemoryThenToItsFile) {
    auto readLog = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<missing>");
    };
    const QString path = dir.filePath(QStringLiteral("debug.log"));
    TGettextInstance* t = make();
    t->WriteDebugLine("one");
    t->OnDebugLine = TOnDebugLine([](TObject*, const AnsiString& line, bool& discard) {
        if (line.rfind("keep", 0) == 0) discard = false;
    });
    t->WriteDebugLine("keep two");
    t->WriteDebugLine("dropped by the handler");
    t->OnDebugLine = TOnDebugLine();
    t->DebugLogPause(true);
    t->WriteDebugLine("dropped while paused");
    t->DebugLogPause(false);
    t->DebugLogToFile(path, false);
    t->WriteDebugLine("three");
    delete instance;
    instance = nullptr;
    EXPECT_EQ(readLog(path), "one\r\nkeep two\r\nthree\r\n");

    // Appending sets the new log apart from the old one with a rule; not appending starts afresh.
    t = make();
    t->WriteDebugLine("four");
    t->DebugLogToFile(path, true);
    t->WriteDebugLine("five");
    delete instance;
    instance = nullptr;
    EXPECT_EQ(readLog(path),
              "one\r\nkeep two\r\nthree\r\n\r\n" + std::string(75, '=') + "\r\nfour\r\nfive\r\n");
    t = make();
    t->DebugLogToFile(path, false);
    t->WriteDebugLine("six");
    delete instance;
    instance = nullptr;
    EXPECT_EQ(readLog(path), "six\r\n");

    t = make();
    const AnsiString line(998, 'x'); // 1000 bytes with CR LF
    for (int i = 0; i < 1002; ++i)
        t->WriteDebugLine(line);
    t->WriteDebugLine("after the notice");
    t->DebugLogToFile(path, false);
    delete instance;
    instance = nullptr;
    const std::string log = readLog(path);
    EXPECT_EQ(log.size() - log.find("\r\n\r\nThe debug log was halted"),
              std::string("\r\n\r\nThe debug log was halted because its memory use grew too much.\r\n"
                          "Give a file name with DebugLogToFile to keep the whole log.\r\n\r\n")
                  .size());
    EXPECT_EQ(log.find("after the notice"), std::string::npos);
    EXPECT_EQ(log.rfind(line + "\r\n", 0), 0u);
}

// Lookups on a worker thread while the user interface switches the language see one of the
// languages' texts, never a half-changed domain.
TEST_F(EngineTest, WorkerLookupsRaceLanguageChangesSafely) {
    copyCatalogue(QStringLiteral("de"), QStringLiteral("de"));
    copyCatalogue(QStringLiteral("fr"), QStringLiteral("fr"));
    copyCatalogue(QStringLiteral("ru"), QStringLiteral("ru"));
    TGettextInstance* t = make();
    std::atomic<bool> stop{false};
    std::atomic<int> wrong{0}, lookups{0};
    std::thread worker([&] {
        const QStringList hello{QStringLiteral("Hello"), QStringLiteral("Hallo"), QStringLiteral("Bonjour")};
        const QStringList files{QStringLiteral("%d files"), QStringLiteral("%d Dateien"),
                                QString::fromUtf8("%d файлов"), QStringLiteral("%d fichiers")};
        while (!stop.load()) {
            if (!hello.contains(t->gettext(QStringLiteral("Hello")))) ++wrong;
            if (!files.contains(t->ngettext(QStringLiteral("%d file"), QStringLiteral("%d files"), 5)))
                ++wrong;
            ++lookups;
        }
    });
    const char* langs[] = {"de", "fr", "ru", "xx"};
    for (int i = 0; i < 400 || lookups.load() < 100; ++i)
        t->UseLanguage(QString::fromLatin1(langs[i % 4]));
    stop = true;
    worker.join();
    EXPECT_EQ(wrong.load(), 0);
}

TEST_F(EngineTest, TranslatesFromTheLocaleFolderAndSwitchesLanguage) {
    copyCatalogue(QStringLiteral("de"), QStringLiteral("de"));
    copyCatalogue(QStringLiteral("fr"), QStringLiteral("fr"));
    TGettextInstance* t = make();
    EXPECT_EQ(t->gettext(QStringLiteral("Hello")), QStringLiteral("Hello"));
    t->UseLanguage(QStringLiteral("de"));
    EXPECT_EQ(t->gettext(QStringLiteral("Hello")), QStringLiteral("Hallo"));
    EXPECT_EQ(t->gettext(QStringLiteral("Save as")), QStringLiteral("Speichern unter"));
    EXPECT_EQ(t->gettext(QStringLiteral("Unknown")), QStringLiteral("Unknown"));
    EXPECT_EQ(t->gettext(QStringLiteral("Clef")),
              QStringLiteral("Notenschl\u00fcssel ") + QString::fromUtf16(u"\U0001D11E"));
    EXPECT_EQ(t->gettext(AnsiString("Save")), QStringLiteral("Speichern"));
    EXPECT_EQ(t->GetTranslatorNameAndEmail(), QStringLiteral("Hans Muster <hans@example.com>"));
    t->UseLanguage(QStringLiteral("fr"));
    EXPECT_EQ(t->gettext(QStringLiteral("Hello")), QStringLiteral("Bonjour"));
    t->Enabled = false;
    EXPECT_EQ(t->gettext(QStringLiteral("Hello")), QStringLiteral("Hello"));
}

TEST_F(EngineTest, LineBreaksAreFoundWithoutCrAndComeBackAsCrLf) {
    copyCatalogue(QStringLiteral("de"), QStringLiteral("de"));
    TGettextInstance* t = make();
    t->UseLanguage(QStringLiteral("de"));
    EXPECT_EQ(t->gettext(QStringLiteral("First line\r\nSecond line")),
              QStringLiteral("Erste Zeile\r\nZweite Zeile"));
    EXPECT_EQ(t->gettext(QStringLiteral("First line\nSecond line")),
              QStringLiteral("Erste Zeile\r\nZweite Zeile"));
    // Without a translation the id comes back with its line ends normalised.
    EXPECT_EQ(t->gettext(QStringLiteral("a\nb")), QStringLiteral("a\r\nb"));
    // An untranslated plural id with a line break keeps the English forms.
    EXPECT_EQ(t->ngettext(QStringLiteral("one\nline"), QStringLiteral("many\nlines"), 1),
              QStringLiteral("one\r\nline"));
    EXPECT_EQ(t->ngettext(QStringLiteral("one\nline"), QStringLiteral("many\nlines"), 3),
              QStringLiteral("many\r\nlines"));
}

// Lookups are remembered per domain; every change of what a domain reads must show in the
// very next lookup of an id that was already looked up.
TEST_F(EngineTest, RepeatedLookupsFollowEveryChangeOfCatalogue) {
    const QString other = dir.filePath(QStringLiteral("other"));
    const QString single = dir.filePath(QStringLiteral("single.mo"));
    const std::string pluralId("%d file\0%d files", 16);
    fixture::PutCatalogue(localeDir(), QStringLiteral("de"), BuildMo({{"Hello", "Hallo"}}));
    fixture::PutCatalogue(localeDir(), QStringLiteral("ru"),
                          BuildMo({{pluralId, std::string("odin\0dva\0mnogo", 15)}}));
    fixture::PutCatalogue(localeDir(), QStringLiteral("fr"), BuildMo({{"Hello", "Bonjour"}}));
    fixture::PutCatalogue(localeDir(), QStringLiteral("de"), BuildMo({{"Hello", "Zweite"}}),
                          QStringLiteral("second"));
    fixture::PutCatalogue(other, QStringLiteral("de"), BuildMo({{"Hello", "Servus"}}));
    fixture::WriteFile(single, BuildMo({{"Hello", "Aus der Datei"}}));
    TGettextInstance* t = make();
    t->bindtextdomain(QStringLiteral("second"), localeDir());

    using Step = std::function<void()>;
    auto hello = [&] { return t->gettext(QStringLiteral("Hello")); };
    auto files = [&] { return t->ngettext(QStringLiteral("%d file"), QStringLiteral("%d files"), 5); };
    const struct {
        const char* change;
        Step step;
        std::function<String()> lookup;
        const char* expected;
    } steps[] = {
        {"language without catalogue", [&] { t->UseLanguage(QStringLiteral("xx")); }, hello, "Hello"},
        {"language with catalogue", [&] { t->UseLanguage(QStringLiteral("de")); }, hello, "Hallo"},
        {"other language", [&] { t->UseLanguage(QStringLiteral("fr")); }, hello, "Bonjour"},
        {"back to the first language", [&] { t->UseLanguage(QStringLiteral("de")); }, hello, "Hallo"},
        {"current domain", [&] { t->textdomain(QStringLiteral("second")); }, hello, "Zweite"},
        {"current domain back", [&] { t->textdomain(QStringLiteral("default")); }, hello, "Hallo"},
        {"named domain, other case", [] {},
         [&] { return t->dgettext(QStringLiteral("SECOND"), QStringLiteral("Hello")); }, "Zweite"},
        {"domain folder", [&] { t->bindtextdomain(QStringLiteral("default"), other); }, hello, "Servus"},
        {"domain file", [&] { t->bindtextdomainToFile(QStringLiteral("default"), single); }, hello,
         "Aus der Datei"},
        {"file rewritten and catalogue reloaded",
         [&] {
             fixture::WriteFile(single, BuildMo({{"Hello", "Neu geladen"}}));
             t->DomainByName(QStringLiteral("default"), String(), String())->UnloadCatalogue();
         },
         hello, "Neu geladen"},
        {"translation off", [&] { t->Enabled = false; }, hello, "Hello"},
        {"translation on", [&] { t->Enabled = true; }, hello, "Neu geladen"},
        // A plural found in the catalogue takes the language's form (for 5 in Russian the
        // third, where the English rule would take the second); without it the English
        // rule picks from the ids.
        {"plural found",
         [&] {
             t->bindtextdomain(QStringLiteral("default"), localeDir());
             t->UseLanguage(QStringLiteral("ru"));
         },
         files, "mnogo"},
        {"plural not found", [&] { t->UseLanguage(QStringLiteral("fr")); }, files, "%d files"},
        {"plural found again", [&] { t->UseLanguage(QStringLiteral("ru")); }, files, "mnogo"},
    };
    for (const auto& s : steps) {
        s.step();
        // Twice: the first lookup may read the catalogue, the second is answered from memory.
        EXPECT_EQ(s.lookup(), QString::fromUtf8(s.expected)) << s.change;
        EXPECT_EQ(s.lookup(), QString::fromUtf8(s.expected)) << s.change << " (repeated)";
    }
}

TEST_F(EngineTest, RegionalCodeFallsBackAndFolderCaseIsIgnored) {
    copyCatalogue(QStringLiteral("de"), QStringLiteral("de"));
    copyCatalogue(QStringLiteral("fr"), QStringLiteral("pt_BR"));
    TGettextInstance* t = make();
    t->UseLanguage(QStringLiteral("de_AT"));
    EXPECT_EQ(t->gettext(QStringLiteral("Hello")), QStringLiteral("Hallo"));
    TStringList langs;
    t->GetListOfLanguages(QStringLiteral("default"), &langs);
    EXPECT_EQ(langs.CommaText(), QStringLiteral("de,pt_br"));
    t->UseLanguage(langs.Strings(1));
    EXPECT_EQ(t->gettext(QStringLiteral("Hello")), QStringLiteral("Bonjour"));
    // With no catalogue the disk is not searched again until the language changes.
    t->UseLanguage(QStringLiteral("it_IT"));
    EXPECT_EQ(t->gettext(QStringLiteral("Hello")), QStringLiteral("Hello"));
    copyCatalogue(QStringLiteral("de"), QStringLiteral("it"));
    EXPECT_EQ(t->gettext(QStringLiteral("Hello")), QStringLiteral("Hello"));
    t->UseLanguage(QStringLiteral("it"));
    EXPECT_EQ(t->gettext(QStringLiteral("Hello")), QStringLiteral("Hallo"));
}

TEST_F(EngineTest, PluralFormsFollowTheLanguage) {
    for (const char* lang : {"de", "pl", "ru", "sl"})
        copyCatalogue(QString::fromLatin1(lang), QString::fromLatin1(lang));
    TGettextInstance* t = make();
    const QString one = QStringLiteral("%d file"), many = QStringLiteral("%d files");
    // No catalogue: the English rule on the ids.
    t->UseLanguage(QStringLiteral("xx"));
    for (Int64 n : {1, -1})
        EXPECT_EQ(t->ngettext(one, many, n), one);
    for (Int64 n : {0, 2, 5})
        EXPECT_EQ(t->ngettext(one, many, n), many);
    const struct {
        const char* lang;
        std::vector<std::pair<Int64, const char*>> expected;
    } cases[] = {
        {"de", {{1, "%d Datei"}, {0, "%d Dateien"}, {2, "%d Dateien"}}},
        {"ru",
         {{1, "%d файл"},
          {2, "%d файла"},
          {5, "%d файлов"},
          {11, "%d файлов"},
          {21, "%d файл"},
          {22, "%d файла"},
          {111, "%d файлов"}}},
        {"pl",
         {{1, "%d plik"},
          {2, "%d pliki"},
          {4, "%d pliki"},
          {5, "%d plików"},
          {11, "%d plików"},
          {12, "%d plików"},
          {21, "%d plików"},
          {22, "%d pliki"},
          {31, "%d plików"},
          {0, "%d plików"},
          {-1, "%d plik"}}},
        {"sl", {{1, "%d datoteka"}, {102, "%d datoteki"}, {3, "%d datoteke"}, {5, "%d datotek"}}},
    };
    for (const auto& c : cases) {
        t->UseLanguage(QString::fromLatin1(c.lang));
        for (const auto& [n, form] : c.expected)
            EXPECT_EQ(t->ngettext(one, many, n), QString::fromUtf8(form)) << c.lang << n;
    }
}

TEST(PluralRules, TableMatchesTheStandardRules) {
    for (Int64 n = 0; n < 300; ++n) {
        const Int64 a = n % 10, b = n % 100;
        const int ru = (a == 1 && b != 11) ? 0 : (a >= 2 && a <= 4 && (b < 10 || b >= 20)) ? 1 : 2;
        const int pl = n == 1 ? 0 : (a >= 2 && a <= 4 && (b < 10 || b >= 20)) ? 1 : 2;
        EXPECT_EQ(PluralRuleForLanguage(QStringLiteral("ru_RU"))(n), ru) << n;
        EXPECT_EQ(PluralRuleForLanguage(QStringLiteral("pl"))(n), pl) << n;
        EXPECT_EQ(PluralRuleForLanguage(QStringLiteral("ja"))(n), 0);
        EXPECT_EQ(PluralRuleForLanguage(QStringLiteral("pt_BR"))(n), n > 1 ? 1 : 0);
        EXPECT_EQ(PluralRuleForLanguage(QStringLiteral("pt_PT"))(n), n == 1 ? 0 : 1);
        EXPECT_EQ(PluralRuleForLanguage(QStringLiteral("lv"))(n), (a == 1 && b != 11) ? 0 : n != 0 ? 1 : 2);
        EXPECT_EQ(PluralRuleForLanguage(QStringLiteral("ga"))(n), n == 1 ? 0 : n == 2 ? 1 : 2);
    }
}

// Every code of the table picks its row's rule, by its first two letters in any case (the
// whole code for pt_BR); the magnitude of the most negative count is taken without overflow.
TEST(PluralRules, LanguageCodesPickTheirRows) {
    const Int64 most = std::numeric_limits<Int64>::min(); // magnitude ends in ...808
    const struct {
        const char* code;
        std::vector<std::pair<Int64, int>> forms;
    } cases[] = {
        {"en", {{1, 0}, {0, 1}, {2, 1}, {-1, 0}, {most, 1}}},
        {"xx_YY", {{1, 0}, {0, 1}, {21, 1}}},
        {"de_AT", {{1, 0}, {11, 1}}},
        {"hu", {{1, 0}, {2, 0}, {most, 0}}},
        {"ko", {{5, 0}}},
        {"zh_TW", {{5, 0}}},
        {"ja", {{5, 0}}},
        {"TR", {{5, 0}}},
        {"fr_CA", {{0, 0}, {1, 0}, {2, 1}, {-1, 0}, {most, 1}}},
        {"fa", {{0, 0}, {1, 0}, {2, 1}}},
        {"PT_br", {{0, 0}, {1, 0}, {2, 1}}},
        {"pt", {{0, 1}, {1, 0}, {2, 1}}},
        {"lv", {{0, 2}, {1, 0}, {11, 1}, {21, 0}, {2, 1}}},
        {"ga", {{1, 0}, {2, 1}, {3, 2}, {0, 2}}},
        {"lt", {{1, 0}, {21, 0}, {11, 2}, {2, 1}, {9, 1}, {10, 2}, {12, 2}, {22, 1}, {most, 1}}},
        {"cs", {{1, 0}, {3, 1}, {5, 2}}},
        {"sk", {{1, 0}, {3, 1}, {5, 2}}},
        {"uk_UA", {{21, 0}, {23, 1}, {13, 2}}},
        {"hr", {{1, 0}, {4, 1}, {14, 2}}},
        {"ru", {{1, 0}, {most, 2}}},
        {"Pl_PL", {{1, 0}, {21, 2}, {22, 1}, {12, 2}, {most, 2}}},
        {"sl", {{1, 0}, {101, 0}, {2, 1}, {3, 2}, {104, 2}, {5, 3}, {0, 3}, {11, 3}, {most, 3}}},
    };
    for (const auto& c : cases) {
        const TGetPluralForm rule = PluralRuleForLanguage(QString::fromLatin1(c.code));
        for (const auto& [n, form] : c.forms)
            EXPECT_EQ(rule(n), form) << c.code << " " << n;
    }
}

TEST_F(EngineTest, AFormBeyondTheLastGivesTheLastForm) {
    fixture::PutCatalogue(localeDir(), QStringLiteral("ru"),
                          BuildMo({{std::string("%d file\0%d files", 16), std::string("one\0two", 7)}}));
    TGettextInstance* t = make();
    t->UseLanguage(QStringLiteral("ru"));
    EXPECT_EQ(t->ngettext(QStringLiteral("%d file"), QStringLiteral("%d files"), 5), QStringLiteral("two"));
}

TEST_F(EngineTest, WrongCharsetDisablesTheDomainWithOneBox) {
    fixture::PutCatalogue(localeDir(), QStringLiteral("cs"),
                          BuildMo({{"Hello", "Ahoj"}}, false, "ISO-8859-2"));
    BoxRecorder boxes;
    TGettextInstance* t = make();
    t->UseLanguage(QStringLiteral("cs"));
    EXPECT_EQ(t->gettext(QStringLiteral("Hello")), QStringLiteral("Hello"));
    EXPECT_EQ(t->gettext(QStringLiteral("Hello")), QStringLiteral("Hello"));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].caption, QStringLiteral("Localization problem"));
    EXPECT_TRUE(
        boxes.boxes[0].text.startsWith(QStringLiteral("The translation for the language code cs (in ")));
    EXPECT_TRUE(boxes.boxes[0].text.endsWith(QStringLiteral(
        "cs/LC_MESSAGES/default.mo) does not have charset=utf-8 in its Content-Type. Translations are "
        "turned off.")));
    EXPECT_EQ(boxes.boxes[0].text,
              QStringLiteral("The translation for the language code cs (in ") + localeDir() +
                  QStringLiteral("/cs/LC_MESSAGES/default.mo) does not have charset=utf-8 in "
                                 "its Content-Type. Translations are turned off."));
    // A disabled domain stays disabled, even in another language.
    t->UseLanguage(QStringLiteral("cs"));
    EXPECT_EQ(t->gettext(QStringLiteral("Hello")), QStringLiteral("Hello"));
    EXPECT_EQ(boxes.boxes.size(), 1u);
}

// A catalogue that cannot be used (damaged, not a catalogue, a header that is not UTF-8, a
// FIFO in the file's place) is told once in a box; the program goes on untranslated, and a
// later change of language tries again.
TEST_F(EngineTest, DamagedCatalogueIsReportedOnceThenIdsComeBack) {
    auto cut = BuildMo({{"Hello", "Hallo"}});
    cut.resize(cut.size() - 4);
    auto farTable = BuildMo({{"Hello", "Hallo"}});
    fixture::Patch32(farTable, 12, 0xFFFFFF00u); // the id table beyond the end of the file
    const auto badHeader = BuildMo({{"Hello", "Hallo"}}, false, "UTF-8\xC3");
    struct Case {
        const char* lang;
        std::vector<Byte> bytes; // empty: a FIFO
        const char* reason;
    };
    const Case cases[] = {
        {"de", cut, "This GNU gettext mo file is damaged: "},
        {"fr", std::vector<Byte>(64, 0x11), "This file is not a valid GNU gettext mo file: "},
        {"it", farTable, "This GNU gettext mo file is damaged: "},
        {"nl", badHeader, "Invalid byte sequence encountered in utf-8 string"},
        {"pt", {}, "Cannot open file \""},
    };
    std::vector<std::unique_ptr<TFifoGuard>> fifos;
    for (const Case& c : cases) {
        if (!c.bytes.empty()) {
            fixture::PutCatalogue(localeDir(), QString::fromLatin1(c.lang), c.bytes);
            continue;
        }
        fifos.push_back(std::make_unique<TFifoGuard>(localeDir() + "/" + c.lang + "/LC_MESSAGES/default.mo"));
        ASSERT_TRUE(fifos.back()->Made());
    }
    TGettextInstance* t = make();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lang);
        BoxRecorder boxes;
        t->UseLanguage(QString::fromLatin1(c.lang));
        EXPECT_EQ(t->gettext(QStringLiteral("Hello")), QStringLiteral("Hello"));
        EXPECT_EQ(t->gettext(QStringLiteral("Hello")), QStringLiteral("Hello"));
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].caption, QStringLiteral("Localization problem"));
        const String text = boxes.boxes[0].text;
        EXPECT_TRUE(text.startsWith(QStringLiteral("The translation for the language code ") + c.lang +
                                    QStringLiteral(" could not be read.\n") + c.reason))
            << text.toStdString();
        EXPECT_TRUE(text.endsWith(QStringLiteral("\nTranslations are turned off."))) << text.toStdString();
        EXPECT_EQ(FileLocator->LoadedCount(), 0);
    }
    for (const auto& fifo : fifos)
        EXPECT_FALSE(fifo->Released());
    // Another language is tried afresh, and a good catalogue translates.
    fixture::PutCatalogue(localeDir(), QStringLiteral("es"), BuildMo({{"Hello", "Hola"}}));
    BoxRecorder boxes;
    t->UseLanguage(QStringLiteral("es"));
    EXPECT_EQ(t->gettext(QStringLiteral("Hello")), QStringLiteral("Hola"));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(EngineTest, DomainsSharingAFileShareOneCatalogue) {
    copyCatalogue(QStringLiteral("de"), QStringLiteral("de"));
    TGettextInstance* t = make();
    t->UseLanguage(QStringLiteral("de"));
    t->bindtextdomain(QStringLiteral("second"), localeDir());
    t->bindtextdomainToFile(QStringLiteral("second"),
                            localeDir() + QStringLiteral("/de/LC_MESSAGES/default.mo"));
    const int before = FileLocator->LoadedCount();
    EXPECT_EQ(t->gettext(QStringLiteral("Hello")), QStringLiteral("Hallo"));
    EXPECT_EQ(t->dgettext(QStringLiteral("second"), QStringLiteral("Save")), QStringLiteral("Speichern"));
    EXPECT_EQ(FileLocator->LoadedCount(), before + 1);
    TDomain* first = t->DomainByName(QStringLiteral("default"), String(), String());
    first->UnloadCatalogue();
    EXPECT_EQ(FileLocator->LoadedCount(), before + 1);
    t->UseLanguage(QStringLiteral("fr"));
    EXPECT_EQ(FileLocator->LoadedCount(), before);
}

TEST_F(EngineTest, EmbeddedCataloguesAreReadFromTheProgramFile) {
    // A program file with catalogues and their table appended, as the packaging step makes it.
    std::vector<Byte> program(64, 0x90);
    const auto de = BuildMo({{"Hello", "Hallo (eingebettet)"}});
    const UInt64 deOffset = program.size();
    program.insert(program.end(), de.begin(), de.end());
    const UInt64 table = program.size();
    auto put64 = [&](UInt64 v) {
        for (int i = 0; i < 8; ++i)
            program.push_back(Byte(v >> (8 * i)));
    };
    const std::string name = " locale\\nl\\LC_MESSAGES\\default.mo\t";
    put64(table + 24 + name.size());
    put64(deOffset);
    put64(de.size());
    program.insert(program.end(), name.begin(), name.end());
    put64(0);
    const QString programFile = dir.filePath(QStringLiteral("orvo-tuning"));
    fixture::WriteFile(programFile, program);

    TFileLocator locator;
    locator.AnalyzeFile(programFile, 0);
    EXPECT_TRUE(locator.BaseDirectory().isEmpty());
    EXPECT_FALSE(locator.FileExists(localeDir() + QStringLiteral("/nl/LC_MESSAGES/default.mo")));
    locator.AnalyzeFile(programFile, table);
    EXPECT_EQ(locator.BaseDirectory(), dir.path() + QLatin1Char('/'));
    EXPECT_TRUE(locator.FileExists(localeDir() + QStringLiteral("/NL/lc_messages/default.mo")));

    TFileLocator* saved = FileLocator;
    FileLocator = &locator;
    TGettextInstance* t = make();
    t->UseLanguage(QStringLiteral("nl"));
    EXPECT_EQ(t->gettext(QStringLiteral("Hello")), QStringLiteral("Hallo (eingebettet)"));
    TStringList langs;
    t->GetListOfLanguages(QStringLiteral("default"), &langs);
    EXPECT_EQ(langs.CommaText(), QStringLiteral("nl"));
    delete instance;
    instance = nullptr;
    FileLocator = saved;
}

TEST_F(EngineTest, DamagedEmbeddedTableKeepsTheRecordsBefore) {
    std::vector<Byte> program(32, 0);
    auto put64 = [&](UInt64 v) {
        for (int i = 0; i < 8; ++i)
            program.push_back(Byte(v >> (8 * i)));
    };
    const std::string a = "locale/a/LC_MESSAGES/default.mo";
    const UInt64 first = program.size();
    put64(first + 24 + a.size());
    put64(0);
    put64(16);
    program.insert(program.end(), a.begin(), a.end());
    // The second record points backwards: a loop the scan must not follow.
    put64(first);
    put64(0);
    put64(16);
    program.insert(program.end(), a.begin(), a.end());
    const QString programFile = dir.filePath(QStringLiteral("orvo-tuning"));
    fixture::WriteFile(programFile, program);
    TFileLocator locator;
    locator.AnalyzeFile(programFile, first);
    EXPECT_EQ(locator.EmbeddedNames(), QStringList{QString::fromStdString(a)});
    TFileLocator beyond;
    beyond.AnalyzeFile(programFile, 1u << 30);
    EXPECT_TRUE(beyond.EmbeddedNames().isEmpty());
}

// The program's folder is compared with ASCII letters folded and every other letter exact.
TEST_F(EngineTest, EmbeddedNamesFoldOnlyAsciiLettersOfTheProgramFolder) {
    const QString folder = dir.filePath(QStringLiteral("\u00dcbung"));
    std::vector<Byte> program(16, 0);
    const std::string name = "locale/de/LC_MESSAGES/default.mo";
    const UInt64 table = program.size();
    for (UInt64 v : {table + 24 + name.size(), UInt64(0), UInt64(16)})
        for (int i = 0; i < 8; ++i)
            program.push_back(Byte(v >> (8 * i)));
    program.insert(program.end(), name.begin(), name.end());
    for (int i = 0; i < 8; ++i)
        program.push_back(0);
    fixture::WriteFile(folder + QStringLiteral("/orvo-tuning"), program);
    TFileLocator locator;
    locator.AnalyzeFile(folder + QStringLiteral("/orvo-tuning"), table);
    const QString rest = QStringLiteral("/\u00dcbung/LOCALE/De/LC_MESSAGES/default.mo");
    EXPECT_TRUE(locator.FileExists(dir.path() + rest));
    EXPECT_TRUE(locator.FileExists(dir.path().toUpper() + rest));
    EXPECT_FALSE(
        locator.FileExists(dir.path() + QStringLiteral("/\u00fcbung/locale/de/LC_MESSAGES/default.mo")));
}

TEST(Gettext, DefaultTranslatorServesTheFreeFunctions) {
    ASSERT_NE(DefaultTranslator, nullptr);
    ASSERT_NE(FileLocator, nullptr);
    const String dirBefore =
        DefaultTranslator->DomainByName(QStringLiteral("default"), String(), String())->Directory();
    const String langBefore = DefaultTranslator->GetCurrentLanguage();
    DefaultTranslator->bindtextdomain(QStringLiteral("default"), QStringLiteral(ORVO_TEST_LOCALE));
    UseLanguage(QStringLiteral("de"));
    EXPECT_EQ(gettext(QStringLiteral("Hello")), QStringLiteral("Hallo"));
    EXPECT_EQ(ngettext(QStringLiteral("%d file"), QStringLiteral("%d files"), 2),
              QStringLiteral("%d Dateien"));
    EXPECT_EQ(dgettext(QStringLiteral("default"), QStringLiteral("Send")), QStringLiteral("Senden"));
    DefaultTranslator->bindtextdomain(QStringLiteral("default"), dirBefore);
    UseLanguage(langBefore);
}

} // namespace
