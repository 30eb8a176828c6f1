#include "platform/classes/StringList.h"

#include "CountedObject.h"
#include "platform/classes/Streams.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using Lines = std::vector<std::string>;

Lines lines(const TStrings& s) {
    Lines r;
    for (int i = 0; i < s.Count(); ++i)
        r.push_back(s.Strings(i).toStdString());
    return r;
}

void fill(TStrings& s, const Lines& items) {
    s.Clear();
    for (const std::string& i : items)
        s.Add(QString::fromStdString(i));
}

std::string text(const QString& s) {
    return s.toStdString();
}

TObject* slot(NativeInt v) {
    return reinterpret_cast<TObject*>(v);
}

// A list bound to a control reports its own class name.
class TMemoStrings : public TStringList {
    ORVO_CLASS(TMemoStrings, TStringList)
};
ORVO_IMPLEMENT_CLASS(TMemoStrings, TStringList)
} // namespace

TEST(StringList, TextSplitsAtEveryLineBreakAndEndsEachLineWithCrLf) {
    struct Case {
        const char* in;
        Lines items;
        const char* out;
    };
    const Case cases[] = {
        {"", {}, ""},
        {"a", {"a"}, "a\r\n"},
        {"a\r\n", {"a"}, "a\r\n"},
        {"a\nb", {"a", "b"}, "a\r\nb\r\n"},
        {"a\rb\r", {"a", "b"}, "a\r\nb\r\n"},
        {"a\r\n\r\nb", {"a", "", "b"}, "a\r\n\r\nb\r\n"},
        {"\r\n", {""}, "\r\n"},
        {"\n\n", {"", ""}, "\r\n\r\n"},
        {"a\n\rb", {"a", "", "b"}, "a\r\n\r\nb\r\n"},
        {" x \t", {" x \t"}, " x \t\r\n"},
    };
    TStringList list;
    for (const Case& c : cases) {
        list.SetText(QString::fromUtf8(c.in));
        EXPECT_EQ(lines(list), c.items) << "text " << testing::PrintToString(std::string(c.in));
        EXPECT_EQ(text(list.Text()), c.out);
        list.SetText(list.Text());
        EXPECT_EQ(lines(list), c.items) << "round trip";
    }
}

TEST(StringList, CommaTextQuotesWhatWouldNotReadBackAndRoundTrips) {
    struct Case {
        Lines items;
        const char* comma;
    };
    const Case cases[] = {
        {{}, ""},
        {{"a", "b"}, "a,b"},
        {{"a b", "c"}, "\"a b\",c"},
        {{""}, "\"\""},
        {{"", ""}, ","},
        {{"a", "", "b"}, "a,,b"},
        {{"a", ""}, "a,"},
        {{"say \"hi\""}, "\"say \"\"hi\"\"\""},
        {{"x,y", " lead", "tab\there"}, "\"x,y\",\" lead\",\"tab\there\""},
        {{"\"", "1.5", "True"}, "\"\"\"\",1.5,True"},
    };
    TStringList list;
    for (const Case& c : cases) {
        fill(list, c.items);
        EXPECT_EQ(text(list.CommaText()), c.comma);
        list.SetCommaText(list.CommaText());
        EXPECT_EQ(lines(list), c.items) << "round trip of " << c.comma;
    }
}

TEST(StringList, CommaTextReadsBlanksAsSeparatorsOutsideQuotes) {
    struct Case {
        const char* in;
        Lines items;
    };
    const Case cases[] = {
        {"a b,c", {"a", "b", "c"}},
        {"  a ,  b  ", {"a", "b"}},
        {"a, ", {"a"}},
        {"\"a, b\" c", {"a, b", "c"}},
        {"\"a\"b", {"a", "b"}},
        {"\"open", {"open"}},
        {"\"\",x", {"", "x"}},
        {",", {"", ""}},
    };
    TStringList list;
    for (const Case& c : cases) {
        list.SetCommaText(QString::fromUtf8(c.in));
        EXPECT_EQ(lines(list), c.items) << c.in;
    }
}

