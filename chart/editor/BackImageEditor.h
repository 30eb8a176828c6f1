// TBackImageEditor: the picture editor of chart elements: loads or clears a picture, sets its
// transparency, drawing style and position (for a panel's back image), shows its size and
// file type, and opens the filters dialog. Used modally or embedded in a tab.
#pragma once

#include "platform/controls/CustomForm.h"

class TBevel;
class TButton;
class TCheckBox;
class TEdit;
class TGroupBox;
class TImage;
class TLabel;
class TPanel;
class TRadioGroup;
class TPicture;
class TUpDown;
class TWinControl;

class TBackImageEditor : public TForm {
    ORVO_CLASS(TBackImageEditor, TForm)
public:
    explicit TBackImageEditor(TComponent* AOwner);
    // A picture with filters (TTeePicture) also offers the filters dialog.
    void RefreshControls(TPicture* Picture);

    TPicture* Image = nullptr;

    // From the form resource.
    TBevel* Bevel1 = nullptr;
    TImage* Image1 = nullptr;
    TLabel* LabelSize = nullptr;
    TLabel* LabelExt = nullptr;
    TRadioGroup* RGBitmap = nullptr;
    TButton* BBrowse = nullptr;
    TCheckBox* CBTransp = nullptr;
    TButton* Button1 = nullptr;
    TGroupBox* GBPosition = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TEdit* ELeft = nullptr;
    TUpDown* UDLeft = nullptr;
    TEdit* ETop = nullptr;
    TUpDown* UDTop = nullptr;
    TPanel* PanelButtons = nullptr;
    TButton* BOK = nullptr;
    TButton* BCancel = nullptr;

    void FormShow(TObject* Sender);
    void RGBitmapClick(TObject* Sender);
    void BBrowseClick(TObject* Sender);
    void CBTranspClick(TObject* Sender);
    void Button1Click(TObject* Sender);
    void ELeftChange(TObject* Sender);
    void ETopChange(TObject* Sender);

private:
    void EnableControls();
    void RefreshPreview();
    bool FRefreshing = false;
};

// Opens the picture editor with OK and Cancel on Picture; true after OK.
bool EditTeePicture(TComponent* AOwner, TPicture* Picture);
// A picture editor without owner placed in Tab; the host refreshes it with its picture.
TBackImageEditor* InsertImageEditor(TWinControl* Tab);
