// The 3D page: options written as the user moves them and left alone while the page fills
// itself, offset bars widened for large offsets, controls locked by the 3-D switch and the
// orthogonal flag, and the views gallery.
#include "EditorPagesTestSupport.h"

#include "chart/editor/FormTee3D.h"
#include "chart/editor/TeeGalleryPanel.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/series/LineSeries.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/UpDown.h"

#include <climits>
#include <vector>

class Page3D : public EditorPageFixture {
protected:
    void SetUp() override {
        EditorPageFixture::SetUp();
        auto* series = new TLineSeries(form);
        series->SetParentChart(chart);
        series->AddXY(0, 1);
        series->AddXY(1, 2);
    }
    void ShowPage() {
        page = new TFormTee3D(form, chart);
        page->AfterConstruction();
        page->SetParent(form);
        page->SetBounds(300, 0, 440, 240);
        page->Show();
    }
    TView3DOptions* Options() { return chart->View3DOptions(); }

    TFormTee3D* page = nullptr;
};

TEST_F(Page3D, OpeningThePageLeavesValuesOutsideTheBarsAlone) {
    Options()->SetZoomInteger(600);
    Options()->SetPerspective(40);
    ShowPage();
    EditorScreenshot(page, "3d-page");
    EXPECT_EQ(Options()->Zoom(), 600) << "a zoom above the bar's 500 is not clamped by opening the page";
    EXPECT_EQ(Options()->Perspective(), 40);
    // Moving a bar writes it.
    page->SBZoom->SetPosition(250);
    EXPECT_EQ(Options()->Zoom(), 250);
    EXPECT_EQ(page->LZoom->Caption(), QStringLiteral("250%"));
    page->SBPerspec->SetPosition(70);
    EXPECT_EQ(Options()->Perspective(), 70);
    page->SBHOffset->SetPosition(-40);
    EXPECT_EQ(Options()->HorizOffset(), -40);
    page->SE3d->SetText(QStringLiteral("35"));
    EXPECT_EQ(chart->Chart3DPercent(), 35);
    page->CBClipPoints->SetChecked(false);
    EXPECT_FALSE(chart->ClipPoints());
}

TEST_F(Page3D, LargeOffsetsWidenTheirBarWithinInt) {
    Options()->SetHorizOffset(2000);
    Options()->SetVertOffset(INT_MIN);
    ShowPage();
    EXPECT_EQ(page->SBHOffset->Max(), 3000);
    EXPECT_EQ(page->SBHOffset->Min(), -3000);
    EXPECT_EQ(page->SBHOffset->Position(), 2000);
    EXPECT_EQ(Options()->HorizOffset(), 2000);
    EXPECT_EQ(page->SBVOffset->Max(), INT_MAX) << "1.5 times the lowest int is held to the int range";
    EXPECT_EQ(page->SBVOffset->Min(), -INT_MAX);
    EXPECT_EQ(Options()->VertOffset(), INT_MIN) << "the offset itself is left alone";
}

TEST_F(Page3D, ThreeDimensionsAndOrthogonalLockTheirControls) {
    chart->SetView3D(true);
    Options()->SetOrthogonal(false);
    ShowPage();
    ASSERT_FALSE(chart->Canvas()->SupportsFullRotation());
    EXPECT_TRUE(page->CBOrthogonal->Enabled());
    EXPECT_TRUE(page->SBElevation->Enabled());
    EXPECT_TRUE(page->SBRotation->Enabled());
    EXPECT_EQ(page->SBElevation->Min(), 270);

    page->CBOrthogonal->SetChecked(true);
    EXPECT_TRUE(Options()->Orthogonal());
    EXPECT_FALSE(page->SBElevation->Enabled());
    EXPECT_FALSE(page->SBRotation->Enabled());
    EXPECT_TRUE(page->EOrthoAngle->Enabled());
    page->CBOrthogonal->SetChecked(false);
    EXPECT_TRUE(page->SBElevation->Enabled());
    EXPECT_TRUE(page->SBRotation->Enabled());

    page->CBView3d->SetChecked(false);
    EXPECT_FALSE(chart->View3D());
    EXPECT_FALSE(page->CBOrthogonal->Enabled());
    EXPECT_FALSE(page->SBRotation->Enabled());
    EXPECT_FALSE(page->SBElevation->Enabled());
    EXPECT_FALSE(page->EOrthoAngle->Enabled());
    EXPECT_FALSE(page->UDOrthoAngle->Enabled());
}

