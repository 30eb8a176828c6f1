// TLinearGaugeEditor: the editor form of a linear gauge (and the base of the circular one):
// the numeric gauge editor's pages without the digital font, plus the value area, maximum
// indicator and hand, the scale (range, ticks, minor ticks, axis line), the axis labels and
// title, and the green and red range bands. Every control changes the gauge at once.
#pragma once

#include "chart/editor/NumericGaugeEditor.h"

class TButtonPen;
class TCustomGaugeMinMax;
class TFormTeeAxis;
class TSeriesPointer;

class TLinearGaugeEditor : public TNumericGaugeEditor {
    ORVO_CLASS(TLinearGaugeEditor, TNumericGaugeEditor)
public:
    explicit TLinearGaugeEditor(TComponent* AOwner);
    ~TLinearGaugeEditor() override;

    // The axis page whose title pages sit in "Title" (made on the first show).
    TFormTeeAxis* AxisPage() const { return FAxisPage; }

    void FormShow(TObject* Sender) override;
    // Handlers named in the form resource.
    void BValueAreaClick(TObject* Sender);
    void BMaxIndicatorClick(TObject* Sender);
    void BLinearHandClick(TObject* Sender);
    void EMaxChange(TObject* Sender);
    void EMinChange(TObject* Sender);
    void Button1Click(TObject* Sender);
    void ETicksChange(TObject* Sender);
    void ETicksDistChange(TObject* Sender);
    void Button2Click(TObject* Sender);
    void EMinorChange(TObject* Sender);
    void Edit2Change(TObject* Sender);
    void EFormatChange(TObject* Sender);
    void Button6Click(TObject* Sender);
    void CBLabelsClick(TObject* Sender);
    void EStartGreenChange(TObject* Sender);
    void EEndGreenChange(TObject* Sender);
    void BGreenClick(TObject* Sender);
    void CBGreenVisibleClick(TObject* Sender);
    void EStartRedChange(TObject* Sender);
    void EEndRedChange(TObject* Sender);
    void BRedClick(TObject* Sender);
    void CBRedVisibleClick(TObject* Sender);

    // From the form resource.
    TButton* BValueArea = nullptr;
    TButton* BMaxIndicator = nullptr;
    TButton* BLinearHand = nullptr;
    TTabSheet* TabAxis = nullptr;
    TPageControl* PageAxis = nullptr;
    TTabSheet* TabTicks = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TEdit* EMax = nullptr;
    TEdit* EMin = nullptr;
    TButton* Button1 = nullptr;
    TEdit* ETicks = nullptr;
    TUpDown* UDTicks = nullptr;
    TLabel* Label6 = nullptr;
    TEdit* ETicksDist = nullptr;
    TUpDown* UDTicksDist = nullptr;
    TButton* Button2 = nullptr;
    TLabel* Label7 = nullptr;
    TEdit* EMinor = nullptr;
    TUpDown* UDMinorCount = nullptr;
    TLabel* Label8 = nullptr;
    TEdit* Edit2 = nullptr;
    TUpDown* UDMinorSize = nullptr;
    TButtonPen* BAxis = nullptr;
    TTabSheet* TabLabels = nullptr;
    TLabel* Label9 = nullptr;
    TEdit* EFormat = nullptr;
    TButton* Button6 = nullptr;
    TCheckBox* CBLabels = nullptr;
    TTabSheet* TabTitle = nullptr;
    TTabSheet* TabGreen = nullptr;
    TLabel* Label10 = nullptr;
    TEdit* EStartGreen = nullptr;
    TUpDown* UDStartGreen = nullptr;
    TLabel* Label11 = nullptr;
    TEdit* EEndGreen = nullptr;
    TUpDown* UDEndGreen = nullptr;
    TButton* BGreen = nullptr;
    TCheckBox* CBGreenVisible = nullptr;
    TTabSheet* TabRed = nullptr;
    TLabel* Label12 = nullptr;
    TEdit* EStartRed = nullptr;
    TUpDown* UDStartRed = nullptr;
    TLabel* Label13 = nullptr;
    TEdit* EEndRed = nullptr;
    TUpDown* UDEndRed = nullptr;
    TButton* BRed = nullptr;
    TCheckBox* CBRedVisible = nullptr;

protected:
    TCustomGaugeMinMax* MinMaxGauge() const;
    // The pointer dialog on one of the gauge's pointers.
    void EditPointer(TSeriesPointer* Pointer);

private:
    TFormTeeAxis* FAxisPage = nullptr;
};
