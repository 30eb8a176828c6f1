// TTeeToolsGallery: the dialog "Add..." of the Tools page opens. It lists the registered tool
// classes on three tabs (series tools, axis tools, the others), sorted by description, shows
// the long description of the one selected and answers its class.
#pragma once

#include "platform/controls/CustomForm.h"
#include "platform/controls/ListBox.h"

class TButton;
class TCheckBox;
class TLabel;
class TMemo;
class TPanel;
class TTabControl;
class TTeeToolsGallery;

// A hook that may fill the gallery's demonstration panel for the selected class; null
// (nothing sets it here).
extern void (*ToolsGalleryHook)(TTeeToolsGallery* Gallery);

class TTeeToolsGallery : public TForm {
    ORVO_CLASS(TTeeToolsGallery, TForm)
public:
    explicit TTeeToolsGallery(TComponent* AOwner);

    // The class of the selected line; null without a selection.
    TClass SelectedTool() const;
    TClass ToolAtIndex(int Index) const;

    // Handlers named in the form resource.
    void FormShow(TObject* Sender);
    void TabControl1Change(TObject* Sender);
    void LBToolClick(TObject* Sender);
    void LBToolDblClick(TObject* Sender);
    void LBToolDrawItem(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State);
    void CBView3DClick(TObject* Sender);

    // From the form resource.
    TTabControl* TabControl1 = nullptr;
    TListBox* LBTool = nullptr;
    TMemo* MemoDesc = nullptr;
    TButton* BOk = nullptr;
    TButton* BCan = nullptr;
    TPanel* PanelDemos = nullptr;
    TPanel* Panel1 = nullptr;
    TPanel* Panel2 = nullptr;
    TCheckBox* CBView3D = nullptr;
    TLabel* LabelClass = nullptr;
    TPanel* PanelBottom = nullptr;

private:
    void FillTools();
};
