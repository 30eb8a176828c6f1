// The chart element and the series base. TCustomChartElement is everything that lives in a
// chart panel and is not an axis (series and tools): an active flag, a pen, a brush and the
// parent chart. TCustomChartSeries adds a title, legend visibility, an identifier and a
// style set. TChartSeries keeps its points in value lists with optional per-point colours
// and labels, binds itself to the chart's axes, keeps its points in X order, tells the
// series fed from it about changes, and declares the virtual operations every series type
// overrides to draw. The order of the virtual operations is fixed: series types of other
// folders override them by position.
#pragma once

#include "chart/engine/series/ChartValueList.h"
#include "platform/classes/Component.h"
#include "platform/classes/List.h"
#include "platform/classes/TypInfo.h"
#include "platform/controls/ControlTypes.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Cursor.h"
#include "platform/graphics/GdiTypes.h"

#include <optional>
#include <vector>

class TChartAxis;
class TChartBrush;
class TChartPen;
class TChartSeries;
class TCustomAxisPanel;
class TCustomChartLegend;
class TCustomChartSeries;
class TSeriesMarks;
class TSeriesMarkPosition;
class TStringList;
class TTeeCustomShape;
class TTeeFunction;
class TWriter;

// A point without a colour of its own (it takes the series colour), or a series with an
// automatic colour.
inline constexpr TColor clTeeColor = TColor(0x20000000);

enum THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
ORVO_DECLARE_ENUM_TYPE(THorizAxis)
enum TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };
ORVO_DECLARE_ENUM_TYPE(TVertAxis)

enum TChartSeriesStyleItem {
    tssIsTemplate,
    tssDenyChangeType,
    tssDenyDelete,
    tssDenyClone,
    tssIsPersistent,
    tssHideDataSource
};
using TChartSeriesStyle = Set<TChartSeriesStyleItem>;

enum TSeriesRecalcOption { rOnDelete, rOnModify, rOnInsert, rOnClear };
using TSeriesRecalcOptions = Set<TSeriesRecalcOption>;
ORVO_DECLARE_ENUM_TYPE(TSeriesRecalcOption)
ORVO_DECLARE_SET_TYPE(TSeriesRecalcOptions)

// The change a series passes on to the series fed from it.
enum TValueEvent { veClear, veAdd, veDelete, veRefresh, veModify };

// What the chart tells its listeners about a series.
enum TChartSeriesEvent {
    seAdd,
    seRemove,
    seChangeTitle,
    seChangeColor,
    seSwap,
    seChangeActive,
    seDataChanged
};

// How a legend item's text is composed from a point.
enum TLegendTextStyle {
    ltsPlain,
    ltsLeftValue,
    ltsRightValue,
    ltsLeftPercent,
    ltsRightPercent,
    ltsXValue,
    ltsValue,
    ltsPercent,
    ltsXAndValue,
    ltsXAndPercent
};
ORVO_DECLARE_ENUM_TYPE(TLegendTextStyle)

// Separates the columns of a legend text.
extern QChar TeeColumnSeparator;
// Palette indices of gallery series.
inline constexpr int clTeeGallery1 = 0;
inline constexpr int clTeeGallery2 = 3;

// ---- events ----------------------------------------------------------------------------------
// Before a point is added; setting the flag false cancels the addition.
using TSeriesOnBeforeAdd = TEvent<TChartSeries*, bool&>;
using TSeriesOnAfterAdd = TEvent<TChartSeries*, int>;
using TSeriesOnClear = TEvent<TChartSeries*>;
ORVO_DECLARE_EVENT_TYPE(TSeriesOnClear)
using TSeriesClick = TEvent<TChartSeries*, int, TMouseButton, TShiftState, int, int>;
using TSeriesOnGetMarkText = TEvent<TChartSeries*, int, String&>;
ORVO_DECLARE_EVENT_TYPE(TSeriesOnBeforeAdd)
ORVO_DECLARE_EVENT_TYPE(TSeriesOnAfterAdd)
ORVO_DECLARE_EVENT_TYPE(TSeriesClick)
ORVO_DECLARE_EVENT_TYPE(TSeriesOnGetMarkText)
// Reports one sub-style of a series type by its description.
using TChartSubGalleryProc = TEvent<const String&>;

