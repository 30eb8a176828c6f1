// TFormTeeSeries: the series page of the chart editor. It edits one series of a chart: its
// type-specific settings (the "Format" tab holds the series' own editor form), its general
// settings, its marks and its data source, and hosts the tabs that series editor forms
// insert for themselves (InsertSeriesForm). EditSeriesDialog shows it alone as a dialog.
#pragma once

#include "chart/engine/panel/CustomTeePanel.h"
#include "platform/controls/CustomForm.h"

#include <vector>

class TButton;
class TButtonPen;
class TChartAxis;
class TChartGrid;
class TChartGridNavigator;
class TChartListBox;
class TEdit;
class TGroupBox;
class TMarginsEditor;
class TSeriesMarksSymbol;
class TUpDown;
class TChartSeries;
class TComboFlat;
class TCustomAxisPanel;
class TFormTeeShape;
class TImage;
class TLabel;
class TPageControl;
class TPanel;
class TCheckBox;
class TPaintBox;
class TTabSheet;
class TTeeEvent;
class TTimer;
class TWinControl;

class TFormTeeSeries;
// Told of every series event the page receives (after the page's own handling).
using TSeriesPageEvent = TEvent<TFormTeeSeries*, TTeeEvent*>;

class TFormTeeSeries : public TForm, public ITeeEventListener {
    ORVO_CLASS(TFormTeeSeries, TForm)
public:
    explicit TFormTeeSeries(TComponent* AOwner);
    ~TFormTeeSeries() override;
    void AfterConstruction() override;
    void BeforeDestruction() override;

    // ITeeEventListener, not counted: the page's owner frees it.
    HResult QueryInterface(const TGUID& IID, void** Obj) override;
    int _AddRef() override { return -1; }
    int _Release() override { return -1; }
    void TeeEvent(TTeeEvent* Event) override;

    // Selects TheSeries in the series combo box and sets the page up for it; without a
    // series the tab pages are hidden.
    void SetCBSeries();
    // Frees the "Format" tab's forms, the tabs series editors inserted (and their forms) and
    // the data-source editor.
    void DestroySeriesForms();
    // Refreshes the custom-axis entries of both axis combo boxes.
    void FillAxes();

    // When AParent's owner is a series page: a new tab named ACaption at Position of its tab
    // pages holding a form of FormClass (owned by the page, client-aligned, translated, the
    // object as Tag). Otherwise a form owned by AParent, captioned, the object as Tag.
    static TCustomForm* InsertSeriesForm(TWinControl* AParent, TClass FormClass, int Position,
                                         const String& ACaption, TObject* AObject);
    // The registered editor form class the series names, or null.
    static TClass SeriesEditorForm(TChartSeries* ASeries);

    // The axis page added, deleted or re-oriented a custom axis (null Axis: deleted): the
    // axis lists are rebuilt and show the series' axes again.
    void AxisNotifyCustom(TChartAxis* Axis);
    // The "Data Source" style list's fixed items.
    static constexpr int StyleManual = 0;
    static constexpr int StyleRandom = 1;
    static constexpr int StyleSeries = 2;
    static constexpr int StyleFunction = 3;

    // The marks' sub-editors, made on the first visit of "Marks" (null before).
    TFormTeeShape* MarksShapeEditor() const { return IMarksObject; }
    TFormTeeShape* MarksSymbolEditor() const { return IMarksSymbol; }
    TMarginsEditor* MarksMarginsEditor() const { return IMarksMargins; }

    // The form embedded in "Format", or null.
    TCustomForm* SeriesForm() const { return FSeriesForm; }
    // The tabs series editors inserted, in insertion order.
    const std::vector<TTabSheet*>& InsertedTabs() const { return FInsertedTabs; }

    // Makes Tab of the series page current and fills it; with MarksTab, also that tab of
    // the Marks page. A hidden tab is left alone (the page stays where it is).
    void OpenTab(TTabSheet* Tab, TTabSheet* MarksTab = nullptr);

    // ---- public state set by the chart editor ----
    TChartSeries* TheSeries = nullptr;
    bool IsDssGraph = false;
    bool ShowTabDataSource = true;
    bool ShowTabGeneral = true;
    bool ShowTabMarks = true;
    // The data-source editor form shown below the style list (function editor or a
    // registered source's editor), or null.
    TCustomForm* DataSourceStyle = nullptr;
    TChartListBox* TheListBox = nullptr;
    TSeriesPageEvent OnChartSeriesEvent;

