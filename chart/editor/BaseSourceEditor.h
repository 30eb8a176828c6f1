// TBaseSourceEditor: the common base of the editors that choose where a series takes its
// points from. It holds the edited series (or the chart a new series goes to), a top panel
// with the list of candidate sources and "&Apply", and asks "Apply Changes ?" when it is left
// with changes not applied. FillSeriesSources lists the series a series may read from.
#pragma once

#include "platform/controls/CustomForm.h"

class TButton;
class TChartSeries;
class TComboFlat;
class TCustomChart;
class TLabel;
class TPanel;
class TStrings;

class TBaseSourceEditor : public TForm {
    ORVO_CLASS(TBaseSourceEditor, TForm)
public:
    explicit TBaseSourceEditor(TComponent* AOwner);

    // Adds Component to Items as a candidate source, named by its title or name (prefixed
    // with its owner's name when another, named owner holds it); only when it is not listed
    // yet, when AddCurrent or it is not already a source of the series, when IsValid accepts
    // it and, unless SkipValidation, when the series' chart accepts it for the series.
    void AddComponentDataSource(TComponent* Component, TStrings* Items, bool AddCurrent);
    // Makes Source the data source of the series (a new series of the first registered type
    // is added to Chart when there is none); a source component the series owned goes.
    void CheckReplaceSource(TComponent* Source);

    // Handlers named in the form resource.
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void BApplyClick(TObject* Sender);

    TCustomChart* Chart = nullptr;
    TChartSeries* TheSeries = nullptr;
    bool SkipValidation = false;

    // From the form resource.
    TPanel* Pan = nullptr;
    TLabel* LLabel = nullptr;
    TComboFlat* CBSources = nullptr;
    TButton* BApply = nullptr;

protected:
    // Whether Component can be a source of this editor's kind; none in the base.
    virtual bool IsValid(TComponent* Component);
    virtual void Translate();
    // The show steps: the series (or chart) from the Tag, "&Apply" disabled, translated.
    virtual void DoShow();
    // What "&Apply" does; nothing in the base.
    virtual void DoApply() {}
    // Runs once the form is created from its resource; nothing in the base.
    virtual void DoCreate() {}
};

// Lists the series Series may read from: every series owned (directly or deeper) by the
// series' owner that its chart accepts as a source of Series, by title or name, into Single
// (when given) and into Available when AddCurrent or it is not yet a source of Series.
void FillSeriesSources(TStrings* Available, TStrings* Single, TChartSeries* Series, bool AddCurrent);
