// The wall classes and the chart's drawing of its walls: the back wall behind the series
// (in 2-D the filled plotting rectangle), the side walls and the bottom wall in 3-D.
#include "chart/engine/chart/ChartWalls.h"

#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeBlend.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/panel/TeePanelExtended.h"
#include "chart/engine/pictures/TeeFilters.h"
#include "platform/classes/TypInfo.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/SysMath.h"

#include <cstdlib>

ORVO_IMPLEMENT_CLASS(TCustomChartWall, TTeeCustomShape)
ORVO_IMPLEMENT_CLASS(TChartWall, TCustomChartWall)
ORVO_IMPLEMENT_CLASS(TChartBackWall, TChartWall)
ORVO_IMPLEMENT_CLASS(TChartLeftWall, TChartWall)
ORVO_IMPLEMENT_CLASS(TChartBottomWall, TChartWall)
ORVO_IMPLEMENT_CLASS(TChartRightWall, TChartWall)
ORVO_IMPLEMENT_CLASS(TChartWalls, TPersistent)

// ---- TCustomChartWall ------------------------------------------------------------------------

TCustomChartWall::TCustomChartWall(TCustomTeePanel* Chart) : TTeeCustomShape(Chart) {
    InitColor(clTeeColor);
}

TCustomAxisPanel* TCustomChartWall::Chart() const {
    return dynamic_cast<TCustomAxisPanel*>(FParent);
}

void TCustomChartWall::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TCustomChartWall*>(Source)) {
        FAutoHide = s->FAutoHide;
        FDark3D = s->FDark3D;
        FEnd = s->FEnd;
        FSize = s->FSize;
        FStart = s->FStart;
    }
    TTeeCustomShape::Assign(Source);
}

void TCustomChartWall::InitColor(TColor Value) {
    SetColor(Value);
    DefaultColor = Value;
}

bool TCustomChartWall::ApplyDark3D() const {
    return FDark3D && Brush()->Style() != bsClear && !Brush()->Bitmap();
}

bool TCustomChartWall::HasVisibleGradient() const {
    return HasGradient() && const_cast<TCustomChartWall*>(this)->Gradient()->Visible();
}

bool TCustomChartWall::ShouldDraw() const {
    TCustomAxisPanel* chart = Chart();
    return chart && chart->View3DWalls() && Visible() && !FAutoHide;
}

void TCustomChartWall::SetChartBool(bool& Field, bool Value) {
    if (FParent)
        FParent->SetBooleanProperty(Field, Value);
    else
        Field = Value;
}

void TCustomChartWall::SetChartInt(int& Field, int Value) {
    if (FParent)
        FParent->SetIntegerProperty(Field, Value);
    else
        Field = Value;
}

void TCustomChartWall::SetAutoHide(bool Value) {
    SetChartBool(FAutoHide, Value);
}
void TCustomChartWall::SetDark3D(bool Value) {
    SetChartBool(FDark3D, Value);
}
void TCustomChartWall::SetEndPosition(int Value) {
    SetChartInt(FEnd, Value);
}
void TCustomChartWall::SetSize(int Value) {
    SetChartInt(FSize, Value);
}
void TCustomChartWall::SetStartPosition(int Value) {
    SetChartInt(FStart, Value);
}

void TCustomChartWall::CalcPositions(int& Top, int& Bottom) const {
    TCustomAxisPanel* chart = Chart();
    const TRect& r = chart->ChartRect;
    Bottom = r.Bottom + chart->CalcWallSize(chart->BottomAxis());
    if (FEnd != 100) Bottom -= Round((100 - FEnd) * (Bottom - r.Top) * 0.01);
    Top = r.Top;
    if (FStart != 0) Top += Round(FStart * (r.Bottom - r.Top) * 0.01);
}

TTeeBlend* TCustomChartWall::TryDrawWall(int X, int Bottom) {
    if (Transparent() || (Transparency() == 0 && !HasVisibleGradient())) return nullptr;
    TCustomAxisPanel* chart = Chart();
    TCanvas3D* canvas = chart->Canvas();
    int top = 0, bottom = 0;
    CalcPositions(top, bottom);
    (void)bottom;
    const int w = chart->Width3D();
    TFourPoints p{canvas->Calculate3DPosition(X, top, 0), canvas->Calculate3DPosition(X, top, w),
                  canvas->Calculate3DPosition(X, Bottom, w), canvas->Calculate3DPosition(X, Bottom, 0)};
    TTeeBlend* blend = nullptr;
    if (Transparency() > 0) blend = canvas->BeginBlending(RectFromPolygon(p, 4), Transparency());
    if (HasVisibleGradient()) {
        Gradient()->Draw(static_cast<TTeeCanvas*>(canvas), p);
        canvas->Brush()->SetStyle(bsClear);
    }
    return blend;
}

