// TChartShapeEditor: a shape series' style, colours, border, pattern, transparency and
// gradient, the text inside it and its alignment, its two corners and their units, and the
// text's font.
#pragma once

#include "platform/controls/CustomForm.h"

class TButton;
class TButtonColor;
class TButtonGradient;
class TButtonPen;
class TChartShape;
class TCheckBox;
class TComboFlat;
class TEdit;
class TLabel;
class TMemo;
class TPageControl;
class TRadioGroup;
class TTabSheet;
class TTeeFontEditor;
class TUpDown;

class TChartShapeEditor : public TForm {
    ORVO_CLASS(TChartShapeEditor, TForm)
public:
    explicit TChartShapeEditor(TComponent* AOwner);
    ~TChartShapeEditor() override;
    // Reads the form resource, then puts the font editor into the "Font" tab.
    void AfterConstruction() override;

    // Set at creation, cleared at the end of the show: the text box's handler does nothing.
    bool CreatingForm = true;
    TTeeFontEditor* FEditFont = nullptr;
    TChartShape* TheSeries = nullptr;

    // From the form resource.
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabStyle = nullptr;
    TTabSheet* TabText = nullptr;
    TTabSheet* TabPosition = nullptr;
    TTabSheet* TabFont = nullptr;
    TLabel* Label1 = nullptr;
    TComboFlat* CBStyle = nullptr;
    TButtonColor* BShapeColor = nullptr;
    TButtonPen* BShapePen = nullptr;
    TButton* BShapeBrush = nullptr;
    TCheckBox* CBTrans = nullptr;
    TCheckBox* CBRound = nullptr;
    TButtonGradient* BGradient = nullptr;
    TLabel* Label2 = nullptr;
    TEdit* Edit1 = nullptr;
    TUpDown* UDTransp = nullptr;
    TLabel* Label3 = nullptr;
    TMemo* MemoText = nullptr;
    TRadioGroup* RGVertAlign = nullptr;
    TRadioGroup* RGAlign = nullptr;
    TButton* Button1 = nullptr;
    TLabel* Label4 = nullptr;
    TEdit* SEX0 = nullptr;
    TLabel* Label5 = nullptr;
    TEdit* SEX1 = nullptr;
    TLabel* Label6 = nullptr;
    TEdit* SEY0 = nullptr;
    TLabel* Label7 = nullptr;
    TEdit* SEY1 = nullptr;
    TLabel* Label8 = nullptr;
    TComboFlat* CBUnits = nullptr;

    void FormShow(TObject* Sender);
    void CBStyleChange(TObject* Sender);
    void BShapeBrushClick(TObject* Sender);
    void CBTransClick(TObject* Sender);
    void CBRoundClick(TObject* Sender);
    void Edit1Change(TObject* Sender);
    void MemoTextChange(TObject* Sender);
    void RGVertAlignClick(TObject* Sender);
    void RGAlignClick(TObject* Sender);
    void Button1Click(TObject* Sender);
    void SEX0Change(TObject* Sender);
    void SEX1Change(TObject* Sender);
    void SEY0Change(TObject* Sender);
    void SEY1Change(TObject* Sender);
    void CBUnitsChange(TObject* Sender);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool CanEdit() const { return TheSeries && !FFilling; }
    // "&Round Rectangle" only for a rectangle in a 2-D chart.
    void EnableRound();
    // The coordinate box's text as a number, when the form shows and the text is one.
    void CoordinateChange(TEdit* Edit, int Corner);
    bool FFilling = false;
};
