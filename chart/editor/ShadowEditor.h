// TTeeShadowEditor: the "Shadow editor": visibility, sizes, transparency, colour and its
// lightness, smoothing, blur and clipping of a shadow. Changes go into the shadow at once
// and are kept; the modal dialog's OK only closes it.
#pragma once

#include "platform/controls/CustomForm.h"

class TButton;
class TButtonColor;
class TCheckBox;
class TEdit;
class TGroupBox;
class TLabel;
class TTabSheet;
class TTeeShadow;
class TTrackBar;
class TUpDown;
class TWinControl;

class TTeeShadowEditor : public TForm {
    ORVO_CLASS(TTeeShadowEditor, TForm)
public:
    explicit TTeeShadowEditor(TComponent* AOwner);

    void RefreshControls(TTeeShadow* AShadow);

    TTeeShadow* Shadow = nullptr;
    // Set from creation to the end of the first show: the number handlers do nothing.
    bool CreatingForm = true;
    // The shadow colour as hue, lightness and saturation.
    Word Hue = 0, Lum = 0, Sat = 0;

    // From the form resource.
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TCheckBox* CBVisible = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TEdit* Edit1 = nullptr;
    TUpDown* UDHoriz = nullptr;
    TEdit* EVertSize = nullptr;
    TUpDown* UDVert = nullptr;
    TEdit* EShadowTransp = nullptr;
    TUpDown* UDTransp = nullptr;
    TButtonColor* BShadowColor = nullptr;
    TTrackBar* TBColor = nullptr;
    TCheckBox* CBSmooth = nullptr;
    TCheckBox* CBClip = nullptr;
    TTrackBar* TBBlur = nullptr;
    TButton* BOK = nullptr;

    void FormShow(TObject* Sender);
    void CBVisibleClick(TObject* Sender);
    void Edit1Change(TObject* Sender);
    void EVertSizeChange(TObject* Sender);
    void EShadowTranspChange(TObject* Sender);
    void BShadowColorClick(TObject* Sender);
    void TBColorChange(TObject* Sender);
    void CBSmoothClick(TObject* Sender);
    void CBClipClick(TObject* Sender);
    void TBBlurChange(TObject* Sender);

private:
    // The number handlers act on what the user does, not on the controls being filled.
    bool CanEdit() const { return !CreatingForm && !FRefreshing && Shadow; }
    void EnableSizes();
    void EnableSmooth();
    bool FRefreshing = false;
};

// Opens the shadow dialog on AShadow (every change is kept).
void EditTeeShadow(TComponent* AOwner, TTeeShadow* AShadow);
// A shadow editor without OK placed in Tab; the host refreshes it with its shadow.
TTeeShadowEditor* InsertTeeShadowEditor(TWinControl* Tab);
