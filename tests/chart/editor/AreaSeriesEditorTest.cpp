// The area series editor: filled from the area, each control changing it at once, the
// controls that depend on others (inverted stairs, colour button, origin, stack group) and
// the colour button showing the area's colour.
#include "EditorBaseTestSupport.h"
#include "EditorPagesTestSupport.h"

#include "chart/editor/AreaSeriesEditor.h"
#include "chart/editor/BrushDialog.h"
#include "chart/editor/ButtonPen.h"
#include "chart/editor/FormTeeSeries.h"
#include "chart/editor/GradientEditor.h"
#include "chart/editor/SeriesPointerEditor.h"
#include "chart/editor/TeePenDlg.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/widgets/ComboFlat.h"
#include "chart/engine/widgets/TeeButtons.h"
#include "chart/series/AreaSeries.h"
#include "platform/classes/StringList.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/GroupBox.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/RadioGroup.h"
#include "platform/controls/UpDown.h"

using namespace editortest;

namespace {
class AreaEditorTest : public EditorPageFixture {
protected:
    void SetUp() override {
        EditorPageFixture::SetUp();
        area = new TAreaSeries(form);
        area->SetParentChart(chart);
        for (double v : {3.0, 5.0, 2.0, 4.0})
            area->Add(v);
        host = new TPanel(form);
        host->SetParent(form);
        host->SetBounds(300, 0, 460, 420);
    }
    TAreaSeriesEditor* Open() {
        auto* editor = dynamic_cast<TAreaSeriesEditor*>(TeeCreateEditorForm(area, host));
        EXPECT_NE(editor, nullptr);
        return editor;
    }
    TAreaSeries* area = nullptr;
    TPanel* host = nullptr;
};
} // namespace

TEST_F(AreaEditorTest, FormComesFromItsResourceAndFillsFromTheArea) {
    area->SetStairs(true);
    area->SetInvertedStairs(true);
    area->SetTransparency(35);
    area->SetDark3D(false);
    area->SetTreatNulls(tnSkip);
    area->SetMultiArea(maStacked100);
    area->SetUseYOrigin(true);
    area->SetYOrigin(12.6);
    area->SetStackGroup(3);
    TAreaSeriesEditor* e = Open();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->PageControl1->PageCount(), 2);
    EXPECT_EQ(e->TabOptions->Caption(), "Options");
    EXPECT_EQ(e->TabStack->Caption(), "Stack");
    EXPECT_TRUE(e->CBStairs->Checked());
    EXPECT_TRUE(e->CBInvStairs->Checked());
    EXPECT_TRUE(e->CBInvStairs->Enabled());
    EXPECT_EQ(e->UDTransp->Position(), 35);
    EXPECT_FALSE(e->CBDark3D->Checked());
    ASSERT_EQ(e->CBNulls->Items()->Count(), 3);
    EXPECT_EQ(e->CBNulls->ItemIndex(), int(tnSkip));
    ASSERT_EQ(e->RGMultiArea->Items()->Count(), 3);
    EXPECT_EQ(e->RGMultiArea->ItemIndex(), int(maStacked100));
    EXPECT_TRUE(e->CBUseOrigin->Checked());
    EXPECT_TRUE(e->EOrigin->Enabled());
    EXPECT_EQ(e->EOrigin->Text(), "12.6");
    // The up-down steps from the origin rounded.
    EXPECT_EQ(e->UDOrigin->Position(), 13);
    EXPECT_EQ(e->UDOrigin->Min(), -30000);
    EXPECT_EQ(e->UDOrigin->Max(), 30000);
    EXPECT_EQ(e->UDGroup->Position(), 3);
    EXPECT_TRUE(e->EGroup->Enabled());
    EXPECT_EQ(e->BAreaLinesPen->Pen(), area->AreaLinesPen());
    EXPECT_EQ(e->BAreaLinePen->Pen(), area->LinePen());
    // Filling wrote nothing back.
    EXPECT_DOUBLE_EQ(area->YOrigin(), 12.6);
    EXPECT_EQ(area->TreatNulls(), tnSkip);
    FreeObject(e);
}

