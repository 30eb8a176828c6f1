// A list's stored Count is only a claim of the settings file: reading or rewriting the list
// costs no more than the entries its section really holds.
#include "platform/classes/StringList.h"
#include "storage/XcAppIniFileStorage.h"

#include <gtest/gtest.h>

namespace {

struct ListCount : ::testing::Test {
    ListCount() {
        s.SetFlushOnDestroy(false);
        s.SetDefaultSection("Main");
        s.ValueStored("x"); // the first use loads the (absent) file; the texts replace it
    }
    void Load(const char* text) { s.SetAsString(QString::fromUtf8(text)); }
    TXcAppIniFileStorage s{nullptr};
};

TEST_F(ListCount, ReadingTrustsNoMoreEntriesThanTheSectionHolds) {
    struct Case {
        const char* ini;
        int count;
        const char* items;
    };
    const Case cases[] = {
        {"[L]\nCount=2\nItem0=a\nItem1=b\n", 2, "a,b"},
        {"[L]\nCount=2000000000\nItem0=a\nItem1=b\n", 2, "a,b"},
        {"[L]\nCount=3\nItem0=a\nItem2=c\n", 3, "a,,c"}, // a gap reads as empty
        {"[L]\nCount=-5\nItem0=a\n", 0, ""},
        {"[L]\nCount=2000000000\nItem0=a\nItemX=c\nOther=d\n", 1, "a"},
    };
    for (const Case& c : cases) {
        Load(c.ini);
        TStringList l;
        EXPECT_EQ(s.ReadStringList("L", &l), c.count) << c.ini;
        EXPECT_EQ(l.CommaText(), c.items) << c.ini;
    }
}

TEST_F(ListCount, RewritingAListWithAHugeCountDeletesOnlyWhatIsThere) {
    Load("[L]\nCount=2000000000\nItem0=a\nItem1=b\nItem2=c\n");
    TStringList one;
    one.Add("z");
    s.WriteStringList("L", &one);
    EXPECT_EQ(s.ReadInteger("L\\Count", 0), 1);
    EXPECT_FALSE(s.ValueStored("L\\Item2"));
    TStringList back;
    EXPECT_EQ(s.ReadStringList("L", &back), 1);
    EXPECT_EQ(back.CommaText(), "z");
}

} // namespace
