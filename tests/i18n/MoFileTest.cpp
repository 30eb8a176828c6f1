#include "i18n/MoFile.h"
#include "MoFixture.h"
#include "i18n/GettextExceptions.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using fixture::BuildMo;

namespace {

std::string lookup(const TMoFile& mo, const std::string& id, bool& found) {
    return mo.gettext(id, found);
}

TEST(MoFile, MsgfmtCatalogueAndBigEndianCopyTranslateAlike) {
    const auto bytes = fixture::ReadFile(fixture::TestCatalogue(QStringLiteral("de")));
    TMoFile native(fixture::TestCatalogue(QStringLiteral("de")));
    EXPECT_TRUE(native.isSwappedArchitecture());
    const fixture::Messages messages{
        {"Hello", "Hallo"}, {"Hello world", "Hallo Welt"}, {"Save", "Speichern"}};
    TMoFile little(BuildMo(messages, false), QStringLiteral("little"));
    TMoFile big(BuildMo(messages, true), QStringLiteral("big"));
    EXPECT_FALSE(big.isSwappedArchitecture());
    for (const TMoFile* mo : {&native, &little, &big}) {
        bool found = false;
        EXPECT_EQ(lookup(*mo, "Hello", found), "Hallo");
        EXPECT_TRUE(found);
        EXPECT_EQ(lookup(*mo, "Missing", found), "Missing");
        EXPECT_FALSE(found);
    }
    bool found;
    EXPECT_EQ(lookup(big, "Hello world", found), "Hallo Welt");
    EXPECT_EQ(lookup(native, std::string("%d file\0%d files", 16), found),
              std::string("%d Datei\0%d Dateien", 19));
    EXPECT_FALSE(bytes.empty());
}

// msgfmt writes either byte order on request: every id of each test catalogue, read from the
// native file's own id table, translates alike in the big-endian file.
TEST(MoFile, MsgfmtBigEndianCatalogueTranslatesAsTheNativeOne) {
    for (const char* lang : {"de", "fr", "pl", "ru", "sl"}) {
        const QString machineFile = fixture::TestCatalogue(QString::fromLatin1(lang));
        const QString bigEndian = QStringLiteral(ORVO_TEST_LOCALE_BE "/") + QString::fromLatin1(lang) +
                                  QStringLiteral("/LC_MESSAGES/default.mo");
        const auto bytes = fixture::ReadFile(machineFile);
        TMoFile machine(machineFile);
        TMoFile big(bigEndian);
        EXPECT_FALSE(big.isSwappedArchitecture()) << lang;
        ASSERT_EQ(machine.StringCount(), big.StringCount()) << lang;
        for (Cardinal i = 0; i < machine.StringCount(); ++i) {
            const Cardinal entry = machine.ReadCardinal(12) + 8 * i;
            const std::string id(reinterpret_cast<const char*>(bytes.data()) +
                                     machine.ReadCardinal(entry + 4),
                                 machine.ReadCardinal(entry));
            bool foundMachine = false, foundBig = false;
            const std::string expected = lookup(machine, id, foundMachine);
            EXPECT_EQ(lookup(big, id, foundBig), expected) << lang << " " << id;
            EXPECT_TRUE(foundMachine && foundBig) << lang << " " << id;
        }
    }
}

// Every id of catalogues of several sizes is found, every gap is not: the binary search
// covers each position.
TEST(MoFile, FindsEveryIdAndNoGapForEverySize) {
    for (int n : {0, 1, 2, 3, 5, 7, 8, 16, 17, 100}) {
        fixture::Messages messages;
        for (int i = 0; i < n; ++i) {
            char id[16];
            std::snprintf(id, sizeof id, "k%04d", i * 2 + 1);
            messages.push_back({id, std::string("t") + id});
        }
        for (bool bigEndian : {false, true}) {
            // The header entry (the empty id) makes n + 1 strings.
            TMoFile mo(BuildMo(messages, bigEndian), QStringLiteral("sizes"));
            EXPECT_EQ(mo.StringCount(), Cardinal(n + 1));
            for (int i = 0; i <= 2 * n + 1; ++i) {
                char id[16];
                std::snprintf(id, sizeof id, "k%04d", i);
                bool found;
                const std::string r = lookup(mo, id, found);
                EXPECT_EQ(found, i % 2 == 1 && i < 2 * n) << n << " " << id;
                EXPECT_EQ(r, found ? std::string("t") + id : std::string(id));
            }
            bool found;
            lookup(mo, "zzz", found);
            EXPECT_FALSE(found);
            lookup(mo, "", found);
            EXPECT_TRUE(found);
        }
    }
}

TEST(MoFile, TellsAnIdFromItsPrefix) {
    TMoFile mo(BuildMo({{"Save", "Speichern"}, {"Save as", "Speichern unter"}, {"Sav", "Spe"}}),
               QStringLiteral("prefix"));
    bool found;
    EXPECT_EQ(lookup(mo, "Save", found), "Speichern");
    EXPECT_EQ(lookup(mo, "Save as", found), "Speichern unter");
    EXPECT_EQ(lookup(mo, "Sav", found), "Spe");
    EXPECT_EQ(lookup(mo, "Save a", found), "Save a");
    EXPECT_FALSE(found);
    // Bytes above 0x7F order after ASCII (unsigned comparison).
    TMoFile high(BuildMo({{"\xC3\xBC", "ue"}, {"z", "zed"}}), QStringLiteral("high"));
    EXPECT_EQ(lookup(high, "\xC3\xBC", found), "ue");
    EXPECT_EQ(lookup(high, "z", found), "zed");
}

TEST(MoFile, EmptyCatalogueFindsNothing) {
    std::vector<Byte> empty(28, 0);
    fixture::Patch32(empty, 0, 0x950412DE);
    fixture::Patch32(empty, 12, 28);
    fixture::Patch32(empty, 16, 28);
    TMoFile mo(empty, QStringLiteral("empty"));
    bool found = true;
    EXPECT_EQ(lookup(mo, "", found), "");
    EXPECT_FALSE(found);
}

// Damaged catalogues are rejected when loaded, with an EGGIOError, before any lookup can
// read outside them.
TEST(MoFile, RejectsMalformedCatalogues) {
    const auto good = BuildMo({{"Hello", "Hallo"}, {"World", "Welt"}});
    struct Case {
        const char* what;
        std::vector<Byte> bytes;
        const char* message;
    };
    std::vector<Case> cases;
    cases.push_back({"empty file", {}, "This file is not a valid GNU gettext mo file: "});
    auto badMagic = good;
    badMagic[0] = 0x12;
    cases.push_back({"bad magic", badMagic, "This file is not a valid GNU gettext mo file: "});
    cases.push_back({"short header", std::vector<Byte>(good.begin(), good.begin() + 20),
                     "This GNU gettext mo file is damaged: "});
    cases.push_back({"truncated strings", std::vector<Byte>(good.begin(), good.end() - 3),
                     "This GNU gettext mo file is damaged: "});
    auto hugeCount = good;
    fixture::Patch32(hugeCount, 8, 0x20000000);
    cases.push_back({"count beyond file", hugeCount, "This GNU gettext mo file is damaged: "});
    auto wrapTable = good;
    fixture::Patch32(wrapTable, 16, 0xFFFFFFF8);
    cases.push_back({"table offset wraps", wrapTable, "This GNU gettext mo file is damaged: "});
    auto longString = good;
    fixture::Patch32(longString, 28 + 8, 0xFFFFFFF0); // length of the second id
    cases.push_back({"string length", longString, "This GNU gettext mo file is damaged: "});
    auto farString = good;
    fixture::Patch32(farString, 28 + 3 * 8 + 4, Cardinal(good.size())); // offset of a translation
    cases.push_back({"string offset", farString, "This GNU gettext mo file is damaged: "});
    for (const Case& c : cases) {
        try {
            TMoFile mo(c.bytes, QStringLiteral("bad.mo"));
            ADD_FAILURE() << c.what << " accepted";
        } catch (const EGGIOError& e) {
            EXPECT_EQ(e.Message, QString::fromLatin1(c.message) + QStringLiteral("bad.mo")) << c.what;
        }
    }
}

TEST(MoFile, ReadsARangeOfAFile) {
    QTemporaryDir dir;
    const auto mo = BuildMo({{"Hello", "Hallo"}});
    std::vector<Byte> file;
    for (int i = 0; i < 100; ++i)
        file.push_back('x');
    for (Byte b : mo)
        file.push_back(b);
    for (int i = 0; i < 50; ++i)
        file.push_back('y');
    const QString path = dir.filePath(QStringLiteral("program"));
    fixture::WriteFile(path, file);
    TMoFile ranged(path, 100, Int64(mo.size()));
    bool found;
    EXPECT_EQ(ranged.gettext("Hello", found), "Hallo");
    EXPECT_THROW(TMoFile(path, 100, Int64(mo.size()) + 100), EGGIOError);
    EXPECT_THROW(TMoFile(dir.filePath(QStringLiteral("missing.mo"))), Exception);
}

} // namespace
