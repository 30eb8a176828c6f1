// TChartShape: the corners, the shape in 2-D and 3-D, its text, the hit test, the legend
// symbol, the gallery styles and sample corners.
#include "chart/series/ChartShape.h"

#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeBlend.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "chart/engine/panel/HitTests.h"
#include "chart/engine/series/ChartValueList.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/classes/StringList.h"

#include <algorithm>
#include <cmath>

ORVO_IMPLEMENT_ENUM_TYPE(TChartShapeStyle, "chasRectangle", "chasCircle", "chasVertLine", "chasHorizLine",
                         "chasTriangle", "chasInvertTriangle", "chasLine", "chasDiamond", "chasCube",
                         "chasCross", "chasDiagCross", "chasStar", "chasPyramid", "chasInvertPyramid")
ORVO_IMPLEMENT_ENUM_TYPE(TChartShapeXYStyle, "xysPixels", "xysAxis", "xysAxisOrigin")
ORVO_IMPLEMENT_ENUM_TYPE(TTeeVertAlign, "vaTop", "vaCenter", "vaBottom")
ORVO_IMPLEMENT_CLASS(TChartShape, TChartSeries)

ORVO_PUBLISHED(TChartShape) {
    using S = TChartShape;
    P.Property("Alignment", &S::Alignment, &S::SetAlignment).Default(taCenter);
    P.Property("Brush", &S::Brush, &S::SetBrush);
    P.Property("Font", &S::Font, &S::SetFont);
    P.Property("Gradient", &S::Gradient, &S::SetGradient);
    P.Property("Pen", &S::Pen, &S::SetPen);
    P.Property("RoundRectangle", &S::RoundRectangle, &S::SetRoundRectangle).Default(false);
    P.Property("Style", &S::Style, &S::SetStyle).Default(chasCircle);
    P.Property("Text", &S::Text, &S::SetText);
    P.Property("Transparency", &S::Transparency, &S::SetTransparency).Default(0);
    P.Property("Transparent", &S::Transparent, &S::SetTransparent).Default(false);
    P.Property("VertAlign", &S::VertAlign, &S::SetVertAlign).Default(vaCenter);
    P.Property("XYStyle", &S::XYStyle, &S::SetXYStyle).Default(xysAxis);
}

TChartShape::TChartShape(TComponent* AOwner) : TChartSeries(AOwner) {
    FFont = new TTeeFont(changedEvent());
    FGradient = new TTeeGradient(changedEvent());
    FText = new TStringList();
    FText->OnChange = TNotifyEvent(this, &TChartShape::TextChanged);
    SetCalcVisiblePoints(false);
    FBrush->SetColor(clWhite);
    TChartSeries::SetSeriesColor(FBrush->Color());
    AddXY(0, 0);
    AddXY(100, 100);
}

TChartShape::~TChartShape() {
    delete FText;
    delete FGradient;
    delete FFont;
}

void TChartShape::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TChartShape*>(Source)) {
        FAlignment = s->FAlignment;
        FFont->Assign(s->FFont);
        FGradient->Assign(s->FGradient);
        FRoundRectangle = s->FRoundRectangle;
        FStyle = s->FStyle;
        FText->Assign(s->FText);
        FTransparency = s->FTransparency;
        FTransparent = s->FTransparent;
        FVertAlign = s->FVertAlign;
        FXYStyle = s->FXYStyle;
    }
    TChartSeries::Assign(Source);
}

void TChartShape::TextChanged(TObject* Sender) {
    (void)Sender;
    Repaint();
}

TStrings* TChartShape::Text() const {
    return FText;
}

void TChartShape::SetText(TStrings* Value) {
    FText->Assign(Value);
    Repaint();
}

void TChartShape::SetFont(TTeeFont* Value) {
    FFont->Assign(Value);
}

void TChartShape::SetGradient(TTeeGradient* Value) {
    FGradient->Assign(Value);
}