// The start and step of generated sample points.
struct TSeriesRandomBounds {
    double tmpX = 0;
    double StepX = 0;
    double tmpY = 0;
    double MinY = 0;
    double DifY = 0;
};

// Sample points may be added at run time too (not only while designing).
extern bool TeeRandomAtRunTime;

// ---- lists -----------------------------------------------------------------------------------

class TCustomSeriesList;

// Walks a series list: MoveNext steps to the next series (false past the last), Current is
// the series reached. Also a C++ iterator, so that a list can be walked with a range for.
class TSeriesEnumerator {
public:
    explicit TSeriesEnumerator(const TCustomSeriesList* List, int Index = -1) : FIndex(Index), FList(List) {}
    bool MoveNext();
    TChartSeries* Current() const;
    TChartSeries* operator*() const { return Current(); }
    TSeriesEnumerator& operator++() {
        ++FIndex;
        return *this;
    }
    bool operator==(const TSeriesEnumerator& Other) const { return FIndex == Other.FIndex; }

private:
    int FIndex;
    const TCustomSeriesList* FList;
};

// Series held by reference (the list does not own them).
class TCustomSeriesList : public TList {
    ORVO_CLASS(TCustomSeriesList, TList)
public:
    explicit TCustomSeriesList(TCustomAxisPanel* Owner = nullptr) : FOwner(Owner) {}
    TChartSeries* Get(int Index) const { return static_cast<TChartSeries*>(Items(Index)); }
    void Put(int Index, TChartSeries* Value) { SetItems(Index, Value); }
    TChartSeries* operator[](int Index) const { return Get(Index); }
    TChartSeries* First() const { return static_cast<TChartSeries*>(TList::First()); }
    TChartSeries* Last() const { return static_cast<TChartSeries*>(TList::Last()); }
    TCustomAxisPanel* Owner() const { return FOwner; }
    TSeriesEnumerator GetEnumerator() const { return TSeriesEnumerator(this); }
    TSeriesEnumerator begin() const { return TSeriesEnumerator(this, 0); }
    TSeriesEnumerator end() const { return TSeriesEnumerator(this, Count()); }
    // Every series clears its points.
    void ClearValues();
    // Every series fills Num sample points.
    void FillSampleValues(int Num);

private:
    TCustomAxisPanel* FOwner = nullptr;
};

// The data sources of one series (other series or source components). Removing an entry
// tells the series.
class TDataSourcesList : public TList {
    ORVO_CLASS(TDataSourcesList, TList)
public:
    explicit TDataSourcesList(TChartSeries* Series) : FSeries(Series) {}
    ~TDataSourcesList() override;
    TComponent* Get(int Index) const { return static_cast<TComponent*>(Items(Index)); }
    // Through the series' validation (InternalSetDataSource without clearing).
    int Add(TComponent* Value);
    // The plain list append.
    int InheritedAdd(TComponent* Value) { return TList::Add(Value); }
    // The series drops its linked series, the entries go (each told to the series), and
    // the series' points are cleared unless they were entered by hand.
    void Clear() override;
    TChartSeries* Series() const { return FSeries; }

protected:
    void Notify(void* Ptr, TListNotification Action) override;

private:
    TChartSeries* FSeries = nullptr;
    bool FClearing = false;
};

// The point labels of one series; may be shorter than the series' points (a missing
// entry is an empty label).
class TLabelsList : public TObject {
    ORVO_CLASS(TLabelsList, TObject)
public:
    explicit TLabelsList(TChartSeries* Series = nullptr) : FSeries(Series) {}
    int Count() const { return static_cast<int>(FItems.size()); }
    // Empty beyond the end.
    String Label(int Index) const;
    String operator[](int Index) const { return Label(Index); }
    // Grows the list with empty labels to reach Index.
    void SetLabel(int Index, const String& Value);
    void Insert(int Index, const String& Value);
    void Delete(int Index);
    void Delete(int Start, int Quantity);
    void Exchange(int Index1, int Index2);
    void Clear() { FItems.clear(); }
    // The first index whose label equals ALabel (compared in upper case unless
    // CaseSensitive); -1 when none.
    int IndexOfLabel(const String& ALabel, bool CaseSensitive = false) const;
    // Clear, then every label of Source inserted in turn.
    void Assign(const TLabelsList* Source);
    TChartSeries* Series() const { return FSeries; }

private:
    TChartSeries* FSeries = nullptr;
    std::vector<String> FItems;
};

