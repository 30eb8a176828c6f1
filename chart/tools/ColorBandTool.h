// TColorBandTool: fills the strip between two values of its axis with a colour, gradient or
// picture, optionally see-through, behind the series, behind the axes or in front. Two
// colour lines of its own stand at the band's edges and make it resizable by dragging.
#pragma once

#include "chart/engine/chart/TeeTools.h"
#include "chart/tools/ColorLineTool.h"

class TTeeGradient;
class TTeePicture;

class TColorBandTool : public TTeeCustomToolAxis {
    ORVO_CLASS(TColorBandTool, TTeeCustomToolAxis)
public:
    explicit TColorBandTool(TComponent* AOwner);
    ~TColorBandTool() override;

    void Assign(TPersistent* Source) override;
    String GetEditorClass() override { return QStringLiteral("TColorBandToolEditor"); }
    void SetParentChart(TCustomAxisPanel* Value) override;
    void ChartEvent(TChartToolEvent AEvent) override;
    void ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                         int Y) override;
    String Description() override;
    String LongDescription() override;
    void SetAxis(TChartAxis* Value) override;

    // The band's rectangle on the chart; empty without an axis or outside the axis range.
    TRect BoundsRect();
    bool Clicked(int X, int Y);
    // The depth the band is drawn at: the chart's depth when behind, else 0.
    int ZPosition();

    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { SetColorProperty(FColor, Value); }
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value) { FCursor = Value; }
    bool DrawBehind() const { return FDrawBehind; }
    void SetDrawBehind(bool Value) { SetBooleanProperty(FDrawBehind, Value); }
    bool DrawBehindAxes() const { return FDrawBehindAxes; }
    void SetDrawBehindAxes(bool Value) { SetBooleanProperty(FDrawBehindAxes, Value); }
    double StartValue() const { return FStart; }
    void SetStartValue(double Value);
    double EndValue() const { return FEnd; }
    void SetEndValue(double Value);
    TTeeGradient* Gradient() const { return FGradient; }
    void SetGradient(TTeeGradient* Value);
    TTeePicture* Picture();
    void SetPicture(TTeePicture* Value);
    bool HasPicture() const { return FPicture != nullptr; }
    int Transparency() const { return FTransparency; }
    void SetTransparency(int Value) { SetIntegerProperty(FTransparency, Value); }
    bool ResizeStart() const { return FLineStart->Active(); }
    void SetResizeStart(bool Value);
    bool ResizeEnd() const { return FLineEnd->Active(); }
    void SetResizeEnd(bool Value);
    TChartPen* StartLinePen() const { return FLineStart->Pen(); }
    void SetStartLinePen(TChartPen* Value) { FLineStart->SetPen(Value); }
    TChartPen* EndLinePen() const { return FLineEnd->Pen(); }
    void SetEndLinePen(TChartPen* Value) { FLineEnd->SetPen(Value); }
    TColorLineTool* StartLine() const { return FLineStart; }
    TColorLineTool* EndLine() const { return FLineEnd; }

    TMouseEvent OnClick;
    TNotifyEvent OnResized;

protected:
    void Loaded() override;

private:
    void PaintBand();
    void DragLine(TColorLineTool* Sender);
    void EndDragLine(TColorLineTool* Sender);
    void PictureChanged(TObject* Sender);

    TColor FColor = clWhite;
    TCursor FCursor = 0;
    bool FDrawBehind = true;
    bool FDrawBehindAxes = false;
    double FStart = 0;
    double FEnd = 0;
    TTeeGradient* FGradient = nullptr;
    TTeePicture* FPicture = nullptr;
    int FTransparency = 0;
    TColorLineTool* FLineStart = nullptr;
    TColorLineTool* FLineEnd = nullptr;
};