void TChartShape::SetSeriesColor(TColor AColor) {
    TChartSeries::SetSeriesColor(AColor);
    FBrush->SetColor(AColor);
}

// ---- corners ----------------------------------------------------------------------------------

void TChartShape::EnsurePoints(int Needed) {
    while (Count() < Needed)
        AddXY(0, 0);
}

double TChartShape::X0() {
    EnsurePoints(1);
    return XValues()->Value(0);
}

double TChartShape::Y0() {
    EnsurePoints(1);
    return YValues()->Value(0);
}

double TChartShape::X1() {
    EnsurePoints(2);
    return XValues()->Value(1);
}

double TChartShape::Y1() {
    EnsurePoints(2);
    return YValues()->Value(1);
}

void TChartShape::SetCorner(int Index, bool IsX, double Value) {
    EnsurePoints(Index + 1);
    (IsX ? XValues() : YValues())->SetValue(Index, Value);
    // The corners were set by hand: they are stored with the series.
    SetManualData(true);
    Repaint();
}

void TChartShape::SetX0(double Value) {
    SetCorner(0, true, Value);
}

void TChartShape::SetY0(double Value) {
    SetCorner(0, false, Value);
}

void TChartShape::SetX1(double Value) {
    SetCorner(1, true, Value);
}

void TChartShape::SetY1(double Value) {
    SetCorner(1, false, Value);
}

TRect TChartShape::GetShapeRectangle() {
    switch (FXYStyle) {
    case xysAxis:
        return TRect{CalcXPos(0), CalcYPos(0), CalcXPos(1), CalcYPos(1)};
    case xysAxisOrigin: {
        const int left = CalcXPos(0), top = CalcYPos(0);
        return TRect{left, top, left + int(std::round(X1())), top + int(std::round(Y1()))};
    }
    default:
        return TRect{int(std::round(X0())), int(std::round(Y0())), int(std::round(X1())),
                     int(std::round(Y1()))};
    }
}

void TChartShape::SetShapeRectangle(const TRect& Rect) {
    SetXYStyle(xysPixels);
    SetX0(Rect.Left);
    SetY0(Rect.Top);
    SetX1(Rect.Right);
    SetY1(Rect.Bottom);
}

TRect TChartShape::GetAdjustedRectangle() {
    TRect r = OrientRectangle(GetShapeRectangle());
    if (r.Right == r.Left) ++r.Right;
    if (r.Bottom == r.Top) ++r.Bottom;
    return r;
}

void TChartShape::CalcZOrder() {
    if (UseAxis()) TChartSeries::CalcZOrder();
}

// ---- drawing ----------------------------------------------------------------------------------

