// The bar series editor and its "Stack" tab: each control changes the bar at once, the
// style rules of the gradient and bevel controls, the colour button against "Color Each",
// the shadow tab made once, and the origin box ignoring text that is no number.
#include "EditorBaseTestSupport.h"
#include "EditorPagesTestSupport.h"

#include "chart/editor/BarSeriesEditor.h"
#include "chart/editor/BrushDialog.h"
#include "chart/editor/ButtonPen.h"
#include "chart/editor/FormTeeSeries.h"
#include "chart/editor/GradientEditor.h"
#include "chart/editor/ShadowEditor.h"
#include "chart/editor/StackBarSeriesEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "chart/series/BarSeries.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/UpDown.h"

using namespace editortest;

namespace {
// A user's choice in a list: the item, then the list's change event.
void Choose(TComboFlat* Combo, int Index) {
    Combo->SetItemIndex(Index);
    if (Combo->OnChange) Combo->OnChange(Combo);
}

class BarEditorTest : public EditorPageFixture {
protected:
    void SetUp() override {
        EditorPageFixture::SetUp();
        bar = new TBarSeries(form);
        bar->SetParentChart(chart);
        for (double v : {3.0, 5.0, 2.0, 4.0})
            bar->Add(v);
        host = new TPanel(form);
        host->SetParent(form);
        host->SetBounds(300, 0, 460, 420);
    }
    TBarSeriesEditor* Open(TChartSeries* Series = nullptr) {
        auto* editor = dynamic_cast<TBarSeriesEditor*>(TeeCreateEditorForm(Series ? Series : bar, host));
        EXPECT_NE(editor, nullptr);
        return editor;
    }
    TBarSeries* bar = nullptr;
    TPanel* host = nullptr;
};
} // namespace

TEST_F(BarEditorTest, FormComesFromItsResourceAndFillsFromTheBar) {
    bar->SetBarStyle(bsCone);
    bar->SetBarWidthPercent(55);
    bar->SetOffsetPercent(-20);
    bar->SetDepthPercent(40);
    bar->SetDarkPen(30);
    bar->SetSideMargins(false);
    bar->SetTransparency(25);
    bar->SetColorEachPoint(true);
    TBarSeriesEditor* e = Open();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->PageControl1->PageCount(), 4);
    EXPECT_EQ(e->PageControl1->ActivePage(), e->TabFormat);
    EXPECT_EQ(e->TabFormat->Caption(), "Format");
    EXPECT_EQ(e->TabSize->Caption(), "Size");
    EXPECT_EQ(e->TabShadow->Caption(), "Shadow");
    EXPECT_EQ(e->TabBorder->Caption(), "Border");
    ASSERT_EQ(e->CBBarStyle->Items()->Count(), 13);
    EXPECT_EQ(e->CBBarStyle->Items()->Strings(6), "Rect. Gradient");
    EXPECT_EQ(e->CBBarStyle->Items()->Strings(12), "Invert. Cone");
    EXPECT_EQ(e->CBBarStyle->ItemIndex(), int(bsCone));
    EXPECT_EQ(e->UDBarWidth->Position(), 55);
    EXPECT_EQ(e->UDBarWidth->Increment(), 5);
    EXPECT_EQ(e->UDBarOffset->Position(), -20);
    EXPECT_EQ(e->UDBarOffset->Min(), -100);
    EXPECT_EQ(e->UDDepth->Position(), 40);
    EXPECT_EQ(e->UDDarkPen->Position(), 30);
    EXPECT_EQ(e->UDDarkPen->Max(), 255);
    EXPECT_EQ(e->TBTransp->Position(), 25);
    EXPECT_EQ(e->TBTransp->Max(), 100);
    EXPECT_FALSE(e->CBBarSideMargins->Checked());
    EXPECT_TRUE(e->CBColorEach->Checked());
    EXPECT_FALSE(e->BBarColor->Enabled());
    EXPECT_EQ(e->BBarPen->Pen(), bar->BarPen());
    EXPECT_EQ(e->BTickLines->Pen(), bar->TickLines());
    EXPECT_FALSE(e->CreatingForm);
    // Filling the controls wrote nothing back.
    EXPECT_EQ(bar->BarStyle(), bsCone);
    EXPECT_EQ(bar->BarWidthPercent(), 55);
    EXPECT_EQ(bar->DarkPen(), 30);
    FreeObject(e);
}

