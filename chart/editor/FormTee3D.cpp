#include "chart/editor/FormTee3D.h"

#include "chart/editor/TeeGalleryPanel.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/chart/ChartTitles.h"
#include "chart/engine/chart/ChartWalls.h"
#include "chart/engine/panel/PanelFunctions.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/series/PieSeries.h"
#include "platform/classes/StringList.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/Panel.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/UpDown.h"

#include <climits>
#include <cmath>

ORVO_IMPLEMENT_CLASS(TFormTee3D, TForm)

ORVO_PUBLISHED(TFormTee3D) {
    using S = TFormTee3D;
#define F(name) P.Field(#name, &S::name)
    F(PageControl1);
    F(TabOptions);
    F(TabViews);
    F(CBView3d);
    F(L3d);
    F(SE3d);
    F(UD3d);
    F(CBOrthogonal);
    F(L1);
    F(SBZoom);
    F(LZoom);
    F(L2);
    F(SBRotation);
    F(LRotation);
    F(L3);
    F(SBElevation);
    F(LElevation);
    F(L4);
    F(SBHOffset);
    F(LHOffset);
    F(L5);
    F(SBVOffset);
    F(LVOffset);
    F(L6);
    F(SBPerspec);
    F(LPerspec);
    F(LOrthoAngle);
    F(EOrthoAngle);
    F(UDOrthoAngle);
    F(CBZoomText);
    F(ETextSize);
    F(UDTextSize);
    F(LPercent);
    F(CBClipPoints);
    F(ChartGalleryPanel1);
#undef F
#define M(name) P.Method(#name, &S::name)
    M(FormShow);
    M(PageControl1Change);
    M(CBView3dClick);
    M(ChartGalleryPanel1ChangeChart);
    M(CBOrthogonalClick);
    M(CBZoomTextClick);
    M(CBClipPointsClick);
    M(SE3dChange);
    M(EOrthoAngleChange);
    M(ETextSizeChange);
    M(SBZoomChange);
    M(SBRotationChange);
    M(SBElevationChange);
    M(SBHOffsetChange);
    M(SBVOffsetChange);
    M(SBPerspecChange);
#undef M
}

TFormTee3D::TFormTee3D(TComponent* AOwner) : TForm(AOwner) {}

TFormTee3D::TFormTee3D(TComponent* AOwner, TCustomAxisPanel* Chart) : TForm(AOwner), TheChart(Chart) {}

bool TFormTee3D::SupportsFullRotation() const {
    return TheChart && TheChart->Canvas() && TheChart->Canvas()->SupportsFullRotation();
}

int TFormTee3D::EditValue(TEdit* Edit, TUpDown* UpDown) const {
    bool ok = false;
    const int v = Edit->Text().trimmed().toInt(&ok);
    return ok ? v : UpDown->Position();
}

void TFormTee3D::FormShow(TObject*) {
    if (TheChart) RefreshOptions();
}

void TFormTee3D::WidenOffsetBar(TTrackBar* Bar, int Offset) {
    // Computed wide: the absolute value of the lowest integer and 1.5 times a large offset
    // do not fit an int.
    const long long magnitude = std::llabs(static_cast<long long>(Offset));
    if (magnitude <= Bar->Max()) return;
    const long long widened = std::min<long long>(std::llround(double(magnitude) * 1.5), INT_MAX);
    Bar->SetMax(int(widened));
    Bar->SetMin(-int(widened));
}

