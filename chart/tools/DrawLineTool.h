// TDrawLineTool: free lines drawn on a chart with the mouse -- plain lines, pairs of parallel
// lines, rectangles or ellipses -- kept in axis values so that they follow zoom and scroll.
// Lines can be selected, moved by their body and stretched by their end handles. While the
// mouse moves the line is drawn in an inverting pen mode, so no repaint is needed.
#pragma once

#include "chart/engine/chart/TeeTools.h"
#include "platform/classes/Collection.h"

enum TDrawLineStyle { dlLine, dlHorizParallel, dlVertParallel, dlRectangle, dlEllipse };
ORVO_DECLARE_ENUM_TYPE(TDrawLineStyle)
enum TDrawLineHandle { chNone, chStart, chEnd, chSeries };

struct TFloatPoint {
    double X = 0, Y = 0;
};

class TDrawLineTool;
class TDrawLine;
using TDrawLineSelecting = TEvent<TDrawLineTool*, TDrawLine*, bool&>;
ORVO_DECLARE_EVENT_TYPE(TDrawLineSelecting)

class TDrawLine : public TCollectionItem {
    ORVO_CLASS(TDrawLine, TCollectionItem)
public:
    explicit TDrawLine(TCollection* Collection);
    // Clears the tool's selection when it was this line; frees the line's pen.
    ~TDrawLine() override;
    // Start, end and style; the pen is copied when the source has one, otherwise this
    // line's own pen is freed.
    void Assign(TPersistent* Source) override;

    // Whether (X, Y) -- 2-D pixels -- lies on the line with Tolerance, or in the handle
    // square of its start (chStart) or end (chEnd).
    bool Clicked(int X, int Y, int Tolerance, TDrawLineHandle Handle);
    TDrawLineTool* Parent() const;

    // The line's own pen, made on first read as a copy of the tool's pen.
    TChartPen* Pen();
    // Null frees the line's own pen; a pen is copied in.
    void SetPen(TChartPen* Value);
    bool HasPen() const { return FPen != nullptr; }
    TDrawLineStyle Style() const { return FStyle; }
    void SetStyle(TDrawLineStyle Value);
    double X0() const { return StartPos.X; }
    void SetX0(double Value) { SetValue(StartPos.X, Value); }
    double Y0() const { return StartPos.Y; }
    void SetY0(double Value) { SetValue(StartPos.Y, Value); }
    double X1() const { return EndPos.X; }
    void SetX1(double Value) { SetValue(EndPos.X, Value); }
    double Y1() const { return EndPos.Y; }
    void SetY1(double Value) { SetValue(EndPos.Y, Value); }

    TFloatPoint StartPos;
    TFloatPoint EndPos;

private:
    void SetValue(double& Field, double Value);
    TChartPen* FPen = nullptr;
    TDrawLineStyle FStyle = dlLine;
};

class TDrawLines : public TOwnedCollection {
    ORVO_CLASS(TDrawLines, TOwnedCollection)
public:
    explicit TDrawLines(TDrawLineTool* AOwner);
    TDrawLine* AddLine(double X0, double Y0, double X1, double Y1);
    // The last line, or none.
    TDrawLine* Last() const;
    TDrawLine* Line(int Index) const;
    void SetLine(int Index, TDrawLine* Value) { Line(Index)->Assign(Value); }
};

class TDrawLineTool : public TTeeCustomToolSeries {
    ORVO_CLASS(TDrawLineTool, TTeeCustomToolSeries)
public:
    explicit TDrawLineTool(TComponent* AOwner);
    ~TDrawLineTool() override;

    void Assign(TPersistent* Source) override;
    String GetEditorClass() override { return QStringLiteral("TDrawLineEdit"); }
    void ChartEvent(TChartToolEvent AEvent) override;
    void ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                         int Y) override;
    String Description() override;
    String LongDescription() override;

    // Axis values to pixels and back, on the tool's axes.
    TPoint AxisPoint(const TFloatPoint& P);
    TFloatPoint ScreenPoint(const TPoint& P);
    // The line under (X, Y): any body first, then start handles, then end handles.
    TDrawLine* Clicked(int X, int Y);
    // The line under (X, Y) for one handle kind; the selected line is tried first.
    TDrawLine* InternalClicked(int X, int Y, int Tolerance, TDrawLineHandle Handle);
    void DeleteSelected();
    // Draws the line (or, with none, the line being drawn) with its pen; outside the
    // smoothing canvas in an inverting mode, so that drawing it twice restores the picture.
    void RedrawLine(TDrawLine* Line);

    TMouseButton Button() const { return FButton; }
    void SetButton(TMouseButton Value) { FButton = Value; }
    int ClickTolerance() const { return FClick; }
    void SetClickTolerance(int Value) { FClick = Value; }
    bool EnableDraw() const { return FEnableDraw; }
    void SetEnableDraw(bool Value) { FEnableDraw = Value; }
    bool EnableSelect() const { return FEnableSelect; }
    void SetEnableSelect(bool Value);
    TDrawLines* Lines() const { return FLines; }
    void SetLines(TDrawLines* Value) { FLines->Assign(Value); }
    bool SelectNewLines() const { return FSelectNew; }
    void SetSelectNewLines(bool Value) { FSelectNew = Value; }
    TDrawLineStyle Style() const { return FStyle; }
    void SetStyle(TDrawLineStyle Value) { FStyle = Value; }
    TDrawLine* Selected() const { return ISelected; }
    void SetSelected(TDrawLine* Value);
    TDrawLineHandle Handle() const { return IHandle; }
    bool Drawing() const { return IDrawing; }

    TNotifyEvent OnDraggedLine;
    TNotifyEvent OnDragLine;
    TNotifyEvent OnNewLine;
    TNotifyEvent OnSelect;
    TDrawLineSelecting OnSelecting;

private:
    friend class TDrawLine;
    void DrawLine(TPoint P0, TPoint P1, TDrawLineStyle AStyle);
    void DrawHandles();
    bool OnSmoothCanvas() const;

    TMouseButton FButton = mbLeft;
    int FClick = 0;
    bool FEnableDraw = true;
    bool FEnableSelect = true;
    TDrawLines* FLines = nullptr;
    bool FSelectNew = true;
    TDrawLineStyle FStyle = dlLine;
    bool IDrawing = false;
    bool IMoved = false;
    TPoint IPoint{0, 0};
    TDrawLine* ISelected = nullptr;
    TDrawLineHandle IHandle = chNone;
    TPoint FromPoint{0, 0};
    TPoint ToPoint{0, 0};
};