    // ---- handlers named in the form resource ----
    void FormShow(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void CBSeriesChange(TObject* Sender);
    void PageSeriesChange(TObject* Sender);
    void PageSeriesChanging(TObject* Sender, bool& AllowChange);
    void CBPersistentClick(TObject* Sender);
    void CBShowInEditorClick(TObject* Sender);
    void PaintBox1Click(TObject* Sender);
    void PaintBox1Paint(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    // General
    void CBShowInLegendClick(TObject* Sender);
    void CBCursorChange(TObject* Sender);
    void EDepthChange(TObject* Sender);
    void CBDepthClick(TObject* Sender);
    void CBFormatChange(TObject* Sender);
    void EPercentFormatChange(TObject* Sender);
    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    void CBHorizAxisChange(TObject* Sender);
    void CBVertAxisChange(TObject* Sender);
    void CBXDateTimeClick(TObject* Sender);
    void CBYDateTimeClick(TObject* Sender);
    void CBZDateTimeClick(TObject* Sender);
    void CBSortChange(TObject* Sender);
    // Marks
    void PageControlMarksChange(TObject* Sender);
    void CBMarksVisibleClick(TObject* Sender);
    void CBMarkClipClick(TObject* Sender);
    void CBMultiLineClick(TObject* Sender);
    void CBAllVisibleClick(TObject* Sender);
    void SEMarksAngleChange(TObject* Sender);
    void EMarksEveryChange(TObject* Sender);
    void RGMarkStyleClick(TObject* Sender);
    void CBTextAlignChange(TObject* Sender);
    void CBFontSeriesColorClick(TObject* Sender);
    void BCalloutPointerClick(TObject* Sender);
    void SEArrowLengthChange(TObject* Sender);
    void EArrowDistChange(TObject* Sender);
    void CBHeadChange(TObject* Sender);
    void Edit1Change(TObject* Sender);
    // Data Source
    void CBDataSourcestyleChange(TObject* Sender);
    void ESamplesChange(TObject* Sender);
    void CBSamplesDefaultClick(TObject* Sender);
    void BApplyRandomClick(TObject* Sender);
    void Button3Click(TObject* Sender);
    void CBSeriesSourceChange(TObject* Sender);
    void BApplySourceClick(TObject* Sender);
    void BClearSourceClick(TObject* Sender);

    // ---- from the form resource ----
    TPanel* Panel1 = nullptr;
    TImage* ImageSeries = nullptr;
    TLabel* LabelSeriesClass = nullptr;
    TComboFlat* CBSeries = nullptr;
    TPaintBox* PaintBox1 = nullptr;
    TCheckBox* CBPersistent = nullptr;
    TPageControl* PageSeries = nullptr;
    TTabSheet* TheTabSheet = nullptr;
    TTabSheet* TabGeneral = nullptr;
    TTabSheet* TabMarks = nullptr;
    TTabSheet* TabDataSource = nullptr;
    TCheckBox* CBShowInEditor = nullptr;
    TTimer* Timer1 = nullptr;
    // General
    TGroupBox* GroupBox1 = nullptr;
    TCheckBox* CBShowInLegend = nullptr;
    TComboFlat* CBCursor = nullptr;
    TLabel* LDepth = nullptr;
    TEdit* EDepth = nullptr;
    TUpDown* UDDepth = nullptr;
    TCheckBox* CBDepth = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TComboFlat* CBFormat = nullptr;
    TEdit* EPercentFormat = nullptr;
    TButton* Button1 = nullptr;
    TButton* Button2 = nullptr;
    TGroupBox* GBHorizAxis = nullptr;
    TComboFlat* CBHorizAxis = nullptr;
    TCheckBox* CBXDateTime = nullptr;
    TGroupBox* GBVertAxis = nullptr;
    TComboFlat* CBVertAxis = nullptr;
    TCheckBox* CBYDateTime = nullptr;
    TLabel* LSort = nullptr;
    TComboFlat* CBSort = nullptr;
    TCheckBox* CBZDateTime = nullptr;
    // Marks
    TPageControl* PageControlMarks = nullptr;
    TTabSheet* TabSheet1 = nullptr;
    TCheckBox* CBMarksVisible = nullptr;
    TCheckBox* CBMarkClip = nullptr;
    TCheckBox* CBMultiLine = nullptr;
    TCheckBox* CBAllVisible = nullptr;
    TEdit* SEMarksAngle = nullptr;
    TUpDown* UDMarksAngle = nullptr;
    TEdit* EMarksEvery = nullptr;
    TUpDown* UDEvery = nullptr;
    TComboFlat* RGMarkStyle = nullptr;
    TComboFlat* CBTextAlign = nullptr;
    TCheckBox* CBFontSeriesColor = nullptr;
    TTabSheet* TabSheet2 = nullptr;
    TButtonPen* BMarkLinCol = nullptr;
    TButton* BCalloutPointer = nullptr;
    TEdit* SEArrowLength = nullptr;
    TUpDown* UDArrowsLength = nullptr;
    TEdit* EArrowDist = nullptr;
    TUpDown* UDArrowDist = nullptr;
    TComboFlat* CBHead = nullptr;
    TEdit* Edit1 = nullptr;
    TUpDown* UDHeadSize = nullptr;
    TTabSheet* TabSymbol = nullptr;
    TTabSheet* TabMargins = nullptr;
    // Data Source
    TPanel* PanTop = nullptr;
    TComboFlat* CBDataSourcestyle = nullptr;
    TButton* BAdd = nullptr;
    TButton* BEdit = nullptr;
    TButton* BDelete = nullptr;
    TPanel* Panel2 = nullptr;
    TChartGrid* ChartGrid1 = nullptr;
    TChartGridNavigator* ChartGridNavigator1 = nullptr;
    TPanel* PanelRandomSource = nullptr;
    TEdit* ESamples = nullptr;
    TCheckBox* CBSamplesDefault = nullptr;
    TButton* BApplyRandom = nullptr;
    TButton* Button3 = nullptr;
    TPanel* PanelSeriesSource = nullptr;
    TComboFlat* CBSeriesSource = nullptr;
    TButton* BApplySource = nullptr;
    TButton* BClearSource = nullptr;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // Sets the page up for TheSeries (the chart, the tabs, the "Format" form).
    void SetupSeries(const String& RememberedTab);
    void SetChart(TCustomAxisPanel* AChart);
    void FillCurrentTab();
    void HideTabs();
    // The page may change the series (guarded edits).
    bool CanModify() const { return !CreatingForm && !ChangingPage && TheSeries; }
    void FillGeneral();
    void FillMarks();
    void FillDataSource();
    void SelectAxes();
    void CheckMultiLine();
    void CheckAllVisible();
    // The data-source style the series has now.
    int CurrentSourceStyle() const;
    // Frees the data-source editor when it agrees; false when it refuses.
    bool FreeSourceEditor();
    void RebuildSourceForm();
    // Removes the series' data source and function (a source the series owns is freed and
    // the series cleared).
    void RemoveSource();

    TCustomAxisPanel* TheChart = nullptr;
    TChartSeries* LastSeries = nullptr;
    TCustomForm* FSeriesForm = nullptr;
    std::vector<TTabSheet*> FInsertedTabs;
    TFormTeeShape* IMarksObject = nullptr;
    TFormTeeShape* IMarksSymbol = nullptr;
    TMarginsEditor* IMarksMargins = nullptr;
    int FShownStyle = -1;
    bool FFilling = false;
    bool CreatingForm = true;
    bool ChangingPage = false;
    bool FDestroying = false;
    bool FLoaded = false;
};

// Called when a series page is shown, with the page and the chart of its series; unset
// unless a program sets them.
using TOnCreateEditSeries = void (*)(TFormTeeSeries* Page, TCustomAxisPanel* Chart);
extern TOnCreateEditSeries InternalOnCreateEditSeries;
extern TEvent<TFormTeeSeries*, TCustomAxisPanel*> InternalOnCreateEditSeriesObj;

// The shape editor of a marks symbol placed on AParent: without "Color..." and the "Text"
// tab, with a "Visible" check box for the symbol.
TFormTeeShape* MarkSymbolsForm(TComponent* AOwner, TSeriesMarksSymbol* Symbol, TWinControl* AParent);

// Shows the series page alone as a modal dialog editing ASeries.
void EditSeriesDialog(TComponent* AOwner, TChartSeries* ASeries);
