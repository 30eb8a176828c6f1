// The chart data grid: its layouts (one series as the curve editor shows it; several series
// with colour and label columns and two header rows as the chart editor shows them; a 3-D
// table), typed values reaching the series keystroke by keystroke, Escape, grouped numbers,
// the key table, rows appended, inserted and deleted, and the grid following its series.
#include "GridTestSupport.h"

#include "chart/series/BarSeries.h"
#include "platform/rtl/FloatText.h"

#include <vector>

namespace {

// The curve editor's grid: one series, no X, label or colour columns, one header row.
struct CurveGrid : GridFixture {
    TChartSeries* series = nullptr;
    void SetUp() override {
        GridFixture::SetUp();
        series = AddSeries();
        for (int i = 0; i < 8; ++i)
            series->Add(500.0 * i + 0.25);
        grid->SetShowXValues(cgsNo);
        grid->SetShowLabels(false);
        grid->SetShowFields(false);
        grid->SetSeries(series);
    }
    double Y(int i) const { return series->YValues()->Value(i); }
};

TEST_F(GridFixture, OneSeriesOfManyPointsAsTheCurveEditorShowsIt) {
    TChartSeries* s = AddSeries();
    for (int i = 0; i < 512; ++i)
        s->Add(1000.5 + i);
    grid->SetShowXValues(cgsNo);
    grid->SetShowLabels(false);
    grid->SetShowFields(false);
    grid->SetSeries(s);
    EXPECT_EQ(grid->ColCount(), 2);
    EXPECT_EQ(grid->RowCount(), 513);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->Cell(0, 0), QStringLiteral("#"));
    EXPECT_EQ(grid->Cell(0, 1), QStringLiteral("0"));
    EXPECT_EQ(grid->Cell(0, 512), QStringLiteral("511"));
    EXPECT_EQ(grid->Cell(1, 1), QStringLiteral("1,000.5"));
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
    int list = -1;
    EXPECT_EQ(grid->GetSeries(1, list), s);
    EXPECT_EQ(s->ValuesList()->Get(list), s->YValues());

    s->Clear();
    grid->RecalcDimensions();
    EXPECT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(grid->Cell(1, 1), QString());
}

TEST_F(GridFixture, SeveralSeriesWithColoursLabelsAndTwoHeaderRows) {
    auto* bars = AddSeries<TBarSeries>();
    bars->Add(3, QStringLiteral("first"), clRed);
    bars->Add(4, QStringLiteral("second"));
    TChartSeries* xy = AddSeries();
    xy->SetTitle(QStringLiteral("Boost"));
    xy->AddXY(0.5, 10);
    xy->AddXY(2, 20);
    xy->AddXY(7, 30);
    grid->SetShowColors(true);
    grid->SetChart(chart);
    // #, colours, labels, the bars' values, the X and Y of the series with its own X values.
    EXPECT_EQ(grid->ColCount(), 6);
    EXPECT_EQ(grid->RowCount(), 2 + 3);
    EXPECT_EQ(grid->FixedRows(), 2);
    EXPECT_EQ(grid->ColorsColumn(), 1);
    EXPECT_EQ(grid->LabelsColumn(), 2);
    const QStringList fields = {"#", "Colors", "Text", "Bar", "X", "Y"};
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(grid->Cell(c, 1), fields[c]) << c;
    EXPECT_EQ(grid->Cell(0, 0), QString());
    EXPECT_EQ(grid->Cell(2, 2), QStringLiteral("first"));
    EXPECT_EQ(grid->Cell(3, 3), QStringLiteral("4"));
    EXPECT_EQ(grid->Cell(4, 3), QStringLiteral("2"));
    EXPECT_EQ(grid->Cell(5, 4), QStringLiteral("30"));
    EXPECT_EQ(grid->Cell(3, 4), QString()); // beyond the bars' points
    TColor colour = clNone;
    EXPECT_EQ(grid->GetSeriesColor(colour, 1, 2), bars);
    EXPECT_EQ(colour, clRed);
    EXPECT_EQ(grid->GetSeriesColor(colour, 1, 4), nullptr);
    EXPECT_EQ(colour, clNone);

    // The colours column never edits.
    grid->SetCol(1);
    grid->StartEditing();
    grid->SetEditorMode(true);
    EXPECT_FALSE(grid->EditorMode());

    // A series joining the chart widens the grid.
    TChartSeries* more = AddSeries();
    more->Add(1);
    EXPECT_EQ(grid->ColCount(), 7);
    grid->SetShowXValues(cgsYes);
    EXPECT_EQ(grid->ColCount(), 9);
    grid->SetShowFields(false);
    EXPECT_EQ(grid->Cell(0, 0), QStringLiteral("#"));
    EXPECT_EQ(grid->Cell(2, 0), QStringLiteral("Text"));
}

