// TChartAxis: the room an axis takes in the chart, its drawing (title, labels, line, ticks,
// grid, minor ticks and minor grid) and the hit test.
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/TeeFont.h"
#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/chart/CustomAxisPanel.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Pen.h"
#include "platform/rtl/SysMath.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
// Which side an axis lies on.
bool IsTop(const TChartAxis* A) {
    return A->Horizontal() && A->OtherSide();
}
bool IsBottom(const TChartAxis* A) {
    return A->Horizontal() && !A->OtherSide();
}
bool IsRight(const TChartAxis* A) {
    return !A->Horizontal() && A->OtherSide();
}

// Puts a pen's visibility and change handler back on every exit of a custom drawing.
class TGridVisibility {
public:
    TGridVisibility(TChartPen* APen, bool Visible)
        : FPen(APen), FVisible(APen->Visible()), FOnChange(APen->OnChange) {
        FPen->OnChange = TNotifyEvent();
        FPen->SetVisible(Visible);
    }
    ~TGridVisibility() {
        FPen->SetVisible(FVisible);
        FPen->OnChange = FOnChange;
    }
    TGridVisibility(const TGridVisibility&) = delete;
    TGridVisibility& operator=(const TGridVisibility&) = delete;

private:
    TChartPen* FPen;
    bool FVisible;
    TNotifyEvent FOnChange;
};
} // namespace

// ---- positions and sizes ---------------------------------------------------------------------------

int TChartAxis::GetRectangleEdge(const TRect& R) {
    if (FHorizontal) return FOtherSide ? R.Top : R.Bottom;
    return FOtherSide ? R.Right : R.Left;
}

int TChartAxis::ApplyPosition(int APos, const TRect& R) {
    if (FPositionPercent == 0) return APos;
    int d = FPosUnits == muPixels ? CheckedInt(Round(FPositionPercent))
                                  : CheckedInt(Round(FPositionPercent * 0.01 *
                                                     (FHorizontal ? R.Bottom - R.Top : R.Right - R.Left)));
    if (FOtherSide) d = -d;
    return FHorizontal ? APos - d : APos + d;
}

int TChartAxis::InflateAxisPos(int Value, int Amount) {
    const bool before = FHorizontal ? FOtherSide : !FOtherSide; // top or left
    return before ? Value - Amount : Value + Amount;
}

void TChartAxis::InflateAxisRect(TRect& R, int Amount) {
    if (FHorizontal) {
        if (FOtherSide)
            R.Top += Amount;
        else
            R.Bottom -= Amount;
    } else {
        if (FOtherSide)
            R.Right -= Amount;
        else
            R.Left += Amount;
    }
}

int TChartAxis::SizeTickAxis() {
    int result = FAxis->Visible() ? FAxis->Width() + 1 : 0;
    if (FTicks->Visible()) result += FTickLength;
    if (FMinorTicks->Visible()) result = std::max(result, FMinorTickLength);
    return result;
}

int TChartAxis::InternalCalcSize(TTeeFont* tmpFont, int tmpAngle, const String& tmpText, int tmpSize) {
    if (tmpSize != 0) return tmpSize;
    if (!FParentChart || !FParentChart->Canvas()) return 0;
    TCanvas3D* canvas = FParentChart->Canvas();
    canvas->AssignFont(tmpFont);
    const bool across =
        FHorizontal ? (tmpAngle == 0 || tmpAngle == 180) : (tmpAngle == 90 || tmpAngle == 270);
    if (across) return canvas->FontHeight();
    if (tmpText.isEmpty()) return MaxLabelsWidth();
    return canvas->TextWidth(tmpText);
}

int TChartAxis::SizeLabels() {
    const int size = InternalCalcSize(FItems->Format()->Font(), FLabelsAngle, String(), FLabelsSize);
    return FLabelsAlternate ? size * 2 : size;
}

int TChartAxis::SizeTitle() {
    return InternalCalcSize(FAxisTitle->Font(), FAxisTitle->Angle(), FAxisTitle->Caption(), FTitleSize);
}

