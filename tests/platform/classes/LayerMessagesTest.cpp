// The messages of the class library's exceptions are resource strings: each goes through
// the translation hook before its arguments are filled in, and keeps its exception class.
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/List.h"
#include "platform/classes/ResourceStream.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/ResStrings.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace Qt::Literals::StringLiterals;

// Marks every text it is given, so that a message shows whether its format was translated
// (the marks enclose the filled-in arguments) or not at all.
String MarkTranslated(const String& text) {
    return u"\u00AB"_s + text + u"\u00BB"_s;
}

class LayerMessages : public ::testing::Test {
protected:
    void SetUp() override { InstallResourceTextHook(&MarkTranslated); }
    void TearDown() override { RemoveResourceTextHook(); }
};

struct MessageCase {
    const char* what;
    std::function<void()> raise;
    const char* className;
    String message; // the whole message, or its start when prefixOnly
    bool prefixOnly = false;
};

TEST_F(LayerMessages, ExceptionTextsAreTranslatedResourceStrings) {
    QTemporaryDir dir;
    const String missingFile = dir.filePath(u"missing.bin"_s);
    const MessageCase cases[] = {
        {"list index", [] { TList().Delete(5); }, "EListError",
         u"\u00ABList index out of bounds (5)\u00BB"_s},
        {"list count", [] { TList().SetCount(-1); }, "EListError",
         u"\u00ABList count out of bounds (-1)\u00BB"_s},
        {"string list index", [] { (void)TStringList().Strings(3); }, "EStringListError",
         u"\u00ABList index out of bounds (3)\u00BB"_s},
        {"sorted insert",
         [] {
             TStringList l;
             l.SetSorted(true);
             l.Insert(0, u"a"_s);
         },
         "EStringListError", u"\u00ABOperation not allowed on sorted list\u00BB"_s},
        {"duplicate string",
         [] {
             TStringList l;
             l.SetSorted(true);
             l.SetDuplicates(dupError);
             l.Add(u"a"_s);
             l.Add(u"A"_s);
         },
         "EStringListError", u"\u00ABString list does not allow duplicates\u00BB"_s},
        {"class not found", [] { FindClass(u"TNoSuchClass"_s); }, "EClassNotFound",
         u"\u00ABClass TNoSuchClass not found\u00BB"_s},
        {"invalid component name", [] { TComponent(nullptr).SetName(u"1st"_s); }, "EComponentError",
         u"\u00AB'1st' is not a valid component name\u00BB"_s},
        {"duplicate component name",
         [] {
             TComponent owner(nullptr);
             (new TComponent(&owner))->SetName(u"Alpha"_s);
             (new TComponent(&owner))->SetName(u"ALPHA"_s);
         },
         "EComponentError", u"\u00ABA component named ALPHA already exists\u00BB"_s},
        {"invalid cast",
         [] {
             TComponent c(nullptr);
             As<TStringList>(&c);
         },
         "EInvalidCast", u"\u00ABInvalid class typecast\u00BB"_s},
        {"assign",
         [] {
             TCollection items(TCollectionItem::StaticClass());
             TStringList lines;
             lines.Assign(&items);
         },
         "EConvertError", u"\u00ABCannot assign a TCollection to a TStringList\u00BB"_s},
        {"stream read",
         [] {
             TMemoryStream s;
             char c;
             s.ReadBuffer(&c, 1);
         },
         "EReadError", u"\u00ABStream read error\u00BB"_s},
        {"file open", [&] { TFileStream(missingFile, fmOpenRead); }, "EFOpenError",
         u"\u00ABCannot open file \""_s + missingFile + u"\". "_s, true},
        {"resource", [] { TResourceStream(0, u"NO_SUCH_RESOURCE"_s, u"RCDATA"_s); }, "EResNotFound",
         u"\u00ABResource NO_SUCH_RESOURCE not found\u00BB"_s},
        {"property", [] { GetOrdProp(std::make_unique<TComponent>(nullptr).get(), u"NoSuchProperty"_s); },
         "EPropertyError", u"\u00ABProperty NoSuchProperty does not exist\u00BB"_s},
    };
    for (const MessageCase& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            c.raise();
            ADD_FAILURE() << "no exception";
        } catch (const Exception& e) {
            EXPECT_STREQ(e.ClassName(), c.className);
            if (c.prefixOnly) {
                EXPECT_TRUE(e.Message.startsWith(c.message)) << qPrintable(e.Message);
                EXPECT_TRUE(e.Message.endsWith(u"\u00BB"_s)) << qPrintable(e.Message);
            } else {
                EXPECT_EQ(e.Message, c.message);
            }
        }
    }
}

} // namespace
