#include "chart/export/TeeExportData.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/Streams.h"
#include "platform/controls/Clipboard.h"
#include "platform/win/Locale.h"
#include "tests/chart/export/TeeExportDataFixture.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

QByteArray Bytes(TTeeExportData& E) {
    TMemoryStream m;
    E.SaveToStream(&m);
    return QByteArray(static_cast<const char*>(m.Memory()), qsizetype(m.Size()));
}

// Runs a Python script of Debian's interpreter on File; its standard output, or the skip
// reason when the interpreter or the module is missing.
struct TPython {
    bool ran = false;
    QByteArray out;
    QByteArray err;
};
TPython RunPython(const QString& Script, const QString& File) {
    TPython result;
    if (!QFile::exists("/usr/bin/python3")) return result;
    QProcess p;
    p.start("/usr/bin/python3", {"-c", Script, File});
    if (!p.waitForFinished(30000)) return result;
    result.ran = true;
    result.out = p.readAllStandardOutput();
    result.err = p.readAllStandardError();
    if (p.exitCode() != 0 && result.err.contains("ModuleNotFoundError")) result.ran = false;
    return result;
}

String XmlError(const QByteArray& Bytes) {
    QXmlStreamReader xml(Bytes);
    while (!xml.atEnd())
        xml.readNext();
    return xml.hasError() ? xml.errorString() : String();
}

// An exporter whose rows fail from the third on: a writer failing in the middle.
class TFailingText : public TSeriesDataText {
public:
    using TSeriesDataText::TSeriesDataText;
    String PointToString(int Index) override {
        if (Index == 2) throw std::runtime_error("failed midway");
        return TSeriesDataText::PointToString(Index);
    }
};

// A system that says it is Japanese.
class TJapaneseLocale : public ILocaleProvider {
public:
    String Environment(const char*) override { return String(); }
    String SystemLocaleName() override { return QStringLiteral("ja_JP"); }
    QChar DecimalSeparator() override { return u'.'; }
    QChar ThousandSeparator() override { return u','; }
    String ShortDateFormat() override { return QStringLiteral("yyyy/mm/dd"); }
    String LongTimeFormat() override { return QStringLiteral("hh:nn:ss"); }
};

class SeriesDataExport : public ::testing::Test, protected TExportFixture {};

} // namespace

TEST_F(SeriesDataExport, TextGoldenBytes) {
    TSeriesDataText text(&chart, nullptr);
    EXPECT_EQ(text.AsString().toStdString(), "one\t1.5\t100\t1\r\n"
                                             "\"a, \"\"b\"\"\r\nc\"\t2\t101\t1.5\r\n"
                                             "<&>\t-3.25\t102\t2\r\n"
                                             "\t\t103\t2.5\r\n"
                                             "\t\t104\t3\r\n"
                                             "\r\n");
    text.IncludeHeader = text.IncludeIndex = text.IncludeColors = true;
    text.TextDelimiter = u',';
    text.TextQuotes = QStringLiteral("\"");
    EXPECT_EQ(text.AsString().toStdString(), "\"Index\",\"Text\",\"Colors\",\"Alpha\",\"Y\",\"Radius\"\r\n"
                                             "0,\"one\",#FF0000,1.5,100,1\r\n"
                                             "1,\"a, \"\"b\"\"\r\nc\",#00FF00,2,101,1.5\r\n"
                                             "2,\"<&>\",#FF0000,-3.25,102,2\r\n"
                                             "3,,#000000,,103,2.5\r\n"
                                             "4,,#000000,,104,3\r\n"
                                             "\r\n");
    // One series alone, no labels: one value per line, then an empty line.
    TSeriesDataText single(&chart, line);
    single.IncludeLabels = false;
    EXPECT_EQ(single.AsString().toStdString(), "1.5\r\n2\r\n-3.25\r\n\r\n");
    // A chart without series gives at most the index header.
    TChart empty(nullptr);
    TSeriesDataText none(&empty, nullptr);
    none.IncludeHeader = none.IncludeIndex = true;
    EXPECT_EQ(none.AsString().toStdString(), "Index\r\n\r\n");
    // Saved: the byte-order mark, then UTF-16 little-endian.
    const QByteArray bytes = Bytes(single);
    EXPECT_EQ(bytes.left(6), QByteArray("\xFF\xFE"
                                        "1\0.\0",
                                        6));
}