// ---- element ---------------------------------------------------------------------------------

class TCustomChartElement : public TComponent {
    ORVO_CLASS(TCustomChartElement, TComponent)
public:
    explicit TCustomChartElement(TComponent* AOwner);
    ~TCustomChartElement() override;

    // From another element: Active, brush, pen and tag.
    void Assign(TPersistent* Source) override;

    // ---- new operations, in slot order ----
    // Repaints the chart: the change handler of the element's pens and brushes.
    virtual void CanvasChanged(TObject* Sender);
    // The class name of the editor form; empty here.
    virtual String GetEditorClass();
    virtual void SetActive(bool Value);
    virtual void SetParentChart(TCustomAxisPanel* Value);
    // Copies Value into the element's own pen.
    virtual void SetPen(TChartPen* Value);

    // ---- streaming parent ----
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;

    bool Active() const { return FActive; }
    bool Visible() const { return FActive; }
    void SetVisible(bool Value) { SetActive(Value); }
    TChartBrush* Brush() const { return FBrush; }
    void SetBrush(TChartBrush* Value);
    TChartPen* Pen() const { return FPen; }
    TCustomAxisPanel* ParentChart() const { return FParent; }
    bool ShowInEditor() const { return FShowInEditor; }
    void SetShowInEditor(bool Value) { FShowInEditor = Value; }
    // Keeps the element out of serialisation.
    bool DontSerialize() const { return FDontSerialize; }
    void SetDontSerialize(bool Value) { FDontSerialize = Value; }
    String EditorClass() { return GetEditorClass(); }

    // Invalidates the parent chart when there is one.
    void Repaint();
    // A new chart pen whose change handler is CanvasChanged.
    TChartPen* CreateChartPen();

    // Store on change and repaint; used by every element type.
    void SetBooleanProperty(bool& Variable, bool Value) { StoreAndRepaint(Variable, Value); }
    void SetColorProperty(TColor& Variable, TColor Value) { StoreAndRepaint(Variable, Value); }
    void SetIntegerProperty(int& Variable, int Value) { StoreAndRepaint(Variable, Value); }
    void SetDoubleProperty(double& Variable, double Value) { StoreAndRepaint(Variable, Value); }
    void SetStringProperty(String& Variable, const String& Value) { StoreAndRepaint(Variable, Value); }

protected:
    TNotifyEvent changedEvent() { return TNotifyEvent(this, &TCustomChartElement::CanvasChanged); }
    template <class V> void StoreAndRepaint(V& Variable, const V& Value) {
        if (Variable == Value) return;
        Variable = Value;
        Repaint();
    }

    bool FActive = true;
    TChartBrush* FBrush = nullptr;
    TCustomAxisPanel* FParent = nullptr;
    TChartPen* FPen = nullptr;
    bool FShowInEditor = true;
    bool FDontSerialize = false;
};

// ---- custom series ---------------------------------------------------------------------------

class TCustomChartSeries : public TCustomChartElement {
    ORVO_CLASS(TCustomChartSeries, TCustomChartElement)
public:
    explicit TCustomChartSeries(TComponent* AOwner);

    // From another custom series: ShowInLegend, Title, Style, Identifier, then the element.
    void Assign(TPersistent* Source) override;
    void SetActive(bool Value) override;

    // ---- new operations, in slot order ----
    // Room the series needs beyond the axis range, in pixels; 0 and 0 here.
    virtual void CalcHorizMargins(int& LeftMargin, int& RightMargin);
    virtual void CalcVerticalMargins(int& TopMargin, int& BottomMargin);
    // Called before the chart draws; nothing here.
    virtual void DoBeforeDrawChart();