TEST_F(AreaEditorTest, EachControlChangesTheAreaAtOnce) {
    TAreaSeriesEditor* e = Open();
    ASSERT_NE(e, nullptr);
    EXPECT_FALSE(e->CBInvStairs->Enabled());
    Click(e->CBStairs);
    EXPECT_TRUE(area->Stairs());
    EXPECT_TRUE(e->CBInvStairs->Enabled());
    Click(e->CBInvStairs);
    EXPECT_TRUE(area->InvertedStairs());
    Click(e->CBStairs);
    EXPECT_FALSE(area->Stairs());
    EXPECT_FALSE(e->CBInvStairs->Enabled());

    Click(e->CBDark3D);
    EXPECT_EQ(area->Dark3D(), e->CBDark3D->Checked());
    TypeText(e->ETransp, QStringLiteral("40"));
    EXPECT_EQ(area->Transparency(), 40);
    e->CBNulls->SetItemIndex(int(tnIgnore));
    e->CBNulls->OnChange(e->CBNulls);
    EXPECT_EQ(area->TreatNulls(), tnIgnore);

    e->PageControl1->SetActivePage(e->TabStack);
    struct MultiCase {
        TMultiArea multi;
        bool group;
    };
    for (const MultiCase& c :
         {MultiCase{maStacked, true}, MultiCase{maStacked100, true}, MultiCase{maNone, false}}) {
        SCOPED_TRACE(int(c.multi));
        e->RGMultiArea->SetItemIndex(int(c.multi));
        EXPECT_EQ(area->MultiArea(), c.multi);
        EXPECT_EQ(e->EGroup->Enabled(), c.group);
        EXPECT_EQ(e->UDGroup->Enabled(), c.group);
    }
    e->RGMultiArea->SetItemIndex(int(maStacked));
    TypeText(e->EGroup, QStringLiteral("2"));
    EXPECT_EQ(area->StackGroup(), 2);

    EXPECT_FALSE(e->EOrigin->Enabled());
    Click(e->CBUseOrigin);
    EXPECT_TRUE(area->UseYOrigin());
    EXPECT_TRUE(e->EOrigin->Enabled());
    EXPECT_TRUE(e->UDOrigin->Enabled());
    struct OriginCase {
        const char* text;
        double origin;
    };
    // Each text put over the last: a text that is no number keeps the origin.
    const OriginCase origins[] = {{"-7.5", -7.5}, {"-", -7.5}, {"x", -7.5}, {"250", 250}};
    for (const OriginCase& c : origins) {
        SCOPED_TRACE(c.text);
        e->EOrigin->SetText(QString::fromLatin1(c.text));
        EXPECT_DOUBLE_EQ(area->YOrigin(), c.origin);
    }
    Click(e->CBUseOrigin);
    EXPECT_FALSE(area->UseYOrigin());
    EXPECT_FALSE(e->UDOrigin->Enabled());
    FreeObject(e);
}

TEST_F(AreaEditorTest, ColorButtonShowsTheAreaColorAndFollowsColorEach) {
    area->SetSeriesColor(clRed);
    TAreaSeriesEditor* e = Open();
    ASSERT_NE(e, nullptr);
    // The area takes the series colour while its own is automatic.
    EXPECT_EQ(area->AreaColor(), clTeeColor);
    EXPECT_EQ(e->BAreaColor->SymbolColor(), clRed);
    area->SetAreaColor(clBlue);
    EXPECT_EQ(e->BAreaColor->SymbolColor(), clBlue);

    EXPECT_TRUE(e->BAreaColor->Enabled());
    Click(e->CBColorEach);
    EXPECT_TRUE(area->ColorEachPoint());
    EXPECT_FALSE(e->BAreaColor->Enabled());
    Click(e->CBColorEach);
    EXPECT_FALSE(area->ColorEachPoint());
    EXPECT_TRUE(e->BAreaColor->Enabled());

    TDialogsAnswered answers;
    DialogHook pick([](TCommonDialog* d) {
        if (auto* c = dynamic_cast<TColorDialog*>(d)) c->SetColor(clGreen);
        return true;
    });
    Click(e->BAreaColor);
    EXPECT_EQ(area->SeriesColor(), clGreen);
    FreeObject(e);
}

