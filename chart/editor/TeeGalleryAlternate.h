// TTeeGalleryForm: the alternate series gallery, a list of the types of a gallery page on the
// left and the sub-styles of the chosen type as thumbnails on the right.
#pragma once

#include "platform/controls/CustomForm.h"

class TButton;
class TChart;
class TChartGalleryPanel;
class TChartListBox;
class TCheckBox;
class TComboFlat;
class TLabel;
class TPanel;

class TTeeGalleryForm : public TForm {
    ORVO_CLASS(TTeeGalleryForm, TForm)
public:
    explicit TTeeGalleryForm(TComponent* AOwner);

    // The hidden chart holding one series per listed type.
    TChart* Chart() const { return FChart; }

    // From the form resource.
    TPanel* Panel1 = nullptr;
    TLabel* Label1 = nullptr;
    TComboFlat* CBPage = nullptr;
    TCheckBox* CB3D = nullptr;
    TCheckBox* CBSmooth = nullptr;
    TChartListBox* ChartListBox1 = nullptr;
    TChartGalleryPanel* ChartGalleryPanel1 = nullptr;
    TPanel* Panel2 = nullptr;
    TButton* BOK = nullptr;
    TButton* BCancel = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void CBPageChange(TObject* Sender);
    void CB3DClick(TObject* Sender);
    void CBSmoothClick(TObject* Sender);
    void ChartListBox1Click(TObject* Sender);
    void ChartGalleryPanel1SelectedChart(TObject* Sender);

private:
    void FillTypes();
    TChart* FChart = nullptr;
    TClass OldClass = nullptr;
};
