// The Paging page and the page navigator: the page label, the navigator's buttons on the
// first and last page, the "No pages" box, and printing one page without a dialog.
#include "EditorPagesTestSupport.h"

#include "chart/editor/FormTeePage.h"
#include "chart/export/ChartPreview.h"
#include "chart/export/TeePreviewPanel.h"
#include "chart/series/LineSeries.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/CommonDialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/Printer.h"
#include "platform/controls/UpDown.h"

#include <QFile>
#include <QTemporaryDir>

class PagingPage : public EditorPageFixture {
protected:
    void SetUp() override {
        EditorPageFixture::SetUp();
        auto* series = new TLineSeries(form);
        series->SetParentChart(chart);
        for (int i = 0; i < 30; ++i)
            series->AddXY(i, i % 7);
        page = new TFormTeePage(form, chart);
        page->AfterConstruction();
        page->SetParent(form);
        page->SetBounds(300, 0, 400, 220);
        page->Show();
    }
    bool Enabled(TTeeNavigateBtn B) { return page->ChartPageNavigator1->Button(B)->Enabled(); }

    TFormTeePage* page = nullptr;
};

TEST_F(PagingPage, NoPagingShowsPageOneOfOneAndLocksTheBox) {
    EXPECT_EQ(page->LabelPages->Caption(), QStringLiteral("Page 1 of 1"));
    EXPECT_TRUE(page->CBNoPages->Checked());
    EXPECT_FALSE(page->CBNoPages->Enabled());
    EXPECT_FALSE(page->CBPageNum->Visible()) << "no page-number tool class is registered";
    EXPECT_FALSE(page->BEditTool->Visible());
    EditorScreenshot(page, "paging-page");
}

TEST_F(PagingPage, NavigatorButtonsFollowTheCurrentPage) {
    page->SEPointsPerPage->SetText(QStringLiteral("10"));
    EXPECT_EQ(chart->Pages()->PointsPerPage(), 10);
    EXPECT_EQ(page->LabelPages->Caption(), QStringLiteral("Page 1 of 3"));
    EXPECT_FALSE(page->CBNoPages->Checked());
    EXPECT_TRUE(page->CBNoPages->Enabled());
    EXPECT_FALSE(Enabled(nbFirst));
    EXPECT_FALSE(Enabled(nbPrior));
    EXPECT_TRUE(Enabled(nbNext));
    EXPECT_TRUE(Enabled(nbLast));

    page->ChartPageNavigator1->BtnClick(nbLast);
    EXPECT_EQ(chart->Pages()->Current(), 3);
    EXPECT_EQ(page->LabelPages->Caption(), QStringLiteral("Page 3 of 3"));
    EXPECT_TRUE(Enabled(nbFirst));
    EXPECT_TRUE(Enabled(nbPrior));
    EXPECT_FALSE(Enabled(nbNext));
    EXPECT_FALSE(Enabled(nbLast));

    page->ChartPageNavigator1->BtnClick(nbPrior);
    EXPECT_EQ(page->LabelPages->Caption(), QStringLiteral("Page 2 of 3"));

    // The flags go straight into the chart.
    page->CBAutoScale->SetChecked(true);
    EXPECT_TRUE(chart->Pages()->AutoScale());
    page->CBScaleLast->SetChecked(false);
    EXPECT_FALSE(chart->Pages()->ScaleLastPage());
    page->CBPageLegend->SetChecked(false);
    EXPECT_FALSE(chart->Legend()->CurrentPage());

    page->CBNoPages->SetChecked(true);
    EXPECT_EQ(chart->Pages()->PointsPerPage(), 0);
    EXPECT_EQ(page->LabelPages->Caption(), QStringLiteral("Page 1 of 1"));
}

TEST_F(PagingPage, OnePagePrintsWithoutADialog) {
    int dialogs = 0;
    const TCommonDialogHook old = SetCommonDialogHook([&](TCommonDialog*) {
        ++dialogs;
        return false;
    });
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("pages.pdf"));
    const TPrinterSource oldSource = SetPrinterSource([&] {
        return std::vector<TPrinterTarget>{{QStringLiteral("PDF"), pdf}};
    });
    page->ChartPageNavigator1->Print();
    EXPECT_EQ(dialogs, 0);
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "the page was printed";
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page>>") + bytes.count("/Type /Page "), 1)
        << "one page";

    chart->Pages()->SetPointsPerPage(10);
    page->ChartPageNavigator1->Print();
    EXPECT_EQ(dialogs, 1) << "three pages ask for the range";
    SetCommonDialogHook(old);
    SetPrinterSource(oldSource);
}

TEST_F(PagingPage, PrintPreviewStepsThroughPagesWithThePageNavigator) {
    TDialogsAnswered dialogs;
    bool shown = false;
    dialogs.OnModal = [&](TCustomForm* f) {
        auto* preview = dynamic_cast<TChartPreview*>(f);
        EXPECT_NE(preview, nullptr);
        if (!preview) return int(mrCancel);
        f->Show();
        shown = true;
        EXPECT_NE(dynamic_cast<TChartPageNavigator*>(preview->PageNavigator()), nullptr);
        EXPECT_EQ(preview->PreviewPanel()->Panel(), chart);
        auto* navigator = dynamic_cast<TChartPageNavigator*>(preview->PageNavigator());
        if (!navigator) return int(mrCancel);
        // The navigator pages the previewed chart.
        EXPECT_EQ(navigator->GetChart(), chart);
        EXPECT_TRUE(navigator->Button(nbNext)->Enabled());
        EXPECT_FALSE(navigator->Button(nbPrior)->Enabled());
        navigator->Button(nbNext)->Click();
        EXPECT_EQ(chart->Pages()->Current(), 2);
        EXPECT_TRUE(navigator->Button(nbPrior)->Enabled());
        navigator->Button(nbLast)->Click();
        EXPECT_EQ(chart->Pages()->Current(), 3);
        EXPECT_FALSE(navigator->Button(nbNext)->Enabled());
        return int(mrCancel);
    };
    chart->Pages()->SetPointsPerPage(10);
    ChartPreview(form, chart);
    EXPECT_TRUE(shown);
}
