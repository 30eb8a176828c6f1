// The chart data grid: an editable grid that lists the points of one series (Series) or of
// every series of a chart (Chart), one row per point and one column per value list, with
// optional columns of point labels and point colours and one or two header rows. What the
// user types goes straight into the series; the grid follows the series through the chart's
// event listeners. TChartGridNavigator (TeeNavigator.h) drives it with a button bar.
#pragma once

#include "chart/engine/panel/CustomTeePanel.h"
#include "chart/engine/series/ChartSeries.h"
#include "platform/controls/Grids.h"

#include <vector>

class TCustomAxisPanel;
class TCustomChart;
class TChartGridNavigator;

enum TChartGridShow { cgsAuto, cgsNo, cgsYes };
ORVO_DECLARE_ENUM_TYPE(TChartGridShow)

using TEditingCellEvent = TEvent<TObject*, int, int, bool&>;
// The same type as the grid's cell-selection event, whose type information it shares.

class TCustomChartGrid : public TCustomGrid, public ITeeEventListener {
    ORVO_CLASS(TCustomChartGrid, TCustomGrid)
public:
    explicit TCustomChartGrid(TComponent* AOwner);
    ~TCustomChartGrid() override;

    // ITeeEventListener, not counted: the grid's owner frees it.
    HResult QueryInterface(const TGUID& IID, void** Obj) override;
    int _AddRef() override { return -1; }
    int _Release() override { return -1; }
    void TeeEvent(TTeeEvent* Event) override;

    // ---- layout ----
    // Columns and rows from the series shown; keeps the current cell.
    void RecalcDimensions();
    // RecalcDimensions, then the current cell to the first value of the first point.
    void Regenerate();
    void NotifyChange();
    // 2 with the field row, else 1.
    int FirstRowNum() const { return FShowFields ? 2 : 1; }
    int LabelsColumn() const;
    int ColorsColumn() const;
    bool HasPoints() const;
    // The series of a column, and the index of its value list in the series' lists.
    TChartSeries* GetSeries(int ACol);
    TChartSeries* GetSeries(int ACol, int& AList);
    // In Grid3DMode: the series shown as a table.
    TChartSeries* GetXYZSeries() const;
    // In Grid3DMode: the point shown in a cell, or -1.
    int FindXYZIndex(TChartSeries* ASeries, int ARow, int ACol) const;

    // ---- editing ----
    void StartEditing();
    void StopEditing(bool Cancel);
    void AppendRow();
    void Insert();
    void Delete();

    // ---- colours ----
    TChartSeries* GetSeriesColor(TColor& AColor);
    TChartSeries* GetSeriesColor(TColor& AColor, int ACol, int ARow);
    void ChangeColor(TColor AColor);
    void ChangeColor(TChartSeries* ASeries, TColor AColor);
    void ChangeColor();
    bool AtSeriesColor(TChartSeries*& ASeries);
    static TRect SymbolRect(const TRect& R) { return Rect(R.Left + 4, R.Top + 4, R.Left + 16, R.Top + 16); }

    // ---- properties ----
    bool SeriesSymbolClickable() const { return FSeriesSymbolClickable; }
    void SetSeriesSymbolClickable(bool Value) { FSeriesSymbolClickable = Value; }
    bool AllowAppend() const { return FAllowAppend; }
    void SetAllowAppend(bool Value) { FAllowAppend = Value; }
    bool AllowInsertSeries() const { return FAllowInsertSeries; }
    void SetAllowInsertSeries(bool Value) { FAllowInsertSeries = Value; }
    TCustomAxisPanel* Chart() const { return FChart; }
    void SetChart(TCustomAxisPanel* Value);
    TChartSeries* Series() const { return FSeries; }
    void SetSeries(TChartSeries* Value);
    bool ReadOnly() const { return !Options().Contains(goEditing); }
    void SetReadOnly(bool Value);
    bool ShowColors() const { return FColors; }
    void SetShowColors(bool Value);
    bool ShowFields() const { return FShowFields; }
    void SetShowFields(bool Value);
    bool ShowLabels() const { return FLabels; }
    void SetShowLabels(bool Value);
    TChartGridShow ShowXValues() const { return FXValues; }
    void SetShowXValues(TChartGridShow Value);
    bool Grid3DMode() const { return FGrid3DMode; }
    void SetGrid3DMode(bool Value);
    TChartGridNavigator* Navigator() const { return INavigator; }
    void SetNavigator(TChartGridNavigator* Value);

    TNotifyEvent OnChangeColor;
    TEditingCellEvent OnEditingCell;
    // After a typed value was stored.
    TSetEditEvent OnSetEditText;

    // Set by the navigator.
    TNotifyEvent FActiveChanged;
    TSelectCellEvent FSelectedChanged;
    // Cells of a series fed by a data source may be edited anyway.
    bool AllowChanges = false;

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    bool CanEditShow() override;
    bool CanEditModify() override;
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void DblClick() override;
    String GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const String& Value) override;
    // Cancelling also gives a cell that had no value its null back.
    void StopEdit(bool Cancel) override;

private:
    // The series shown: the one Series, else every series of Chart.
    int ShownCount() const;
    TChartSeries* Shown(int Index) const;
    // The first column of the values.
    int FirstValueColumn() const;
    // The columns of series Index.
    int SeriesColumns(int Index) const;
    // The series of the current column, the colours column counting as the next one.
    TChartSeries* CurrentColumnSeries();
    void AddListener(TCustomAxisPanel* APanel);
    void RemoveListener(TCustomAxisPanel* APanel);
    TChartSeries* AddBarSeries();
    // The distinct X and Z values of the series shown as a table, ascending.
    void XYZValues(TChartSeries* ASeries, std::vector<double>& Xs, std::vector<double>& Zs) const;
    // The cell's point, its series and value list; false when the cell shows none.
    bool CellPoint(int ACol, int ARow, TChartSeries*& ASeries, int& AList, int& AIndex);
    void RepaintSeries(TChartSeries* ASeries);

    bool FSeriesSymbolClickable = true;
    bool FAllowAppend = false;
    bool FAllowInsertSeries = false;
    TCustomAxisPanel* FChart = nullptr;
    bool FColors = false;
    bool FGrid3DMode = false;
    bool FLabels = true;
    TChartGridShow FXValues = cgsAuto;
    String FOldValue;
    bool FShowFields = true;
    bool FWasNull = false;
    std::vector<bool> IHasNo;
    TChartGridNavigator* INavigator = nullptr;
    TChartSeries* FSeries = nullptr;
    TCustomAxisPanel* ISeriesChart = nullptr;
    bool IDestroying = false;
};

class TChartGrid : public TCustomChartGrid {
    ORVO_CLASS(TChartGrid, TCustomChartGrid)
public:
    explicit TChartGrid(TComponent* AOwner) : TCustomChartGrid(AOwner) {}
};

// Converts a cell's text to a number as the cell shows it: grouping separators between
// groups of three digits are dropped first ("1,234.5" reads as 1234.5; "1,5" stays
// invalid where the decimal separator is a point). Raises EConvertError.
double ChartGridTextToFloat(const String& Text);
