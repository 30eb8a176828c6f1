// The legend: the framed box beside or inside a chart that lists the series (optionally
// with check boxes that switch them on and off), the points of one series, the last point
// of each series, or the series groups. Each item has a symbol and up to two text columns.
// The legend lays itself out from the room the chart offers -- one column along the left or
// right edge, or as many columns as fit along the top or bottom edge -- takes that room from
// the plotting box, and answers which item a point hits.
#pragma once

#include "chart/engine/canvas/TeeGradient.h"
#include "chart/engine/chart/ShapePosition.h"
#include "chart/engine/panel/CustomTeePanel.h"
#include "chart/engine/series/ChartSeries.h"

#include <array>
#include <functional>
#include <vector>

class TChartHiddenPen;
class TChartPen;
class TCustomChart;
class TCustomChartLegend;
class TStringList;
class TStrings;
class TTeeShadow;

enum TLegendAlignment { laLeft, laRight, laTop, laBottom };
ORVO_DECLARE_ENUM_TYPE(TLegendAlignment)
enum TCheckBoxesStyle { cbsCheck, cbsRadio };
ORVO_DECLARE_ENUM_TYPE(TCheckBoxesStyle)
enum TLegendStyle { lsAuto, lsSeries, lsValues, lsLastValues, lsSeriesGroups };
ORVO_DECLARE_ENUM_TYPE(TLegendStyle)
enum TLegendSymbolPosition { spLeft, spRight };
ORVO_DECLARE_ENUM_TYPE(TLegendSymbolPosition)
enum TLegendSymbolSize { lcsPercent, lcsPixels };
ORVO_DECLARE_ENUM_TYPE(TLegendSymbolSize)

using TLegendCalcSize = TEvent<TCustomChartLegend*, int&>;
ORVO_DECLARE_EVENT_TYPE(TLegendCalcSize)
using TSymbolDrawEvent = TEvent<TObject*, TChartSeries*, int, const TRect&>;
ORVO_DECLARE_EVENT_TYPE(TSymbolDrawEvent)

// The legend's gradient: right to left, silver to white.
class TChartLegendGradient : public TTeeGradient {
    ORVO_CLASS(TChartLegendGradient, TTeeGradient)
public:
    TChartLegendGradient();
};

// How the item symbols look.
class TLegendSymbol : public TPersistent {
    ORVO_CLASS(TLegendSymbol, TPersistent)
public:
    explicit TLegendSymbol(TCustomChartLegend* ALegend = nullptr);
    ~TLegendSymbol() override;
    void Assign(TPersistent* Source) override;

    // The symbol width for an item text width of Width: 0 when hidden.
    int CalcWidth(int Width) const;
    // The symbol box of Rect in Color: shadow, own pen, gradient or brush.
    void Draw(TColor Color, const TRect& Rect);

    bool Continuous() const { return FContinuous; }
    void SetContinuous(bool Value);
    bool DefaultPen() const { return FDefaultPen; }
    void SetDefaultPen(bool Value);
    TTeeGradient* Gradient() const { return FGradient; }
    void SetGradient(TTeeGradient* Value);
    TChartPen* Pen() const { return FPen; }
    void SetPen(TChartPen* Value);
    TLegendSymbolPosition Position() const { return FPosition; }
    void SetPosition(TLegendSymbolPosition Value);
    TTeeShadow* Shadow() const { return FShadow; }
    void SetShadow(TTeeShadow* Value);
    bool Squared() const { return FSquared; }
    void SetSquared(bool Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    TLegendSymbolSize WidthUnits() const { return FWidthUnits; }
    void SetWidthUnits(TLegendSymbolSize Value);

    TSymbolDrawEvent OnDraw;
    // The legend's item height.
    std::function<int()> CalcItemHeight;

private:
    void Changed(TObject* Sender = nullptr);
    template <class V> void Store(V& Field, V Value) {
        if (Field == Value) return;
        Field = Value;
        Changed();
    }
    TCustomChartLegend* FLegend;
    bool FContinuous = false;
    bool FDefaultPen = true;
    TTeeGradient* FGradient;
    TChartPen* FPen;
    TLegendSymbolPosition FPosition = spLeft;
    TTeeShadow* FShadow;
    bool FSquared = false;
    bool FVisible = true;
    int FWidth = 20;
    TLegendSymbolSize FWidthUnits = lcsPercent;
};

class TLegendItems;

// One laid-out item of the last drawing: where its texts and its symbol went.
class TLegendItem : public TPersistent {
    ORVO_CLASS(TLegendItem, TPersistent)
public:
    explicit TLegendItem(TLegendItems* AOwner = nullptr) : FOwner(AOwner) {}
    const String& Text() const { return FText; }
    // A new text makes the item list custom: the program's texts are drawn from then on.
    void SetText(const String& Value);
    const String& Text2() const { return FText2; }
    void SetText2(const String& Value);

