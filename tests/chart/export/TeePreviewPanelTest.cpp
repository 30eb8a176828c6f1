// The print preview: where the paper and the chart lie, dragging the chart's margins and
// the chart itself, the dialog's margin boxes, and printing to a PDF printer.
#include "chart/export/TeePreviewPanel.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartTitles.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/export/ChartPreview.h"
#include "chart/series/BarSeries.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Application.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Printer.h"
#include "platform/controls/RadioGroup.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Cursor.h"

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Installs one PDF printer (or none) for the test's lifetime.
class TPdfPrinter {
public:
    explicit TPdfPrinter(const QString& pdf) {
        FOld = SetPrinterSource([pdf] {
            return pdf.isEmpty() ? std::vector<TPrinterTarget>{} : std::vector<TPrinterTarget>{{"PDF", pdf}};
        });
        SetPrinter(new TPrinter);
    }
    ~TPdfPrinter() {
        SetPrinterSource(FOld);
        SetPrinter(new TPrinter);
    }

private:
    TPrinterSource FOld;
};

// A picture drawn without a window, as a PNG.
void Screenshot(TBitmap* image, const char* name) {
    const QString folder = qEnvironmentVariable("ORVO_SCREENSHOTS");
    if (folder.isEmpty() || !image) return;
    QDir().mkpath(folder);
    const QString bmp = QDir(folder).filePath(QString::fromUtf8(name) + QStringLiteral(".bmp"));
    image->SaveToFile(bmp);
    EXPECT_TRUE(
        QImage(bmp).save(QDir(folder).filePath(QString::fromUtf8(name) + QStringLiteral(".png")), "PNG"));
    QFile::remove(bmp);
}

void Screenshot(TWinControl* control, const char* name) {
    const QString folder = qEnvironmentVariable("ORVO_SCREENSHOTS");
    if (folder.isEmpty() || !control || !control->Widget()) return;
    QDir().mkpath(folder);
    Application->ProcessMessages();
    const QPixmap shot = control->Widget()->grab();
    EXPECT_TRUE(shot.save(QDir(folder).filePath(QString::fromUtf8(name) + QStringLiteral(".png")), "PNG"));
}

// A bar chart named "Sales" with a title, 400 × 300.
class TSalesChart {
public:
    TSalesChart() {
        Chart.SetName("Sales");
        Chart.SetBounds(0, 0, 400, 300);
        Chart.Title()->Text()->SetText("Quarterly Sales");
        auto* bars = new TBarSeries(&Chart);
        bars->SetParentChart(&Chart);
        bars->SetColorEachPoint(false);
        bars->SetSeriesColor(clRed);
        for (double v : {3.0, 5.0, 4.0, 6.0})
            bars->Add(v);
    }
    TChart Chart{nullptr};
};

} // namespace

