#include "platform/classes/MemIniFile.h"

#include "platform/classes/StringList.h"
#include "platform/rtl/FormatSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {
class MemIniFileTest : public ::testing::Test {
protected:
    QString path(const char* name = "settings.ini") const { return dir.filePath(QString::fromLatin1(name)); }
    void writeFile(const QByteArray& bytes, const char* name = "settings.ini") {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readFile(const char* name = "settings.ini") {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return f.readAll();
    }
    QTemporaryDir dir;
};

// Sets the decimal separator of the global settings for one test.
class SeparatorOverride {
public:
    explicit SeparatorOverride(QChar sep) : saved_(FormatSettings) {
        FormatSettings.DecimalSeparator = sep;
        FormatSettings.ThousandSeparator = sep == u',' ? QChar(u'.') : QChar(u',');
    }
    ~SeparatorOverride() { FormatSettings = saved_; }

private:
    TFormatSettings saved_;
};
} // namespace

TEST_F(MemIniFileTest, ReadsTheTextFormat) {
    writeFile("\xEF\xBB\xBF"
              "orphan=before any section\r\n"
              "[Pressure]\r\n"
              "  CoeffA0 =  1.5  \r\n"
              "; a comment=not a key\n"
              "\n"
              "no equals sign here\r"
              "Type0=0x1F\r"
              "Name=a=b\n"
              "Empty=\n"
              "coeffa0=second\n"
              "[ GUI ]\n"
              "Language=de\n"
              "[pressure]\n"
              "Type1=2");
    TMemIniFile ini(path());
    TStringList sections, keys, values;
    ini.ReadSections(&sections);
    EXPECT_EQ(sections.Text(), "Pressure\r\n GUI \r\n"); // a repeated section is read as one
    ini.ReadSection("PRESSURE", &keys);
    EXPECT_EQ(keys.Text(), "CoeffA0\r\nType0\r\nName\r\nEmpty\r\ncoeffa0\r\nType1\r\n");
    ini.ReadSectionValues("pressure", &values);
    EXPECT_EQ(values.Strings(2), "Name=a=b");

    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    for (const Case& c :
         {Case{"Pressure", "CoeffA0", "1.5"}, Case{"PRESSURE", "coeffa0", "1.5"},
          Case{"Pressure", "Name", "a=b"}, Case{"Pressure", "Empty", ""}, Case{"Pressure", "Type1", "2"},
          Case{" gui ", "language", "de"}, Case{"GUI", "Language", "<default>"},
          Case{"Pressure", "orphan", "<default>"}, Case{"Pressure", "; a comment", "<default>"}})
        EXPECT_EQ(ini.ReadString(c.section, c.key, "<default>"), c.expected) << c.section << "/" << c.key;
    EXPECT_TRUE(ini.ValueExists("Pressure", "empty"));
    EXPECT_FALSE(ini.ValueExists("Pressure", "orphan"));
    EXPECT_TRUE(ini.SectionExists("PRESSURE"));
    EXPECT_FALSE(ini.SectionExists("GUI"));
}

TEST_F(MemIniFileTest, IntegerReads) {
    TMemIniFile ini(path());
    struct Case {
        const char* text;
        int expected;
    };
    for (const Case& c :
         {Case{"42", 42}, Case{"-7", -7}, Case{"0x1", 1}, Case{"0X1f", 31}, Case{"$10", 16}, Case{"", -1},
          Case{"abc", -1}, Case{"12abc", -1}, Case{"0x", -1}, Case{"1.5", -1}}) {
        ini.WriteString("S", "K", c.text);
        EXPECT_EQ(ini.ReadInteger("S", "K", -1), c.expected) << "'" << c.text << "'";
    }
    EXPECT_EQ(ini.ReadInteger("S", "missing", 5), 5);
    ini.WriteInteger("S", "K", -12);
    EXPECT_EQ(ini.ReadString("S", "K", ""), "-12");
    ini.WriteBool("S", "B", true);
    EXPECT_EQ(ini.ReadString("S", "B", ""), "1");
    EXPECT_TRUE(ini.ReadBool("S", "B", false));
    EXPECT_FALSE(ini.ReadBool("S", "none", false));
}