TEST_F(Page3D, ViewsTabSelectsTheMatchingViewAndAppliesAChosenOne) {
    chart->SetView3D(true);
    Options()->SetOrthogonal(true);
    ShowPage();
    page->PageControl1->SetActivePage(page->TabViews);
    page->PageControl1Change(page->PageControl1);
    ASSERT_EQ(page->ViewCount(), 6);
    EXPECT_EQ(page->SelectedView(), 1) << "Ortho Right";
    EXPECT_EQ(page->ViewChart(1)->Title()->Text()->Strings(0), QStringLiteral("Ortho Right"));
    EditorScreenshot(page, "3d-page-views");

    page->ViewChartClick(page->ViewChart(5));
    EXPECT_TRUE(chart->View3D());
    EXPECT_FALSE(Options()->Orthogonal());
    EXPECT_EQ(Options()->Rotation(), 45);
    EXPECT_EQ(Options()->Elevation(), 360);
}

TEST_F(Page3D, ViewsAreTheGalleryPanelsChartsAndItsSelectionAppliesAView) {
    chart->SetView3D(true);
    Options()->SetOrthogonal(true);
    ShowPage();
    page->PageControl1->SetActivePage(page->TabViews);
    page->PageControl1Change(page->PageControl1);
    TChartGalleryPanel* gallery = page->ChartGalleryPanel1;
    EXPECT_EQ(gallery->NumCols(), 3);
    EXPECT_EQ(gallery->NumRows(), 2);
    EXPECT_FALSE(gallery->DisplaySub());
    EXPECT_FALSE(gallery->FocusRotation());
    ASSERT_EQ(gallery->Charts()->Count(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(gallery->GetChart(i), page->ViewChart(i));
    // The matching view is the gallery's selection; selecting it applied nothing new.
    EXPECT_EQ(gallery->SelectedChart(), page->ViewChart(1));
    EXPECT_TRUE(Options()->Orthogonal());

    // Selecting through the gallery (as the keyboard does) applies the view.
    gallery->SelectChart(gallery->GetChart(0));
    EXPECT_FALSE(chart->View3D());
    EXPECT_EQ(page->SelectedView(), 0);
    // A click on the selected chart applies its view again after the chart moved away.
    chart->SetView3D(true);
    page->ViewChartClick(gallery->GetChart(0));
    EXPECT_FALSE(chart->View3D());
}

TEST_F(Page3D, NoRegisteredSeriesTypeMeansNoViews) {
    // The registrations are put aside for the test and restored after it.
    struct Saved {
        TClass SeriesClass, FunctionClass;
        const String *Description, *GalleryPage;
        int NumGallerySeries, SubIndex;
    };
    TTeeSeriesTypes* types = TeeSeriesTypes();
    std::vector<Saved> saved;
    for (int i = 0; i < types->Count(); ++i) {
        const TTeeSeriesType* t = types->Get(i);
        saved.push_back({t->SeriesClass, t->FunctionClass, t->Description, t->GalleryPage,
                         t->NumGallerySeries, t->SubIndex});
    }
    types->Clear();
    ShowPage();
    page->PageControl1->SetActivePage(page->TabViews);
    page->PageControl1Change(page->PageControl1);
    EXPECT_EQ(page->ViewCount(), 0);
    EXPECT_EQ(page->SelectedView(), -1);
    for (const Saved& s : saved) {
        auto* t = new TTeeSeriesType;
        t->SeriesClass = s.SeriesClass;
        t->FunctionClass = s.FunctionClass;
        t->Description = s.Description;
        t->GalleryPage = s.GalleryPage;
        t->NumGallerySeries = s.NumGallerySeries;
        t->SubIndex = s.SubIndex;
        types->Add(t);
    }
}
