// The gallery panel: a grid of small live charts, one per registered series type of a gallery
// page (or per sub-style of one type), from which the user picks a series type, optionally
// with a function and a sub-style. The focused thumbnail turns and lights up; a small arrow
// on it (or Alt+Down) opens a drop-down of the type's sub-styles.
#pragma once

#include "chart/engine/chart/Chart.h"
#include "chart/engine/panel/CustomTeePanel.h"
#include "platform/classes/List.h"

#include <span>

class TChartGalleryPanel;
class TCustomForm;
class TTeeSeriesType;

// The thumbnail: a chart that draws itself small and changes its look with the focus. Its
// Tag is the sub-style it shows (0: the normal style).
class TGalleryChart : public TCustomChart {
    ORVO_CLASS(TGalleryChart, TCustomChart)
public:
    explicit TGalleryChart(TComponent* AOwner);

    // Whether the user may pick it (a type that cannot take the data of the series being
    // retyped is shown grey and cannot).
    bool Disabled() const { return FDisabled; }
    void SetDisabled(bool Value) { FDisabled = Value; }
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool Value);
    // The focused and the plain look.
    void Focus(bool Rotate);
    void UnFocus(bool Rotate);
    // Where the sub-style arrow is clicked, in client coordinates.
    TRect SubGalleryArrowRect();
    // Whether the mouse is over the chart (its 1-pixel frame shows).
    bool MouseInside() const { return FMouseInside; }

    TChartGalleryPanel* GalleryPanel() const;

protected:
    void Paint() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void DoEnter() override;
    void Dispatch(TMessage& Message) override;

private:
    void DrawFrame(TCanvas* ACanvas);
    void DrawSubGalleryArrow(TCanvas* ACanvas);
    void SmoothDraw();
    TPoint ArrowOrigin();
    bool FSmooth = false;
    bool ICreatingBitmap = false;
    bool FDisabled = false;
    bool FMouseInside = false;
};

// The charts of a panel; Clear frees them.
class TChartList : public TList {
    ORVO_CLASS(TChartList, TList)
public:
    TGalleryChart* GetChart(int Index) const { return static_cast<TGalleryChart*>(Items(Index)); }
    void Clear() override;
};

class TChartGalleryPanel : public TCustomPanelNoCaption {
    ORVO_CLASS(TChartGalleryPanel, TCustomPanelNoCaption)
public:
    explicit TChartGalleryPanel(TComponent* AOwner);
    ~TChartGalleryPanel() override;

    // ---- contents ----
    // One chart per registered type of the page (functions or plain series, as
    // FunctionsVisible says), in registration order.
    void CreateGalleryPage(const String& Page);
    // One chart per class with a gallery entry, in the order given.
    void CreateChartList(std::span<const TClass> SeriesClasses);
    TGalleryChart* CreateChart(TTeeSeriesType* AType);
    // Takes a chart made elsewhere into the panel: owned by it, in its list, placed in the
    // grid and answering clicks as the panel's own thumbnails do.
    void AddChart(TGalleryChart* Chart);
    // Places every chart in the grid of rows and columns.
    void LayoutCharts();
    TChartList* Charts() const { return FCharts; }
    TGalleryChart* GetChart(int Index) const { return FCharts->GetChart(Index); }
    TGalleryChart* SelectedChart() const { return ISelectedChart; }
    // The selected chart's first series' class, its function's class (null without) and
    // the sub-style; false when nothing is selected.
    bool GetSeriesClass(TClass& SeriesClass, TClass& FunctionClass, int& SubIndex);

    // ---- selection ----
    virtual void SelectChart(TGalleryChart* Chart);
    void ShowSelectedChart();
    // Selects the first chart whose first series has the class of SelectedSeries and no
    // function.
    void FindSelectedChart();
    // The keyboard of the panel (the charts pass theirs on).
    void HandleKey(Word& Key, TShiftState Shift);

    // ---- sub-styles ----
    void ShowSubGallery();
    // The open sub-gallery's window and panel while it shows.
    TCustomForm* SubGalleryForm() const { return FSubForm; }
    TChartGalleryPanel* SubGalleryPanel() const { return FSubPanel; }
    void CreateSubGallery(TChartGalleryPanel* APanel, TClass SeriesClass);
    void AddSubCharts(TChartGalleryPanel* APanel);
    void CreateSubChart(const String& Description);
    // A sub-chart of the sub-gallery was chosen.
    void SubSelected(TObject* Sender);

    // Applies a theme of the class to every thumbnail.
    void UseTheme(TClass ThemeClass);

    // ---- options ----
    bool DisplaySub() const { return FDisplaySub; }
    void SetDisplaySub(bool Value) { FDisplaySub = Value; }
    bool FocusRotation() const { return FFocusRotation; }
    void SetFocusRotation(bool Value) { FFocusRotation = Value; }
    int NumRows() const { return FNumRows; }
    void SetNumRows(int Value);
    int NumCols() const { return FNumCols; }
    void SetNumCols(int Value);
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool Value);
    bool View3D() const { return FView3D; }
    void SetView3D(bool Value);
    int ColWidth() const { return FColWidth; }
    int RowHeight() const { return FRowHeight; }
    bool IsSubGallery() const { return ISubGallery; }

    // The "SmoothGallery" and "GalleryMode" options of the editor.
    static bool DefaultSmooth();
    static int DefaultMode();
    static void SaveSmooth(bool Value);
    static void SaveMode(int Value);

    TNotifyEvent OnSelectedChart;
    TNotifyEvent OnChangeChart;
    TNotifyEvent OnSubSelected;

    // Disable types that cannot take the data of SelectedSeries.
    bool CheckSeries = false;
    // List function types instead of plain series types.
    bool FunctionsVisible = false;
    // The series whose type is preselected.
    TChartSeries* SelectedSeries = nullptr;

    void Dispatch(TMessage& Message) override;

protected:
    void Resize() override;
    void KeyDown(Word& Key, TShiftState Shift) override;

private:
    friend class TGalleryChart;
    void CalcChartWidthHeight();
    void PlaceChart(int Index);
    // The columns the layout counts with: at least one.
    int Columns() const;
    void SetMargins(TGalleryChart* Chart);
    void ChartClick(TObject* Sender);
    void ChartDblClick(TObject* Sender);
    void PrepareSeries(TGalleryChart* Chart);

    TChartList* FCharts;
    int FColWidth = 0;
    int FRowHeight = 0;
    TGalleryChart* ISelectedChart = nullptr;
    bool ISubGallery = false;
    bool FDisplaySub = true;
    bool FFocusRotation = true;
    int FNumRows = 3;
    int FNumCols = 4;
    bool FSmooth = false;
    bool FDefaultSmooth = false;
    bool FView3D = true;
    TCustomForm* FSubForm = nullptr;
    TChartGalleryPanel* FSubPanel = nullptr;
    // The panel sub-charts are being made into, and the class they show.
    TChartGalleryPanel* FSubTarget = nullptr;
    TClass FSubClass = nullptr;
};

// The colour a focused thumbnail's background fades to.
extern TColor clTeeGallery;