void TFormTee3D::RefreshOptions() {
    if (!TheChart) return;
    Changing = true;
    TView3DOptions* o = TheChart->View3DOptions();
    CBView3d->SetChecked(TheChart->View3D());
    UD3d->SetPosition(TheChart->Chart3DPercent());
    CBClipPoints->SetChecked(TheChart->ClipPoints());
    const bool full = SupportsFullRotation();
    SBRotation->SetMin(0);
    SBRotation->SetFrequency(full ? 20 : 45);
    SBElevation->SetMin(full ? 0 : 270);
    SBElevation->SetFrequency(full ? 20 : 10);
    SBZoom->SetPosition(o->Zoom());
    CBOrthogonal->SetChecked(o->Orthogonal());
    SBRotation->SetPosition(o->Rotation());
    SBElevation->SetPosition(o->Elevation());
    WidenOffsetBar(SBHOffset, o->HorizOffset());
    SBHOffset->SetPosition(o->HorizOffset());
    WidenOffsetBar(SBVOffset, o->VertOffset());
    SBVOffset->SetPosition(o->VertOffset());
    CBZoomText->SetChecked(o->ZoomText());
    SBPerspec->SetPosition(o->Perspective());
    UDOrthoAngle->SetPosition(o->OrthoAngle());
    UDTextSize->SetPosition(o->FontZoom());
    // The labels show the positions even where the change handlers did not run.
    LZoom->SetCaption(QString::number(SBZoom->Position()) + QLatin1Char('%'));
    LRotation->SetCaption(QString::number(SBRotation->Position()));
    LElevation->SetCaption(QString::number(SBElevation->Position()));
    LHOffset->SetCaption(QString::number(SBHOffset->Position()));
    LVOffset->SetCaption(QString::number(SBVOffset->Position()));
    LPerspec->SetCaption(QString::number(SBPerspec->Position()));
    CheckControls();
    Changing = false;
}

void TFormTee3D::CheckControls() {
    if (!TheChart) return;
    const bool full = SupportsFullRotation();
    TChartSeries* first = nullptr;
    for (int i = 0; i < TheChart->SeriesCount() && !first; ++i)
        if (TheChart->Series(i)->Active()) first = TheChart->Series(i);
    AllowRotation = full || !dynamic_cast<TPieSeries*>(first);
    if (ResetTab3D) PageControl1->SetActivePage(TabOptions);
    const bool view3D = TheChart->View3D();
    const bool orthogonal = TheChart->View3DOptions()->Orthogonal();
    CBOrthogonal->SetEnabled(view3D && AllowRotation);
    SBElevation->SetEnabled(view3D && (full || !orthogonal));
    SBRotation->SetEnabled(SBElevation->Enabled() && CBOrthogonal->Enabled());
    EOrthoAngle->SetEnabled(CBOrthogonal->Enabled());
    UDOrthoAngle->SetEnabled(CBOrthogonal->Enabled());
}

void TFormTee3D::CBView3dClick(TObject*) {
    if (!TheChart || Changing) return;
    TheChart->SetView3D(CBView3d->Checked());
    CheckControls();
}

void TFormTee3D::CBOrthogonalClick(TObject*) {
    if (!TheChart || Changing) return;
    TheChart->View3DOptions()->SetOrthogonal(CBOrthogonal->Checked());
    CheckControls();
}

void TFormTee3D::CBZoomTextClick(TObject*) {
    if (TheChart && !Changing) TheChart->View3DOptions()->SetZoomText(CBZoomText->Checked());
}

void TFormTee3D::CBClipPointsClick(TObject*) {
    if (TheChart && !Changing) TheChart->SetClipPoints(CBClipPoints->Checked());
}

void TFormTee3D::SE3dChange(TObject*) {
    if (TheChart && !Changing && Showing()) TheChart->SetChart3DPercent(EditValue(SE3d, UD3d));
}

void TFormTee3D::EOrthoAngleChange(TObject*) {
    if (TheChart && !Changing && Showing())
        TheChart->View3DOptions()->SetOrthoAngle(EditValue(EOrthoAngle, UDOrthoAngle));
}

void TFormTee3D::ETextSizeChange(TObject*) {
    if (TheChart && !Changing && Showing())
        TheChart->View3DOptions()->SetFontZoom(EditValue(ETextSize, UDTextSize));
}