TEST_F(MemIniFileTest, FloatsAreWrittenInTheLocaleAndReadInAnyOfTheTwoSeparators) {
    TMemIniFile ini(path());
    for (QChar sep : {QChar(u'.'), QChar(u',')}) {
        SeparatorOverride locale(sep);
        ini.WriteFloat("P", "A", 1.0);
        EXPECT_EQ(ini.ReadString("P", "A", ""), "1");
        ini.WriteFloat("P", "B", 2.5);
        EXPECT_EQ(ini.ReadString("P", "B", ""), QStringLiteral("2") + sep + "5");
        struct Case {
            const char* text;
            double expected;
        };
        for (const Case& c : {Case{"1.25", 1.25}, Case{"1,25", 1.25}, Case{"-3", -3.0}, Case{"1E3", 1000.0},
                              Case{"", 7.0}, Case{"abc", 7.0}, Case{"1.000,5", 7.0}, Case{"1,5.5", 7.0}}) {
            ini.WriteString("P", "X", c.text);
            EXPECT_EQ(ini.ReadFloat("P", "X", 7.0), c.expected)
                << "'" << c.text << "' with separator " << QString(sep).toStdString();
        }
        // Round trip at full precision.
        ini.WriteFloat("P", "C", 0.1 + 0.2);
        EXPECT_DOUBLE_EQ(ini.ReadFloat("P", "C", 0), 0.1 + 0.2);
    }
}

TEST_F(MemIniFileTest, WritesKeepOrderAndAppendNewKeysAndSections) {
    writeFile("[GUI]\nLanguage=en\n\n[Pressure]\nCoeffA0=1\n");
    TMemIniFile ini(path());
    ini.WriteString("pressure", "CoeffB0", "0");
    ini.WriteString("gui", "LANGUAGE", "de"); // replaced in place
    ini.WriteString("New", "k", "v");
    ini.WriteString("Pressure", "Empty", "");
    ini.UpdateFile();
    EXPECT_EQ(readFile(), "[GUI]\nLANGUAGE=de\n\n"
                          "[Pressure]\nCoeffA0=1\nCoeffB0=0\nEmpty=\n\n"
                          "[New]\nk=v\n\n");
    TMemIniFile again(path());
    EXPECT_EQ(again.ReadString("Pressure", "Empty", "default"), ""); // present but empty
}

TEST_F(MemIniFileTest, DuplicateKeysFirstIsReadReplacedAndDeleted) {
    writeFile("[S]\nk=first\nK=second\nother=x\n");
    TMemIniFile ini(path());
    EXPECT_EQ(ini.ReadString("S", "k", ""), "first");
    ini.WriteString("S", "k", "new");
    TStringList values;
    ini.ReadSectionValues("S", &values);
    EXPECT_EQ(values.Text(), "k=new\r\nK=second\r\nother=x\r\n");
    ini.DeleteKey("S", "K");
    EXPECT_EQ(ini.ReadString("S", "k", ""), "second");
    ini.DeleteKey("S", "other");
    ini.DeleteKey("S", "missing");
    ini.DeleteKey("Missing", "k");
    EXPECT_EQ(ini.ReadString("S", "K", ""), "second");
    ini.EraseSection("s");
    EXPECT_FALSE(ini.SectionExists("S"));
    EXPECT_EQ(ini.ReadString("S", "k", "gone"), "gone");
}