TEST_F(SeriesDataExport, TextReadByPythonCsvForEachDelimiterAndQuote) {
    QTemporaryDir dir;
    const QString script =
        QStringLiteral("import csv,sys\n"
                       "d,q=sys.argv[2],sys.argv[3]\n"
                       "text=open(sys.argv[1],encoding='utf-16',newline='').read()\n"
                       "rows=list(csv.reader(text.splitlines(True),delimiter=d,quotechar=q or '\"'))\n"
                       "rows=[r for r in rows if r]\n"
                       "print(len(rows),set(len(r) for r in rows),repr(rows[2][1]))\n");
    for (QChar d : {QChar(u'\t'), QChar(u','), QChar(u';')}) {
        for (const char* q : {"", "\"", "'"}) {
            SCOPED_TRACE(QString("delimiter %1 quote %2").arg(d).arg(q).toStdString());
            TSeriesDataText text(&chart, nullptr);
            text.IncludeHeader = text.IncludeIndex = true;
            text.TextDelimiter = d;
            text.TextQuotes = QString::fromLatin1(q);
            const QString file = dir.filePath("data.csv");
            text.SaveToFile(file);
            QProcess p;
            p.start("/usr/bin/python3", {"-c", script, file, QString(d), QString::fromLatin1(q)});
            ASSERT_TRUE(p.waitForFinished(30000));
            if (p.exitCode() != 0) GTEST_SKIP() << "no python3";
            // Header and 5 rows of 5 fields; the label with the delimiter, quote and line
            // break comes back whole.
            EXPECT_EQ(p.readAllStandardOutput().trimmed().toStdString(), "6 {5} 'a, \"b\"\\r\\nc'");
        }
    }
}

TEST_F(SeriesDataExport, XMLGoldenAndParsed) {
    TSeriesDataXML xml(&chart, nullptr);
    xml.IncludeIndex = true;
    xml.IncludeColors = true;
    const String expected = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"
        "<chart>\r\n"
        "<series title=\"Alpha\" type=\"Line\" color=\"#FF0000\">\r\n"
        "<points count=\"3\">\r\n"
        "<point index=\"0\" text=\"one\" color=\"#FF0000\" Y=\"1.5\"/>\r\n"
        "<point index=\"1\" text=\"a, &quot;b&quot;&#13;&#10;c\" color=\"#00FF00\" Y=\"2\"/>\r\n"
        "<point index=\"2\" text=\"&lt;&amp;&gt;\" color=\"#FF0000\" Y=\"-3.25\"/>\r\n"
        "</points>\r\n"
        "</series>\r\n"
        "\r\n"
        "<series title=\"Beta, &quot;b&quot;\" type=\"Bubble\" color=\"#0000FF\">\r\n"
        "<points count=\"5\">\r\n"
        "<point index=\"0\" text=\"\" color=\"#FF0000\" Y=\"100\" Radius=\"1\"/>\r\n"
        "<point index=\"1\" text=\"\" color=\"#008000\" Y=\"101\" Radius=\"1.5\"/>\r\n"
        "<point index=\"2\" text=\"\" color=\"#FFFF00\" Y=\"102\" Radius=\"2\"/>\r\n"
        "<point index=\"3\" text=\"\" color=\"#FFFFFF\"/>\r\n"
        "<point index=\"4\" text=\"\" color=\"#FFFFFF\" Y=\"104\" Radius=\"3\"/>\r\n"
        "</points>\r\n"
        "</series>\r\n"
        "\r\n"
        "</chart>");
    EXPECT_EQ(xml.AsString().toStdString(), expected.toStdString());
    // A null point keeps its X attribute and loses Y.
    TLineSeries xy(nullptr);
    xy.AddXY(5, 1);
    xy.AddXY(7, 2);
    xy.SetNull(1);
    TSeriesDataXML one(nullptr, &xy);
    one.IncludeHeader = false;
    EXPECT_TRUE(one.AsString().contains("<point  X=\"7\"/>")) << one.AsString().toStdString();

    // The saved file declares what it holds, UTF-16 (whatever the locale), and reads as XML
    // with Python's parser; so does the curve chart's value list "Output [V]".
    line->YValues()->SetName(QStringLiteral("Output [V]"));
    EXPECT_EQ(XmlError(xml.AsString().toUtf8().replace("UTF-16", "UTF-8")).toStdString(), "");
    QTemporaryDir dir;
    xml.SaveToFile(dir.filePath("data.xml"));
    const TPython py = RunPython(
        "import sys,xml.dom.minidom as m\n"
        "d=m.parse(sys.argv[1])\n"
        "p=d.getElementsByTagName('point')\n"
        "print(len(p),p[1].getAttribute('text')==\"a, \\\"b\\\"\\r\\nc\",p[0].getAttribute('Output__V_'))\n",
        dir.filePath("data.xml"));
    if (!py.ran) GTEST_SKIP() << "no python3";
    EXPECT_EQ(py.out.trimmed().toStdString(), "8 True 1.5") << py.err.toStdString();
}

