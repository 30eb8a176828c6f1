// TRectangleTool: dragging and resizing of the box with the mouse, its hover cursors, and
// the copy of the chart area under it.
#include "chart/tools/RectangleTool.h"

#include "chart/engine/canvas/TeeCanvas3D.h"
#include "chart/engine/canvas/TeeShadow.h"
#include "chart/engine/texts/TeeConst.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Cursor.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

ORVO_IMPLEMENT_CLASS(TRectangleTool, TAnnotationTool)

ORVO_PUBLISHED(TRectangleTool) {
    using T = TRectangleTool;
    P.Property("AllowDrag", &T::AllowDrag, &T::SetAllowDrag).Default(true);
    P.Property("AllowResize", &T::AllowResize, &T::SetAllowResize).Default(true);
    P.Property("AutoSize", &T::AutoSize, &T::SetAutoSize).Default(false);
    P.Property("Cursor", &T::Cursor, &T::SetCursor).Type(TypeInfoTCursor()).Default(crHandPoint);
    P.Property("PositionUnits", &T::PositionUnits, &T::SetPositionUnits).Default(muPixels);
    P.Property("OnDragged", &T::OnDragged);
    P.Property("OnDragging", &T::OnDragging);
    P.Property("OnResized", &T::OnResized);
    P.Property("OnResizing", &T::OnResizing);
}

TRectangleTool::TRectangleTool(TComponent* AOwner) : TAnnotationTool(AOwner) {
    FShape->SetAutoSize(false);
    FShape->DefaultAutoSize = false;
    FShape->DefaultCursor = crHandPoint;
    FShape->DefaultCustom = true;
    FShape->SetCustomPosition(true);
    FShape->Shadow()->SetSize(0);
    FShape->SetTransparency(75);
    FShape->ShapeBounds = TRect{10, 10, 10 + 50 - 1, 10 + 50 - 1};
    FPositionUnits = muPixels;
    FShape->SetCursor(crHandPoint);
}

String TRectangleTool::Description() {
    return TeeMsg_RectangleTool;
}

String TRectangleTool::LongDescription() {
    return TeeMsg_RectangleToolDesc;
}

void TRectangleTool::Assign(TPersistent* Source) {
    if (auto* s = dynamic_cast<TRectangleTool*>(Source)) {
        FAllowDrag = s->FAllowDrag;
        FAllowResize = s->FAllowResize;
    }
    TAnnotationTool::Assign(Source);
}

int TRectangleTool::ClickedEdge(int X, int Y) {
    if (!Clicked(X, Y)) return EdgeNone;
    const TRect r = Bounds();
    auto near = [](int A, int B) { return std::abs(A - B) < 4; };
    if (near(X, r.Left)) {
        if (near(Y, r.Top)) return EdgeTopLeft;
        if (near(Y, r.Bottom)) return EdgeBottomLeft;
        return EdgeLeft;
    }
    if (near(Y, r.Top)) return near(X, r.Right) ? EdgeTopRight : EdgeTop;
    if (near(X, r.Right)) return near(Y, r.Bottom) ? EdgeBottomRight : EdgeRight;
    if (near(Y, r.Bottom)) return EdgeBottom;
    return EdgeNone;
}

void TRectangleTool::MoveTo(int X, int Y) {
    FShape->SetCustomPosition(true);
    if (FPositionUnits == muPercent && FParent) {
        const int w = std::max(1, FParent->Width());
        const int h = std::max(1, FParent->Height());
        X = static_cast<int>(std::lround(X * 100.0 / w));
        Y = static_cast<int>(std::lround(Y * 100.0 / h));
    }
    // The shape keeps its width and height as it moves.
    FShape->SetLeft(X);
    FShape->SetTop(Y);
}