    TAlignment Align = taLeftJustify;
    int Left = 0;
    int Top = 0;
    TRect SymbolRect;

private:
    friend class TCustomChartLegend;
    TLegendItems* FOwner;
    String FText;
    String FText2;
};

class TLegendItems : public TObject {
    ORVO_CLASS(TLegendItems, TObject)
public:
    explicit TLegendItems(TCustomChartLegend* ALegend = nullptr) : FLegend(ALegend) {}
    ~TLegendItems() override;
    int Count() const { return int(FItems.size()); }
    // The item at Index, made (with every missing one before it) on demand. Raises
    // EListError for a negative index.
    TLegendItem* Items(int Index);
    TLegendItem* operator[](int Index) { return Items(Index); }
    // Frees every item (the list stops being custom) and repaints.
    void Clear();

    // The program changed item texts: the stored items are drawn as they are.
    bool Custom = false;

private:
    friend class TLegendItem;
    friend class TCustomChartLegend;
    void FreeItems();
    TCustomChartLegend* FLegend;
    std::vector<TLegendItem*> FItems;
};

// The title block inside the legend: transparent, bold.
class TLegendTitle : public TTeeShape {
    ORVO_CLASS(TLegendTitle, TTeeShape)
public:
    explicit TLegendTitle(TCustomTeePanel* Chart = nullptr);
    ~TLegendTitle() override;
    void Assign(TPersistent* Source) override;

    TStrings* Text() const;
    void SetText(TStrings* Value);
    TAlignment TextAlignment() const { return FTextAlign; }
    void SetTextAlignment(TAlignment Value);
    String Caption() const;
    void SetCaption(const String& Value);

    // The height of the lines in the title font (0 without lines); measured on Canvas.
    int CalcHeight();
    // The widest line plus the frame's room.
    int TotalWidth();
    // Draws the lines inside ShapeBounds.
    void DrawText();

private:
    void TextChanged(TObject*) { Repaint(); }
    TStringList* FText;
    TAlignment FTextAlign = taLeftJustify;
};

class TCustomChartLegend : public TTeeCustomShapePosition {
    ORVO_CLASS(TCustomChartLegend, TTeeCustomShapePosition)
public:
    explicit TCustomChartLegend(TCustomTeePanel* Chart = nullptr);
    ~TCustomChartLegend() override;
    void Assign(TPersistent* Source) override;
    TClass GetGradientClass() const override;

    // ---- layout and drawing ----
    // The effective style (never lsAuto).
    TLegendStyle CalcLegendStyle();
    // CheckBoxes, unless the effective style lists points.
    bool HasCheckBoxes();
    // Visible and (check boxes shown or some series active).
    bool ShouldDraw();
    // The series whose points a point legend lists.
    TChartSeries* GetLegendSeries();
    // The text of item Index in the effective style.
    String FormattedLegend(int Index);
    // The legend text of a point: the series' legend string, line breaks made blanks.
    String FormattedValue(TChartSeries* ASeries, int ValueIndex);
    // Height of one item in the legend font.
    int CalcItemHeight();
    // The top of the first item row.
    int FirstItemTop();
    // The chart's legend pen: the symbol pen, or null for the series' own.
    void PrepareSymbolPen();
    // Lays the legend out, draws it and takes its room from the chart rectangle.
    void DrawLegend();
    // The item index at (X, Y) in the last layout, or -1.
    int Clicked(int X, int Y);
    // A click on item Index: toggles check boxes or radio buttons. False without check
    // boxes or for index -1.
    bool DoMouseDown(int X, int Y, int Index);

