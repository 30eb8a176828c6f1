// Series marks: the labelled boxes a series draws next to its points. The marks object holds
// the common appearance; per-point appearances (TMarksItem) and the positions of the last
// drawing (TSeriesMarkPosition, kept when the user placed them) live in two lists indexed by
// point.
#pragma once

#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/panel/TeeShape.h"
#include "platform/classes/TypInfo.h"

#include <vector>

class TChartSeries;
class TMargins;
class TMarksCallout;
class TStream;
class TStrings;
class TWhitePen;

enum TSeriesMarksStyle {
    smsValue,
    smsPercent,
    smsLabel,
    smsLabelPercent,
    smsLabelValue,
    smsLegend,
    smsPercentTotal,
    smsLabelPercentTotal,
    smsXValue,
    smsXY,
    smsSeriesTitle,
    smsPointIndex,
    smsPercentRelative
};
ORVO_DECLARE_ENUM_TYPE(TSeriesMarksStyle)

// Where one mark was drawn, and whether the user placed it there.
class TSeriesMarkPosition : public TObject {
    ORVO_CLASS(TSeriesMarkPosition, TObject)
public:
    void Assign(const TSeriesMarkPosition* Source);
    TRect Bounds() const { return ::Bounds(LeftTop.X, LeftTop.Y, Width, Height); }

    TPoint ArrowFrom;
    bool ArrowFix = false;
    TPoint ArrowTo;
    bool Custom = false;
    int Height = 0;
    TPoint LeftTop;
    int Width = 0;
    TPoint MidPoint;
    bool HasMid = false;
};

// Mark positions by point index; entries may be null. The list owns its entries.
class TSeriesMarksPositions : public TObject {
    ORVO_CLASS(TSeriesMarksPositions, TObject)
public:
    ~TSeriesMarksPositions() override;
    int Count() const { return static_cast<int>(FItems.size()); }
    // The entry, or null (also beyond the end).
    TSeriesMarkPosition* Get(int Index) const;
    TSeriesMarkPosition* operator[](int Index) const { return Get(Index); }
    // Grows the list, creates the entry on demand, marks it custom and copies P into it.
    void Put(int Index, const TSeriesMarkPosition* P);
    // The entry at Index, created when missing (not custom).
    TSeriesMarkPosition* Ensure(int Index);
    void Automatic(int Index);
    bool ExistCustom() const;
    void MoveTo(TSeriesMarkPosition& P, int X, int Y) const;
    // Frees the entries in Start .. Start+Quantity-1 that exist and closes the gap.
    void Delete(int Start, int Quantity = 1);
    void Clear();

private:
    std::vector<TSeriesMarkPosition*> FItems;
};

// The small square in the point's colour that marks may draw before their text.
class TSeriesMarksSymbol : public TTeeCustomShape {
    ORVO_CLASS(TSeriesMarksSymbol, TTeeCustomShape)
public:
    explicit TSeriesMarksSymbol(TCustomTeePanel* Panel = nullptr);
    void InitShadow(TTeeShadow* AShadow) override;
    // Visible and not transparent.
    bool ShouldDraw() const { return Visible() && !Transparent(); }
};

// The gradient of marks: right to left, silver to white.
class TSeriesMarksGradient : public TTeeGradient {
    ORVO_CLASS(TSeriesMarksGradient, TTeeGradient)
public:
    TSeriesMarksGradient() : TSeriesMarksGradient(TNotifyEvent()) {}
    explicit TSeriesMarksGradient(TNotifyEvent ChangedEvent);
};

class TMarksItem : public TTeeCustomShape {
    ORVO_CLASS(TMarksItem, TTeeCustomShape)
public:
    explicit TMarksItem(TCustomTeePanel* Panel = nullptr);
    ~TMarksItem() override;
    // The shape, and the text when the source has one (else none).
    void Assign(TPersistent* Source) override;
    // Made on first read.
    TStrings* Text();
    // Null frees the text; a value is copied.
    void SetText(TStrings* Value);
    bool HasText() const { return FText != nullptr; }

private:
    TStrings* FText = nullptr;
};

class TSeriesMarks;

// Per-point mark appearances; entries may be null. The list owns its items.
class TMarksItems : public TObject {
    ORVO_CLASS(TMarksItems, TObject)
public:
    explicit TMarksItems(TSeriesMarks* Marks) : FMarks(Marks) {}
    ~TMarksItems() override;
    int Count() const { return static_cast<int>(FItems.size()); }
    // The item at Index, or null (also beyond the end).
    TMarksItem* Get(int Index) const;
    // The item at Index, made on demand (the list grows with empty entries to reach it).
    TMarksItem* Item(int Index);
    TMarksItem* operator[](int Index) { return Item(Index); }
    void Delete(int Index);
    void Clear();
    TSeriesMarks* Marks() const { return FMarks; }

    // Set while the stored "Items" block is read.
    bool ILoadingCustom = false;

private:
    TSeriesMarks* FMarks = nullptr;
    std::vector<TMarksItem*> FItems;
};

