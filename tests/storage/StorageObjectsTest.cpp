#include "platform/classes/ClassRegistry.h"
#include "platform/classes/StringList.h"
#include "storage/XcAppIniFileStorage.h"
#include "storage/XcPropertyStore.h"
#include "storage/support/SclRTTI.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

enum TLetter { lA, lB, lC, lD };
ORVO_DECLARE_ENUM_TYPE(TLetter)
ORVO_IMPLEMENT_ENUM_TYPE(TLetter, "a", "b", "c", "d")
using TLetters = Set<TLetter>;
ORVO_DECLARE_SET_TYPE(TLetters)
ORVO_IMPLEMENT_SET_TYPE(TLetters, TLetter)

// A persistent object with a few published properties of different kinds.
class TSample : public TPersistent {
    ORVO_CLASS(TSample, TPersistent)
public:
    TSample() = default;
    ~TSample() override { ++Freed; }
    int Value = 7;
    String Caption;
    TLetters Letters;
    static inline int Freed = 0;
};
ORVO_IMPLEMENT_CLASS(TSample, TPersistent)
ORVO_PUBLISHED(TSample) {
    P.Property("Value", &TSample::Value).Default(7);
    P.Property("Caption", &TSample::Caption);
    P.Property("Letters", &TSample::Letters);
}

class TSettings : public TXcCustomPropertyStore {
    ORVO_CLASS(TSettings, TXcCustomPropertyStore)
public:
    explicit TSettings(TComponent* AOwner) : TXcCustomPropertyStore(AOwner) {}
    int Speed = 0;
    String Port;
};
ORVO_IMPLEMENT_CLASS(TSettings, TXcCustomPropertyStore)
ORVO_PUBLISHED(TSettings) {
    P.Property("Speed", &TSettings::Speed);
    P.Property("Port", &TSettings::Port);
}

struct TCollectingWriter : ISclTypeInfoWriter {
    String Text;
    void PutText(const String& T) override { Text += T; }
    void PutLine(const String& T) override { Text += T + u'\n'; }
    void IndentMore() override {}
    void IndentLess() override {}
};

std::unique_ptr<TXcAppIniFileStorage> MakeStorage(const String& file) {
    auto s = std::make_unique<TXcAppIniFileStorage>(nullptr);
    s->SetLocation(flCustom);
    s->SetFileName(file);
    return s;
}

PTypeInfo LettersType() {
    return TypeInfoOf(static_cast<TLetters*>(nullptr));
}

TEST(SclRTTI, SetToTextAndBackWithRangesBracketsAndCase) {
    const UInt64 abd = TLetters{lA, lB, lD}.toBits();
    EXPECT_EQ(SclSetToText(LettersType(), &abd, true, false), "[a, b, d]");
    EXPECT_EQ(SclSetToText(LettersType(), &abd, false, true), "a .. b, d");
    const struct {
        const char* text;
        UInt64 bits;
    } cases[] = {{"[a, b, d]", abd},
                 {"", 0},
                 {"B,  C", TLetters{lB, lC}.toBits()},
                 {"a .. c", TLetters{lA, lB, lC}.toBits()}};
    for (const auto& c : cases) {
        UInt64 v = ~UInt64(0);
        SclTextToSet(LettersType(), &v, QString::fromLatin1(c.text));
        // Only the byte of the four elements is cleared and filled.
        EXPECT_EQ(v & 0xFF, c.bits) << c.text;
    }
}

TEST(SclRTTI, UnknownNameRaisesWithTheName) {
    UInt64 v = 0;
    try {
        SclTextToSet(LettersType(), &v, QStringLiteral("a,x"));
        FAIL();
    } catch (const ESclRTTIError& e) {
        EXPECT_EQ(e.Message, "Unknown identifier 'x'.");
    }
}

TEST(SclRTTI, WrappersAnswerForRegisteredTypes) {
    ISclTypeInfoPtr set = SclTypeInfoWrapper(LettersType());
    auto* setIntf = dynamic_cast<ISclSetTypeInfo*>(set.get());
    ASSERT_NE(setIntf, nullptr);
    EXPECT_EQ(setIntf->GetBaseType()->GetName(), "TLetter");
    TCollectingWriter w;
    set->WriteDeclaration(&w);
    EXPECT_EQ(w.Text, "TLetters = set of TLetter; // otUByte\n");

    ISclTypeInfoPtr e = SclTypeInfoWrapper(TypeInfoOf(static_cast<TLetter*>(nullptr)));
    auto* en = dynamic_cast<ISclEnumerationTypeInfo*>(e.get());
    ASSERT_NE(en, nullptr);
    EXPECT_EQ(en->IndexOfName("C"), 2);
    EXPECT_EQ(en->IndexOfName("z"), -1);
    TCollectingWriter d;
    e->WriteDeclaration(&d);
    EXPECT_EQ(d.Text, "TLetter = (a, b, c, d); // otUByte\n");

    const std::uint8_t inRange = 3, outOfRange = 9;
    EXPECT_EQ(SclOrdinalValueName(e->GetTypeInfo(), &inRange), "d");
    EXPECT_EQ(SclOrdinalValueName(e->GetTypeInfo(), &outOfRange), "Value out of range (ordinal=9).");

    ISclTypeInfoPtr cls = SclTypeInfoWrapper(ClassTypeInfo(TSample::StaticClass()));
    auto* ci = dynamic_cast<ISclClassTypeInfo*>(cls.get());
    ASSERT_NE(ci, nullptr);
    EXPECT_EQ(ci->GetPropertyCount(), 3);
    EXPECT_EQ(ci->GetProperties(0)->GetName(), "Value");
    EXPECT_TRUE(ci->GetProperties(0)->HasDefault());
    EXPECT_EQ(ci->GetPropNames("caption")->GetName(), "Caption");
    EXPECT_FALSE(ci->GetPropNames("Missing"));
}

