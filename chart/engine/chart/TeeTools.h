// The bases of every chart tool, the base of the components that fill a series from an outside
// source, the designer hook an attached chart editor installs, and the small functions editors
// use to list and inspect series.
//
// A tool lives in its chart's Tools list; the chart tells every active tool about the steps of
// a frame (ChartEvent), the mouse (ChartMouseEvent, WheelMouseEvent) and, for tools bound to a
// series, about the drawing of that series (SeriesEvent). A series tool watches its series and
// forgets it when the series is freed; an axis tool forgets its axis when the axis is freed.
#pragma once

#include "chart/engine/chart/CustomAxisPanel.h"

#include <vector>

class TStrings;

enum TChartMouseEvent { cmeDown, cmeMove, cmeUp };
enum TWheelMouseEvent { wmeDown, wmeMove, wmeUp };

// The hook through which an attached chart editor is told to refresh; the engine makes none.
class TTeeCustomDesigner : public TObject {
    ORVO_CLASS(TTeeCustomDesigner, TObject)
public:
    virtual void Refresh() {}
    virtual void Repaint() {}
};

class TTeeCustomTool : public TCustomChartElement {
    ORVO_CLASS(TTeeCustomTool, TCustomChartElement)
public:
    explicit TTeeCustomTool(TComponent* AOwner);
    // Leaves the chart's tool list.
    ~TTeeCustomTool() override;

    // Leaves the old chart's tool list (invalidating that chart when Value is null) and joins
    // the end of the new chart's list; nothing when unchanged.
    void SetParentChart(TCustomAxisPanel* Value) override;

    // ---- new operations, in slot order ----
    // A step of the chart's frame or the pointer leaving the chart; nothing here.
    virtual void ChartEvent(TChartToolEvent AEvent);
    // A mouse button or move over the chart; nothing here. Setting the chart's CancelMouse
    // stops the remaining tools and the chart's own handling.
    virtual void ChartMouseEvent(TChartMouseEvent AEvent, TMouseButton Button, TShiftState Shift, int X,
                                 int Y);
    // Before and after the tool's series draws its points; nothing here.
    virtual void SeriesEvent(TChartToolEvent AEvent);
    virtual void WheelMouseEvent(TWheelMouseEvent AEvent, int Delta, int X, int Y);
    // Texts of the editors' tool gallery; empty here.
    virtual String Description();
    virtual String LongDescription();
};

using TTeeCustomToolClass = TClass;

// A tool bound to one series (or to none: then it works on the chart's main axes).
class TTeeCustomToolSeries : public TTeeCustomTool {
    ORVO_CLASS(TTeeCustomToolSeries, TTeeCustomTool)
public:
    explicit TTeeCustomToolSeries(TComponent* AOwner) : TTeeCustomTool(AOwner) {}
    ~TTeeCustomToolSeries() override;

    // From another series tool the series reference (watched), then the element's values.
    void Assign(TPersistent* Source) override;
    String GetEditorClass() override;

    // ---- new operation, after the tool's ----
    // Stops watching the old series, stores and watches Value.
    virtual void SetSeries(TChartSeries* Value);

    TChartSeries* Series() const { return FSeries; }
    // The series' horizontal axis; without a series the top axis when only it has active
    // series, else the bottom axis.
    TChartAxis* GetHorizAxis() const;
    // The series' vertical axis; without a series the right axis when only it has active
    // series, else the left axis.
    TChartAxis* GetVertAxis() const;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

    TChartSeries* FSeries = nullptr;
};

// A tool bound to one axis of its chart; streamed as the axis' index ("AxisID").
class TTeeCustomToolAxis : public TTeeCustomTool {
    ORVO_CLASS(TTeeCustomToolAxis, TTeeCustomTool)
public:
    explicit TTeeCustomToolAxis(TComponent* AOwner) : TTeeCustomTool(AOwner) {}

    void Assign(TPersistent* Source) override;
    String GetEditorClass() override;

    // ---- new operation, after the tool's ----
    // Stores Value, takes the axis' chart as the tool's chart and repaints.
    virtual void SetAxis(TChartAxis* Value);

    TChartAxis* Axis() const { return FAxis; }
    // Told by the chart when one of its axes is freed: a tool on that axis forgets it.
    void AxisFreed(TChartAxis* AAxis);

protected:
    void DefineProperties(TFiler* Filer) override;
    void Loaded() override;

    TChartAxis* FAxis = nullptr;

private:
    void ReadAxis(TReader* Reader);
    void WriteAxis(TWriter* Writer);
    // An "AxisID" read before the tool had a chart, resolved when loading ends; -1 for none.
    int FPendingAxisID = -1;
};

// ---- series sources -----------------------------------------------------------------------------

enum TSourceLoadMode { lmClear, lmAppend };
ORVO_DECLARE_ENUM_TYPE(TSourceLoadMode)

// Base of the components that fill a series from an outside source.
class TTeeSeriesSource : public TComponent {
    ORVO_CLASS(TTeeSeriesSource, TComponent)
public:
    explicit TTeeSeriesSource(TComponent* AOwner) : TComponent(AOwner) {}
    // Closes the source first.
    ~TTeeSeriesSource() override;

    // ---- new operations, in slot order ----
    // On: Load (unless loading from a stream). Off: the series' points are cleared with
    // LoadMode lmClear while neither this component nor the series is being destroyed.
    virtual void SetActive(bool Value);
    virtual bool Available(TComponent* AChart);
    virtual String Description();
    // The editor class of the source; none here.
    virtual TClass Editor();
    virtual bool HasNew();
    // Whether ASeries' data source is of this source's class.
    virtual bool HasSeries(TChartSeries* ASeries);
    virtual void Close();
    virtual void Load();
    virtual void Open();

    // Closes, stops watching the old series, then watches Value and becomes its data source.
    void SetSeries(TChartSeries* Value);
    // Load when active and not loading.
    void Refresh();

    bool Active() const { return FActive; }
    TSourceLoadMode LoadMode() const { return FLoadMode; }
    void SetLoadMode(TSourceLoadMode Value) { FLoadMode = Value; }
    TChartSeries* Series() const { return FSeries; }

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    bool FActive = false;
    TSourceLoadMode FLoadMode = lmClear;
    TChartSeries* FSeries = nullptr;
};

// The registered series-source classes, in registration order; created on first use.
std::vector<TClass>& TeeSources();

// ---- functions editors use -----------------------------------------------------------------------

// The series' title with each column separator turned into a blank; the series' name or
// index when the title is empty.
String SeriesTitleOrName(TCustomChartSeries* Series);
// Appends, for every series of List being designed (and not kept out of serialisation) or
// shown in editors, its title (UseTitles) or component name, with the series as object.
void FillSeriesItems(TStrings* Items, TCustomSeriesList* List, bool UseTitles = true);
// A task-modal error box without owner or caption showing Text, of any length.
void ShowMessageUser(const String& Text);
// HasNoMandatoryValues, HasColors and HasLabels: see SeriesDataStream.h.