TEST_F(SeriesDataExport, XMLDeclaresUTF16OnAJapaneseSystemToo) {
    TJapaneseLocale japanese;
    ILocaleProvider* previous = SetLocaleProvider(&japanese);
    TSeriesDataXML xml(&chart, line);
    SetLocaleProvider(previous);
    EXPECT_EQ(xml.Encoding.toStdString(), "UTF-16");
    const QByteArray bytes = Bytes(xml);
    ASSERT_TRUE(bytes.startsWith("\xFF\xFE"));
    const String text =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2), (bytes.size() - 2) / 2);
    EXPECT_TRUE(text.startsWith("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<series title=\"Alpha\""));
}

TEST_F(SeriesDataExport, HTMLGoldenAndParsed) {
    TSeriesDataHTML html(&chart, nullptr);
    html.IncludeIndex = html.IncludeHeader = true;
    EXPECT_EQ(html.AsString().toStdString(),
              "<table border=\"1\">\r\n"
              "<tr><td>Index</td><td>Text</td><td>Alpha</td><td>Text</td><td>Y</td><td>Radius</td></tr>\r\n"
              "<tr><td>0</td><td>one</td><td>1.5</td><td></td><td>100</td><td>1</td></tr>\r\n"
              "<tr><td>1</td><td>a, "
              "&quot;b&quot;&#13;&#10;c</td><td>2</td><td></td><td>101</td><td>1.5</td></tr>\r\n"
              "<tr><td>2</td><td>&lt;&amp;&gt;</td><td>-3.25</td><td></td><td>102</td><td>2</td></tr>\r\n"
              "<tr><td>3</td><td></td><td></td><td></td><td>103</td><td>2.5</td></tr>\r\n"
              "<tr><td>4</td><td></td><td></td><td></td><td>104</td><td>3</td></tr>\r\n"
              "\r\n"
              "</table>");
    html.FirstSeriesLabels = true;
    html.IncludeColors = true;
    QTemporaryDir dir;
    html.SaveToFile(dir.filePath("data.html"));
    const TPython py = RunPython("import sys\n"
                                 "from html.parser import HTMLParser\n"
                                 "class P(HTMLParser):\n"
                                 "  rows=[]\n"
                                 "  def handle_starttag(s,t,a):\n"
                                 "    if t=='tr': s.rows.append([])\n"
                                 "    if t=='td': s.rows[-1].append('')\n"
                                 "  def handle_data(s,d):\n"
                                 "    if s.rows and s.rows[-1]: s.rows[-1][-1]+=d\n"
                                 "p=P(convert_charrefs=True)\n"
                                 "p.feed(open(sys.argv[1],encoding='utf-16').read())\n"
                                 "print(len(p.rows),set(len(r) for r in p.rows),repr(p.rows[2][1]))\n",
                                 dir.filePath("data.html"));
    if (!py.ran) GTEST_SKIP() << "no python3";
    EXPECT_EQ(py.out.trimmed().toStdString(), "6 {7} 'a, \"b\"\\r\\nc'") << py.err.toStdString();
}

TEST_F(SeriesDataExport, SpreadsheetGoldenAndReadByXlrd) {
    TSeriesDataXLS xls(&chart, line);
    xls.IncludeLabels = false;
    // One series of two lists, no header or index: one column, a number per row.
    EXPECT_EQ(Bytes(xls).toHex(' ').toStdString(), "09 08 08 00 00 00 10 00 00 00 00 00 "
                                                   "00 02 0a 00 00 00 03 00 00 00 01 00 00 00 "
                                                   "03 00 0f 00 00 00 00 00 00 00 00 00 00 00 00 00 00 f8 3f "
                                                   "03 00 0f 00 01 00 00 00 00 00 00 00 00 00 00 00 00 00 40 "
                                                   "03 00 0f 00 02 00 00 00 00 00 00 00 00 00 00 00 00 0a c0 "
                                                   "0a 00 00 00");
    TSeriesDataXLS all(&chart, nullptr);
    all.IncludeIndex = all.IncludeHeader = all.IncludeColors = true;
    QTemporaryDir dir;
    all.SaveToFile(dir.filePath("data.xls"));
    const TPython py =
        RunPython("import sys,xlrd\n"
                  "b=xlrd.open_workbook(sys.argv[1],encoding_override='cp1252')\n"
                  "s=b.sheet_by_index(0)\n"
                  "print(s.nrows,s.ncols)\n"
                  "for r in range(s.nrows): print([s.cell(r,c).value for c in range(s.ncols)])\n",
                  dir.filePath("data.xls"));
    if (!py.ran) GTEST_SKIP() << "no python3-xlrd";
    EXPECT_EQ(py.out.toStdString(), "6 8\n"
                                    "['Index', 'Text', 'Colors', 'Y', 'Text', 'Colors', 'Y', 'Radius']\n"
                                    "[0.0, 'one', '#FF0000', 1.5, '', '#FF0000', 100.0, 1.0]\n"
                                    "[1.0, 'a, \"b\"\\r\\nc', '#00FF00', 2.0, '', '#008000', 101.0, 1.5]\n"
                                    "[2.0, '<&>', '#FF0000', -3.25, '', '#FFFF00', 102.0, 2.0]\n"
                                    "[3.0, '', '', '', '', '#FFFFFF', '', '']\n"
                                    "[4.0, '', '', '', '', '#FFFFFF', 104.0, 3.0]\n")
        << py.err.toStdString();
}

