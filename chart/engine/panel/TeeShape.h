// Framed shapes: the rectangle (optionally rounded or elliptic, rotated and placed at a
// depth) that titles, legends, marks, annotations and gauge faces draw through. A shape
// draws its frame and filling (brush, gradient or picture), its shadow and bevel, blended
// with what lies under it by its transparency; its owner sets ShapeBounds and draws the
// text inside.
#pragma once

#include "chart/engine/canvas/CanvasGeometry.h"
#include "platform/classes/Event.h"
#include "platform/classes/Persistent.h"
#include "platform/controls/StdControlTypes.h"

class TBackImage;
class TCanvas3D;
class TChartBrush;
class TChartPen;
class TCustomTeePanel;
class TTeeFont;
class TTeeGradient;
class TTeeShadow;

enum TChartObjectShapeStyle { fosRectangle, fosRoundRectangle, fosEllipse };
const TTypeInfo* TypeInfoOf(TChartObjectShapeStyle*);
enum TTextFormat { ttfNormal, ttfHtml };
const TTypeInfo* TypeInfoOf(TTextFormat*);

// Brush, pen and visibility, and the panel that repaints when they change.
class TTeeCustomShapeBrushPen : public TPersistent {
    ORVO_CLASS(TTeeCustomShapeBrushPen, TPersistent)
public:
    // BrushClass: the chart brush class to create (TChartBrush or a descendant).
    explicit TTeeCustomShapeBrushPen(TCustomTeePanel* Parent = nullptr, TClass BrushClass = nullptr);
    ~TTeeCustomShapeBrushPen() override;
    // From another brush-pen: brush, pen and Visible.
    void Assign(TPersistent* Source) override;
    virtual void SetParent(TCustomTeePanel* Value);

    TChartBrush* Brush() const { return FBrush; }
    void SetBrush(TChartBrush* Value);
    TChartPen* Pen() const { return FPen; }
    void SetPen(TChartPen* Value);
    TChartPen* Frame() const { return FPen; }
    void SetFrame(TChartPen* Value) { SetPen(Value); }
    TCustomTeePanel* ParentChart() const { return FParent; }
    void SetParentChart(TCustomTeePanel* Value) { SetParent(Value); }
    bool Visible() const { return FVisible; }
    // Through the parent's setter (repaint on change); stored only without a parent.
    void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // The parent panel repaints (nothing without one).
    void Repaint();
    void CanvasChanged(TObject* Sender);

protected:
    // CanvasChanged as a change handler of the owned pens, brushes, fonts and shadows.
    TNotifyEvent changedEvent() { return TNotifyEvent(this, &TTeeCustomShapeBrushPen::CanvasChanged); }

    TChartBrush* FBrush = nullptr;
    TCustomTeePanel* FParent = nullptr;
    TChartPen* FPen = nullptr;
    bool FVisible = true;
};

class TTeeCustomShape : public TTeeCustomShapeBrushPen {
    ORVO_CLASS(TTeeCustomShape, TTeeCustomShapeBrushPen)
public:
    explicit TTeeCustomShape(TCustomTeePanel* Panel = nullptr);
    ~TTeeCustomShape() override;
    void Assign(TPersistent* Source) override;

    // The shadow's first colour and size (black, 3). A descendant with other values
    // calls its own from its constructor.
    virtual void InitShadow(TTeeShadow* AShadow);
    // The gradient class made on first use of Gradient.
    virtual TClass GetGradientClass() const;

    // DrawRectRotated(ShapeBounds, 0, 0).
    void Draw();
    void DrawRectRotated(const TRect& Rect, int Angle = 0, int Z = 0);
    // The frame, filling, shadow and bevel of Rect turned by Angle degrees at depth Z,
    // on Panel's canvas; nothing without a panel or canvas.
    void DrawRectRotated(TCustomTeePanel* Panel, const TRect& Rect, int Angle, int Z);

    TBevelCut Bevel() const { return FBevel; }
    void SetBevel(TBevelCut Value);
    TBevelWidth BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(TBevelWidth Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TTeeFont* Font() const { return FFont; }
    void SetFont(TTeeFont* Value);
    // Made on first read; null frees it, a value is copied.
    TTeeGradient* Gradient();
    void SetGradient(TTeeGradient* Value);
    bool HasGradient() const { return FGradient != nullptr; }
    // Made on first read; null frees it, a value is copied; either way the parent repaints.
    TBackImage* Picture();
    void SetPicture(TBackImage* Value);
    bool HasPicture() const { return FPicture != nullptr; }
    int RoundSize() const { return FRoundSize; }
    void SetRoundSize(int Value);
    // Null frees the shadow (no shadow is drawn then); a value is copied into it.
    TTeeShadow* Shadow() const { return FShadow; }
    void SetShadow(TTeeShadow* Value);
    TColor ShadowColor() const;
    void SetShadowColor(TColor Value);
    int ShadowSize() const;
    void SetShadowSize(int Value);
    TChartObjectShapeStyle ShapeStyle() const { return FShapeStyle; }
    void SetShapeStyle(TChartObjectShapeStyle Value);
    TTextFormat TextFormat() const { return FTextFormat; }
    void SetTextFormat(TTextFormat Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool IsTransparentStored() const { return FTransparent != DefaultTransparent; }
    TTeeTransparency Transparency() const { return FTransparency; }
    void SetTransparency(TTeeTransparency Value);

    int Width() const { return ShapeBounds.Right - ShapeBounds.Left + 1; }
    void SetWidth(int Value) { ShapeBounds.Right = ShapeBounds.Left + Value - 1; }
    int Height() const { return ShapeBounds.Bottom - ShapeBounds.Top + 1; }
    void SetHeight(int Value) { ShapeBounds.Bottom = ShapeBounds.Top + Value - 1; }

    // The shape's rectangle, right and bottom inclusive.
    TRect ShapeBounds;
    // The value of Transparent that streams leave out.
    bool DefaultTransparent = false;

protected:
    void DefineProperties(TFiler* Filer) override;
    // Stores Value and repaints the parent when it changed.
    template <class V> void SetAndRepaint(V& Field, V Value) {
        if (StoreIfChanged(Field, Value)) Repaint();
    }

private:
    void ReadShadowColor(TReader* Reader);
    void ReadShadowSize(TReader* Reader);
    // The body's outline (also the solid shadow copy's).
    void DrawOutline(TCanvas3D* Canvas, const TRect& R, int Angle, int Z);
    void DrawPicture(TCustomTeePanel* Panel, TCanvas3D* Canvas, const TRect& Rect);

    TBevelCut FBevel = bvNone;
    TBevelWidth FBevelWidth = 2;
    TColor FColor = clWhite;
    TTeeFont* FFont = nullptr;
    int FRoundSize = 16;
    TTeeShadow* FShadow = nullptr;
    TChartObjectShapeStyle FShapeStyle = fosRectangle;
    TTextFormat FTextFormat = ttfNormal;
    bool FTransparent = false;
    TTeeGradient* FGradient = nullptr;
    TBackImage* FPicture = nullptr;
    TTeeTransparency FTransparency = 0;
};

// The framed shape as chart elements publish it.
class TTeeShape : public TTeeCustomShape {
    ORVO_CLASS(TTeeShape, TTeeCustomShape)
public:
    explicit TTeeShape(TCustomTeePanel* Panel = nullptr) : TTeeCustomShape(Panel) {}
};

// The corners of Rect turned by Angle degrees about its centre (counter-clockwise on
// screen for a positive angle): top-left, top-right, bottom-right, bottom-left.
void RectToFourPoints(const TRect& Rect, double Angle, TFourPoints& Points);
