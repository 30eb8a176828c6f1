// TDrawLineTool: hit tests, inverting drawing while the mouse moves, plain drawing after
// each paint.
#include "chart/tools/DrawLineTool.h"

#include "chart/engine/axes/ChartAxis.h"
#include "chart/engine/canvas/Canvas3D.h"
#include "chart/engine/canvas/ChartBrush.h"
#include "chart/engine/canvas/ChartPen.h"
#include "chart/engine/panel/HitTests.h"
#include "chart/engine/texts/TeeConst.h"
#include "chart/tools/AntiAliasCanvas.h"
#include "platform/graphics/Cursor.h"

#include <algorithm>

ORVO_IMPLEMENT_ENUM_TYPE(TDrawLineStyle, "dlLine", "dlHorizParallel", "dlVertParallel", "dlRectangle",
                         "dlEllipse")
ORVO_IMPLEMENT_EVENT_TYPE(TDrawLineSelecting)
ORVO_IMPLEMENT_CLASS(TDrawLine, TCollectionItem)
ORVO_IMPLEMENT_CLASS(TDrawLines, TOwnedCollection)
ORVO_IMPLEMENT_CLASS(TDrawLineTool, TTeeCustomToolSeries)

ORVO_PUBLISHED(TDrawLine) {
    using S = TDrawLine;
    P.Property("Pen", &S::Pen, &S::SetPen).Stored(&S::HasPen);
    P.Property("Style", &S::Style, &S::SetStyle).Default(dlLine);
    P.Property("X0", &S::X0, &S::SetX0);
    P.Property("Y0", &S::Y0, &S::SetY0);
    P.Property("X1", &S::X1, &S::SetX1);
    P.Property("Y1", &S::Y1, &S::SetY1);
}

ORVO_PUBLISHED(TDrawLineTool) {
    using S = TDrawLineTool;
    P.Property("Button", &S::Button, &S::SetButton).Default(mbLeft);
    P.Property("ClickTolerance", &S::ClickTolerance, &S::SetClickTolerance).Default(0);
    P.Property("EnableDraw", &S::EnableDraw, &S::SetEnableDraw).Default(true);
    P.Property("EnableSelect", &S::EnableSelect, &S::SetEnableSelect).Default(true);
    P.Property("Lines", &S::Lines, &S::SetLines);
    P.Property("Pen", &S::Pen, &S::SetPen);
    P.Property("SelectNewLines", &S::SelectNewLines, &S::SetSelectNewLines).Default(true);
    P.Property("Series", &S::Series, &S::SetSeries);
    P.Property("Style", &S::Style, &S::SetStyle).Default(dlLine);
    P.Property("OnDraggedLine", &S::OnDraggedLine);
    P.Property("OnDragLine", &S::OnDragLine);
    P.Property("OnNewLine", &S::OnNewLine);
    P.Property("OnSelect", &S::OnSelect);
    P.Property("OnSelecting", &S::OnSelecting);
}

// ---- TDrawLine -------------------------------------------------------------------------------

TDrawLine::TDrawLine(TCollection* Collection) : TCollectionItem(Collection) {}

TDrawLine::~TDrawLine() {
    if (TDrawLineTool* tool = Parent()) {
        if (tool->ISelected == this) {
            tool->ISelected = nullptr;
            tool->IHandle = chNone;
        }
    }
    delete FPen;
}

TDrawLineTool* TDrawLine::Parent() const {
    auto* lines = dynamic_cast<TDrawLines*>(Collection());
    return lines ? dynamic_cast<TDrawLineTool*>(lines->GetOwner()) : nullptr;
}

