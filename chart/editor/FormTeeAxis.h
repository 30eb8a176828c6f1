// TFormTeeAxis: the chart editor's Axis page. It edits every property of one axis at a time
// (scales, title, labels, ticks, grid, position), picks the axis from a list of the built-in
// and custom axes, and adds and deletes custom axes. Every control writes into the axis at
// once. TeeAddAxes gives the list's lines.
#pragma once

#include "platform/classes/Event.h"
#include "platform/controls/CustomForm.h"

class TButton;
class TButtonPen;
class TChartAxis;
class TCheckBox;
class TComboBox;
class TComboFlat;
class TCustomAxisPanel;
class TEdit;
class TFormTeeShape;
class TTeeFontEditor;
class TGroupBox;
class TLabel;
class TListBox;
class TPageControl;
class TPanel;
class TSpeedButton;
class TStrings;
class TTabSheet;
class TUpDown;

// "Left Axis", "Right Axis", "Top Axis", "Bottom Axis", then with IncludeDepth "Depth Right"
// and "Depth Top", then "Custom 0", "Custom 1", ... for the chart's custom axes. The list
// is cleared first; without a chart only the fixed names.
void TeeAddAxes(TCustomAxisPanel* Chart, TStrings* Items, bool IncludeDepth);

class TFormTeeAxis : public TForm {
    ORVO_CLASS(TFormTeeAxis, TForm)
public:
    explicit TFormTeeAxis(TComponent* AOwner);
    TFormTeeAxis(TComponent* AOwner, TChartAxis* Axis);
    ~TFormTeeAxis() override;

    // Selects TheAxis in the list.
    void SetAxisIndex();
    // Refreshes the controls of the visible tab from TheAxis.
    void PageAxisChange(TObject* Sender);
    void SetAxisScales();
    // The range dialog for one end of the axis.
    void EditAxisMaxMin(const String& Word, TCheckBox* AutoBox, bool IsMaximum);

    TChartAxis* TheAxis = nullptr;
    bool CreatingForm = true;
    bool IChangingAuto = false;
    // Told with the axis when a custom axis turns horizontal or vertical, and when "+"
    // adds one; with no axis after "-" deleted one (the lists showing axes are rebuilt).
    TEvent<TChartAxis*> NotifyCustom;

    // Handlers named in the form resource.
    void FormShow(TObject* Sender);
    void PageAxisChanging(TObject* Sender, bool& AllowChange);
    void LBAxesClick(TObject* Sender);
    void CBShowClick(TObject* Sender);
    void CBAxisBehClick(TObject* Sender);
    void BAddClick(TObject* Sender);
    void BDeleteClick(TObject* Sender);
    void CBAutomaticClick(TObject* Sender);
    void CBLogarithmicClick(TObject* Sender);
    void CBVisibleClick(TObject* Sender);
    void CBInvertedClick(TObject* Sender);
    void ELogBaseChange(TObject* Sender);
    void LogEClick(TObject* Sender);
    void CBAutoMaxMinClick(TObject* Sender);
    void BAxisMinClick(TObject* Sender);
    void BAxisMaxClick(TObject* Sender);
    void EMinOffChange(TObject* Sender);
    void EMaxOffChange(TObject* Sender);
    void CBMinRoundClick(TObject* Sender);
    void CBMaxRoundClick(TObject* Sender);
    void BIncreClick(TObject* Sender);
    void CBShowAllClick(TObject* Sender);
    void ETitleChange(TObject* Sender);
    void SETitleAngleChange(TObject* Sender);
    void SETitleSizeChange(TObject* Sender);
    void CBTitleVisibleClick(TObject* Sender);
    void CBLabelsClick(TObject* Sender);
    void CBMultilineClick(TObject* Sender);
    void CBOnAxisClick(TObject* Sender);
    void CBRoundFirstClick(TObject* Sender);
    void SELabelsSizeChange(TObject* Sender);
    void SELabelsAngleChange(TObject* Sender);
    void SESeparChange(TObject* Sender);
    void CBLabelStyleChange(TObject* Sender);
    void CBAlternateClick(TObject* Sender);
    void CBFormatChange(TObject* Sender);
    void CBExpoClick(TObject* Sender);
    void CBLabelAlignClick(TObject* Sender);
    void SEAxisTickLengthChange(TObject* Sender);
    void SEInnerTicksLengthChange(TObject* Sender);
    void SEAxisMinorTickLenChange(TObject* Sender);
    void Edit3Change(TObject* Sender);
    void CBTickOnLabelsClick(TObject* Sender);
    void SEMinorCountChange(TObject* Sender);
    void Edit2Change(TObject* Sender);
    void CBGridCenteredClick(TObject* Sender);
    void EMarksEveryChange(TObject* Sender);
    void EPosChange(TObject* Sender);
    void EStartChange(TObject* Sender);
    void EEndChange(TObject* Sender);
    void Edit1Change(TObject* Sender);
    void CBPosUnitsChange(TObject* Sender);
    void CBOtherSideClick(TObject* Sender);
    void CBHorizAxisClick(TObject* Sender);
    void PageLabelsChange(TObject* Sender);
    void PageTitleChange(TObject* Sender);
    void PageTitleFormatChange(TObject* Sender);
    void Button1Click(TObject* Sender);

