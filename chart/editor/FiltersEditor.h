// TFiltersEditor: the "Filters" dialog of a picture's ordered list of bitmap filters: add a
// filter of any registered class from a menu, enable or disable it, reorder, delete, set its
// region and its options (built by the filter itself through a form creator), with a live,
// optionally scaled preview of the filtered picture. Every change is in the list at once.
#pragma once

#include "platform/controls/CustomForm.h"

class TBitmap;
class TButton;
class TCheckBox;
class TCheckListBox;
class TDraw3D;
class TEdit;
class TFilterItems;
class TFormCreator;
class TGraphic;
class TLabel;
class TMenuItem;
class TPageControl;
class TPanel;
class TPopupMenu;
class TSpeedButton;
class TSplitter;
class TTabSheet;
class TTeeFilter;
class TTeePicture;
class TTimer;
class TUpDown;

class TFiltersEditor : public TForm {
    ORVO_CLASS(TFiltersEditor, TForm)
public:
    explicit TFiltersEditor(TComponent* AOwner);
    ~TFiltersEditor() override;
    // Reads the form resource, then makes the preview panel, the timer and the creator.
    void AfterConstruction() override;

    // The selected line's filter, or null.
    TTeeFilter* Selected() const;
    void Preview();

    TGraphic* Picture = nullptr;
    TFilterItems* FilterItems = nullptr;
    TFormCreator* Creator = nullptr;
    TBitmap* IBitmap = nullptr;
    bool IChanging = true;
    // Whether anything in the filter list changed while the dialog was open.
    bool Modified = false;
    TNotifyEvent Changed;

    // From the form resource.
    TPanel* PanelLeft = nullptr;
    TPanel* PanelTools = nullptr;
    TSpeedButton* BAdd = nullptr;
    TSpeedButton* BDelete = nullptr;
    TSpeedButton* BMoveUp = nullptr;
    TSpeedButton* BMoveDown = nullptr;
    TCheckListBox* Filters = nullptr;
    TSplitter* Splitter1 = nullptr;
    TPageControl* PageProps = nullptr;
    TTabSheet* TabOptions = nullptr;
    TTabSheet* TabRegion = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TEdit* ELeft = nullptr;
    TUpDown* UDLeft = nullptr;
    TEdit* ETop = nullptr;
    TUpDown* UDTop = nullptr;
    TEdit* EWidth = nullptr;
    TUpDown* UDWidth = nullptr;
    TEdit* EHeight = nullptr;
    TUpDown* UDHeight = nullptr;
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabPreview = nullptr;
    TPanel* PanelBottom = nullptr;
    TCheckBox* CBPreview = nullptr;
    TCheckBox* CBScaled = nullptr;
    TButton* BOK = nullptr;
    TPopupMenu* MenuFilters = nullptr;
    TPopupMenu* PopupScaled = nullptr;
    TMenuItem* Scaled1 = nullptr;
    // Made with the form.
    TDraw3D* Image = nullptr;
    TTimer* Timer1 = nullptr;

    void FormShow(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void BAddClick(TObject* Sender);
    void FilterSelected(TObject* Sender);
    void FiltersClick(TObject* Sender);
    void FiltersClickCheck(TObject* Sender);
    void BDeleteClick(TObject* Sender);
    void BMoveUpClick(TObject* Sender);
    void BMoveDownClick(TObject* Sender);
    void ELeftChange(TObject* Sender);
    void ETopChange(TObject* Sender);
    void EWidthChange(TObject* Sender);
    void EHeightChange(TObject* Sender);
    void CBPreviewClick(TObject* Sender);
    void CBScaledClick(TObject* Sender);
    void Scaled1Click(TObject* Sender);
    void ChangedProperties(TObject* Sender);
    void ImageResize(TObject* Sender);

private:
    void EnableButtons();
    void FreeOptions();
    void Exchange(int A, int B);
    void RegionEdit(TEdit* Edit, void (*Store)(TTeeFilter*, int));
};

// Opens the filters dialog on Graphic and its FilterItems; true after OK.
bool ShowFiltersEditor(TComponent* AOwner, TGraphic* Graphic, TFilterItems* FilterItems);
// The same on a picture's graphic and filter list (made on first use). The picture is told
// it changed whenever its filters did, however the dialog was closed.
bool ShowFiltersEditor(TComponent* AOwner, TTeePicture* Picture);