void TDrawLine::Assign(TPersistent* Source) {
    auto* s = dynamic_cast<TDrawLine*>(Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    StartPos = s->StartPos;
    EndPos = s->EndPos;
    FStyle = s->FStyle;
    SetPen(s->FPen);
}

TChartPen* TDrawLine::Pen() {
    if (!FPen) {
        TDrawLineTool* tool = Parent();
        FPen = tool ? tool->CreateChartPen() : new TChartPen();
        if (tool) FPen->Assign(tool->Pen());
    }
    return FPen;
}

void TDrawLine::SetPen(TChartPen* Value) {
    if (!Value) {
        delete FPen;
        FPen = nullptr;
        if (TDrawLineTool* tool = Parent()) tool->Repaint();
        return;
    }
    Pen()->Assign(Value);
}

void TDrawLine::SetStyle(TDrawLineStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    if (TDrawLineTool* tool = Parent()) tool->Repaint();
}

void TDrawLine::SetValue(double& Field, double Value) {
    if (TDrawLineTool* tool = Parent())
        tool->SetDoubleProperty(Field, Value);
    else
        Field = Value;
}

bool TDrawLine::Clicked(int X, int Y, int Tolerance, TDrawLineHandle Handle) {
    TDrawLineTool* tool = Parent();
    if (!tool) return false;
    const TPoint s = tool->AxisPoint(StartPos), e = tool->AxisPoint(EndPos);
    auto inSquare = [X, Y](TPoint c) { return X >= c.X - 3 && X <= c.X + 3 && Y >= c.Y - 3 && Y <= c.Y + 3; };
    if (Handle == chStart) return inSquare(s);
    if (Handle == chEnd) return inSquare(e);
    const TPoint p{X, Y};
    switch (FStyle) {
    case dlLine:
        return PointInLine(p, s.X, s.Y, e.X, e.Y, Tolerance);
    case dlHorizParallel:
        return PointInLine(p, s.X, s.Y, e.X, s.Y, Tolerance) || PointInLine(p, s.X, e.Y, e.X, e.Y, Tolerance);
    case dlVertParallel:
        return PointInLine(p, s.X, s.Y, s.X, e.Y, Tolerance) || PointInLine(p, e.X, s.Y, e.X, e.Y, Tolerance);
    default:
        return X >= std::min(s.X, e.X) && X <= std::max(s.X, e.X) && Y >= std::min(s.Y, e.Y) &&
               Y <= std::max(s.Y, e.Y);
    }
}

// ---- TDrawLines ------------------------------------------------------------------------------

TDrawLines::TDrawLines(TDrawLineTool* AOwner) : TOwnedCollection(AOwner, TDrawLine::StaticClass()) {}

TDrawLine* TDrawLines::AddLine(double X0, double Y0, double X1, double Y1) {
    auto* line = static_cast<TDrawLine*>(Add());
    line->StartPos = TFloatPoint{X0, Y0};
    line->EndPos = TFloatPoint{X1, Y1};
    return line;
}

TDrawLine* TDrawLines::Last() const {
    return Count() ? Line(Count() - 1) : nullptr;
}

TDrawLine* TDrawLines::Line(int Index) const {
    return static_cast<TDrawLine*>(Items(Index));
}

// ---- TDrawLineTool -----------------------------------------------------------------------------

TDrawLineTool::TDrawLineTool(TComponent* AOwner) : TTeeCustomToolSeries(AOwner) {
    FLines = new TDrawLines(this);
}

TDrawLineTool::~TDrawLineTool() {
    ISelected = nullptr;
    delete FLines;
    FLines = nullptr;
}

String TDrawLineTool::Description() {
    return TeeMsg_DrawLineTool;
}

String TDrawLineTool::LongDescription() {
    return TeeMsg_DrawLineDesc;
}

void TDrawLineTool::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TDrawLineTool*>(Source)) {
        FButton = s->FButton;
        FClick = s->FClick;
        FEnableDraw = s->FEnableDraw;
        FEnableSelect = s->FEnableSelect;
        FLines->Assign(s->FLines);
        FSelectNew = s->FSelectNew;
        FStyle = s->FStyle;
    }
    TTeeCustomToolSeries::Assign(Source);
}