void TChartAxis::CalcRect(TRect& R, bool InflateChartRectangle) {
    IAxisDateTime = IsDateTime();
    if (!InflateChartRectangle) {
        FPosAxis = ApplyPosition(GetRectangleEdge(R), R);
        FPosLabels = InflateAxisPos(FPosAxis, SizeTickAxis());
        FPosTitle = InflateAxisPos(FPosLabels, SizeLabels());
        return;
    }
    if (IDepthAxis) {
        FPosTitle = FOtherSide ? R.Right : R.Left;
    } else if (FAxisTitle->Visible() && !FAxisTitle->Caption().isEmpty()) {
        InflateAxisRect(R, SizeTitle());
        FPosTitle = GetRectangleEdge(R);
    }
    if (Labels()) {
        int s = SizeLabels();
        if (FParentChart && FParentChart->Axes()->CalcPosLabels) FParentChart->Axes()->CalcPosLabels(this, s);
        InflateAxisRect(R, s);
        FPosLabels = GetRectangleEdge(R);
    }
    const int w = (FParentChart ? FParentChart->CalcWallSize(this) : 0) + SizeTickAxis();
    if (w > 0) InflateAxisRect(R, w);
    FPosTitle = ApplyPosition(FPosTitle, R);
    FPosLabels = ApplyPosition(FPosLabels, R);
}

// ---- drawing ---------------------------------------------------------------------------------------

void TChartAxis::DrawTitle(int x, int y) {
    if (!FParentChart || !FParentChart->Canvas()) return;
    TCanvas3D* canvas = FParentChart->Canvas();
    canvas->BeginEntity(QStringLiteral("title"));
    canvas->AssignFont(FAxisTitle->Font());
    canvas->SetBackMode(cbmTransparent);
    if (IDepthAxis) {
        canvas->SetTextAlign(DepthAxisAlign());
        canvas->RotateLabel3D(x, y, FParentChart->Width3D() / 2, FAxisTitle->Caption(), FAxisTitle->Angle());
    } else {
        const bool exponent = FLabelsExponent;
        FLabelsExponent = false;
        try {
            DrawAxisLabel(x, y, FAxisTitle->Angle(), FAxisTitle->Caption(), FAxisTitle, 0);
        } catch (...) {
            FLabelsExponent = exponent;
            throw;
        }
        FLabelsExponent = exponent;
    }
    canvas->EndEntity();
}

void TChartAxis::Draw(bool CalcPosAxis) {
    if (!FParentChart || !FParentChart->Canvas()) return;
    TCanvas3D* canvas = FParentChart->Canvas();
    canvas->BeginEntity(QStringLiteral("axis"));
    IAxisDateTime = IsDateTime();
    if (CalcPosAxis)
        FPosAxis = ApplyPosition(GetRectangleEdge(FParentChart->ChartRect), FParentChart->ChartRect);
    if (FAxisTitle->Visible() && !FAxisTitle->Caption().isEmpty()) {
        if (IDepthAxis)
            DrawTitle(FPosTitle, DepthAxisPos());
        else if (FHorizontal)
            DrawTitle(ICenterPos, FPosTitle);
        else
            DrawTitle(FPosTitle, ICenterPos);
    }
    DrawAxisLabels();
    DrawTicksAndGrid();
    canvas->EndEntity();
}