TEST(StringList, DelimitedTextUsesDelimiterAndQuoteChar) {
    TStringList list;
    list.SetDelimiter(u';');
    list.SetQuoteChar(u'\'');
    fill(list, {"a", "b;c", "it's", "d,e"});
    EXPECT_EQ(text(list.DelimitedText()), "a;'b;c';'it''s';d,e");
    EXPECT_EQ(text(list.CommaText()), "a,b;c,it's,\"d,e\"");
    list.SetDelimitedText(list.DelimitedText());
    EXPECT_EQ(lines(list), (Lines{"a", "b;c", "it's", "d,e"}));
    EXPECT_EQ(list.Delimiter(), u';') << "CommaText leaves the list's own delimiter";
}

TEST(StringList, SortedListKeepsOrderAndRefusesPositionalChanges) {
    TStringList list;
    fill(list, {"pear", "Apple", "fig"});
    list.SetSorted(true);
    EXPECT_EQ(lines(list), (Lines{"Apple", "fig", "pear"}));
    EXPECT_EQ(list.Add("banana"), 1);
    EXPECT_EQ(list.Add("Zucchini"), 4);
    int index = -1;
    EXPECT_TRUE(list.Find("FIG", index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(list.Find("cherry", index));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(list.IndexOf("PEAR"), 3);
    EXPECT_EQ(list.IndexOf("plum"), -1);

    const Lines before = lines(list);
    for (auto* op : std::initializer_list<void (*)(TStringList&)>{
             [](TStringList& l) { l.Insert(0, "x"); },
             [](TStringList& l) { l.SetStrings(0, "x"); },
             [](TStringList& l) { l.Move(0, 2); },
         }) {
        try {
            op(list);
            ADD_FAILURE() << "a positional change of a sorted list was accepted";
        } catch (const EStringListError& e) {
            EXPECT_EQ(text(e.Message), "Operation not allowed on sorted list");
        }
    }
    EXPECT_EQ(lines(list), before) << "nothing lost by a refused change";
}

TEST(StringList, DuplicatesOfASortedList) {
    int existing = 0;
    TStringList list;
    list.SetSorted(true);
    list.AddObject("b", slot(1));
    list.Add("a");

    list.SetDuplicates(dupIgnore);
    EXPECT_EQ(list.AddObject("B", slot(2)), 1) << "the index of the string already there";
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Objects(1), slot(1)) << "the object of the kept string is unchanged";

    list.SetDuplicates(dupError);
    try {
        list.Add("a");
        ADD_FAILURE() << "duplicate accepted";
    } catch (const EStringListError& e) {
        EXPECT_EQ(text(e.Message), "String list does not allow duplicates");
    }
    EXPECT_EQ(list.Count(), 2);

    list.SetDuplicates(dupAccept);
    list.Add("b");
    list.Add("B");
    EXPECT_EQ(list.Count(), 4);
    EXPECT_TRUE(list.Find("b", existing));
    EXPECT_EQ(existing, 1) << "Find gives the first of equal strings";

    TStringList unsorted;
    unsorted.SetDuplicates(dupError);
    unsorted.Add("a");
    unsorted.Add("a"); // duplicates are only checked in sorted lists
    EXPECT_EQ(unsorted.Count(), 2);
}

TEST(StringList, CaseSensitivityDecidesEqualityAndResortsASortedList) {
    TStringList list;
    EXPECT_FALSE(list.CaseSensitive());
    fill(list, {"B", "b", "A", "a"});
    EXPECT_EQ(list.IndexOf("b"), 0);
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("b"), 1);
    list.SetCaseSensitive(false);
    list.SetSorted(true);
    EXPECT_EQ(lines(list), (Lines{"A", "a", "B", "b"})) << "equal ignoring case: list order kept";
    list.SetCaseSensitive(true);
    EXPECT_EQ(lines(list), (Lines{"a", "A", "b", "B"}));
    int index = -1;
    EXPECT_TRUE(list.Find("B", index));
    EXPECT_EQ(index, 3);
    EXPECT_EQ(list.IndexOf("A"), 1);
}