TPoint TDrawLineTool::AxisPoint(const TFloatPoint& P) {
    TChartAxis* h = GetHorizAxis();
    TChartAxis* v = GetVertAxis();
    if (!h || !v) return TPoint{0, 0};
    return TPoint{h->CalcXPosValue(P.X), v->CalcYPosValue(P.Y)};
}

TFloatPoint TDrawLineTool::ScreenPoint(const TPoint& P) {
    TChartAxis* h = GetHorizAxis();
    TChartAxis* v = GetVertAxis();
    if (!h || !v) return TFloatPoint{};
    return TFloatPoint{h->CalcPosPoint(P.X), v->CalcPosPoint(P.Y)};
}

TDrawLine* TDrawLineTool::InternalClicked(int X, int Y, int Tolerance, TDrawLineHandle Handle) {
    if (FParent) FParent->Canvas()->Calculate2DPosition(X, Y, 0);
    if (ISelected && ISelected->Clicked(X, Y, Tolerance, Handle)) return ISelected;
    for (int i = 0; i < FLines->Count(); ++i)
        if (FLines->Line(i)->Clicked(X, Y, Tolerance, Handle)) return FLines->Line(i);
    return nullptr;
}

TDrawLine* TDrawLineTool::Clicked(int X, int Y) {
    TDrawLine* line = InternalClicked(X, Y, FClick, chNone);
    if (!line) line = InternalClicked(X, Y, FClick, chStart);
    if (!line) line = InternalClicked(X, Y, FClick, chEnd);
    return line;
}

void TDrawLineTool::SetSelected(TDrawLine* Value) {
    ISelected = Value;
    Repaint();
}

void TDrawLineTool::SetEnableSelect(bool Value) {
    if (FEnableSelect == Value) return;
    FEnableSelect = Value;
    if (!Value && ISelected) {
        ISelected = nullptr;
        Repaint();
    }
}

void TDrawLineTool::DeleteSelected() {
    if (!ISelected) return;
    IDrawing = false;
    IHandle = chNone;
    delete ISelected; // clears the selection
    Repaint();
}

bool TDrawLineTool::OnSmoothCanvas() const {
    return FParent && dynamic_cast<TAntiAliasCanvas*>(FParent->Canvas());
}

void TDrawLineTool::DrawLine(TPoint P0, TPoint P1, TDrawLineStyle AStyle) {
    TCanvas3D* c = FParent->Canvas();
    if (!FParent->View3D()) {
        switch (AStyle) {
        case dlLine:
            c->MoveTo(P0.X, P0.Y);
            c->LineTo(P1.X, P1.Y);
            break;
        case dlHorizParallel:
            c->DoHorizLine(P0.X, P1.X, P0.Y);
            c->DoHorizLine(P0.X, P1.X, P1.Y);
            break;
        case dlVertParallel:
            c->DoVertLine(P0.X, P0.Y, P1.Y);
            c->DoVertLine(P1.X, P0.Y, P1.Y);
            break;
        case dlRectangle:
            c->Rectangle(P0.X, P0.Y, P1.X, P1.Y);
            break;
        case dlEllipse:
            c->Ellipse(P0.X, P0.Y, P1.X, P1.Y);
            break;
        }
        return;
    }
    switch (AStyle) {
    case dlLine:
        c->MoveTo3D(P0.X, P0.Y, 0);
        c->LineTo3D(P1.X, P1.Y, 0);
        break;
    case dlHorizParallel:
        c->HorizLine3D(P0.X, P1.X, P0.Y, 0);
        c->HorizLine3D(P0.X, P1.X, P1.Y, 0);
        break;
    case dlVertParallel:
        c->VertLine3D(P0.X, P0.Y, P1.Y, 0);
        c->VertLine3D(P1.X, P0.Y, P1.Y, 0);
        break;
    case dlRectangle:
        c->RectangleWithZ(TRect{P0.X, P0.Y, P1.X, P1.Y}, 0);
        break;
    case dlEllipse:
        c->EllipseWithZ(P0.X, P0.Y, P1.X, P1.Y, 0);
        break;
    }
}

