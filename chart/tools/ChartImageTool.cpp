// TChartImageTool and TClipSeriesTool: the picture behind the series and the clip of a
// series to its axes.
#include "chart/tools/ChartImageTool.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/pictures/TeePicture.h"
#include "chart/engine/texts/TeeConst.h"

ORVO_IMPLEMENT_CLASS(TChartImageTool, TTeeCustomToolSeries)
ORVO_IMPLEMENT_CLASS(TClipSeriesTool, TTeeCustomToolSeries)

ORVO_PUBLISHED(TChartImageTool) {
    using T = TChartImageTool;
    P.Property("Pen", &T::Pen, &T::SetPen);
    P.Property("Picture", &T::Picture, &T::SetPicture).Stored(&T::HasGraphic);
    P.Property("Series", &T::Series, &T::SetSeries);
}

ORVO_PUBLISHED(TClipSeriesTool) {
    using T = TClipSeriesTool;
    P.Property("Series", &T::Series, &T::SetSeries);
}

// ---- TChartImageTool ---------------------------------------------------------------------------

TChartImageTool::TChartImageTool(TComponent* AOwner) : TTeeCustomToolSeries(AOwner) {
    FPicture = new TTeePicture();
    FPicture->OnChange = TNotifyEvent(this, &TChartImageTool::PictureChanged);
    Pen()->SetVisible(false);
}

TChartImageTool::~TChartImageTool() {
    delete FPicture;
}

String TChartImageTool::Description() {
    return TeeMsg_ImageTool;
}

String TChartImageTool::LongDescription() {
    return TeeMsg_ImageToolDesc;
}

void TChartImageTool::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TChartImageTool*>(Source)) FPicture->Assign(s->FPicture);
    TTeeCustomToolSeries::Assign(Source);
}

void TChartImageTool::PictureChanged(TObject*) {
    Repaint();
}

void TChartImageTool::SetPicture(TTeePicture* Value) {
    FPicture->Assign(Value);
}

bool TChartImageTool::HasGraphic() const {
    return FPicture->Graphic() && !FPicture->Graphic()->Empty();
}

void TChartImageTool::SetSeries(TChartSeries* Value) {
    TTeeCustomToolSeries::SetSeries(Value);
    Repaint();
}

TRect TChartImageTool::ImageRect() {
    if (!FParent) return TRect{0, 0, 0, 0};
    if (FSeries) {
        return TRect{
            FSeries->CalcXPosValue(FSeries->MinXValue()), FSeries->CalcYPosValue(FSeries->MaxYValue()),
            FSeries->CalcXPosValue(FSeries->MaxXValue()), FSeries->CalcYPosValue(FSeries->MinYValue())};
    }
    TChartAxis* h = GetHorizAxis();
    TChartAxis* v = GetVertAxis();
    if (!h || !v) return TRect{0, 0, 0, 0};
    return TRect{h->CalcXPosValue(h->Minimum()), v->CalcYPosValue(v->Maximum()),
                 h->CalcXPosValue(h->Maximum()), v->CalcYPosValue(v->Minimum())};
}

void TChartImageTool::ChartEvent(TChartToolEvent AEvent) {
    TTeeCustomToolSeries::ChartEvent(AEvent);
    if (AEvent != cteBeforeDrawSeries || !FParent || !HasGraphic()) return;
    TCanvas3D* canvas = FParent->Canvas();
    const TRect r = ImageRect();
    const bool is3D = FParent->View3D();
    const int z = FParent->Width3D();
    const bool clip = FParent->CanClip();
    if (clip) canvas->ClipCube(FParent->ChartRect, 0, z);
    try {
        TGraphic* graphic = FPicture->Filtered();
        if (!is3D || canvas->IsOrthogonal())
            canvas->StretchDraw(is3D ? canvas->CalcRect3D(r, z) : r, graphic);
        else
            canvas->StretchDraw(r, graphic, z, cpZ);
        if (Pen()->Visible()) {
            canvas->AssignVisiblePen(Pen());
            canvas->Brush()->SetStyle(bsClear);
            if (is3D)
                canvas->RectangleWithZ(r, z);
            else
                canvas->Rectangle(r);
        }
    } catch (...) {
        if (clip) canvas->UnClipRectangle();
        throw;
    }
    if (clip) canvas->UnClipRectangle();
}

// ---- TClipSeriesTool ---------------------------------------------------------------------------

String TClipSeriesTool::Description() {
    return TeeMsg_ClipSeries;
}

String TClipSeriesTool::LongDescription() {
    return TeeMsg_ClipSeriesDesc;
}

void TClipSeriesTool::SeriesEvent(TChartToolEvent AEvent) {
    if (!FParent) return;
    TCanvas3D* canvas = FParent->Canvas();
    if (AEvent == cteBeforeDrawSeries) {
        if (!FSeries || !FParent->CanClip()) return;
        TChartAxis* h = FSeries->GetHorizAxis();
        TChartAxis* v = FSeries->GetVertAxis();
        if (!h || !v) return;
        canvas->ClipRectangle(TRect{h->IStartPos, v->IStartPos, h->IEndPos, v->IEndPos});
        FClipped = true;
    } else if (AEvent == cteAfterDrawSeries && FClipped) {
        FClipped = false;
        canvas->UnClipRectangle();
    }
}
