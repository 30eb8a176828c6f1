// TStackBarSeriesEditor: the "Stack" tab of the bar editor: how the chart's bar series are
// laid out (side by side, stacked, ...), the stack group, and the origin the bars start at.
#pragma once

#include "platform/controls/CustomForm.h"

class TCheckBox;
class TCustomBarSeries;
class TEdit;
class TLabel;
class TRadioGroup;
class TUpDown;

class TStackBarSeriesEditor : public TForm {
    ORVO_CLASS(TStackBarSeriesEditor, TForm)
public:
    explicit TStackBarSeriesEditor(TComponent* AOwner);

    TCustomBarSeries* Bar = nullptr;
    // True from creation to the end of the first show: the change handlers do nothing.
    bool CreatingForm = true;

    // From the form resource.
    TRadioGroup* RGMultiBar = nullptr;
    TLabel* LGroup = nullptr;
    TEdit* EGroup = nullptr;
    TUpDown* UDGroup = nullptr;
    TCheckBox* CBYOrigin = nullptr;
    TEdit* EYOrigin = nullptr;

    // Handlers bound by the form resource.
    void FormShow(TObject* Sender);
    void RGMultiBarClick(TObject* Sender);
    void EGroupChange(TObject* Sender);
    void CBYOriginClick(TObject* Sender);
    void EYOriginChange(TObject* Sender);

private:
    // The stack group means something only for stacked bars.
    void EnableGroup();
};