void TDrawLineTool::RedrawLine(TDrawLine* Line) {
    if (!FParent) return;
    TCanvas3D* c = FParent->Canvas();
    TChartPen* pen = Line && Line->HasPen() ? Line->Pen() : FPen;
    const bool smooth = OnSmoothCanvas();
    if (smooth) {
        c->AssignVisiblePen(pen);
    } else {
        TColor back = FParent->Color();
        if (back == clTeeColor) back = clBtnFace;
        c->AssignVisiblePenColor(pen, TColor(ColorToRGB(pen->Color()) ^ (0xFFFFFF - ColorToRGB(back))));
        c->Pen()->SetMode(pmNotXor);
    }
    c->Brush()->SetStyle(bsClear);
    c->SetBackMode(cbmTransparent);
    try {
        if (Line)
            DrawLine(AxisPoint(Line->StartPos), AxisPoint(Line->EndPos), Line->Style());
        else
            DrawLine(FromPoint, ToPoint, FStyle);
    } catch (...) {
        c->Pen()->SetMode(pmCopy);
        throw;
    }
    c->Pen()->SetMode(pmCopy);
    c->Invalidate();
}

void TDrawLineTool::DrawHandles() {
    if (!ISelected || !FParent) return;
    TCanvas3D* c = FParent->Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(FParent->Color() == clBlack ? clSilver : clBlack);
    c->Pen()->SetStyle(psClear);
    for (TPoint p : {AxisPoint(ISelected->StartPos), AxisPoint(ISelected->EndPos)}) {
        const TRect r{p.X - 3, p.Y - 3, p.X + 3, p.Y + 3};
        if (FParent->View3D())
            c->RectangleWithZ(r, 0);
        else
            c->Rectangle(r);
    }
    c->Invalidate();
}

void TDrawLineTool::ChartEvent(TChartToolEvent AEvent) {
    TTeeCustomToolSeries::ChartEvent(AEvent);
    if (AEvent != cteAfterDraw || !FParent) return;
    TCanvas3D* c = FParent->Canvas();
    c->SetBackMode(cbmTransparent);
    TRect r = FParent->ChartRect;
    if (FSeries && FSeries->GetHorizAxis() && FSeries->GetVertAxis()) {
        TChartAxis* h = FSeries->GetHorizAxis();
        TChartAxis* v = FSeries->GetVertAxis();
        r = TRect{h->IStartPos, v->IStartPos, h->IEndPos, v->IEndPos};
    }
    const bool clip = FParent->CanClip();
    if (clip) {
        if (FParent->View3D())
            c->ClipCube(r, 0, FParent->Width3D());
        else
            c->ClipRectangle(r);
    }
    try {
        // After a paint the lines are drawn plainly, not inverted.
        for (int i = 0; i < FLines->Count(); ++i) {
            TDrawLine* line = FLines->Line(i);
            c->AssignVisiblePen(line->HasPen() ? line->Pen() : FPen);
            c->Brush()->SetStyle(bsClear);
            DrawLine(AxisPoint(line->StartPos), AxisPoint(line->EndPos), line->Style());
        }
        DrawHandles();
        if (IDrawing) {
            c->AssignVisiblePen(FPen);
            c->Brush()->SetStyle(bsClear);
            DrawLine(FromPoint, ToPoint, FStyle);
        }
    } catch (...) {
        if (clip) c->UnClipRectangle();
        throw;
    }
    if (clip) c->UnClipRectangle();
}