// Names are found alike in a section of a few keys and in one of many, where an index finds
// them: the first key of a name is read, replaced and written; deleting it makes the next one
// of that name the one read. Names differ from ASCII ones only by case folding ("\u212A", the
// Kelvin sign, folds to "k").
TEST_F(MemIniFileTest, KeysAreFoundAlikeInSmallAndLargeSections) {
    for (const int fillers : {0, 7, 8, 40}) {
        SCOPED_TRACE(fillers);
        QByteArray text = "[Big]\n";
        for (int i = 0; i < fillers; ++i)
            text += "key" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\n";
        text += "Name=first\nNAME=second\n\xC3\x84"
                "rger=umlaut\n\xE2\x84\xAA"
                "ey=kelvin\n";
        writeFile(text);
        TMemIniFile ini(path());
        EXPECT_EQ(ini.ReadString("big", "name", ""), "first");
        EXPECT_EQ(ini.ReadString("BIG", QString::fromUtf8("\xC3\xA4RGER"), ""), "umlaut");
        EXPECT_EQ(ini.ReadString("Big", "KEY", ""), "kelvin");
        EXPECT_EQ(ini.ReadString("Big", QString::fromUtf8("\xE2\x84\xAA") + "EY", ""), "kelvin");
        if (fillers > 0) {
            EXPECT_EQ(ini.ReadString("Big", "KEY0", ""), "0");
        }
        EXPECT_FALSE(ini.ValueExists("Big", "nam"));
        ini.WriteString("Big", "nAmE", "replaced");
        ini.WriteString("Big", "added", "new");
        ini.WriteString("Big", "ADDED", "again");
        TStringList keys;
        ini.ReadSection("Big", &keys);
        EXPECT_EQ(keys.Count(), fillers + 5);
        EXPECT_EQ(keys.Strings(fillers), "nAmE");
        ini.UpdateFile();
        const QByteArray written = readFile();
        EXPECT_TRUE(written.contains("\nnAmE=replaced\n")) << written.toStdString();
        EXPECT_FALSE(written.contains("second"));
        EXPECT_TRUE(written.endsWith("\nADDED=again\n\n")) << written.toStdString();
        ini.DeleteKey("Big", "NAME");
        EXPECT_EQ(ini.ReadString("Big", "name", ""), "second");
        ini.DeleteKey("Big", "key");
        EXPECT_FALSE(ini.ValueExists("Big", QString::fromUtf8("\xE2\x84\xAA") + "ey"));
    }
}

// Many sections: found by any case after sections before them are erased.
TEST_F(MemIniFileTest, ManySectionsAreFoundAfterErasures) {
    QByteArray text;
    for (int i = 0; i < 3000; ++i)
        text += "[Section" + QByteArray::number(i) + "]\nKey=" + QByteArray::number(i) + "\n";
    writeFile(text);
    TMemIniFile ini(path());
    for (int i = 0; i < 3000; i += 3)
        ini.EraseSection("SECTION" + QString::number(i));
    for (int i = 0; i < 3000; ++i)
        EXPECT_EQ(ini.ReadString("section" + QString::number(i), "key", "gone"),
                  i % 3 == 0 ? QStringLiteral("gone") : QString::number(i))
            << i;
    ini.WriteString("Section0", "Key", "back");
    TStringList sections;
    ini.ReadSections(&sections);
    EXPECT_EQ(sections.Count(), 2001);
    EXPECT_EQ(sections.Strings(2000), "Section0");
}

TEST_F(MemIniFileTest, StringsRoundTripAndRenameReloads) {
    TMemIniFile ini(path());
    ini.WriteString("A", "x", "1");
    ini.WriteString("B", "y", "2");
    TStringList lines;
    ini.GetStrings(&lines);
    EXPECT_EQ(lines.Text(), "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n\r\n");

    TStringList other;
    other.SetText("[C]\r\n  z = 3 \r\n");
    ini.SetStrings(&other); // replaces everything
    EXPECT_EQ(ini.ReadString("C", "z", ""), "3");
    EXPECT_FALSE(ini.SectionExists("A"));

    writeFile("[D]\nw=4\n", "other.ini");
    ini.Rename(path("other.ini"), false);
    EXPECT_EQ(ini.FileName(), path("other.ini"));
    EXPECT_TRUE(ini.SectionExists("C")); // not reloaded
    ini.Rename(path("other.ini"), true);
    EXPECT_EQ(ini.ReadString("D", "w", ""), "4");
    EXPECT_FALSE(ini.SectionExists("C"));
    ini.Rename(path("none.ini"), true); // a missing file empties it
    EXPECT_FALSE(ini.SectionExists("D"));
    ini.WriteString("E", "v", "5");
    ini.Clear();
    EXPECT_FALSE(ini.SectionExists("E"));
}