    // The labels' font editor and the title's shape editor, made when their tab is first
    // shown (null before).
    TTeeFontEditor* ILabelsFont = nullptr;
    TFormTeeShape* ITitleEditor = nullptr;

    // From the form resource.
    TPanel* PanelLeft = nullptr;
    TLabel* LAxes = nullptr;
    TListBox* LBAxes = nullptr;
    TCheckBox* CBShow = nullptr;
    TCheckBox* CBAxisBeh = nullptr;
    TSpeedButton* BAdd = nullptr;
    TSpeedButton* BDelete = nullptr;
    TPageControl* PageAxis = nullptr;
    TTabSheet* TabScales = nullptr;
    TTabSheet* TabTitle = nullptr;
    TTabSheet* TabLabels = nullptr;
    TTabSheet* TabTicks = nullptr;
    TTabSheet* TabGrid = nullptr;
    TTabSheet* TabPosition = nullptr;
    // Scales
    TGroupBox* GBOptions = nullptr;
    TCheckBox* CBAutomatic = nullptr;
    TCheckBox* CBLogarithmic = nullptr;
    TCheckBox* CBVisible = nullptr;
    TCheckBox* CBInverted = nullptr;
    TLabel* LLogBase = nullptr;
    TEdit* ELogBase = nullptr;
    TCheckBox* LogE = nullptr;
    TGroupBox* GBMinimum = nullptr;
    TLabel* LAxisMin = nullptr;
    TCheckBox* CBAutoMin = nullptr;
    TButton* BAxisMin = nullptr;
    TLabel* LMinOff = nullptr;
    TEdit* EMinOff = nullptr;
    TUpDown* UDMinOff = nullptr;
    TCheckBox* CBMinRound = nullptr;
    TGroupBox* GBMaximum = nullptr;
    TLabel* LAxisMax = nullptr;
    TCheckBox* CBAutoMax = nullptr;
    TButton* BAxisMax = nullptr;
    TLabel* LMaxOff = nullptr;
    TEdit* EMaxOff = nullptr;
    TUpDown* UDMaxOff = nullptr;
    TCheckBox* CBMaxRound = nullptr;
    TGroupBox* GBIncrement = nullptr;
    TLabel* LIncre = nullptr;
    TLabel* LAxisIncre = nullptr;
    TButton* BIncre = nullptr;
    TCheckBox* CBShowAll = nullptr;
    // Title
    TPageControl* PageTitle = nullptr;
    TTabSheet* TabTitleStyle = nullptr;
    TTabSheet* TabTitleFormat = nullptr;
    TLabel* LTitle = nullptr;
    TEdit* ETitle = nullptr;
    TLabel* LTitleAngle = nullptr;
    TEdit* SETitleAngle = nullptr;
    TUpDown* UDTitleAngle = nullptr;
    TLabel* LTitleSize = nullptr;
    TEdit* SETitleSize = nullptr;
    TUpDown* UDTitleSize = nullptr;
    TCheckBox* CBTitleVisible = nullptr;
    TPageControl* PageTitleFormat = nullptr;
    // Labels
    TPageControl* PageLabels = nullptr;
    TTabSheet* TabLabelsStyle = nullptr;
    TTabSheet* TabLabelsFormat = nullptr;
    TTabSheet* TabLabelsFont = nullptr;
    TCheckBox* CBLabels = nullptr;
    TCheckBox* CBMultiline = nullptr;
    TCheckBox* CBOnAxis = nullptr;
    TCheckBox* CBRoundFirst = nullptr;
    TLabel* LLabelsSize = nullptr;
    TEdit* SELabelsSize = nullptr;
    TUpDown* UDLabelsSize = nullptr;
    TLabel* LLabelsAngle = nullptr;
    TEdit* SELabelsAngle = nullptr;
    TUpDown* UDLabelsAngle = nullptr;
    TLabel* LSepar = nullptr;
    TEdit* SESepar = nullptr;
    TUpDown* UDSepar = nullptr;
    TLabel* LLabelStyle = nullptr;
    TComboFlat* CBLabelStyle = nullptr;
    TCheckBox* CBAlternate = nullptr;
    TLabel* LFormat = nullptr;
    TComboBox* CBFormat = nullptr;
    TCheckBox* CBExpo = nullptr;
    TCheckBox* CBLabelAlign = nullptr;
    TButton* Button1 = nullptr;
    // Ticks
    TButtonPen* BAxisPen = nullptr;
    TButtonPen* BTickPen = nullptr;
    TLabel* LTickLen = nullptr;
    TEdit* SEAxisTickLength = nullptr;
    TUpDown* UDAxisTickLength = nullptr;
    TButtonPen* BTickInner = nullptr;
    TLabel* LInnerLen = nullptr;
    TEdit* SEInnerTicksLength = nullptr;
    TUpDown* UDInnerTicksLength = nullptr;
    TButtonPen* BTickMinor = nullptr;
    TLabel* LMinorLen = nullptr;
    TEdit* SEAxisMinorTickLen = nullptr;
    TUpDown* UDAxisMinorTickLen = nullptr;
    TLabel* LCount = nullptr;
    TEdit* Edit3 = nullptr;
    TUpDown* UDCount = nullptr;
    TCheckBox* CBTickOnLabels = nullptr;
    // Grid
    TButtonPen* BAxisGrid = nullptr;
    TButtonPen* BMinorGrid = nullptr;
    TLabel* LMinorCount = nullptr;
    TEdit* SEMinorCount = nullptr;
    TUpDown* UDMinorCount = nullptr;
    TLabel* LGridZ = nullptr;
    TEdit* Edit2 = nullptr;
    TUpDown* UDGridZ = nullptr;
    TCheckBox* CBGridCentered = nullptr;
    TLabel* LMarksEvery = nullptr;
    TEdit* EMarksEvery = nullptr;
    TUpDown* UDMarksEvery = nullptr;
    // Position
    TLabel* LPos = nullptr;
    TEdit* EPos = nullptr;
    TUpDown* UDPos = nullptr;
    TLabel* LStart = nullptr;
    TEdit* EStart = nullptr;
    TUpDown* UDStart = nullptr;
    TLabel* LEnd = nullptr;
    TEdit* EEnd = nullptr;
    TUpDown* UDEnd = nullptr;
    TLabel* LZPos = nullptr;
    TEdit* Edit1 = nullptr;
    TUpDown* UDZPos = nullptr;
    TLabel* LPosUnits = nullptr;
    TComboFlat* CBPosUnits = nullptr;
    TCheckBox* CBOtherSide = nullptr;
    TCheckBox* CBHorizAxis = nullptr;

private:
    void EnableLogBaseControls();
    void FillFormats();
    void StoreFormat(const String& Text);
    bool IsDepth() const;
    int EditValue(TEdit* Edit, TUpDown* UpDown) const;
    bool Acting() const { return !CreatingForm && TheAxis; }
};