TEST_F(GridFixture, TableModeShowsYByXAndZ) {
    auto* s = AddSeries<TXYZSeries>();
    const double y[2][3] = {{1, 2, 3}, {4, 5, 6}};
    for (int z = 0; z < 2; ++z)
        for (int x = 0; x < 3; ++x)
            s->AddXYZ(x + 10, y[z][x], z + 5);
    grid->SetChart(chart);
    grid->SetGrid3DMode(true);
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_FALSE(grid->ShowLabels());
    EXPECT_EQ(grid->Cell(1, 1), QStringLiteral("10"));
    EXPECT_EQ(grid->Cell(3, 1), QStringLiteral("12"));
    EXPECT_EQ(grid->Cell(0, 2), QStringLiteral("5"));
    EXPECT_EQ(grid->Cell(0, 3), QStringLiteral("6"));
    for (int z = 0; z < 2; ++z)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(grid->Cell(1 + x, 2 + z), FloatToStr(y[z][x]));
    grid->SetEditText(2, 3, QStringLiteral("50"));
    EXPECT_EQ(s->YValues()->Value(grid->FindXYZIndex(s, 3, 2)), 50);
    EXPECT_EQ(grid->Cell(2, 3), QStringLiteral("50"));
}

TEST_F(CurveGrid, EveryKeystrokeReachesTheValueAndEscapeRestoresIt) {
    grid->SetRow(3);
    const double old = Y(2);
    type(QStringLiteral("12"));
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_EQ(Y(2), 12);
    EXPECT_EQ(edits, QStringList({"1,3=1", "1,3=12"}));
    key(Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(Y(2), old);
    // Enter keeps what was typed.
    type(QStringLiteral("7"));
    key(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(Y(2), 7);
}

TEST_F(CurveGrid, ValuesAreReadAsTheCellShowsThem) {
    struct Case {
        const char* Text;
        bool Stored;
        double Value;
    };
    const Case cases[] = {
        {"1,234.5", true, 1234.5}, {"-2,000", true, -2000}, {" 7 ", true, 7},  {"12,345,678", true, 12345678},
        {"1,5", false, 0},         {"12,34", false, 0},     {"abc", false, 0}, {"1,2345", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        series->YValues()->SetValue(1, -1);
        edits.clear();
        grid->SetEditText(1, 2, QLatin1String(c.Text));
        EXPECT_EQ(Y(1), c.Stored ? c.Value : -1);
        EXPECT_EQ(edits.size(), c.Stored ? 1 : 0);
    }
    // A value of a thousand or more goes through the editor and back unchanged.
    grid->SetRow(4);
    key(Qt::Key_F2);
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_EQ(grid->InplaceEditor()->Text(), QStringLiteral("1,500.25"));
    key(Qt::Key_End);
    type(QStringLiteral("5"));
    EXPECT_EQ(Y(3), 1500.255);
    key(Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    EXPECT_EQ(Y(3), 1500.25);
    // Typed with its separators as the cell shows it.
    grid->SetRow(2);
    type(QStringLiteral("1,234.5"));
    key(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_EQ(Y(1), 1234.5);
    EXPECT_EQ(edits.last(), QStringLiteral("1,2=1,234.5"));
}

TEST_F(CurveGrid, TypingBelowTheLastPointAddsNullPointsUpToIt) {
    grid->SetEditText(1, 1 + 11, QStringLiteral("42"));
    ASSERT_EQ(series->Count(), 12);
    for (int i = 8; i < 11; ++i)
        EXPECT_TRUE(series->IsNull(i)) << i;
    EXPECT_FALSE(series->IsNull(11));
    EXPECT_EQ(Y(11), 42);
    EXPECT_TRUE(series->ManualData());
    // A cell emptied outside the editor makes its point null.
    grid->SetEditText(1, 2, QString());
    EXPECT_TRUE(series->IsNull(1));
}

TEST_F(CurveGrid, EscapeOnACellThatHadNoValueLeavesItEmpty) {
    grid->SetAllowAppend(true);
    grid->SetRow(grid->RowCount() - 1);
    key(Qt::Key_Down); // appends a null point and its row
    ASSERT_EQ(series->Count(), 9);
    EXPECT_EQ(grid->Row(), grid->RowCount() - 1);
    EXPECT_TRUE(series->IsNull(8));
    type(QStringLiteral("3"));
    EXPECT_FALSE(series->IsNull(8));
    key(Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    EXPECT_TRUE(series->IsNull(8));
    // Up on that empty last row drops it again.
    key(Qt::Key_Up);
    EXPECT_EQ(series->Count(), 8);
    EXPECT_EQ(grid->RowCount(), 9);
}

TEST_F(CurveGrid, KeysMoveInsertAndEditButNeverDeleteARow) {
    grid->SetRow(grid->RowCount() - 1);
    key(Qt::Key_Down); // appending is not allowed
    EXPECT_EQ(series->Count(), 8);
    key(Qt::Key_Up);
    EXPECT_EQ(grid->Row(), 7);
    EXPECT_EQ(series->Count(), 8);

    key(Qt::Key_Delete);
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_EQ(series->Count(), 8);
    key(Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    EXPECT_EQ(Y(6), 3000.25);

    key(Qt::Key_Insert);
    EXPECT_EQ(series->Count(), 9);
    EXPECT_EQ(grid->RowCount(), 10);
    EXPECT_EQ(grid->Row(), 9);

    // Ctrl+Up scrolls the view; the current row stays.
    grid->SetBounds(0, 0, 200, 60);
    grid->SetTopRow(5);
    key(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(grid->TopRow(), 4);
    EXPECT_EQ(grid->Row(), 9);
}

TEST_F(CurveGrid, InsertAndDeleteRenumberThePoints) {
    grid->SetRow(3);
    grid->Delete();
    EXPECT_EQ(series->Count(), 7);
    EXPECT_EQ(grid->RowCount(), 8);
    EXPECT_EQ(series->XValues()->Value(6), 6);
    EXPECT_EQ(Y(2), 1500.25);
    grid->Insert();
    EXPECT_EQ(series->Count(), 8);
    EXPECT_EQ(series->XValues()->Value(7), 7);
    grid->SetReadOnly(true);
    grid->Delete();
    grid->Insert();
    grid->StartEditing();
    EXPECT_EQ(series->Count(), 8);
    EXPECT_FALSE(grid->EditorMode());
}

TEST_F(CurveGrid, EditingHooksAndDataSources) {
    int asked = 0;
    grid->OnEditingCell = TEditingCellEvent([&](TObject*, int, int, bool& allow) {
        ++asked;
        allow = false;
    });
    grid->StartEditing();
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(asked, 1);
    grid->OnEditingCell = TEditingCellEvent();
    TChartSeries* source = AddSeries();
    series->SetDataSource(source);
    grid->StartEditing();
    EXPECT_FALSE(grid->EditorMode());
    grid->AllowChanges = true;
    grid->StartEditing();
    EXPECT_TRUE(grid->EditorMode());
    grid->StopEditing(false);
    EXPECT_FALSE(grid->EditorMode());
}

TEST_F(CurveGrid, TheGridFollowsItsSeries) {
    series->Add(1);
    series->RefreshSeries();
    EXPECT_EQ(grid->RowCount(), 10);
    series->Delete(0, 5);
    series->RefreshSeries();
    EXPECT_EQ(grid->RowCount(), 5);
    FreeObject(series);
    EXPECT_EQ(grid->Series(), nullptr);
    EXPECT_EQ(grid->RowCount(), 2);
}

TEST_F(GridFixture, ChartWithoutSeriesGetsABarSeriesFromTheFirstTypedValue) {
    grid->SetAllowInsertSeries(true);
    grid->SetChart(chart);
    grid->SetEditText(2, 2, QStringLiteral("5"));
    ASSERT_EQ(chart->SeriesCount(), 1);
    EXPECT_TRUE(chart->Series(0)->InheritsFrom(TBarSeries::StaticClass()));
    EXPECT_EQ(chart->Series(0)->YValues()->Value(0), 5);
}

} // namespace