class StorageObjects : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::unique_ptr<TXcAppIniFileStorage> s = MakeStorage(dir.path() + QStringLiteral("/t.ini"));
};

TEST_F(StorageObjects, ShrinkingStringListRemovesTheOldEntriesInBothNameFormats) {
    for (bool oldFormat : {true, false}) {
        s->StorageOptions()->SetUseOldItemNameFormat(oldFormat);
        const String e3 = oldFormat ? QStringLiteral("L\\Item3") : QStringLiteral("L\\Item[3]");
        TStringList five, three, back;
        five.SetCommaText("a,b,c,d,e");
        three.SetCommaText("x,y,z");
        s->WriteStringList("L", &five);
        EXPECT_TRUE(s->ValueStored(e3));
        s->WriteStringList("L", &three);
        EXPECT_EQ(s->ReadInteger("L\\Count", 0), 3);
        EXPECT_FALSE(s->ValueStored(e3));
        EXPECT_EQ(s->ReadStringList("L", &back), 3);
        EXPECT_EQ(back.CommaText(), "x,y,z");
        s->DeleteSubTree("L");
    }
}

TEST_F(StorageObjects, StringListStoredAsOneTextIsReadLineByLine) {
    s->WriteString("S\\T", "one\r\ntwo");
    TStringList l;
    EXPECT_EQ(s->ReadStringList("S\\T", &l), 2);
    EXPECT_EQ(l.Strings(1), "two");
}

TEST_F(StorageObjects, ObjectListRoundTripsAndClearFirstFreesOwnedObjects) {
    RegisterClass(TSample::StaticClass());
    TObjectList list;
    auto* a = new TSample;
    a->Value = 1;
    a->Caption = "first";
    a->Letters = {lB};
    list.Add(a);
    s->WriteObjectList("O", &list);
    s->WriteString("O\\Item0\\Classname", "TSample");

    TObjectList back;
    back.Add(new TSample);
    TSample::Freed = 0;
    EXPECT_EQ(s->ReadObjectList("O", &back), 1);
    EXPECT_EQ(TSample::Freed, 1); // the object held before is freed, not orphaned
    auto* r = static_cast<TSample*>(back.Items(0));
    EXPECT_EQ(r->Value, 1);
    EXPECT_EQ(r->Caption, "first");
    EXPECT_TRUE(r->Letters == TLetters{lB});

    // Not stored: left as it was.
    EXPECT_EQ(s->ReadObjectList("Nothing", &back), 1);
    s->WriteString("O\\Item0\\Classname", "TNoSuchClass");
    EXPECT_THROW(s->ReadObjectList("O", &back), EXCLAppStorageError);
}

TEST_F(StorageObjects, DefaultValuesAndIgnoredPropertiesFollowTheOptions) {
    TSample o;
    TStringList ignore;
    ignore.Add("caption");
    o.Caption = "kept out";
    s->StorageOptions()->SetStoreDefaultValues(false);
    s->WritePersistent("P", &o, true, &ignore);
    EXPECT_FALSE(s->ValueStored("P\\Value"));
    EXPECT_FALSE(s->ValueStored("P\\Caption"));
    s->StorageOptions()->SetStoreDefaultValues(true);
    s->WritePersistent("P", &o, true, &ignore);
    EXPECT_EQ(s->ReadInteger("P\\Value", 0), 7);
    s->WriteString("P\\Caption", "stored");
    s->ReadPersistent("P", &o, true, true, &ignore);
    EXPECT_EQ(o.Caption, "kept out");
}

TEST_F(StorageObjects, StoredValuesReportFoldersAndValuesOnce) {
    s->WriteString("R\\X", "v");
    s->WriteString("R\\X\\Y", "w");
    TStringList names;
    s->GetStoredValues("R", &names, {aeoFolders, aeoValues, aeoReportRelative});
    const int i = names.IndexOf("X");
    ASSERT_GE(i, 0);
    EXPECT_EQ(quintptr(names.Objects(i)), 3u);
}