TEST_F(MemIniFileTest, UpdateFileReplacesTheFileWholeOrNotAtAll) {
    writeFile("[Old]\nk=v\n");
    ::chmod(path().toLocal8Bit().constData(), 0640);
    TMemIniFile ini(path());
    ini.WriteString("Gerät", "Schlüssel", "Wert ü");
    ini.UpdateFile();
    EXPECT_EQ(readFile(), "[Old]\nk=v\n\n[Gerät]\nSchlüssel=Wert ü\n\n"); // UTF-8, no BOM, LF
    struct stat st;
    ASSERT_EQ(::stat(path().toLocal8Bit().constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);                                             // the permissions stay
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"settings.ini"}); // no temporary left

    // A file its owner may not write is left as it is.
    ::chmod(path().toLocal8Bit().constData(), 0444);
    ini.WriteString("Old", "k", "changed");
    EXPECT_THROW(ini.UpdateFile(), EFCreateError);
    EXPECT_EQ(readFile(), "[Old]\nk=v\n\n[Gerät]\nSchlüssel=Wert ü\n\n");
    ::chmod(path().toLocal8Bit().constData(), 0644);

    // A missing folder, an empty name and a folder in place of the file fail.
    TMemIniFile nowhere(path("missing/sub/x.ini"));
    nowhere.WriteString("S", "k", "v");
    EXPECT_THROW(nowhere.UpdateFile(), EFCreateError);
    TMemIniFile unnamed(QString{});
    EXPECT_THROW(unnamed.UpdateFile(), EFCreateError);
    QDir(dir.path()).mkdir("folder.ini");
    TMemIniFile folder(path("folder.ini"));
    try {
        folder.UpdateFile();
        FAIL() << "wrote over a folder";
    } catch (const EFCreateError& e) {
        EXPECT_TRUE(
            e.Message.startsWith(QStringLiteral("Cannot create file \"") + path("folder.ini") + "\". "))
            << e.Message.toStdString();
    }
}

TEST_F(MemIniFileTest, UpdateFileWritesThroughASymbolicLink) {
    writeFile("[A]\nk=1\n", "target.ini");
    ASSERT_TRUE(QFile::link(path("target.ini"), path("link.ini")));
    TMemIniFile ini(path("link.ini"));
    ini.WriteString("A", "k", "2");
    ini.UpdateFile();
    EXPECT_TRUE(QFileInfo(path("link.ini")).isSymLink());
    EXPECT_EQ(readFile("target.ini"), "[A]\nk=2\n\n");
}