TEST_F(BarEditorTest, EachControlChangesTheBarAtOnce) {
    TBarSeriesEditor* e = Open();
    ASSERT_NE(e, nullptr);
    Choose(e->CBBarStyle, int(bsPyramid));
    EXPECT_EQ(bar->BarStyle(), bsPyramid);
    Click(e->CBDarkBar);
    EXPECT_EQ(bar->Dark3D(), e->CBDarkBar->Checked());
    e->TBTransp->SetPosition(60);
    EXPECT_EQ(bar->Transparency(), 60);
    {
        TChartBrush* edited = nullptr;
        TDialogsAnswered answers;
        answers.OnModal = [&](TCustomForm* f) {
            if (auto* b = dynamic_cast<TBrushDialog*>(f)) edited = b->TheBrush;
            return int(mrCancel);
        };
        Click(e->BBarBrush);
        EXPECT_EQ(edited, bar->BarBrush());
    }

    e->PageControl1->SetActivePage(e->TabSize);
    struct NumberCase {
        TEdit* edit;
        const char* text;
        std::function<int()> value;
        int expected;
    };
    const NumberCase numbers[] = {
        {e->SEBarwidth, "45", [&] { return bar->BarWidthPercent(); }, 45},
        {e->SEBarOffset, "-35", [&] { return bar->OffsetPercent(); }, -35},
        {e->Edit1, "80", [&] { return bar->DepthPercent(); }, 80},
        // Below the up-down's least the width stays.
        {e->SEBarwidth, "0", [&] { return bar->BarWidthPercent(); }, 45},
        // A lone minus on the way to a negative offset changes nothing yet.
        {e->SEBarOffset, "-", [&] { return bar->OffsetPercent(); }, -35},
    };
    for (const NumberCase& c : numbers) {
        SCOPED_TRACE(c.text);
        TypeText(c.edit, QString::fromLatin1(c.text));
        EXPECT_EQ(c.value(), c.expected);
    }
    Click(e->CBBarSideMargins);
    EXPECT_EQ(bar->SideMargins(), e->CBBarSideMargins->Checked());
    Click(e->CBMarksAutoPosition);
    EXPECT_EQ(bar->AutoMarkPosition(), e->CBMarksAutoPosition->Checked());

    e->PageControl1->SetActivePage(e->TabBorder);
    TypeText(e->Edit2, QStringLiteral("45"));
    EXPECT_EQ(bar->DarkPen(), 45);
    // Beyond the dark border's range the last one stays.
    e->Edit2->SetText(QStringLiteral("300"));
    EXPECT_EQ(bar->DarkPen(), 45);
    Choose(e->CBBarStyle, int(bsBevel));
    TypeText(e->EBevel, QStringLiteral("6"));
    EXPECT_EQ(bar->BevelSize(), 6);
    FreeObject(e);
}

TEST_F(BarEditorTest, NumberBoxesActOnlyWhileTheFormShows) {
    TBarSeriesEditor* e = Open();
    ASSERT_NE(e, nullptr);
    e->PageControl1->SetActivePage(e->TabSize);
    host->Hide();
    TypeText(e->SEBarwidth, QStringLiteral("20"));
    EXPECT_EQ(bar->BarWidthPercent(), 70);
    host->Show();
    TypeText(e->SEBarwidth, QStringLiteral("20"));
    EXPECT_EQ(bar->BarWidthPercent(), 20);
    FreeObject(e);
}

TEST_F(BarEditorTest, StyleRulesEnableTheGradientAndBevelControls) {
    TBarSeriesEditor* e = Open();
    ASSERT_NE(e, nullptr);
    for (int style = 0; style < e->CBBarStyle->Items()->Count(); ++style) {
        SCOPED_TRACE(e->CBBarStyle->Items()->Strings(style).toStdString());
        Choose(e->CBBarStyle, style);
        EXPECT_EQ(bar->BarStyle(), TBarStyle(style));
        EXPECT_EQ(e->BGradient->Enabled(), style == bsRectangle || style == bsRectGradient);
        EXPECT_EQ(e->EBevel->Enabled(), style == bsBevel);
        EXPECT_EQ(e->UDBevel->Enabled(), style == bsBevel);
    }
    // The rules hold from the show as well.
    bar->SetBarStyle(bsBevel);
    FreeObject(e);
    e = Open();
    EXPECT_TRUE(e->EBevel->Enabled());
    EXPECT_FALSE(e->BGradient->Enabled());
    FreeObject(e);
}

// A cylinder bar has "Gradient..." disabled; its handler still switches the bar to the
// style that draws the gradient before the gradient dialog opens.
TEST_F(BarEditorTest, GradientHandlerSwitchesACylinderToRectGradientFirst) {
    bar->SetBarStyle(bsCilinder);
    TBarSeriesEditor* e = Open();
    ASSERT_NE(e, nullptr);
    EXPECT_FALSE(e->BGradient->Enabled());
    int opened = 0;
    TDialogsAnswered answers;
    answers.OnModal = [&](TCustomForm* f) {
        auto* g = dynamic_cast<TTeeGradientEditor*>(f);
        EXPECT_NE(g, nullptr);
        if (!g) return int(mrCancel);
        ++opened;
        EXPECT_EQ(bar->BarStyle(), bsRectGradient);
        EXPECT_EQ(e->CBBarStyle->ItemIndex(), int(bsRectGradient));
        EXPECT_EQ(reinterpret_cast<TObject*>(g->Tag()), static_cast<TObject*>(bar->Gradient()));
        // Both options: only the start colour, no visibility box.
        EXPECT_TRUE(g->IOnlyStart);
        EXPECT_FALSE(g->CBVisible->Visible());
        return int(mrOk);
    };
    e->BGradientClick(e->BGradient);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(bar->BarStyle(), bsRectGradient);
    EXPECT_TRUE(e->BGradient->Enabled());
    FreeObject(e);
}