TEST(StringList, SortAndCustomSortCarryObjects) {
    TStringList list;
    list.AddObject("ccc", slot(3));
    list.AddObject("a", slot(1));
    list.AddObject("bb", slot(2));
    list.AddObject("d", slot(4));
    // By length, ties in list order.
    list.CustomSort([](TStringList* l, int i, int j) {
        return static_cast<int>(l->Strings(i).size() - l->Strings(j).size());
    });
    EXPECT_EQ(lines(list), (Lines{"a", "d", "bb", "ccc"}));
    EXPECT_EQ(list.Objects(1), slot(4));
    list.Sort();
    EXPECT_EQ(lines(list), (Lines{"a", "bb", "ccc", "d"}));
    EXPECT_EQ(reinterpret_cast<NativeInt>(list.Objects(2)), 3);
}

TEST(StringList, ObjectSlotsFollowTheirStrings) {
    TStringList list;
    list.AddObject("zero", slot(0));
    list.AddObject("one", slot(1));
    list.InsertObject(0, "minus", slot(-1));
    list.Exchange(0, 2);
    list.Move(2, 0);
    EXPECT_EQ(lines(list), (Lines{"minus", "one", "zero"}));
    EXPECT_EQ(list.Objects(0), slot(-1));
    EXPECT_EQ(list.Objects(1), slot(1));
    EXPECT_EQ(list.IndexOfObject(slot(1)), 1);
    list.SetStrings(1, "uno");
    EXPECT_EQ(list.Objects(1), slot(1)) << "replacing the string keeps its object";
    EXPECT_THROW(list.Strings(3), EStringListError);
    EXPECT_THROW(list.Objects(-1), EStringListError);
    EXPECT_THROW(list.Move(0, 3), EStringListError);
    EXPECT_EQ(list.Count(), 3) << "a move to a bad position loses nothing";
}

TEST(StringList, OwnedObjectsAreFreedOnDeleteAndClearButNotOnMove) {
    int deaths = 0;
    {
        TStringList list(true);
        list.AddObject("a", new TCounted(&deaths));
        list.AddObject("b", new TCounted(&deaths));
        list.AddObject("c", new TCounted(&deaths));
        list.AddObject("d", new TCounted(&deaths));
        list.Move(0, 3);
        EXPECT_EQ(deaths, 0);
        list.Delete(0);
        EXPECT_EQ(deaths, 1);
        list.Clear();
        EXPECT_EQ(deaths, 4);
        list.AddObject("e", new TCounted(&deaths));
    }
    EXPECT_EQ(deaths, 5);
}

TEST(StringList, ChangeEventsFireOncePerUpdateBracket) {
    TStringList list;
    int changing = 0, changed = 0;
    list.OnChanging = [&](TObject* sender) {
        EXPECT_EQ(sender, &list);
        ++changing;
    };
    list.OnChange = [&](TObject*) { ++changed; };
    list.Add("a");
    list.SetStrings(0, "b");
    EXPECT_EQ(changing, 2);
    EXPECT_EQ(changed, 2);

    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("c");
    list.SetText("x\ny\n");
    list.EndUpdate();
    EXPECT_EQ(changed, 2);
    list.EndUpdate();
    EXPECT_EQ(changing, 3);
    EXPECT_EQ(changed, 3);

    list.EndUpdate(); // unbalanced: ignored
    list.Add("z");
    EXPECT_EQ(changed, 4) << "an extra EndUpdate must not silence the list";
}