void TCustomChartWall::DoEndBlending(TTeeBlend* Blend) {
    if (!Blend) return;
    if (HasPicture() && !Picture()->Graphic() && Picture()->HasFilters() && Blend->Bitmap())
        Picture()->Filters()->ApplyTo(Blend->Bitmap());
    Chart()->Canvas()->EndBlending(Blend);
}

TChartBackWall::TChartBackWall(TCustomTeePanel* Chart) : TChartWall(Chart) {
    InitColor(clSilver);
    SetTransparent(true);
    DefaultTransparent = true;
    Shadow()->InitValues(TColor(0x808080), Shadow()->Size());
    Shadow()->SetVisible(false);
    Shadow()->DefaultVisible = false;
}

TChartLeftWall::TChartLeftWall(TCustomTeePanel* Chart) : TChartWall(Chart) {
    InitColor(TColor(0x80FFFF));
}

TChartBottomWall::TChartBottomWall(TCustomTeePanel* Chart) : TChartWall(Chart) {
    InitColor(TColor(0xFFFFFF));
}

TChartRightWall::TChartRightWall(TCustomTeePanel* Chart) : TChartWall(Chart) {
    InitColor(clSilver);
    SetVisible(false);
}

// ---- TChartWalls -----------------------------------------------------------------------------

TChartWalls::TChartWalls(TCustomAxisPanel* Chart)
    : FBack(new TChartBackWall(Chart)), FBottom(nullptr), FChart(Chart), FLeft(new TChartLeftWall(Chart)),
      FRight(nullptr) {
    FBottom = new TChartBottomWall(Chart);
    FRight = new TChartRightWall(Chart);
}

TChartWalls::~TChartWalls() {
    delete FBack;
    delete FBottom;
    delete FLeft;
    delete FRight;
}

void TChartWalls::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TChartWalls*>(Source)) {
        FBack->Assign(s->FBack);
        FBottom->Assign(s->FBottom);
        FLeft->Assign(s->FLeft);
        FRight->Assign(s->FRight);
        return;
    }
    TPersistent::Assign(Source);
}

void TChartWalls::SetBack(TChartBackWall* Value) {
    FBack->Assign(Value);
}
void TChartWalls::SetBottom(TChartBottomWall* Value) {
    FBottom->Assign(Value);
}
void TChartWalls::SetLeft(TChartLeftWall* Value) {
    FLeft->Assign(Value);
}
void TChartWalls::SetRight(TChartRightWall* Value) {
    FRight->Assign(Value);
}

void TChartWalls::SetSize(int Value) {
    FLeft->SetSize(Value);
    FRight->SetSize(Value);
    FBack->SetSize(Value);
    FBottom->SetSize(Value);
}

bool TChartWalls::Visible() const {
    return FChart && FChart->View3DWalls();
}

void TChartWalls::SetVisible(bool Value) {
    if (FChart) FChart->SetView3DWalls(Value);
}

// ---- the chart's walls -------------------------------------------------------------------------

void TCustomChart::PrepareWallCanvas(TCustomChartWall* Wall) {
    TCanvas3D* canvas = Canvas();
    canvas->AssignVisiblePenColor(Wall->Pen(), Wall->Pen()->Color());
    if (Wall->Transparent())
        canvas->Brush()->SetStyle(bsClear);
    else
        SetBrushCanvas(Wall->Color(), Wall->Brush(), Wall->Brush()->Color());
}

bool TCustomChart::DrawWallFirst(int X) {
    TCanvas3D* canvas = Canvas();
    if (canvas->SupportsFullRotation()) return true;
    const int b = ChartRect.Bottom + CalcWallSize(BottomAxis());
    const TPoint p0 = canvas->Calculate3DPosition(X, ChartRect.Top, 0);
    const TPoint p1 = canvas->Calculate3DPosition(X, b, 0);
    const TPoint p2 = canvas->Calculate3DPosition(X, b, BackWall()->Size() + Width3D());
    return TeeCull(p0, p1, p2);
}

void TCustomChart::DrawWalls() {
    if (!ActiveSeriesUseAxis() || !View3DWalls()) return;
    const bool in3D = View3D();
    if (in3D && RightWall()->Visible() && !DrawRightWallAfter()) DrawRightWall();
    if (BackWall()->Visible() && !DrawBackWallAfter(Width3D())) DrawBackWall();
    if (!in3D) return;
    if (LeftWall()->Visible() && !DrawLeftWallFirst()) DrawLeftWall();
    if (BottomWall()->Visible()) DrawBottomWall();
    if (DrawBackWallAfter(0)) {
        if (IsAxisVisible(TopAxis())) TopAxis()->Draw(true);
        if (IsAxisVisible(BottomAxis())) BottomAxis()->Draw(true);
    }
}

