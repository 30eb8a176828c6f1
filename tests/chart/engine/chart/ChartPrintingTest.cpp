// Printing the pages of a paged chart: one printer page each, and the page shown before
// comes back, also when a page fails.
#include "ToolTestSupport.h"

#include "platform/controls/Printer.h"

#include <QTemporaryDir>

#include <stdexcept>
#include <vector>

namespace {

// A chart of 5 points at 2 points per page (3 pages) showing page 2, printed into a PDF.
class PagedChart : public ::testing::Test {
protected:
    void SetUp() override {
        const String pdf = dir.filePath("pages.pdf");
        old = SetPrinterSource([pdf] { return std::vector<TPrinterTarget>{{"PDF", pdf}}; });
        SetPrinter(new TPrinter);
        chart.SetBounds(0, 0, 400, 300);
        series = new TDotSeries(&chart);
        series->SetParentChart(&chart);
        for (int i = 0; i < 5; ++i)
            series->AddXY(i, i);
        chart.Pages()->SetMaxPointsPerPage(2);
        chart.Pages()->SetCurrent(2);
        chart.OnBeforePrint = [this](TCustomTeePanel*, TCanvas*, const TRect&) {
            printed.push_back(chart.Pages()->Current());
            sheets.push_back(Printer()->PageNumber());
            if (failOn == chart.Pages()->Current()) throw std::runtime_error("printer jam");
        };
    }
    void TearDown() override {
        SetPrinterSource(old);
        SetPrinter(new TPrinter);
    }

    QTemporaryDir dir;
    TPrinterSource old;
    TChart chart{nullptr};
    TDotSeries* series = nullptr;
    std::vector<int> printed, sheets;
    int failOn = 0;
};

TEST_F(PagedChart, EachPageOnItsOwnSheetAndThePageShownComesBack) {
    struct Case {
        int From, To;
        std::vector<int> Pages;
    };
    const Case cases[] = {
        {0, 0, {1, 2, 3}},
        {2, 0, {2, 3}},
        {0, 2, {1, 2}},
        {3, 3, {3}},
    };
    ASSERT_EQ(chart.NumPages(), 3);
    for (const Case& c : cases) {
        printed.clear();
        sheets.clear();
        chart.PrintPages(c.From, c.To);
        EXPECT_EQ(printed, c.Pages) << c.From << ".." << c.To;
        std::vector<int> expectedSheets;
        for (size_t i = 0; i < c.Pages.size(); ++i)
            expectedSheets.push_back(int(i) + 1);
        EXPECT_EQ(sheets, expectedSheets) << c.From << ".." << c.To;
        EXPECT_EQ(chart.Pages()->Current(), 2);
        EXPECT_FALSE(Printer()->Printing());
    }
}

TEST_F(PagedChart, AFailedPageEndsTheJobAndShowsThePageOfBefore) {
    failOn = 2;
    chart.SetName("Curve");
    EXPECT_THROW(chart.PrintPages(0, 0), std::runtime_error);
    EXPECT_EQ(printed, (std::vector<int>{1, 2}));
    EXPECT_EQ(chart.Pages()->Current(), 2);
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_EQ(Printer()->Title(), "Curve");
}

} // namespace
