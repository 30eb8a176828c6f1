// TSeriesToolEditor: the editor form of a tool bound to a series; it picks the series from
// the tool's chart. The drag-point tool's editor builds on it. FillSeriesCombo and
// FillSeries fill any combo box with a chart's series.
#pragma once

#include "platform/controls/CustomForm.h"

class TChartSeries;
class TComboFlat;
class TCustomAxisPanel;
class TLabel;
class TPanel;
class TTeeCustomToolSeries;

class TSeriesToolEditor : public TForm {
    ORVO_CLASS(TSeriesToolEditor, TForm)
public:
    explicit TSeriesToolEditor(TComponent* AOwner);

    // Every series of AChart (titles or names, the series as objects) after "(none)", the
    // combo enabled when the chart has series, ASeries selected.
    static void FillSeriesCombo(TComboFlat* Combo, TChartSeries* ASeries, TCustomAxisPanel* AChart);
    // The series of the tool's chart of class SeriesClass (after clearing the combo when
    // Clear), enabled when there are any, the tool's series selected.
    void FillSeries(TComboFlat* Combo, TClass SeriesClass, bool Clear);

    // Handlers named in the form resource.
    virtual void FormShow(TObject* Sender);
    virtual void CBSeriesChange(TObject* Sender);

    // From the form resource.
    TPanel* Panel1 = nullptr;
    TLabel* Label1 = nullptr;
    TComboFlat* CBSeries = nullptr;

protected:
    TTeeCustomToolSeries* Tool = nullptr;
};