TEST_F(SeriesDataExport, SpreadsheetLabelsInWindows1252AtMost255Bytes) {
    TLineSeries s(nullptr);
    s.AddY(1, QStringLiteral("Grüße € \u3042"));
    s.AddY(2, String(300, u'x'));
    TSeriesDataXLS xls(nullptr, &s);
    const QByteArray bytes = Bytes(xls);
    EXPECT_TRUE(bytes.contains(QByteArray("\x09"
                                          "Gr\xFC\xDF"
                                          "e \x80 ?")))
        << bytes.toHex().toStdString();
    EXPECT_TRUE(bytes.contains(QByteArray(1, '\xFF') + QByteArray(255, 'x')));
    EXPECT_FALSE(bytes.contains(QByteArray(256, 'x')));
}

TEST_F(SeriesDataExport, SpreadsheetOfMoreThan65535RowsRefusedBeforeWriting) {
    TLineSeries big(nullptr);
    for (int i = 0; i < 65535; ++i)
        big.AddY(i);
    TSeriesDataXLS xls(nullptr, &big);
    EXPECT_NO_THROW(Bytes(xls)); // 65535 rows without a header fit
    xls.IncludeHeader = true;
    QTemporaryDir dir;
    const QString file = dir.filePath("big.xls");
    ASSERT_TRUE(PutFile(file, "old"));
    TMemoryStream m;
    EXPECT_THROW(xls.SaveToStream(&m), ChartException);
    EXPECT_EQ(m.Size(), 0);
    EXPECT_THROW(xls.SaveToFile(file), ChartException);
    EXPECT_EQ(FileBytes(file), "old");
}

TEST_F(SeriesDataExport, SpreadsheetFormattedValuesReadBack) {
    TLineSeries s(nullptr);
    s.AddY(1234.5678);
    s.AddY(2);
    struct Case {
        const char* format;
        double first;
    };
    // Thousands separators are read back without them; a format whose text is no number
    // gives the stored value.
    for (const Case& c : {Case{"#,##0.###", 1234.568}, Case{"0.0", 1234.6}, Case{"0.0 \"V\"", 1234.5678}}) {
        SCOPED_TRACE(c.format);
        TSeriesDataXLS xls(nullptr, &s);
        xls.IncludeLabels = false;
        xls.ValueFormat = QString::fromLatin1(c.format);
        const QByteArray bytes = Bytes(xls);
        double first = 0;
        std::memcpy(&first, bytes.constData() + 26 + 11, 8);
        EXPECT_DOUBLE_EQ(first, c.first);
        EXPECT_TRUE(bytes.endsWith(QByteArray("\x0a\0\0\0", 4)));
    }
}

TEST_F(SeriesDataExport, FailingExportLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString file = dir.filePath("data.txt");
    ASSERT_TRUE(PutFile(file, "old data"));
    TFailingText failing(&chart, nullptr);
    EXPECT_THROW(failing.SaveToFile(file), std::runtime_error);
    EXPECT_EQ(FileBytes(file), "old data");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"data.txt"});
    TSeriesDataText good(&chart, nullptr);
    good.SaveToFile(file);
    EXPECT_EQ(FileBytes(file), Bytes(good));
}

TEST_F(SeriesDataExport, CopyToClipboard) {
    TSeriesDataText text(&chart, line);
    text.CopyToClipboard();
    EXPECT_EQ(Clipboard()->AsText(), text.AsString());
    // The spreadsheet has no text of its own: an empty row per point.
    TSeriesDataXLS xls(&chart, nullptr);
    EXPECT_EQ(xls.AsString().toStdString(), "\r\n\r\n\r\n\r\n\r\n");
}