void TChartShape::DrawShape(bool Is3D, const TRect& R) {
    TCanvas3D* canvas = FParent->Canvas();
    canvas->AssignVisiblePen(Pen());
    const TColor brushColor = FBrush->Color();
    if (FTransparent) {
        canvas->Brush()->SetStyle(bsClear);
    } else if (brushColor == clTeeColor) {
        int index = 0;
        for (int i = 0; i < FParent->SeriesCount(); ++i)
            if (FParent->Series(i) == this) index = i;
        canvas->AssignBrush(FBrush, FParent->GetDefaultColor(index), SeriesColor());
    } else {
        canvas->AssignBrush(FBrush, SeriesColor(), brushColor);
    }
    canvas->SetBackMode(brushColor == clNone ? cbmTransparent : cbmOpaque);
    const int cx = (R.Left + R.Right) / 2, cy = (R.Top + R.Bottom) / 2;
    const int z = MiddleZ;

    auto gradient = [&](bool Ellipse) {
        if (FTransparent || !FGradient->Visible()) return;
        const TRect g = Is3D ? canvas->CalcRect3D(R, z) : R;
        if (Ellipse) ClipEllipse(canvas, g);
        FGradient->Draw(canvas, g);
        if (Ellipse) canvas->UnClipRectangle();
        canvas->Brush()->SetStyle(bsClear);
    };
    auto vline = [&](int X, int Top, int Bottom) {
        if (Is3D)
            canvas->VertLine3D(X, Top, Bottom, z);
        else
            canvas->DoVertLine(X, Top, Bottom);
    };
    auto hline = [&](int Left, int Right, int Y) {
        if (Is3D)
            canvas->HorizLine3D(Left, Right, Y, z);
        else
            canvas->DoHorizLine(Left, Right, Y);
    };
    auto line = [&](int X0, int Y0, int X1, int Y1) {
        if (Is3D)
            canvas->LineWithZ(X0, Y0, X1, Y1, z);
        else
            canvas->Line(X0, Y0, X1, Y1);
    };
    auto triangle = [&](TPoint A, TPoint B, TPoint C) {
        if (Is3D) {
            canvas->TriangleWithZ(A, B, C, z);
        } else {
            const std::array<TPoint, 3> p{A, B, C};
            canvas->Polygon(p);
        }
    };
    auto cross = [&] {
        vline(cx, R.Top, R.Bottom + 1);
        hline(R.Left, R.Right + 1, cy);
    };
    auto diagCross = [&] {
        line(R.Left, R.Top, R.Right + 1, R.Bottom + 1);
        line(R.Left, R.Bottom, R.Right + 1, R.Top - 1);
    };

    switch (FStyle) {
    case chasRectangle:
        if (FRoundRectangle) {
            if (Is3D)
                canvas->RoundRect(canvas->CalcRect3D(R, z), 12, 12);
            else
                canvas->RoundRect(R, 12, 12);
        } else {
            gradient(false);
            if (Is3D)
                canvas->RectangleWithZ(TRect{R.Left, R.Top, R.Right + 1, R.Bottom + 1}, z);
            else
                canvas->Rectangle(R.Left, R.Top, R.Right + 1, R.Bottom + 1);
        }
        break;
    case chasCircle:
        gradient(true);
        if (Is3D)
            canvas->EllipseWithZ(R, z);
        else
            canvas->Ellipse(R);
        break;
    case chasVertLine:
        vline(cx, R.Top, R.Bottom);
        break;
    case chasHorizLine:
        hline(R.Left, R.Right + 1, cy);
        break;
    case chasTriangle:
        triangle(TPoint{R.Left, R.Bottom}, TPoint{cx, R.Top}, TPoint{R.Right, R.Bottom});
        break;
    case chasInvertTriangle:
        triangle(TPoint{R.Left, R.Top}, TPoint{cx, R.Bottom}, TPoint{R.Right, R.Top});
        break;
    case chasPyramid:
    case chasInvertPyramid:
        if (Is3D) {
            const bool up = FStyle == chasPyramid;
            canvas->Pyramid(true, R.Left, up ? R.Top : R.Bottom, R.Right, up ? R.Bottom : R.Top, StartZ, EndZ,
                            true);
        } else if (FStyle == chasPyramid) {
            triangle(TPoint{R.Left, R.Bottom}, TPoint{cx, R.Top}, TPoint{R.Right, R.Bottom});
        } else {
            triangle(TPoint{R.Left, R.Top}, TPoint{cx, R.Bottom}, TPoint{R.Right, R.Top});
        }
        break;
    case chasLine: {
        // The line keeps the direction of the corners as given.
        const TRect u = GetShapeRectangle();
        line(u.Left, u.Top, u.Right, u.Bottom);
        break;
    }
    case chasDiamond: {
        const TPoint a{R.Left, cy}, b{cx, R.Top}, c{R.Right, cy}, d{cx, R.Bottom};
        if (Is3D) {
            canvas->PlaneWithZ(a, b, c, d, z);
        } else {
            const std::array<TPoint, 4> p{a, b, c, d};
            canvas->Polygon(p);
        }
        break;
    }
    case chasCube:
        if (Is3D)
            canvas->Cube(R, StartZ, EndZ, true);
        else
            canvas->Rectangle(R);
        break;
    case chasCross:
        cross();
        break;
    case chasDiagCross:
        diagCross();
        break;
    case chasStar:
        cross();
        diagCross();
        break;
    }
}