    // ---- further overridable operations ----
    // Sets the parent chart's View3D.
    virtual void GalleryChanged3D(bool Is3D);
    // Forgets the parent chart.
    virtual void Removed();
    virtual void Added() {}

    // Either series is an instance of the other's class.
    bool SameClass(TCustomChartSeries* Other) const;

    bool ShowInLegend() const { return FShowInLegend; }
    void SetShowInLegend(bool Value);
    const String& Title() const { return FTitle; }
    // Broadcasts seChangeTitle and refreshes the designer.
    void SetTitle(const String& Value);
    const String& Identifier() const { return FIdentifier; }
    void SetIdentifier(const String& Value) { FIdentifier = Value; }
    TChartSeriesStyle Style() const { return FStyle; }
    void SetStyle(TChartSeriesStyle Value) { FStyle = Value; }

    // The chart tells its listeners; nothing without a chart.
    void BroadcastSeriesEvent(TChartSeriesEvent Event);
    // The chart's designer repaints, when one is attached.
    void RepaintDesigner();

protected:
    void DefineProperties(TFiler* Filer) override;

    bool FShowInLegend = true;
    String FTitle;
    String FIdentifier;
    TChartSeriesStyle FStyle;

private:
    void ReadIdentifier(TReader* Reader);
    void WriteIdentifier(TWriter* Writer);
    void ReadStyle(TReader* Reader);
    void WriteStyle(TWriter* Writer);
};

// ---- series ----------------------------------------------------------------------------------

class TChartSeries : public TCustomChartSeries {
    ORVO_CLASS(TChartSeries, TCustomChartSeries)
public:
    explicit TChartSeries(TComponent* AOwner);
    ~TChartSeries() override;

    // Series: the custom-series properties, the format, the function and the points or
    // the data sources; anything else: the custom-series assignment.
    void Assign(TPersistent* Source) override;
    void SetParentChart(TCustomAxisPanel* Value) override;