void TChartAxis::DrawTicksAndGrid() {
    TCanvas3D* canvas = FParentChart->Canvas();
    const bool is3D = FParentChart->View3D();
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetBackMode(cbmTransparent);
    IWallSize = FParentChart->CalcWallSize(this);

    if (FAxis->Visible()) {
        canvas->AssignVisiblePenColor(FAxis, FAxis->Color());
        if (FAxis->LineMode() != lmLine) {
            canvas->Pen()->SetStyle(psClear);
            canvas->Brush()->SetStyle(bsSolid);
            canvas->Brush()->SetColor(FAxis->Color());
        }
        if (OnDrawAxis)
            OnDrawAxis(this);
        else
            DrawLineSegment(IStartPos, IEndPos);
    }

    auto tick = [&](int t, int o, int n) {
        if (IDepthAxis) {
            if (FOtherSide)
                canvas->HorizLine3D(FPosAxis + o, FPosAxis + o + n, DepthAxisPos(), t);
            else
                canvas->HorizLine3D(FPosAxis - o, FPosAxis - o - n, DepthAxisPos(), t);
        } else if (IsTop(this)) {
            canvas->VertLine3D(t, FPosAxis - o, FPosAxis - o - n, IZPos);
        } else if (IsRight(this)) {
            const int x = FPosAxis + IWallSize + o;
            canvas->HorizLine3D(x, x + n, t, IZPos);
        } else if (IsBottom(this)) {
            const int y0 = FPosAxis + IWallSize + o;
            if (is3D)
                canvas->VertLine3D(t, y0, y0 + n, IZPos);
            else
                canvas->DoVertLine(t, y0, y0 + n);
        } else {
            const int x0 = FPosAxis - IWallSize - o;
            if (is3D)
                canvas->HorizLine3D(x0, x0 - n, t, IZPos);
            else
                canvas->DoHorizLine(x0, x0 - n, t);
        }
    };

    if (FTicks->Visible()) {
        canvas->AssignVisiblePenColor(FTicks, FTicks->Color());
        for (int t : Tick)
            tick(t, 1, FTickLength);
    }
    DrawGrids(int(Tick.size()));
    if (FTicksInner->Visible()) {
        canvas->AssignVisiblePenColor(FTicksInner, FTicksInner->Color());
        for (int t : Tick)
            tick(t, -1, -FTickInnerLength);
    }

    auto minor = [&](TChartPen* APen, bool IsGrid) {
        if (Tick.empty() || !APen->Visible()) return;
        canvas->SetBackMode(cbmTransparent);
        canvas->Brush()->SetStyle(bsClear);
        canvas->AssignVisiblePenColor(APen, APen->Color());
        const int k = FMinorTickCount;
        const double f = 1.0 / (k + 1);
        auto mark = [&](int m) {
            if (m <= IStartPos || m >= IEndPos) return;
            if (IsGrid)
                DrawGridLine(m);
            else
                tick(m, 1, FMinorTickLength);
        };
        if (!FLogarithmic) {
            const size_t lastIndex = Tick.size() - 1;
            if (Tick.size() >= 2) {
                const double d = (Tick[1] - Tick[0]) * f;
                for (int j = 1; j <= k; ++j) {
                    mark(Tick[0] - CheckedInt(Round(j * d)));
                    mark(Tick[lastIndex] + CheckedInt(Round(j * d)));
                }
            }
            for (size_t i = 1; i < Tick.size(); ++i) {
                const double d = (Tick[i] - Tick[i - 1]) * f;
                for (int j = 1; j <= k; ++j)
                    mark(Tick[i] - CheckedInt(Round(d * j)));
            }
            return;
        }
        std::vector<double> handled;
        auto handle = [&](double v) {
            if (std::find(handled.begin(), handled.end(), v) != handled.end()) return;
            handled.push_back(v);
            const double step = (v * FLogarithmicBase - v) * f;
            for (int j = 1; j <= k; ++j) {
                v += step;
                if (IMinimum <= v && v <= IMaximum) mark(CalcPosValue(v));
            }
        };
        handle(CalcPosPoint(Tick.back()) / FLogarithmicBase);
        for (size_t i = 0; i + 1 < Tick.size(); ++i)
            handle(CalcPosPoint(Tick[i]));
        handle(CalcPosPoint(Tick.back()));
    };
    minor(FMinorTicks, false);
    minor(FMinorGrid, true);
    canvas->SetBackMode(cbmOpaque);
}