TEST(PreviewPaper, PageShapeFitsTheClientArea) {
    struct Case {
        int ClientW, ClientH, PageW, PageH;
        TRect Paper;
    };
    const Case cases[] = {
        // A portrait A4 page in a wide client: 80 % of the height from 10 %, centred.
        {600, 400, 794, 1123, {187, 40, 413, 360}},
        // A landscape page in a tall client: 80 % of the width from 10 %, centred.
        {300, 500, 1123, 794, {30, 165, 270, 335}},
        // Halves round to even: 10 % of 45 is 4.5, which gives 4; a fifth of 45 is 9.
        {100, 45, 10, 100, {48, 4, 52, 40}},
        // A page without height or width gives a paper without that extent, not a fault.
        {200, 100, 100, 0, {20, 50, 180, 50}},
        {200, 100, 0, 100, {100, 10, 100, 90}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TeePreviewPaperRect(c.ClientW, c.ClientH, c.PageW, c.PageH), c.Paper)
            << c.ClientW << "x" << c.ClientH << " page " << c.PageW << "x" << c.PageH;
}

namespace {

// A preview of 600 × 400 showing the sales chart with fixed print margins on a portrait
// page of a PDF printer, drawn once so that the paper and the chart's place are known.
class PreviewOnPaper : public ::testing::Test {
protected:
    void SetUp() override {
        sales.Chart.SetPrintProportional(false);
        sales.Chart.SetPrintMargins({10, 20, 30, 15});
        preview.SetBounds(0, 0, 600, 400);
        preview.SetOrientation(ppoPortrait);
        preview.SetPanel(&sales.Chart);
        preview.OnChangeMargins = [this](TObject*, bool disable, const TRect& m) {
            changes.push_back(m);
            EXPECT_TRUE(disable);
        };
        Redraw();
    }
    void Redraw() { image.reset(preview.TeeCreateBitmap()); }
    TColor At(int X, int Y) const { return image->Canvas()->Pixels(X, Y); }
    void Drag(int X0, int Y0, int X1, int Y1) {
        preview.MouseDown(mbLeft, {}, X0, Y0);
        preview.MouseMove({ssLeft}, X1, Y1);
        preview.MouseUp(mbLeft, {}, X1, Y1);
    }

    QTemporaryDir dir;
    TPdfPrinter printer{dir.filePath("page.pdf")};
    TSalesChart sales;
    TTeePreviewPanel preview{nullptr};
    std::unique_ptr<TBitmap> image;
    std::vector<TRect> changes;
};

} // namespace

TEST_F(PreviewOnPaper, PaperHasThePageShapeAndTheChartSitsInItsMargins) {
    ASSERT_EQ(Printer()->Orientation(), poPortrait);
    const TRect paper = preview.PaperRect();
    EXPECT_EQ(paper, TeePreviewPaperRect(600, 400, Printer()->PageWidth(), Printer()->PageHeight()));
    EXPECT_EQ(paper.Top, 40);
    EXPECT_EQ(paper.Bottom - paper.Top, 320);
    EXPECT_NEAR(paper.Left + paper.Right, 600, 1);
    const int w = paper.Right - paper.Left, h = paper.Bottom - paper.Top;
    const TRect image = preview.ImageRect();
    EXPECT_EQ(image.Left, paper.Left + int(std::nearbyint(10.0 * w / 100)));
    EXPECT_EQ(image.Top, paper.Top + int(std::nearbyint(20.0 * h / 100)));
    EXPECT_EQ(image.Right, paper.Right - int(std::nearbyint(30.0 * w / 100)));
    EXPECT_EQ(image.Bottom, paper.Bottom - int(std::nearbyint(15.0 * h / 100)));

    // Paper, its black outline, the chart inside the margins and nothing of it outside.
    EXPECT_EQ(At(paper.Left, (paper.Top + paper.Bottom) / 2), clBlack);
    EXPECT_EQ(At(paper.Left + 2, paper.Top + 2), clWhite);
    EXPECT_EQ(At((image.Left + image.Right) / 2, image.Bottom + 5), clWhite);
    bool red = false;
    for (int y = image.Top; y < image.Bottom && !red; ++y)
        for (int x = image.Left; x < image.Right && !red; ++x)
            red = At(x, y) == clRed;
    EXPECT_TRUE(red) << "the bars are drawn inside the chart's rectangle";

    // Without the image, only the paper and the margin lines.
    preview.SetShowImage(false);
    Redraw();
    for (int y = image.Top + 1; y < image.Bottom - 1; y += 7)
        for (int x = image.Left + 1; x < image.Right - 1; x += 7)
            ASSERT_EQ(At(x, y), clWhite) << x << "," << y;
    preview.SetShowImage(true);
    Redraw();
    Screenshot(this->image.get(), "preview-panel");

    // A chart that is freed leaves the preview.
    {
        TSalesChart other;
        preview.Panels()->Add(&other.Chart);
        EXPECT_EQ(preview.Panels()->Count(), 2);
    }
    EXPECT_EQ(preview.Panels()->Count(), 1);
}

TEST_F(PreviewOnPaper, ZonesAroundTheChart) {
    const TRect r = preview.ImageRect();
    const int mx = (r.Left + r.Right) / 2, my = (r.Top + r.Bottom) / 2;
    struct Case {
        int X, Y;
        TeePreviewZones Zone;
        TCursor Cursor;
    };
    const Case cases[] = {
        {r.Left + 4, r.Top - 4, teePrev_LeftTop, crSizeNWSE},
        {r.Left, r.Bottom + 2, teePrev_LeftBottom, crSizeNESW},
        {r.Right - 3, r.Top, teePrev_RightTop, crSizeNESW},
        {r.Right + 4, r.Bottom - 4, teePrev_RightBottom, crSizeNWSE},
        {r.Left - 4, my, teePrev_Left, crHSplit},
        {r.Right + 1, my, teePrev_Right, crHSplit},
        {mx, r.Top + 4, teePrev_Top, crVSplit},
        {mx, r.Bottom - 4, teePrev_Bottom, crVSplit},
        {mx, my, teePrev_Image, crTeeHand},
        {r.Left - 5, my, teePrev_None, crDefault},
        {mx, r.Bottom + 5, teePrev_None, crDefault},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(preview.WhereIsCursor(c.X, c.Y), c.Zone) << c.X << "," << c.Y;
        preview.MouseMove({}, c.X, c.Y);
        EXPECT_EQ(preview.Cursor(), c.Cursor) << c.X << "," << c.Y;
    }

    // Without resizing, edges and corners are no zones: pressing at a corner drags nothing.
    preview.SetAllowResize(false);
    EXPECT_EQ(preview.WhereIsCursor(r.Left, r.Top), teePrev_None);
    preview.MouseMove({}, r.Left, r.Top);
    EXPECT_EQ(preview.Cursor(), crDefault);
    Drag(r.Left, r.Top, r.Left - 20, r.Top - 20);
    EXPECT_EQ(preview.ImageRect(), r);
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(preview.WhereIsCursor(mx, my), teePrev_Image);
    preview.SetAllowMove(false);
    EXPECT_EQ(preview.WhereIsCursor(mx, my), teePrev_None);
}

TEST_F(PreviewOnPaper, DraggingStaysOnThePaper) {
    const TRect paper = preview.PaperRect();
    const TRect r = preview.ImageRect();
    const int w = r.Right - r.Left, h = r.Bottom - r.Top;
    const int mx = (r.Left + r.Right) / 2, my = (r.Top + r.Bottom) / 2;

    // Moving the chart past the paper's top-left corner stops at the edges, size kept.
    preview.MouseDown(mbLeft, {}, mx, my);
    EXPECT_EQ(preview.Dragged(), teePrev_Image);
    preview.MouseMove({ssLeft}, paper.Left + 1, paper.Top + 1);
    EXPECT_EQ(preview.ImageRect(), (TRect{paper.Left, paper.Top, paper.Left + w, paper.Top + h}));
    // Past the bottom-right corner it stops at those edges, its size kept too.
    preview.MouseMove({ssLeft}, paper.Right, paper.Bottom);
    EXPECT_EQ(preview.ImageRect(), (TRect{paper.Right - w, paper.Bottom - h, paper.Right, paper.Bottom}));
    preview.MouseMove({ssLeft}, paper.Left + 1, paper.Top + 1);
    preview.MouseUp(mbLeft, {}, paper.Left + 1, paper.Top + 1);
    EXPECT_EQ(preview.Dragged(), teePrev_None);

    // The chart's margins follow in percent of the paper and are no longer proportional.
    const TRect m = sales.Chart.GetPrintMargins();
    EXPECT_EQ(m.Left, 0);
    EXPECT_EQ(m.Top, 0);
    EXPECT_FALSE(sales.Chart.PrintProportional());
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.back(), m);

    // An edge cannot pass the opposite one, nor leave the paper.
    const TRect now = preview.ImageRect();
    Drag(now.Left, (now.Top + now.Bottom) / 2, now.Right + 10, (now.Top + now.Bottom) / 2);
    EXPECT_EQ(preview.ImageRect(), now);
    Drag(now.Right, (now.Top + now.Bottom) / 2, paper.Right + 30, (now.Top + now.Bottom) / 2);
    EXPECT_EQ(preview.ImageRect(), now);
    Drag(now.Right, (now.Top + now.Bottom) / 2, paper.Right, (now.Top + now.Bottom) / 2);
    EXPECT_EQ(preview.ImageRect().Right, paper.Right);
    EXPECT_EQ(sales.Chart.GetPrintMargins().Right, 0);
}