void TRectangleTool::ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                                     int Y) {
    TAnnotationTool::ChartMouseEvent(AEvent, Button, Shift, X, Y);
    if (!Active() || !FParent) return;
    switch (AEvent) {
    case cmeDown: {
        if (Button != mbLeft) break;
        IEdge = FAllowResize ? ClickedEdge(X, Y) : EdgeNone;
        const TRect r = Bounds();
        if (IEdge != EdgeNone) {
            const bool right = IEdge == EdgeRight || IEdge == EdgeTopRight || IEdge == EdgeBottomRight;
            const bool bottom = IEdge == EdgeBottom || IEdge == EdgeBottomLeft || IEdge == EdgeBottomRight;
            P.X = X - (right ? r.Right : r.Left);
            P.Y = Y - (bottom ? r.Bottom : r.Top);
            FParent->SetCancelMouse(true);
        } else if (FAllowDrag && Clicked(X, Y)) {
            P = TPoint{X - r.Left, Y - r.Top};
            IDrag = true;
            FParent->SetCancelMouse(true);
        }
        break;
    }
    case cmeMove:
        if (IDrag) {
            MoveTo(X - P.X, Y - P.Y);
            RepaintTool();
            if (OnDragging) OnDragging(this);
        } else if (IEdge != EdgeNone) {
            FShape->SetAutoSize(false);
            TRect r = Bounds();
            const int x = X - P.X, y = Y - P.Y;
            const bool left = IEdge == EdgeLeft || IEdge == EdgeTopLeft || IEdge == EdgeBottomLeft;
            const bool top = IEdge == EdgeTop || IEdge == EdgeTopLeft || IEdge == EdgeTopRight;
            const bool right = IEdge == EdgeRight || IEdge == EdgeTopRight || IEdge == EdgeBottomRight;
            const bool bottom = IEdge == EdgeBottom || IEdge == EdgeBottomLeft || IEdge == EdgeBottomRight;
            if (left) r.Left = std::min(r.Right - 3, x);
            if (top) r.Top = std::min(r.Bottom - 3, y);
            if (right) r.Right = std::max(r.Left + 3, x);
            if (bottom) r.Bottom = std::max(r.Top + 3, y);
            if (FPositionUnits == muPixels) {
                FShape->SetCustomPosition(true);
                FShape->ShapeBounds = r;
            } else {
                MoveTo(r.Left, r.Top);
            }
            RepaintTool();
            if (OnResizing) OnResizing(this);
        } else {
            const int edge = ClickedEdge(X, Y);
            if (edge != EdgeNone) {
                if (FAllowResize) {
                    TCursor c = crSizeWE;
                    if (edge == EdgeTop || edge == EdgeBottom)
                        c = crSizeNS;
                    else if (edge == EdgeTopLeft || edge == EdgeBottomRight)
                        c = crSizeNWSE;
                    else if (edge == EdgeBottomLeft || edge == EdgeTopRight)
                        c = crSizeNESW;
                    FParent->SetCursor(c);
                    FParent->SetCancelMouse(true);
                } else {
                    FParent->SetCancelMouse(false);
                }
            } else if (Clicked(X, Y) && Cursor() != crDefault) {
                FParent->SetCursor(Cursor());
                FParent->SetCancelMouse(true);
            } else {
                FParent->SetCancelMouse(false);
            }
        }
        break;
    case cmeUp:
        if (IDrag) {
            IDrag = false;
            if (OnDragged) OnDragged(this);
        } else if (IEdge != EdgeNone) {
            IEdge = EdgeNone;
            if (OnResized) OnResized(this);
        }
        break;
    }
}

TBitmap* TRectangleTool::Bitmap(bool ChartOnly) {
    auto result = std::make_unique<TBitmap>();
    const int w = Width(), h = Height();
    result->SetSize(w, h);
    if (!FParent) return result.release();
    const TRect box = Bounds();
    const TRect dest{0, 0, w, h};
    const TRect source{box.Left, box.Top, box.Left + w, box.Top + h};
    if (ChartOnly) {
        const bool wasActive = Active();
        std::unique_ptr<TBitmap> chart;
        SetActive(false);
        try {
            chart.reset(FParent->TeeCreateBitmap(FParent->Color(), FParent->GetRectangle()));
        } catch (...) {
            SetActive(wasActive);
            throw;
        }
        SetActive(wasActive);
        result->Canvas()->CopyRect(dest, chart->Canvas(), source);
    } else {
        auto* canvas = dynamic_cast<TTeeCanvas3D*>(FParent->Canvas());
        if (canvas && !canvas->Bitmap()) FParent->Draw();
        if (canvas && canvas->Bitmap()) result->Canvas()->CopyRect(dest, canvas->Bitmap()->Canvas(), source);
    }
    return result.release();
}
