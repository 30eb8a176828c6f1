// TArrowSeriesEditor: an arrow series' colours, the border and pattern of its arrow heads,
// the heads' width and height and the size of the arrows.
#pragma once

#include "platform/controls/CustomForm.h"

class TArrowSeries;
class TButton;
class TButtonColor;
class TButtonPen;
class TCheckBox;
class TEdit;
class TLabel;
class TScrollBar;
class TUpDown;

class TArrowSeriesEditor : public TForm {
    ORVO_CLASS(TArrowSeriesEditor, TForm)
public:
    explicit TArrowSeriesEditor(TComponent* AOwner);

    TArrowSeries* Arrow = nullptr;

    // From the form resource.
    TCheckBox* CBColorEach = nullptr;
    TButtonColor* BArrowColor = nullptr;
    TButtonPen* BPen = nullptr;
    TButton* BBrush = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* SEArrowWidth = nullptr;
    TUpDown* UDArrowWidth = nullptr;
    TLabel* Label2 = nullptr;
    TEdit* SEArrowHeight = nullptr;
    TUpDown* UDArrowHeight = nullptr;
    TLabel* Label3 = nullptr;
    TScrollBar* SBPercent = nullptr;
    TLabel* LPercent = nullptr;

    void FormShow(TObject* Sender);
    void CBColorEachClick(TObject* Sender);
    void BBrushClick(TObject* Sender);
    void SEArrowWidthChange(TObject* Sender);
    void SEArrowHeightChange(TObject* Sender);
    void SBPercentChange(TObject* Sender);

private:
    bool CanEdit() const { return Arrow && !FFilling; }
    void ShowPercent();
    bool FFilling = false;
};