TEST_F(PreviewOnPaper, PrintsTheChartInsideItsMarginsToThePrinter) {
    for (const char* tool : {"pdftotext", "pdftoppm"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            GTEST_SKIP() << tool << " missing";
    preview.Print();
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_EQ(Printer()->Title(), "Sales");
    const QString pdf = dir.filePath("page.pdf");
    ASSERT_TRUE(QFile::exists(pdf));
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    EXPECT_TRUE(text.readAllStandardOutput().contains("Quarterly Sales"));

    QProcess ppm;
    ppm.start("pdftoppm", {"-r", "96", "-png", "-singlefile", pdf, dir.filePath("page")});
    ASSERT_TRUE(ppm.waitForFinished(30000));
    QImage page(dir.filePath("page.png"));
    ASSERT_FALSE(page.isNull());
    // The ink lies within the chart's printer rectangle (the page's own unprintable edge
    // may move it right and down, never left or up) and fills most of it; the bars are red.
    const TRect r = sales.Chart.ChartPrintRect();
    int left = page.width(), top = page.height(), right = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 250) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, 0) << "the page is blank";
    EXPECT_GE(left, r.Left - 1);
    EXPECT_GE(top, r.Top - 1);
    EXPECT_LE(right - left + 1, r.Right - r.Left);
    EXPECT_LE(bottom - top + 1, r.Bottom - r.Top);
    EXPECT_GT(right - left + 1, (r.Right - r.Left) * 8 / 10);
    EXPECT_GT(bottom - top + 1, (r.Bottom - r.Top) * 8 / 10);
    int red = 0;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            red +=
                qRed(page.pixel(x, y)) > 200 && qGreen(page.pixel(x, y)) < 60 && qBlue(page.pixel(x, y)) < 60;
    EXPECT_GT(red, 1000);
}

