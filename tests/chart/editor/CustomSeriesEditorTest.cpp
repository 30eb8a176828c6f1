// The line series editor driven through its controls, embedded in the series page as the
// series' "Format" form with the pointer editor as its "Point" tab.
#include "EditorPagesTestSupport.h"

#include "chart/editor/ButtonPen.h"
#include "chart/editor/CustomSeriesEditor.h"
#include "chart/editor/FormTeeSeries.h"
#include "chart/editor/GradientEditor.h"
#include "chart/editor/SeriesPointerEditor.h"
#include "chart/editor/ShadowEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "chart/series/LineSeries.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/UpDown.h"

namespace {
// A line-family series that is no line series (as the fast-line and area series are).
class TPlainCustomSeries : public TCustomSeries {
public:
    using TCustomSeries::TCustomSeries;
};
} // namespace

class LineSeriesEditor : public EditorPageFixture {
protected:
    void SetUp() override {
        EditorPageFixture::SetUp();
        line = new TLineSeries(form);
        line->SetName(QStringLiteral("Series1"));
        line->SetParentChart(chart);
        points = new TPlainCustomSeries(form);
        points->SetName(QStringLiteral("Series2"));
        points->SetParentChart(chart);
        for (int i = 0; i < 5; ++i) {
            line->AddXY(i, i * i);
            points->AddXY(i, 10 - i);
        }
        host = new TPanel(form);
        host->SetParent(form);
        host->SetBounds(300, 0, 440, 380);
        page = static_cast<TFormTeeSeries*>(TFormTeeSeries::StaticClass()->CreateComponent(form));
        AddFormTo(page, host);
        for (TChartSeries* s : {static_cast<TChartSeries*>(line), static_cast<TChartSeries*>(points)})
            page->CBSeries->Items()->AddObject(s->Name(), s);
    }
    // Chooses ASeries on the page; its "Format" form.
    TCustomSeriesEditor* Choose(TChartSeries* ASeries) {
        page->TheSeries = ASeries;
        page->SetCBSeries();
        auto* editor = dynamic_cast<TCustomSeriesEditor*>(page->SeriesForm());
        if (editor && !editor->Series()) editor->FormShow(editor);
        return editor;
    }

    TLineSeries* line = nullptr;
    TPlainCustomSeries* points = nullptr;
    TPanel* host = nullptr;
    TFormTeeSeries* page = nullptr;
};

TEST_F(LineSeriesEditor, LineSeriesControlsChangeTheSeriesAtOnce) {
    line->SetStairs(true);
    line->SetLineHeight(3);
    line->SetStacked(cssNone);
    TCustomSeriesEditor* e = Choose(line);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Series(), line);
    EXPECT_TRUE(e->CBStairs->Checked());
    EXPECT_TRUE(e->CBInvStairs->Enabled());
    EXPECT_EQ(e->EHeight->Text(), QStringLiteral("3"));
    EXPECT_EQ(e->CBStack->ItemIndex(), int(cssNone));
    EXPECT_EQ(e->CBNulls->ItemIndex(), int(line->TreatNulls()));
    EXPECT_EQ(e->BLineBorder->Pen(), line->LinePen());
    EXPECT_EQ(e->BGradient->GetGradient(), line->Gradient());
    for (TControl* c : {static_cast<TControl*>(e->GBStair), static_cast<TControl*>(e->CBDark3D),
                        static_cast<TControl*>(e->EHeight), static_cast<TControl*>(e->BBrush),
                        static_cast<TControl*>(e->BOutline), static_cast<TControl*>(e->BGradient),
                        static_cast<TControl*>(e->TBTransp)})
        EXPECT_TRUE(c->Visible()) << c->Name().toStdString();
    EditorScreenshot(page, "series-page-line-format");

    e->CBStairs->SetChecked(false);
    EXPECT_FALSE(line->Stairs());
    EXPECT_FALSE(e->CBInvStairs->Enabled());
    e->CBStairs->SetChecked(true);
    e->CBInvStairs->SetChecked(true);
    EXPECT_TRUE(line->InvertedStairs());
    e->CBStack->SetItemIndex(int(cssStack100));
    e->CBStackChange(e->CBStack);
    EXPECT_EQ(line->Stacked(), cssStack100);
    e->CBNulls->SetItemIndex(int(tnSkip));
    e->CBNullsChange(e->CBNulls);
    EXPECT_EQ(line->TreatNulls(), tnSkip);
    e->CBColorEach->SetChecked(!line->ColorEachPoint());
    EXPECT_EQ(line->ColorEachPoint(), e->CBColorEach->Checked());
    e->CheckBox1->SetChecked(!line->ColorEachLine());
    EXPECT_EQ(line->ColorEachLine(), e->CheckBox1->Checked());
    e->CBClick->SetChecked(!line->ClickableLine());
    EXPECT_EQ(line->ClickableLine(), e->CBClick->Checked());
    e->CBDark3D->SetChecked(!line->Dark3D());
    EXPECT_EQ(line->Dark3D(), e->CBDark3D->Checked());
    e->UDHeight->SetPosition(7);
    EXPECT_EQ(line->LineHeight(), 7);
    e->TBTransp->SetPosition(30);
    EXPECT_EQ(line->Transparency(), 30);
}

