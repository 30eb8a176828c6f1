// TGridBandTool: the stripes between an axis' ticks and their painting with the two bands.
#include "chart/tools/GridBandTool.h"

#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/Chart.h"
#include "chart/engine/chart/ChartWalls.h"
#include "chart/engine/texts/TeeConst.h"

#include <algorithm>

ORVO_IMPLEMENT_CLASS(TGridBandBrush, TChartBrush)
ORVO_IMPLEMENT_CLASS(TGridBandTool, TTeeCustomToolAxis)

ORVO_PUBLISHED(TGridBandBrush) {
    using T = TGridBandBrush;
    P.Property("Gradient", &T::Gradient, &T::SetGradient);
    P.Property("Transparency", &T::Transparency, &T::SetTransparency).Default(0);
}

ORVO_PUBLISHED(TGridBandTool) {
    using T = TGridBandTool;
    P.Property("Band1", &T::Band1, &T::SetBand1);
    P.Property("Band2", &T::Band2, &T::SetBand2);
}

// ---- TGridBandBrush ----------------------------------------------------------------------------

TGridBandBrush::TGridBandBrush(TNotifyEvent OnChangeEvent) : TChartBrush(OnChangeEvent) {
    FGradient = new TTeeGradient(TNotifyEvent(this, &TGridBandBrush::GradientChanged));
}

TGridBandBrush::~TGridBandBrush() {
    delete FGradient;
}

void TGridBandBrush::GradientChanged(TObject*) {
    Changed();
}

void TGridBandBrush::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TGridBandBrush*>(Source)) {
        FGradient->Assign(s->FGradient);
        FTransp = s->FTransp;
    }
    TChartBrush::Assign(Source);
}

void TGridBandBrush::SetGradient(TTeeGradient* Value) {
    FGradient->Assign(Value);
}

void TGridBandBrush::SetTransparency(int Value) {
    if (FTransp == Value) return;
    FTransp = Value;
    Changed();
}

// ---- TGridBandTool -----------------------------------------------------------------------------

TGridBandTool::TGridBandTool(TComponent* AOwner) : TTeeCustomToolAxis(AOwner) {
    FBand1 = new TGridBandBrush(changedEvent());
    FBand2 = new TGridBandBrush(changedEvent());
    FBand2->SetColor(clWhite);
}

TGridBandTool::~TGridBandTool() {
    ReleaseHook();
    delete FBand1;
    delete FBand2;
}

String TGridBandTool::Description() {
    return TeeMsg_GridBandTool;
}

String TGridBandTool::LongDescription() {
    return TeeMsg_GridBandDesc;
}

void TGridBandTool::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TGridBandTool*>(Source)) {
        FBand1->Assign(s->FBand1);
        FBand2->Assign(s->FBand2);
    }
    TTeeCustomToolAxis::Assign(Source);
}

void TGridBandTool::SetBand1(TGridBandBrush* Value) {
    FBand1->Assign(Value);
}

void TGridBandTool::SetBand2(TGridBandBrush* Value) {
    FBand2->Assign(Value);
}

void TGridBandTool::ReleaseHook() {
    // Another grid band tool may have taken the hook since: its hook stays.
    if (FAxis && FAxis->OnDrawGrids == Hook()) FAxis->OnDrawGrids = TAxisDrawGrids();
}

void TGridBandTool::SetAxis(TChartAxis* Value) {
    ReleaseHook();
    TTeeCustomToolAxis::SetAxis(Value);
    if (FAxis) FAxis->OnDrawGrids = Hook();
}

TColor TGridBandTool::BandBackColor(TGridBandBrush* Band) {
    const TColor c = Band->BackColor();
    if (c != clNone) return c;
    if (auto* chart = dynamic_cast<TCustomChart*>(FParent)) return chart->BackWall()->Color();
    return c;
}

std::vector<TGridBandTool::TStripe> TGridBandTool::Stripes(TChartAxis* Axis) {
    std::vector<TStripe> result;
    const std::vector<int>& tick = Axis->Tick;
    if (tick.size() < 2) return result;
    int band = 1;
    auto add = [&](int A, int B) {
        result.push_back(TStripe{std::min(A, B), std::max(A, B), band});
        band = band == 1 ? 2 : 1;
    };
    const bool horizontal = Axis->Horizontal();
    const int first = tick.front(), last = tick.back();
    if (horizontal ? first < Axis->IEndPos : first > Axis->IStartPos)
        add(horizontal ? Axis->IEndPos - 1 : Axis->IStartPos + 1, first);
    // From two ticks on: the stripes between them and the last partial one.
    for (size_t i = 1; i < tick.size(); ++i)
        add(tick[i - 1], tick[i]);
    if (horizontal ? last > Axis->IStartPos : last < Axis->IEndPos)
        add(last, horizontal ? Axis->IStartPos : Axis->IEndPos);
    return result;
}

void TGridBandTool::DrawGrids(TChartAxis* Sender) {
    if (!Active() || !FParent || !Sender) return;
    if (FBand1->Style() == bsClear && FBand2->Style() == bsClear) return;
    const std::vector<TStripe> stripes = Stripes(Sender);
    if (stripes.empty()) return;
    int from = StartPos, to = EndPos;
    if (from == 0 && to == 0) {
        const TRect& r = FParent->ChartRect;
        from = Sender->Horizontal() ? r.Top + 1 : r.Left + 1;
        to = Sender->Horizontal() ? r.Bottom : r.Right;
    }
    FParent->Canvas()->Pen()->SetStyle(psClear);
    for (const TStripe& s : stripes)
        DrawStripe(Sender, s.Band == 1 ? FBand1 : FBand2, s.A, s.B, from, to);
}

void TGridBandTool::DrawStripe(TChartAxis* Axis, TGridBandBrush* Band, int A, int B, int From, int To) {
    if (Band->Style() == bsClear) return;
    TCanvas3D* canvas = FParent->Canvas();
    const bool is3D = FParent->View3D();
    const int z = FParent->Width3D();
    const TRect r = Axis->Horizontal() ? TRect{A, From, B, To} : TRect{From, A, To, B + 1};
    TTeeBlend* blend = nullptr;
    if (Band->Transparency() > 0)
        blend = canvas->BeginBlending(is3D ? canvas->CalcRect3D(r, z) : r, Band->Transparency());
    try {
        if (Band->Gradient()->Visible()) {
            if (is3D)
                Band->Gradient()->Draw(canvas, canvas->CalcRect3D(r, z));
            else
                Band->Gradient()->Draw(canvas, TRect{r.Left, r.Top, r.Right, r.Bottom - 1});
        } else {
            canvas->AssignBrush(Band, Band->Color(), BandBackColor(Band));
            canvas->Pen()->SetStyle(psClear);
            if (is3D)
                canvas->RectangleWithZ(r, z);
            else
                canvas->Rectangle(TRect{r.Left, r.Top, r.Right + 1, r.Bottom});
        }
    } catch (...) {
        if (blend) canvas->EndBlending(blend);
        throw;
    }
    if (blend) canvas->EndBlending(blend);
}