TEST_F(AreaEditorTest, PatternAndTopOpenTheBrushDialogOnTheirBrushes) {
    TAreaSeriesEditor* e = Open();
    ASSERT_NE(e, nullptr);
    struct Case {
        TButton* button;
        TChartBrush* brush;
    };
    for (const Case& c : {Case{e->BPattern, area->AreaChartBrush()}, Case{e->Button1, area->Brush()}}) {
        SCOPED_TRACE(c.button->Caption().toStdString());
        TChartBrush* edited = nullptr;
        TDialogsAnswered answers;
        answers.OnModal = [&](TCustomForm* f) {
            if (auto* b = dynamic_cast<TBrushDialog*>(f)) edited = b->TheBrush;
            return int(mrCancel);
        };
        Click(c.button);
        EXPECT_EQ(edited, c.brush);
    }
    FreeObject(e);
}

TEST_F(AreaEditorTest, Screenshot) {
    TAreaSeriesEditor* e = Open();
    ASSERT_NE(e, nullptr);
    EditorScreenshot(host, "area-editor-options");
    e->PageControl1->SetActivePage(e->TabStack);
    EditorScreenshot(host, "area-editor-stack");
    FreeObject(e);
}

namespace {
// The area editor on the series page, where it adds the "Point" and "Gradient" tabs.
class AreaOnSeriesPageTest : public AreaEditorTest {
protected:
    void SetUp() override {
        AreaEditorTest::SetUp();
        other = new TAreaSeries(form);
        other->SetParentChart(chart);
        page = static_cast<TFormTeeSeries*>(TFormTeeSeries::StaticClass()->CreateComponent(form));
        AddFormTo(page, host);
        for (TChartSeries* s : {static_cast<TChartSeries*>(area), static_cast<TChartSeries*>(other)})
            page->CBSeries->Items()->AddObject(s->Name(), s);
    }
    TAreaSeriesEditor* ChooseOnPage(TChartSeries* ASeries) {
        page->TheSeries = ASeries;
        page->SetCBSeries();
        auto* editor = dynamic_cast<TAreaSeriesEditor*>(page->SeriesForm());
        if (editor && !editor->Area) editor->FormShow(editor);
        return editor;
    }
    TAreaSeries* other = nullptr;
    TFormTeeSeries* page = nullptr;
};
} // namespace

TEST_F(AreaOnSeriesPageTest, PointAndGradientTabsAreInsertedOnceAndGoWithTheForm) {
    TAreaSeriesEditor* e = ChooseOnPage(area);
    ASSERT_NE(e, nullptr);
    ASSERT_NE(e->PointerForm, nullptr);
    ASSERT_NE(e->FGradientForm, nullptr);
    ASSERT_EQ(page->InsertedTabs().size(), 2u);
    EXPECT_EQ(page->InsertedTabs()[0]->Caption(), "Point");
    EXPECT_EQ(page->InsertedTabs()[1]->Caption(), "Gradient");
    EXPECT_EQ(TeeFormTagObject(e->PointerForm), area->Pointer());
    EXPECT_EQ(e->FGradientForm->TheGradient, area->Gradient());
    EXPECT_FALSE(e->FGradientForm->PanelButtons->Visible());
    e->FormShow(e);
    EXPECT_EQ(page->InsertedTabs().size(), 2u);
    // The gradient tab edits the area's gradient at once.
    page->PageSeries->SetActivePage(page->InsertedTabs()[1]);
    e->FGradientForm->CBVisible->SetChecked(!area->Gradient()->Visible());
    EXPECT_EQ(area->Gradient()->Visible(), e->FGradientForm->CBVisible->Checked());
    EditorScreenshot(page, "series-page-area-gradient");
    page->PageSeries->SetActivePage(page->InsertedTabs()[0]);
    EditorScreenshot(page, "series-page-area-point");

    TAreaSeriesEditor* e2 = ChooseOnPage(other);
    ASSERT_NE(e2, nullptr);
    EXPECT_EQ(page->InsertedTabs().size(), 2u);
    EXPECT_EQ(TeeFormTagObject(e2->PointerForm), other->Pointer());
    EXPECT_EQ(e2->FGradientForm->TheGradient, other->Gradient());
}