TEST_F(LineSeriesEditor, PointTabIsInsertedOnceAndGoesWithTheForm) {
    TCustomSeriesEditor* e = Choose(line);
    ASSERT_NE(e, nullptr);
    ASSERT_NE(e->PointerEditor(), nullptr);
    ASSERT_EQ(page->InsertedTabs().size(), 1u);
    EXPECT_EQ(page->InsertedTabs()[0]->Caption(), QStringLiteral("Point"));
    EXPECT_EQ(TeeFormTagObject(e->PointerEditor()), line->Pointer());
    // A second show (a later visit of the tab) adds no second tab.
    e->FormShow(e);
    EXPECT_EQ(page->InsertedTabs().size(), 1u);
    page->PageSeries->SetActivePage(page->InsertedTabs()[0]);
    EditorScreenshot(page, "series-page-line-point");

    // Another series: the old form, its pointer tab and pointer form are gone.
    TCustomSeriesEditor* e2 = Choose(points);
    ASSERT_NE(e2, nullptr);
    EXPECT_EQ(page->InsertedTabs().size(), 1u);
    EXPECT_EQ(TeeFormTagObject(e2->PointerEditor()), points->Pointer());
}

TEST_F(LineSeriesEditor, NonLineSeriesShowsOnlyTheCommonControls) {
    TCustomSeriesEditor* e = Choose(points);
    ASSERT_NE(e, nullptr);
    for (TControl* c : {static_cast<TControl*>(e->BBrush), static_cast<TControl*>(e->BOutline),
                        static_cast<TControl*>(e->GBStair), static_cast<TControl*>(e->CBDark3D),
                        static_cast<TControl*>(e->LHeight), static_cast<TControl*>(e->EHeight),
                        static_cast<TControl*>(e->UDHeight), static_cast<TControl*>(e->BGradient),
                        static_cast<TControl*>(e->TBTransp)})
        EXPECT_FALSE(c->Visible()) << c->Name().toStdString();
    for (TControl* c : {static_cast<TControl*>(e->BLineColor), static_cast<TControl*>(e->BLineBorder),
                        static_cast<TControl*>(e->CBColorEach), static_cast<TControl*>(e->CBStack),
                        static_cast<TControl*>(e->CBNulls), static_cast<TControl*>(e->Button1)})
        EXPECT_TRUE(c->Visible()) << c->Name().toStdString();
    e->CBStack->SetItemIndex(int(cssOverlap));
    e->CBStackChange(e->CBStack);
    EXPECT_EQ(points->Stacked(), cssOverlap);
}

TEST_F(LineSeriesEditor, ShadowDialogHidesSmoothingAndTransparency) {
    TCustomSeriesEditor* e = Choose(line);
    ASSERT_NE(e, nullptr);
    TDialogsAnswered answers;
    bool seen = false, smooth = true, transp = true;
    answers.OnModal = [&](TCustomForm* f) {
        if (auto* s = dynamic_cast<TTeeShadowEditor*>(f)) {
            seen = s->Shadow == line->Shadow();
            smooth = s->CBSmooth->Visible();
            transp = s->EShadowTransp->Visible();
        }
        return int(mrOk);
    };
    e->Button1->Click();
    EXPECT_TRUE(seen);
    EXPECT_FALSE(smooth);
    EXPECT_FALSE(transp);
}