void TChartShape::DrawText(const TRect& R) {
    if (FText->Count() == 0) return;
    TCanvas3D* canvas = FParent->Canvas();
    canvas->AssignFont(FFont);
    // Text in the brush's own colour would vanish: it turns white on black, else black.
    if (canvas->Brush()->Color() == canvas->Font()->Color())
        canvas->Font()->SetColor(canvas->Font()->Color() == clBlack ? clWhite : clBlack);
    const int h = canvas->FontHeight();
    const int lines = FText->Count();
    const int cx = (R.Left + R.Right) / 2, cy = (R.Top + R.Bottom) / 2;
    int y;
    switch (FVertAlign) {
    case vaTop:
        y = R.Top;
        break;
    case vaBottom:
        y = R.Bottom - lines * h;
        break;
    default:
        y = cy - int(std::round(lines * h / 2.0));
    }
    canvas->SetBackMode(cbmTransparent);
    canvas->SetTextAlign(TA_LEFT | TA_TOP);
    const int penWidth = Pen()->Visible() ? Pen()->Width() : 0;
    for (int i = 0; i < lines; ++i) {
        const String& line = FText->Strings(i);
        const int w = canvas->TextWidth(line);
        int x;
        switch (FAlignment) {
        case taLeftJustify:
            x = R.Left + penWidth + 4;
            break;
        case taRightJustify:
            x = R.Right - penWidth - w - 4;
            break;
        default:
            x = cx - w / 2;
        }
        if (FXYStyle != xysPixels)
            canvas->TextOut3D(x, y, StartZ, line);
        else
            canvas->TextOut(x, y, line);
        y += h;
    }
}

void TChartShape::DrawValue(int ValueIndex) {
    if (ValueIndex != 0 || Count() != 2 || !FParent) return;
    const TRect r = GetAdjustedRectangle();
    const TRect& chart = FParent->ChartRect;
    if (r.Right < chart.Left || r.Left > chart.Right || r.Bottom < chart.Top || r.Top > chart.Bottom) return;
    TCanvas3D* canvas = FParent->Canvas();
    const bool is3D = FParent->View3D() && FXYStyle != xysPixels;
    TTeeBlend* blend = nullptr;
    if (FTransparency != 0)
        blend = canvas->BeginBlending(is3D ? canvas->CalcRect3D(r, MiddleZ) : r, FTransparency);
    try {
        DrawShape(is3D, r);
        DrawText(r);
    } catch (...) {
        if (blend) canvas->EndBlending(blend);
        throw;
    }
    if (blend) canvas->EndBlending(blend);
}

void TChartShape::DrawLegendShape(int ValueIndex, const TRect& Rect) {
    (void)ValueIndex;
    if (FParent) DrawShape(false, Rect);
}

// ---- hit test ---------------------------------------------------------------------------------

int TChartShape::Clicked(int X, int Y) {
    if (FParent) FParent->Canvas()->Calculate2DPosition(X, Y, StartZ);
    const TPoint p{X, Y};
    // Every style is tested where it is drawn: in the oriented rectangle, except the line,
    // which keeps the direction of its corners.
    const TRect u = GetShapeRectangle();
    const TRect r = OrientRectangle(u);
    const int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
    bool hit;
    switch (FStyle) {
    case chasCircle:
        hit = PointInEllipse(p, r);
        break;
    case chasVertLine:
        hit = PointInLine(p, cx, r.Top, cx, r.Bottom);
        break;
    case chasHorizLine:
        hit = PointInLine(p, r.Left, cy, r.Right, cy);
        break;
    case chasTriangle:
    case chasPyramid:
        hit = PointInTriangle(p, r.Left, r.Right, r.Top, r.Bottom);
        break;
    case chasInvertTriangle:
    case chasInvertPyramid:
        hit = PointInTriangle(p, r.Left, r.Right, r.Bottom, r.Top);
        break;
    case chasLine:
        hit = PointInLine(p, u.Left, u.Top, u.Right, u.Bottom);
        break;
    case chasDiamond: {
        const std::array<TPoint, 4> d{TPoint{r.Left, cy}, TPoint{cx, r.Top}, TPoint{r.Right, cy},
                                      TPoint{cx, r.Bottom}};
        hit = PointInPolygon(p, d);
        break;
    }
    default:
        hit = X >= r.Left && X <= r.Right && Y >= r.Top && Y <= r.Bottom;
    }
    return hit ? 0 : -1;
}