TEST_F(PreviewOnPaper, AFailingChartAbortsTheJob) {
    sales.Chart.OnBeforePrint = [](TCustomTeePanel*, TCanvas*, const TRect&) {
        throw std::runtime_error("jam");
    };
    EXPECT_THROW(preview.Print(), std::runtime_error);
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_TRUE(Printer()->Aborted());
}

namespace {

// The dialog as the form resource builds it, showing the sales chart.
class PreviewDialog : public ::testing::Test {
protected:
    void Show(bool Printers = true) {
        printer = std::make_unique<TPdfPrinter>(Printers ? dir.filePath("page.pdf") : QString());
        form = new TChartPreview(nullptr);
        form->AfterConstruction();
        form->SetBounds(0, 0, 640, 480);
        form->PreviewPanel()->SetPanel(&sales.Chart);
        form->FormShow(form);
    }
    void TearDown() override {
        if (form) FreeObject(form);
    }

    QTemporaryDir dir;
    std::unique_ptr<TPdfPrinter> printer;
    TSalesChart sales;
    TChartPreview* form = nullptr;
};

} // namespace

TEST_F(PreviewDialog, MarginBoxesRefuseAPairWithoutRoom) {
    sales.Chart.SetPrintProportional(false);
    sales.Chart.SetPrintMargins({20, 15, 40, 15});
    Show();
    EXPECT_EQ(form->Caption(), "VorUvivi Print Preview");
    EXPECT_EQ(form->SELeftMa->Text(), "20");
    EXPECT_EQ(form->SERightMa->Text(), "40");
    EXPECT_FALSE(form->CBProp->Checked());
    EXPECT_FALSE(form->BReset->Enabled());

    form->SELeftMa->SetText("60");
    EXPECT_EQ(form->SELeftMa->Text(), "20");
    EXPECT_EQ(sales.Chart.GetPrintMargins().Left, 20);
    EXPECT_FALSE(form->BReset->Enabled());

    form->SELeftMa->SetText("30");
    EXPECT_EQ(sales.Chart.GetPrintMargins().Left, 30);
    EXPECT_TRUE(form->BReset->Enabled());

    form->BReset->Click();
    EXPECT_EQ(sales.Chart.GetPrintMargins(), (TRect{20, 15, 40, 15}));
    EXPECT_EQ(form->SELeftMa->Text(), "20");
    EXPECT_FALSE(form->BReset->Enabled());
    Screenshot(form, "preview-dialog");
}