// The track bars write into the chart only when the user moves them: while the page fills
// itself a value outside a bar's range (a zoom above 500) would be clamped into the chart.
void TFormTee3D::SBZoomChange(TObject*) {
    LZoom->SetCaption(QString::number(SBZoom->Position()) + QLatin1Char('%'));
    if (TheChart && !Changing) TheChart->View3DOptions()->SetZoomInteger(SBZoom->Position());
}

void TFormTee3D::SBRotationChange(TObject*) {
    LRotation->SetCaption(QString::number(SBRotation->Position()));
    if (TheChart && !Changing && TheChart->View3DOptions())
        TheChart->View3DOptions()->SetRotationInteger(SBRotation->Position());
}

void TFormTee3D::SBElevationChange(TObject*) {
    LElevation->SetCaption(QString::number(SBElevation->Position()));
    if (TheChart && !Changing && TheChart->View3DOptions())
        TheChart->View3DOptions()->SetElevationInteger(SBElevation->Position());
}

void TFormTee3D::SBHOffsetChange(TObject*) {
    LHOffset->SetCaption(QString::number(SBHOffset->Position()));
    if (TheChart && !Changing) TheChart->View3DOptions()->SetHorizOffset(SBHOffset->Position());
}

void TFormTee3D::SBVOffsetChange(TObject*) {
    LVOffset->SetCaption(QString::number(SBVOffset->Position()));
    if (TheChart && !Changing) TheChart->View3DOptions()->SetVertOffset(SBVOffset->Position());
}

void TFormTee3D::SBPerspecChange(TObject*) {
    LPerspec->SetCaption(QString::number(SBPerspec->Position()));
    if (TheChart && !Changing) TheChart->View3DOptions()->SetPerspective(SBPerspec->Position());
}

// ---- views --------------------------------------------------------------------------------

void TFormTee3D::PageControl1Change(TObject*) {
    if (PageControl1->ActivePage() == TabViews) {
        ResetTab3D = false;
        if (!FGalleryBuilt) CreateViewsGallery();
        SelectMatchingView();
    } else {
        RefreshOptions();
    }
}

void TFormTee3D::CreateViewsGallery() {
    FGalleryBuilt = true;
    // The mini charts show a series of the first registered type; without any there is
    // nothing to show them with, and there are no views.
    TTeeSeriesType* type = TeeSeriesTypes()->Get(0);
    if (!type || !type->SeriesClass || !type->SeriesClass->CreateComponent) return;
    const String names[] = {TeeMsg_View2D,      TeeMsg_ViewOrthoRight, TeeMsg_ViewOrthoLeft,
                            TeeMsg_View3DFront, TeeMsg_View3DRight,    TeeMsg_View3DLeft};
    TChartGalleryPanel* gallery = ChartGalleryPanel1;
    gallery->SetSmooth(false);
    gallery->SetDisplaySub(false);
    gallery->SetFocusRotation(false);
    gallery->SetNumCols(3);
    gallery->SetNumRows(2);
    for (int i = 0; i < 6; ++i) {
        TGalleryChart* chart = gallery->CreateChart(type);
        chart->SetTag(i);
        // A click applies the view even when its chart is the gallery's selection already
        // (the chart's settings may have moved away from it since).
        chart->OnClick = TNotifyEvent(this, &TFormTee3D::ViewChartClick);
        for (int s = 0; s < chart->SeriesCount(); ++s)
            chart->Series(s)->Clear();
        chart->Walls()->Back()->SetTransparent(false);
        chart->Walls()->SetSize(5);
        TStrings* title = chart->Title()->Text();
        if (title->Count() == 0)
            title->Add(names[i]);
        else
            title->SetStrings(0, names[i]);
        chart->Legend()->SetVisible(false);
        TView3DOptions* o = chart->View3DOptions();
        const bool threeD = i >= 3;
        if (threeD) {
            chart->SetView3D(true);
            o->SetOrthogonal(false);
            for (int s = 0; s < chart->SeriesCount(); ++s)
                chart->Series(s)->SetVertAxis(aBothVertAxis);
            o->SetElevationInteger(360);
            chart->LeftAxis()->SetLabels(true);
        }
        switch (i) {
        case 0:
            chart->SetView3D(false);
            chart->LeftAxis()->SetLabels(true);
            break;
        case 1:
            o->SetOrthogonal(true);
            chart->LeftAxis()->SetLabels(true);
            break;
        case 2:
            o->SetOrthogonal(true);
            chart->Walls()->Left()->SetVisible(false);
            chart->Walls()->Right()->SetVisible(true);
            for (int s = 0; s < chart->SeriesCount(); ++s)
                chart->Series(s)->SetVertAxis(aRightAxis);
            chart->RightAxis()->SetZPosition(0);
            o->SetOrthoAngle(135);
            break;
        case 3:
            chart->Walls()->Left()->SetVisible(true);
            chart->Walls()->Right()->SetVisible(true);
            chart->RightAxis()->SetZPosition(0);
            o->SetRotationInteger(360);
            break;
        case 4:
            chart->Walls()->Left()->SetVisible(true);
            chart->Walls()->Right()->SetVisible(false);
            chart->RightAxis()->SetZPosition(100);
            o->SetRotationInteger(300);
            break;
        default:
            chart->Walls()->Left()->SetVisible(false);
            chart->Walls()->Right()->SetVisible(true);
            chart->RightAxis()->SetZPosition(0);
            chart->LeftAxis()->SetZPosition(100);
            o->SetRotationInteger(45);
            break;
        }
        FViewCharts.push_back(chart);
    }
}

