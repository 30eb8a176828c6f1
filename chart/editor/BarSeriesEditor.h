// TBarSeriesEditor: the series page's editor of a bar or horizontal-bar series. Its tabs
// edit the bar style, fill, colour, gradient, tick lines and transparency ("Format"), the
// bar width, offset, depth and margins ("Size"), the shadow ("Shadow", an embedded shadow
// editor) and the border, bevel and dark border ("Border"); the series page gets a "Stack"
// tab for the bar layout. Every control changes the series at once.
#pragma once

#include "platform/controls/CustomForm.h"

class TButton;
class TButtonColor;
class TButtonPen;
class TCheckBox;
class TComboFlat;
class TCustomBarSeries;
class TEdit;
class TLabel;
class TPageControl;
class TStackBarSeriesEditor;
class TTabSheet;
class TTeeShadowEditor;
class TTrackBar;
class TUpDown;

class TBarSeriesEditor : public TForm {
    ORVO_CLASS(TBarSeriesEditor, TForm)
public:
    explicit TBarSeriesEditor(TComponent* AOwner);
    ~TBarSeriesEditor() override;

    // The bar edited (the form's Tag, taken at the show).
    TCustomBarSeries* Bar = nullptr;
    // True from creation to the end of the first show: the change handlers do nothing.
    bool CreatingForm = true;

    // The embedded shadow editor (made at the first show, refreshed at the next ones) and the
    // "Stack" tab's form (inserted once into the series page).
    TTeeShadowEditor* ShadowEditor() const { return FShadowEditor; }
    TStackBarSeriesEditor* StackEditor() const { return FStackEditor; }

    // From the form resource.
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabFormat = nullptr;
    TLabel* LStyle = nullptr;
    TComboFlat* CBBarStyle = nullptr;
    TButton* BBarBrush = nullptr;
    TCheckBox* CBColorEach = nullptr;
    TButtonColor* BBarColor = nullptr;
    TButton* BGradient = nullptr;
    TButtonPen* BTickLines = nullptr;
    TCheckBox* CBDarkBar = nullptr;
    TLabel* LTransp = nullptr;
    TTrackBar* TBTransp = nullptr;
    TTabSheet* TabSize = nullptr;
    TLabel* LBarWidth = nullptr;
    TEdit* SEBarwidth = nullptr;
    TUpDown* UDBarWidth = nullptr;
    TLabel* LBarOffset = nullptr;
    TEdit* SEBarOffset = nullptr;
    TUpDown* UDBarOffset = nullptr;
    TLabel* LDepth = nullptr;
    TEdit* Edit1 = nullptr;
    TUpDown* UDDepth = nullptr;
    TCheckBox* CBBarSideMargins = nullptr;
    TCheckBox* CBMarksAutoPosition = nullptr;
    TTabSheet* TabShadow = nullptr;
    TTabSheet* TabBorder = nullptr;
    TButtonPen* BBarPen = nullptr;
    TLabel* LBevel = nullptr;
    TEdit* EBevel = nullptr;
    TUpDown* UDBevel = nullptr;
    TLabel* LDarkPen = nullptr;
    TEdit* Edit2 = nullptr;
    TUpDown* UDDarkPen = nullptr;

    // Handlers bound by the form resource.
    void FormShow(TObject* Sender);
    void CBBarStyleChange(TObject* Sender);
    void BBarBrushClick(TObject* Sender);
    void CBColorEachClick(TObject* Sender);
    void BBarColorClick(TObject* Sender);
    void BGradientClick(TObject* Sender);
    void CBDarkBarClick(TObject* Sender);
    void TBTranspChange(TObject* Sender);
    void SEBarwidthChange(TObject* Sender);
    void SEBarOffsetChange(TObject* Sender);
    void Edit1Change(TObject* Sender);
    void CBBarSideMarginsClick(TObject* Sender);
    void CBMarksAutoPositionClick(TObject* Sender);
    void EBevelChange(TObject* Sender);
    void Edit2Change(TObject* Sender);

protected:
    // The "Stack" tab's form may go first, with the series page.
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // The gradient button for "Rectangle" and "Rect. Gradient", the bevel size for "Bevel".
    void ApplyStyleRules();
    // The colour button is for one colour: off while every point has its own.
    void EnableColorButton();
    // Number boxes with up-downs act on what the user types while the form shows.
    bool CanEditNumbers() const;
    void InsertStackTab();

    TTeeShadowEditor* FShadowEditor = nullptr;
    TStackBarSeriesEditor* FStackEditor = nullptr;
};
