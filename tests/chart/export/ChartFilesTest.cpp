#include "chart/export/ChartFiles.h"
#include "chart/engine/series/SeriesDataStream.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/export/ChartXML.h"
#include "platform/classes/ReplaceFileStream.h"
#include "tests/chart/export/ChartFilesFixture.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <memory>

namespace {

QByteArray Save(TChart* Chart, bool IncludeData, bool Text) {
    TMemoryStream m;
    SaveChartToStream(Chart, &m, IncludeData, Text);
    return StreamBytes(m);
}

void Load(TChart* Chart, const QByteArray& Bytes) {
    TMemoryStream m;
    if (!Bytes.isEmpty()) m.WriteBuffer(Bytes.constData(), int(Bytes.size()));
    m.SetPosition(0);
    LoadChartFromStream(Chart, &m);
}

// Every series' save flags are off.
void ExpectFlagsOff(TChart* Chart) {
    for (int i = 0; i < Chart->SeriesCount(); ++i) {
        EXPECT_FALSE(Chart->Series(i)->ForceSaveData()) << i;
        EXPECT_FALSE(Chart->Series(i)->DontSaveData()) << i;
    }
}

// A well-formed document, read through by an XML parser; returns its error text.
String XmlError(const QByteArray& Bytes) {
    QXmlStreamReader xml(Bytes);
    while (!xml.atEnd())
        xml.readNext();
    return xml.hasError() ? xml.errorString() + QStringLiteral(" at line %1").arg(xml.lineNumber())
                          : String();
}

QStringList DirEntries(const QTemporaryDir& Dir) {
    return QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden);
}

// A series whose points cannot be stored: the writer fails in the middle of the chart.
class TFailingSeries : public TChartSeries {
    ORVO_CLASS(TFailingSeries, TChartSeries)
public:
    explicit TFailingSeries(TComponent* AOwner) : TChartSeries(AOwner) {}
    void WriteData(TStream*) override { throw EWriteError(QStringLiteral("disk full")); }
};
ORVO_IMPLEMENT_CLASS(TFailingSeries, TChartSeries)

class ChartFiles : public ::testing::Test {
protected:
    void SetUp() override {
        chart.SetName(QStringLiteral("Chart1"));
        FillEveryType(&owner, &chart);
    }
    TComponent owner{nullptr};
    TChart chart{&owner};
};

} // namespace

