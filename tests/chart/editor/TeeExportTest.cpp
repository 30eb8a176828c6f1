// The picture formats of the export dialog: bitmaps in every depth read by Qt's own image
// reader, metafiles of either kind chosen by the save dialog's entry, the formats' filter
// entries, sizes, whole-file saving, and e-mailing an exported file.
#include "chart/editor/TeeExport.h"
#include "chart/editor/TeeBMPOptions.h"
#include "chart/editor/TeeEMFOptions.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/panel/HtmlText.h"
#include "chart/engine/pictures/BitmapFilters.h"
#include "chart/engine/pictures/TeeFilters.h"
#include "chart/series/BarSeries.h"
#include "platform/classes/Streams.h"
#include "platform/classes/StringList.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Metafile.h"
#include "platform/rtl/Exception.h"
#include "platform/win/Shell.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

// A 400 × 300 bar chart with red bars; Bar(i) is the middle of bar i after a drawing.
class ExportChart : public ::testing::Test {
protected:
    void SetUp() override {
        chart.SetBounds(0, 0, 400, 300);
        bars = new TBarSeries(&chart);
        bars->SetParentChart(&chart);
        bars->SetColorEachPoint(false);
        bars->SetSeriesColor(clRed);
        for (double v : values)
            bars->Add(v);
        std::unique_ptr<TBitmap> drawn(chart.TeeCreateBitmap());
    }
    QPoint Bar(int i) {
        return {chart.BottomAxis()->CalcXPosValue(i), chart.LeftAxis()->CalcYPosValue(values[i] / 2)};
    }
    static QByteArray Saved(TTeeExportFormat& Format) {
        TMemoryStream ms;
        Format.SaveToStream(&ms);
        return QByteArray(static_cast<const char*>(ms.Memory()), int(ms.Size()));
    }
    static QByteArray FileBytes(const QString& Name) {
        QFile f(Name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TChart chart{nullptr};
    TBarSeries* bars = nullptr;
    const double values[4] = {3, 5, 4, 6};
};

} // namespace

TEST_F(ExportChart, BitmapInEveryDepthReadsBackWithTheBars) {
    TBMPExportFormat format;
    format.Panel = &chart;
    auto* options = static_cast<TBMPOptions*>(format.Options());
    ASSERT_TRUE(options);
    ASSERT_EQ(options->CBColors->Items()->Count(), 8);
    const int depths[] = {24, 1, 4, 8, 16, 16, 24, 32};
    for (int item = 0; item <= 8; ++item) {
        const bool mono = item == 8;
        options->CBMono->SetChecked(mono);
        options->CBColors->SetItemIndex(mono ? 0 : item);
        format.Width = format.Height = 0;
        format.CheckSize();
        const QImage img = QImage::fromData(Saved(format), "BMP");
        ASSERT_FALSE(img.isNull()) << item;
        EXPECT_EQ(img.size(), QSize(400, 300)) << "0 × 0 is the panel's own size";
        if (mono) {
            EXPECT_EQ(img.depth(), 1);
            continue;
        }
        if (depths[item] <= 8) {
            EXPECT_LE(img.depth(), 8) << item;
        }
        // A palette of 2 colours has no red; every other depth shows the bars red.
        const QRgb c = img.pixel(Bar(1));
        if (item != 1) {
            EXPECT_TRUE(qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60) << item << " " << std::hex << c;
        }
    }

    // Enabled filters apply to the picture: inverted, the red bars turn cyan.
    options->CBMono->SetChecked(false);
    options->CBColors->SetItemIndex(6);
    format.Filters()->Add(TInvertFilter::StaticClass());
    const QImage inverted = QImage::fromData(Saved(format), "BMP");
    const QRgb c = inverted.pixel(Bar(2));
    EXPECT_TRUE(qRed(c) < 60 && qGreen(c) > 200 && qBlue(c) > 200) << std::hex << c;

    // Another size: the bitmap takes it.
    format.Width = 200;
    format.Height = 150;
    EXPECT_EQ(QImage::fromData(Saved(format), "BMP").size(), QSize(200, 150));
}

TEST_F(ExportChart, SaveDialogEntriesPickTheFormatAndTheMetafileKind) {
    TSaveDialog dialog(nullptr);
    TStringList items;
    TeeFillPictureDialog(&dialog, &chart, &items);
    EXPECT_EQ(dialog.Filter(),
              "Bitmaps (*.bmp)|*.bmp|Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf");
    ASSERT_EQ(items.Count(), 2);
    EXPECT_EQ(items.Strings(0), "as Bitmap");
    EXPECT_EQ(items.Strings(1), "as Metafile");
    auto* bmp = static_cast<TTeeExportFormat*>(items.Objects(0));
    auto* emf = static_cast<TEMFExportFormat*>(items.Objects(1));
    EXPECT_EQ(bmp->FileFilterIndex(), 1);
    EXPECT_EQ(emf->FileFilterIndex(), 2);
    EXPECT_EQ(emf->FileExtension(), "emf");
    // The "*.wmf" entry switches the metafile to the plain kind.
    EXPECT_FALSE(bmp->WantsFilterIndex(3));
    EXPECT_TRUE(emf->WantsFilterIndex(3));
    EXPECT_FALSE(emf->Enhanced());
    EXPECT_EQ(emf->FileExtension(), "wmf");
    EXPECT_EQ(emf->FileFilterIndex(), 3);
    emf->Width = 400;
    emf->Height = 300;
    EXPECT_EQ(Saved(*emf).left(4), QByteArray("\xD7\xCD\xC6\x9A", 4));
    static_cast<TEMFOptions*>(emf->Options())->CBEnhanced->SetChecked(true);
    EXPECT_EQ(Saved(*emf).left(4), QByteArray("\x01\0\0\0", 4));
    for (int i = 0; i < items.Count(); ++i)
        delete items.Objects(i);

    // A dialog whose filter already holds an entry: the formats come after it.
    TSaveDialog text(nullptr);
    text.SetFilter("Text (*.txt)|*.txt");
    TStringList more;
    TeeFillPictureDialog(&text, &chart, &more);
    EXPECT_EQ(static_cast<TTeeExportFormat*>(more.Objects(0))->FileFilterIndex(), 2);
    EXPECT_EQ(static_cast<TTeeExportFormat*>(more.Objects(1))->FileFilterIndex(), 3);
    for (int i = 0; i < more.Count(); ++i)
        delete more.Objects(i);

    // The picture class for a file's extension.
    std::unique_ptr<TGraphic> meta(WithFileExtension(".EMF"));
    EXPECT_TRUE(dynamic_cast<TMetafile*>(meta.get()));
    std::unique_ptr<TGraphic> bitmap(WithFileExtension(".bmp"));
    EXPECT_TRUE(dynamic_cast<TBitmap*>(bitmap.get()));
    EXPECT_EQ(WithFileExtension(".wmf"), nullptr) << "a fresh metafile format answers emf";
    EXPECT_EQ(WithFileExtension(".png"), nullptr);
    EXPECT_EQ(GraphicFileExtension, &WithFileExtension);
}

TEST_F(ExportChart, SavingReplacesTheFileWholeOrNotAtAll) {
    QTemporaryDir dir;
    const QString file = dir.filePath("chart.bmp");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("the old picture");
    }
    TBMPExportFormat format;
    EXPECT_THROW(
        {
            try {
                format.SaveToFile(file);
            } catch (const Exception& e) {
                EXPECT_EQ(e.Message, "Panel property is not set in Export format");
                throw;
            }
        },
        Exception);
    format.Panel = &chart;
    // A chart that fails while it draws: the old file stays, no temporary file is left.
    chart.OnAfterDraw = [](TObject*) { throw std::runtime_error("drawing failed"); };
    EXPECT_THROW(format.SaveToFile(file), std::runtime_error);
    EXPECT_EQ(FileBytes(file), "the old picture");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"chart.bmp"});
    chart.OnAfterDraw = nullptr;
    format.SaveToFile(file);
    EXPECT_EQ(QImage(file).size(), QSize(400, 300));
}

TEST(ExportMail, CancelIsSilentAndAnErrorNamesItsNumber) {
    QTemporaryDir dir;
    const QString file = dir.filePath("VorUvivi.csv");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("1,2\n");
    }
    TFakeMailSender fake;
    IMailSender* previous = SetMailSender(&fake);
    for (int result : {MAIL_SUCCESS, MAIL_USER_ABORT})
        EXPECT_NO_THROW((fake.Result = result, TeeEmailFile(file, "VorUvivi")));
    fake.Result = 4;
    try {
        TeeEmailFile(file, "VorUvivi");
        ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "Can not email VorUvivi. Mapi Error: 4");
    }
    ASSERT_EQ(fake.Sent.size(), 3u);
    EXPECT_EQ(fake.Sent[0].Subject, "VorUvivi");
    EXPECT_EQ(QFileInfo(fake.Sent[0].Attachment).fileName(), "VorUvivi.csv");
    EXPECT_EQ(fake.Sent[0].Content, "1,2\n");
    SetMailSender(previous);
    RemoveMailAttachments();
}
