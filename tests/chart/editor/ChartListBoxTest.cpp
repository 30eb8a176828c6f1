// The series list: its sections and where rows draw, switching series on and off, colours,
// the in-place title editor, renaming, reordering by drag and by rows (with hidden series and
// groups), deleting and retyping selected series, and the chart's events keeping the rows
// and a second list in step.
#include "EditorBaseTestSupport.h"

#include "chart/editor/ChartListBox.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartLegend.h"
#include "chart/engine/series/SeriesGroups.h"
#include "chart/series/AreaSeries.h"
#include "chart/series/BarSeries.h"
#include "chart/series/LineSeries.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <QEvent>

#include <vector>

using namespace editortest;

namespace {
struct ListFixture : ::testing::Test {
    Owned<TForm> form{new TForm(nullptr, 0)};
    TChart* chart = nullptr;
    TChartListBox* list = nullptr;
    std::vector<TChartSeries*> series;
    QStringList log;

    void SetUp() override {
        form->SetClientSize(500, 400);
        chart = new TChart(form.get());
        chart->SetParent(form.get());
        chart->SetBounds(300, 0, 200, 200);
        list = new TChartListBox(form.get());
        list->SetParent(form.get());
        list->SetBounds(0, 0, 290, 300);
        list->SetAskDelete(false);
        form->Show();
    }
    template <class S = TLineSeries> TChartSeries* add(const QString& Title) {
        auto* s = new S(form.get());
        s->SetName(QStringLiteral("Series%1").arg(series.size() + 1));
        s->SetTitle(Title);
        s->SetParentChart(chart);
        series.push_back(s);
        return s;
    }
    void fill(int Count) {
        for (int i = 0; i < Count; ++i)
            add(QString(QChar(u'A' + i)));
        list->SetChart(chart);
    }
    QStringList rows() const {
        QStringList out;
        for (int i = 0; i < list->Items()->Count(); ++i)
            out << list->Items()->Strings(i);
        return out;
    }
    QStringList chartOrder() const {
        QStringList out;
        for (int i = 0; i < chart->SeriesCount(); ++i)
            out << chart->Series(i)->Title();
        return out;
    }
    // The middle of a row's section, in the list's client coordinates.
    TPoint at(int Row, int Section) {
        const TRect r = list->ItemRect(Row);
        return TPoint{r.Left + list->SectionLeft(Section) + list->Sections()[size_t(Section)].Width / 2,
                      (r.Top + r.Bottom) / 2};
    }
    void click(int Row, int Section, Qt::KeyboardModifiers Mods = Qt::NoModifier) {
        const TPoint p = at(Row, Section);
        Click(list, p.X, p.Y, Mods);
    }
};
} // namespace

TEST_F(ListFixture, SectionsAndTheirHitTests) {
    fill(1);
    EXPECT_EQ(list->ItemHeight(), 24);
    EXPECT_EQ(list->Style(), lbOwnerDrawFixed);
    EXPECT_TRUE(list->MultiSelect());
    struct Case {
        bool iconShown;
        int x;
        int section; // the section the point is in, -1 for none
    };
    const Case cases[] = {{true, 0, -1},   {true, 1, 0},   {true, 25, 0}, {true, 26, -1}, {true, 27, 1},
                          {true, 42, -1},  {true, 43, 2},  {true, 69, 3}, {false, 1, 1},  {false, 15, 1},
                          {false, 16, -1}, {false, 17, 2}, {false, 43, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.iconShown << " x " << c.x);
        list->SetShowSeriesIcon(c.iconShown);
        for (int section = 0; section < 4; ++section)
            EXPECT_EQ(list->PointInSection(TPoint{c.x, 5}, section), section == c.section) << section;
    }
}

TEST_F(ListFixture, RowsDrawTheCheckBoxAndTitleAtTheirSections) {
    fill(2);
    list->SetShowSeriesIcon(false);
    TBitmap image(list->Width(), list->Height());
    list->PaintTo(image.Canvas(), 0, 0);
    const TRect row = list->ItemRect(1);
    TCanvas* c = image.Canvas();
    const int border = (list->Width() - list->ClientWidth()) / 2;
    const int left = border + row.Left, top = border + row.Top;
    // Check box from x 2, 13 pixels square, vertically centred.
    const int boxTop = top + (24 - 13) / 2;
    const TColor back = ColorToRGB(list->Color());
    EXPECT_NE(c->Pixels(left + 2, boxTop + 6), back);
    EXPECT_EQ(c->Pixels(left + 1, boxTop + 6), back);
    // The title's text starts at 43 (16 + 26 + 1): ink right of it, none just left of it.
    auto dark = [&](int x0, int x1) {
        for (int x = x0; x < x1; ++x)
            for (int y = top + 4; y < top + 20; ++y)
                if (c->Pixels(left + x, y) != back) return true;
        return false;
    };
    EXPECT_TRUE(dark(43, 52));
    EXPECT_FALSE(dark(42 - 3, 43));
}