TEST_F(StorageObjects, VersionCheckDeletesOlderOrDifferentSubtrees) {
    const struct {
        int stored;
        bool deleteIfNotEqual;
        bool deleted;
    } cases[] = {{1, false, true}, {3, false, false}, {3, true, true}, {2, true, false}};
    for (const auto& c : cases) {
        s->DeleteSubTree("V");
        s->WriteInteger("V\\Version", c.stored);
        s->WriteString("V\\Data", "x");
        s->CheckDeletePathByVersion("V", 2, c.deleteIfNotEqual, true);
        EXPECT_EQ(s->ValueStored("V\\Data"), !c.deleted) << c.stored;
        EXPECT_EQ(s->ReadInteger("V\\Version", 0), 2);
    }
}

TEST_F(StorageObjects, PropertyStoreLoadsStoresAndKeepsStoringAfterItsOwnStore) {
    TComponent owner(nullptr);
    auto* st = new TSettings(&owner);
    st->SetAppStoragePath("Settings");
    st->SetAppStorage(s.get());
    st->Speed = 9600;
    st->StoreProperties();
    EXPECT_EQ(s->ReadInteger("Settings\\Speed", 0), 9600);
    EXPECT_FALSE(s->ValueStored("Settings\\Tag"));
    st->Speed = 19200;
    st->StoreProperties(); // a second store after an own store still happens
    EXPECT_EQ(s->ReadInteger("Settings\\Speed", 0), 19200);

    // Another writer stored after this store loaded: nothing is stored here.
    st->LoadProperties();
    s->WriteString("Settings\\LastSaveTime", DateTimeToStr(Now() + 1));
    st->Speed = 1;
    st->StoreProperties();
    EXPECT_EQ(s->ReadInteger("Settings\\Speed", 0), 19200);
    st->SetIgnoreLastLoadTime(true);
    st->StoreProperties();
    EXPECT_EQ(s->ReadInteger("Settings\\Speed", 0), 1);

    st->IgnoreProperties()->AddDelete("Port", false);
    st->Port = "ttyS0";
    st->StoreProperties();
    EXPECT_EQ(s->ReadString("Settings\\Port"), "");
    st->IgnoreProperties()->AddDelete("Port", true);
    st->StoreProperties();
    EXPECT_EQ(s->ReadString("Settings\\Port"), "ttyS0");

    st->SetReadOnly(true);
    st->Speed = 5;
    st->StoreProperties();
    EXPECT_EQ(s->ReadInteger("Settings\\Speed", 0), 1);
    st->LoadProperties();
    EXPECT_EQ(st->Speed, 1);
}

TEST_F(StorageObjects, DisabledStoreNeitherLoadsNorStores) {
    TSettings st(nullptr);
    st.SetAppStoragePath("Settings");
    st.SetAppStorage(s.get());
    s->WriteInteger("Settings\\Speed", 300);
    st.SetEnabled(false);
    st.LoadProperties();
    EXPECT_EQ(st.Speed, 0);
    st.Speed = 9600;
    st.StoreProperties();
    EXPECT_EQ(s->ReadInteger("Settings\\Speed", 0), 300);
    st.SetEnabled(true);
    st.LoadProperties();
    EXPECT_EQ(st.Speed, 300);
    st.SetAppStorage(nullptr);
}

TEST(SclRTTI, SubrangeSetKeepsItsBitsInTheFirstByte) {
    TTypeInfo small{tkInteger, "TSmall", {}};
    small.Data.OrdType = otUByte;
    small.Data.MinValue = 3;
    small.Data.MaxValue = 7;
    TTypeInfo smalls{tkSet, "TSmalls", {}};
    smalls.Data.CompType = &small;
    UInt64 v = ~UInt64(0);
    SclTextToSet(&smalls, &v, QStringLiteral("[3, 7]"));
    // The whole first byte is cleared, bits 3 and 7 set, the bytes after it untouched.
    EXPECT_EQ(v & 0xFF, (UInt64(1) << 3) | (UInt64(1) << 7));
    EXPECT_EQ(v >> 8, ~UInt64(0) >> 8);
    v = (UInt64(1) << 3) | (UInt64(1) << 4) | (UInt64(1) << 7);
    EXPECT_EQ(SclSetToText(&smalls, &v, true, false), "[3, 4, 7]");
}

TEST(PropertyStore, CaptionsAndCombinedIgnoreList) {
    TSettings st(nullptr);
    EXPECT_EQ(st.EditIntf_TranslatePropertyName("my_value.Text"), "my value Text");
    EXPECT_EQ(st.EditIntf_TranslatePropertyName("AutoLoad"), "Auto Load");
    EXPECT_EQ(st.EditIntf_TranslatePropertyName("Value2"), "Value 2");
    st.IgnoreProperties()->Add("Speed");
    TCombinedStrings* c = st.CombinedIgnoreProperties();
    EXPECT_EQ(c->Count(), 19);
    EXPECT_EQ(c->Strings(18), "Speed");
    EXPECT_GE(c->IndexOf("SPEED"), 0);
    EXPECT_THROW(c->Strings(19), EListError);
}

} // namespace
