// TRotateTool: drag steps, the wireframe and the inertia timer.
#include "chart/tools/RotateTool.h"

#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/View3DOptions.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/controls/Screen.h"
#include "platform/controls/Timer.h"
#include "platform/graphics/Cursor.h"

#include <algorithm>
#include <cmath>

ORVO_IMPLEMENT_ENUM_TYPE(TRotateToolStyles, "rsAll", "rsRotation", "rsElevation")
ORVO_IMPLEMENT_CLASS(TRotateTool, TTeeCustomTool)

ORVO_PUBLISHED(TRotateTool) {
    using S = TRotateTool;
    P.Property("Button", &S::Button, &S::SetButton).Default(mbLeft);
    P.Property("Cursor", &S::Cursor, &S::SetCursor).Default(2020);
    P.Property("Inertia", &S::Inertia, &S::SetInertia).Default(0);
    P.Property("Inverted", &S::Inverted, &S::SetInverted).Default(false);
    P.Property("Speed", &S::Speed, &S::SetSpeed).Default(50);
    P.Property("Style", &S::Style, &S::SetStyle).Default(rsAll);
    P.Property("OnRotate", &S::OnRotate);
}

TRotateTool::TRotateTool(TComponent* AOwner) : TTeeCustomTool(AOwner) {
    FPen->SetVisible(false);
    FPen->SetMode(pmXor);
    FPen->SetColor(clWhite);
}

TRotateTool::~TRotateTool() {
    delete ITimer;
}

String TRotateTool::Description() {
    return TeeMsg_RotateTool;
}

String TRotateTool::LongDescription() {
    return TeeMsg_RotateDesc;
}

void TRotateTool::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TRotateTool*>(Source)) {
        FButton = s->FButton;
        FInertia = s->FInertia;
        FInverted = s->FInverted;
        FSpeed = s->FSpeed;
        FStyle = s->FStyle;
    }
    TTeeCustomTool::Assign(Source);
}

void TRotateTool::SetInertia(int Value) {
    FInertia = std::clamp(Value, 0, 100);
}

bool TRotateTool::Coasting() const {
    return ITimer && ITimer->Enabled();
}

void TRotateTool::StopTimer() {
    if (ITimer) ITimer->SetEnabled(false);
}

void TRotateTool::Rotate(double A, double B) {
    if (!FParent) return;
    TView3DOptions* v = FParent->View3DOptions();
    v->SetRotation(v->RotationFloat() + A);
    v->SetElevation(v->ElevationFloat() + B);
}

namespace {
double RotationChange(double D, double A) {
    if (D == 0) return A;
    A += D;
    if (D > 0 && A > 360) A -= 360;
    if (D < 0 && A < 0) A += 360;
    return A;
}

double ElevationChange(double D, double A) {
    if (D == 0) return A;
    return D > 0 ? std::min(A + D, 360.0) : std::max(A + D, 270.0);
}
} // namespace

void TRotateTool::DoRotation(double DX, double DY) {
    if (!FParent) return;
    TView3DOptions* v = FParent->View3DOptions();
    v->SetOrthogonal(false);
    if (FStyle == rsAll || FStyle == rsRotation) v->SetRotation(RotationChange(DX, v->RotationFloat()));
    if (FStyle == rsAll || FStyle == rsElevation) v->SetElevation(ElevationChange(DY, v->ElevationFloat()));
}

void TRotateTool::DrawWireframe() {
    auto* canvas = dynamic_cast<TTeeCanvas3D*>(FParent->Canvas());
    if (!canvas) return;
    const TRect& r = FParent->ChartRect;
    const int w = FParent->Width3D();
    canvas->SetIsOrthogonal(false);
    canvas->CalcTrigValues();
    canvas->CalcPerspective(r);
    canvas->Brush()->SetStyle(bsClear);
    canvas->AssignVisiblePen(FPen);
    canvas->RectangleWithZ(r, 0);
    canvas->RectangleWithZ(r, w);
    canvas->ZLine3D(r.Left, r.Top, 0, w);
    canvas->ZLine3D(r.Right, r.Top, 0, w);
    canvas->ZLine3D(r.Left, r.Bottom, 0, w);
    canvas->ZLine3D(r.Right, r.Bottom, 0, w);
    canvas->Pen()->SetMode(pmCopy);
    canvas->Invalidate();
}

void TRotateTool::ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                                  int Y) {
    (void)Shift;
    if (!FParent) return;
    switch (AEvent) {
    case cmeDown:
        if (Button != FButton) return;
        StopTimer();
        IDragging = true;
        IOldX = X;
        IOldY = Y;
        IFirstTime = true;
        if (FCursor != crDefault) {
            IOldCursor = Screen->Cursor();
            Screen->SetCursor(FCursor);
        }
        FParent->SetCancelMouse(true);
        break;
    case cmeMove: {
        if (!IDragging) return;
        const double f = (FSpeed - 50) * 0.01 + 1;
        const int width = std::max(1, FParent->Width()), height = std::max(1, FParent->Height());
        IDifX = (X - IOldX) * 90.0 / width * f;
        IDifY = (IOldY - Y) * 90.0 / height * f;
        if (FInverted) {
            IDifX = -IDifX;
            IDifY = -IDifY;
        }
        const bool wireframe = FPen->Visible();
        if (wireframe) {
            if (IFirstTime) {
                IOldRepaint = FParent->AutoRepaint();
                FParent->SetAutoRepaint(false);
                IFirstTime = false;
            } else {
                DrawWireframe(); // erases the previous one
            }
        }
        FParent->SetView3D(true);
        DoRotation(IDifX, IDifY);
        IOldX = X;
        IOldY = Y;
        FParent->SetCancelMouse(true);
        if (wireframe) DrawWireframe();
        if (OnRotate.Assigned()) OnRotate(this);
        break;
    }
    case cmeUp:
        if (!IDragging) return;
        IDragging = false;
        if (FPen->Visible()) {
            FParent->SetAutoRepaint(IOldRepaint);
            FParent->Invalidate();
        }
        if (FInertia > 0) {
            if (!ITimer) {
                ITimer = new TTimer(nullptr);
                ITimer->SetEnabled(false);
                ITimer->SetOnTimer(Method(this, &TRotateTool::TimerTick));
            }
            ITimer->SetInterval(1);
            ITimer->SetEnabled(true);
        }
        if (FCursor != crDefault) Screen->SetCursor(IOldCursor);
        break;
    }
}

void TRotateTool::TimerTick(TObject*) {
    ITimer->SetEnabled(false);
    if (IDragging) return;
    DoRotation(IDifX, IDifY);
    ITimer->SetEnabled(true);
}

void TRotateTool::ChartEvent(TChartToolEvent AEvent) {
    TTeeCustomTool::ChartEvent(AEvent);
    if (FInertia <= 0) return;
    if (std::abs(IDifX) <= 0.01 && std::abs(IDifY) <= 0.01) {
        StopTimer();
        return;
    }
    const double k = (100 - FInertia) * 0.001;
    for (double* d : {&IDifX, &IDifY}) {
        if (std::abs(*d) > 0.01)
            *d -= *d * k;
        else
            *d = 0;
    }
}