TEST_F(BarEditorTest, ColorEachDisablesTheColorButtonAndUncheckingRepaintsIt) {
    TBarSeriesEditor* e = Open();
    ASSERT_NE(e, nullptr);
    EXPECT_TRUE(e->BBarColor->Enabled());
    Click(e->CBColorEach);
    EXPECT_TRUE(bar->ColorEachPoint());
    EXPECT_FALSE(e->BBarColor->Enabled());
    Application->ProcessMessages();
    bar->SetSeriesColor(clLime);
    Click(e->CBColorEach);
    EXPECT_FALSE(bar->ColorEachPoint());
    EXPECT_TRUE(e->BBarColor->Enabled());
    EXPECT_EQ(e->BBarColor->SymbolColor(), clLime);
    // The linked colour button writes the series colour.
    TDialogsAnswered answers;
    DialogHook pick([](TCommonDialog* d) {
        if (auto* c = dynamic_cast<TColorDialog*>(d)) c->SetColor(clNavy);
        return true;
    });
    Click(e->BBarColor);
    EXPECT_EQ(bar->SeriesColor(), clNavy);
    FreeObject(e);
}

// The shadow editor of the "Shadow" tab is made once; every later show refreshes it.
TEST_F(BarEditorTest, ShadowEditorIsMadeOnceAndRefreshedOnEveryShow) {
    TBarSeriesEditor* e = Open();
    ASSERT_NE(e, nullptr);
    TTeeShadowEditor* shadow = e->ShadowEditor();
    ASSERT_NE(shadow, nullptr);
    EXPECT_EQ(shadow->Parent(), e->TabShadow);
    EXPECT_EQ(shadow->Shadow, bar->Shadow());
    const int controls = e->TabShadow->ControlCount();
    bar->Shadow()->SetSize(7);
    for (int visit = 0; visit < 3; ++visit) {
        e->Hide();
        e->Show();
    }
    EXPECT_EQ(e->ShadowEditor(), shadow);
    EXPECT_EQ(e->TabShadow->ControlCount(), controls);
    EXPECT_EQ(shadow->UDHoriz->Position(), 7);
    // Edited through the tab, the bar's shadow changes.
    e->PageControl1->SetActivePage(e->TabShadow);
    Click(shadow->CBVisible);
    EXPECT_EQ(bar->Shadow()->Visible(), shadow->CBVisible->Checked());
    FreeObject(e);
}

TEST_F(BarEditorTest, HorizontalBarsOpenTheSameEditor) {
    auto* horiz = new THorizBarSeries(form);
    horiz->SetParentChart(chart);
    TBarSeriesEditor* e = Open(horiz);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Bar, horiz);
    Choose(e->CBBarStyle, int(bsArrow));
    EXPECT_EQ(horiz->BarStyle(), bsArrow);
    FreeObject(e);
}

TEST_F(BarEditorTest, Screenshot) {
    TBarSeriesEditor* e = Open();
    ASSERT_NE(e, nullptr);
    const char* names[] = {"bar-editor-format", "bar-editor-size", "bar-editor-shadow", "bar-editor-border"};
    for (int i = 0; i < 4; ++i) {
        e->PageControl1->SetActivePageIndex(i);
        EditorScreenshot(host, names[i]);
    }
    FreeObject(e);
}

namespace {
class StackBarEditorTest : public BarEditorTest {
protected:
    TStackBarSeriesEditor* OpenStack() {
        auto* e =
            static_cast<TStackBarSeriesEditor*>(TStackBarSeriesEditor::StaticClass()->CreateComponent(host));
        AddFormTo(e, host, bar);
        return e;
    }
};
} // namespace