namespace {
// Stretches a wall's picture onto a plane of the 3-D box.
void DrawWallPicture(TCustomChartWall* Wall, TCanvas3D* Canvas, const TRect& R, int Pos,
                     TCanvas3DPlane Plane) {
    if (!Wall->HasPicture() || !Wall->Picture()->Graphic()) return;
    Canvas->StretchDraw(R, Wall->Picture()->Filtered(), Pos, Plane);
}
} // namespace

void TCustomChart::DrawRightWall() {
    TChartRightWall* wall = RightWall();
    if (!wall->Visible() || !ActiveSeriesUseAxis() || !View3D() || !View3DWalls()) return;
    TCanvas3D* canvas = Canvas();
    PrepareWallCanvas(wall);
    int top = 0, bottom = 0;
    wall->CalcPositions(top, bottom);
    TTeeBlend* blend = wall->TryDrawWall(ChartRect.Right, bottom);
    if (wall->Size() <= 0) {
        canvas->RectangleZ(ChartRect.Right, top, bottom, 0, Width3D() + 1);
    } else {
        const int s = BackWall()->Visible() ? BackWall()->Size() : 0;
        canvas->Cube(ChartRect.Right, ChartRect.Right + wall->Size(), top, bottom, 0, Width3D() + s,
                     wall->ApplyDark3D());
    }
    DrawWallPicture(wall, canvas, TRect{0, top, Width3D(), bottom}, ChartRect.Right, cpX);
    wall->DoEndBlending(blend);
}

void TCustomChart::DrawLeftWall() {
    if (!View3D() || !View3DWalls()) return;
    TChartLeftWall* wall = LeftWall();
    TCanvas3D* canvas = Canvas();
    PrepareWallCanvas(wall);
    int top = 0, bottom = 0;
    wall->CalcPositions(top, bottom);
    TTeeBlend* blend = wall->TryDrawWall(ChartRect.Left, bottom);
    if (wall->Size() <= 0)
        canvas->RectangleZ(ChartRect.Left, top, bottom, 0, Width3D());
    else
        canvas->Cube(ChartRect.Left - wall->Size(), ChartRect.Left, top, bottom, 0, Width3D(),
                     wall->ApplyDark3D());
    DrawWallPicture(wall, canvas, TRect{0, top, Width3D(), bottom}, ChartRect.Left, cpX);
    wall->DoEndBlending(blend);
}

void TCustomChart::DrawBottomWall() {
    TChartBottomWall* wall = BottomWall();
    TCanvas3D* canvas = Canvas();
    PrepareWallCanvas(wall);
    const int y = ChartRect.Bottom;
    const int w = Width3D();
    const int z0 = wall->StartPosition() != 0 ? Round(wall->StartPosition() * w * 0.01) : 0;
    const int z1 = wall->EndPosition() != 100 ? w - Round((100 - wall->EndPosition()) * w * 0.01) : w;
    int x0 = ChartRect.Left;
    if (LeftWall()->Visible() && LeftWall()->AutoHide() && DrawLeftWallFirst())
        x0 -= CalcWallSize(LeftAxis());
    const int x1 = ChartRect.Right;
    TTeeBlend* blend = nullptr;
    if (!wall->Transparent()) {
        TFourPoints p{canvas->Calculate3DPosition(x0, y, z0), canvas->Calculate3DPosition(x0, y, z1),
                      canvas->Calculate3DPosition(x1, y, z1), canvas->Calculate3DPosition(x1, y, z0)};
        if (wall->Transparency() > 0)
            blend = canvas->BeginBlending(RectFromPolygon(p, 4), wall->Transparency());
        if (wall->HasVisibleGradient()) {
            wall->Gradient()->Draw(static_cast<TTeeCanvas*>(canvas), p);
            canvas->Brush()->SetStyle(bsClear);
        }
    }
    if (wall->Size() < 1)
        canvas->RectangleY(x0, y, x1, z0, z1);
    else
        canvas->Cube(x0, x1, y, y + wall->Size(), z0, z1, wall->ApplyDark3D());
    DrawWallPicture(wall, canvas, TRect{x0, z1, x1, z0}, y, cpY);
    wall->DoEndBlending(blend);
}

