// TFormTeeSeries: the series page of the chart editor. It edits one series of a chart: its
// type-specific settings (the "Format" tab holds the series' own editor form), its general
// settings, its marks and its data source, and hosts the tabs that series editor forms
// insert for themselves (InsertSeriesForm). EditSeriesDialog shows it alone as a dialog.
#pragma once

#include "chart/engine/panel/CustomTeePanel.h"
#include "platform/controls/CustomForm.h"

#include <vector>

class TBaseSourceEditor;
class TChartListBox;
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

    // The form embedded in "Format", or null.
    TCustomForm* SeriesForm() const { return FSeriesForm; }
    // The tabs series editors inserted, in insertion order.
    const std::vector<TTabSheet*>& InsertedTabs() const { return FInsertedTabs; }

    // ---- public state set by the chart editor ----
    TChartSeries* TheSeries = nullptr;
    bool IsDssGraph = false;
    bool ShowTabDataSource = true;
    bool ShowTabGeneral = true;
    bool ShowTabMarks = true;
    TBaseSourceEditor* DataSourceStyle = nullptr;
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

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // Sets the page up for TheSeries (the chart, the tabs, the "Format" form).
    void SetupSeries(const String& RememberedTab);
    void SetChart(TCustomAxisPanel* AChart);
    void FillCurrentTab();
    void HideTabs();

    TCustomAxisPanel* TheChart = nullptr;
    TChartSeries* LastSeries = nullptr;
    TCustomForm* FSeriesForm = nullptr;
    std::vector<TTabSheet*> FInsertedTabs;
    bool CreatingForm = true;
    bool ChangingPage = false;
    bool FDestroying = false;
    bool FLoaded = false;
};

// Shows the series page alone as a modal dialog editing ASeries.
void EditSeriesDialog(TComponent* AOwner, TChartSeries* ASeries);