TEST_F(StackBarEditorTest, FillsFromTheBarAndWritesEachChoice) {
    bar->SetMultiBar(mbStacked);
    bar->SetStackGroup(2);
    bar->SetUseYOrigin(true);
    bar->SetYOrigin(1.5);
    TStackBarSeriesEditor* e = OpenStack();
    ASSERT_EQ(e->RGMultiBar->Items()->Count(), 6);
    EXPECT_EQ(e->RGMultiBar->Items()->Strings(5), "Self Stack");
    EXPECT_EQ(e->RGMultiBar->ItemIndex(), int(mbStacked));
    EXPECT_EQ(e->UDGroup->Position(), 2);
    EXPECT_TRUE(e->CBYOrigin->Checked());
    EXPECT_TRUE(e->EYOrigin->Enabled());
    EXPECT_EQ(e->EYOrigin->Text(), "1.5");
    EXPECT_FALSE(e->CreatingForm);

    // The stack group is for stacked bars only.
    struct Case {
        TMultiBar multi;
        bool group;
    };
    const Case cases[] = {{mbNone, false},      {mbSide, false},    {mbStacked, true},
                          {mbStacked100, true}, {mbSideAll, false}, {mbSelfStack, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.multi));
        e->RGMultiBar->SetItemIndex(int(c.multi));
        EXPECT_EQ(bar->MultiBar(), c.multi);
        EXPECT_EQ(e->EGroup->Enabled(), c.group);
        EXPECT_EQ(e->UDGroup->Enabled(), c.group);
    }
    e->RGMultiBar->SetItemIndex(int(mbStacked));
    TypeText(e->EGroup, QStringLiteral("4"));
    EXPECT_EQ(bar->StackGroup(), 4);

    Click(e->CBYOrigin);
    EXPECT_FALSE(bar->UseYOrigin());
    EXPECT_FALSE(e->EYOrigin->Enabled());
    Click(e->CBYOrigin);
    EXPECT_TRUE(bar->UseYOrigin());
    EXPECT_TRUE(e->EYOrigin->Enabled());
    FreeObject(e);
}

TEST_F(StackBarEditorTest, OriginTextThatIsNoNumberKeepsTheOrigin) {
    bar->SetYOrigin(2);
    TStackBarSeriesEditor* e = OpenStack();
    struct Case {
        const char* text;
        double origin;
    };
    // Each text put over the last; the origin follows the numbers only.
    const Case cases[] = {{"-", 2}, {"-3.25", -3.25}, {"abc", -3.25}, {"", -3.25}, {"1e2", 100}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        e->EYOrigin->SetText(QString::fromLatin1(c.text));
        EXPECT_DOUBLE_EQ(bar->YOrigin(), c.origin);
    }
    EditorScreenshot(e, "stack-bar-editor");
    FreeObject(e);
}

namespace {
// The bar editor on the series page, where it adds the "Stack" tab.
class BarOnSeriesPageTest : public BarEditorTest {
protected:
    void SetUp() override {
        BarEditorTest::SetUp();
        other = new TBarSeries(form);
        other->SetParentChart(chart);
        page = static_cast<TFormTeeSeries*>(TFormTeeSeries::StaticClass()->CreateComponent(form));
        AddFormTo(page, host);
        for (TChartSeries* s : {static_cast<TChartSeries*>(bar), static_cast<TChartSeries*>(other)})
            page->CBSeries->Items()->AddObject(s->Name(), s);
    }
    TBarSeriesEditor* ChooseOnPage(TChartSeries* ASeries) {
        page->TheSeries = ASeries;
        page->SetCBSeries();
        auto* editor = dynamic_cast<TBarSeriesEditor*>(page->SeriesForm());
        if (editor && !editor->Bar) editor->FormShow(editor);
        return editor;
    }
    TBarSeries* other = nullptr;
    TFormTeeSeries* page = nullptr;
};
} // namespace

TEST_F(BarOnSeriesPageTest, StackTabIsInsertedOnceAndGoesWithTheForm) {
    TBarSeriesEditor* e = ChooseOnPage(bar);
    ASSERT_NE(e, nullptr);
    ASSERT_NE(e->StackEditor(), nullptr);
    ASSERT_EQ(page->InsertedTabs().size(), 1u);
    EXPECT_EQ(page->InsertedTabs()[0]->Caption(), "Stack");
    EXPECT_EQ(TeeFormTagObject(e->StackEditor()), bar);
    // Later shows (visits of the tab) add no second one.
    e->FormShow(e);
    e->FormShow(e);
    EXPECT_EQ(page->InsertedTabs().size(), 1u);
    // The tab edits the same bar.
    page->PageSeries->SetActivePage(page->InsertedTabs()[0]);
    e->StackEditor()->RGMultiBar->SetItemIndex(int(mbStacked100));
    EXPECT_EQ(bar->MultiBar(), mbStacked100);
    EditorScreenshot(page, "series-page-bar-stack");

    // Another series: the old form and its tab are gone, the new one has its own.
    TBarSeriesEditor* e2 = ChooseOnPage(other);
    ASSERT_NE(e2, nullptr);
    EXPECT_EQ(page->InsertedTabs().size(), 1u);
    EXPECT_EQ(TeeFormTagObject(e2->StackEditor()), other);
}
