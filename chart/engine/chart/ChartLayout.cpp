// TCustomChart: the layout half of the chart control. Title blocks and the legend take their
// room from the plotting box in a fixed order, the walls take theirs in 3-D, and the walls
// that face the viewer are drawn again over the series.
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartRegistries.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Reader.h"
#include "platform/classes/StringList.h"
#include "platform/classes/Writer.h"

#include <cstdlib>

ORVO_IMPLEMENT_EVENT_TYPE(TOnGetLegendPos)
ORVO_IMPLEMENT_EVENT_TYPE(TOnGetLegendRect)
ORVO_IMPLEMENT_EVENT_TYPE(TOnGetLegendText)

int TCustomChart::CalcWallSize(TChartAxis* Axis) {
    if (!View3D() || !View3DWalls()) return 0;
    TCustomChartWall* wall = BackWall();
    if (Axis == LeftAxis())
        wall = LeftWall();
    else if (Axis == BottomAxis())
        wall = BottomWall();
    else if (Axis == RightAxis())
        wall = RightWall();
    return wall->Visible() ? wall->Size() : 0;
}

void TCustomChart::CalcWallsRect() {
    CalcSize3DWalls();
    if (View3D() && View3DOptions()->Orthogonal() && !CustomChartRect()) {
        const int s = ActiveSeriesUseAxis() ? BackWall()->Size() : 0;
        if (View3DOptions()->OrthoAngle() > 90) {
            ChartRect.Left += std::abs(Width3D()) + s;
            if (LeftWall()->Visible()) ChartRect.Left += LeftWall()->Size() + 1;
        } else {
            ChartRect.Right -= std::abs(Width3D()) + s;
            if (RightWall()->Visible()) ChartRect.Right -= RightWall()->Size() + 1;
        }
        ChartRect.Top += s + std::abs(Height3D());
    }
    ReCalcWidthHeight();
}

void TCustomChart::DrawTitleBlocks(bool BeforeSeries) {
    TCanvas3D* canvas = Canvas();
    const std::pair<TChartTitle*, const char16_t*> blocks[] = {
        {FTitle, u"title"}, {FSubTitle, u"subtitle"}, {FFoot, u"foot"}, {FSubFoot, u"subfoot"}};
    for (const auto& [block, entity] : blocks) {
        if (block->CustomPosition() == BeforeSeries) continue;
        canvas->BeginEntity(String::fromUtf16(entity));
        block->DrawTitle();
        canvas->EndEntity();
    }
}

void TCustomChart::DrawTitlesAndLegend(bool BeforeSeries) {
    TCanvas3D* canvas = Canvas();
    canvas->FrontPlaneBegin();
    if (BeforeSeries) {
        if (FLegend->CustomPosition() || !FLegend->ShouldDraw()) {
            DrawTitleBlocks(true);
        } else if (FLegend->Vertical()) {
            FLegend->DrawLegend();
            DrawTitleBlocks(true);
        } else {
            DrawTitleBlocks(true);
            FLegend->DrawLegend();
        }
    } else {
        if (FLegend->CustomPosition() && FLegend->ShouldDraw()) FLegend->DrawLegend();
        DrawTitleBlocks(false);
    }
    canvas->FrontPlaneEnd();
    if (!BeforeSeries && View3D() && ActiveSeriesUseAxis()) DrawWallsAfterSeries();
}

void TCustomChart::DrawWallsAfterSeries() {
    // The axes on these walls are drawn again over them, at the positions of this frame.
    if (DrawRightWallAfter()) {
        if (RightWall()->ShouldDraw()) DrawRightWall();
        if (IsAxisVisible(RightAxis())) RightAxis()->Draw(false);
    }
    if (!DrawLeftWallFirst()) {
        if (LeftWall()->ShouldDraw()) DrawLeftWall();
        if (IsAxisVisible(LeftAxis())) LeftAxis()->Draw(false);
    }
    if (DrawBackWallAfter(Width3D())) {
        if (IsAxisVisible(TopAxis())) TopAxis()->Draw(false);
        if (IsAxisVisible(BottomAxis())) BottomAxis()->Draw(false);
        if (BackWall()->ShouldDraw()) DrawBackWall();
    }
}