TEST_F(ListFixture, TheActiveSectionSwitchesSeriesOnAndOff) {
    fill(3);
    QStringList changed;
    list->OnChangeActive = TListBoxSeriesEvent(
        [&](TChartListBox*, TCustomChartSeries* S) { changed << static_cast<TChartSeries*>(S)->Title(); });
    click(1, TChartListBox::SectionActive);
    EXPECT_FALSE(series[1]->Active());
    click(1, TChartListBox::SectionActive);
    EXPECT_TRUE(series[1]->Active());
    EXPECT_EQ(changed, QStringList({"B", "B"}));
    // As radio buttons one series is on at a time.
    list->SetCheckStyle(cbsRadio);
    EXPECT_TRUE(series[0]->Active());
    EXPECT_FALSE(series[1]->Active());
    EXPECT_FALSE(series[2]->Active());
    click(2, TChartListBox::SectionActive);
    EXPECT_FALSE(series[0]->Active());
    EXPECT_TRUE(series[2]->Active());
    // A legend with radio buttons makes the list take them.
    list->SetCheckStyle(cbsCheck);
    chart->Legend()->SetCheckBoxes(true);
    chart->Legend()->SetCheckBoxesStyle(cbsRadio);
    list->FillSeries(nullptr);
    EXPECT_EQ(list->CheckStyle(), cbsRadio);
}

TEST_F(ListFixture, DoubleClickingTheColourSamplePicksAColourForTheWholeSeries) {
    fill(2);
    series[1]->SetColorEachPoint(true);
    TChartSeries* told = nullptr;
    list->OnChangeColor = TListBoxSeriesEvent(
        [&](TChartListBox*, TCustomChartSeries* S) { told = static_cast<TChartSeries*>(S); });
    DialogHook hook([](TCommonDialog* d) {
        static_cast<TColorDialog*>(d)->SetColor(clRed);
        return true;
    });
    click(1, TChartListBox::SectionTitle);
    const TPoint p = at(1, TChartListBox::SectionColor);
    DoubleClick(list, p.X, p.Y);
    EXPECT_EQ(series[1]->SeriesColor(), clRed);
    EXPECT_FALSE(series[1]->ColorEachPoint());
    EXPECT_EQ(told, series[1]);
    // Switched off, the sample does nothing.
    list->SetEnableChangeColor(false);
    series[1]->SetColorEachPoint(true);
    DoubleClick(list, p.X, p.Y);
    EXPECT_TRUE(series[1]->ColorEachPoint());
}

TEST_F(ListFixture, DoubleClickingTheTitleAsksTheOwnerToEdit) {
    fill(3);
    int asked = -1;
    list->OnDblClickSeries = TListBoxDblClickEvent([&](TChartListBox*, int Row) { asked = Row; });
    const TPoint p = at(2, TChartListBox::SectionTitle);
    DoubleClick(list, p.X, p.Y);
    EXPECT_EQ(asked, 2);
}