void TChartAxis::DrawGrids(int NumTicks) {
    if (OnDrawGrids) OnDrawGrids(this);
    if (!FGrid->Visible() || !FParentChart) return;
    TCanvas3D* canvas = FParentChart->Canvas();
    canvas->SetBackMode(cbmTransparent);
    canvas->Brush()->SetStyle(bsClear);
    canvas->AssignVisiblePenColor(FGrid,
                                  FGrid->Color() == TColor(0x20000000) ? TColor(0x808080) : FGrid->Color());
    const int every = std::max(1, FGrid->DrawEvery());
    NumTicks = std::min(NumTicks, int(Tick.size()));
    if (!FGrid->Centered()) {
        for (int i = 0; i < NumTicks; ++i)
            if (i % every == 0) DrawGridLine(Tick[size_t(i)]);
    } else {
        for (int i = 1; i < NumTicks; ++i)
            if (i % every == 0)
                DrawGridLine(CheckedInt(Round((Tick[size_t(i)] + Tick[size_t(i - 1)]) * 0.5)));
    }
}

void TChartAxis::DrawGridLine(int tmp) {
    if (!(IStartPos < tmp && tmp < IEndPos) || !FParentChart) return;
    TCanvas3D* canvas = FParentChart->Canvas();
    const TRect& r = FParentChart->ChartRect;
    const int w3d = FParentChart->Width3D();
    if (IDepthAxis) {
        canvas->VertLine3D(r.Left, r.Top, r.Bottom, tmp);
        canvas->HorizLine3D(r.Left, r.Right, r.Bottom, tmp);
    } else if (FParentChart->View3D()) {
        if (FParentChart->AxisBehind()) {
            if (!IHideBackGrid) {
                if (FHorizontal)
                    canvas->VertLine3D(tmp, r.Top, r.Bottom, w3d);
                else
                    canvas->HorizLine3D(r.Left, r.Right, tmp, w3d);
            }
            if (!IHideSideGrid) {
                const int z = CheckedInt(Round(w3d * FGrid->ZPosition() * 0.01));
                if (z != w3d) {
                    if (FHorizontal)
                        canvas->ZLine3D(tmp, FPosAxis, z, w3d);
                    else
                        canvas->ZLine3D(FPosAxis, tmp, z, w3d);
                }
            }
        } else if (FHorizontal) {
            canvas->VertLine3D(tmp, r.Top, r.Bottom, 0);
        } else {
            canvas->HorizLine3D(r.Left, r.Right, tmp, 0);
        }
    } else if (FHorizontal) {
        canvas->DoVertLine(tmp, r.Top + 1, r.Bottom);
    } else {
        canvas->DoHorizLine(r.Left + 1, r.Right, tmp);
    }
}

void TChartAxis::DrawLineSegment(int AStart, int AEnd) {
    if (!FParentChart) return;
    TCanvas3D* canvas = FParentChart->Canvas();
    const TRect& cr = FParentChart->ChartRect;
    if (IDepthAxis) {
        const int y = FOtherSide ? FParentChart->CalcWallSize(FParentChart->BottomAxis()) + cr.Bottom - IZPos
                                 : cr.Top - IZPos;
        canvas->MoveTo3D(FPosAxis, y, AStart);
        canvas->LineTo3D(FPosAxis, y, AEnd);
        return;
    }
    // The line runs along the axis at the cross coordinate c; the solid forms have the
    // thickness of the pen around it.
    const bool vertical = !FHorizontal;
    int from = AStart;
    int to = AEnd;
    int c;
    int w;
    if (vertical) {
        w = canvas->Pen()->Width();
        c = FOtherSide ? FPosAxis + IWallSize : FPosAxis - IWallSize;
        to += FParentChart->CalcWallSize(FParentChart->BottomAxis());
    } else {
        w = FAxis->Width();
        c = FPosAxis;
        if (!FOtherSide) {
            from -= FParentChart->CalcWallSize(FParentChart->LeftAxis());
            to += FParentChart->CalcWallSize(FParentChart->RightAxis());
            c += IWallSize;
        }
    }
    const TRect box = vertical ? TRect{c - w, from, c + w, to} : TRect{from, c - w, to, c + w};
    switch (FAxis->LineMode()) {
    case lmLine:
        if (vertical)
            canvas->VertLine3D(c, from, to, IZPos);
        else
            canvas->HorizLine3D(from, to, c, IZPos);
        break;
    case lmCylinder:
        canvas->Cylinder(vertical, box.Left, box.Top, box.Right, box.Bottom, IZPos - w, IZPos + w, true);
        break;
    case lmRectangle:
        canvas->Cube(box.Left, box.Right, box.Top, box.Bottom, IZPos - w, IZPos + w, true);
        break;
    }
}

