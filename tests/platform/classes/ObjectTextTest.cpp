#include "StreamingSupport.h"

#include <clocale>
#include <gtest/gtest.h>

namespace {
QByteArray crlf(const char* text) {
    return QByteArray(text).replace("\n", "\r\n");
}
} // namespace

// Text in the canonical form converts to binary and back byte for byte, for every value
// type the text form has.
TEST(ObjectText, EveryValueTypeConvertsBothWaysByteForByte) {
    const QByteArray text = crlf("object Form1: TForm1\n"
                                 "  Int8 = -5\n"
                                 "  Int16 = 200\n"
                                 "  Int32 = -70000\n"
                                 "  Int64 = 5000000000\n"
                                 "  Ext = 1.5\n"
                                 "  Tiny = 1e-20\n"
                                 "  Whole = 100.0\n"
                                 "  Sgl = 0.25s\n"
                                 "  Cur = 12.3456c\n"
                                 "  Dat = 45000.5d\n"
                                 "  Quote = 'It'#39's'\n"
                                 "  Lines = 'a'#13#10'b'\n"
                                 "  Empty = ''\n"
                                 "  Uni = 'Grüße 日本'\n"
                                 "  Ident = alClient\n"
                                 "  Yes = True\n"
                                 "  No = False\n"
                                 "  Ref = nil\n"
                                 "  Font.Style = [fsBold, fsItalic]\n"
                                 "  None = []\n"
                                 "  Items.Strings = (\n"
                                 "    'one'\n"
                                 "    2)\n"
                                 "  Nested = (\n"
                                 "    (\n"
                                 "      1))\n"
                                 "  Data = {\n"
                                 "    0A1BFF}\n"
                                 "  NoData = {}\n"
                                 "  Panels = <\n"
                                 "    item\n"
                                 "      Width = 200\n"
                                 "    end\n"
                                 "    item [3]\n"
                                 "    end>\n"
                                 "  Empty2 = <>\n"
                                 "  object Panel1: TPanel [2]\n"
                                 "    object Inner: TLabel\n"
                                 "    end\n"
                                 "  end\n"
                                 "  inherited Old: TButton\n"
                                 "  end\n"
                                 "  inline Frame1: TFrame1\n"
                                 "    inherited Label1: TLabel\n"
                                 "      Caption = 'x'\n"
                                 "    end\n"
                                 "  end\n"
                                 "  object TTimer\n"
                                 "  end\n"
                                 "end\n");
    const QByteArray bin = TextToBinary(text);
    EXPECT_EQ(BinaryToText(bin), text);
}

TEST(ObjectText, LongStringsAreCutIntoLinesAndJoinedBack) {
    const QString longText =
        QString(150, QLatin1Char('x')) + QStringLiteral("\r\n") + QString(10, QLatin1Char('y'));
    TMemoryStream m;
    {
        TWriter w(&m);
        w.WriteSignature();
        w.WriteStr("TForm1");
        w.WriteStr("Form1");
        w.WritePropName("Caption");
        w.WriteString(longText);
        w.WriteListEnd();
        w.WriteListEnd();
    }
    const QByteArray bin = StreamBytes(m);
    const QByteArray text = BinaryToText(bin);
    EXPECT_TRUE(text.contains("' +\r\n    'xxxx")) << text.constData();
    EXPECT_EQ(TextToBinary(text), bin);
}

// The bytes are the class library's layout for the same text.
TEST(ObjectText, BinaryLayout) {
    struct Case {
        const char* value;
        QByteArray bytes;
    } cases[] = {
        {"5", QByteArray("\x02\x05", 2)},
        {"-129", QByteArray("\x03\x7f\xff", 3)},
        {"70000", QByteArray("\x04\x70\x11\x01\x00", 5)},
        {"$7FFFFFFFF", QByteArray("\x13\xff\xff\xff\xff\x07\x00\x00\x00", 9)},
        {"'ab'", QByteArray("\x06\x02"
                            "ab",
                            4)},
        {"'é'", QByteArray("\x14\x02\x00\x00\x00\xc3\xa9", 7)},
        {"True", QByteArray("\x09", 1)},
        {"False", QByteArray("\x08", 1)},
        {"nil", QByteArray("\x0d", 1)},
        {"alTop", QByteArray("\x07\x05"
                             "alTop",
                             7)},
        {"[a]", QByteArray("\x0b\x01"
                           "a\x00",
                           4)},
        {"(1)", QByteArray("\x01\x02\x01\x00", 4)},
        {"{FF}", QByteArray("\x0a\x01\x00\x00\x00\xff", 6)},
        {"<item X = 1 end>", QByteArray("\x0e\x01\x01X\x02\x01\x00\x00", 8)},
        {"1.0", QByteArray("\x05\x00\x00\x00\x00\x00\x00\x00\x80\xff\x3f", 11)},
    };
    for (const Case& k : cases) {
        const QByteArray bin = TextToBinary(QByteArray("object A: TB\r\n  X = ") + k.value + "\r\nend\r\n");
        const QByteArray expected = QByteArray("TPF0\x02TB\x01"
                                               "A\x01X",
                                               11) +
                                    k.bytes + QByteArray(2, '\0');
        EXPECT_EQ(bin.toHex(), expected.toHex()) << k.value;
    }
    EXPECT_EQ(TextToBinary("inline F: TF [7] end").toHex(), QByteArray("TPF0\xf6\x02\x07\x02TF\x01"
                                                                       "F\x00\x00",
                                                                       14)
                                                                .toHex());
}

TEST(ObjectText, FloatsUseAPointWhateverTheLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8"); // where installed, "," is its separator
    EXPECT_EQ(FloatToObjectText(2.5L), "2.5");
    EXPECT_EQ(FloatToObjectText(-3), "-3.0");
    const QByteArray text = crlf("object A: TB\n  X = 0.1\nend\n");
    EXPECT_EQ(BinaryToText(TextToBinary(text)), text);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ObjectText, MalformedTextRaisesAReadError) {
    const char* cases[] = {
        "",
        "object",
        "thing A: TB end",
        "object A: TB\r\n  X = \r\nend",
        "object A: TB\r\n  X = 'open\r\nend",
        "object A: TB\r\n  X = {0G}\r\nend",
        "object A: TB\r\n  X = {0A1}\r\nend",
        "object A: TB\r\n  X = (1 2\r\n",
        "object A: TB\r\n  X = 1",
        "object A: TB\r\n  X = <thing end>\r\nend",
        "object A: TB\r\n  X = [a b]\r\nend",
        "object A: TB\r\n  X = #99999999\r\nend",
        "object A: TB\r\n  X. = 1\r\nend",
        "object A: TB [x]\r\nend",
    };
    for (const char* c : cases)
        EXPECT_THROW(TextToBinary(c), EReadError) << c;
    EXPECT_THROW(TextToBinary("object A: TB\r\n  X = " + QByteArray(100000, '(')), EReadError);
}

TEST(ObjectText, StreamFormatIsRecognised) {
    struct Case {
        QByteArray bytes;
        TStreamOriginalFormat format;
    } cases[] = {{"TPF0\x02TB", sofBinary},           {"object A: TB", sofText},  {"  inherited", sofText},
                 {"\xef\xbb\xbfobject", sofUTF8Text}, {"PK\x03\x04", sofUnknown}, {"", sofUnknown}};
    for (const Case& k : cases) {
        TMemoryStream m;
        LoadBytes(m, k.bytes);
        EXPECT_EQ(TestStreamFormat(&m), k.format) << k.bytes.constData();
        EXPECT_EQ(m.Position(), 0);
    }
}