TEST_F(ListFixture, TheInPlaceEditorSetsTheTitleWithEnterAndNotWithEscape) {
    fill(2);
    click(1, TChartListBox::SectionTitle);
    struct Case {
        int key;
        const char* typed;
        const char* title;
    };
    const Case cases[] = {{Qt::Key_Return, "Renamed", "Renamed"},
                          {Qt::Key_Escape, "Dropped", "Renamed"},
                          {Qt::Key_Down, "Moved", "Moved"},
                          {Qt::Key_F2, "Again", "Again"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        SendKey(list, Qt::Key_F2);
        TEdit* editor = list->InPlaceEditor();
        ASSERT_NE(editor, nullptr);
        ASSERT_TRUE(editor->Visible());
        EXPECT_EQ(editor->Left(), list->SectionLeft(TChartListBox::SectionTitle) - 2);
        EXPECT_EQ(editor->Top(), list->ItemRect(1).Top);
        EXPECT_EQ(editor->Height(), 25);
        TypeText(editor, QString::fromLatin1(c.typed));
        SendKey(editor, c.key);
        EXPECT_FALSE(editor->Visible());
        EXPECT_EQ(series[1]->Title(), QString::fromLatin1(c.title));
        EXPECT_EQ(rows()[1], QString::fromLatin1(c.title));
    }
    // A click elsewhere applies the text too.
    SendKey(list, Qt::Key_F2);
    TypeText(list->InPlaceEditor(), QStringLiteral("Clicked"));
    click(0, TChartListBox::SectionTitle);
    EXPECT_EQ(series[1]->Title(), "Clicked");
}

TEST_F(ListFixture, RenamingToTheComponentNameClearsTheTitle) {
    fill(2);
    list->ClearSelection();
    list->SelectSeries(1);
    String answer, shown;
    TInputQueryHook previous =
        SetInputQueryHook([&](const String& Caption, const String& Prompt, String& Value) {
            EXPECT_EQ(Caption, "Change Series Title");
            EXPECT_EQ(Prompt, "New Series Title:");
            shown = Value;
            Value = answer;
            return true;
        });
    answer = QStringLiteral("Bee");
    EXPECT_TRUE(list->RenameSeries());
    EXPECT_EQ(shown, "B");
    EXPECT_EQ(series[1]->Title(), "Bee");
    answer = QStringLiteral("Series2");
    EXPECT_TRUE(list->RenameSeries());
    EXPECT_EQ(series[1]->Title(), "");
    EXPECT_EQ(rows()[1], "Series2");
    answer = QString();
    EXPECT_FALSE(list->RenameSeries());
    // In names mode the component is renamed.
    list->SetNames(true);
    list->ClearSelection();
    list->SelectSeries(0);
    answer = QStringLiteral("First");
    EXPECT_TRUE(list->RenameSeries());
    EXPECT_EQ(shown, "Series1");
    EXPECT_EQ(series[0]->Name(), "First");
    EXPECT_EQ(rows()[0], "First");
    SetInputQueryHook(previous);
}

TEST_F(ListFixture, DraggingATitleOntoAnotherRowSwapsTheSeries) {
    fill(3);
    QStringList order;
    list->OnChangeOrder =
        TListBoxChangeOrderEvent([&](TChartListBox*, TCustomChartSeries* A, TCustomChartSeries* B) {
            order << static_cast<TChartSeries*>(A)->Title() + static_cast<TChartSeries*>(B)->Title();
        });
    const TPoint from = at(0, TChartListBox::SectionTitle);
    const TPoint to = at(2, TChartListBox::SectionTitle);
    SendMouse(list, QEvent::MouseButtonPress, from.X, from.Y);
    EXPECT_TRUE(list->Dragging());
    SendMouse(list, QEvent::MouseMove, from.X, from.Y + 12);
    SendMouse(list, QEvent::MouseMove, to.X, to.Y);
    EXPECT_EQ(Screen->Cursor(), crDrag);
    SendMouse(list, QEvent::MouseButtonRelease, to.X, to.Y);
    EXPECT_FALSE(list->Dragging());
    EXPECT_EQ(chartOrder(), QStringList({"C", "B", "A"}));
    EXPECT_EQ(rows(), QStringList({"C", "B", "A"}));
    EXPECT_EQ(list->SelectedSeries(), series[0]);
    EXPECT_EQ(order, QStringList({"CA"}));
    // With drag switched off a press on the title only selects.
    list->SetEnableDragSeries(false);
    SendMouse(list, QEvent::MouseButtonPress, from.X, from.Y);
    EXPECT_FALSE(list->Dragging());
    SendMouse(list, QEvent::MouseButtonRelease, from.X, from.Y);
}

TEST_F(ListFixture, RowsSwapTheirOwnSeriesWhenSeriesAreHiddenOrGrouped) {
    add(QStringLiteral("A"));
    add(QStringLiteral("Hidden"))->SetShowInEditor(false);
    add(QStringLiteral("B"));
    add(QStringLiteral("C"));
    list->SetChart(chart);
    ASSERT_EQ(rows(), QStringList({"A", "B", "C"}));
    list->SwapSeries(0, 1);
    EXPECT_EQ(chartOrder(), QStringList({"B", "Hidden", "A", "C"}));
    EXPECT_EQ(rows(), QStringList({"B", "A", "C"}));
    list->SelectSeries(2);
    list->MoveCurrentUp();
    EXPECT_EQ(chartOrder(), QStringList({"B", "Hidden", "C", "A"}));
    EXPECT_EQ(rows(), QStringList({"B", "C", "A"}));
    // A group lists its own series: C and A of it change places in the chart and in the group.
    auto* group = static_cast<TSeriesGroup*>(chart->SeriesGroups()->Add());
    group->Add(series[3]);
    group->Add(series[0]);
    list->SetGroup(group);
    ASSERT_EQ(rows(), QStringList({"C", "A"}));
    list->SelectSeries(0);
    list->MoveCurrentDown();
    EXPECT_EQ(rows(), QStringList({"A", "C"}));
    EXPECT_EQ(chartOrder(), QStringList({"B", "Hidden", "A", "C"}));
}

TEST_F(ListFixture, DeletingSeveralSelectedSeriesDeletesExactlyThose) {
    fill(5);
    list->SetAskDelete(true);
    TMessageDlgRequest asked;
    int answer = mrNo;
    MessageHook hook([&](const TMessageDlgRequest& R) {
        asked = R;
        return answer;
    });
    list->ClearSelection();
    for (int row : {0, 1, 3})
        list->SetSelected(row, true);
    EXPECT_FALSE(list->DeleteSeries());
    EXPECT_EQ(asked.Msg, "Delete (Selected Series) ?");
    EXPECT_EQ(rows().size(), 5);
    answer = mrYes;
    EXPECT_TRUE(list->DeleteSeries());
    EXPECT_EQ(rows(), QStringList({"C", "E"}));
    EXPECT_EQ(chartOrder(), QStringList({"C", "E"}));
    EXPECT_EQ(list->ItemIndex(), 0);
    // One selected row asks with its title; the last one leaves an empty list.
    list->ClearSelection();
    list->SelectSeries(1);
    EXPECT_TRUE(list->DeleteSeries());
    EXPECT_EQ(asked.Msg, "Delete E ?");
    list->SelectSeries(0);
    EXPECT_TRUE(list->DeleteSeries());
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(list->GetItemIndex(), -1);
    EXPECT_EQ(list->SelectedSeries(), nullptr);
    EXPECT_FALSE(list->DeleteSeries());
}

TEST_F(ListFixture, KeysAddDeleteAndEditWhenAllowed) {
    fill(2);
    int added = 0;
    TTeeAddGalleryProc previousAdd = TeeAddGalleryProc;
    static int* counter = nullptr;
    counter = &added;
    TeeAddGalleryProc = [](TComponent*, TCustomAxisPanel*, TChartSeries*) -> TChartSeries* {
        ++*counter;
        return nullptr;
    };
    list->SelectSeries(0);
    SendKey(list, Qt::Key_Insert);
    EXPECT_EQ(added, 1);
    list->SetAllowAddSeries(false);
    SendKey(list, Qt::Key_Insert);
    EXPECT_EQ(added, 1);
    SendKey(list, Qt::Key_Delete);
    EXPECT_EQ(rows(), QStringList({"B"}));
    list->SetAllowDeleteSeries(false);
    SendKey(list, Qt::Key_Delete);
    EXPECT_EQ(rows(), QStringList({"B"}));
    TeeAddGalleryProc = previousAdd;
}

TEST_F(ListFixture, ChartEventsKeepRowsAndOtherItemsInStep) {
    TStringList other;
    list->OtherItems = &other;
    int refreshed = 0, otherChanged = 0;
    list->OnRefresh = TNotifyEvent([&](TObject*) { ++refreshed; });
    list->OnOtherItemsChange = TNotifyEvent([&](TObject*) { ++otherChanged; });
    QStringList removed;
    list->OnRemovedSeries = TListBoxSeriesEvent(
        [&](TChartListBox*, TCustomChartSeries* S) { removed << static_cast<TChartSeries*>(S)->Title(); });
    fill(3);
    auto otherRows = [&] {
        QStringList out;
        for (int i = 0; i < other.Count(); ++i)
            out << other[i];
        return out;
    };
    EXPECT_EQ(otherRows(), rows());
    EXPECT_GT(refreshed, 0);
    EXPECT_GT(otherChanged, 0);
    add(QStringLiteral("D"));
    EXPECT_EQ(rows(), QStringList({"A", "B", "C", "D"}));
    EXPECT_EQ(otherRows(), rows());
    series[1]->SetTitle(QStringLiteral("Bee"));
    EXPECT_EQ(rows()[1], "Bee");
    EXPECT_EQ(otherRows(), rows());
    list->SelectSeries(2);
    FreeObject(series[0]);
    EXPECT_EQ(rows(), QStringList({"Bee", "C", "D"}));
    EXPECT_EQ(otherRows(), rows());
    EXPECT_EQ(removed, QStringList({"A"}));
    chart->ExchangeSeries(0, 2);
    EXPECT_EQ(rows(), QStringList({"D", "C", "Bee"}));
    EXPECT_EQ(otherRows(), rows());
    EXPECT_EQ(list->SelectedSeries(), series[2]);
    // The chart going away empties the list.
    FreeObject(chart);
    EXPECT_EQ(list->Chart(), nullptr);
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(other.Count(), 0);
    list->OtherItems = nullptr;
}

TEST_F(ListFixture, AListWithoutParentBorrowsAWindowToFill) {
    fill(2);
    auto* orphan = new TChartListBox(nullptr);
    Owned<TChartListBox> owned(orphan);
    orphan->SetChart(chart);
    EXPECT_EQ(orphan->Count(), 2);
    EXPECT_EQ(orphan->Parent(), nullptr);
    orphan->SetChart(nullptr);
    EXPECT_EQ(orphan->Count(), 0);
}