// A long run of writes, deletions and erasures against a plain model of the file: sections
// and keys keep their order and case-blind names, a key written again keeps its place with
// the name as last written, and the file written at the end holds exactly the model. The
// run moves sections' keys about and gives back the room of texts written over many times.
TEST_F(MemIniFileTest, LongEditRunsMatchAPlainModel) {
    struct TModelSection {
        QString Name;
        std::vector<std::pair<QString, QString>> Keys;
    };
    std::vector<TModelSection> model;
    QByteArray text;
    for (int s = 0; s < 30; s += 2) {
        model.push_back({"Sec" + QString::number(s), {}});
        text += "[Sec" + QByteArray::number(s) + "]\n";
        for (int k = 0; k < s % 5; ++k) {
            model.back().Keys.emplace_back("Key" + QString::number(k), "file" + QString::number(k));
            text += "Key" + QByteArray::number(k) + "=file" + QByteArray::number(k) + "\n";
        }
    }
    writeFile(text);
    TMemIniFile ini(path());

    auto same = [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; };
    auto findSection = [&](const QString& name) {
        return std::find_if(model.begin(), model.end(),
                            [&](const TModelSection& s) { return same(s.Name, name); });
    };
    auto check = [&](int step) {
        SCOPED_TRACE(step);
        TStringList sections;
        ini.ReadSections(&sections);
        ASSERT_EQ(sections.Count(), int(model.size()));
        QByteArray expected;
        for (std::size_t i = 0; i < model.size(); ++i) {
            EXPECT_EQ(sections.Strings(int(i)), model[i].Name);
            TStringList values;
            ini.ReadSectionValues(model[i].Name.toLower(), &values);
            QStringList want;
            expected += "[" + model[i].Name.toUtf8() + "]\n";
            for (const auto& [key, value] : model[i].Keys) {
                want << key + "=" + value;
                expected += (key + "=" + value).toUtf8() + "\n";
            }
            expected += "\n";
            EXPECT_EQ(values.Text().toStdString(),
                      (want.isEmpty() ? QString() : want.join("\r\n") + "\r\n").toStdString())
                << model[i].Name.toStdString();
        }
        ini.UpdateFile();
        EXPECT_EQ(readFile(), expected);
    };

    std::uint32_t seed = 12345;
    auto next = [&](std::uint32_t n) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % n;
    };
    auto randomCase = [&](QString name) {
        for (QChar& c : name)
            if (next(2)) c = c.toUpper();
        return name;
    };
    for (int step = 0; step < 20000; ++step) {
        const QString section = randomCase("sec" + QString::number(next(40)));
        const QString key = randomCase("key" + QString::number(next(24)));
        const std::uint32_t op = next(100);
        auto s = findSection(section);
        if (op < 85) {
            const QString value = "value " + QString::number(step) + QString(int(next(40)), u'x');
            ini.WriteString(section, key, value);
            if (s == model.end()) {
                model.push_back({section, {}});
                s = model.end() - 1;
            }
            auto k = std::find_if(s->Keys.begin(), s->Keys.end(),
                                  [&](const auto& kv) { return same(kv.first, key); });
            if (k == s->Keys.end())
                s->Keys.emplace_back(key, value);
            else
                *k = {key, value};
        } else if (op < 97) {
            ini.DeleteKey(section, key);
            if (s != model.end()) {
                auto k = std::find_if(s->Keys.begin(), s->Keys.end(),
                                      [&](const auto& kv) { return same(kv.first, key); });
                if (k != s->Keys.end()) s->Keys.erase(k);
            }
        } else {
            ini.EraseSection(section);
            if (s != model.end()) model.erase(s);
        }
        if (step % 5000 == 4999) check(step);
    }
}

// Texts that UTF-8 cannot carry as they are (a lone surrogate; characters that stand for
// single bytes of an 8-bit file but together would spell a UTF-8 character) read back as
// written; a byte of an 8-bit file goes back to the file as that byte.
TEST_F(MemIniFileTest, TextsThatUtf8CannotCarryReadBackAsWritten) {
    writeFile("[S]\nName=M\xFCller\n");
    TMemIniFile ini(path());
    const QString muller = ini.ReadString("S", "name", "");
    EXPECT_EQ(muller, QString("M") + QChar(char16_t(0xDCFC)) + "ller");
    const QString lone = QString("a") + QChar(char16_t(0xD800)) + "b";
    const QString pair = QString(QChar(char16_t(0xDCC3))) + QChar(char16_t(0xDCA9));
    ini.WriteString("S", "Lone", lone);
    ini.WriteString("S", "Pair", pair);
    ini.WriteString("S", "Name", muller);
    EXPECT_EQ(ini.ReadString("S", "lone", ""), lone);
    EXPECT_EQ(ini.ReadString("S", "pair", ""), pair);
    ini.UpdateFile();
    EXPECT_EQ(readFile(), "[S]\nName=M\xFCller\nLone=a\xEF\xBF\xBD"
                          "b\nPair=\xC3\xA9\n\n");
}