void TCustomChart::DrawBackWall() {
    TChartBackWall* wall = BackWall();
    TCanvas3D* canvas = Canvas();
    PrepareWallCanvas(wall);
    TTeeBlend* blend = nullptr;
    int top = 0, bottom = 0;
    wall->CalcPositions(top, bottom);
    const TRect plain{ChartRect.Left, top, ChartRect.Right, bottom};
    TRect r = plain;
    const int w = Width3D();
    auto beginBlend = [&] {
        if (wall->Transparency() > 0)
            blend = canvas->BeginBlending(canvas->RectFromRectZ(r, w), wall->Transparency());
    };
    const bool shadow = wall->Shadow() && wall->Shadow()->Visible() && wall->Shadow()->Size() != 0;
    const bool gradient = wall->HasVisibleGradient() && !wall->Transparent();
    if (!View3D()) {
        ++r.Right;
        if (wall->EndPosition() == 100) ++r.Bottom;
        beginBlend();
        if (shadow) wall->Shadow()->Draw(canvas, r);
        if (gradient) {
            wall->Gradient()->Draw(static_cast<TTeeCanvas*>(canvas), r, 0);
            canvas->Brush()->SetStyle(bsClear);
        }
        canvas->Rectangle(r);
    } else if (View3DWalls()) {
        int s = wall->Size();
        if (w < 0) s = -s;
        if (wall->Size() > 0) r.Left -= CalcWallSize(LeftAxis());
        beginBlend();
        const bool ortho = View3DOptions()->Orthogonal();
        const bool full = canvas->SupportsFullRotation();
        if (shadow) {
            if (ortho) {
                wall->Shadow()->Draw(canvas, canvas->CalcRect3D(r, w));
            } else {
                TFourPoints p;
                canvas->FourPointsFromRect(r, w, p);
                wall->Shadow()->Draw(canvas, std::span<const TPoint>(p));
            }
        }
        if (gradient) {
            if (ortho) {
                wall->Gradient()->Draw(static_cast<TTeeCanvas*>(canvas), canvas->CalcRect3D(r, w), 0);
            } else if (full) {
                canvas->GradientZ = w;
                wall->Gradient()->Draw(static_cast<TTeeCanvas*>(canvas), r, 0);
                canvas->GradientZ = 0;
            } else {
                TFourPoints p;
                canvas->FourPointsFromRect(r, w, p);
                wall->Gradient()->Draw(static_cast<TTeeCanvas*>(canvas), p);
            }
            if (!full) canvas->Brush()->SetStyle(bsClear);
        }
        canvas->AssignVisiblePenColor(wall->Pen(), wall->Pen()->Color());
        if (wall->Size() < 1)
            canvas->RectangleWithZ(r, w);
        else
            canvas->Cube(r, w, w + s, wall->ApplyDark3D());
    }
    if (wall->HasPicture() && wall->Picture()->Graphic()) {
        wall->Picture()->Draw(this, plain, w);
    } else if (HasBackImage() && BackImageInside()) {
        TRect image = plain;
        if (wall->Pen()->Visible())
            image = TRect{image.Left + 1, image.Top + 1, image.Right + 1, image.Bottom + 1};
        DrawBitmap(image, w);
    }
    wall->DoEndBlending(blend);
}

// ---- published -------------------------------------------------------------------------------

ORVO_PUBLISHED(TChartWall) {
    using T = TChartWall;
    P.Property("AutoHide", &T::AutoHide, &T::SetAutoHide).Default(false);
    P.Property("Brush", &T::Brush, &T::SetBrush);
    P.Property("Color", &T::Color, &T::SetColor).Type(TypeInfoTColor()).Stored(&T::IsColorStored);
    P.Property("Dark3D", &T::Dark3D, &T::SetDark3D).Default(true);
    P.Property("EndPosition", &T::EndPosition, &T::SetEndPosition).Default(100);
    P.Property("Gradient", &T::Gradient, &T::SetGradient).Present(&T::HasGradient);
    P.Property("Pen", &T::Pen, &T::SetPen);
    P.Property("Size", &T::Size, &T::SetSize).Default(0);
    P.Property("StartPosition", &T::StartPosition, &T::SetStartPosition).Default(0);
    P.Property("Transparency", &T::Transparency, &T::SetTransparency).Default(0);
    P.Property("Transparent", &T::Transparent, &T::SetTransparent).Stored(&T::IsTransparentStored);
    P.Property("Visible", &T::Visible, &T::SetVisible).Default(true);
}

ORVO_PUBLISHED(TChartBackWall) {
    using T = TChartBackWall;
    P.Property("Picture", &T::Picture, &T::SetPicture).Present(&T::HasPicture);
    P.Property("Shadow", &T::Shadow, &T::SetShadow);
}

ORVO_PUBLISHED(TChartLeftWall) {
    using T = TChartLeftWall;
    P.Property("Picture", &T::Picture, &T::SetPicture).Present(&T::HasPicture);
}

ORVO_PUBLISHED(TChartBottomWall) {
    using T = TChartBottomWall;
    P.Property("Picture", &T::Picture, &T::SetPicture).Present(&T::HasPicture);
}

ORVO_PUBLISHED(TChartRightWall) {
    using T = TChartRightWall;
    P.Property("Picture", &T::Picture, &T::SetPicture).Present(&T::HasPicture);
    P.Property("Visible", &T::Visible, &T::SetVisible).Default(false);
}
