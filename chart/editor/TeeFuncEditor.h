// TTeeFuncEditor: the "Data Source" editor of a series computed by a function (or copied):
// the function list ("Copy" first), the source series (one series and its value list, or
// the two-list selection for functions over several series) and the chosen function's own
// options form in a second tab. The series changes only when "&Apply" is pressed; until then
// the choice lives in the editor.
#pragma once

#include "chart/editor/BaseSourceEditor.h"
#include "chart/engine/panel/CustomTeePanel.h"

class TBaseFunctionEditor;
class TCustomAxisPanel;
class TComboFlat;
class TCustomForm;
class TPageControl;
class TSelectListForm;
class TSpeedButton;
class TTabSheet;
class TTimer;

class TTeeFuncEditor : public TBaseSourceEditor, public ITeeEventListener {
    ORVO_CLASS(TTeeFuncEditor, TBaseSourceEditor)
public:
    explicit TTeeFuncEditor(TComponent* AOwner);
    ~TTeeFuncEditor() override;

    // ITeeEventListener, not counted: the editor's owner frees it.
    HResult QueryInterface(const TGUID& IID, void** Obj) override;
    int _AddRef() override { return -1; }
    int _Release() override { return -1; }
    void TeeEvent(TTeeEvent* Event) override;

    // The function class of the chosen entry; null for "Copy".
    TClass FunctionClass() const;
    // Selects in Combo the value source stored for the series' mandatory list (the first
    // item when none is stored or it is not listed).
    static void SetValueListCombo(TChartSeries* Series, TComboFlat* Combo);

    // Handlers named in the form resource.
    void CBSourcesChange(TObject* Sender);
    void BEditFunctionClick(TObject* Sender);
    void CBSingleChange(TObject* Sender);
    void CBValuesChange(TObject* Sender);
    void BNoneClick(TObject* Sender);
    void TimerOptionsTimer(TObject* Sender);
    void TimerSourceTimer(TObject* Sender);

    // From the form resource.
    TSpeedButton* BEditFunction = nullptr;
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabSource = nullptr;
    TPanel* PanSingle = nullptr;
    TLabel* LSingle = nullptr;
    TComboFlat* CBSingle = nullptr;
    TLabel* LValues = nullptr;
    TComboFlat* CBValues = nullptr;
    TButton* BNone = nullptr;
    TTabSheet* TabOptions = nullptr;
    TTimer* TimerOptions = nullptr;
    TTimer* TimerSource = nullptr;

    // The selection of several source series (made once, on the first show).
    TSelectListForm* ISources = nullptr;
    // The chosen function's options form; null when the function has none.
    TBaseFunctionEditor* IOptions = nullptr;
    bool Filling = false;

protected:
    void DoCreate() override;
    void DoShow() override;
    void DoApply() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void FillSources();
    void FunctionChosen();
    // Sets the series' function to the chosen class: none for "Copy", nothing for the class
    // it has, else a new function of the class.
    void ApplyFunctionChoice();
    void ListenTo(TCustomAxisPanel* AChart);
    void SelectFunctionClass(TClass AClass);

    TCustomAxisPanel* FListened = nullptr;
    bool FDestroying = false;
};