void TFormTee3D::SelectMatchingView() {
    FSelectedView = -1;
    if (!TheChart) return;
    TView3DOptions* o = TheChart->View3DOptions();
    for (std::size_t i = 0; i < FViewCharts.size(); ++i) {
        TCustomChart* v = FViewCharts[i];
        TView3DOptions* vo = v->View3DOptions();
        if (v->View3D() == TheChart->View3D() && vo->Orthogonal() == o->Orthogonal() &&
            vo->OrthoAngle() == o->OrthoAngle() && vo->Rotation() == o->Rotation() &&
            vo->Elevation() == o->Elevation()) {
            FSelectedView = int(i);
            break;
        }
    }
    if (FSelectedView >= 0) {
        // Showing the chart's own view changes nothing in the chart.
        const bool old = Changing;
        Changing = true;
        ChartGalleryPanel1->SelectChart(static_cast<TGalleryChart*>(FViewCharts[std::size_t(FSelectedView)]));
        Changing = old;
    }
}

void TFormTee3D::SelectView(int Index) {
    if (!TheChart || Index < 0 || Index >= int(FViewCharts.size())) return;
    TCustomChart* v = FViewCharts[std::size_t(Index)];
    TheChart->SetView3D(v->View3D());
    TheChart->View3DOptions()->SetOrthogonal(v->View3DOptions()->Orthogonal());
    TheChart->View3DOptions()->SetOrthoAngle(v->View3DOptions()->OrthoAngle());
    TheChart->View3DOptions()->SetRotationInteger(v->View3DOptions()->Rotation());
    TheChart->View3DOptions()->SetElevationInteger(v->View3DOptions()->Elevation());
    FSelectedView = Index;
}

void TFormTee3D::ViewChartClick(TObject* Sender) {
    auto* chart = dynamic_cast<TGalleryChart*>(Sender);
    if (!chart) return;
    ChartGalleryPanel1->SelectChart(chart);
    SelectView(int(chart->Tag()));
}

void TFormTee3D::ChartGalleryPanel1ChangeChart(TObject*) {
    if (Changing || !ChartGalleryPanel1->SelectedChart()) return;
    SelectView(int(ChartGalleryPanel1->SelectedChart()->Tag()));
}