void TCustomChart::DrawLegendShape(const TRect& Rect) {
    TTeeGradient* gradient = FLegend->Symbol()->Gradient();
    if (gradient && gradient->Visible())
        FLegend->Symbol()->Draw(Canvas()->Brush()->Color(), Rect);
    else
        TCustomAxisPanel::DrawLegendShape(Rect);
}

String TCustomChart::FormattedLegend(int SeriesOrValueIndex) {
    String result = FLegend->FormattedLegend(SeriesOrValueIndex);
    if (OnGetLegendText) OnGetLegendText(this, FLegend->CalcLegendStyle(), SeriesOrValueIndex, result);
    return result;
}

String TCustomChart::FormattedValueLegend(TChartSeries* ASeries, int ValueIndex) {
    if (!ASeries) return String();
    return (ASeries->ILegend ? ASeries->ILegend : FLegend)->FormattedValue(ASeries, ValueIndex);
}

String TCustomChart::AxisTitleOrName(TChartAxis* Axis) {
    String result = Axis->Title()->Caption();
    if (!result.isEmpty()) return result;
    if (Axis == DepthAxis()) return TeeMsg_DepthAxis;
    if (Axis == DepthTopAxis()) return TeeMsg_DepthTopAxis;
    if (Axis->Horizontal()) return Axis->OtherSide() ? TeeMsg_TopAxis : TeeMsg_BottomAxis;
    return Axis->OtherSide() ? TeeMsg_RightAxis : TeeMsg_LeftAxis;
}

void TCustomChart::SetColorPaletteIndex(int Value) {
    if (Value != FColorPaletteIndex) TColorPalettes::ApplyPalette(this, Value);
}

TChartPen* TCustomChart::Frame() const {
    return BackWall()->Pen();
}

void TCustomChart::SetFrame(TChartPen* Value) {
    BackWall()->SetPen(Value);
}

TColor TCustomChart::BackColor() {
    return GetBackColor();
}

TColor TCustomChart::GetBackColor() {
    return BackWall()->Transparent() ? Color() : BackWall()->Color();
}

void TCustomChart::SetBackColor(TColor Value) {
    BackWall()->SetColor(Value);
    if (Parent() && !ComponentState().Contains(csLoading)) BackWall()->Brush()->SetStyle(bsSolid);
}

void TCustomChart::Assign(TPersistent* Source) {
    if (auto* c = dynamic_cast<TCustomChart*>(Source)) {
        SetColorPaletteIndex(c->FColorPaletteIndex);
        FFoot->Assign(c->FFoot);
        FLegend->Assign(c->FLegend);
        FScrollMouse = c->FScrollMouse;
        FSubFoot->Assign(c->FSubFoot);
        FSubTitle->Assign(c->FSubTitle);
        FTitle->Assign(c->FTitle);
        FWalls->Assign(c->FWalls);
    }
    TCustomAxisPanel::Assign(Source);
}

void TCustomChart::DefineProperties(TFiler* Filer) {
    TCustomAxisPanel::DefineProperties(Filer);
    auto* ancestor = dynamic_cast<TCustomChart*>(Filer->Ancestor());
    const bool write = ancestor ? ancestor->FColorPaletteIndex != FColorPaletteIndex : FColorPaletteIndex > 0;
    Filer->DefineProperty(QStringLiteral("ColorPaletteIndex"),
                          TReaderProc(this, &TCustomChart::ReadColorPaletteIndex),
                          TWriterProc(this, &TCustomChart::WriteColorPaletteIndex), write);
}

void TCustomChart::ReadColorPaletteIndex(TReader* Reader) {
    SetColorPaletteIndex(Reader->ReadInteger());
}

void TCustomChart::WriteColorPaletteIndex(TWriter* Writer) {
    Writer->WriteInteger(FColorPaletteIndex);
}
