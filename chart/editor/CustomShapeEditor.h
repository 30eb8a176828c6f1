// TFormTeeShape: the editor of a framed chart part (legend, titles, marks and the like):
// colour, pattern, transparency, frame, bevel and rounded frame, and on further tabs its
// font, gradient, shadow and picture (their editors made when a tab is first shown). It
// usually lends its tabs to another editor's page control (InsertTeeObjectForm); it frees
// the editors it inserted, whichever of it and the tabs goes first.
#pragma once

#include "platform/controls/CustomForm.h"

class TBackImageEditor;
class TButton;
class TButtonColor;
class TButtonPen;
class TCheckBox;
class TComboFlat;
class TEdit;
class TLabel;
class TPageControl;
class TTabSheet;
class TTeeCustomShape;
class TTeeFontEditor;
class TTeeGradientEditor;
class TTeeShadowEditor;
class TUpDown;
class TWinControl;

class TFormTeeShape : public TForm {
    ORVO_CLASS(TFormTeeShape, TForm)
public:
    explicit TFormTeeShape(TComponent* AOwner);
    ~TFormTeeShape() override;

    // Makes the editor for Shape; with a Parent it is placed there borderless and shown.
    static TFormTeeShape* CreateForm(TComponent* AOwner, TTeeCustomShape* Shape, TWinControl* Parent);
    void RefreshControls(TTeeCustomShape* Shape);
    // The page-change handler; hosts call it with their own page control.
    void PC1Change(TPageControl* PageControl);

    TTeeCustomShape* TheShape = nullptr;
    bool CreatingForm = true;
    TTeeFontEditor* FFontEditor = nullptr;
    TTeeGradientEditor* FGradientEditor = nullptr;
    TTeeShadowEditor* FShadowEditor = nullptr;
    TBackImageEditor* FImageEditor = nullptr;

    // From the form resource.
    TPageControl* PC1 = nullptr;
    TTabSheet* TabFormat = nullptr;
    TLabel* Label1 = nullptr;
    TButtonColor* BBackColor = nullptr;
    TButton* Button6 = nullptr;
    TCheckBox* CBTransparent = nullptr;
    TEdit* EShadowTransp = nullptr;
    TUpDown* UDTransp = nullptr;
    TTabSheet* TabBorder = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TButtonPen* Button4 = nullptr;
    TComboFlat* CBBevel = nullptr;
    TEdit* EBevWidth = nullptr;
    TUpDown* UDBevW = nullptr;
    TCheckBox* CBRound = nullptr;
    TEdit* ERoundSize = nullptr;
    TUpDown* UDRound = nullptr;
    TTabSheet* TabText = nullptr;
    TTabSheet* TabGradient = nullptr;
    TTabSheet* TabShadow = nullptr;
    TTabSheet* TabPicture = nullptr;

    void FormShow(TObject* Sender);
    void PC1PageChange(TObject* Sender);
    void Button6Click(TObject* Sender);
    void CBTransparentClick(TObject* Sender);
    void EShadowTranspChange(TObject* Sender);
    void CBBevelChange(TObject* Sender);
    void EBevWidthChange(TObject* Sender);
    void CBRoundClick(TObject* Sender);
    void ERoundSizeChange(TObject* Sender);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void EnableBevel();
    void EnableRound();
};

// Moves the shape editor's tabs into PageControl (its first page made active); the host
// keeps the returned editor to refresh it and pass page changes on.
TFormTeeShape* InsertTeeObjectForm(TPageControl* PageControl, TTeeCustomShape* Shape);
// The shape editor as a modal dialog with OK; HideTextAndShadow leaves out those two pages.
void EditTeeCustomShape(TComponent* AOwner, TTeeCustomShape* Shape, bool HideTextAndShadow = false);