TEST(StringList, NamesAndValues) {
    TStringList list;
    fill(list, {"ColorA=FF0000", "ColorB=00FF00", "plain", "Empty=", "Eq=a=b"});
    EXPECT_EQ(text(list.Names(0)), "ColorA");
    EXPECT_EQ(text(list.Names(2)), "");
    EXPECT_EQ(text(list.Values("colorb")), "00FF00");
    EXPECT_EQ(text(list.Values("Eq")), "a=b");
    EXPECT_EQ(text(list.Values("missing")), "");
    EXPECT_EQ(text(list.ValueFromIndex(2)), "") << "a line without '=' has no value";
    EXPECT_EQ(list.IndexOfName("EMPTY"), 3);

    list.SetValues("ColorA", "0000FF");
    list.SetValues("ColorC", "FFFFFF");
    list.SetValues("ColorB", "");
    list.SetValueFromIndex(0, "123456");
    EXPECT_EQ(lines(list), (Lines{"ColorA=123456", "plain", "Empty=", "Eq=a=b", "ColorC=FFFFFF"}));

    TStringList sorted;
    sorted.SetSorted(true);
    sorted.Add("m=1");
    sorted.SetValues("a", "2");
    EXPECT_EQ(lines(sorted), (Lines{"a=2", "m=1"})) << "a new pair goes into a sorted list whole";
}

TEST(StringList, AssignAndAddStrings) {
    TStringList source;
    source.SetDelimiter(u';');
    source.AddObject("one", slot(1));
    source.AddObject("two", slot(2));

    TStringList target;
    target.Add("old");
    target.Assign(&source);
    EXPECT_EQ(lines(target), (Lines{"one", "two"}));
    EXPECT_EQ(target.Objects(1), slot(2));
    EXPECT_EQ(target.Delimiter(), u';');

    target.Assign(&target);
    EXPECT_EQ(lines(target), (Lines{"one", "two"})) << "assigning a list to itself keeps it";

    target.SetSorted(true);
    target.SetDuplicates(dupAccept);
    target.AddStrings(&target);
    EXPECT_EQ(lines(target), (Lines{"one", "one", "two", "two"}));

    TPersistent notAList;
    EXPECT_THROW(target.Assign(&notAList), EConvertError);
}

TEST(StringList, FilesAreUtf8WithCrLfLines) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("list.txt");
    TStringList list;
    fill(list, {"Grüße", "", "€ 5"});
    list.SaveToFile(path);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("Gr\xC3\xBC\xC3\x9F"
                                      "e\r\n\r\n\xE2\x82\xAC 5\r\n"));
    f.close();

    QFile bom(dir.filePath("bom.txt"));
    ASSERT_TRUE(bom.open(QIODevice::WriteOnly));
    bom.write("\xEF\xBB\xBFx\ny");
    bom.close();
    list.LoadFromFile(bom.fileName());
    EXPECT_EQ(lines(list), (Lines{"x", "y"}));
    list.LoadFromFile(path);
    EXPECT_EQ(lines(list), (Lines{"Grüße", "", "€ 5"}));

    EXPECT_THROW(list.LoadFromFile(dir.filePath("missing.txt")), EFOpenError);
    EXPECT_THROW(list.SaveToFile(dir.filePath("no/such/dir.txt")), EFCreateError);
    EXPECT_EQ(list.Count(), 3) << "a failed load keeps the list";
}

TEST(StringList, StreamsCarryUtf8TextFromAndToThePosition) {
    TMemoryStream stream;
    const QByteArray bytes("HDR\xEF\xBB\xBF"
                           "a\r\n\xC3\xBC\rlast");
    stream.WriteBuffer(bytes.constData(), int(bytes.size()));
    stream.SetPosition(3);
    TStringList list;
    list.LoadFromStream(&stream);
    EXPECT_EQ(lines(list), (Lines{"a", "ü", "last"}));
    EXPECT_EQ(stream.Position(), stream.Size());

    TMemoryStream out;
    out.WriteBuffer("X", 1);
    list.SaveToStream(&out);
    EXPECT_EQ(QByteArray(static_cast<const char*>(out.Memory()), int(out.Size())),
              QByteArray("Xa\r\n\xC3\xBC\r\nlast\r\n"));
}

TEST(StringList, ClassNames) {
    TStringList list;
    TMemoStrings memo;
    EXPECT_EQ(list.ClassName(), "TStringList");
    EXPECT_TRUE(memo.ClassNameIs("TMemoStrings"));
    EXPECT_TRUE(memo.InheritsFrom(TStrings::StaticClass()));
    TObject* made = TStringList::StaticClass()->CreatePlain();
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(TStringList::StaticClass()->CreateComponent, nullptr);
    FreeObject(made);
}