TEST_F(PreviewDialog, DraggingAMarginUnchecksProportional) {
    Show();
    EXPECT_TRUE(form->CBProp->Checked());
    EXPECT_EQ(Printer()->Orientation(), poLandscape) << "showing turns the paper";
    EXPECT_EQ(form->Orientation->ItemIndex(), 1);
    TTeePreviewPanel* preview = form->PreviewPanel();
    std::unique_ptr<TBitmap> image(preview->TeeCreateBitmap());
    const TRect r = preview->ImageRect();
    preview->MouseDown(mbLeft, {}, r.Left, (r.Top + r.Bottom) / 2);
    preview->MouseMove({ssLeft}, r.Left + 20, (r.Top + r.Bottom) / 2);
    preview->MouseUp(mbLeft, {}, r.Left + 20, (r.Top + r.Bottom) / 2);
    EXPECT_FALSE(form->CBProp->Checked());
    EXPECT_FALSE(sales.Chart.PrintProportional());
    EXPECT_TRUE(form->BReset->Enabled());
    EXPECT_EQ(form->SELeftMa->Text(), QString::number(sales.Chart.GetPrintMargins().Left));
}

TEST_F(PreviewDialog, PrintButtonPrintsTheChart) {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext missing";
    Show();
    ASSERT_TRUE(form->BPrint->Enabled());
    form->BPrint->Click();
    EXPECT_FALSE(Printer()->Printing());
    QProcess text;
    text.start("pdftotext", {dir.filePath("page.pdf"), "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    EXPECT_TRUE(text.readAllStandardOutput().contains("Quarterly Sales"));
}

TEST_F(PreviewDialog, WithoutPrintersNothingPrints) {
    Show(false);
    EXPECT_FALSE(form->BPrint->Enabled());
    EXPECT_FALSE(form->BSetupPrinter->Enabled());
    EXPECT_FALSE(form->Orientation->Enabled());
    EXPECT_EQ(form->CBPrinters->Items()->Count(), 0);
}

TEST(TeePreview, ShowsThePanelModallyAndFreesTheDialogAlsoOnAnError) {
    TSalesChart sales;
    std::vector<TCustomTeePanel*> shown;
    bool fail = false;
    TShowModalHook previous = SetShowModalHook([&](TCustomForm* form) {
        auto* preview = dynamic_cast<TChartPreview*>(form);
        shown.push_back(preview ? preview->PreviewPanel()->Panel() : nullptr);
        if (fail) throw std::runtime_error("closed badly");
        return int(mrCancel);
    });
    TeePreview(nullptr, &sales.Chart);
    fail = true;
    EXPECT_THROW(TeePreview(nullptr, &sales.Chart), std::runtime_error);
    SetShowModalHook(previous);
    EXPECT_EQ(shown, (std::vector<TCustomTeePanel*>{&sales.Chart, &sales.Chart}));
}
