// TCircledSeriesEditor: the options every series drawn in a circle shares: circled shape,
// 3-D view, rotation, the circle's back colour or gradient, its two radii and its shadow.
// The pie editor inserts it as a further tab of the series page.
#pragma once

#include "platform/controls/CustomForm.h"

class TButtonColor;
class TButtonGradient;
class TCheckBox;
class TCircledSeries;
class TEdit;
class TLabel;
class TPageControl;
class TTabSheet;
class TTeeShadowEditor;
class TUpDown;

class TCircledSeriesEditor : public TForm {
    ORVO_CLASS(TCircledSeriesEditor, TForm)
public:
    explicit TCircledSeriesEditor(TComponent* AOwner);
    ~TCircledSeriesEditor() override;

    // Inserts a circled editor for ASeries as the tab "Circled" beside AForm's own tab.
    static TCircledSeriesEditor* CreateForm(TCustomForm* AForm, TCircledSeries* ASeries);

    TCircledSeries* Circled = nullptr;
    // True during the show: "&Transparent" does nothing then.
    bool CreatingForm = true;
    // Inserted into the "Shadow" tab on the first show, refreshed on later ones.
    TTeeShadowEditor* ShadowEditor() const { return FShadowEditor; }

    // From the form resource.
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabOptions = nullptr;
    TTabSheet* TabRadius = nullptr;
    TTabSheet* TabShadow = nullptr;
    TCheckBox* CBCircled = nullptr;
    TCheckBox* CB3D = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* Edit1 = nullptr;
    TUpDown* UDRot = nullptr;
    TButtonColor* BBack = nullptr;
    TCheckBox* CBTransp = nullptr;
    TButtonGradient* BGradient = nullptr;
    TLabel* Label2 = nullptr;
    TEdit* Edit2 = nullptr;
    TUpDown* UDX = nullptr;
    TCheckBox* CBAutoXR = nullptr;
    TLabel* Label3 = nullptr;
    TEdit* Edit3 = nullptr;
    TUpDown* UDY = nullptr;
    TCheckBox* CBAutoYR = nullptr;

    void FormShow(TObject* Sender);
    void CBCircledClick(TObject* Sender);
    void CB3DClick(TObject* Sender);
    void Edit1Change(TObject* Sender);
    void BBackClick(TObject* Sender);
    void CBTranspClick(TObject* Sender);
    void BGradientClick(TObject* Sender);
    void Edit2Change(TObject* Sender);
    void CBAutoXRClick(TObject* Sender);
    void Edit3Change(TObject* Sender);
    void CBAutoYRClick(TObject* Sender);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool CanEdit() const { return Circled && !CreatingForm; }
    void RadiusChange(TEdit* Edit, TCheckBox* Auto, bool IsX);
    void AutoRadiusClick(TCheckBox* Auto, TUpDown* UpDown, bool IsX);
    TTeeShadowEditor* FShadowEditor = nullptr;
};

// Places AEditor on a new tab named ATabName of the page control that holds AForm's own tab
// (nothing when AForm sits on no tab); the tab goes with the page control.
bool InsertSeriesEditorTab(TCustomForm* AForm, TCustomForm* AEditor, const String& ATabName, TObject* ATag);