    // ---- new operations, in slot order ----
    // Inserts point ValueIndex of Source keeping X order; the index it went to.
    virtual int AddChartValue(TChartSeries* Source, int ValueIndex);
    // Copies point ValueIndex of Source (values, colour, label) into this series.
    virtual void AddedValue(TChartSeries* Source, int ValueIndex);
    // Refills this series from Source (through the function when there is one).
    virtual void AddValues(TChartSeries* Source);
    virtual void CalcZOrder();
    virtual void CalcDepthPositions();
    virtual void CalcSelectionPos(int ValueIndex, int& X, int& Y);
    // Every value list, the colours, the labels and the marks' positions and items.
    virtual void ClearLists();
    // Reports the sub-styles of the type; one, "Normal", here.
    virtual void CreateSubGallery(TChartSubGalleryProc AddSubChart);
    virtual void DeletedValue(TChartSeries* Source, int ValueIndex);
    virtual void DoAfterDrawValues();
    virtual void DoBeforeDrawValues();
    // DrawValue for every visible point, in drawing order.
    virtual void DrawAllValues();
    virtual void DrawLegendShape(int ValueIndex, const TRect& Rect);
    virtual void DrawMark(int ValueIndex, const String& St, TSeriesMarkPosition* APosition);
    virtual void DrawMarks();
    // Draws one point; nothing here.
    virtual void DrawValue(int ValueIndex);
    virtual TColor GetValueColor(int ValueIndex);
    virtual double GetxValue(int ValueIndex);
    virtual double GetyValue(int ValueIndex);
    virtual bool IsPointInChartRect(int ValueIndex);
    virtual void NotifyNewValue(TChartSeries* Sender, int ValueIndex);
    // Passes a change on to the series fed from this one.
    virtual void NotifyValue(TValueEvent ValueEvent, int ValueIndex);
    virtual bool MoreSameZOrder();
    virtual void PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle);
    virtual void SetColorEachPoint(bool Value);
    virtual void SetSeriesColor(TColor AColor);
    virtual void SetSubGallery(TChartSeries* ASeries, int Index);
    virtual void SetValueFormat(const String& Value);
    // XValues for a horizontal axis the series is bound to, YValues for a vertical one.
    virtual TChartValueList* ValueListOfAxis(TChartAxis* Axis);
    virtual bool RaiseClicked();
    virtual int Add(double Value, const String& ALabel = String(), TColor AColor = clTeeColor);
    virtual int AddNull(const String& ALabel);
    virtual int AddNullXY(double X, double Y, const String& ALabel = String());
    // The one path every addition takes; the index, or -1 when OnBeforeAdd refused.
    virtual int AddXY(double AXValue, double AYValue, const String& ALabel = String(),
                      TColor AColor = clTeeColor);
    virtual bool AssociatedToAxis(TChartAxis* Axis);
    virtual void Clear();
    virtual int CountLegendItems();
    // Raises ChartException for an index outside 0 .. Count-1.
    virtual void Delete(int ValueIndex);
    // Raises ChartException for a range outside the points (Start beyond the last point
    // does nothing).
    virtual void Delete(int Start, int Quantity, bool RemoveGap = false);
    virtual int LegendToValueIndex(int LegendIndex);
    virtual TColor LegendItemColor(int LegendIndex);
    virtual String LegendString(int LegendIndex, TLegendTextStyle LegendTextStyle);
    virtual double MaxXValue();
    virtual double MaxYValue();
    virtual double MaxZValue();
    virtual double MinXValue();
    virtual double MinYValue();
    virtual double MinZValue();
    virtual int CalcXPos(int ValueIndex);
    virtual int CalcYPos(int ValueIndex);
    virtual void CalcFirstLastVisibleIndex();
    virtual TChartValueList* GetYValueList(const String& AListName);
    // The point under the pixel, -1 here.
    virtual int Clicked(int X, int Y);
    virtual double GetOriginValue(int ValueIndex);
    virtual double GetMarkValue(int ValueIndex);
    virtual bool DrawValuesForward();
    virtual bool DrawSeriesForward(int ValueIndex);
    // One legend symbol; -1 stands for the whole series.
    virtual void DrawLegend(int ValueIndex, const TRect& Rect);
    virtual bool UseAxis();
    virtual void SetFunction(TTeeFunction* AFunction);

    // ---- further overridable operations ----
    void Added() override;
    void Removed() override;
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;
    virtual void AddSampleValues(int NumValues, bool OnlyMandatory = false);
    virtual void PrepareForGallery(bool IsEnabled);
    // Writes the "Data" block of the points.
    virtual void WriteData(TStream* Stream);
    virtual void CheckOrder();
    virtual void FillSampleValues(int NumValues = 0);
    virtual bool IsValidSourceOf(TChartSeries* Value);
    virtual bool IsValidSeriesSource(TChartSeries* Value);
    virtual int NumSampleValues();
    virtual void SwapValueIndex(int a, int b);

    // ---- points ----
    int Count() const;
    int AddNull(double Value);
    int AddX(double AXValue, const String& ALabel = String(), TColor AColor = clTeeColor);
    int AddY(double AYValue, const String& ALabel = String(), TColor AColor = clTeeColor);
    int AddArray(const std::vector<double>& Values);
    int AddArray(const std::vector<double>& XValues, const std::vector<double>& YValues);
    void SetXValue(int Index, double Value);
    void SetYValue(int Index, double Value);
    void BeginUpdate();
    void EndUpdate();
    bool IsUpdating() const { return IUpdating > 0; }
    void RefreshSeries();
    void SetHorizontal();
    // Puts NewList in OldList's place (with OldList's name) and frees OldList.
    void ReplaceList(TChartValueList* OldList, TChartValueList* NewList);
    void SetChartValueList(TChartValueList*& AValueList, TChartValueList* Value);

    // ---- colours, nulls, labels ----
    // The stored colour; clTeeColor without a colour list or beyond it.
    TColor InternalColor(int ValueIndex) const;
    TColor ValueColor(int ValueIndex) { return GetValueColor(ValueIndex); }
    void SetValueColor(int ValueIndex, TColor AColor);
    bool HasColors() const { return FColors.has_value(); }
    bool IsNull(int ValueIndex) { return GetValueColor(ValueIndex) == clNone; }
    void SetNull(int ValueIndex, bool Null = true);
    TColor SeriesColor() const;
    TColor Color() const { return FColor; }
    void ChangeInternalColor(TColor AColor);
    void ColorRange(TChartValueList* AValueList, double FromValue, double ToValue, TColor AColor);
    bool ColorEachPoint() const { return FColorEachPoint; }
    TLabelsList* Labels() const { return FLabels; }
    String XLabel(int Index) const;
    void SetXLabel(int Index, const String& Value);
    void SetMarkText(int Index, const String& Value) { SetXLabel(Index, Value); }
    void SortByLabels(TChartListOrder Order = loAscending);

    // ---- value lists ----
    TChartValueLists* ValuesList() const { return FValuesList; }
    TChartValueList* XValues() const { return FX; }
    void SetXValues(TChartValueList* Value);
    TChartValueList* YValues() const { return FY; }
    void SetYValues(TChartValueList* Value);
    TChartValueList* MandatoryValueList() const { return FMandatory; }
    TChartValueList* NotMandatoryValueList() const { return FNotMandatory; }
    bool YMandatory() const { return FYMandatory; }

    // ---- positions (through the bound axes) ----
    int CalcXPosValue(double Value);
    int CalcYPosValue(double Value);
    int CalcPosValue(double Value);
    int CalcXSizeValue(double Value);
    int CalcYSizeValue(double Value);
    double XScreenToValue(int ScreenPos);
    double YScreenToValue(int ScreenPos);
    String XValueToText(double AValue);
    String YValueToText(double AValue);
    void GetCursorValues(double& XValue, double& YValue);
    int GetCursorValueIndex();
    int Clicked(const TPoint& P) { return Clicked(P.X, P.Y); }
    bool CheckMouse(int X, int Y);
    int MaxMarkWidth();

    // ---- visible range ----
    int FirstValueIndex() const { return FFirstVisibleIndex; }
    int LastValueIndex() const { return FLastVisibleIndex; }
    int FirstVisibleIndex() const { return FFirstVisibleIndex; }
    int LastVisibleIndex() const { return FLastVisibleIndex; }
    int VisibleCount() const;
    int FirstDisplayedIndex();
    int LastDisplayedIndex();
    void CalcFirstLastPage(int& First, int& Last);
    bool CalcVisiblePoints() const { return FCalcVisiblePoints; }
    void SetCalcVisiblePoints(bool Value) { FCalcVisiblePoints = Value; }
    bool DrawBetweenPoints() const { return FDrawBetweenPoints; }
    void SetDrawBetweenPoints(bool Value) { FDrawBetweenPoints = Value; }

    // ---- depth and Z order ----
    int ZOrder() const;
    void SetZOrder(int Value);
    int CalculatedZOrder() const { return IZOrder; }
    void SetCalculatedZOrder(int Value) { IZOrder = Value; }
    int Depth() const { return FDepth; }
    void SetDepth(int Value) { SetIntegerProperty(FDepth, Value); }
    bool FirstInZOrder();
    int StartZ = 0;
    int MiddleZ = 0;
    int EndZ = 0;

    // ---- axes ----
    TChartAxis* GetHorizAxis() const { return FGetHorizAxis; }
    TChartAxis* GetVertAxis() const { return FGetVertAxis; }
    TChartAxis* MandatoryAxis() const;
    THorizAxis HorizAxis() const { return FHorizAxis; }
    void SetHorizAxis(THorizAxis Value);
    TVertAxis VertAxis() const { return FVertAxis; }
    void SetVertAxis(TVertAxis Value);
    TChartAxis* CustomHorizAxis() const { return FCustomHorizAxis; }
    void SetCustomHorizAxis(TChartAxis* Value);
    TChartAxis* CustomVertAxis() const { return FCustomVertAxis; }
    void SetCustomVertAxis(TChartAxis* Value);
    // Resolves GetHorizAxis and GetVertAxis from the kinds and the chart.
    void RecalcGetAxis();

    // ---- data sources, linked series, function ----
    TDataSourcesList* DataSources() const { return FDataSources; }
    TComponent* DataSource() const;
    // Exactly one source: stored as DataSource (more are stored as "DataSources").
    bool IsDataSourceStored() const { return FDataSources && FDataSources->Count() == 1; }
    void SetDataSource(TComponent* Value);
    int InternalSetDataSource(TComponent* Value, bool ClearList);
    int InternalAddDataSource(TComponent* Value);
    void InternalRemoveDataSource(TComponent* Value);
    void RemoveDataSource(TComponent* Value);
    bool IsValidDataSource(TComponent* Value);
    // Unless updating, asks the chart to refill this series from its sources.
    void CheckDataSource();
    void CheckOtherSeries(TChartSeries* Source);
    TCustomSeriesList* LinkedSeries() const { return FLinkedSeries; }
    void AddLinkedSeries(TChartSeries* Series);
    void RemoveLinkedSeries(TChartSeries* Series);
    void RemoveAllLinkedSeries();
    void AssignValues(TChartSeries* Source) { AddValues(Source); }
    void AssignFormat(TChartSeries* Source);
    TTeeFunction* FunctionType() const { return FTeeFunction; }
    void SetFunctionType(TTeeFunction* Value) { SetFunction(Value); }
    // Forgets the function without freeing it (it moves to another series).
    void ReleaseFunction();
    TSeriesRecalcOptions RecalcOptions() const { return FRecalcOptions; }
    void SetRecalcOptions(TSeriesRecalcOptions Value) { FRecalcOptions = Value; }
    static int RandomValue(int Range);
    // TeeRandomAtRunTime is on or the series is being designed.
    bool CanAddRandomPoints() const;
    // Where NumValues sample points start and how they step: within the ranges of the
    // chart's other points when it has any, else X 0 .. NumValues-1 (dates from today)
    // and Y 0 .. 1000.
    TSeriesRandomBounds RandomBounds(int NumValues);

    // ---- legend and gallery ----
    // The component name, or "Series" and the 1-based position in the chart.
    static String SeriesNameOrIndex(TCustomChartSeries* Series);

    // ---- marks ----
    TSeriesMarks* Marks() const { return FMarks; }
    void SetMarks(TSeriesMarks* Value);
    // The text of point ValueIndex's mark in the marks' style.
    String GetMarkText(int ValueIndex);
    // The point's share of the mandatory values' absolute total in PercentFormat (100 for a
    // zero total); with AddTotal followed by "of" and the total in ValueFormat.
    String MarkPercent(int ValueIndex, bool AddTotal);
    // Sizes the mark of Shape for the text St and places it centred above (X, Y).
    void CalculateMarkPosition(TTeeCustomShape* Shape, const String& St, int X, int Y,
                               TSeriesMarkPosition* APosition);

    // ---- properties ----
    const String& ColorSource() const { return FColorSource; }
    void SetColorSource(const String& Value);
    const String& XLabelsSource() const { return FXLabelsSource; }
    void SetXLabelsSource(const String& Value);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value) { FCursor = Value; }
    const String& PercentFormat() const { return FPercentFormat; }
    void SetPercentFormat(const String& Value) { SetStringProperty(FPercentFormat, Value); }
    const String& ValueFormat() const { return FValueFormat; }
    double DefaultNullValue() const { return FDefaultNullValue; }
    void SetDefaultNullValue(double Value) { FDefaultNullValue = Value; }
    bool DontSaveData() const { return FDontSaveData; }
    void SetDontSaveData(bool Value) { FDontSaveData = Value; }
    bool ForceSaveData() const { return FForceSaveData; }
    void SetForceSaveData(bool Value) { FForceSaveData = Value; }
    bool ManualData() const { return FManualData; }
    void SetManualData(bool Value) { FManualData = Value; }
    bool AllowSinglePoint() const { return FAllowSinglePoint; }
    void SetAllowSinglePoint(bool Value) { FAllowSinglePoint = Value; }
    bool HasZValues() const { return FHasZValues; }
    void SetHasZValues(bool Value) { FHasZValues = Value; }
    bool UseSeriesColor() const { return IUseSeriesColor; }
    int NumSampleValuesOverride() const { return INumSampleValues; }
    void SetNumSampleValuesOverride(int Value) { INumSampleValues = Value; }
    bool IsColorStored() const { return FColor != clTeeColor; }
    bool IsPercentFormatStored() const;
    bool IsValueFormatStored() const;

    // ---- events ----
    TNotifyEvent AfterDrawValues;
    TNotifyEvent BeforeDrawValues;
    TSeriesOnAfterAdd OnAfterAdd;
    TSeriesOnBeforeAdd OnBeforeAdd;
    TSeriesOnClear OnClearValues;
    TSeriesClick OnClick;
    TSeriesClick OnDblClick;
    TSeriesOnGetMarkText OnGetMarkText;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    // ---- flags the series types and the legend set ----
    // The series hides itself when it would be visible (series types decide what it means).
    bool IHideWhenVisible = false;
    bool IUseNotMandatory = true;
    bool IMandatoryPen = true;
    bool IMandatoryPen2D = true;
    int IFirstDrawIndex = 0;
    // The legend symbol's shape, for the series types and the legend.
    int ILegendShape = 0;
    // A legend of the series' own that is drawing it now (the chart's legend when null).
    TCustomChartLegend* ILegend = nullptr;