class TSeriesMarks : public TTeeCustomShape {
    ORVO_CLASS(TSeriesMarks, TTeeCustomShape)
public:
    explicit TSeriesMarks(TChartSeries* Series = nullptr);
    ~TSeriesMarks() override;
    // From other marks: Angle, callout, Clip, DrawEvery, Style, Margins, MultiLine,
    // symbol, TextAlign and every item, then the shape.
    void Assign(TPersistent* Source) override;
    void InitShadow(TTeeShadow* AShadow) override;
    TClass GetGradientClass() const override;
    // The shape's own panel, then the callout's, the symbol's and the items'.
    void SetParent(TCustomTeePanel* Value) override;

    // The item of point Index when one exists, else the marks themselves.
    TTeeCustomShape* MarkItem(int Index);
    // Empties the positions; empties the items unless custom items are being loaded.
    void Clear();
    // Clears Custom on every position and repaints the series.
    void ResetPositions();

    // The index of the mark containing the pixel (edges included), -1 when none. Only
    // points whose index is a multiple of DrawEvery count.
    int Clicked(int X, int Y);
    int Clicked(TPoint P) { return Clicked(P.X, P.Y); }
    // The width of the widest line of point Index's mark text.
    int TextWidth(int Index);
    // Moves the mark P of point Index up above any mark First .. Index-1 it overlaps.
    void AntiOverlap(int First, int Index, TSeriesMarkPosition* P);
    // Raises the mark above its point by the callout's arrow length (nothing without a
    // callout).
    void ApplyArrowLength(TSeriesMarkPosition* P);
    // Records or takes the stored position of point Index, then draws the mark.
    void InternalDraw(int Index, TColor AColor, const String& St, TSeriesMarkPosition* APosition);
    // The callout, the shape, the symbol and the text of one mark.
    void DrawItem(TTeeCustomShape* Shape, TColor AColor, const String& St, TSeriesMarkPosition* APosition);
    // The text lines inside R, aligned by TextAlign and turned by Angle.
    void DrawText(const TRect& R, const String& St);
    // P moved by the displacement the 3-D projection gives APoint at ZPosition, in a 3-D
    // chart whose canvas has no 3-D text; otherwise P.
    TPoint ConvertTo2D(TPoint APoint, TPoint P);
    // The stored entry of point Index (made when missing): a custom one replaces
    // APosition, other ones record it.
    void UsePosition(int Index, TSeriesMarkPosition* APosition);
    // The stored "Items" block: a 32-bit item count, then each item's properties as a
    // list. A damaged block raises EReadError.
    void ReadItems(TStream* Stream);
    void WriteItems(TStream* Stream);
    // The rectangle a mark covers on screen, pen and shadow included (for AntiOverlap).
    TRect TotalBounds(int Index, const TSeriesMarkPosition* P);

    int Angle() const { return FAngle; }
    void SetAngle(int Value);
    // The callout's arrow pen.
    TWhitePen* Arrow();
    void SetArrow(TWhitePen* Value);
    // The callout's Length.
    int ArrowLength();
    void SetArrowLength(int Value);
    TColor BackColor() const { return Color(); }
    void SetBackColor(TColor Value) { SetColor(Value); }
    // Made on first read; null frees it, a value is copied.
    TMarksCallout* Callout();
    void SetCallout(TMarksCallout* Value);
    bool HasCallout() const { return FCallout != nullptr; }
    // Made on first read; null frees it, a value is copied.
    TSeriesMarksSymbol* Symbol();
    void SetSymbol(TSeriesMarksSymbol* Value);
    bool HasSymbol() const { return FSymbol != nullptr; }
    TAlignment TextAlign() const { return FTextAlign; }
    void SetTextAlign(TAlignment Value);
    bool Clip() const { return FClip; }
    void SetClip(bool Value);
    int DrawEvery() const { return FDrawEvery; }
    // Held to at least 1 (every point).
    void SetDrawEvery(int Value);
    TMarksItems* Items() const { return FItems; }
    TMargins* Margins() const { return FMargins; }
    void SetMargins(TMargins* Value);
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool Value);
    TChartSeries* ParentSeries() const { return FParentSeries; }
    TSeriesMarksPositions* Positions() const { return FPositions; }
    TSeriesMarksStyle Style() const { return FStyle; }
    void SetStyle(TSeriesMarksStyle Value);
    int ZPosition() const { return FZPosition; }
    void SetZPosition(int Value) { FZPosition = Value; }
    bool FontSeriesColor() const { return FFontSeriesColor; }
    void SetFontSeriesColor(bool Value);

    // The marks' default colour: the system tooltip background.
    static constexpr TColor DefaultColor = TColor(0xFF000018);

protected:
    void DefineProperties(TFiler* Filer) override;

private:
    void SeriesBoolean(bool& Field, bool Value);
    // A symbol exists and is to be drawn.
    bool DrawSymbol() const { return FSymbol && FSymbol->ShouldDraw(); }

    TMarksCallout* FCallout = nullptr;
    TSeriesMarksSymbol* FSymbol = nullptr;
    TAlignment FTextAlign = taCenter;

    int FAngle = 0;
    bool FClip = false;
    int FDrawEvery = 1;
    TMarksItems* FItems = nullptr;
    TMargins* FMargins = nullptr;
    TSeriesMarksStyle FStyle = smsLabel;
    bool FMultiLine = false;
    TChartSeries* FParentSeries = nullptr;
    TSeriesMarksPositions* FPositions = nullptr;
    int FZPosition = 0;
    bool FFontSeriesColor = false;
};