TEST_F(ChartFiles, BinaryAndTextRoundTripToTheSameBytes) {
    ASSERT_GT(chart.SeriesCount(), 10);
    ASSERT_GT(chart.Tools()->Count(), 5);
    for (bool data : {true, false}) {
        SCOPED_TRACE(data ? "with data" : "without data");
        const QByteArray binary = Save(&chart, data, false);
        ASSERT_GE(binary.size(), 8);
        EXPECT_EQ(binary.left(8), QByteArray("\x60\x30\x57\x01TPF0", 8));
        EXPECT_EQ(binary.contains("Data"), data);
        ExpectFlagsOff(&chart);
        const QByteArray text = Save(&chart, data, true);
        EXPECT_TRUE(text.startsWith("object TChart\r\n")) << text.left(40).toStdString();
        EXPECT_EQ(text.count("    Data = {\r\n"), data ? chart.SeriesCount() : 0);
        for (const QByteArray* form : {&binary, &text}) {
            TComponent owner2(nullptr);
            TChart loaded(&owner2);
            loaded.SetName(QStringLiteral("Kept"));
            Load(&loaded, *form);
            EXPECT_EQ(loaded.Name().toStdString(), "Kept");
            EXPECT_EQ(loaded.SeriesCount(), chart.SeriesCount());
            EXPECT_EQ(loaded.Tools()->Count(), chart.Tools()->Count());
            for (int i = 0; data && i < loaded.SeriesCount(); ++i) {
                EXPECT_EQ(loaded.Series(i)->Count(), chart.Series(i)->Count()) << i;
                // Shapes and gauges keep fewer points than the sample asked for.
                if (chart.Series(i)->Count() < 4) continue;
                EXPECT_EQ(loaded.Series(i)->XLabel(1), chart.Series(i)->XLabel(1)) << i;
                EXPECT_TRUE(loaded.Series(i)->IsNull(3)) << i;
            }
            // Loaded and saved again, the chart gives the same bytes from then on. (The first
            // load turns ParentShowHint off, as reading ShowHint does, so the second
            // generation is the one compared.)
            const QByteArray again = Save(&loaded, data, false);
            TComponent owner3(nullptr);
            TChart third(&owner3);
            Load(&third, again);
            EXPECT_EQ(Save(&third, data, false), again);
            EXPECT_EQ(Save(&third, data, true), Save(&loaded, data, true));
        }
        // Both conversions, and each onto its own form unchanged.
        TMemoryStream in, out;
        for (auto [from, to, toText] :
             {std::tuple{&binary, &text, true}, std::tuple{&text, &binary, false},
              std::tuple{&binary, &binary, false}, std::tuple{&text, &text, true}}) {
            in.Clear();
            out.Clear();
            in.WriteBuffer(from->constData(), int(from->size()));
            in.SetPosition(0);
            toText ? ConvertTeeToText(&in, &out) : ConvertTeeToBinary(&in, &out);
            EXPECT_EQ(StreamBytes(out), *to);
        }
        // The XML form of both reads as XML.
        TMemoryStream xml;
        SaveChartToXMLStream(&chart, &xml, data, true);
        EXPECT_TRUE(StreamBytes(xml).startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TChart>"));
        EXPECT_EQ(XmlError(StreamBytes(xml)).toStdString(), "");
    }
    EXPECT_EQ(chart.Name().toStdString(), "Chart1");
}

TEST_F(ChartFiles, ChartWithoutOwnerIsItsOwnRootAndCompatibilityClassesLoad) {
    TChart alone(nullptr);
    alone.SetName(QStringLiteral("Alone"));
    CreateNewSeries(nullptr, &alone, TeeSeriesTypes()->Get(0)->SeriesClass)->FillSampleValues(3);
    const QByteArray text = Save(&alone, true, true);
    EXPECT_TRUE(text.contains("  object Series1: ")) << text.toStdString();
    TChart back(nullptr);
    Load(&back, text);
    ASSERT_EQ(back.SeriesCount(), 1);
    EXPECT_EQ(back.Series(0)->Count(), 3);
    // A stream whose root class is one of the old chart classes loads as well.
    for (const char* root : {"TChartChart", "TODBCChart"}) {
        QByteArray renamed = text;
        renamed.replace("object TChart", QByteArray("object ") + root);
        TChart other(nullptr);
        Load(&other, renamed);
        EXPECT_EQ(other.SeriesCount(), 1) << root;
    }
}

TEST(ChartFileNames, CheckExtension) {
    const std::pair<const char*, const char*> cases[] = {
        {"chart", "chart.tee"},
        {"chart.dat", "chart.dat"},
        {"/tmp/x.y/chart", "/tmp/x.y/chart.tee"},
        {"chart.TEE", "chart.TEE"},
        {"", ".tee"},
    };
    for (auto [in, out] : cases)
        EXPECT_EQ(TeeCheckExtension(QString::fromUtf8(in)).toStdString(), out) << in;
}

TEST(ChartFileHeader, FormsAndRefusals) {
    struct Case {
        QByteArray bytes;
        bool chart, binary;
    };
    const Case cases[] = {
        {QByteArray("\x60\x30\x57\x01TPF0", 8), true, true},
        {QByteArray("\x60\x30\x00\x00", 4), true, true},
        {"object : TChart\r\nend\r\n", true, false},
        {"obje", true, false},
        {"Oxyz", true, false},
        {"TPF0xxxx", false, false},
        {"\x30\x60zz", false, false},
        {"", false, false},
        {"o", false, false},
        {"ob", false, false},
        {QByteArray("\x60\x30\x57", 3), false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        TMemoryStream m;
        if (!c.bytes.isEmpty()) m.WriteBuffer(c.bytes.constData(), int(c.bytes.size()));
        m.SetPosition(0);
        bool binary = true;
        EXPECT_EQ(IsTeeStream(&m, binary), c.chart);
        EXPECT_EQ(binary, c.binary);
        EXPECT_EQ(m.Position(), 0);
        // Loading refuses what is no chart file before the chart is touched: 1 to 3 bytes
        // are a wrong format, not a read error.
        if (c.chart) continue;
        TChart target(nullptr);
        target.AddSeries(CreateNewSeries(nullptr, &target, TeeSeriesTypes()->Get(0)->SeriesClass));
        try {
            LoadChartFromStream(&target, &m);
            ADD_FAILURE() << "loaded";
        } catch (const ChartException& e) {
            EXPECT_EQ(e.Message, c.bytes.isEmpty() ? TeeMsg_EmptyTeeFile : TeeMsg_WrongTeeFileFormat);
        }
        EXPECT_EQ(target.SeriesCount(), 1);
        EXPECT_TRUE(target.AutoRepaint());
        TMemoryStream out;
        if (!c.bytes.isEmpty()) {
            EXPECT_THROW(ConvertTeeToText(&m, &out), ChartException);
            EXPECT_THROW(ConvertTeeToBinary(&m, &out), ChartException);
        }
    }
    EXPECT_EQ(TeeMsg_EmptyTeeFile.toStdString(), "Empty *.tee file");
    EXPECT_EQ(TeeMsg_WrongTeeFileFormat.toStdString(), "Wrong *.tee file format");
}

TEST_F(ChartFiles, FailingSaveGivesBackNameAndFlags) {
    auto* failing = new TFailingSeries(&owner);
    failing->SetName(QStringLiteral("Failing"));
    failing->SetParentChart(&chart);
    failing->AddXY(1, 2);
    for (bool text : {false, true}) {
        TMemoryStream m;
        EXPECT_THROW(SaveChartToStream(&chart, &m, true, text), EWriteError);
        EXPECT_EQ(chart.Name().toStdString(), "Chart1");
        ExpectFlagsOff(&chart);
    }
}

TEST_F(ChartFiles, FailingLoadRepaintsAgainAndKeepsTheName) {
    QByteArray text = Save(&chart, false, true);
    text.replace("object Series1", "object Series1: TNoSuchSeriesClass\r\nend\r\nobject X");
    TProcTeeCheckError refuse = [&](const String&, bool& Skip) { Skip = false; };
    TComponent owner2(nullptr);
    TChart loaded(&owner2);
    loaded.SetName(QStringLiteral("Target"));
    TMemoryStream m;
    m.WriteBuffer(text.constData(), int(text.size()));
    m.SetPosition(0);
    EXPECT_ANY_THROW(LoadChartFromStreamCheck(&loaded, &m, refuse, false));
    EXPECT_TRUE(loaded.AutoRepaint());
    EXPECT_EQ(loaded.Name().toStdString(), "Target");
    // Damaged text fails in the conversion, before any reading.
    m.Clear();
    m.WriteBuffer("object : TChart\r\n  Foo = (\r\n", 26);
    m.SetPosition(0);
    EXPECT_THROW(LoadChartFromStream(&loaded, &m), EReadError);
    EXPECT_TRUE(loaded.AutoRepaint());
}

TEST_F(ChartFiles, UnknownPropertiesAreSkippedOrLeftToTheCallback) {
    QByteArray text = Save(&chart, true, true);
    text.replace("object TChart\r\n", "object TChart\r\n  NoSuchProperty = 5\r\n");
    for (bool skip : {true, false}) {
        TComponent owner2(nullptr);
        TChart loaded(&owner2);
        TMemoryStream m;
        m.WriteBuffer(text.constData(), int(text.size()));
        m.SetPosition(0);
        int asked = 0;
        TProcTeeCheckError check = [&](const String&, bool& Skip) {
            ++asked;
            Skip = skip;
        };
        if (skip) {
            LoadChartFromStreamCheck(&loaded, &m, check, false);
            EXPECT_EQ(loaded.SeriesCount(), chart.SeriesCount());
        } else {
            EXPECT_ANY_THROW(LoadChartFromStreamCheck(&loaded, &m, check, false));
        }
        EXPECT_EQ(asked, 1);
    }
    TChart plain(nullptr);
    Load(&plain, text);
    EXPECT_EQ(plain.SeriesCount(), chart.SeriesCount());
}

TEST_F(ChartFiles, PointBlocksAfterTheStreamAreReadOnRequest) {
    QByteArray bytes = Save(&chart, false, false);
    TMemoryStream m;
    m.WriteBuffer(bytes.constData(), int(bytes.size()));
    for (int i = 0; i < chart.SeriesCount(); ++i)
        WriteSeriesData(chart.Series(i), &m);
    m.SetPosition(0);
    TComponent owner2(nullptr);
    TChart loaded(&owner2);
    LoadChartFromStreamCheck(&loaded, &m, {}, true);
    ASSERT_EQ(loaded.SeriesCount(), chart.SeriesCount());
    for (int i = 0; i < loaded.SeriesCount(); ++i) {
        EXPECT_EQ(loaded.Series(i)->Count(), chart.Series(i)->Count()) << i;
        for (int p = 0; p < chart.Series(i)->Count(); ++p)
            EXPECT_EQ(loaded.Series(i)->XLabel(p), chart.Series(i)->XLabel(p)) << i;
    }
}

TEST_F(ChartFiles, FilesAreReplacedWholeAndConversionsMayWriteOntoTheirSource) {
    QTemporaryDir dir;
    const QString base = dir.filePath("chart");
    SaveChartToFile(&chart, base, true, false);
    const QByteArray binary = FileBytes(base + ".tee");
    EXPECT_EQ(binary, Save(&chart, true, false));
    ConvertTeeFileToText(base + ".tee", base + ".tee");
    EXPECT_EQ(FileBytes(base + ".tee"), Save(&chart, true, true));
    ConvertTeeFileToBinary(base + ".tee", base + ".tee");
    EXPECT_EQ(FileBytes(base + ".tee"), binary);
    TComponent owner2(nullptr);
    TChart loaded(&owner2);
    LoadChartFromFile(&loaded, base);
    EXPECT_EQ(loaded.SeriesCount(), chart.SeriesCount());
    SaveChartToXMLFile(&chart, dir.filePath("chart.xml"), false, false);
    EXPECT_TRUE(FileBytes(dir.filePath("chart.xml")).startsWith("<TChart>"));

    // Writers failing midway leave the old file byte-identical and no temporary file.
    auto* failing = new TFailingSeries(&owner);
    failing->SetParentChart(&chart);
    failing->AddXY(1, 2);
    EXPECT_THROW(SaveChartToFile(&chart, base, true, true), EWriteError);
    EXPECT_THROW(SaveChartToXMLFile(&chart, base, true, true), EWriteError);
    EXPECT_EQ(FileBytes(base + ".tee"), binary);
    ASSERT_TRUE(PutFile(dir.filePath("damaged.tee"), binary.left(binary.size() / 2)));
    EXPECT_THROW(ConvertTeeFileToText(dir.filePath("damaged.tee"), base + ".tee"), EReadError);
    ASSERT_TRUE(PutFile(dir.filePath("damaged.txt"), Save(&chart, false, true).left(300)));
    EXPECT_THROW(ConvertTeeFileToBinary(dir.filePath("damaged.txt"), base + ".tee"), EReadError);
    EXPECT_EQ(FileBytes(base + ".tee"), binary);
    EXPECT_EQ(DirEntries(dir), (QStringList{"chart.tee", "chart.xml", "damaged.tee", "damaged.txt"}));
}

TEST(ChartXML, NestedPropertiesAndEmptyObjects) {
    const QByteArray text = "object : TChart\r\n"
                            "  Title.Font.Color = clRed\r\n"
                            "  Title.Font.Name = 'Arial'\r\n"
                            "  Title.Visible = False\r\n"
                            "  Color = clWhite\r\n"
                            "  object Series1: TLineSeries\r\n"
                            "  end\r\n"
                            "end\r\n";
    TMemoryStream m;
    m.WriteBuffer(text.constData(), int(text.size()));
    ConvertTextToXML(&m, false);
    EXPECT_EQ(StreamBytes(m).toStdString(), "<TChart Name=\"\">\r\n"
                                            "  <Title>\r\n"
                                            "    <Font>\r\n"
                                            "      <Color value=\"clRed\"/>\r\n"
                                            "      <Name value=\"&apos;Arial&apos;\"/>\r\n"
                                            "    </Font>\r\n"
                                            "    <Visible value=\"False\"/>\r\n"
                                            "  </Title>\r\n"
                                            "  <Color value=\"clWhite\"/>\r\n"
                                            "  <TLineSeries Name=\"Series1\"/>\r\n"
                                            "</TChart>");
}

TEST(ChartXML, ValuesEscapedAndUnclosedBlocksStopAtTheEnd) {
    struct Case {
        const char* name;
        QByteArray text;
    };
    const Case cases[] = {
        {"quote, < and &", "object A: TChart\r\n  Text = 'a \"<b>\" & c'\r\n  X.Y = '<'\r\nend\r\n"},
        {"list never closed", "object A: TChart\r\n  Lines.Strings = (\r\n    'a'\r\n    'b'\r\n"},
        {"binary never closed", "object A: TChart\r\n  Data = {\r\n    0011\r\n"},
        {"collection never closed", "object A: TChart\r\n  Items = <\r\n    item\r\n      V = 1\r\n"},
        {"nested collection and list",
         "object A: TChart\r\n  Items = <\r\n    item\r\n      L = (\r\n"
         "        'x')\r\n      C = <\r\n        item\r\n        end>\r\n    end>\r\n"
         "end\r\n"},
        {"too many ends", "end\r\nend>\r\nend\r\nobject A: TChart\r\nend\r\nend\r\n"},
        {"names that are no XML names", "object 1: T<x>\r\n  [a b].c = 1\r\n  Output [V] = 2\r\nend\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TMemoryStream m;
        m.WriteBuffer(c.text.constData(), int(c.text.size()));
        ConvertTextToXML(&m, true);
        const QByteArray xml = StreamBytes(m);
        EXPECT_EQ(XmlError(xml).toStdString(), "") << xml.toStdString();
        EXPECT_FALSE(xml.contains("\r\n </")) << "negative indent";
    }
}

TEST(ChartXML, StringsStack) {
    TStringsStack s;
    EXPECT_EQ(s.Pop(), String());
    EXPECT_EQ(s.Push("a"), 0);
    EXPECT_EQ(s.Push("b"), 1);
    EXPECT_EQ(s.Pop().toStdString(), "b");
    EXPECT_EQ(s.Pop().toStdString(), "a");
    EXPECT_EQ(s.Count(), 0);
}