protected:
    void DefineProperties(TFiler* Filer) override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    // Inserts the colour and label of a new point at Index (the value lists are done).
    void InsertColorAndLabel(int Index, const String& ALabel, TColor AColor);

    TColor FColor = clTeeColor;
    bool FColorEachPoint = false;
    std::optional<std::vector<TColor>> FColors;
    String FColorSource;
    TCursor FCursor = 0;
    TDataSourcesList* FDataSources = nullptr;
    int FDepth = -1;
    TChartAxis* FGetHorizAxis = nullptr;
    TChartAxis* FGetVertAxis = nullptr;
    String FXLabelsSource;
    TCustomSeriesList* FLinkedSeries = nullptr;
    TSeriesMarks* FMarks = nullptr;
    String FPercentFormat;
    TStringList* FTempDataSources = nullptr;
    String FValueFormat;
    TChartValueLists* FValuesList = nullptr;
    TChartValueList* FX = nullptr;
    TLabelsList* FLabels = nullptr;
    TChartValueList* FY = nullptr;
    double FDefaultNullValue = 0;
    THorizAxis FHorizAxis = aBottomAxis;
    TChartAxis* FCustomHorizAxis = nullptr;
    TChartAxis* FCustomVertAxis = nullptr;
    int FZOrder = -1;
    TVertAxis FVertAxis = aLeftAxis;
    TSeriesRecalcOptions FRecalcOptions{rOnDelete, rOnModify, rOnInsert, rOnClear};
    TTeeFunction* FTeeFunction = nullptr;
    bool IMouseInside = false;
    TChartListOrder ILabelOrder = loNone;
    TColor ISeriesColor = clTeeColor;
    bool FDontSaveData = false;
    bool FForceSaveData = false;
    bool FManualData = false;
    int FFirstVisibleIndex = -1;
    int FLastVisibleIndex = -1;
    int INumSampleValues = 0;
    int IUpdating = 0;
    bool IUseSeriesColor = true;
    int IZOrder = 0;
    bool FCalcVisiblePoints = true;
    bool FDrawBetweenPoints = false;
    bool FAllowSinglePoint = true;
    bool FHasZValues = false;
    TChartValueList* FMandatory = nullptr;
    TChartValueList* FNotMandatory = nullptr;
    bool FYMandatory = true;

private:
    void ReadDataSources(TReader* Reader);
    void WriteDataSources(TWriter* Writer);
    void ReadCustomHorizAxis(TReader* Reader);
    void WriteCustomHorizAxis(TWriter* Writer);
    void ReadCustomVertAxis(TReader* Reader);
    void WriteCustomVertAxis(TWriter* Writer);
    void ReadDataStream(TStream* Stream);
    void WriteDataStream(TStream* Stream);
    bool HasStoredData() const;
    void DefineDataProperty(TFiler* Filer);
    // The chart is not being destroyed and the series is active and parented.
    bool CanRepaintAfterClear() const;
};