    // ---- properties ----
    TLegendAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TLegendAlignment Value);
    bool Vertical() const { return FAlignment == laLeft || FAlignment == laRight; }
    bool CheckBoxes() const { return FCheckBoxes; }
    void SetCheckBoxes(bool Value);
    TCheckBoxesStyle CheckBoxesStyle() const { return FCheckBoxesStyle; }
    // cbsRadio leaves only the first active legend series active.
    void SetCheckBoxesStyle(TCheckBoxesStyle Value);
    int ColorWidth() const;
    void SetColorWidth(int Value);
    bool CurrentPage() const { return FCurrentPage; }
    void SetCurrentPage(bool Value);
    TChartHiddenPen* DividingLines() const { return FDividingLines; }
    void SetDividingLines(TChartHiddenPen* Value);
    int FirstValue() const { return FFirstValue; }
    // Raises LegendException for a negative value.
    void SetFirstValue(int Value);
    bool FontSeriesColor() const { return FFontSeriesColor; }
    void SetFontSeriesColor(bool Value);
    int HorizMargin() const { return FHorizMargin; }
    void SetHorizMargin(int Value);
    bool Inverted() const { return FInverted; }
    void SetInverted(bool Value);
    TLegendItems* Items() const { return FItems; }
    int LastValue() const { return ILastValue; }
    int LeftPercent() const { return FLeftPercent; }
    void SetLeftPercent(int Value);
    TLegendStyle LegendStyle() const { return FLegendStyle; }
    void SetLegendStyle(TLegendStyle Value);
    int MaxNumRows() const { return FMaxNumRows; }
    void SetMaxNumRows(int Value);
    TTeeUnits PositionUnits() const { return FPosUnits; }
    void SetPositionUnits(TTeeUnits Value);
    const TRect& RectLegend() const { return ShapeBounds; }
    bool ResizeChart() const { return FResizeChart; }
    void SetResizeChart(bool Value);
    TChartSeries* Series() const { return FSeries; }
    void SetSeries(TChartSeries* Value);
    TLegendSymbol* Symbol() const { return FSymbol; }
    void SetSymbol(TLegendSymbol* Value);
    TLegendTextStyle TextStyle() const { return FTextStyle; }
    void SetTextStyle(TLegendTextStyle Value);
    TLegendTitle* Title() const { return FTitle; }
    void SetTitle(TLegendTitle* Value);
    int TopPos() const { return FTopLeftPos; }
    void SetTopPos(int Value);
    int TopPercent() const { return FTopPercent; }
    void SetTopPercent(int Value);
    int TotalLegendItems() const { return ITotalItems; }
    int VertMargin() const { return FVertMargin; }
    void SetVertMargin(int Value);
    int VertSpacing() const { return FVertSpacing; }
    void SetVertSpacing(int Value);

    TLegendCalcSize OnCalcSize;

    // ---- layout of the last drawing ----
    int IColorWidth = 0;
    int ILastValue = -1;
    int ITotalItems = 0;
    bool IDrawTitle = false;
    TLegendStyle InternalLegendStyle = lsAuto;
    int NumCols = 0;
    int NumRows = 0;
    bool ColumnWidthAuto = true;
    std::array<int, 2> ColumnWidths{0, 0};

    TCustomChart* Chart() const;

private:
    template <class V> void Store(V& Field, V Value) {
        if (Field == Value) return;
        Field = Value;
        Repaint();
    }
    int CountItems();
    // The first listed item: FirstValue, or the current page's first point.
    int ListedFirst() const { return IFirst; }
    void SplitTexts();
    void DrawItem(int Position, int Index);
    // Series shown in the legend (active ones unless check boxes are shown).
    TChartSeries* LegendSeriesAt(int Index);

    TLegendAlignment FAlignment = laRight;
    bool FCheckBoxes = false;
    TCheckBoxesStyle FCheckBoxesStyle = cbsCheck;
    bool FCurrentPage = true;
    TChartHiddenPen* FDividingLines;
    int FFirstValue = 0;
    bool FFontSeriesColor = false;
    int FHorizMargin = 0;
    bool FInverted = false;
    TLegendItems* FItems;
    int FLeftPercent = 0;
    TLegendStyle FLegendStyle = lsAuto;
    int FMaxNumRows = 10;
    TTeeUnits FPosUnits = muPixels;
    bool FResizeChart = true;
    TChartSeries* FSeries = nullptr;
    TLegendSymbol* FSymbol;
    TLegendTextStyle FTextStyle = ltsLeftValue;
    TLegendTitle* FTitle;
    int FTopLeftPos = 10;
    int FTopPercent = 0;
    int FVertMargin = 0;
    int FVertSpacing = 0;

    // Per drawing: the first listed index (the page's on a paged point legend), item
    // height, text x, symbol x, check-box x, total text width, blank width, row gap.
    int IFirst = 0;
    int IItemHeight = 0;
    int IXText = 0;
    int IXSymbol = 0;
    int IXCheck = 0;
    int ITextWidth = 0;
    int IBlank = 0;
    int IGap = 0;
    int IFrameWidth = 0;
    std::vector<std::array<String, 2>> ITexts;
};

class TChartLegend : public TCustomChartLegend {
    ORVO_CLASS(TChartLegend, TCustomChartLegend)
public:
    explicit TChartLegend(TCustomTeePanel* Chart = nullptr) : TCustomChartLegend(Chart) {}
};