// ---- gallery ----------------------------------------------------------------------------------

void TChartShape::CreateSubGallery(TChartSubGalleryProc AddSubChart) {
    TChartSeries::CreateSubGallery(AddSubChart);
    for (const String* text :
         {&TeeMsg_Rectangle, &TeeMsg_VertLine, &TeeMsg_HorizLine, &TeeMsg_Ellipse, &TeeMsg_DownTri,
          &TeeMsg_Line, &TeeMsg_Diamond, &TeeMsg_Cube, &TeeMsg_Cross, &TeeMsg_DiagCross, &TeeMsg_Star,
          &TeeMsg_Pyramid, &TeeMsg_InvPyramid, &TeeMsg_Hollow})
        AddSubChart(*text);
}

void TChartShape::SetSubGallery(TChartSeries* ASeries, int Index) {
    auto* s = dynamic_cast<TChartShape*>(ASeries);
    if (!s) return;
    static constexpr TChartShapeStyle styles[] = {
        chasRectangle, chasVertLine, chasHorizLine,    chasCircle, chasInvertTriangle,
        chasLine,      chasDiamond,  chasCube,         chasCross,  chasDiagCross,
        chasStar,      chasPyramid,  chasInvertPyramid};
    if (Index >= 1 && Index <= 13)
        s->SetStyle(styles[Index - 1]);
    else if (Index == 14)
        s->SetTransparent(!s->Transparent());
    else
        TChartSeries::SetSubGallery(ASeries, Index);
}

void TChartShape::PrepareForGallery(bool IsEnabled) {
    TChartSeries::PrepareForGallery(IsEnabled);
    FFont->SetColor(IsEnabled ? TColor(0x00FFFF) : TColor(0x808080));
    FFont->SetStyle(TFontStyles{fsBold});
    FFont->SetSize(12);
    FText->Clear();
    FBrush->SetColor(IsEnabled ? clTeeColor : TColor(0xC0C0C0));
    if (FParent && FParent->SeriesCount() > 1 && FParent->Series(1) == this) {
        SetStyle(chasCircle);
        FText->Add(TeeMsg_ShapeGallery1);
    } else {
        SetStyle(chasTriangle);
        FText->Add(TeeMsg_ShapeGallery2);
    }
}

void TChartShape::AddSampleValues(int NumValues, bool OnlyMandatory) {
    (void)OnlyMandatory;
    const TSeriesRandomBounds b = RandomBounds(NumValues);
    if (b.StepX == 0) {
        AddXY(0, 0);
        AddXY(100, 100);
        return;
    }
    const int spanX = std::max(1, int(NumValues * b.StepX));
    const int spanY = std::max(1, int(b.DifY));
    const double x0 = b.tmpX + RandomValue(spanX / 2 + 1);
    const double y0 = b.MinY + RandomValue(spanY / 2 + 1);
    AddXY(x0, y0);
    AddXY(x0 + RandomValue(spanX / 2 + 1), y0 + RandomValue(spanY / 2 + 1));
}

bool TChartShape::IsValidSourceOf(TChartSeries* Value) {
    return dynamic_cast<TChartShape*>(Value) != nullptr;
}
