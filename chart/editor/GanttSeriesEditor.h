// TGanttSeriesEditor: a Gantt series' bar height, connecting lines, colours and
// transparency; on its first show it adds the point editor (without its size options) as a
// further tab.
#pragma once

#include "platform/controls/CustomForm.h"

class TButtonColor;
class TButtonPen;
class TCheckBox;
class TEdit;
class TGanttSeries;
class TLabel;
class TSeriesPointerEditor;
class TUpDown;

class TGanttSeriesEditor : public TForm {
    ORVO_CLASS(TGanttSeriesEditor, TForm)
public:
    explicit TGanttSeriesEditor(TComponent* AOwner);
    ~TGanttSeriesEditor() override;

    TGanttSeries* TheSeries = nullptr;
    // The "Gantt" tab's pointer editor, made on the first show.
    TSeriesPointerEditor* PointerForm = nullptr;

    // From the form resource.
    TLabel* Label1 = nullptr;
    TEdit* SEPointVertSize = nullptr;
    TUpDown* UDPointVertSize = nullptr;
    TButtonPen* BConnLines = nullptr;
    TCheckBox* CBColorEach = nullptr;
    TButtonColor* BColor = nullptr;
    TLabel* Label2 = nullptr;
    TEdit* Edit1 = nullptr;
    TUpDown* UpDown1 = nullptr;

    void FormShow(TObject* Sender);
    void SEPointVertSizeChange(TObject* Sender);
    void CBColorEachClick(TObject* Sender);
    void Edit1Change(TObject* Sender);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool CanEdit() const { return TheSeries && !FFilling; }
    bool FFilling = false;
};