void TDrawLineTool::ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                                    int Y) {
    (void)Shift;
    if (!FParent) return;
    switch (AEvent) {
    case cmeDown: {
        if (Button != FButton) return;
        TDrawLine* line = FEnableSelect ? Clicked(X, Y) : nullptr;
        if (line) {
            if (line != ISelected) {
                bool allow = true;
                if (OnSelecting.Assigned()) OnSelecting(this, line, allow);
                if (!allow) {
                    // A refused line is neither selected nor dragged.
                    IHandle = chNone;
                    FParent->SetCancelMouse(true);
                    return;
                }
                const bool had = ISelected != nullptr;
                ISelected = line;
                if (had)
                    Repaint();
                else
                    DrawHandles();
                if (OnSelect.Assigned()) OnSelect(this);
            }
            FromPoint = AxisPoint(line->StartPos);
            ToPoint = AxisPoint(line->EndPos);
            IPoint = TPoint{X, Y};
            IHandle = chSeries;
            if (line->Clicked(X, Y, FClick, chStart))
                IHandle = chStart;
            else if (line->Clicked(X, Y, FClick, chEnd))
                IHandle = chEnd;
            FParent->SetCancelMouse(true);
        } else {
            ISelected = nullptr;
            IHandle = chNone;
            if (!FEnableDraw) return;
            IDrawing = true;
            FromPoint = ToPoint = TPoint{X, Y};
            if (!OnSmoothCanvas()) RedrawLine(nullptr);
            FParent->SetCancelMouse(true);
        }
        break;
    }
    case cmeMove:
        if (IDrawing || (IHandle != chNone && ISelected)) {
            const bool smooth = OnSmoothCanvas();
            if (!smooth) RedrawLine(IDrawing ? nullptr : ISelected);
            if (IDrawing) {
                ToPoint = TPoint{X, Y};
            } else {
                switch (IHandle) {
                case chStart:
                    FromPoint = TPoint{X, Y};
                    break;
                case chEnd:
                    ToPoint = TPoint{X, Y};
                    break;
                default:
                    FromPoint.X += X - IPoint.X;
                    FromPoint.Y += Y - IPoint.Y;
                    ToPoint.X += X - IPoint.X;
                    ToPoint.Y += Y - IPoint.Y;
                    IPoint = TPoint{X, Y};
                    break;
                }
                // Only what the mouse holds moves: an end left alone keeps its exact values.
                if (IHandle != chEnd) ISelected->StartPos = ScreenPoint(FromPoint);
                if (IHandle != chStart) ISelected->EndPos = ScreenPoint(ToPoint);
            }
            if (smooth)
                Repaint();
            else
                RedrawLine(IDrawing ? nullptr : ISelected);
            FParent->SetCancelMouse(true);
            IMoved = true;
            if (OnDragLine.Assigned()) OnDragLine(this);
        } else if (FEnableSelect) {
            bool hit = false;
            if (ISelected &&
                (ISelected->Clicked(X, Y, FClick, chStart) || ISelected->Clicked(X, Y, FClick, chEnd))) {
                FParent->SetCursor(crCross);
                hit = true;
            } else if (Clicked(X, Y)) {
                FParent->SetCursor(crHandPoint);
                hit = true;
            }
            FParent->SetCancelMouse(hit);
        }
        break;
    case cmeUp:
        if (Button != FButton) return;
        if (IHandle != chNone && ISelected) {
            if (IHandle == chStart || IHandle == chSeries) ISelected->StartPos = ScreenPoint(FromPoint);
            if (IHandle == chEnd || IHandle == chSeries) ISelected->EndPos = ScreenPoint(ToPoint);
            IHandle = chNone;
            Repaint();
            if (IMoved) {
                IMoved = false;
                if (OnDraggedLine.Assigned()) OnDraggedLine(this);
            }
        } else if (IDrawing) {
            IDrawing = false;
            if (FromPoint != ToPoint) {
                const TFloatPoint a = ScreenPoint(FromPoint), b = ScreenPoint(ToPoint);
                TDrawLine* line = FLines->AddLine(a.X, a.Y, b.X, b.Y);
                line->SetStyle(FStyle);
                if (FSelectNew) {
                    ISelected = line;
                    IPoint = TPoint{X, Y};
                }
                Repaint();
                if (OnNewLine.Assigned()) OnNewLine(this);
            } else if (!OnSmoothCanvas()) {
                RedrawLine(nullptr); // the rubber dot goes
            }
        }
        IHandle = chNone;
        break;
    }
}