// ---- hit test --------------------------------------------------------------------------------------

TRect TChartAxis::AxisRect() {
    const int a = std::min(IStartPos, IEndPos);
    const int b = std::max(IStartPos, IEndPos);
    int c0 = FPosAxis;
    int c1 = FPosAxis;
    if (Labels()) {
        if (FPosLabels < FPosAxis) {
            c0 = FPosLabels;
            c1 = FPosAxis + TeeAxisClickGap;
        } else {
            c0 = FPosAxis - TeeAxisClickGap;
            c1 = FPosLabels;
        }
    }
    return FHorizontal ? TRect{a, c0, b, c1} : TRect{c0, a, c1, b};
}

bool TChartAxis::Clicked(int x, int y) {
    if (!FParentChart || !FParentChart->IsAxisVisible(this)) return false;
    TRect r = AxisRect();
    if (FParentChart->View3D() && FParentChart->Canvas()) {
        r = FParentChart->Canvas()->CalcRect3D(r, FOtherSide ? FParentChart->Width3D() : 0);
        r = TRect{std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
                  std::max(r.Top, r.Bottom)};
    }
    return x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
}

// ---- custom drawing --------------------------------------------------------------------------------

void TChartAxis::CustomDrawStartEnd(int APosLabels, int APosTitle, int APosAxis, bool GridVisible,
                                    int AStartPos, int AEndPos) {
    FPosLabels = APosLabels;
    FPosTitle = APosTitle;
    FPosAxis = APosAxis;
    IStartPos = AStartPos;
    IEndPos = AEndPos;
    RecalcSizeCenter();
    TGridVisibility grid(FGrid, GridVisible);
    Draw(false);
}

void TChartAxis::CustomDraw(int APosLabels, int APosTitle, int APosAxis, bool GridVisible) {
    InternalCalcPositions();
    CustomDrawStartEnd(APosLabels, APosTitle, APosAxis, GridVisible, IStartPos, IEndPos);
}

void TChartAxis::CustomDrawMinMaxStartEnd(int APosLabels, int APosTitle, int APosAxis, bool GridVisible,
                                          double AMinimum, double AMaximum, double AIncrement, int AStartPos,
                                          int AEndPos) {
    const double oldMin = FMinimumValue;
    const double oldMax = FMaximumValue;
    const double oldIncrement = FDesiredIncrement;
    const bool oldAutomatic = FAutomatic;
    auto restore = [&] {
        FMinimumValue = oldMin;
        FMaximumValue = oldMax;
        FDesiredIncrement = oldIncrement;
        FAutomatic = oldAutomatic;
        IMinimum = FMinimumValue;
        IMaximum = FMaximumValue;
        InternalCalcRange();
    };
    FAutomatic = false;
    FMinimumValue = AMinimum;
    FMaximumValue = AMaximum;
    FDesiredIncrement = AIncrement;
    IMinimum = AMinimum;
    IMaximum = AMaximum;
    InternalCalcRange();
    try {
        CustomDrawStartEnd(APosLabels, APosTitle, APosAxis, GridVisible, AStartPos, AEndPos);
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void TChartAxis::CustomDrawMinMax(int APosLabels, int APosTitle, int APosAxis, bool GridVisible,
                                  double AMinimum, double AMaximum, double AIncrement) {
    InternalCalcPositions();
    CustomDrawMinMaxStartEnd(APosLabels, APosTitle, APosAxis, GridVisible, AMinimum, AMaximum, AIncrement,
                             IStartPos, IEndPos);
}
