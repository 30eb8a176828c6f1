// TAnnotationTool: a text box drawn on the chart after everything else, at one of five
// places of the chart bounds or at a position of its own (pixels or percent), optionally
// with a callout arrow to a chart point. TTextShape is the box; TAnnotationCallout the arrow.
#pragma once

#include "chart/engine/chart/ShapePosition.h"
#include "chart/engine/chart/TeeTools.h"
#include "chart/engine/series/Margins.h"
#include "chart/engine/series/SeriesPointer.h"

enum TAnnotationPosition { ppLeftTop, ppLeftBottom, ppRightTop, ppRightBottom, ppCenter };
ORVO_DECLARE_ENUM_TYPE(TAnnotationPosition)

// The framed box of an annotation: multi-line text with alignment, margins and clipping.
class TTextShape : public TTeeCustomShapePosition {
    ORVO_CLASS(TTextShape, TTeeCustomShapePosition)
public:
    explicit TTextShape(TCustomTeePanel* Panel = nullptr);
    ~TTextShape() override;
    void Assign(TPersistent* Source) override;

    // Draws the box in R (relative to the panel's chart bounds) with NumLines lines, each
    // shifted right by XOffset.
    void DrawText(TCustomTeePanel* Panel, TRect R, int NumLines, int XOffset);
    // Sizes the stored bounds to the text, its frame and margins (origin 0, 0).
    void CalcBounds(TCustomTeePanel* Panel);

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value) { SetShapeBool(FAutoSize, Value); }
    bool ClipText() const { return FClipText; }
    void SetClipText(bool Value) { SetShapeBool(FClipText, Value); }
    int Cursor() const { return FCursor; }
    void SetCursor(int Value);
    TMargins* Margins() const { return FMargins; }
    void SetMargins(TMargins* Value) { FMargins->Assign(Value); }
    String Text() const { return FText; }
    void SetText(const String& Value);
    bool IsTextStored() const { return !FText.isEmpty(); }
    TAlignment TextAlignment() const { return FTextAlign; }
    void SetTextAlignment(TAlignment Value);

    int INumLines = 0;
    // The values of AutoSize and Cursor that streams leave out (a box class of other
    // defaults sets them).
    bool DefaultAutoSize = true;
    int DefaultCursor = 0;
    bool IsAutoSizeStored() const { return FAutoSize != DefaultAutoSize; }
    bool IsCursorStored() const { return FCursor != DefaultCursor; }

private:
    void SetShapeBool(bool& Field, bool Value);

    bool FAutoSize = true;
    bool FClipText = true;
    int FCursor = 0;
    TMargins* FMargins = nullptr;
    String FText;
    TAlignment FTextAlign = taLeftJustify;
};

// The arrow of an annotation to a chart point (pixels and depth).
class TAnnotationCallout : public TCallout {
    ORVO_CLASS(TAnnotationCallout, TCallout)
public:
    explicit TAnnotationCallout(TChartSeries* AOwner = nullptr);
    void Assign(TPersistent* Source) override;

    int XPosition() const { return FX; }
    void SetXPosition(int Value) { SetPos(FX, Value); }
    int YPosition() const { return FY; }
    void SetYPosition(int Value) { SetPos(FY, Value); }
    int ZPosition() const { return FZ; }
    void SetZPosition(int Value) { SetPos(FZ, Value); }

private:
    void SetPos(int& Field, int Value);
    int FX = 0;
    int FY = 0;
    int FZ = 0;
};

class TAnnotationTool;
using TAnnotationClick = TEvent<TAnnotationTool*, TMouseButton, TShiftState, int, int>;
ORVO_DECLARE_EVENT_TYPE(TAnnotationClick)

class TAnnotationTool : public TTeeCustomTool {
    ORVO_CLASS(TAnnotationTool, TTeeCustomTool)
public:
    explicit TAnnotationTool(TComponent* AOwner);
    ~TAnnotationTool() override;
    void Assign(TPersistent* Source) override;
    void SetParentChart(TCustomAxisPanel* Value) override;
    void ChartEvent(TChartToolEvent AEvent) override;
    void ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                         int Y) override;
    String Description() override;
    String LongDescription() override;
    String GetEditorClass() override { return QStringLiteral("TAnnotationToolEdit"); }

    // ---- new operations, in slot order ----
    virtual int GetXOffset() { return 0; }
    virtual void DrawText();
    virtual String GetText() { return FShape->Text(); }
    // The box on the parent chart within its chart bounds; empty without a chart.
    virtual TRect GetTextBounds(int& NumLines, int& X, int& Y);

    // The box on any panel within the reference rectangle R.
    TRect GetTextBounds(TCustomTeePanel* Panel, const TRect& R, int& NumLines, int& X, int& Y);
    bool Clicked(int X, int Y);
    TRect Bounds();
    void SetBounds(const TRect& R);

    TAnnotationCallout* Callout() const { return FCallout; }
    void SetCallout(TAnnotationCallout* Value) { FCallout->Assign(Value); }
    TAnnotationPosition Position() const { return FPosition; }
    void SetPosition(TAnnotationPosition Value);
    TTeeUnits PositionUnits() const { return FPositionUnits; }
    void SetPositionUnits(TTeeUnits Value);
    TTextShape* Shape() const { return FShape; }
    void SetShape(TTextShape* Value) { FShape->Assign(Value); }
    String Text() { return GetText(); }
    void SetText(const String& Value) { FShape->SetText(Value); }
    bool IsTextStored() const { return FShape->IsTextStored(); }
    TAlignment TextAlignment() const { return FShape->TextAlignment(); }
    void SetTextAlignment(TAlignment Value) { FShape->SetTextAlignment(Value); }
    bool AutoSize() const { return FShape->AutoSize(); }
    void SetAutoSize(bool Value) { FShape->SetAutoSize(Value); }
    bool ClipText() const { return FShape->ClipText(); }
    void SetClipText(bool Value) { FShape->SetClipText(Value); }
    int Cursor() const { return FShape->Cursor(); }
    void SetCursor(int Value) { FShape->SetCursor(Value); }
    int Left() const { return FShape->Left(); }
    void SetLeft(int Value);
    int Top() const { return FShape->Top(); }
    void SetTop(int Value);
    int Width() const { return FShape->Width(); }
    void SetWidth(int Value);
    int Height() const { return FShape->Height(); }
    void SetHeight(int Value);
    bool IsSizeStored() const { return !FShape->AutoSize(); }

    TNotifyEvent OnBeforeDraw;
    TNotifyEvent OnAfterDraw;
    TAnnotationClick OnClick;
    TAnnotationClick OnDblClick;

protected:
    void RepaintTool();

    TAnnotationCallout* FCallout = nullptr;
    TAnnotationPosition FPosition = ppLeftTop;
    TTeeUnits FPositionUnits = muPixels;
    TTextShape* FShape = nullptr;
};
